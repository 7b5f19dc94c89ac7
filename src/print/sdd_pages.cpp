#include "print/sdd_pages.h"

#include "print/form_style.h"
#include "print/pln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

// The consent as the banks' form has it: the payer's bank at the top, the
// heading, then one sentence in rows: whom the payer pays, up to how much,
// from which account, how long and on what terms, and who the payer is.
PageLayout build()
{
    PageLayout p;
    p.name = u"PrintSDD"_s;
    QList<PageElement> &e = p.elements;
    e = BankHeader();
    e << captionIn(u"СЪГЛАСИЕ"_s, kFormLeft, 1130, kFormWidth, 300, kTitle, Align::Center)
      << captionIn(u"за директен дебит"_s, kFormLeft, 1410, kFormWidth, 250, kSubtitle,
                   Align::Center);

    constexpr int top = 1750, bottom = 4820;
    e << frame(kFormLeft, top, kFormWidth, bottom - top, 20)
      << captionedRow(kFormLeft, kFormRight, top,
                      u"С настоящото се съгласяваме да плащаме по искане"_s, u"Poluchatel"_s)
      << captionIn(u"име на получателя по директен дебит"_s, kFormLeft, 2120, kFormWidth - 120, 150,
                   kTiny, Align::Right);

    e << hline(kFormLeft, 2300, kFormWidth)
      << caption(u"при условие на директен дебит в размер на:"_s, 1950, 2400, kText)
      << box(6390, 2370, 3150, 270, FormBoxColour)
      << value(u"Razmer"_s, 6420, 2395, 3045, 240, kAmount);

    e << hline(kFormLeft, 2720, kFormWidth)
      << caption(u"срещу наша сметка при нас N:"_s, 1950, 2830, kText)
      << boxedValue(u"IBANn"_s, 4650, 2820, 22, kSpread, ValueFormat::Iban, 170);

    e << captionedRow(kFormLeft, kFormRight, 3150, u"Срок на валидност:"_s, u"srok"_s)
      << hline(kFormLeft, 3570, kFormWidth) << caption(u"Условия:"_s, 1950, 3580, kTiny)
      << textArea(u"uslovia"_s, 2010, 3710, 7515, 640, kNote)
      << captionedRow(kFormLeft, kFormRight, 4400, u"Платец - име"_s, u"Platec"_s);

    e << SignatureRow(5050, u"подпис на платеца"_s);
    return p;
}

}  // namespace

const PageLayout &PrintSDDLayout()
{
    return BuiltOnce<&build>();
}

const KindPrint &DirectDebitConsentPrint()
{
    // The print choice stands where this editor's form leaves room for it.
    static const KindPrint print{&PrintSDDLayout, nullptr, nullptr, {0, 1400}, 3850};
    return print;
}

}  // namespace remitor
