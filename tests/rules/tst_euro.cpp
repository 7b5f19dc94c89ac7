// Leva to euro: the rounding against exact rational arithmetic, the amounts
// of each kind, and the conversion of a document with its question and
// refusals.
#include "rules/euro.h"
#include "rules/formatting.h"
#include "support/scripted_interaction.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using remitor::test::ScriptedInteraction;

namespace {

__extension__ typedef __int128 Int128;

// The cents nearest to raw / 195.583, from the definition: the whole number
// c with |c * 195583 - raw * 1000| at most half of 195583, in 128 bits.
bool isNearestCents(qint64 raw, qint64 cents)
{
    const Int128 diff = Int128(cents) * 195583 - Int128(raw) * 1000;
    const Int128 twice = 2 * (diff < 0 ? -diff : diff);
    // Between two candidates at the same distance (never, the divisor being
    // odd) the one away from zero.
    return twice < 195583 || (twice == 195583 && (diff < 0) == (raw < 0));
}

QString describe(const QList<AmountField> &fields)
{
    QStringList out;
    for (const AmountField &f : fields)
        out << f.amount + u'/' + f.currency +
                   (f.parts.isEmpty() ? QString() : u'[' + f.parts.join(u' ') + u']');
    return out.join(u", "_s);
}

}  // namespace

class TestEuro : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void levaToEuro_data();
    void levaToEuro();
    void exactRounding();
    void amountFields_data();
    void amountFields();
    void convert_data();
    void convert();
    void fourItemTotalKeepsMatching();
};

void TestEuro::levaToEuro_data()
{
    QTest::addColumn<QString>("leva");
    QTest::addColumn<QString>("euro");
    QTest::newRow("one euro") << u"1.95583"_s << u"1.00"_s;
    QTest::newRow("1000") << u"1000"_s << u"511.29"_s;
    QTest::newRow("one stotinka") << u"0.01"_s << u"0.01"_s;
    QTest::newRow("below half a cent") << u"0.0097"_s << QString();
    QTest::newRow("above half a cent") << u"0.0098"_s << u"0.01"_s;
    QTest::newRow("negative") << u"-1000"_s << u"-511.29"_s;
    QTest::newRow("largest on a form") << u"999999999999.99"_s << u"511291881196.21"_s;
}

void TestEuro::levaToEuro()
{
    QFETCH(QString, leva);
    QFETCH(QString, euro);
    QCOMPARE(FormatSpacePadded(LevaToEuro(ParseAmount(leva)), 24, 2).trimmed(), euro);
}

// Amounts in stotinki up to 999 999 999 999.99, any ten-thousandths over
// the whole range of Money, the amounts on either side of each half cent,
// and whole euro amounts that leva express exactly.
void TestEuro::exactRounding()
{
    constexpr qint64 formMax = 99'999'999'999'999;  // stotinki
    QRandomGenerator rng(20260101);
    QList<qint64> raws = {0,
                          1,
                          -1,
                          formMax * 100,
                          std::numeric_limits<qint64>::max(),
                          std::numeric_limits<qint64>::min(),
                          std::numeric_limits<qint64>::min() + 1};
    for (int i = 0; i < 100000; ++i) {
        raws << qint64(rng.generate64() % quint64(formMax + 1)) * 100;
        raws << qint64(rng.generate64());
        raws << (qint64(rng.generate64()) >> rng.bounded(64));
        // Just below and above (c + 1/2) cents: raw = (2c + 1) * 195583 / 2000.
        const qint64 c = qint64(rng.generate64() % 5'000'000'000'000'000ULL);
        const qint64 edge = qint64((Int128(2 * c + 1) * 195583) / 2000);
        raws << edge << edge + 1 << -edge << -edge - 1;
    }
    for (const qint64 raw : std::as_const(raws)) {
        const Money euro = LevaToEuro(Money::fromRaw(raw));
        QVERIFY2(euro.raw() % 100 == 0, qPrintable(QString::number(raw)));
        QVERIFY2(isNearestCents(raw, euro.raw() / 100), qPrintable(QString::number(raw)));
    }
    for (int i = 0; i < 10000; ++i) {
        // 10 EUR are exactly 19.5583 BGN.
        const qint64 tens = qint64(rng.generate64() % 10'000'000'000'000ULL);
        QCOMPARE(LevaToEuro(Money::fromRaw(tens * 195583)).raw(), tens * 1000 * 100);
    }
}

void TestEuro::amountFields_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("currencyField");
    QTest::addColumn<QString>("fields");
    const auto row = [](const char *name, const QString &table, const QString &currency,
                        const QString &fields) {
        QTest::newRow(name) << table << currency << fields;
    };
    row("credit transfer: the fee has its own currency", u"PlnTable"_s, u"valuta"_s,
        u"suma/valuta, TAXsuma/TAXvaluta"_s);
    row("four items in one currency, the total of them", u"PlnB4Table"_s, u"valuta"_s,
        u"suma/valuta[suma1 suma2 suma3 suma4], suma1/valuta, suma2/valuta, suma3/valuta, "
        u"suma4/valuta"_s);
    row("foreign-currency transfer", u"PlnMTable"_s, u"valuta"_s,
        u"suma/valuta, TAXsuma/TAXvaluta"_s);
    row("buy/sell: per side", u"BuyTable"_s, u"Valuta"_s, u"suma0/Valuta0, suma1/Valuta1"_s);
    row("buy/sell: any letter case, the table's spelling", u"BuyTable"_s, u"VALUTA"_s,
        u"suma0/Valuta0, suma1/Valuta1"_s);
    row("buy/sell: the currency bought or sold", u"BuyTable"_s, u"vidValuta"_s,
        u"suma0/vidValuta0, suma1/vidValuta1"_s);
    row("cash order: no currency field", u"PKOTable"_s, u"valuta"_s, QString());
    row("a money field is no currency", u"PlnTable"_s, u"suma"_s, QString());
}

