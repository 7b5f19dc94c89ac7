// Amounts in words, Bulgarian and English: worked results, and properties
// checked by reading the words back into a number over many amounts.
#include "rules/formatting.h"
#include "rules/words.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using remitor::Money;

namespace {

Money amount(const QString &figures) { return remitor::ParseAmount(figures); }

// The amount as the forms print it, split into whole units and hundredths.
QStringList printedFigures(Money m)
{
    // A zero amount prints as blanks.
    const QString figures = remitor::FormatSpacePadded(m, 24, 2).trimmed();
    return m.isZero() ? QStringList{u"0"_s, u"00"_s} : figures.split(u'.');
}

// Reads Bulgarian number words back into a number, independently of how they
// were built; checks the grammar on the way. Returns -1 on anything unexpected.
qint64 readBulgarian(const QStringList &tokens, QString *fault)
{
    static const QHash<QString, int> value = [] {
        QHash<QString, int> v;
        const QStringList units = {u"Един"_s, u"Два"_s, u"Три"_s, u"Четири"_s, u"Пет"_s,
                                   u"Шест"_s, u"Седем"_s, u"Осем"_s, u"Девет"_s};
        const QStringList teens = {u"Десет"_s, u"Единадесет"_s, u"Дванадесет"_s,
                                   u"Тринадесет"_s, u"Четиринадесет"_s, u"Петнадесет"_s,
                                   u"Шестнадесет"_s, u"Седемнадесет"_s, u"Осемнадесет"_s,
                                   u"Деветнадесет"_s};
        const QStringList tens = {u"Двадесет"_s, u"Тридесет"_s, u"Четиридесет"_s, u"Петдесет"_s,
                                  u"Шестдесет"_s, u"Седемдесет"_s, u"Осемдесет"_s,
                                  u"Деветдесет"_s};
        const QStringList hundreds = {u"Сто"_s, u"Двеста"_s, u"Триста"_s, u"Четиристотин"_s,
                                      u"Петстотин"_s, u"Шестстотин"_s, u"Седемстотин"_s,
                                      u"Осемстотин"_s, u"Деветстотин"_s};
        for (int i = 0; i < 9; ++i) {
            v[units[i]] = i + 1;
            v[tens[i > 7 ? 7 : i]] = (i > 7 ? 9 : i + 2) * 10;
            v[hundreds[i]] = (i + 1) * 100;
        }
        for (int i = 0; i < 10; ++i)
            v[teens[i]] = 10 + i;
        v[u"Една"_s] = 1;
        v[u"Две"_s] = 2;
        return v;
    }();
    static const QHash<QString, qint64> scale = {
        {u"Милиард"_s, 1'000'000'000}, {u"Милиарда"_s, 1'000'000'000}, {u"Милион"_s, 1'000'000},
        {u"Милиона"_s, 1'000'000},     {u"Хиляди"_s, 1000}};

    qint64 total = 0;
    qint64 group = 0;
    QStringList groupWords;  // the number words of the group being read
    QString previous;
    QString beforeLast;
    for (const QString &t : tokens) {
        if (t == u"и") {
            if (previous.isEmpty() || previous == u"и")
                return *fault = u"misplaced и"_s, -1;
        } else if (t == u"Хиляда") {
            if (group != 0)
                return *fault = u"words before Хиляда"_s, -1;
            total += 1000;
        } else if (scale.contains(t)) {
            const bool feminine = groupWords.contains(u"Една") || groupWords.contains(u"Две");
            const bool masculine = groupWords.contains(u"Един") || groupWords.contains(u"Два");
            if (previous == u"и" || group == 0 || (t == u"Хиляди" ? masculine : feminine))
                return *fault = u"wrong group before "_s + t, -1;
            if ((group == 1) != (t == u"Милиард" || t == u"Милион"))
                return *fault = u"singular/plural of "_s + t, -1;
            if (groupWords.size() > 1 && beforeLast != u"и")
                return *fault = u"no и before the last word"_s, -1;
            total += group * scale[t];
            group = 0;
            groupWords.clear();
        } else if (value.contains(t)) {
            group += value[t];
            groupWords.append(t);
            beforeLast = previous;
        } else {
            return *fault = u"unknown word "_s + t, -1;
        }
        previous = t;
    }
    if (previous == u"и" || groupWords.contains(u"Една") || groupWords.contains(u"Две"))
        return *fault = u"bad ending"_s, -1;
    if (groupWords.size() > 1 && beforeLast != u"и")
        return *fault = u"no и before the last word"_s, -1;
    return total + group;
}

qint64 readEnglish(const QStringList &tokens, QString *fault)
{
    static const QStringList small = {
        u"Zero"_s,     u"One"_s,      u"Two"_s,       u"Three"_s,    u"Four"_s,
        u"Five"_s,     u"Six"_s,      u"Seven"_s,     u"Eight"_s,    u"Nine"_s,
        u"Ten"_s,      u"Eleven"_s,   u"Twelve"_s,    u"Thirteen"_s, u"Fourteen"_s,
        u"Fifteen"_s,  u"Sixteen"_s,  u"Seventeen"_s, u"Eighteen"_s, u"Nineteen"_s};
    static const QStringList tens = {u"Twenty"_s, u"Thirty"_s, u"Forty"_s,  u"Fifty"_s,
                                     u"Sixty"_s,  u"Seventy"_s, u"Eighty"_s, u"Ninety"_s};
    static const QStringList scales = {u"Thousand"_s, u"Million"_s, u"Billion"_s, u"Trillion"_s};
    qint64 total = 0;
    qint64 group = 0;
    for (const QString &t : tokens) {
        if (t == u"No")
            continue;
        if (small.contains(t)) {
            group += small.indexOf(t);
        } else if (tens.contains(t)) {
            group += (tens.indexOf(t) + 2) * 10;
        } else if (t == u"Hundred") {
            group *= 100;
        } else if (scales.contains(t)) {
            qint64 factor = 1;
            for (int i = 0; i <= scales.indexOf(t); ++i)
                factor *= 1000;
            total += group * factor;
            group = 0;
        } else {
            return *fault = u"unknown word "_s + t, -1;
        }
    }
    return total + group;
}

} // namespace

