#include "session/session.h"
#include "lists/contractors.h"
#include "support/ibans.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

using Keys = QList<qint64>;
using Texts = QHash<QString, QString>;
Q_DECLARE_METATYPE(ContractorList::Move)
Q_DECLARE_METATYPE(ContractorList::Commit)

namespace {

const QString goodIban = u"BG80BNBG96611020345678"_s;
const QString otherIban = u"BG89UBBS80021087654321"_s;

struct Fixture {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 1, 31)};
    ContractorList list{session};

    QString db() const { return dir.filePath(u"Remitor.MDB"_s); }

    void add(qint64 kod, const QString &name, const QString &iban = {})
    {
        auto table = session.store().table(DbKind::Main, u"KlientTable"_s);
        QVERIFY(table);
        Record r = ContractorList::emptyRecord();
        r.setKey(kod);
        r.setText(u"KlIme"_s, name);
        r.setText(u"IBAN"_s, iban);
        QVERIFY(table->save(r));
    }
    void addKeys(const Keys &keys)
    {
        for (qint64 k : keys)
            add(k, u"Фирма %1"_s.arg(k));
    }
    // "kod|name" of every stored contractor in number order.
    QStringList stored() const
    {
        return rowsOn(db(), u"SELECT kod, KlIme FROM KlientTable ORDER BY kod"_s);
    }
};

}  // namespace

class TestContractors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openReadsTwentyOneRowsAndClearsTheRest();
    void newTakesTheNumberAfterTheLast_data();
    void newTakesTheNumberAfterTheLast();
    void moves_data();
    void moves();
    void commitChecks_data();
    void commitChecks();
    void bankFromTheIban_data();
    void bankFromTheIban();
    void bankNamesFromTheFileBesideTheDatabases();
    void rowWithoutNumberGetsAFreeNumberNotOnThePage();
    void copyFromAnother();
    void find_data();
    void find();
    void removeAsks_data();
    void removeAsks();
    void sortByBulgarianName();
};

void TestContractors::openReadsTwentyOneRowsAndClearsTheRest()
{
    Fixture f;
    for (int k = 1; k <= 30; ++k)
        f.add(k, u"Фирма %1"_s.arg(k));
    f.list.open();
    QCOMPARE(f.list.count(), 30);
    // Rows 1..21 are read; the 22nd page record stays empty.
    QCOMPARE(f.list.row(20).key(), 21);
    QCOMPARE(f.list.row(21).key(), 0);
    // A shorter page after moving leaves no rows of the earlier one behind.
    QVERIFY(f.list.move(ContractorList::Move::Last));
    QCOMPARE(f.list.row(1).key(), 0);
    QVERIFY(f.list.row(1).text(u"KlIme"_s).trimmed().isEmpty());
    // Opening again starts from the contractor at the top of the page, or
    // the next one when it has gone.
    QVERIFY(f.list.move(ContractorList::Move::PageBack));
    QVERIFY(execOn(f.db(), u"DELETE FROM KlientTable WHERE kod = 10"_s));
    f.list.open();
    QCOMPARE(f.list.row(0).key(), 11);
    QCOMPARE(f.list.count(), 29);
}

void TestContractors::newTakesTheNumberAfterTheLast_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<qint64>("firstRow");
    QTest::newRow("1 2 5: not the gap") << Keys{1, 2, 5} << qint64(6) << qint64(5);
}

void TestContractors::newTakesTheNumberAfterTheLast()
{
    QFETCH(Keys, keys);
    QFETCH(qint64, expected);
    QFETCH(qint64, firstRow);
    Fixture f;
    f.addKeys(keys);
    f.list.open();
    QCOMPARE(f.list.addNew(), expected);
    QCOMPARE(f.list.row(0).key(), firstRow);
    QCOMPARE(f.list.selectedRow(), 1);
    QCOMPARE(f.list.selected().key(), expected);
    QVERIFY(f.list.selected().text(u"KlIme"_s).trimmed().isEmpty());
    // Nothing is stored until a name is typed.
    QCOMPARE(f.stored().size(), keys.size());
    QCOMPARE(f.list.commit({{u"KlIme"_s, u"  Нова фирма "_s}}), ContractorList::Commit::Saved);
    QCOMPARE(queryOn(f.db(), u"SELECT KlIme FROM KlientTable WHERE kod = %1"_s.arg(expected)),
             u"Нова фирма"_s);
    QCOMPARE(f.list.count(), keys.size() + 1);
    QVERIFY(f.ui.shown().isEmpty());
}

