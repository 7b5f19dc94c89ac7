#include "support/ibans.h"
#include "support/kind_fixture.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct Fixture : KindFixture {
    Fixture() : KindFixture(u"Pln"_s) {}

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
    void openKeepsAStoredDocumentsCurrency();
    void saveOffers_data();
    void saveOffers();
    void deletedDocumentReturns();
    void navigation();
    void readFindsAndClearsTheReportsFlag();
    void copyToReports();
    void payeeFromTheContractors();
    void executionDate();
    void accountFillsItsBank_data();
    void accountFillsItsBank();
};

// A new document opens in the national currency; a stored one keeps its own.
void TestWorkflow::openKeepsAStoredDocumentsCurrency()
{
    Fixture f;
    f.rec().setKey(12);
    f.rec().setText(u"valuta"_s, u"BGN"_s);
    f.flow.open();
    QCOMPARE(f.rec().text(u"valuta"_s), u"BGN"_s);
    f.session.nationalCurrency = u"BGN"_s;
    f.rec().setKey(0);
    f.rec().setText(u"valuta"_s, u"USD"_s);
    f.flow.open();
    QCOMPARE(f.rec().text(u"valuta"_s), u"BGN"_s);
}

void TestWorkflow::saveOffers_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("shown");       // the record's number
    QTest::addColumn<int>("answer");      // SaveChoice::Result
    QTest::addColumn<bool>("overwrite");  // the overwrite button offered
    QTest::addColumn<QString>("newCaption");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<int>("key");
    QTest::newRow("new on 1 2: only Нов запис 3")
        << QList<int>{1, 2} << 0 << int(SaveChoice::New) << false << u"Нов запис 3"_s
        << QList<int>{1, 2, 3} << 3;
    QTest::newRow("document 5 of 1..5: 5 and 6, overwrite")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::Overwrite) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5} << 5;
    QTest::newRow("document 5 of 1..5: 5 and 6, new")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::New) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5, 6} << 6;
    QTest::newRow("deleted 3 returns under 3")
        << QList<int>{1, 2, 4} << 3 << int(SaveChoice::New) << false << u"Нов запис 3"_s
        << QList<int>{1, 2, 3, 4} << 3;
    QTest::newRow("cancel stores nothing")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::Cancel) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5} << 5;
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
    f.ui.answerSave(SaveChoice::Result(answer));
    const bool saved = answer != int(SaveChoice::Cancel);
    QCOMPARE(f.flow.save(), saved);
    QCOMPARE(f.ui.shown().size(), 1);
    QCOMPARE(f.ui.lastSave().showOverwrite, overwrite);
    QCOMPARE(f.ui.lastSave().newCaption, newCaption);
    if (overwrite)
        QCOMPARE(f.ui.lastSave().overwriteCaption, u"Презапис 5"_s);
    QVERIFY(!f.ui.lastSave().forReports);
    QCOMPARE(f.keys(), after);
    QCOMPARE(f.rec().key(), key);
    QCOMPARE(f.session.store().table(DbKind::Main, u"PlnTable"_s)->find(key)->text(u"Nareditel"_s).trimmed(),
             saved ? u"Записан"_s : u"Наредител %1"_s.arg(key));
}

void TestWorkflow::deletedDocumentReturns()
{
    Fixture f;
    f.seed({1, 2, 3});
    f.ui.pickNumber(2);
    f.ui.answer(true);
    QVERIFY(f.flow.remove());
    QCOMPARE(f.ui.lastList().lines.size(), 3);  // every document listed
    QCOMPARE(f.ui.texts().last(), u"Платежно нареждане за кредитен превод No: 2 е изтрито.\n"
                                  "Данните са на екрана.\nМожете да го запишете отново."_s);
    QCOMPARE(f.keys(), (QList<int>{1, 3}));
    QCOMPARE(f.rec().key(), 2);  // still on screen
    QCOMPARE(f.rec().text(u"Nareditel"_s).trimmed(), u"Наредител 2"_s);
    // Previous and Next find nothing to move from.
    f.flow.next();
    QCOMPARE(f.rec().key(), 2);
}

// An empty record starts at the first document either way; the table's own
// edges are the store's.
void TestWorkflow::navigation()
{
    Fixture f;
    f.seed({2, 5, 9});
    f.flow.previous();
    QCOMPARE(f.rec().key(), 2);
    f.flow.next();
    QCOMPARE(f.rec().key(), 5);
    f.flow.previous();
    QCOMPARE(f.rec().key(), 2);
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
    QCOMPARE(f.rec().key(), 2);
    QVERIFY(!f.flow.state().fromReports);
    QCOMPARE(f.session.lastSearchText, u"лучател 2"_s);
    QCOMPARE(f.session.currentSearchText, QString());
    // A search that is not started reads nothing.
    f.ui.answerSearch(std::nullopt);
    QVERIFY(!f.flow.read());
    QCOMPARE(f.rec().key(), 2);
}

