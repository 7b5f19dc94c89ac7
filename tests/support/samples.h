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

// A document of a kind as a user fills it, for its printed pages: every
// text its field's name, so that each value tells where it comes from; the
// accounts, the amounts and the dates as on a real one.
inline Record sampleRecord(const QString &kind)
{
    using namespace Qt::StringLiterals;
    Record r(kindById(kind).tableDef());
    for (int i = 0; i < r.def().fields.size(); ++i) {
        const FieldDef &f = r.def().fields[i];
        switch (f.type) {
        case FieldType::Text: r.set(i, f.name.left(f.width)); break;
        case FieldType::Money: r.set(i, Money::fromUnits(1234, 50)); break;
        case FieldType::Date: r.set(i, QDate(2010, 3, 5)); break;
        default: r.set(i, qint32(1)); break;
        }
    }
    r.setKey(7);
    const std::pair<QString, QString> texts[] = {{u"IBANp"_s, u"BG80BNBG96611020345678"_s},
                                                 {u"IBANn"_s, u"BG18RZBB91550123456789"_s},
                                                 {u"valuta"_s, u"eur"_s},
                                                 {u"Razmer"_s, u"500.5"_s},
                                                 {u"nositel"_s, u"2"_s}};
    for (const auto &[field, text] : texts)
        if (r.def().field(field))
            r.setText(field, text);
    return r;
}

}  // namespace remitor::test
