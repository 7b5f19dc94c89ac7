// Amounts in words, Bulgarian and English: worked results, and properties
// checked over many amounts.
#include "rules/formatting.h"
#include "rules/words.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using remitor::Money;

class TestWords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inWords_data();
    void inWords();
    void group_data();
    void group();
    void properties();
};

void TestWords::inWords_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("words");

    const auto row = [](const char *name, const QString &f, const QString &w,
                        const QString &c = u"BGN"_s) {
        QTest::newRow(name) << false << f << c << w;
    };
    const auto en = [](const char *name, const QString &f, const QString &w,
                       const QString &c = u"USD"_s) { QTest::newRow(name) << true << f << c << w; };
    row("worked: millions", u"1234567.89"_s,
        u"Един Милион Двеста Тридесет и Четири Хиляди Петстотин Шестдесет и Седем лв. 89 ст."_s);
    row("worked: thousands", u"2001.05"_s, u"Две Хиляди и Един лв. 5 ст."_s);
    row("worked: feminine thousands", u"21000"_s, u"Двадесет и Една Хиляди  лв."_s);
    row("10", u"10"_s, u"Десет лв."_s);
    row("100", u"100"_s, u"Сто  лв."_s);
    row("115", u"115"_s, u"Сто и Петнадесет лв."_s);
    row("120", u"120"_s, u"Сто и Двадесет  лв."_s);
    row("125", u"125"_s, u"Сто Двадесет и Пет лв."_s);
    row("1000", u"1000"_s, u"Хиляда  лв."_s);
    row("1001", u"1001"_s, u"Хиляда и Един лв."_s);
    row("1200", u"1200"_s, u"Хиляда и Двеста  лв."_s);
    row("1250", u"1250"_s, u"Хиляда Двеста и Петдесет  лв."_s);
    row("2 000 000", u"2000000"_s, u"Два Милиона  лв."_s);
    row("1 000 000 100", u"1000000100"_s, u"Един Милиард и Сто  лв."_s);
    row("largest", u"999999999999.99"_s,
        u"Деветстотин Деветдесет и Девет Милиарда Деветстотин Деветдесет и Девет Милиона "
        u"Деветстотин Деветдесет и Девет Хиляди Деветстотин Деветдесет и Девет лв. 99 ст."_s);
    row("too large", u"1000000000000"_s, u"ПРЕПЪЛВА"_s);
    row("stotinki only", u"0.50"_s, u" 50 ст."_s);
    row("negative", u"-5.50"_s, QString());
    row("rounds up to a lev", u"0.999"_s, u"Един лв."_s);
    row("rounds to nothing", u"0.004"_s, QString());
    row("other currency, lower case", u"12.05"_s, u"Дванадесет eur 5 cent"_s, u"eur"_s);
    row("bgn", u"3.10"_s, u"Три лв. 10 ст."_s, u"bgn"_s);
    row("лев", u"3.10"_s, u"Три лв. 10 ст."_s, u"лев"_s);
    row("BGL", u"3.10"_s, u"Три лв. 10 ст."_s, u"BGL"_s);
    row("padded field", u"3.10"_s, u"Три лв. 10 ст."_s, u" BGN "_s);
    row("лв is not a currency code", u"3"_s, u"Три лв"_s, u"лв"_s);

    en("EN: one", u"1.00"_s, u"One USD and No Cents"_s);
    en("EN: one cent", u"0.01"_s, u"No USD and One Cent"_s);
    en("EN: worked", u"21.50"_s, u"Twenty One USD and Fifty  Cents"_s);
    en("EN: zero", u"0"_s, u"No USD and No Cents"_s);
    en("EN: teens", u"115.11"_s, u"One Hundred Fifteen USD and Eleven Cents"_s);
    en("EN: hundred", u"100"_s, u"One Hundred  EUR and No Cents"_s, u"EUR"_s);
    en("EN: thousand and one", u"1001.05"_s, u"One Thousand One USD and Five Cents"_s);
    en("EN: largest Money", u"922337203685477.5807"_s,
       u"Nine Hundred Twenty Two Trillion Three Hundred Thirty Seven Billion Two Hundred Three "
       u"Million Six Hundred Eighty Five Thousand Four Hundred Seventy Seven USD and Fifty "
       u"Eight Cents"_s);
    en("EN: rounded to cents", u"12.345"_s, u"Twelve USD and Thirty Five Cents"_s);
    en("EN: padded code", u"2"_s, u"Two GBP and No Cents"_s, u"GBP "_s);
    en("EN: negative", u"-1"_s, QString());
}

