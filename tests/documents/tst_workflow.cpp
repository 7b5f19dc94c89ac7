#include "session/session.h"
#include "documents/workflow.h"
#include "support/ibans.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct Fixture {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 3, 5)};
    DocumentWorkflow flow{session, kindById(u"Pln"_s)};

    Fixture() { session.startUp(); }

    // Stores orders under the given numbers, each named after its number.
    void seed(const QList<int> &keys)
    {
        auto t = session.store().table(DbKind::Main, u"PlnTable"_s);
        Record r(t->def());
        for (int k : keys) {
            r.setKey(k);
            r.setText(u"Nareditel"_s, u"Наредител %1"_s.arg(k));
            r.setText(u"Poluchatel"_s, u"Получател %1"_s.arg(k));
            QVERIFY(t->save(r));
        }
    }
    QList<int> keys()
    {
        QList<int> out;
        session.store().table(DbKind::Main, u"PlnTable"_s)->scan(Table::Order::Key, [&](const Record &r) {
            out.append(r.key());
            return true;
        });
        return out;
    }
    Record &rec() { return flow.record(); }
};

const FieldSpec &entry(const QString &name)
{
    const auto &k = kindById(u"Pln"_s);
    return k.entryOrder[k.placeOf(name)];
}

}  // namespace

class TestWorkflow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldRules_data();
    void fieldRules();
    void displayRules();
    void captionAndOpen();
    void newClears();
    void saveOffers_data();
    void saveOffers();
    void cancelStoresNothing();
    void deletedDocumentReturns();
    void navigation();
    void readFindsAndClearsTheReportsFlag();
    void reportsFlagRefusesSave();
    void copyToReportsUndated();
    void copyToReportsCancelled();
    void payeeAndPayer();
    void contractorSearchCancelAndFalse();
    void dateButtons();
    void convertBetweenLayouts();
    void accountFillsItsBank_data();
    void accountFillsItsBank();
};

void TestWorkflow::fieldRules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("amount with a comma") << u"suma"_s << u"1234,5"_s << u"1234.50"_s;
    QTest::newRow("amount with blanks") << u"suma"_s << u" 1 234,56 "_s << u"1234.56"_s;
    QTest::newRow("zero amount is empty") << u"suma"_s << u"0"_s << QString();
    QTest::newRow("negative amount is empty") << u"suma"_s << u"-5"_s << QString();
    // The fee is read like the amount: a wrong figure on a bank document is no detail.
    QTest::newRow("fee with a comma") << u"TAXsuma"_s << u"2,50"_s << u"2.50"_s;
    QTest::newRow("fee with a point") << u"TAXsuma"_s << u"3.5 лв"_s << u"3.50"_s;
    QTest::newRow("charges 2 and words") << u"tax"_s << u"2 споделена"_s << u"2"_s;
    QTest::newRow("charges words only") << u"tax"_s << u"споделена"_s << QString();
    QTest::newRow("BIC upper-cased") << u"BICp"_s << u"bnbgbgsd"_s << u"BNBGBGSD"_s;
    QTest::newRow("currency upper-cased") << u"valuta"_s << u"eur"_s << u"EUR"_s;
    QTest::newRow("IBAN upper-cased") << u"IBANp"_s << u"bg80bnbg96611020345678"_s << u"BG80BNBG96611020345678"_s;
    QTest::newRow("execution date normalised") << u"workDate"_s << u"5/3/2010"_s << u"05.03.2010"_s;
    QTest::newRow("no such date is empty") << u"workDate"_s << u"31.02.2010"_s << QString();
    QTest::newRow("submission date as words stays") << u"pDate"_s << u"вчера следобед"_s << u"вчера следобед"_s;
    QTest::newRow("short text trimmed") << u"Clon"_s << u"  Габрово  "_s << u"Габрово"_s;
    QTest::newRow("long text keeps leading blanks") << u"Osnovanie"_s << u"   Фактура 12  "_s << u"   Фактура 12"_s;
    QTest::newRow("cut to the width") << u"valuta"_s << u"LEVA"_s << u"LEV"_s;
}