class TestWords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bulgarian_data();
    void bulgarian();
    void group_data();
    void group();
    void english_data();
    void english();
    void bulgarianProperties();
    void englishProperties();
};

void TestWords::bulgarian_data()
{
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("words");

    const auto row = [](const char *name, const QString &f, const QString &c, const QString &w) {
        QTest::newRow(name) << f << c << w;
    };
    const QString bgn = u"BGN"_s;
    row("worked: millions", u"1234567.89"_s, bgn,
        u"Един Милион Двеста Тридесет и Четири Хиляди Петстотин Шестдесет и Седем лв. 89 ст."_s);
    row("worked: thousands", u"2001.05"_s, bgn, u"Две Хиляди и Един лв. 5 ст."_s);
    row("worked: feminine thousands", u"21000"_s, bgn, u"Двадесет и Една Хиляди  лв."_s);
    row("1", u"1"_s, bgn, u"Един лв."_s);
    row("10", u"10"_s, bgn, u"Десет лв."_s);
    row("100", u"100"_s, bgn, u"Сто  лв."_s);
    row("115", u"115"_s, bgn, u"Сто и Петнадесет лв."_s);
    row("120", u"120"_s, bgn, u"Сто и Двадесет  лв."_s);
    row("125", u"125"_s, bgn, u"Сто Двадесет и Пет лв."_s);
    row("1000", u"1000"_s, bgn, u"Хиляда  лв."_s);
    row("1001", u"1001"_s, bgn, u"Хиляда и Един лв."_s);
    row("1005", u"1005"_s, bgn, u"Хиляда и Пет лв."_s);
    row("1200", u"1200"_s, bgn, u"Хиляда и Двеста  лв."_s);
    row("1250", u"1250"_s, bgn, u"Хиляда Двеста и Петдесет  лв."_s);
    row("2000", u"2000"_s, bgn, u"Две Хиляди  лв."_s);
    row("412000", u"412000"_s, bgn, u"Четиристотин и Дванадесет Хиляди  лв."_s);
    row("2 000 000", u"2000000"_s, bgn, u"Два Милиона  лв."_s);
    row("2 002 002", u"2002002"_s, bgn, u"Два Милиона Две Хиляди и Два лв."_s);
    row("1 000 000 100", u"1000000100"_s, bgn, u"Един Милиард и Сто  лв."_s);
    row("largest", u"999999999999.99"_s, bgn,
        u"Деветстотин Деветдесет и Девет Милиарда Деветстотин Деветдесет и Девет Милиона "
        u"Деветстотин Деветдесет и Девет Хиляди Деветстотин Деветдесет и Девет лв. 99 ст."_s);
    row("too large", u"1000000000000"_s, bgn, u"ПРЕПЪЛВА"_s);
    row("largest Money", u"922337203685477.5807"_s, bgn, u"ПРЕПЪЛВА"_s);
    row("stotinki only", u"0.50"_s, bgn, u" 50 ст."_s);
    row("zero", u"0"_s, bgn, QString());
    row("negative", u"-5.50"_s, bgn, QString());
    row("rounded to stotinki", u"12.345"_s, bgn, u"Дванадесет лв. 35 ст."_s);
    row("rounds up to a lev", u"0.999"_s, bgn, u"Един лв."_s);
    row("rounds to nothing", u"0.004"_s, bgn, QString());
    row("currency in lower case", u"12.05"_s, u"eur"_s, u"Дванадесет eur 5 cent"_s);
    row("other currency, stotinki only", u"0.5"_s, u"USD"_s, u" 50 cent"_s);
    row("other currency after a double blank", u"100"_s, u"USD"_s, u"Сто  USD"_s);
    row("bgn", u"3.10"_s, u"bgn"_s, u"Три лв. 10 ст."_s);
    row("лев", u"3.10"_s, u"лев"_s, u"Три лв. 10 ст."_s);
    row("Лев", u"3.10"_s, u"Лев"_s, u"Три лв. 10 ст."_s);
    row("BGL", u"3.10"_s, u"BGL"_s, u"Три лв. 10 ст."_s);
    row("padded field", u"3.10"_s, u" BGN "_s, u"Три лв. 10 ст."_s);
    row("лв is not a currency code", u"3"_s, u"лв"_s, u"Три лв"_s);
}