void TestContractors::moves_data()
{
    // Fifty contractors numbered 2, 4, … 100: the moves count rows, not numbers.
    QTest::addColumn<ContractorList::Move>("mode");
    QTest::addColumn<qint64>("top");
    QTest::addColumn<qint64>("expected");
    using M = ContractorList::Move;
    QTest::newRow("last") << M::Last << qint64(20) << qint64(100);
    QTest::newRow("one back") << M::Back << qint64(60) << qint64(58);
    QTest::newRow("twenty back near the start") << M::PageBack << qint64(30) << qint64(2);
    QTest::newRow("twenty back") << M::PageBack << qint64(60) << qint64(20);
    QTest::newRow("twenty forward to the last but one") << M::PageForward << qint64(58) << qint64(98);
    QTest::newRow("twenty forward near the end") << M::PageForward << qint64(70) << qint64(100);
}

void TestContractors::moves()
{
    QFETCH(ContractorList::Move, mode);
    QFETCH(qint64, top);
    QFETCH(qint64, expected);
    Fixture f;
    Keys keys;
    for (int k = 2; k <= 100; k += 2)
        keys.append(k);
    f.addKeys(keys);
    QVERIFY(f.list.readPageFrom(top));
    f.list.select(5);
    QVERIFY(f.list.move(mode));
    QCOMPARE(f.list.row(0).key(), expected);
    // The selected row keeps its place on the page.
    QCOMPARE(f.list.selectedRow(), 5);
    // The page runs on in number order from its top.
    const qint64 second = expected == 100 ? 0 : expected + 2;
    QCOMPARE(f.list.row(1).key(), second);
}

void TestContractors::commitChecks_data()
{
    using C = ContractorList::Commit;
    QTest::addColumn<QString>("storedIban");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<C>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("storedRow");  // KlIme|Bulstat|IBAN|BIC|Grad after the commit
    QTest::newRow("valid, trimmed and upper-cased")
        << QString() << Texts{{u"KlIme"_s, u" Алфа ООД "_s}, {u"Bulstat"_s, u" 123-456-786 "_s},
                             {u"IBAN"_s, u" bg80bnbg96611020345678 "_s}, {u"BIC"_s, u"bnbgbgsd"_s}}
        << C::Saved << QString() << u"Алфа ООД|123-456-786|BG80BNBG96611020345678|BNBGBGSD|"_s;
    QTest::newRow("invalid BULSTAT holds the row back")
        << QString() << Texts{{u"KlIme"_s, u"Алфа ООД"_s}, {u"Bulstat"_s, u"123456787"_s}} << C::Refused
        << u"Невалиден булстат!"_s << u"Стара||||"_s;
    QTest::newRow("a stored IBAN that fails stops a new name")
        << u"BG80BNBG96611020345670"_s << Texts{{u"KlIme"_s, u"Алфа ООД"_s}} << C::Refused
        << u"Невалиден IBAN номер: BG80BNBG96611020345670"_s << u"Стара||BG80BNBG96611020345670||"_s;
    // The contractor stays as stored; the page shows the cleared name.
    QTest::newRow("a cleared name is not saved")
        << QString() << Texts{{u"KlIme"_s, u"   "_s}, {u"Grad"_s, u"Варна"_s}} << C::Unnamed << QString()
        << u"Стара||||"_s;
}