void TestWorkflow::fieldRules()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Fixture f;
    f.flow.take(entry(field), typed);
    QCOMPARE(f.flow.display(entry(field)), shown);
}

void TestWorkflow::displayRules()
{
    Fixture f;
    f.rec().setMoney(u"suma"_s, Money::fromRaw(12345678));  // 1234.5678
    QCOMPARE(f.flow.display(entry(u"suma"_s)), u"1234.57"_s);
    f.rec().setMoney(u"suma"_s, Money::fromUnits(100000000000LL));
    QCOMPARE(f.flow.display(entry(u"suma"_s)), u"100000000000.00"_s);
    f.rec().setMoney(u"suma"_s, Money::fromRaw(50));  // half a stotinka
    QCOMPARE(f.flow.display(entry(u"suma"_s)), u"0.01"_s);
    QCOMPARE(f.flow.display(entry(u"workDate"_s)), QString());
    QCOMPARE(f.flow.display(entry(u"tax"_s)), QString());
}

void TestWorkflow::captionAndOpen()
{
    Fixture f;
    QCOMPARE(f.flow.caption(), u"Платежно нареждане за кредитен превод No:0"_s);
    // A new document opens in the national currency; a stored one keeps its own.
    f.flow.open();
    QCOMPARE(f.rec().text(u"valuta"_s), u"EUR"_s);
    f.rec().setKey(12);
    QCOMPARE(f.flow.caption(), u"Платежно нареждане за кредитен превод No: 12"_s);
    f.rec().setText(u"valuta"_s, u"BGN"_s);
    f.flow.open();
    QCOMPARE(f.rec().text(u"valuta"_s), u"BGN"_s);
    f.session.nationalCurrency = u"BGN"_s;
    f.rec().setKey(0);
    f.rec().setText(u"valuta"_s, u"USD"_s);
    f.flow.open();
    QCOMPARE(f.rec().text(u"valuta"_s), u"BGN"_s);
}

void TestWorkflow::newClears()
{
    Fixture f;
    f.flow.open();
    f.rec().setKey(4);
    f.rec().setText(u"Nareditel"_s, u"Някой"_s);
    f.rec().setBoolean(u"polMode"_s, true);
    f.ui.answer(false);
    QVERIFY(!f.flow.newDocument());
    QCOMPARE(f.rec().key(), 4);
    QVERIFY(f.ui.shown().first().cancelIsDefault);
    QCOMPARE(f.ui.texts(), QStringList{u"Изчиства текущия документ?"_s});
    f.ui.answer(true);
    QVERIFY(f.flow.newDocument());
    QCOMPARE(f.rec().key(), 0);
    QCOMPARE(f.rec().text(u"Nareditel"_s).trimmed(), QString());
    QCOMPARE(f.rec().text(u"valuta"_s).trimmed(), u"EUR"_s);  // a new document is paid in euro
    QCOMPARE(f.rec().text(u"TAXvaluta"_s).trimmed(), u"0"_s);
    QVERIFY(!f.rec().boolean(u"polMode"_s));
}

void TestWorkflow::saveOffers_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("shown");      // the record's number
    QTest::addColumn<int>("answer");     // SaveChoice::Result, -1 when no question comes
    QTest::addColumn<bool>("overwrite"); // the overwrite button offered
    QTest::addColumn<QString>("newCaption");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<int>("key");
    QTest::newRow("new on 1 2: only Нов запис 3")
        << QList<int>{1, 2} << 0 << int(SaveChoice::New) << false << u"Нов запис 3"_s
        << QList<int>{1, 2, 3} << 3;
    QTest::newRow("new on an empty table: 1 without a question")
        << QList<int>{} << 0 << -1 << false << QString() << QList<int>{1} << 1;
    QTest::newRow("document 5 of 1..5: 5 and 6, overwrite")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::Overwrite) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5} << 5;
    QTest::newRow("document 5 of 1..5: 5 and 6, new")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::New) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5, 6} << 6;
    QTest::newRow("deleted 3 returns under 3")
        << QList<int>{1, 2, 4} << 3 << int(SaveChoice::New) << false << u"Нов запис 3"_s
        << QList<int>{1, 2, 3, 4} << 3;
}

