#pragma once

#include "documents/kinds.h"
#include "print/pln_pages.h"

#include <QDate>

namespace remitor::test {

// The credit transfer order's page, and its filling, as the print command makes them.
inline const PageLayout &plnPage(bool secondPage) { return CreditTransferPrint().layout(secondPage); }
inline PageFill fillPln(const Record &r, bool secondPage, bool colour)
{
    using namespace Qt::StringLiterals;
    return FillPage(plnPage(secondPage), r, kindById(u"Pln"_s).printSubject(), colour);
}

// A credit transfer order with both pages filled, leading and trailing
// blanks where a user leaves them.
inline Record order()
{
    using namespace Qt::StringLiterals;
    Record r(tableDef(DbKind::Main, u"PlnTable"_s));
    r.setKey(7);
    r.setText(u"DoBanka"_s, u"  Банка ДСК ЕАД"_s);
    r.setText(u"poluchatel"_s, u"  Водоснабдяване ЕООД"_s);
    r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
    r.setText(u"BICp"_s, u"BNBGBGSD"_s);
    r.setText(u"valuta"_s, u"bgn"_s);
    r.setMoney(u"suma"_s, Money::fromUnits(1234, 50));
    r.setText(u"IBANn"_s, u"BG18RZBB91550123456789"_s);
    r.setText(u"BICn"_s, u"RZBBBGSF"_s);
    r.setInteger(u"tax"_s, 2);
    r.setDate(u"workDate"_s, QDate(2010, 3, 5));
    r.setText(u"countryN"_s, u" България "_s);
    r.setText(u"note"_s, u"  Заем от чуждестранно лице  "_s);
    r.setText(u"BNBno"_s, u" 123AB "_s);
    // The rest of the form, as a user fills it.
    const std::pair<QString, QString> texts[] = {
        {u"clon"_s, u"Русе"_s}, {u"adress"_s, u"ул. Александровска 14"_s}, {u"grad"_s, u"Габрово"_s},
        {u"pdate"_s, u"05 март 2010 г."_s}, {u"Bankap"_s, u"Българска народна банка"_s},
        {u"osnovanie"_s, u"Фактура 1002003"_s}, {u"poiasnenia"_s, u"Вода за февруари"_s},
        {u"nareditel"_s, u"Алфа Транс ООД"_s}, {u"paySystem"_s, u"БИСЕРА"_s}, {u"TAXvaluta"_s, u"BGN"_s},
        {u"adressN"_s, u"Габрово, ул. Брянска 12"_s}, {u"countryP"_s, u"Германия"_s},
        {u"adressP"_s, u"Берлин, Фридрихщрасе 44"_s}};
    for (const auto &[field, text] : texts)
        r.setText(field, text);
    r.setMoney(u"TAXsuma"_s, Money::fromUnits(2, 40));
    r.setBoolean(u"polMode"_s, true);
    return r;
}

}  // namespace remitor::test
