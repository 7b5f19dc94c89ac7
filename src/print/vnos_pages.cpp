#include "print/vnos_pages.h"

#include "print/form_style.h"
#include "print/pln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

PageLayout build()
{
    PageLayout p;
    p.name = u"PrintVnos"_s;
    p.elements = CounterSlipBlock({u"В полза на - име"_s,
                                   u"Nareditel"_s,
                                   u"IBAN на получателя"_s,
                                   u"IBANp"_s,
                                   u"При банка - банка, име"_s,
                                   u"BankaP"_s,
                                   u"ВНОСНА БЕЛЕЖКА"_s,
                                   {}},
                                  3830);
    QList<PageElement> &e = p.elements;
    e << captionedRow(kFormLeft, kFormRight, CounterSlipRows, u"Вносител - име"_s, u"Vnositel"_s)
      << captionedRow(kFormLeft, kFormRight, CounterSlipRows + 380, u"Основание за внасяне"_s,
                      u"Osnovanie"_s);
    // The one who pays in signs; the bank's clerk and the cashier take it.
    constexpr int sign = 4100;
    e << caption(u"подпис на вносителя"_s, 1950, sign, kSmall) << hline(3300, sign + 120, 1500, 8)
      << caption(u"Банков служител"_s, 5000, sign, kSmall) << hline(6100, sign + 120, 1200, 8)
      << caption(u"Касиер"_s, 7500, sign, kSmall) << hline(8050, sign + 120, 1505, 8);
    return p;
}

}  // namespace

QList<PageElement> CounterSlipBlock(const CounterSlipText &t, int bottom)
{
    QList<PageElement> e = BankHeader();
    e << frame(kFormLeft, 1050, kFormWidth, bottom - 1050, 20)
      << captionedRow(kFormLeft, kFormRight, 1050, t.holderCaption, t.holder);
    e << hline(kFormLeft, 1430, kFormWidth) << caption(t.ibanCaption, 1950, 1440, kTiny)
      << boxedValue(t.iban, 2160, 1580, 22, kSpread, ValueFormat::Iban, 170)
      << captionedRow(kFormLeft, kFormRight, 1860, t.bankCaption, t.bank);

    // The title beside the currency and the amount, paid in cash.
    e << hline(kFormLeft, 2240, kFormWidth) << vline(4900, 2240, 450) << vline(5850, 2240, 450)
      << caption(t.title, 1950, 2285, kTitle) << caption(t.subtitle, 1950, 2490, kSubtitle)
      << caption(u"Вид валута"_s, 4960, 2250, kTiny)
      << boxedValue(u"valuta"_s, 5280, 2420, 3, kSpread, ValueFormat::SpreadUpper, 170)
      << caption(u"Сума"_s, 5910, 2250, kTiny) << box(6390, 2330, 2600, 270, FormBoxColour)
      << value(u"suma"_s, 6420, 2355, 2545, 240, kAmount).as(ValueFormat::AmountOrNone)
      << crossingFrame(u"SumNul"_s, 6390, 2330, 2600, 270, u"suma"_s)
      << caption(u"в брой"_s, 9060, 2400, kSmall);

    // The words of the amount as the editor writes them.
    QList<PageElement> words = captionedRow(kFormLeft, kFormRight, 2690, u"С думи"_s, u"dumi"_s);
    words.last() = words.last().as(ValueFormat::WordsBG, u"suma"_s);
    return e << words;
}

const PageLayout &PrintVnosLayout()
{
    return BuiltOnce<&build>();
}

const KindPrint &DepositSlipPrint()
{
    // An empty currency prints, and stays, as the national currency.
    static const KindPrint print{.page = &PrintVnosLayout, .currencyRequired = true};
    return print;
}

}  // namespace remitor