void TestWorkflow::saveOffers()
{
    QFETCH(QList<int>, stored);
    QFETCH(int, shown);
    QFETCH(int, answer);
    QFETCH(bool, overwrite);
    QFETCH(QString, newCaption);
    QFETCH(QList<int>, after);
    QFETCH(int, key);
    Fixture f;
    f.seed(stored);
    f.rec().setKey(shown);
    f.rec().setText(u"Nareditel"_s, u"Записан"_s);
    if (answer >= 0)
        f.ui.answerSave(SaveChoice::Result(answer));
    QVERIFY(f.flow.save());
    QCOMPARE(f.ui.shown().size(), answer >= 0 ? 1 : 0);
    if (answer >= 0) {
        QCOMPARE(f.ui.lastSave().showOverwrite, overwrite);
        QCOMPARE(f.ui.lastSave().newCaption, newCaption);
        if (overwrite)
            QCOMPARE(f.ui.lastSave().overwriteCaption, u"Презапис 5"_s);
        QVERIFY(!f.ui.lastSave().forReports);
    }
    QCOMPARE(f.keys(), after);
    QCOMPARE(f.rec().key(), key);
    QCOMPARE(f.session.store().table(DbKind::Main, u"PlnTable"_s)->find(key)->text(u"Nareditel"_s).trimmed(),
             u"Записан"_s);
}

void TestWorkflow::cancelStoresNothing()
{
    Fixture f;
    f.seed({1, 2});
    f.rec().setKey(2);
    f.rec().setText(u"Nareditel"_s, u"Променен"_s);
    f.ui.answerSave(SaveChoice::Cancel);
    QVERIFY(!f.flow.save());
    QCOMPARE(f.keys(), (QList<int>{1, 2}));
    QCOMPARE(f.session.store().table(DbKind::Main, u"PlnTable"_s)->find(2)->text(u"Nareditel"_s).trimmed(),
             u"Наредител 2"_s);
}

void TestWorkflow::deletedDocumentReturns()
{
    Fixture f;
    f.seed({1, 2, 3});
    f.ui.pickNumber(2);
    f.ui.answer(true);
    QVERIFY(f.flow.remove());
    QCOMPARE(f.ui.lastList().lines.size(), 3);  // every document listed
    QCOMPARE(f.ui.texts(), (QStringList{u"Платежно нареждане за кредитен превод"_s,
                                        u"Изтрива: Платежно нареждане за кредитен превод No: 2"_s,
                                        u"Платежно нареждане за кредитен превод No: 2 е изтрито.\n"
                                        "Данните са на екрана.\nМожете да го запишете отново."_s}));
    QCOMPARE(f.keys(), (QList<int>{1, 3}));
    QCOMPARE(f.rec().key(), 2);  // still on screen
    QCOMPARE(f.rec().text(u"Nareditel"_s).trimmed(), u"Наредител 2"_s);
    // Previous and Next find nothing to move from.
    f.flow.next();
    QCOMPARE(f.rec().key(), 2);
    // Save offers only the new-record button, with 2, and stores it back.
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.save());
    QVERIFY(!f.ui.lastSave().showOverwrite);
    QCOMPARE(f.ui.lastSave().newCaption, u"Нов запис 2"_s);
    QCOMPARE(f.keys(), (QList<int>{1, 2, 3}));
    // Cancel at the question deletes nothing.
    f.ui.clear();
    f.ui.pickNumber(3);
    f.ui.answer(false);
    QVERIFY(!f.flow.remove());
    QCOMPARE(f.keys(), (QList<int>{1, 2, 3}));
}

