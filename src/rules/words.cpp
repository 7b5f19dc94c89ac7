#include "rules/words.h"

#include <array>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// Stems that the tens, teens and hundreds are built from; 1 is "Еди" as in "Единадесет".
constexpr std::array<const char16_t *, 10> kStemBG = {
    u"", u"Еди", u"Два", u"Три", u"Четири", u"Пет", u"Шест", u"Седем", u"Осем", u"Девет"};

constexpr std::array<const char16_t *, 10> kDigitEN = {
    u"", u"One", u"Two", u"Three", u"Four", u"Five", u"Six", u"Seven", u"Eight", u"Nine"};
constexpr std::array<const char16_t *, 10> kTeenEN = {
    u"Ten",     u"Eleven",  u"Twelve",    u"Thirteen", u"Fourteen",
    u"Fifteen", u"Sixteen", u"Seventeen", u"Eighteen", u"Nineteen"};
constexpr std::array<const char16_t *, 10> kTensEN = {
    u"", u"", u"Twenty ", u"Thirty ", u"Forty ", u"Fifty ", u"Sixty ", u"Seventy ", u"Eighty ", u"Ninety "};

constexpr qint64 kMaxWholeBG = 999'999'999'999;

template <size_t N>
QString word(const std::array<const char16_t *, N> &table, int index)
{
    return QString::fromUtf16(table[size_t(index)]);
}

// The gender of the word that a group counts: the thousands are feminine
// (Една Хиляда), the euro neuter (Едно евро), everything else masculine.
enum class Gender { Masculine, Feminine, Neuter };

QString groupWordsBG(int value, Gender gender)
{
    const int h = value / 100;
    const int t = value / 10 % 10;
    const int u = value % 10;
    QString out;
    if (h == 1)
        out += u"Сто ";
    else if (h == 2)
        out += u"Двеста ";
    else if (h == 3)
        out += u"Триста ";
    else if (h > 3)
        out += word(kStemBG, h) + u"стотин "_s;

    if (h > 0 && (t == 1 || (t > 0 && u == 0)))
        out += u"и ";  // Сто и Десет, Сто и Двадесет

    if (t == 1) {
        out += u == 0 ? u"Десет "_s : word(kStemBG, u) + u"надесет "_s;
        return out;
    }
    if (t > 1)
        out += word(kStemBG, t) + u"десет "_s;

    if (value >= 20 && u > 0)
        out += u"и ";  // Сто и Пет, Двадесет и Пет
    if (u == 1)
        out += gender == Gender::Feminine ? u"Една "
               : gender == Gender::Neuter ? u"Едно "
                                          : u"Един ";
    else if (u == 2)
        out += gender == Gender::Masculine ? u"Два " : u"Две ";
    else
        out += word(kStemBG, u) + u' ';
    return out;
}

bool isLev(const QString &currency)
{
    const QString upper = currency.toUpper();
    return upper == u"ЛЕВ" || upper == u"BGN" || upper == u"BGL";
}

// English words of two digits: a teen, or the tens word and the digit word.
QString tensEN(int value)
{
    if (value / 10 == 1)
        return word(kTeenEN, value % 10);
    return word(kTensEN, value / 10) + word(kDigitEN, value % 10);
}

QString hundredsEN(int value)
{
    QString out;
    if (value == 0)
        return out;
    if (value >= 100)
        out += word(kDigitEN, value / 100) + u" Hundred "_s;
    if (value / 10 % 10 != 0)
        out += tensEN(value % 100);
    else
        out += word(kDigitEN, value % 10);
    return out;
}

QString scaleEN(int groupCounter)
{
    static constexpr std::array<const char16_t *, 4> scale = {
        u" Thousand ", u" Million ", u" Billion ", u" Trillion "};
    if (groupCounter < 2 || groupCounter > 5)
        return {};
    return word(scale, groupCounter - 2);
}

} // namespace