void TestWorkflow::copyToReports()
{
    Fixture f;
    f.rec().setKey(7);
    f.rec().setMoney(u"suma"_s, Money::fromUnits(10, 50));
    f.rec().setText(u"TAXvaluta"_s, u"BGN"_s);
    f.rec().setMoney(u"TAXsuma"_s, Money::fromUnits(2));
    const QString spr = f.dir.filePath(u"SprDocs.MDB"_s);
    f.ui.answerSave(SaveChoice::Cancel);
    QVERIFY(!f.flow.copyToReports());
    QCOMPARE(queryOn(spr, u"SELECT count(*) FROM PlnTable"_s), u"0"_s);
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    QVERIFY(f.ui.lastSave().forReports);
    QVERIFY(!f.ui.lastSave().showOverwrite);
    QCOMPARE(f.ui.lastSave().newCaption, u"Нов запис1"_s);
    // The editor still shows its document: number 7, no date.
    QCOMPARE(f.rec().key(), 7);
    QCOMPARE(f.rec().text(u"pDate"_s).trimmed(), QString());
    QCOMPARE(rowsOn(spr, u"SELECT Kod, pDate, suma, TAXsuma FROM PlnTable"_s),
             QStringList{u"1|05.03.2010|105000|20000"_s});
    // The next copy takes the next free number of the reports base; a dated
    // document keeps its date.
    f.rec().setText(u"pDate"_s, u"01 март 2010 г."_s);
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    QCOMPARE(queryOn(spr, u"SELECT pDate FROM PlnTable WHERE Kod = 2"_s), u"01 март 2010 г."_s);
}

// "false" lists every contractor; a cancelled question lists none.
void TestWorkflow::payeeFromTheContractors()
{
    Fixture f;
    {
        auto t = f.session.store().table(DbKind::Main, u"KlientTable"_s);
        Record k(t->def());
        k.setKey(4);
        k.setText(u"KlIme"_s, u"Топлофикация Габрово ЕАД"_s);
        k.setText(u"IBAN"_s, u"BG80BNBG96611020345678"_s);
        k.setText(u"BankIme"_s, u"Българска народна банка, централно управление, София"_s);
        QVERIFY(t->save(k));
        k.setKey(5);
        QVERIFY(t->save(k));
    }
    f.ui.answerInput(u"топло"_s);
    f.ui.pickNumber(4);
    QVERIFY(f.flow.pickPayee());
    QCOMPARE(f.ui.lastList().caption, u"Контрагенти"_s);
    QCOMPARE(f.rec().text(u"Poluchatel"_s).trimmed(), u"Топлофикация Габрово ЕАД"_s);
    QCOMPARE(f.rec().text(u"Bankap"_s).trimmed(), u"Българска народна банка, централно управление, София"_s);
    QCOMPARE(f.rec().text(u"IBANp"_s), u"BG80BNBG96611020345678"_s);
    QCOMPARE(f.rec().text(u"Nareditel"_s).trimmed(), QString());
    QCOMPARE(f.session.lastSearchText, u"топло"_s);
    f.ui.clear();
    f.ui.answerInput(u"false"_s);
    f.ui.pickNumber(0);
    QVERIFY(!f.flow.pickPayee());
    QCOMPARE(f.ui.lastList().lines.size(), 2);
    QCOMPARE(f.session.lastSearchText, u"топло"_s);
    f.ui.clear();
    f.ui.answerInput(std::nullopt);
    QVERIFY(!f.flow.pickPayee());
    QCOMPARE(f.ui.shown().size(), 1);
}

// The date buttons open on the last date picked; cancelled, they change nothing.
void TestWorkflow::executionDate()
{
    Fixture f;
    f.ui.answerDate(QDate(2010, 5, 7));
    QVERIFY(f.flow.pickSubmissionDate());
    QCOMPARE(f.ui.lastDateShown(), QDate(2010, 3, 5));
    f.ui.answerDate(QDate(2010, 5, 10));
    QVERIFY(f.flow.pickExecutionDate());
    QCOMPARE(f.ui.lastDateShown(), QDate(2010, 5, 7));
    QCOMPARE(f.rec().date(u"workDate"_s), QDate(2010, 5, 10));
    f.ui.answerDate(std::nullopt);
    QVERIFY(!f.flow.pickExecutionDate());
    QCOMPARE(f.rec().date(u"workDate"_s), QDate(2010, 5, 10));
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
    QTest::newRow("BIC of another bank: told, kept") << u"STSA"_s << u"UNCRBGSF"_s << QString()
                                                     << u"UNCRBGSF"_s << QString() << 1;
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
