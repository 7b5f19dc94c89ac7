// The cash book's own rules: the number a cash order is proposed, a row
// typed in, the sort by date, the posting of an order with its row, and
// the currency of an order's words.
#include "cash/cash_orders.h"
#include "documents/kinds.h"
#include "session/session.h"
#include "support/cash_rows.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct Fixture {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2026, 2, 10)};
    Fixture() { session.startUp(); }
    Store &store() { return session.store(); }
    QString mdb() const { return dir.filePath(u"Remitor.MDB"_s); }
    QStringList book() const
    {
        return rowsOn(
            mdb(),
            u"SELECT kod, DocNo, DocDate, Note, Prihod, Razhod FROM KasaTable ORDER BY kod"_s);
    }
};

Record receipt(qint64 cents, const QDate &date = QDate(2026, 2, 3))
{
    Record r(kindById(u"PKO"_s).tableDef());
    r.setInteger(u"PKOno"_s, 5);
    r.setDate(u"pDate"_s, date);
    r.setText(u"Vnositel"_s, u"Иван Петров"_s);
    r.setMoney(u"suma"_s, Money::fromRaw(cents * 100));
    return r;
}

}  // namespace

class TestCashBook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nextNumber_data();
    void nextNumber();
    void commitRow_data();
    void commitRow();
    void sortByDate();
    void postingWritesOrderAndRowTogether();
    void postingDisbursement();
    void postingFailsWhole();
    void postingRefused_data();
    void postingRefused();
    void orderWords_data();
    void orderWords();
};

// The next number follows the highest number of the receipts (or the
// disbursements), whatever their amounts.
void TestCashBook::nextNumber_data()
{
    QTest::addColumn<QList<BookRow>>("rows");
    QTest::addColumn<int>("receipt");
    QTest::addColumn<int>("disbursement");
    QTest::newRow("the largest amount is not the last number")
        << QList<BookRow>{{u"7"_s, QDate(2025, 3, 1), {}, 90000},
                          {u"9"_s, QDate(2025, 3, 2), {}, 1000},
                          {u"3"_s, QDate(2025, 3, 2), {}, 0, 2000},
                          {u"8"_s, QDate(2025, 3, 3), {}, 500}}
        << 10 << 4;
    QTest::newRow("balance row and texts that are no number")
        << QList<BookRow>{{u"0"_s, QDate(2025, 1, 1), u"Салдо"_s, 500000},
                          {u"12/А"_s, QDate(2025, 1, 2), {}, 500},
                          {u"бележка"_s, QDate(2025, 1, 3), {}, 700}}
        << 13 << 1;
    QTest::newRow("beyond the order's 16 bits")
        << QList<BookRow>{{u"40000"_s, QDate(2025, 1, 2), {}, 500},
                          {u"8"_s, QDate(2025, 1, 3), {}, 500}}
        << 9 << 1;
}

void TestCashBook::nextNumber()
{
    QFETCH(QList<BookRow>, rows);
    QFETCH(int, receipt);
    QFETCH(int, disbursement);
    Fixture f;
    seedCashBook(f.store(), rows);
    QCOMPARE(NextCashOrderNumber(f.store(), true), receipt);
    QCOMPARE(NextCashOrderNumber(f.store(), false), disbursement);
}

void TestCashBook::commitRow_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("book");
    QTest::addColumn<QStringList>("told");
    const QStringList before{u"1|1|2026-01-02|Продажба|500000|0"_s};
    QTest::newRow("a new row after the last")
        << u"5/2/26"_s << u"12"_s << before + QStringList{u"2|12|2026-02-05|Каса|0|125000"_s}
        << QStringList();
    QTest::newRow("no date: the working date")
        << QString() << u"12"_s << before + QStringList{u"2|12|2026-02-10|Каса|0|125000"_s}
        << QStringList();
    QTest::newRow("no such day") << u"31.02.2026"_s << u"12"_s << before
                                 << QStringList{u"Невалидна дата"_s};
}

