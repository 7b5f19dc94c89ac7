// Reading typed amounts, fixed-width figures, spreading into boxes, small text helpers.
#include "rules/formatting.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using remitor::Money;

class TestFormatting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseAmount_data();
    void parseAmount();
    void fixedWidth_data();
    void fixedWidth();
    void fixedWidthRoundTrip();
    void moneyFromDouble();
    void spread_data();
    void spread();
    void blankControlChars();
    void fileExists();
};

void TestFormatting::parseAmount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("raw");  // ten-thousandths
    QTest::addColumn<QString>("shown");

    QTest::newRow("grouped with blanks") << u"  1 234,56  "_s << 12345600LL << u"1 234.56"_s;
    QTest::newRow("unit after the number") << u"12.5 лв"_s << 125000LL << u"12.5 лв"_s;
    QTest::newRow("text before the number") << u"лв 12"_s << 0LL << u"лв 12"_s;
    QTest::newRow("minus, blank after the sign") << u"- 7"_s << -70000LL << u"- 7"_s;
    QTest::newRow("two signs") << u"--5"_s << 0LL << u"--5"_s;
    QTest::newRow("second point stops") << u"1,2,3"_s << 12000LL << u"1.2.3"_s;
    QTest::newRow("exponent") << u"1e3"_s << 10000000LL << u"1e3"_s;
    QTest::newRow("negative exponent") << u"2,5D-1"_s << 2500LL << u"2.5D-1"_s;
    QTest::newRow("letter without exponent digits") << u"5 E"_s << 50000LL << u"5 E"_s;
    QTest::newRow("fifth decimal rounds up") << u"0.00005"_s << 1LL << u"0.00005"_s;
    QTest::newRow("fifth decimal rounds down") << u"0.00004"_s << 0LL << u"0.00004"_s;
    QTest::newRow("many leading zeros") << u"000000000000000000000012"_s << 120000LL
                                        << u"000000000000000000000012"_s;
    QTest::newRow("largest amount") << u"922337203685477.5807"_s
                                    << std::numeric_limits<qint64>::max()
                                    << u"922337203685477.5807"_s;
    QTest::newRow("one beyond the largest") << u"922337203685477.5808"_s << 0LL
                                            << u"922337203685477.5808"_s;
    QTest::newRow("huge exponent") << u"1e400"_s << 0LL << u"1e400"_s;
}

void TestFormatting::parseAmount()
{
    QFETCH(QString, typed);
    QFETCH(qint64, raw);
    QFETCH(QString, shown);
    QCOMPARE(remitor::ParseAmount(std::as_const(typed)).raw(), raw);
    QString field = typed;
    QCOMPARE(remitor::ParseAmount(field).raw(), raw);
    QCOMPARE(field, shown);
}

void TestFormatting::fixedWidth_data()
{
    QTest::addColumn<QString>("kind");  // zero, space or comma; "int" for whole numbers
    QTest::addColumn<qint64>("value");  // ten-thousandths, or the whole number
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero, zero-padded") << u"zero"_s << 0LL << 6 << 2 << u"000000"_s;
    QTest::newRow("zero, space-padded") << u"space"_s << 0LL << 6 << 2 << u"      "_s;
    QTest::newRow("amount box") << u"comma"_s << 12345000LL << 12 << 2 << u"     1234,50"_s;
    QTest::newRow("overflow wider than the word") << u"space"_s << 1234567890000LL << 40 << 31
                                                  << u"Препълва"_s + QString(32, u' ');
    QTest::newRow("half rounds up") << u"zero"_s << 123450LL << 6 << 2 << u"012.35"_s;
    QTest::newRow("rounding up into a new digit") << u"space"_s << 9999950LL << 6 << 2 << u"Препъл"_s;
    QTest::newRow("below half a stotinka") << u"space"_s << 40LL << 6 << 2 << u"  0.00"_s;
    QTest::newRow("tiny negative prints no sign") << u"space"_s << -10LL << 6 << 2 << u"  0.00"_s;
    QTest::newRow("negative, space-padded") << u"space"_s << -125000LL << 8 << 2 << u"  -12.50"_s;
    QTest::newRow("negative, zero-padded") << u"zero"_s << -125000LL << 8 << 2 << u"-0012.50"_s;
    QTest::newRow("more decimals than kept") << u"space"_s << 50000LL << 10 << 6 << u"  5.000000"_s;
    QTest::newRow("decimals wider than the field") << u"zero"_s << 50000LL << 6 << 6 << u"Препъл"_s;
    QTest::newRow("width 0") << u"space"_s << 50000LL << 0 << 2 << QString();
    QTest::newRow("day of a date") << u"int"_s << 5LL << 2 << 0 << u"05"_s;
    QTest::newRow("largest whole number") << u"int"_s << std::numeric_limits<qint64>::min() << 20 << 0
                                          << u"-9223372036854775808"_s;
}