QString GroupInWordsBG(const QString &group, int groupNo)
{
    const QString digits = group.right(3).rightJustified(3, u'0');
    int value = 0;
    for (QChar c : digits) {
        const int d = (c.unicode() >= u'0' && c.unicode() <= u'9') ? c.unicode() - u'0' : 0;
        value = value * 10 + d;
    }
    return groupWordsBG(value, groupNo == 3 ? Gender::Feminine : Gender::Masculine);
}

bool IsEuroText(const QString &currency)
{
    const QString upper = currency.trimmed().toUpper();
    return upper == u"EUR" || upper == u"EURO" || upper == u"ЕВРО";
}

QString AmountInWordsBG(const Money &amount, const QString &currency)
{
    const qint64 stotinkiTotal = amount.scaledTo(2);
    if (stotinkiTotal <= 0)
        return {};
    const qint64 whole = stotinkiTotal / 100;
    const int stotinki = int(stotinkiTotal % 100);
    // Cutting off the leading digits would write a different amount in words.
    if (whole > kMaxWholeBG)
        return u"ПРЕПЪЛВА"_s;

    // A currency field padded to its width is still the same currency.
    const QString unit = currency.trimmed();
    const bool lev = isLev(unit);
    const bool euro = !lev && IsEuroText(unit);
    const int milliards = int(whole / 1'000'000'000);
    const int millions = int(whole / 1'000'000 % 1000);
    const int thousands = int(whole / 1000 % 1000);
    const int units = int(whole % 1000);

    QString out;
    if (milliards > 0)
        out += groupWordsBG(milliards, Gender::Masculine) +
               (milliards == 1 ? u"Милиард "_s : u"Милиарда "_s);
    if (millions > 0)
        out += groupWordsBG(millions, Gender::Masculine) +
               (millions == 1 ? u"Милион "_s : u"Милиона "_s);
    if (thousands == 1)
        out += u"Хиляда ";
    else if (thousands > 1)
        out += groupWordsBG(thousands, Gender::Feminine) + u"Хиляди "_s;
    // "и" joins a last group that is one word: Хиляда и Пет, Хиляда и Двеста,
    // but Хиляда Двеста и Петдесет.
    if (units > 0 && whole >= 1000 && !(units >= 100 && units % 100 != 0))
        out += u"и ";
    if (whole > 0) {
        out += groupWordsBG(units, euro ? Gender::Neuter : Gender::Masculine);
        out += lev ? u"лв."_s : euro ? u"евро"_s : unit;
    }
    if (stotinki > 0) {
        out += u' ' + QString::number(stotinki);
        if (lev)
            out += u" ст.";
        else if (!euro)
            out += u" cent";
        else  // 1 цент, 21 цент, but 11 цента
            out += stotinki % 10 == 1 && stotinki != 11 ? u" цент" : u" цента";
    }
    return out;
}

QString AmountInWordsEN(const Money &amount, const QString &currencyCode)
{
    const qint64 centsTotal = amount.scaledTo(2);
    if (centsTotal < 0)
        return {};
    const QString code = currencyCode.trimmed();
    qint64 whole = centsTotal / 100;
    const int cents = int(centsTotal % 100);

    QString words;
    for (int counter = 1; whole > 0; ++counter, whole /= 1000) {
        const QString group = hundredsEN(int(whole % 1000));
        if (!group.isEmpty())
            words = group + scaleEN(counter) + words;
    }

    QString out;
    if (words.isEmpty())
        out = u"No "_s + code;
    else if (words == u"One")
        out = u"One "_s + code;
    else
        out = words + u' ' + code;

    const QString centWords = cents > 0 ? tensEN(cents) : QString();
    if (centWords.isEmpty())
        out += u" and No Cents";
    else if (centWords == u"One")
        out += u" and One Cent";
    else
        out += u" and "_s + centWords + u" Cents"_s;
    return out;
}

QString AmountInWordsBilingual(const Money &amount, const QString &currency,
                               const QString &currencyCode)
{
    if (amount.scaledTo(2) <= 0)
        return {};
    return AmountInWordsBG(amount, currency) + u"   /   "_s + AmountInWordsEN(amount, currencyCode);
}

} // namespace remitor
