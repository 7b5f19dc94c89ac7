#include "print/mass_pages.h"

#include "print/form_style.h"
#include "print/pln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

constexpr int kBox = 150;  // the check boxes of the kind and the medium

// The three kinds of order, each a heading in both languages and what the
// bank is asked to do.
struct KindRow {
    const char16_t *heading, *headingEn, *asked, *askedEn;
};
constexpr KindRow kKinds[] = {
    {u"НАРЕЖДАНЕ ЗА ГРУПОВО ПЛАЩАНЕ", u"MASS PAYMENT ORDER", u"Платете от наше име",
     u"Pay on our behalf"},
    {u"НАРЕЖДАНЕ ЗА ГРУПОВИ ДИРЕКТНИ ДЕБИТИ", u"MASS DIRECT DEBIT ORDER", u"Съберете в наша полза",
     u"Coleeect in our favour"},
    {u"НАРЕЖДАНЕ ЗА ГРУПОВО ПЛАЩАНЕ В СЕБРА", u"MASS PAYMENT ORDER VIA SEBRA",
     u"Излъчете в СЕБРА от наше име", u""},
};

// The media, each with the left of its box on the row.
constexpr std::pair<const char16_t *, int> kMedia[] = {
    {u"Хартия", 1950},
    {u"Дискета", 3150},
    {u"Електронен файл, подписан с цифров сертификат", 4400},
    {u"Универсален ел.подпис", 7900},
};

// What both pages carry, from `top` down (3600 twips): the kind of order,
// the client with its accounts, the total and the rows, and the medium.
QList<PageElement> orderFields(int top, ValueFormat total)
{
    QList<PageElement> e;
    constexpr int base = 1050;  // written for the order's page, then moved
    e << frame(kFormLeft, base, kFormWidth, 1020, 20);
    for (int i = 0; i < 3; ++i) {
        const KindRow &k = kKinds[i];
        const int y = base + 50 + i * 330;
        e << check(u"vid%1"_s.arg(i), {}, 1980, y + 60, kBox, kSmall, u"vid"_s, i)
          << caption(QString::fromUtf16(k.heading), 2250, y, kSmallBold)
          << caption(QString::fromUtf16(k.headingEn), 2250, y + 150, kSmall)
          << caption(QString::fromUtf16(k.asked), 6450, y, kSmall)
          << caption(QString::fromUtf16(k.askedEn), 6450, y + 150, kSmall);
    }

    e << frame(kFormLeft, 2150, kFormWidth, 2150, 20)
      << captionedRow(kFormLeft, kFormRight, 2150, u"Клиент / Customer"_s, u"Nareditel"_s);
    // The client's account and the second account, each with its bank's code.
    for (const auto &[row, iban, bic, label] :
         {std::tuple{2530, u"IBANn"_s, u"BICn"_s, u"IBAN при Вас"_s},
          std::tuple{3390, u"IBANp"_s, u"BICp"_s, u"IBAN"_s}}) {
        e << hline(kFormLeft, row, kFormWidth) << vline(7080, row, 430)
          << caption(label, 1950, row + 10, kTiny)
          << boxedValue(iban, 2160, row + 170, 22, kSpread, ValueFormat::Iban, 170)
          << caption(u"BIC"_s, 7140, row + 10, kTiny)
          << boxedValue(bic, 7320, row + 170, 8, kSpread, ValueFormat::Spread, 170);
    }
    e << hline(kFormLeft, 2960, kFormWidth) << caption(u"Код по МФ в СЕБРА"_s, 1950, 2970, kTiny)
      << boxedValue(u"SEBRA"_s, 2160, 3130, 15, kSpread, ValueFormat::Spread, 170);

    e << hline(kFormLeft, 3820, kFormWidth) << vline(3300, 3820, 480) << vline(6800, 3820, 480)
      << caption(u"Вид валута / Currency"_s, 1950, 3830, kTiny)
      << boxedValue(u"valuta"_s, 2160, 4040, 3, kSpread, ValueFormat::SpreadUpper, 170)
      << caption(u"Обща сума / Total Amount"_s, 3360, 3830, kTiny)
      << box(3390, 3990, 3330, 260, FormBoxColour)
      << value(u"suma"_s, 3420, 4010, 3270, 240, kAmount).as(total)
      << caption(u"Брой редове / Number of rows"_s, 6860, 3830, kTiny)
      << value(u"rows"_s, 6920, 4010, 2600, kValueHeight, kValue);

    for (int i = 0; i < 4; ++i)
        e << check(u"nositel%1"_s.arg(i), QString::fromUtf16(kMedia[i].first), kMedia[i].second,
                   4400, kBox, kSmall, u"nositel"_s, i);
    for (PageElement &el : e) el.top += top - base;
    return e;
}

