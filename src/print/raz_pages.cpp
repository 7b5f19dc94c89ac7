#include "print/raz_pages.h"

#include "print/form_style.h"
#include "print/pln_pages.h"
#include "print/vnos_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

PageLayout build()
{
    PageLayout p;
    p.name = u"PrintRaz"_s;
    p.elements =
        CounterSlipBlock({u"Наредител - име"_s, u"Nareditel"_s, u"IBAN на наредителя"_s, u"IBANn"_s,
                          u"При банка - банка, име"_s, u"BankaN"_s, u"НАРЕЖДАНЕ"_s, u"Платете"_s},
                         3830);
    QList<PageElement> &e = p.elements;
    constexpr int id = CounterSlipRows + 380;  // the identity document's row
    e << captionedRow(kFormLeft, kFormRight, CounterSlipRows,
                      u"Упълномощавам - трите имена на лицето, упълномощено да получи сумата"_s,
                      u"Poluchatel"_s)
      << hline(kFormLeft, id, kFormWidth) << caption(u"Паспорт, серия N:"_s, 1950, id + 110, kSmall)
      << boxedValue(u"pasport"_s, 3600, id + 90, 10, kSpread, ValueFormat::Spread, 170)
      << caption(u"ЕГН"_s, 6300, id + 110, kSmall)
      << boxedValue(u"EGN"_s, 6800, id + 90, 10, kSpread, ValueFormat::Spread, 170);
    e << SignatureRow(3950, u"подпис на наредителя"_s);

    // The receipt of the person who collects the cash.
    constexpr int receipt = 4350;
    PageElement extra = value(u"lblSuma"_s, 1950, receipt + 660, 7575, kValueHeight, kValue);
    extra.format = ValueFormat::Window;
    e << frame(kFormLeft, receipt, kFormWidth, 1250, 20)
      << captionIn(u"РАЗПИСКА"_s, kFormLeft, receipt + 60, kFormWidth, 300, kTitle, Align::Center)
      << caption(u"Получих сумата"_s, 1950, receipt + 420, kText) << extra
      << caption(u"подпис на получателя"_s, 1950, receipt + 1020, kSmall)
      << hline(3350, receipt + 1140, 2150, 8) << caption(u"Касиер"_s, 6300, receipt + 1020, kSmall)
      << hline(6900, receipt + 1140, 2655, 8);
    return p;
}

}  // namespace

const PageLayout &PrintRazLayout()
{
    return BuiltOnce<&build>();
}

const KindPrint &OrderReceiptPrint()
{
    static const KindPrint print{.page = &PrintRazLayout, .currencyRequired = true};
    return print;
}

}  // namespace remitor
