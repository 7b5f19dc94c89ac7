#include "print/sdd_pages.h"

#include "print/form_style.h"
#include "print/pln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

constexpr int kLeft = 1890;
constexpr int kRight = 9615;
constexpr int kWidth = kRight - kLeft;

// The consent as the banks' form has it: the payer's bank at the top, the
// heading, then one sentence in rows: whom the payer pays, up to how much,
// from which account, how long and on what terms, and who the payer is.
PageLayout build()
{
    PageLayout p;
    p.name = u"PrintSDD"_s;
    QList<PageElement> &e = p.elements;
    e = BankHeader();
    e << captionIn(u"СЪГЛАСИЕ"_s, kLeft, 1130, kWidth, 300, kTitle, Align::Center)
      << captionIn(u"за директен дебит"_s, kLeft, 1410, kWidth, 250, kSubtitle, Align::Center);

    constexpr int top = 1750, bottom = 4820;
    e << frame(kLeft, top, kWidth, bottom - top, 20)
      << captionedRow(kLeft, kRight, top, u"С настоящото се съгласяваме да плащаме по искане"_s,
                      u"Poluchatel"_s)
      << captionIn(u"име на получателя по директен дебит"_s, kLeft, 2120, kWidth - 120, 150, kTiny,
                   Align::Right);

    e << hline(kLeft, 2300, kWidth)
      << caption(u"при условие на директен дебит в размер на:"_s, 1950, 2400, kText)
      << box(6390, 2370, 3150, 270, FormBoxColour)
      << value(u"Razmer"_s, 6420, 2395, 3045, 240, kAmount);

    e << hline(kLeft, 2720, kWidth) << caption(u"срещу наша сметка при нас N:"_s, 1950, 2830, kText)
      << boxedValue(u"IBANn"_s, 4650, 2820, 22, kSpread, ValueFormat::Iban, 170);

    e << captionedRow(kLeft, kRight, 3150, u"Срок на валидност:"_s, u"srok"_s)
      << hline(kLeft, 3570, kWidth) << caption(u"Условия:"_s, 1950, 3580, kTiny)
      << textArea(u"uslovia"_s, 2010, 3710, 7515, 640, kNote)
      << captionedRow(kLeft, kRight, 4400, u"Платец - име"_s, u"Platec"_s);

    e << SignatureRow(5050, u"подпис на платеца"_s);
    return p;
}

}  // namespace

const PageLayout &PrintSDDLayout()
{
    static const PageLayout page = build();
    return page;
}

const KindPrint &DirectDebitConsentPrint()
{
    // The print choice stands where this editor's form leaves room for it.
    static const KindPrint print{&PrintSDDLayout, nullptr, nullptr, {0, 1400}, 3850};
    return print;
}

}  // namespace remitor
