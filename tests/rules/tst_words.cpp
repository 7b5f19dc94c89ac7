// Amounts in words, Bulgarian and English: worked results, and properties
// checked over many amounts.
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include "rules/formatting.h"
#include "rules/words.h"

using namespace Qt::StringLiterals;
using remitor::Money;

class TestWords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inWords_data();
    void inWords();
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
    row("other currency, lower case", u"12.05"_s, u"Дванадесет usd 5 cent"_s, u"usd"_s);
    row("bgn", u"3.10"_s, u"Три лв. 10 ст."_s, u"bgn"_s);
    row("лев", u"3.10"_s, u"Три лв. 10 ст."_s, u"лев"_s);
    row("BGL", u"3.10"_s, u"Три лв. 10 ст."_s, u"BGL"_s);
    row("padded field", u"3.10"_s, u"Три лв. 10 ст."_s, u" BGN "_s);
    row("лв is not a currency code", u"3"_s, u"Три лв"_s, u"лв"_s);

    // The euro is neuter in the units group only.
    const auto eur = [](const char *name, const QString &f, const QString &w,
                        const QString &c = u"EUR"_s) {
        QTest::newRow(name) << false << f << c << w;
    };
    eur("EUR 1", u"1"_s, u"Едно евро"_s);
    eur("EUR 2.50", u"2.50"_s, u"Две евро 50 цента"_s);
    eur("EUR 11", u"11"_s, u"Единадесет евро"_s);
    eur("EUR 12", u"12"_s, u"Дванадесет евро"_s);
    eur("EUR 21.01", u"21.01"_s, u"Двадесет и Едно евро 1 цент"_s);
    eur("EUR 101", u"101"_s, u"Сто и Едно евро"_s);
    eur("EUR 1 001", u"1001"_s, u"Хиляда и Едно евро"_s);
    eur("EUR 2 000", u"2000"_s, u"Две Хиляди  евро"_s);
    eur("EUR 21 000", u"21000"_s, u"Двадесет и Една Хиляди  евро"_s);
    eur("EUR 1 000 001", u"1000001"_s, u"Един Милион и Едно евро"_s);
    eur("EUR 1 002 000", u"1002000"_s, u"Един Милион Две Хиляди  евро"_s);
    eur("EUR 2 001 000 002", u"2001000002"_s, u"Два Милиарда Един Милион и Две евро"_s);
    eur("EUR 0.01", u"0.01"_s, u" 1 цент"_s);
    eur("EUR 0.11", u"0.11"_s, u" 11 цента"_s);
    eur("EUR 0.91", u"0.91"_s, u" 91 цент"_s);
    eur("EUR zero", u"0"_s, QString());
    eur("EURO", u"1.10"_s, u"Едно евро 10 цента"_s, u"EURO"_s);
    eur("евро, padded", u"1"_s, u"Едно евро"_s, u" евро "_s);
    eur("eur, lower case", u"1"_s, u"Едно евро"_s, u"eur"_s);
    eur("EU is no euro", u"1"_s, u"Един EU"_s, u"EU"_s);

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

