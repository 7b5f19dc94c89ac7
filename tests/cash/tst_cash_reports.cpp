// The turnover, the cash journal and the list of cash documents of one
// book, against files a person has read. REMITOR_BLESS=1 writes them anew.
#include "cash/cash_reports.h"
#include "documents/kinds.h"
#include "support/cash_rows.h"
#include "support/temp_store.h"

#include <QFile>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

// The last months of the lev and the first of the euro: the year's balance
// row, sales and costs, a balance row inside December (it counts towards
// the opening balance), a row from before the book kept dates, and a row
// after every period asked for.
void seedBook(Store &store)
{
    seedCashBook(store, {{u"0"_s, QDate(2025, 1, 1), u"Салдо"_s, 150000},
                         {u"14"_s, QDate(2025, 11, 20), u"Продажба на стока"_s, 45050},
                         {u"8"_s, QDate(2025, 11, 28), u"Командировка Варна"_s, 0, 12000},
                         {u"15"_s, QDate(2025, 12, 3), u"Продажба на стока"_s, 30000},
                         {u"0"_s, QDate(2025, 12, 5), u"салдо от стара каса"_s, 2500},
                         {u"9"_s, QDate(2025, 12, 22), u"Заплати декември"_s, 0, 200000},
                         {{}, QDate(), u"Ред без дата"_s, 100},
                         {u"1"_s, QDate(2026, 1, 5), u"Продажба на стока"_s, 12345},
                         {u"1"_s, QDate(2026, 1, 9), u"Куриер"_s, 0, 1500},
                         {u"2"_s, QDate(2026, 2, 2), u"Февруари"_s, 99900}});
}

void seedOrders(Store &store)
{
    const struct {
        const char *kind;
        int number;
        QDate date;
        const char16_t *party;
        qint64 cents;
    } orders[] = {
        {"PKO", 15, QDate(2025, 12, 3), u"Иван Петров", 30000},
        {"RKO", 9, QDate(2025, 12, 22), u"Мария Георгиева Стоянова от отдел Продажби", 200000},
        {"PKO", 1, QDate(2026, 1, 5), u"Иван Петров", 12345},
        {"RKO", 1, QDate(2026, 1, 9), u"Спиди АД", 1500},
        {"PKO", 14, QDate(2025, 11, 20), u"Преди периода", 45050}};
    int key = 0;
    for (const auto &o : orders) {
        const KindDescriptor &k = kindById(QLatin1StringView(o.kind));
        auto t = store.table(k.tableDef());
        Record r(k.tableDef());
        r.setKey(++key);
        r.setInteger(k.id + u"no"_s, o.number);
        r.setDate(u"pDate"_s, o.date);
        r.setText(k.id == u"PKO"_s ? u"Vnositel"_s : u"Poluchatel"_s, QString::fromUtf16(o.party));
        r.setMoney(u"suma"_s, Money::fromRaw(o.cents * 100));
        QVERIFY(t->save(r));
    }
}

}  // namespace

class TestCashReports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void golden_data();
    void golden();
    void turnoverSums();
};

void TestCashReports::golden_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("search");
    QTest::newRow("turnover_december")
        << u"K"_s << QDate(2025, 12, 1) << QDate(2025, 12, 31) << QString();
    QTest::newRow("turnover_january")
        << u"K"_s << QDate(2026, 1, 1) << QDate(2026, 1, 31) << QString();
    QTest::newRow("turnover_over_changeover")
        << u"K"_s << QDate(2025, 12, 1) << QDate(2026, 1, 31) << QString();
    QTest::newRow("journal_over_changeover")
        << u"DK"_s << QDate(2025, 12, 1) << QDate(2026, 1, 31) << QString();
    QTest::newRow("journal_searched")
        << u"DK"_s << QDate(2025, 11, 1) << QDate(2026, 1, 31) << u"ПРОДАЖБА"_s;
    QTest::newRow("documents_over_changeover")
        << u"SKD"_s << QDate(2025, 12, 1) << QDate(2026, 1, 31) << QString();
    QTest::newRow("turnover_empty_book")
        << u"K0"_s << QDate(2025, 1, 1) << QDate(2025, 1, 31) << QString();
}

void TestCashReports::golden()
{
    QFETCH(QString, report);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, search);
    TempStore t;
    if (report != u"K0"_s) {
        seedBook(*t.store);
        seedOrders(*t.store);
    }
    QString text;
    if (report.startsWith(u'K'))
        text = CashTurnoverText(CashTurnover(*t.store, from, to));
    else if (report == u"DK"_s)
        text = CashJournalText(*t.store, from, to, search);
    else
        text = CashDocumentListText(*t.store, from, to);
    QVERIFY(t.ui.shown().isEmpty());
    const QString path = qEnvironmentVariable("TESTDATA_DIR") + u"/cash/golden/"_s +
                         QString::fromLatin1(QTest::currentDataTag()) + u".txt"_s;
    QFile file(path);
    if (qEnvironmentVariableIsSet("REMITOR_BLESS")) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(text.split(u'\n'), QString::fromUtf8(file.readAll()).split(u'\n'));
}

// The sums in money, not in text: the opening balance of January is the
// leva balance of December's end converted once, as a whole.
void TestCashReports::turnoverSums()
{
    TempStore t;
    seedBook(*t.store);
    const QList<CashSection> s = CashTurnover(*t.store, QDate(2025, 12, 1), QDate(2026, 1, 31));
    QCOMPARE(s.size(), 2);
    QCOMPARE(s[0].currency, CashCurrency::Leva);
    QCOMPARE(s[0].opening, Money::fromUnits(1856, 50));
    QCOMPARE(s[0].receipts, Money::fromUnits(300));
    QCOMPARE(s[0].disbursements, Money::fromUnits(2000));
    QCOMPARE(s[0].closing(), Money::fromUnits(156, 50));
    QCOMPARE(s[1].currency, CashCurrency::Euro);
    QVERIFY(s[1].carriesLeva);
    QCOMPARE(s[1].levaCarried, s[0].closing());
    QCOMPARE(s[1].opening, Money::fromUnits(80, 2));  // 156.50 / 1.95583 = 80.017
    QCOMPARE(s[1].receipts, Money::fromUnits(123, 45));
    QCOMPARE(s[1].closing(), Money::fromUnits(188, 47));
}

QTEST_GUILESS_MAIN(TestCashReports)
#include "tst_cash_reports.moc"