void TestWords::inWords()
{
    QFETCH(bool, english);
    QFETCH(QString, figures);
    QFETCH(QString, currency);
    QFETCH(QString, words);
    const Money amount = remitor::ParseAmount(figures);
    QCOMPARE(english ? remitor::AmountInWordsEN(amount, currency)
                     : remitor::AmountInWordsBG(amount, currency),
             words);
}

void TestWords::group_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("groupNo");
    QTest::addColumn<QString>("words");

    QTest::newRow("nothing") << u"000"_s << 4 << u" "_s;
    QTest::newRow("hundred and five") << u"105"_s << 2 << u"Сто и Пет "_s;
    QTest::newRow("short text") << u"12"_s << 4 << u"Дванадесет "_s;
    QTest::newRow("long text: last three") << u"1300"_s << 4 << u"Триста  "_s;
    QTest::newRow("not digits") << u"4x2"_s << 4 << u"Четиристотин и Два "_s;
}

void TestWords::group()
{
    QFETCH(QString, group);
    QFETCH(int, groupNo);
    QFETCH(QString, words);
    QCOMPARE(remitor::GroupInWordsBG(group, groupNo), words);
}

// Every amount from 0.01 to 2000.00, and random ones up to the largest that
// words can hold: the words are not empty, never hold three blanks in a row
// and end in the printed stotinki; no two amounts read alike (counted over
// every stotinka up to 100.00, the whole leva of the sweep and the random ones).
void TestWords::properties()
{
    QList<Money> amounts;
    for (qint64 cents = 1; cents <= 200000; ++cents)
        amounts.append(Money::fromRaw(cents * 100));
    QRandomGenerator rng(1234567);
    for (int i = 0; i < 50000; ++i)
        amounts.append(Money::fromRaw(qint64(rng.generate64() % 10'000'000'000'000'000ULL)));

    QSet<qint64> distinctAmounts;
    QSet<QString> distinctBG, distinctEN;
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        const Money m = amounts.at(i);
        const qint64 cents = m.scaledTo(2);
        const bool lev = rng.bounded(2) == 0;
        const QString bg = remitor::AmountInWordsBG(m, lev ? u"BGN"_s : u"EUR"_s);
        const QString en = remitor::AmountInWordsEN(m, u"USD"_s);
        QVERIFY2(!bg.isEmpty(), qPrintable(QString::number(cents)));
        QVERIFY2(!bg.contains(u"   "), qPrintable(bg));

        const QString printed = remitor::FormatSpacePadded(m, 24, 2).trimmed();
        const QString hundredths = printed.right(2);
        const QString ending = (cents < 100 ? QString() : lev ? u"лв."_s : u"EUR"_s)
                               + (hundredths == u"00" ? QString()
                                  : u" "_s + QString::number(hundredths.toInt())
                                        + (lev ? u" ст."_s : u" cent"_s));
        QVERIFY2(bg.endsWith(ending), qPrintable(bg + u" | "_s + printed));
        QVERIFY2(en.contains(u" USD and "_s), qPrintable(en));
        QVERIFY2(en.endsWith(hundredths == u"01" ? u" One Cent"_s : u" Cents"_s), qPrintable(en));

        if (cents <= 10000 || cents % 100 == 0 || i >= 200000) {
            distinctAmounts.insert(cents);
            distinctBG.insert(remitor::AmountInWordsBG(m, u"BGN"_s));
            distinctEN.insert(en);
        }
    }
    QCOMPARE(distinctBG.size(), distinctAmounts.size());
    QCOMPARE(distinctEN.size(), distinctAmounts.size());
}

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