void TestEuro::amountFields()
{
    QFETCH(QString, table);
    QFETCH(QString, currencyField);
    QFETCH(QString, fields);
    const TableDef &def = tableDef(DbKind::Main, table);
    QCOMPARE(describe(AmountFieldsOf(def, currencyField)), fields);
}

// A credit transfer order with an amount and a fee, through the command.
void TestEuro::convert_data()
{
    QTest::addColumn<QString>("valuta");
    QTest::addColumn<QString>("suma");
    QTest::addColumn<QString>("taxValuta");
    QTest::addColumn<QString>("taxSuma");
    QTest::addColumn<QString>("shown");  // the question, or the message
    QTest::addColumn<QString>("after");  // valuta suma taxValuta taxSuma after OK, or "cancel"

    const QString ask = u"Сумите в лева се превръщат в евро по курс 1 EUR = 1.95583 BGN:\n\n"_s;
    const QString end = u"\n\nПревръщане?"_s;
    QTest::newRow("amount and fee in leva")
        << u"BGN"_s << u"1000"_s << u"BGN"_s << u"15"_s
        << ask + u"1000.00 BGN = 511.29 EUR\n15.00 BGN = 7.67 EUR"_s + end
        << u"EUR 511.29 EUR 7.67"_s;
    QTest::newRow("cancelled") << u"BGN"_s << u"1000"_s << u"BGN"_s << u"0"_s
                               << ask + u"1000.00 BGN = 511.29 EUR"_s + end << u"cancel"_s;
    QTest::newRow("fee in dollars stays")
        << u"BGN"_s << u"1000"_s << u"USD"_s << u"15"_s
        << ask + u"1000.00 BGN = 511.29 EUR\n15.00 USD - без промяна"_s + end
        << u"EUR 511.29 USD 15.00"_s;
    QTest::newRow("no fee: the new document's \"0\" stays")
        << u"BGN"_s << u"1.95583"_s << u"0"_s << u"0"_s << ask + u"1.96 BGN = 1.00 EUR"_s + end
        << u"EUR 1.00 0 "_s;
    QTest::newRow("a fee of nothing in leva changes currency too")
        << u"BGN"_s << u"0.01"_s << u"BGN"_s << u"0"_s << ask + u"0.01 BGN = 0.01 EUR"_s + end
        << u"EUR 0.01 EUR "_s;
    QTest::newRow("lower case, ЛЕВ")
        << u"bgn"_s << u"1000"_s << u"лев"_s << u"15"_s
        << ask + u"1000.00 bgn = 511.29 EUR\n15.00 лев = 7.67 EUR"_s + end
        << u"EUR 511.29 EUR 7.67"_s;

    const QString unchanged;
    QTest::newRow("already in euro") << u"EUR"_s << u"100"_s << u"BGN"_s << u"5"_s
                                     << u"Документът вече е в евро."_s << unchanged;
    QTest::newRow("no amount") << u"BGN"_s << u"0"_s << u"BGN"_s << u"0"_s
                               << u"Документът няма сума."_s << unchanged;
    QTest::newRow("only the fee, in dollars") << u"BGN"_s << u"0"_s << u"USD"_s << u"5"_s
                                              << u"Документът няма сума в лева."_s << unchanged;
    const QString onlyLeva = u"Само документ в лева (BGN) се превръща в евро."_s;
    QTest::newRow("dollars, fee in leva")
        << u"USD"_s << u"100"_s << u"BGN"_s << u"5"_s << onlyLeva << unchanged;
    QTest::newRow("the old lev") << u"BGL"_s << u"100"_s << u""_s << u"0"_s << onlyLeva
                                 << unchanged;
}

