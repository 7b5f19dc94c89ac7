#pragma once

#include "store/record.h"
#include "store/schema.h"

#include <QDate>
#include <QString>
#include <utility>

namespace remitor::test {

inline void setTexts(Record &r, std::initializer_list<std::pair<QString, QString>> texts)
{
    for (const auto &[field, text] : texts) r.setText(field, text);
}

// A transfer of 12 345.67 USD to a Swiss supplier, filled as a user fills it.
inline Record foreignOrder()
{
    using namespace Qt::StringLiterals;
    Record r(tableDef(DbKind::Main, u"PlnMTable"_s));
    r.setKey(4);
    setTexts(r, {{u"DoBanka"_s, u"Уникредит Булбанк АД"_s},
                 {u"Centre"_s, u"Габрово"_s},
                 {u"Adress"_s, u"ул. Брянска 2"_s},
                 {u"pDate"_s, u"05 март 2010 г."_s},
                 {u"Poluchatel"_s, u"Alpenmechanik AG"_s},
                 {u"Addressp"_s, u"Zürich, Bahnhofstrasse 12"_s},
                 {u"IBANp"_s, u"CH9300762011623852957"_s},
                 {u"BICp"_s, u"UBSWCHZH"_s},
                 {u"Bankap"_s, u"UBS Switzerland AG"_s},
                 {u"BankAdr"_s, u"Zürich, Paradeplatz 6"_s},
                 {u"CorespBank"_s, u"Citibank N.A., New York"_s},
                 {u"valuta"_s, u"USD"_s},
                 {u"Osnovanie"_s, u"Invoice 2010-114, pump parts"_s},
                 {u"Nareditel"_s, u"Алфа Транс ООД"_s},
                 {u"NarAddress"_s, u"Габрово, ул. Брянска 12"_s},
                 {u"Bulstat"_s, u"123456786"_s},
                 {u"IBANn"_s, u"BG18RZBB91550123456789"_s},
                 {u"BICn"_s, u"RZBBBGSF"_s},
                 {u"TAXvaluta"_s, u"EUR"_s},
                 {u"countryN"_s, u"BG"_s},
                 {u"countryP"_s, u"CHE"_s},
                 {u"adressN"_s, u"Габрово, ул. Брянска 12"_s},
                 {u"adressP"_s, u"Zürich, Bahnhofstrasse 12"_s},
                 {u"Note"_s, u"Внос на резервни части за помпи по договор 14/2010"_s},
                 {u"BNBno"_s, u"XQ0012345678901"_s}});
    r.setMoney(u"suma"_s, Money::fromUnits(12345, 67));
    r.setMoney(u"TAXsuma"_s, Money::fromUnits(25));
    r.setInteger(u"SHA"_s, 1);
    r.setInteger(u"Express"_s, 1);
    r.setInteger(u"polMode"_s, 1);
    r.setDate(u"workDate"_s, QDate(2010, 3, 5));
    return r;
}

// Buys pounds for 2 934.17 leva from a lev account, to a pound account;
// sells 21 000 francs, paid out in leva at the cash desk, with words the
// user typed himself.
inline Record buySellOrder()
{
    using namespace Qt::StringLiterals;
    Record r(tableDef(DbKind::Main, u"BuyTable"_s));
    r.setKey(2);
    setTexts(r, {{u"DoBanka"_s, u"Банка ДСК ЕАД"_s},
                 {u"Centre"_s, u"Габрово"_s},
                 {u"Address"_s, u"ул. Радецки 5"_s},
                 {u"Titul"_s, u"Алфа Транс ООД"_s},
                 {u"IDnomer"_s, u"123456786"_s},
                 {u"RegNo"_s, u"ФД 1234/2009"_s},
                 {u"Valuta0"_s, u"BGN"_s},
                 {u"IBAN10"_s, u"BG80BNBG96611020345678"_s},
                 {u"kurs0"_s, u"продава"_s},
                 {u"vidValuta0"_s, u"GBP"_s},
                 {u"Valuta20"_s, u"GBP"_s},
                 {u"IBAN20"_s, u"BG18RZBB91550123456789"_s},
                 {u"Mesto0"_s, u"Габрово"_s},
                 {u"Valuta1"_s, u"CHF"_s},
                 {u"IBAN11"_s, u"BG18RZBB91550123456789"_s},
                 {u"slovom1"_s, u"Двадесет и една хиляди швейцарски франка"_s},
                 {u"kurs1"_s, u"купува"_s},
                 {u"vidValuta1"_s, u"BGN"_s},
                 {u"Valuta21"_s, u"BGN"_s},
                 {u"Mesto1"_s, u"Габрово"_s}});
    r.setMoney(u"suma0"_s, Money::fromUnits(2934, 17));
    // The words as the editor keeps them: cut to the field's 85 characters.
    r.setText(u"slovom0"_s,
              u"Две Хиляди Деветстотин Тридесет и Четири лв. 17 ст.   /   "
              u"Two Thousand Nine Hundred Thirty Four BGN and Seventeen Cents"_s);
    r.setMoney(u"suma1"_s, Money::fromUnits(21000));
    r.setInteger(u"Check10"_s, 1);
    r.setInteger(u"Check21"_s, 1);
    r.setDate(u"workDate0"_s, QDate(2010, 3, 5));
    r.setDate(u"workDate1"_s, QDate(2010, 3, 8));
    return r;
}

}  // namespace remitor::test