void TestWorkflow::navigation()
{
    Fixture f;
    f.seed({2, 5, 9});
    f.flow.previous();  // an empty record shows the first document
    QCOMPARE(f.rec().key(), 2);
    f.flow.previous();
    QCOMPARE(f.rec().key(), 2);
    f.flow.next();
    QCOMPARE(f.rec().key(), 5);
    f.flow.next();
    f.flow.next();  // the last document stays
    QCOMPARE(f.rec().key(), 9);
    f.rec().setKey(0);
    f.flow.next();
    QCOMPARE(f.rec().key(), 2);
}

void TestWorkflow::readFindsAndClearsTheReportsFlag()
{
    Fixture f;
    f.seed({1, 2, 3});
    f.session.lastSearchText = u"старо"_s;
    f.rec().setKey(3);
    f.flow.state().fromReports = true;
    f.ui.answerSearch(SearchRequest{u"лучател 2"_s, 1});
    f.ui.pickNumber(2);
    QVERIFY(f.flow.read());
    QCOMPARE(f.ui.lastSearchDefault(), u"старо"_s);
    QCOMPARE(f.ui.lastList().lines.size(), 1);
    QCOMPARE(f.ui.lastList().caption, u"Платежно нареждане за кредитен превод"_s);
    QCOMPARE(f.rec().key(), 2);
    QVERIFY(!f.flow.state().fromReports);
    QCOMPARE(f.session.lastSearchText, u"лучател 2"_s);
    QCOMPARE(f.session.currentSearchText, QString());
    QCOMPARE(f.session.searchKind, 3);
    // A search that is not started reads nothing.
    f.ui.answerSearch(std::nullopt);
    QVERIFY(!f.flow.read());
    QCOMPARE(f.rec().key(), 2);
}

void TestWorkflow::reportsFlagRefusesSave()
{
    Fixture f;
    f.seed({1});
    f.rec().setKey(1);
    f.flow.state().fromReports = true;
    QVERIFY(!f.flow.save());
    QCOMPARE(f.ui.texts(), QStringList{u"Този документ е от база справки."_s});
    f.ui.answer(true);
    QVERIFY(f.flow.newDocument());  // New does not clear the refusal
    f.ui.clear();
    QVERIFY(!f.flow.save());
    QCOMPARE(f.ui.texts(), QStringList{u"Този документ е от база справки."_s});
    QCOMPARE(f.keys(), QList<int>{1});
}

void TestWorkflow::copyToReportsUndated()
{
    Fixture f;
    f.rec().setKey(7);
    f.rec().setText(u"Poluchatel"_s, u"Получател"_s);
    f.rec().setMoney(u"suma"_s, Money::fromUnits(10, 50));
    f.rec().setText(u"TAXvaluta"_s, u"BGN"_s);
    f.rec().setMoney(u"TAXsuma"_s, Money::fromUnits(2));
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    QVERIFY(f.ui.lastSave().forReports);
    QVERIFY(!f.ui.lastSave().showOverwrite);
    QCOMPARE(f.ui.lastSave().newCaption, u"Нов запис1"_s);
    // The editor still shows its document: number 7, no date.
    QCOMPARE(f.rec().key(), 7);
    QCOMPARE(f.rec().text(u"pDate"_s).trimmed(), QString());
    const QString spr = f.dir.filePath(u"SprDocs.MDB"_s);
    QCOMPARE(rowsOn(spr, u"SELECT Kod, pDate, suma, TAXsuma FROM PlnTable"_s),
             QStringList{u"1|05.03.2010|105000|20000"_s});
    // The next copy takes the next free number of the reports base; a dated
    // document keeps its date.
    f.rec().setText(u"pDate"_s, u"01 март 2010 г."_s);
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    QCOMPARE(f.ui.lastSave().newCaption, u"Нов запис2"_s);
    QCOMPARE(queryOn(spr, u"SELECT pDate FROM PlnTable WHERE Kod = 2"_s), u"01 март 2010 г."_s);
}

void TestWorkflow::copyToReportsCancelled()
{
    Fixture f;
    f.rec().setKey(7);
    f.ui.answerSave(SaveChoice::Cancel);
    QVERIFY(!f.flow.copyToReports());
    QCOMPARE(queryOn(f.dir.filePath(u"SprDocs.MDB"_s), u"SELECT count(*) FROM PlnTable"_s), u"0"_s);
}

