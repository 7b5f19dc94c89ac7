// What the foreign-currency transfer order and the currency buy/sell order
// have of their own: the words in both languages that follow the amount,
// the refusal of a currency that is no code and of an amount the form
// cannot hold, and the addresses the beneficiary's pick joins.
#include "support/currency_samples.h"
#include "support/kind_fixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

using Fixture = KindFixture;

class TestCurrencyOrders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wordsFollowTheAmount_data();
    void wordsFollowTheAmount();
    void refusals_data();
    void refusals();
    void beneficiaryAddressesJoined();
    void reportsCopyKeepsFeeAndForeignAccount();
};

// The sell side's words, kept with the order, in both languages and in the
// currency of the side; the currency is the program's code of the English
// words from then on.
void TestCurrencyOrders::wordsFollowTheAmount_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("words");
    QTest::newRow("USD") << u"usd"_s << u"21,50"_s
                         << u"Двадесет и Един USD 50 cent   /   Twenty One USD and Fifty  Cents"_s;
    QTest::newRow("EUR") << u"EUR"_s << u"1001.01"_s
                         << u"Хиляда и Едно евро 1 цент   /   One Thousand One EUR and One Cent"_s;
    QTest::newRow("BGN") << u"BGN"_s << u"0.05"_s << u" 5 ст.   /   No BGN and Five Cents"_s;
    QTest::newRow("no amount") << u"USD"_s << u"0"_s << QString();
}

void TestCurrencyOrders::wordsFollowTheAmount()
{
    QFETCH(QString, currency);
    QFETCH(QString, amount);
    QFETCH(QString, words);
    Fixture f(u"Buy"_s);
    f.type({u"Valuta1="_s + currency, u"suma1="_s + amount});
    QCOMPARE(f.rec().text(u"slovom1"_s).trimmed(), words.trimmed());
    QCOMPARE(f.session.currencyCode, currency.toUpper());
    QCOMPARE(f.rec().text(u"slovom0"_s).trimmed(), QString());
    // Words the user typed stay until the amount or its currency changes.
    f.type({u"slovom1=по договор"_s, u"suma1="_s + amount});
    QCOMPARE(f.rec().text(u"slovom1"_s).trimmed(), u"по договор"_s);
    f.type({u"Valuta1=EUR"_s});
    QCOMPARE(f.rec().text(u"slovom1"_s).trimmed().isEmpty(), amount == u"0"_s);
}

void TestCurrencyOrders::refusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");  // empty: saved
    const QString code =
        u"\nКодът на валутата е от три латински букви, например USD, EUR, GBP, CHF."_s;
    QTest::newRow("two letters") << u"PlnM"_s << QStringList{u"valuta=US"_s, u"suma=10"_s}
                                 << u"Невалиден код на валута: \"US\"."_s + code;
    QTest::newRow("Cyrillic letters") << u"PlnM"_s << QStringList{u"valuta=лев"_s}
                                      << u"Невалиден код на валута: \"ЛЕВ\"."_s + code;
    QTest::newRow("fee without its currency")
        << u"PlnM"_s << QStringList{u"TAXsuma=5"_s} << u"Невалиден код на валута: \"\"."_s + code;
    QTest::newRow("all the boxes hold")
        << u"PlnM"_s << QStringList{u"suma=999999999.99"_s, u"TAXvaluta=eur"_s} << QString();
    QTest::newRow("a cent more")
        << u"PlnM"_s << QStringList{u"suma=1000000000"_s}
        << u"Сумата 1000000000.00 не се побира в полето на бланката (най-много 999999999.99)."_s;
    QTest::newRow("sell side without currency")
        << u"Buy"_s << QStringList{u"Valuta0=BGN"_s, u"suma1=5"_s}
        << u"Невалиден код на валута: \"\"."_s + code;
    QTest::newRow("side without amount or currency")
        << u"Buy"_s << QStringList{u"Valuta0=bgn"_s, u"suma0=5"_s} << QString();
    QTest::newRow("buy side beyond the boxes")
        << u"Buy"_s << QStringList{u"Valuta0=BGN"_s, u"suma0=1e12"_s}
        << u"Сумата 1000000000000.00 не се побира в полето на бланката (най-много 999999999.99)."_s;
}

// A refused order is neither saved nor printed: the user is told why.
void TestCurrencyOrders::refusals()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    Fixture f(kind);
    f.flow.open();
    f.type(typed);
    QCOMPARE(f.flow.save(), message.isEmpty());
    QCOMPARE(f.ui.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(f.session.store().table(f.flow.kind().tableDef())->count(), message.isEmpty() ? 1 : 0);
    f.ui.clear();
    QCOMPARE(f.flow.refused(), !message.isEmpty());
}

// The beneficiary's address and his bank's are joined from the town and
// the street of the contractor; an empty part leaves no lone comma.
void TestCurrencyOrders::beneficiaryAddressesJoined()
{
    Fixture f(u"PlnM"_s);
    auto contractors = f.session.store().table(DbKind::Main, u"KlientTable"_s);
    Record k(contractors->def());
    k.setKey(5);
    setTexts(k, {{u"KlIme"_s, u"Alpenmechanik AG"_s},
                 {u"Grad"_s, u" Zürich "_s},
                 {u"street"_s, u"Bahnhofstrasse 12"_s},
                 {u"bgrad"_s, u"Zürich"_s},
                 {u"IBAN"_s, u"CH9300762011623852957"_s}});
    QVERIFY(contractors->save(k));
    contractors.reset();
    f.ui.answerInput(u"alpen"_s);
    f.ui.pickNumber(5);
    QVERIFY(f.flow.pickPayee());
    const Record &r = f.rec();
    QCOMPARE(r.text(u"Addressp"_s).trimmed(), u"Zürich, Bahnhofstrasse 12"_s);
    QCOMPARE(r.text(u"BankAdr"_s).trimmed(), u"Zürich"_s);
    QCOMPARE(r.text(u"IBANp"_s).trimmed(), u"CH9300762011623852957"_s);
}

// The reports base's copy keeps the fee and the account abroad at its full
// length; the charges and the urgent mark become its texts.
void TestCurrencyOrders::reportsCopyKeepsFeeAndForeignAccount()
{
    Fixture f(u"PlnM"_s);
    f.rec() = foreignOrder();
    f.rec().setText(u"IBANp"_s, u"MT84MALT011000012345MTLCAST001S"_s);
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    const auto copy = f.session.store().table(*f.flow.kind().reportsTableDef())->find(1);
    QVERIFY(copy);
    QCOMPARE(copy->text(u"IBANp"_s).trimmed(), u"MT84MALT011000012345MTLCAST001S"_s);
    QCOMPARE(copy->money(u"TAXsuma"_s), Money::fromUnits(25));
    QCOMPARE(copy->text(u"TAXvaluta"_s), u"EUR"_s);
    QCOMPARE(copy->text(u"OUR"_s).trimmed() + copy->text(u"Express"_s), u"01  "_s);
    QCOMPARE(copy->integer(u"SHA"_s), 1);
}

QTEST_GUILESS_MAIN(TestCurrencyOrders)
#include "tst_currency_orders.moc"
