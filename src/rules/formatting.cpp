#include "rules/formatting.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

constexpr quint64 kMaxRaw = quint64(std::numeric_limits<qint64>::max());

// Ten-thousandths of the number written by `digits` (no leading zeros) times
// 10^-fractionDigits, rounded half away from zero; no value when too large.
std::optional<quint64> rawFromDigits(const QString &digits, qint64 fractionDigits)
{
    if (digits.isEmpty())
        return 0;
    // Digits kept as whole ten-thousandths; the rest decide the rounding.
    const qint64 kept = digits.size() - fractionDigits + 4;
    if (kept > 19)
        return std::nullopt;
    quint64 raw = 0;
    const qsizetype fromDigits = std::clamp<qint64>(kept, 0, digits.size());
    for (qsizetype i = 0; i < fromDigits; ++i)
        raw = raw * 10 + quint64(digits.at(i).unicode() - u'0');
    for (qint64 i = digits.size(); i < kept; ++i) {
        if (raw > kMaxRaw / 10)
            return std::nullopt;
        raw *= 10;
    }
    if (kept >= 0 && kept < digits.size() && digits.at(kept).unicode() >= u'5')
        ++raw;
    if (raw > kMaxRaw)
        return std::nullopt;
    return raw;
}

// The leading number of `s`, read the way a typed amount is read.
Money leadingAmount(QStringView s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto skipBlanks = [&] {
        while (i < n && s.at(i).isSpace())
            ++i;
    };

    skipBlanks();
    bool negative = false;
    if (i < n && (s.at(i) == u'+' || s.at(i) == u'-')) {
        negative = s.at(i) == u'-';
        ++i;
    }

    QString digits;  // significant digits, leading zeros dropped
    qint64 fractionDigits = 0;
    bool point = false;
    bool anyDigit = false;
    for (;;) {
        skipBlanks();
        if (i < n && isDigit(s.at(i))) {
            anyDigit = true;
            if (!digits.isEmpty() || s.at(i) != u'0')
                digits.append(s.at(i));
            if (point)
                ++fractionDigits;
            ++i;
        } else if (i < n && s.at(i) == u'.' && !point) {
            point = true;
            ++i;
        } else {
            break;
        }
    }

    // An exponent counts only when digits follow its letter: "5 E" is 5.
    if (anyDigit && i < n && QStringView(u"EeDd").contains(s.at(i))) {
        qsizetype j = i + 1;
        auto skip = [&] {
            while (j < n && s.at(j).isSpace())
                ++j;
        };
        skip();
        bool expNegative = false;
        if (j < n && (s.at(j) == u'+' || s.at(j) == u'-')) {
            expNegative = s.at(j) == u'-';
            ++j;
        }
        qint64 exponent = 0;
        bool expDigit = false;
        for (skip(); j < n && isDigit(s.at(j)); skip()) {
            expDigit = true;
            exponent = std::min<qint64>(exponent * 10 + (s.at(j).unicode() - u'0'), 100000);
            ++j;
        }
        if (expDigit)
            fractionDigits += expNegative ? exponent : -exponent;
    }

    const std::optional<quint64> raw = rawFromDigits(digits, fractionDigits);
    if (!raw)
        return Money();  // too large for an amount: read as nothing
    const qint64 value = qint64(*raw);
    return Money::fromRaw(negative ? -value : value);
}

enum class Pad { Zeros, Spaces };

// Sign and figures of a value, rounded to `decimals` places.
struct Figures {
    bool negative = false;
    QString text;  // without the sign
};

Figures figuresOf(Money value, int decimals)
{
    const int places = std::min(decimals, 4);
    const qint64 scaled = value.scaledTo(places);
    quint64 magnitude = scaled < 0 ? quint64(0) - quint64(scaled) : quint64(scaled);
    quint64 divisor = 1;
    for (int i = 0; i < places; ++i)
        divisor *= 10;
    Figures f{scaled < 0, QString::number(magnitude / divisor)};
    if (decimals > 0) {
        f.text += u'.';
        f.text += QString::number(magnitude % divisor).rightJustified(places, u'0');
        f.text += QString(decimals - places, u'0');
    }
    return f;
}

Figures figuresOf(qint64 value, int decimals)
{
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    Figures f{value < 0, QString::number(magnitude)};
    if (decimals > 0)
        f.text += u'.' + QString(decimals, u'0');
    return f;
}

template <typename Value>
QString fixedWidth(Value value, int width, int decimals, Pad pad)
{
    if (width <= 0)
        return {};
    if (value == Value{})
        return QString(width, pad == Pad::Zeros ? u'0' : u' ');
    decimals = std::max(decimals, 0);
    // Even "0." and the decimals would not fit: spare building a long text.
    if (decimals > 0 && qint64(decimals) + 2 > width)
        return OverflowText(width);

    const Figures f = figuresOf(value, decimals);
    const qsizetype length = f.text.size() + (f.negative ? 1 : 0);
    // Figures that do not fit are never cut: a cut number would print a wrong amount.
    if (length > width)
        return OverflowText(width);
    const QString sign = f.negative ? u"-"_s : QString();
    const QString fill(width - length, pad == Pad::Zeros ? u'0' : u' ');
    return pad == Pad::Zeros ? sign + fill + f.text : fill + sign + f.text;
}

QString spread(QString &text, bool grouped)
{
    text = text.trimmed();
    QString out;
    out.reserve(text.size() * 3);
    int count = 0;
    for (QChar c : std::as_const(text)) {
        if (c.isSpace())
            continue;
        out += c;
        out += u' ';
        if (grouped && ++count % 4 == 0)
            out += u"  ";
    }
    return out;
}

} // namespace

Money ParseAmount(QString &text)
{
    text = text.trimmed();
    text.replace(u',', u'.');
    return leadingAmount(text);
}

Money ParseAmount(const QString &text)
{
    QString copy = text;
    return ParseAmount(copy);
}

QString OverflowText(int width)
{
    if (width <= 0)
        return {};
    return u"Препълва"_s.leftJustified(width, u' ', true);
}

QString FormatZeroPadded(Money value, int width, int decimals)
{
    return fixedWidth(value, width, decimals, Pad::Zeros);
}

QString FormatZeroPadded(qint64 value, int width, int decimals)
{
    return fixedWidth(value, width, decimals, Pad::Zeros);
}

QString FormatSpacePadded(Money value, int width, int decimals)
{
    return fixedWidth(value, width, decimals, Pad::Spaces);
}

QString FormatSpacePadded(qint64 value, int width, int decimals)
{
    return fixedWidth(value, width, decimals, Pad::Spaces);
}

QString FormatSpacePaddedComma(Money value, int width, int decimals)
{
    QString text = fixedWidth(value, width, decimals, Pad::Spaces);
    // The overflow text has no point, so it is left as it is.
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text[point] = u',';
    return text;
}

QString SpreadChars(QString &text) { return spread(text, false); }

QString SpreadChars(const QString &text)
{
    QString copy = text;
    return spread(copy, false);
}

QString SpreadCharsGrouped(QString &text) { return spread(text, true); }

QString SpreadCharsGrouped(const QString &text)
{
    QString copy = text;
    return spread(copy, true);
}

void BlankControlChars(QString &text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
}

QString RightTrimmed(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1).isSpace())
        --n;
    return text.left(n);
}

QString numberText(qint64 n)
{
    return n > 0 ? u' ' + QString::number(n) : QString::number(n);
}

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace remitor