void TestWorkflow::payeeAndPayer()
{
    Fixture f;
    {
        auto t = f.session.store().table(DbKind::Main, u"KlientTable"_s);
        Record k(t->def());
        k.setKey(4);
        k.setText(u"KlIme"_s, u"Топлофикация Габрово ЕАД"_s);
        k.setText(u"IBAN"_s, u"BG80BNBG96611020345678"_s);
        k.setText(u"BIC"_s, u"BNBGBGSD"_s);
        k.setText(u"BankIme"_s, u"Българска народна банка, централно управление, София"_s);
        k.setText(u"bgrad"_s, u"София"_s);
        k.setText(u"bstreet"_s, u"пл. Батенберг 1"_s);
        QVERIFY(t->save(k));
    }
    f.ui.answerInput(u"топло"_s);
    f.ui.pickNumber(4);
    QVERIFY(f.flow.pickPayer());
    QCOMPARE(f.ui.shown().first().text, u"Посочете име за търсене.\n\n"_s);
    QCOMPARE(f.ui.shown().first().title, u"Търси фирма по име"_s);
    QCOMPARE(f.ui.lastList().caption, u"Контрагенти"_s);
    QCOMPARE(f.rec().text(u"Nareditel"_s).trimmed(), u"Топлофикация Габрово ЕАД"_s);
    QCOMPARE(f.rec().text(u"DoBanka"_s), u"Българска народна банка, централно "_s);  // cut to 35
    QCOMPARE(f.rec().text(u"Clon"_s).trimmed(), u"София"_s);
    QCOMPARE(f.rec().text(u"Adress"_s).trimmed(), u"пл. Батенберг 1"_s);
    QCOMPARE(f.rec().text(u"IBANn"_s), u"BG80BNBG96611020345678"_s);
    QCOMPARE(f.rec().text(u"BICn"_s), u"BNBGBGSD  "_s);
    QCOMPARE(f.rec().text(u"Poluchatel"_s).trimmed(), QString());
    QCOMPARE(f.session.lastSearchText, u"топло"_s);
    f.ui.answerInput(QString());
    f.ui.pickNumber(4);
    QVERIFY(f.flow.pickPayee());
    QCOMPARE(f.rec().text(u"Poluchatel"_s).trimmed(), u"Топлофикация Габрово ЕАД"_s);
    QCOMPARE(f.rec().text(u"Bankap"_s).trimmed(), u"Българска народна банка, централно управление, София"_s);
    QCOMPARE(f.rec().text(u"IBANp"_s), u"BG80BNBG96611020345678"_s);
}

void TestWorkflow::contractorSearchCancelAndFalse()
{
    Fixture f;
    {
        auto t = f.session.store().table(DbKind::Main, u"KlientTable"_s);
        Record k(t->def());
        for (int i = 1; i <= 3; ++i) {
            k.setKey(i);
            k.setText(u"KlIme"_s, u"Фирма %1"_s.arg(i));
            QVERIFY(t->save(k));
        }
    }
    f.ui.answerInput(u"false"_s);  // lists every contractor
    f.ui.pickNumber(0);
    QVERIFY(!f.flow.pickPayee());
    QCOMPARE(f.ui.lastList().lines.size(), 3);
    f.ui.clear();
    f.ui.answerInput(std::nullopt);  // the question cancelled: no list at all
    QVERIFY(!f.flow.pickPayee());
    QCOMPARE(f.ui.shown().size(), 1);
}

