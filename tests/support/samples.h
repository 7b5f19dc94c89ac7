#pragma once

#include "documents/kinds.h"
#include "rules/dates.h"
#include "rules/formatting.h"

#include <QDate>
#include <QHash>
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

// A document as a user fills it, for the golden fills and the printed
// pages: every field of the table that is named here (without regard to
// case) gets its value; an item's field ("suma2", "period13") without a
// value of its own takes the value of its name without the item's digit.
inline Record sampleDocument(const TableDef &def)
{
    using namespace Qt::StringLiterals;
    static const QHash<QString, QString> values = {
        {u"dobanka"_s, u"Банка ДСК ЕАД"_s},
        {u"clon"_s, u"клон Габрово"_s},
        {u"adress"_s, u"ул. Радецки 5"_s},
        {u"grad"_s, u"Габрово"_s},
        {u"regno"_s, u"4711"_s},
        {u"pdate"_s, u"05.03.2010"_s},
        {u"poluchatel"_s, u"ТД на НАП Велико Търново"_s},
        {u"ibanp"_s, u"BG88BNBG96618000195001"_s},
        {u"bicp"_s, u"BNBGBGSD"_s},
        {u"bankap"_s, u"БНБ - Централно управление"_s},
        {u"paytypep"_s, u"110000"_s},
        {u"paytype"_s, u"442100"_s},
        {u"valuta"_s, u"EUR"_s},
        {u"suma"_s, u"1309.50"_s},
        {u"suma1"_s, u"1000.00"_s},
        {u"suma2"_s, u"234.50"_s},
        {u"suma3"_s, u"50.00"_s},
        {u"suma4"_s, u"25.00"_s},
        {u"osnovanie"_s, u"ДДС за февруари 2010"_s},
        {u"poiasnenia"_s, u"Справка-декларация по ЗДДС"_s},
        {u"viddoc"_s, u"1"_s},
        {u"docnum"_s, u"0012345"_s},
        {u"docdate"_s, u"14.03.2010"_s},
        {u"period1"_s, u"01.02.2010"_s},
        {u"period2"_s, u"28.02.2010"_s},
        {u"uridic"_s, u"Алфа Транс ООД"_s},
        {u"bulstat"_s, u"123456789"_s},
        {u"egn"_s, u"7501020018"_s},
        {u"lnc"_s, u"1001234567"_s},
        {u"nareditel"_s, u"Алфа Транс ООД"_s},
        {u"ibann"_s, u"BG18RZBB91550123456789"_s},
        {u"bicn"_s, u"RZBBBGSF"_s},
        {u"paysystem"_s, u"БИСЕРА"_s},
        {u"tax"_s, u"2"_s},
        {u"workdate"_s, u"05.03.2010"_s},
        {u"paytypen"_s, u"110000"_s},
        {u"paragraf"_s, u"1012 Заплати на персонала"_s},
        {u"workkod"_s, u"3326"_s},
        {u"budjetkod"_s, u"1234567890123"_s},
        {u"sebra"_s, u"10"_s},
    };
    Record r(def);
    r.setKey(7);
    for (const FieldDef &f : def.fields) {
        QString name = f.name.toLower();
        if (!values.contains(name) && name.size() > 1 && name.back().isDigit())
            name.chop(1);
        const QString v = values.value(name);
        if (v.isEmpty())
            continue;
        switch (f.type) {
        case FieldType::Text: r.setText(f.name, v); break;
        case FieldType::Money: r.setMoney(f.name, ParseAmount(v)); break;
        case FieldType::Date: r.setDate(f.name, DateFromText(v)); break;
        case FieldType::Int16:
        case FieldType::Int32: r.setInteger(f.name, v.toInt()); break;
        case FieldType::Double:
        case FieldType::Boolean: break;
        }
    }
    return r;
}

// Both of the above: the values as on a real document where they are given,
// every other field named after itself.
inline Record sampleFull(const QString &kind)
{
    Record r = sampleRecord(kind);
    const Record real = sampleDocument(r.def());
    const Record blank(r.def());
    for (int i = 0; i < r.size(); ++i)
        if (!(real.at(i) == blank.at(i)))
            r.set(i, real.at(i));
    return r;
}

}  // namespace remitor::test