void TestContractors::commitChecks()
{
    QFETCH(QString, storedIban);
    QFETCH(Texts, texts);
    QFETCH(ContractorList::Commit, result);
    QFETCH(QString, message);
    QFETCH(QString, storedRow);
    Fixture f;
    f.add(1, u"Стара"_s, storedIban);
    f.list.open();
    QCOMPARE(f.list.commit(texts), result);
    QCOMPARE(f.ui.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(rowsOn(f.db(), u"SELECT KlIme, Bulstat, IBAN, BIC, Grad FROM KlientTable"_s), QStringList{storedRow});
    // A refused row keeps its old values on the page as well.
    if (result == ContractorList::Commit::Refused)
        QCOMPARE(f.list.selected().text(u"KlIme"_s).trimmed(), u"Стара"_s);
    if (result == ContractorList::Commit::Unnamed)
        QVERIFY(f.list.selected().text(u"KlIme"_s).trimmed().isEmpty());
}

void TestContractors::bankFromTheIban_data()
{
    QTest::addColumn<QString>("stored");  // IBAN|BIC|BankIme of the contractor before
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("after");    // IBAN|BIC|BankIme stored after the commit
    QTest::addColumn<QString>("warning");  // a part of the one message, or none
    // An IBAN typed into an empty contractor, and one of another bank than
    // its BIC, are tried through the window.
    const QString uncr = ValidIban(u"UNCR"_s), dsk = ValidIban(u"STSA"_s);
    QTest::newRow("a new IBAN of another bank under an old BIC")
        << dsk + u"|STSABGSF|Банка ДСК АД"_s << Texts{{u"IBAN"_s, uncr}}
        << uncr + u"|STSABGSF|Банка ДСК АД"_s << u"УниКредит Булбанк АД"_s;
    // Warned once, when typed: the pair is not warned about again.
    QTest::newRow("an unchanged pair is not checked again")
        << dsk + u"|UNCRBGSF|"_s << Texts{{u"Phone"_s, u"0888 123 456"_s}} << dsk + u"|UNCRBGSF|"_s
        << QString();
}

void TestContractors::bankFromTheIban()
{
    QFETCH(QString, stored);
    QFETCH(Texts, texts);
    QFETCH(QString, after);
    QFETCH(QString, warning);
    Fixture f;
    const QStringList parts = stored.split(u'|');
    f.add(1, u"Алфа ООД"_s, parts[0]);
    QVERIFY(execOn(f.db(), u"UPDATE KlientTable SET BIC = '%1', BankIme = '%2'"_s.arg(parts[1],
                                                                                   parts[2])));
    f.list.open();
    QCOMPARE(f.list.commit(texts), ContractorList::Commit::Saved);
    QCOMPARE(rowsOn(f.db(), u"SELECT IBAN, BIC, BankIme FROM KlientTable"_s), QStringList{after});
    // The page holds what was stored, for the window to show.
    QCOMPARE(f.list.selected().text(u"BIC"_s).trimmed(), after.section(u'|', 1, 1));
    QCOMPARE(f.ui.shown().size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty())
        QVERIFY2(f.ui.shown()[0].text.contains(warning), qPrintable(f.ui.shown()[0].text));
}

void TestContractors::bankNamesFromTheFileBesideTheDatabases()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"Banki.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(u"# Обновен списък\nUNCR|UNCRBGSF|УниКредит Булбанк АД, обновено име|\n"_s.toUtf8());
    file.close();
    ScriptedInteraction ui;
    Session session(dir.path(), ui, QDate(2010, 1, 31));
    ContractorList list(session);
    list.open();
    const QString iban = ValidIban(u"UNCR"_s);
    QCOMPARE(list.commit({{u"KlIme"_s, u"Алфа ООД"_s}, {u"IBAN"_s, iban}}),
             ContractorList::Commit::Saved);
    QCOMPARE(rowsOn(dir.filePath(u"Remitor.MDB"_s), u"SELECT BIC, BankIme FROM KlientTable"_s),
             QStringList{u"UNCRBGSF|УниКредит Булбанк АД, обновено име"_s});
}