void TestWorkflow::dateButtons()
{
    Fixture f;
    QCOMPARE(f.session.lastPickedDate, QDate(2010, 3, 5));
    f.ui.answerDate(QDate(2010, 5, 7));
    QVERIFY(f.flow.pickSubmissionDate());
    QCOMPARE(f.ui.lastDateShown(), QDate(2010, 3, 5));  // opens on the last picked date
    QCOMPARE(f.rec().text(u"pDate"_s).trimmed(), u"07 май 2010 г."_s);
    f.ui.answerDate(QDate(2010, 5, 10));
    QVERIFY(f.flow.pickExecutionDate());
    QCOMPARE(f.ui.lastDateShown(), QDate(2010, 5, 7));
    QCOMPARE(f.rec().date(u"workDate"_s), QDate(2010, 5, 10));
    f.ui.answerDate(std::nullopt);
    QVERIFY(!f.flow.pickExecutionDate());
    QCOMPARE(f.rec().date(u"workDate"_s), QDate(2010, 5, 10));
}

void TestWorkflow::convertBetweenLayouts()
{
    Record main(tableDef(DbKind::Main, u"PlnMTable"_s));
    main.setKey(3);
    main.setInteger(u"OUR"_s, 1);
    main.setInteger(u"Express"_s, 1);
    main.setText(u"IBANp"_s, u"DE89370400440532013000123456789"_s);
    main.setMoney(u"TAXsuma"_s, Money::fromUnits(5));
    const Record copy = ConvertRecord(main, tableDef(DbKind::Reports, u"PlnMTable"_s));
    QCOMPARE(copy.key(), 3);
    QCOMPARE(copy.text(u"OUR"_s).trimmed(), u"1"_s);
    QCOMPARE(copy.text(u"Express"_s), u"1  "_s);
    QCOMPARE(copy.text(u"IBANp"_s).trimmed(), u"DE89370400440532013000123456789"_s);
    QCOMPARE(copy.money(u"TAXsuma"_s), Money::fromUnits(5));
    const Record back = ConvertRecord(copy, main.def());
    QCOMPARE(back, main);
}

// A payee's account left with the BIC and bank beside it as the user left
// them: what they hold afterwards, and what the user was told.
void TestWorkflow::accountFillsItsBank_data()
{
    QTest::addColumn<QString>("code");  // the bank code of the payee's account
    QTest::addColumn<QString>("bic");
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QString>("bicAfter");
    QTest::addColumn<QString>("bankAfter");
    QTest::addColumn<int>("told");
    QTest::newRow("empty: filled") << u"UNCR"_s << QString() << QString() << u"UNCRBGSF"_s
                                   << u"УниКредит Булбанк АД"_s << 0;
    QTest::newRow("typed bank kept") << u"UNCR"_s << QString() << u"Уникредит, клон Габрово"_s
                                     << u"UNCRBGSF"_s << u"Уникредит, клон Габрово"_s << 0;
    QTest::newRow("BIC of another bank: told, kept") << u"STSA"_s << u"UNCRBGSF"_s << QString()
                                                     << u"UNCRBGSF"_s << QString() << 1;
    QTest::newRow("unknown code: nothing") << u"ZZZZ"_s << QString() << QString() << QString() << QString() << 0;
}

void TestWorkflow::accountFillsItsBank()
{
    QFETCH(QString, code);
    QFETCH(QString, bic);
    QFETCH(QString, bank);
    QFETCH(QString, bicAfter);
    QFETCH(QString, bankAfter);
    QFETCH(int, told);
    Fixture f;
    f.rec().setText(u"IBANp"_s, ValidIban(code));
    f.rec().setText(u"BICp"_s, bic);
    f.rec().setText(u"Bankap"_s, bank);
    f.flow.accountLeft(entry(u"IBANp"_s));
    QCOMPARE(f.rec().text(u"BICp"_s).trimmed(), bicAfter);
    QCOMPARE(f.rec().text(u"Bankap"_s).trimmed(), bankAfter);
    QCOMPARE(f.ui.shown().size(), told);
    if (told)
        QVERIFY(f.ui.texts().first().contains(u"Банка ДСК"_s) && f.ui.texts().first().contains(u"УниКредит"_s));
    // Left again unchanged, the account says nothing more.
    f.flow.accountLeft(entry(u"IBANp"_s));
    QCOMPARE(f.ui.shown().size(), told);
}

QTEST_GUILESS_MAIN(TestWorkflow)
#include "tst_workflow.moc"