void TestWords::bulgarian()
{
    QFETCH(QString, figures);
    QFETCH(QString, currency);
    QFETCH(QString, words);
    QCOMPARE(remitor::AmountInWordsBG(amount(figures), currency), words);
}

void TestWords::group_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("groupNo");
    QTest::addColumn<QString>("words");

    QTest::newRow("one, thousands") << u"001"_s << 3 << u"Една "_s;
    QTest::newRow("one, units") << u"001"_s << 4 << u"Един "_s;
    QTest::newRow("two, thousands") << u"002"_s << 3 << u"Две "_s;
    QTest::newRow("two, milliards") << u"002"_s << 1 << u"Два "_s;
    QTest::newRow("twenty-two, thousands") << u"022"_s << 3 << u"Двадесет и Две "_s;
    QTest::newRow("nothing") << u"000"_s << 4 << u" "_s;
    QTest::newRow("hundreds, tens, units") << u"567"_s << 4 << u"Петстотин Шестдесет и Седем "_s;
    QTest::newRow("hundred and five") << u"105"_s << 2 << u"Сто и Пет "_s;
    QTest::newRow("hundred and eleven") << u"111"_s << 4 << u"Сто и Единадесет "_s;
    QTest::newRow("nine hundred") << u"900"_s << 4 << u"Деветстотин  "_s;
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

