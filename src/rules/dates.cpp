#include "rules/dates.h"

#include "rules/formatting.h"

#include <array>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

constexpr QChar kSeparator = u'.';

constexpr std::array<const char16_t *, 12> kMonthNames = {
    u"януари", u"февруари", u"март",     u"април",   u"май",      u"юни",
    u"юли",    u"август",   u"септември", u"октомври", u"ноември", u"декември"};

// What the stored long dates carry in characters 4 to 6, and the month they name.
constexpr std::array<const char16_t *, 12> kMonthAbbreviations = {
    u"ЯНУ", u"ФЕВ", u"МАР", u"АПР", u"МАЙ", u"ЮНИ", u"ЮЛИ", u"АВГ", u"СЕП", u"ОКТ", u"НОЕ", u"ДЕК"};

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

bool isDateSeparator(QChar c)
{
    return c == u'.' || c == u'/' || c == u'-' || c.isSpace();
}

// Day, month and year from three groups of digits; runs of separators count
// as one. A year below 100 is taken in the window 1930 to 2029.
QDate dateFromParts(QStringView text)
{
    std::array<int, 3> part{};
    int count = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (isDateSeparator(text.at(i))) {
            ++i;
            continue;
        }
        if (!isDigit(text.at(i)) || count == 3)
            return {};
        int value = 0;
        int significant = 0;
        for (; i < n && isDigit(text.at(i)); ++i) {
            value = value * 10 + (text.at(i).unicode() - u'0');
            if (value > 0 && ++significant > 4)
                return {};  // no part of a date has more than four digits
        }
        part[size_t(count++)] = value;
    }
    if (count != 3)
        return {};
    int year = part[2];
    if (year < 100)
        year += year < 30 ? 2000 : 1900;
    const QDate date(year, part[1], part[0]);
    return date.isValid() ? date : QDate();
}

QString twoDigits(int value) { return FormatZeroPadded(qint64(value), 2); }

} // namespace

QString ShortDateText(const QDate &date)
{
    // Only years that fit the four boxes of the form make a date text.
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return twoDigits(date.day()) + kSeparator + twoDigits(date.month()) + kSeparator
           + FormatZeroPadded(qint64(date.year()), 4);
}

QString DateToText(const QDate &date)
{
    return ShortDateText(date).leftJustified(10, u' ', true);
}

QString LongDateText(const QDate &date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return twoDigits(date.day()) + u' ' + QString::fromUtf16(kMonthNames[size_t(date.month() - 1)])
           + u' ' + FormatZeroPadded(qint64(date.year()), 4) + u" г."_s;
}

QString NormalizeDateText(QString &text)
{
    text = text.trimmed().left(10);
    for (QChar &c : text) {
        if (!isDigit(c))
            c = kSeparator;
    }
    if (text.count(kSeparator) < 2)
        return {};
    // Only day, month and year make a date: "1.2." is no date, whatever the
    // current year may be.
    const QDate date = dateFromParts(text);
    return date.isValid() ? ShortDateText(date) : QString();
}

QString NormalizeDateText(const QString &text)
{
    QString copy = text;
    return NormalizeDateText(copy);
}

QDate DateFromText(const QString &text) { return dateFromParts(text); }

QDate MonthTextToDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QString month = trimmed.mid(3, 3).toUpper();
    if (month.isEmpty())
        return {};
    for (size_t m = 0; m < kMonthAbbreviations.size(); ++m) {
        if (month == QStringView(kMonthAbbreviations[m])) {
            // "05 януари 2010 г." becomes "05-01-2010": the day, the month
            // and the first four of the last seven characters.
            const QString numeric =
                trimmed.left(2) + u'-' + twoDigits(int(m) + 1) + u'-' + trimmed.right(7);
            return dateFromParts(QStringView(numeric).left(10));
        }
    }
    return dateFromParts(text);
}

} // namespace remitor