void TestFormatting::fixedWidth()
{
    QFETCH(QString, kind);
    QFETCH(qint64, value);
    QFETCH(int, width);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    const Money money = Money::fromRaw(value);
    QCOMPARE(kind == u"zero"    ? remitor::FormatZeroPadded(money, width, decimals)
             : kind == u"space" ? remitor::FormatSpacePadded(money, width, decimals)
             : kind == u"comma" ? remitor::FormatSpacePaddedComma(money, width, decimals)
                                : remitor::FormatZeroPadded(value, width, decimals),
             expected);
}

// Over many amounts: always exactly `width` characters; what is printed reads
// back within half a unit of the last decimal; overflow only when the figures
// really do not fit; the three forms agree.
void TestFormatting::fixedWidthRoundTrip()
{
    QRandomGenerator rng(20100105);
    for (int n = 0; n < 20000; ++n) {
        quint64 limit = 10;
        for (int d = rng.bounded(0, 18); d > 0; --d)
            limit *= 10;
        qint64 raw = qint64(rng.generate64() % limit);
        if (rng.bounded(4) == 0)
            raw = -raw;
        const Money value = Money::fromRaw(raw);
        const int width = rng.bounded(1, 22);
        const int decimals = rng.bounded(0, 5);

        const QString space = remitor::FormatSpacePadded(value, width, decimals);
        const QString zero = remitor::FormatZeroPadded(value, width, decimals);
        const QString comma = remitor::FormatSpacePaddedComma(value, width, decimals);
        QCOMPARE(space.size(), width);
        QCOMPARE(zero.size(), width);
        QCOMPARE(comma, QString(space).replace(u'.', u','));

        const QString wide = remitor::FormatSpacePadded(value, 40, decimals).trimmed();
        const bool fits = wide.size() <= width;
        QCOMPARE(space == remitor::OverflowText(width), !fits);
        if (!fits || raw == 0)
            continue;
        QCOMPARE(space.trimmed(), wide);
        const qint64 halfStep = 5000 / qint64(std::pow(10, decimals));
        QVERIFY2(std::abs(remitor::ParseAmount(space).raw() - raw) <= halfStep, qPrintable(space));
        QCOMPARE(remitor::ParseAmount(zero).raw(), remitor::ParseAmount(space).raw());
    }
}

// The buy/sell amounts are kept as Double: they come into Money at the
// nearest ten-thousandth, and what cannot be an amount does not come in.
void TestFormatting::moneyFromDouble()
{
    using Amount = std::optional<Money>;
    QCOMPARE(Money::fromDouble(0.1 + 0.2), Amount(Money::fromRaw(3000)));
    QCOMPARE(Money::fromDouble(-0.00005), Amount(Money::fromRaw(-1)));  // half away from zero
    const Money typed = Money::fromRaw(12345600);
    QCOMPARE(Money::fromDouble(typed.toDouble()), Amount(typed));
    QCOMPARE(Money::fromDouble(922337203685477.5808), Amount());  // 2^63 ten-thousandths
    QCOMPARE(Money::fromDouble(std::nan("")), Amount());
}

void TestFormatting::spread_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("blanks around") << u"  BNBG  "_s << false << u"B N B G "_s << u"BNBG"_s;
    QTest::newRow("IBAN") << u"BG80BNBG96611020345678"_s << true
                          << u"B G 8 0   B N B G   9 6 6 1   1 0 2 0   3 4 5 6   7 8 "_s
                          << u"BG80BNBG96611020345678"_s;
    QTest::newRow("typed in groups") << u" BG80 BNBG "_s << true << u"B G 8 0   B N B G   "_s
                                     << u"BG80 BNBG"_s;
}

void TestFormatting::spread()
{
    QFETCH(QString, text);
    QFETCH(bool, grouped);
    QFETCH(QString, expected);
    QFETCH(QString, trimmed);
    QCOMPARE(grouped ? remitor::SpreadCharsGrouped(std::as_const(text))
                     : remitor::SpreadChars(std::as_const(text)),
             expected);
    QCOMPARE(grouped ? remitor::SpreadCharsGrouped(text) : remitor::SpreadChars(text), expected);
    QCOMPARE(text, trimmed);
}

void TestFormatting::blankControlChars()
{
    QString text = u"а\tb\r\nc"_s + QChar(0) + u"d\u007f"_s;
    remitor::BlankControlChars(text);
    QCOMPARE(text, u"а b  c d\u007f"_s);
}

void TestFormatting::fileExists()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"Remitor.MDB"_s);
    QVERIFY(!remitor::FileExists(file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(remitor::FileExists(file));
    QVERIFY(!remitor::FileExists(dir.path()));  // a folder is no file
    QVERIFY(!remitor::FileExists(QString()));
}

QTEST_GUILESS_MAIN(TestFormatting)
#include "tst_formatting.moc"