void TestContractors::rowWithoutNumberGetsAFreeNumberNotOnThePage()
{
    Fixture f;
    f.addKeys({1, 2, 4});  // 3 was deleted
    f.list.open();
    // A name typed into an empty row below the list: the lowest free number.
    f.list.select(4);
    QCOMPARE(f.list.commit({{u"KlIme"_s, u"Трета"_s}}), ContractorList::Commit::Saved);
    QCOMPARE(f.list.selected().key(), 3);

    // "Добавя нов" holds 5 for its row; another empty row must not take it,
    // or the two rows would write one contractor.
    QCOMPARE(f.list.addNew(), 5);
    f.list.select(3);
    QCOMPARE(f.list.commit({{u"KlIme"_s, u"Шеста"_s}}), ContractorList::Commit::Saved);
    QCOMPARE(f.list.selected().key(), 6);
    f.list.select(1);
    QCOMPARE(f.list.commit({{u"KlIme"_s, u"Пета"_s}}), ContractorList::Commit::Saved);
    QCOMPARE(f.stored(), (QStringList{u"1|Фирма 1"_s, u"2|Фирма 2"_s, u"3|Трета"_s,
                                      u"4|Фирма 4"_s, u"5|Пета"_s, u"6|Шеста"_s}));
}

void TestContractors::copyFromAnother()
{
    Fixture f;
    {
        auto table = f.session.store().table(DbKind::Main, u"KlientTable"_s);
        Record r = ContractorList::emptyRecord();
        r.setKey(3);
        for (const QString &field : {u"KlIme"_s, u"Grad"_s, u"street"_s, u"MOL"_s, u"Phone"_s, u"BankIme"_s,
                                     u"BAE"_s, u"bgrad"_s, u"bstreet"_s})
            r.setText(field, u"x"_s + field);
        r.setText(u"Bulstat"_s, u"123456786"_s);
        r.setText(u"BIC"_s, u"BNBGBGSD"_s);
        r.setText(u"IBAN"_s, goodIban);
        QVERIFY(table->save(r));
    }
    f.list.open();
    // The selected row holds a contractor: nothing is asked.
    QVERIFY(!f.list.copyFromAnother());
    QCOMPARE(f.ui.texts(), QStringList{u"В полето има записан клиент."_s});
    QCOMPARE(f.ui.shown().first().kind, ScriptedInteraction::Shown::Tell);

    f.ui.clear();
    QCOMPARE(f.list.addNew(), 4);
    f.ui.answerInput(u"false"_s);  // lists every contractor
    f.ui.pickNumber(3);
    QVERIFY(f.list.copyFromAnother());
    QCOMPARE(f.ui.lastList().caption, u"Копира данните от фирма:"_s);
    QCOMPARE(f.ui.lastList().lines.size(), 1);
    // Twelve columns copied and stored under the row's own number.
    QCOMPARE(rowsOn(f.db(), u"SELECT * FROM KlientTable WHERE kod = 4"_s),
             rowsOn(f.db(), u"SELECT 4, KlIme, grad, street, Bulstat, MOL, phone, BankIme, IBAN,"
                            " BIC, BAE, bgrad, bstreet FROM KlientTable WHERE kod = 3"_s));
    QCOMPARE(f.list.selected().text(u"BAE"_s).trimmed(), u"xBAE"_s);
}

void TestContractors::find_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<qint64>("pick");
    QTest::addColumn<QString>("lastSearch");
    QTest::newRow("part of a name, picked") << std::optional<QString>(u"ета"_s) << qint64(12) << u"ета"_s;
    QTest::newRow("cancelled question") << std::optional<QString>() << qint64(0) << u"стара"_s;
}