void TestCashBook::commitRow()
{
    QFETCH(QString, date);
    QFETCH(QString, number);
    QFETCH(QStringList, book);
    QFETCH(QStringList, told);
    Fixture f;
    seedCashBook(f.store(), {{u"1"_s, QDate(2026, 1, 2), u"Продажба"_s, 5000}});
    Record row(CashBookTable());
    row.setText(u"DocNo"_s, number);
    row.setText(u"Note"_s, u"Каса"_s);
    row.setMoney(u"Razhod"_s, Money::fromUnits(12, 50));
    const CommitOutcome done = CommitCashRow(f.store(), row, date, f.session.today, f.ui);
    QCOMPARE(done, told.isEmpty() ? CommitOutcome::Stored : CommitOutcome::BadDate);
    QCOMPARE(f.book(), book);
    QCOMPARE(f.ui.texts(), told);
    // A row with nothing typed is no row.
    Record blank(CashBookTable());
    QCOMPARE(CommitCashRow(f.store(), blank, u"  "_s, f.session.today, f.ui), CommitOutcome::Blank);
    QCOMPARE(f.book(), book);
}

// Rows of one date keep their order; rows without a date come first.
void TestCashBook::sortByDate()
{
    Fixture f;
    seedCashBook(f.store(), {{u"a"_s, QDate(2026, 1, 9), {}},
                             {u"b"_s, QDate(2026, 1, 2), {}},
                             {u"c"_s, QDate(2026, 1, 9), {}},
                             {u"d"_s, QDate(), {}},
                             {u"e"_s, QDate(2026, 1, 2), {}}});
    const auto order = [&f] {
        return rowsOn(f.mdb(), u"SELECT kod || DocNo FROM KasaTable ORDER BY kod"_s);
    };
    f.ui.answer(false);
    QVERIFY(!SortCashBookByDate(f.store(), f.ui));
    QCOMPARE(order(), (QStringList{u"1a"_s, u"2b"_s, u"3c"_s, u"4d"_s, u"5e"_s}));
    f.ui.answer(true);
    QVERIFY(SortCashBookByDate(f.store(), f.ui));
    QCOMPARE(f.ui.texts(),
             (QStringList{u"Сортира записите по дати?"_s, u"Сортира записите по дати?"_s}));
    QCOMPARE(order(), (QStringList{u"1d"_s, u"2b"_s, u"3e"_s, u"4a"_s, u"5c"_s}));
    // The row without a date, committed again, stays without one.
    Record undated = *f.store().table(CashBookTable())->find(1);
    QCOMPARE(CommitCashRow(f.store(), undated, QString(), f.session.today, f.ui),
             CommitOutcome::Stored);
    QCOMPARE(f.book().first(), u"1|d|NULL||0|0"_s);
}

// The order is stored with its row, under the lowest free number; the
// same order posted again is posted only when the user says so.
void TestCashBook::postingWritesOrderAndRowTogether()
{
    Fixture f;
    seedCashBook(f.store(), {{u"0"_s, QDate(2026, 1, 1), u"Салдо"_s, 100000}});
    Record order = receipt(12345);
    QString status;
    f.ui.answer(false);
    QVERIFY(!PostCashOrder(f.session, order, status));
    QCOMPARE(f.ui.texts(), QStringList{u"Отразява прихода в касовата книга"_s});
    QCOMPARE(f.book().size(), 1);

    f.ui.answer(true);
    QVERIFY(PostCashOrder(f.session, order, status));
    QCOMPARE(status, u"Отразен в касовата книга, ред No 2"_s);
    QCOMPARE(order.key(), 1);
    QCOMPARE(f.book().last(), u"2|5|2026-02-03|Иван Петров|1234500|0"_s);
    QCOMPARE(rowsOn(f.mdb(), u"SELECT kod, PKOno, pDate, suma FROM PKOTable"_s),
             QStringList{u"1|5|2026-02-03|1234500"_s});

    f.ui.clear();
    f.ui.answer(true);
    f.ui.answer(false);
    QVERIFY(!PostCashOrder(f.session, order, status));
    QCOMPARE(f.ui.texts().last(),
             u"ПКО No: 5 е отразен вече в касовата книга.\nОтразява го отново?"_s);
    QVERIFY(f.ui.shown().last().cancelIsDefault);
    QCOMPARE(f.book().size(), 2);
    f.ui.answer(true);
    f.ui.answer(true);
    QVERIFY(PostCashOrder(f.session, order, status));
    QCOMPARE(f.book().size(), 3);
    QCOMPARE(rowsOn(f.mdb(), u"SELECT COUNT(*) FROM PKOTable"_s), QStringList{u"1"_s});

    // The stored order changed into another one: posted under a new number
    // when the user says so, the stored one kept.
    order.setMoney(u"suma"_s, Money::fromUnits(50));
    f.ui.answer(true);
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(PostCashOrder(f.session, order, status));
    QCOMPARE(f.ui.lastSave().overwriteCaption, u"Презапис 1"_s);
    QCOMPARE(order.key(), 2);
    QCOMPARE(rowsOn(f.mdb(), u"SELECT kod, suma FROM PKOTable ORDER BY kod"_s),
             (QStringList{u"1|1234500"_s, u"2|500000"_s}));
}