PageLayout buildOrder()
{
    PageLayout p;
    p.name = u"PrintMass"_s;
    QList<PageElement> &e = p.elements;
    e = BankHeader();
    e << orderFields(1050, ValueFormat::Amount);

    // The client's declarations, in both languages.
    constexpr int y = 4720, pitch = 150;
    e << caption(u"ДЕКЛАРИРАМЕ,"_s, 1950, y, kSmallBold)
      << caption(u"че носителят включва нареждания за групови плащания/дебити, съдържащи всички"_s,
                 3020, y, kSmall)
      << caption(u"стандартни реквизити"_s, 1950, y + pitch, kSmall)
      << caption(u"WI DECLARE"_s, 1950, y + 2 * pitch, kSmallBold)
      << caption(
             u"The media includes mass payment/debit orders including all standart requisites"_s,
             2900, y + 2 * pitch, kSmall)
      << caption(
             u"Носителят (хартия, дискета) е запечатан в плик, който носи наш подпис и печат."_s,
             1950, y + 3 * pitch, kSmall)
      << caption(
             u"The media (paper, disk) has been sealed an envelope bearing our signatureand seal"_s,
             1950, y + 4 * pitch, kSmall)
      << caption(u"По отделните операции, подробно описани, съгласно условията по договор"_s, 1950,
                 y + 5 * pitch, kSmall)
      << caption(u"Under separate transactions detalied as per agrement"_s, 1950, y + 6 * pitch,
                 kSmall);
    e << PaymentDeclaration(1950, 5900);
    e << caption(u"Подписи на лцата, които се разпореждат"_s, 1950, 6650, kSmallBold)
      << hline(2000, 7100, 3000, 8) << hline(5800, 7100, 3000, 8);
    return p;
}

PageLayout buildDeclaration()
{
    PageLayout p;
    p.name = u"PrintDekl"_s;
    QList<PageElement> &e = p.elements;
    e = BankHeader();
    e << captionIn(u"ДЕКЛАРАЦИЯ по НАРЕЖДАНЕ ЗА ГРУПОВО ПЛАЩАНЕ"_s, kFormLeft, 1080, kFormWidth,
                   300, kTitle, Align::Center)
      << orderFields(1450, ValueFormat::AmountOrNone);

    // What the bank certifies on receiving the medium.
    constexpr int y = 5150;
    e << caption(
             u"Получихме носителя в запечатан в плик, носещ печата и подписите на оторизираните от клиента лица."_s,
             1950, y, kText)
      << caption(
             u"С наше клеймо и подпис на наш служител удостоверяваме, че приехме за обработка и изпълнение"_s,
             1950, y + 200, kText)
      << caption(u"описаните върху предоставения ни от нашия клиент носител."_s, 1950, y + 400,
                 kText);
    e << SignatureRow(6100, u"подпис на служителя"_s);
    return p;
}

}  // namespace

const PageLayout &PrintMassLayout()
{
    return BuiltOnce<&buildOrder>();
}

const PageLayout &PrintDeklLayout()
{
    return BuiltOnce<&buildDeclaration>();
}

const KindPrint &MassPaymentPrint()
{
    static const KindPrint print{&PrintMassLayout};
    return print;
}

const KindPrint &MassDeclarationPrint()
{
    static const KindPrint print{&PrintDeklLayout};
    return print;
}

}  // namespace remitor