void TestContractors::find()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(qint64, pick);
    QFETCH(QString, lastSearch);
    Fixture f;
    for (int k = 1; k <= 30; ++k)
        f.add(k, k == 12 ? u"Бета ООД"_s : k == 25 ? u"Зета ЕТ"_s : u"Фирма %1"_s.arg(k));
    f.list.open();
    f.list.select(7);
    f.session.lastSearchText = u"стара"_s;
    f.ui.answerInput(answer);
    if (pick)
        f.ui.pickNumber(pick);
    QCOMPARE(f.list.find(), pick != 0);
    QCOMPARE(f.ui.pendingAnswers(), 0);
    if (pick)
        QCOMPARE(f.ui.lastList().lines.size(), 2);  // Бета and Зета
    // The picked contractor tops the page, selected; otherwise nothing moves.
    QCOMPARE(f.list.row(0).key(), pick ? pick : 1);
    QCOMPARE(f.list.selectedRow(), pick ? 0 : 7);
    QCOMPARE(f.session.lastSearchText, lastSearch);
}

void TestContractors::removeAsks_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("OK") << true << QStringList{u"1|Алфа"_s, u"3|Гама"_s};
    QTest::newRow("Cancel") << false << QStringList{u"1|Алфа"_s, u"2|Бета ООД"_s, u"3|Гама"_s};
}

void TestContractors::removeAsks()
{
    QFETCH(bool, ok);
    QFETCH(QStringList, after);
    Fixture f;
    f.add(1, u"Алфа"_s);
    f.add(2, u"Бета ООД"_s);
    f.add(3, u"Гама"_s);
    f.list.open();
    f.list.readPageFrom(2);
    f.list.select(0);
    f.ui.answer(ok);
    QCOMPARE(f.list.removeSelected(), ok);
    QCOMPARE(f.ui.texts(), QStringList{u"Изтрива: Бета ООД"_s});
    QCOMPARE(f.ui.shown().first().kind, ScriptedInteraction::Shown::OkCancel);
    QCOMPARE(f.stored(), after);
    QCOMPARE(f.list.count(), after.size());
    // The page is read again from its top, which went with the deletion.
    QCOMPARE(f.list.row(0).key(), ok ? 3 : 2);

    // An empty row has nothing to delete: no question.
    f.list.select(5);
    QVERIFY(!f.list.removeSelected());
    QCOMPARE(f.ui.shown().size(), 1);
}

void TestContractors::sortByBulgarianName()
{
    Fixture f;
    // In code order "Б" comes before "а": the sort must not follow it.
    f.add(1, u"Янтра ООД"_s);
    f.add(2, u"Бор АД"_s);
    f.add(5, u"ален ЕТ"_s);
    f.add(7, u"Ъгъл"_s);
    f.add(9, u"Ерма"_s);
    f.list.readPageFrom(7);
    const QStringList before = f.stored();
    // The third renumbered row fails: the ones before it must go back.
    QVERIFY(execOn(f.db(), u"CREATE TRIGGER stop BEFORE UPDATE OF kod ON KlientTable "
                           "WHEN NEW.kod = 3 BEGIN SELECT RAISE(ABORT, 'disk I/O'); END"_s));
    f.ui.answer(true);
    QVERIFY(!f.list.sort());
    QCOMPARE(f.stored(), before);
    QCOMPARE(f.ui.shown().size(), 2);
    QVERIFY(f.ui.shown().last().text.contains(u"disk I/O"_s));
    QVERIFY(!rowsOn(f.db(), u"PRAGMA index_info(KlientIndex)"_s).isEmpty());

    QVERIFY(execOn(f.db(), u"DROP TRIGGER stop"_s));
    f.ui.clear();
    f.ui.answer(true);
    QVERIFY(f.list.sort());
    QCOMPARE(f.ui.shown().size(), 1);  // the question only
    QCOMPARE(f.stored(), (QStringList{u"1|ален ЕТ"_s, u"2|Бор АД"_s, u"3|Ерма"_s, u"4|Ъгъл"_s, u"5|Янтра ООД"_s}));
    // The page starts again at the first contractor; the key index is back.
    QCOMPARE(f.list.row(0).text(u"KlIme"_s).trimmed(), u"ален ЕТ"_s);
    QCOMPARE(queryOn(f.db(), u"SELECT \"unique\" FROM pragma_index_list('KlientTable') "
                             "WHERE name = 'KlientIndex'"_s),
             u"1"_s);
}

QTEST_GUILESS_MAIN(TestContractors)
#include "tst_contractors.moc"