// A disbursement of 100.005 goes out as the 100.01 its order shows, the
// payee cut to the book's 30 characters; an order without a date is posted
// with the working date.
void TestCashBook::postingDisbursement()
{
    Fixture f;
    Record order(kindById(u"RKO"_s).tableDef());
    order.setInteger(u"RKOno"_s, 3);
    order.setText(u"Poluchatel"_s, u"Петър Георгиев Стоянов-Вълканов от Габрово"_s);
    order.setMoney(u"suma"_s, Money::fromRaw(1000050));
    QString status;
    f.ui.answer(true);
    QVERIFY(PostCashOrder(f.session, order, status));
    QCOMPARE(f.ui.texts(), QStringList{u"Отразява разхода в касовата книга"_s});
    QCOMPARE(f.book(), QStringList{u"1|3|2026-02-10|Петър Георгиев Стоянов-Вълкано|0|1000100"_s});
    QCOMPARE(order.date(u"pDate"_s), QDate(2026, 2, 10));
}

// A row that cannot be written takes the order back with it, and the
// editor's record is as it was.
void TestCashBook::postingFailsWhole()
{
    Fixture f;
    QVERIFY(f.store().table(CashBookTable()));
    QVERIFY(execOn(f.mdb(),
                   u"CREATE TRIGGER stop BEFORE INSERT ON KasaTable "
                   "BEGIN SELECT RAISE(ABORT, 'disk I/O'); END"_s));
    Record order = receipt(500, QDate());
    const Record before = order;
    QString status;
    f.ui.answer(true);
    QVERIFY(!PostCashOrder(f.session, order, status));
    QCOMPARE(status, u"Не е отразен: грешка при записа."_s);
    QVERIFY(order == before);
    QVERIFY(f.book().isEmpty());
    QCOMPARE(rowsOn(f.mdb(), u"SELECT COUNT(*) FROM PKOTable"_s), QStringList{u"0"_s});
}

void TestCashBook::postingRefused_data()
{
    QTest::addColumn<bool>("fromReports");
    QTest::addColumn<qint64>("raw");  // the amount in ten-thousandths
    QTest::addColumn<QString>("told");
    QTest::newRow("restored from the reports base")
        << true << qint64(50000) << u"Този документ е от база справки."_s;
    QTest::newRow("less than a stotinka")
        << false << qint64(49) << u"Няма сума за отразяване в касовата книга."_s;
}

void TestCashBook::postingRefused()
{
    QFETCH(bool, fromReports);
    QFETCH(qint64, raw);
    QFETCH(QString, told);
    Fixture f;
    Record order = receipt(0);
    order.setMoney(u"suma"_s, Money::fromRaw(raw));
    f.session.document(order.def()).fromReports = fromReports;
    QString status;
    QVERIFY(!PostCashOrder(f.session, order, status));
    QCOMPARE(f.ui.texts(), QStringList{told});
    QVERIFY(f.book().isEmpty());
}

// The words are in the currency of the order's date; an order without a
// date is in the currency of the day it is posted.
void TestCashBook::orderWords_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("words");
    QTest::newRow("last day of the lev")
        << QDate(2025, 12, 31) << QDate(2026, 1, 5) << u"Двадесет и Един лв. 50 ст."_s;
    QTest::newRow("first day of the euro")
        << QDate(2026, 1, 1) << QDate(2025, 12, 30) << u"Двадесет и Едно евро 50 цента"_s;
    QTest::newRow("undated, posted in 2026")
        << QDate() << QDate(2026, 1, 2) << u"Двадесет и Едно евро 50 цента"_s;
    QTest::newRow("undated, posted in 2025")
        << QDate() << QDate(2025, 6, 2) << u"Двадесет и Един лв. 50 ст."_s;
}

void TestCashBook::orderWords()
{
    QFETCH(QDate, date);
    QFETCH(QDate, today);
    QFETCH(QString, words);
    Record order = receipt(2150, date);
    QCOMPARE(CashOrderWords(order, today), words);
}

QTEST_GUILESS_MAIN(TestCashBook)
#include "tst_cash_book.moc"