void TestWords::english_data()
{
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("words");

    const QString usd = u"USD"_s;
    QTest::newRow("one") << u"1.00"_s << usd << u"One USD and No Cents"_s;
    QTest::newRow("one cent") << u"0.01"_s << usd << u"No USD and One Cent"_s;
    QTest::newRow("worked") << u"21.50"_s << usd << u"Twenty One USD and Fifty  Cents"_s;
    QTest::newRow("zero") << u"0"_s << usd << u"No USD and No Cents"_s;
    QTest::newRow("teens") << u"115.11"_s << usd << u"One Hundred Fifteen USD and Eleven Cents"_s;
    QTest::newRow("hundred") << u"100"_s << u"EUR"_s << u"One Hundred  EUR and No Cents"_s;
    QTest::newRow("thousand") << u"1000"_s << usd << u"One Thousand  USD and No Cents"_s;
    QTest::newRow("thousand and one") << u"1001.05"_s << usd
                                      << u"One Thousand One USD and Five Cents"_s;
    QTest::newRow("millions") << u"1234567.89"_s << usd
                              << u"One Million Two Hundred Thirty Four Thousand Five Hundred "
                                 u"Sixty Seven USD and Eighty Nine Cents"_s;
    QTest::newRow("largest Money") << u"922337203685477.5807"_s << usd
                                   << u"Nine Hundred Twenty Two Trillion Three Hundred Thirty "
                                      u"Seven Billion Two Hundred Three Million Six Hundred "
                                      u"Eighty Five Thousand Four Hundred Seventy Seven USD and "
                                      u"Fifty Eight Cents"_s;
    QTest::newRow("rounded to cents") << u"12.345"_s << usd << u"Twelve USD and Thirty Five Cents"_s;
    QTest::newRow("padded code") << u"2"_s << u"GBP "_s << u"Two GBP and No Cents"_s;
    QTest::newRow("negative") << u"-1"_s << usd << QString();
}

void TestWords::english()
{
    QFETCH(QString, figures);
    QFETCH(QString, code);
    QFETCH(QString, words);
    QCOMPARE(remitor::AmountInWordsEN(amount(figures), code), words);
}

// Every amount from 0.01 to 2000.00, and random ones up to the largest that
// words can hold: the words are not empty, never hold three blanks in a row,
// read back as the printed whole units, and end in the printed stotinki.
void TestWords::bulgarianProperties()
{
    QList<Money> amounts;
    for (qint64 cents = 1; cents <= 200000; ++cents)
        amounts.append(Money::fromRaw(cents * 100));
    QRandomGenerator rng(1234567);
    for (int i = 0; i < 50000; ++i)
        amounts.append(Money::fromRaw(qint64(rng.generate64() % 10'000'000'000'000'000ULL)));

    for (const Money m : std::as_const(amounts)) {
        const QStringList figures = printedFigures(m);
        const bool lev = rng.bounded(2) == 0;
        const QString words = remitor::AmountInWordsBG(m, lev ? u"BGN"_s : u"EUR"_s);
        QVERIFY2(!words.isEmpty(), qPrintable(figures.join(u'.')));
        QVERIFY2(!words.contains(u"   "), qPrintable(words));

        const QString unit = lev ? u"лв."_s : u"EUR"_s;
        const QString cents = figures[1] == u"00" ? QString()
                              : u" "_s + QString::number(figures[1].toInt())
                                    + (lev ? u" ст."_s : u" cent"_s);
        QVERIFY2(words.endsWith((figures[0] == u"0" ? QString() : unit) + cents), qPrintable(words));

        QString fault;
        const QString number = words.left(words.size() - cents.size()).chopped(
            figures[0] == u"0" ? 0 : unit.size());
        const qint64 read = readBulgarian(number.split(u' ', Qt::SkipEmptyParts), &fault);
        QVERIFY2(read == figures[0].toLongLong(), qPrintable(words + u" | "_s + fault));
    }
}

void TestWords::englishProperties()
{
    QRandomGenerator rng(7654321);
    for (int i = 0; i < 50000; ++i) {
        const Money m = Money::fromRaw(qint64(rng.generate64() >> 1) >> rng.bounded(64));
        const QStringList figures = printedFigures(m);
        const QString words = remitor::AmountInWordsEN(m, u"USD"_s);
        QVERIFY2(words.contains(u" USD and "), qPrintable(words));
        QString fault;
        const QString whole = words.left(words.indexOf(u"USD and "_s));
        QVERIFY2(readEnglish(whole.split(u' ', Qt::SkipEmptyParts), &fault)
                     == figures[0].toLongLong(),
                 qPrintable(words + u" | "_s + fault));
        QString cents = words.mid(words.indexOf(u"USD and "_s) + 8);
        QVERIFY2(cents.endsWith(figures[1] == u"01" ? u" Cent"_s : u" Cents"_s), qPrintable(words));
        cents.chop(figures[1] == u"01" ? 5 : 6);
        QVERIFY2(readEnglish(cents.split(u' ', Qt::SkipEmptyParts), &fault) == figures[1].toInt(),
                 qPrintable(words + u" | "_s + fault));
    }
}

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