void TestEuro::convert()
{
    QFETCH(QString, valuta);
    QFETCH(QString, suma);
    QFETCH(QString, taxValuta);
    QFETCH(QString, taxSuma);
    QFETCH(QString, shown);
    QFETCH(QString, after);

    const TableDef &def = tableDef(DbKind::Main, u"PlnTable"_s);
    Record r(def);
    r.setText(u"valuta"_s, valuta);
    r.setMoney(u"suma"_s, ParseAmount(suma));
    r.setText(u"TAXvaluta"_s, taxValuta);
    r.setMoney(u"TAXsuma"_s, ParseAmount(taxSuma));
    r.setText(u"poluchatel"_s, u"ЕТ Вяра"_s);
    const Record before = r;

    ScriptedInteraction ui;
    const bool asks = !after.isEmpty(), ok = asks && after != u"cancel"_s;
    if (asks)
        ui.answer(ok);
    QCOMPARE(ConvertToEuro(r, AmountFieldsOf(def, u"valuta"_s), ui), ok);
    QCOMPARE(ui.shown().size(), 1);
    const auto &s = ui.shown().first();
    QCOMPARE(s.kind,
             asks ? ScriptedInteraction::Shown::OkCancel : ScriptedInteraction::Shown::Tell);
    QCOMPARE(s.text, shown);
    QCOMPARE(s.title, u"Превръщане в евро"_s);
    QCOMPARE(ui.pendingAnswers(), 0);
    if (!ok) {
        QCOMPARE(r, before);
        return;
    }
    const auto amount = [&](const char *f) {
        return FormatSpacePadded(r.money(QString::fromLatin1(f)), 24, 2).trimmed();
    };
    QCOMPARE(QStringList({r.text(u"valuta"_s).trimmed(), amount("suma"),
                          r.text(u"TAXvaluta"_s).trimmed(), amount("TAXsuma")})
                 .join(u' '),
             after);
    QCOMPARE(r.text(u"poluchatel"_s).trimmed(), u"ЕТ Вяра"_s);
}

// Three items of one stotinka: each is a cent, and the total of three
// stotinki (two cents on its own) becomes their sum, so the order still
// prints. A total that did not match its items is converted on its own.
void TestEuro::fourItemTotalKeepsMatching()
{
    const TableDef &def = tableDef(DbKind::Main, u"PlnB4Table"_s);
    for (const bool matching : {true, false}) {
        Record r(def);
        r.setText(u"valuta"_s, u"BGN"_s);
        r.setMoney(u"suma"_s, Money::fromUnits(0, matching ? 3 : 5));
        for (const char *item : {"suma1", "suma2", "suma3"})
            r.setMoney(QString::fromLatin1(item), Money::fromUnits(0, 1));
        const EuroConversion plan = PlanEuroConversion(r, AmountFieldsOf(def, u"valuta"_s));
        QCOMPARE(plan.outcome, EuroConversion::Outcome::Convert);
        QVERIFY2(plan.text.contains(matching ? u"\n0.03 BGN = 0.03 EUR\n0.01 BGN = 0.01 EUR\n"_s
                                             : u"\n0.05 BGN = 0.03 EUR\n0.01 BGN = 0.01 EUR\n"_s),
                 qPrintable(plan.text));
        ApplyEuroConversion(r, plan);
        QCOMPARE(r.money(u"suma"_s), Money::fromUnits(0, 3));
        QCOMPARE(r.money(u"suma1"_s), Money::fromUnits(0, 1));
        QCOMPARE(r.money(u"suma4"_s), Money());
        QCOMPARE(r.text(u"valuta"_s), u"EUR"_s);
    }
}

QTEST_GUILESS_MAIN(TestEuro)
#include "tst_euro.moc"