namespace
{

// What a reader makes of Bulgarian words: the whole units and the cents, or
// why the words cannot be read.
struct Reading {
    qint64 whole = 0;
    int cents = 0;
    QString error;
};

enum GenderMask { M = 1, F = 2, N = 4, Any = 7 };

// Reads the words back as an accountant reads them, checking the grammar on
// the way: the gender of 1 and 2 before each scale word and before the
// currency word, the singular scale words only for one, and the cent word.
Reading readBack(const QString &words, bool euro)
{
    static const QHash<QString, int> value = {{u"Един"_s, 1},
                                              {u"Една"_s, 1},
                                              {u"Едно"_s, 1},
                                              {u"Два"_s, 2},
                                              {u"Две"_s, 2},
                                              {u"Три"_s, 3},
                                              {u"Четири"_s, 4},
                                              {u"Пет"_s, 5},
                                              {u"Шест"_s, 6},
                                              {u"Седем"_s, 7},
                                              {u"Осем"_s, 8},
                                              {u"Девет"_s, 9},
                                              {u"Десет"_s, 10},
                                              {u"Единадесет"_s, 11},
                                              {u"Дванадесет"_s, 12},
                                              {u"Тринадесет"_s, 13},
                                              {u"Четиринадесет"_s, 14},
                                              {u"Петнадесет"_s, 15},
                                              {u"Шестнадесет"_s, 16},
                                              {u"Седемнадесет"_s, 17},
                                              {u"Осемнадесет"_s, 18},
                                              {u"Деветнадесет"_s, 19},
                                              {u"Двадесет"_s, 20},
                                              {u"Тридесет"_s, 30},
                                              {u"Четиридесет"_s, 40},
                                              {u"Петдесет"_s, 50},
                                              {u"Шестдесет"_s, 60},
                                              {u"Седемдесет"_s, 70},
                                              {u"Осемдесет"_s, 80},
                                              {u"Деветдесет"_s, 90},
                                              {u"Сто"_s, 100},
                                              {u"Двеста"_s, 200},
                                              {u"Триста"_s, 300},
                                              {u"Четиристотин"_s, 400},
                                              {u"Петстотин"_s, 500},
                                              {u"Шестстотин"_s, 600},
                                              {u"Седемстотин"_s, 700},
                                              {u"Осемстотин"_s, 800},
                                              {u"Деветстотин"_s, 900}};
    static const QHash<QString, int> gender = {
        {u"Един"_s, M}, {u"Два"_s, M}, {u"Една"_s, F}, {u"Едно"_s, N}, {u"Две"_s, F | N}};
    struct Scale {
        qint64 factor;
        int gender;
        bool singular;
    };
    static const QHash<QString, Scale> scales = {{u"Милиард"_s, {1'000'000'000, M, true}},
                                                 {u"Милиарда"_s, {1'000'000'000, M, false}},
                                                 {u"Милион"_s, {1'000'000, M, true}},
                                                 {u"Милиона"_s, {1'000'000, M, false}},
                                                 {u"Хиляди"_s, {1000, F, false}}};
    const QString unitWord = euro ? u"евро"_s : u"лв."_s;
    constexpr qint64 noScaleYet = 1'000'000'000'000;

    Reading r;
    const QStringList tokens = words.split(u' ', Qt::SkipEmptyParts);
    qint64 group = 0;
    int mask = Any;
    qint64 lastFactor = noScaleYet;
    qsizetype i = 0;
    // A group ends at its scale word (or the currency word): it must come in
    // descending order, hold 1 to 999 and agree in gender.
    const auto closeGroup = [&](qint64 factor, int wanted) {
        if (factor >= lastFactor || group < 1 || group > 999 || !(mask & wanted))
            r.error = u"group before "_s + tokens[i];
        r.whole += group * factor;
        lastFactor = factor;
        group = 0;
        mask = Any;
    };
    for (; i < tokens.size() && r.error.isEmpty(); ++i) {
        const QString &t = tokens[i];
        if (t == u"и")
            continue;
        if (const auto v = value.constFind(t); v != value.constEnd()) {
            group += *v;
            mask &= gender.value(t, Any);
        } else if (const auto s = scales.constFind(t); s != scales.constEnd()) {
            if (s->singular != (group == 1))
                r.error = u"number of "_s + t;
            closeGroup(s->factor, s->gender);
        } else if (t == u"Хиляда") {
            group = group == 0 ? 1 : -1;  // one word for 1000
            closeGroup(1000, Any);
        } else if (t == unitWord) {
            // A last group of 000 ("Две Хиляди  евро") has no words.
            if (group == 0 && lastFactor < noScaleYet) {
                lastFactor = 1;
            } else {
                closeGroup(1, euro ? N : M);
            }
            ++i;
            break;
        } else {
            break;  // the cents
        }
    }
    if (!r.error.isEmpty())
        return r;
    if (group != 0 || (lastFactor != 1 && lastFactor != noScaleYet))
        return {0, 0, u"no currency word"_s};
    if (i == tokens.size())
        return r;
    bool ok = false;
    r.cents = tokens[i].toInt(&ok);
    const QString centWord = !euro                                ? u"ст."_s
                             : r.cents % 10 == 1 && r.cents != 11 ? u"цент"_s
                                                                  : u"цента"_s;
    if (!ok || r.cents < 1 || r.cents > 99 || i + 2 != tokens.size() || tokens[i + 1] != centWord)
        r.error = u"cents"_s;
    return r;
}

}  // namespace

// Every amount from 0.01 to 2000.00, and random ones up to the largest that
// words can hold, in leva, in euro and in another currency: the words are not
// empty, never hold three blanks in a row and end in the printed cents; the
// Bulgarian words in leva and in euro read back into the amount; no two
// amounts read alike in English.
void TestWords::properties()
{
    QList<Money> amounts;
    for (qint64 cents = 1; cents <= 200000; ++cents)
        amounts.append(Money::fromRaw(cents * 100));
    QRandomGenerator rng(1234567);
    for (int i = 0; i < 50000; ++i)
        amounts.append(Money::fromRaw(qint64(rng.generate64() % 10'000'000'000'000'000ULL)));

    const QString currencies[] = {u"BGN"_s, u"EUR"_s, u"USD"_s};
    QSet<qint64> distinctAmounts;
    QSet<QString> distinctEN;
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        const Money m = amounts.at(i);
        const qint64 cents = m.scaledTo(2);
        const int kind = int(i % 3);
        const QString bg = remitor::AmountInWordsBG(m, currencies[kind]);
        const QString en = remitor::AmountInWordsEN(m, u"USD"_s);
        QVERIFY2(!bg.isEmpty(), qPrintable(QString::number(cents)));
        QVERIFY2(!bg.contains(u"   "), qPrintable(bg));

        const QString printed = remitor::FormatSpacePadded(m, 24, 2).trimmed();
        const int hundredths = printed.right(2).toInt();
        const QString unit = kind == 0 ? u"лв."_s : kind == 1 ? u"евро"_s : u"USD"_s;
        const QString centUnit = kind == 0                                  ? u" ст."_s
                                 : kind == 2                                ? u" cent"_s
                                 : hundredths % 10 == 1 && hundredths != 11 ? u" цент"_s
                                                                            : u" цента"_s;
        const QString ending =
            (cents < 100 ? QString() : unit) +
            (hundredths == 0 ? QString() : u' ' + QString::number(hundredths) + centUnit);
        QVERIFY2(bg.endsWith(ending), qPrintable(bg + u" | "_s + printed));
        QVERIFY2(en.contains(u" USD and "_s), qPrintable(en));
        QVERIFY2(en.endsWith(hundredths == 1 ? u" One Cent"_s : u" Cents"_s), qPrintable(en));

        for (const bool euro : {false, true}) {
            const QString words = remitor::AmountInWordsBG(m, euro ? u"EUR"_s : u"BGN"_s);
            const Reading r = readBack(words, euro);
            QVERIFY2(r.error.isEmpty() && r.whole == cents / 100 && r.cents == cents % 100,
                     qPrintable(printed + u" | "_s + words + u" | "_s + r.error));
        }

        if (cents <= 10000 || cents % 100 == 0 || i >= 200000) {
            distinctAmounts.insert(cents);
            distinctEN.insert(en);
        }
    }
    QCOMPARE(distinctEN.size(), distinctAmounts.size());
}

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
