#pragma once

#include "documents/kinds.h"

#include <QDate>
#include <QString>
#include <utility>

namespace remitor::test {

// A text to type into a field, and what the field shows once it is taken
// and shown again, by its rule; the n-th field gets the n-th value, so that
// no two fields hold the same.
inline std::pair<QString, QString> sampleFor(const FieldSpec &f, int n)
{
    using namespace Qt::StringLiterals;
    switch (f.rule) {
    case FieldRule::Amount:
    case FieldRule::AmountText: return {u"%1.25"_s.arg(n + 1), u"%1.25"_s.arg(n + 1)};
    case FieldRule::WholeNumber:
    case FieldRule::NonZeroWholeNumber:
    case FieldRule::StrictWholeNumber: return {QString::number(n + 1), QString::number(n + 1)};
    case FieldRule::Date:
    case FieldRule::DateText: {
        const QDate d(2010, 3, n % 28 + 1);
        return {u"%1/3/10"_s.arg(d.day()), d.toString(u"dd.MM.yyyy"_s)};
    }
    case FieldRule::Upper:
    case FieldRule::Iban:
    case FieldRule::ForeignIban: return {u"ж%1"_s.arg(n), u"Ж%1"_s.arg(n)};
    case FieldRule::Currency: {
        const char16_t *codes[] = {u"usd", u"eur", u"gbp", u"chf"};
        const QString code = QString::fromUtf16(codes[n % 4]);
        return {code, code.toUpper()};
    }
    default: return {u"ж%1"_s.arg(n), u"ж%1"_s.arg(n)};
    }
}

}  // namespace remitor::test
