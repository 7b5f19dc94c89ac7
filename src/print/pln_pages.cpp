#include "print/pln_pages.h"

#include "print/form_style.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

constexpr int kLeft = 1890;    // the order block, as the bank's form frames it
constexpr int kRight = 9615;
constexpr int kWidth = kRight - kLeft;
constexpr int kMiddle = 5752;  // the two halves of the second page's block
// The statistics block as it stands on the credit transfer order; another
// form moves it up or down as a whole.
constexpr int kForeignTop = 5170;

PageElement line(int top) { return hline(kLeft, top, kWidth); }

// The frame ends under the fee's row, or under the execution date's row.
int frameBottom(bool bankFee)
{
    return bankFee ? 4965 : 4660;
}

const QString kSigner = u"подпис на наредителя"_s;

TransferOrderText creditTransferText()
{
    TransferOrderText t;
    t.subtitle = u"за кредитен превод"_s;
    t.upperName = u"Poluchatel"_s;
    t.upperNameCaption = u"Платете на - име на получателя"_s;
    t.upperIbanCaption = u"IBAN на получателя:"_s;
    t.upperBicCaption = u"BIC на банката на получателя"_s;
    t.upperBankCaption = u"При банка - име на банката на получателя"_s;
    t.reasonCaption = u"Основание за превод - информация за  получателя"_s;
    t.lowerName = u"nareditel"_s;
    t.lowerNameCaption = u"Наредител - име"_s;
    t.lowerIbanCaption = u"IBAN на наредителя"_s;
    t.lowerBicCaption = u"BIC на банката на наредителя"_s;
    return t;
}

PageLayout buildPln()
{
    PageLayout p;
    p.name = u"PrintPln"_s;
    p.elements = TransferOrderBlock(creditTransferText());
    p.elements << ForeignPersonsBlock(TransferOrderBottom(true)) << SignatureRow(8040, kSigner);
    return p;
}

PageLayout buildPln2()
{
    PageLayout p;
    p.name = u"PrintPln2"_s;
    p.elements = TransferOrderBlock(creditTransferText());
    p.elements << PaymentDeclaration(1950, 5250) << SignatureRow(5950, kSigner);
    return p;
}

}  // namespace

int TransferOrderBottom(bool bankFee)
{
    return frameBottom(bankFee) + kForeignTop - frameBottom(true);
}

QList<PageElement> BankHeader()
{
    QList<PageElement> e;
    // The bank the order goes to, its branch and address; the town and the
    // bank's own fields on the right.
    e << caption(u"До"_s, 1950, 78, kHeader)
      << value(u"DoBanka"_s, 2550, 60, 3465, kValueHeight, kValue) << hline(2550, 290, 3465, 8)
      << caption(u"Клон"_s, 1950, 408, kHeader)
      << value(u"Clon"_s, 2550, 390, 3465, kValueHeight, kValue) << hline(2550, 620, 3465, 8)
      << caption(u"Адрес"_s, 1950, 708, kHeader)
      << value(u"Adress"_s, 2550, 690, 3465, kValueHeight, kValue) << hline(2550, 920, 3465, 8)
      << value(u"Grad"_s, 6270, 60, 3285, kValueHeight, kValue) << hline(6270, 290, 3285, 8)
      << caption(u"дата на представяне"_s, 6270, 435, kSmall)
      << value(u"pDate"_s, 7845, 390, 0, kValueHeight, kValue) << hline(7845, 620, 1710, 8)
      << caption(u"уникален регистрационен номер"_s, 6270, 740, kSmall)
      << box(8320, 700, 1235, 220, FormBoxColour);
    return e;
}

// Everything down to the explanation of the charges: the bank's header,
// the framed order with its rows, and the footnote.
QList<PageElement> TransferOrderBlock(const TransferOrderText &t)
{
    QList<PageElement> e = BankHeader();
    const int bottom = frameBottom(t.bankFee);
    e << frame(kLeft, 1050, kWidth, bottom - 1050, 20);

    // The upper party.
    e << caption(t.upperNameCaption, 1950, 1058, kTiny)
      << value(t.upperName, 1950, 1170, 7575, kValueHeight, kValue);
    e << line(1430) << vline(7080, 1430, 430) << caption(t.upperIbanCaption, 1950, 1438, kTiny)
      << boxedValue(u"IBANp"_s, 2160, 1575, 22, kSpread, ValueFormat::Iban, 170)
      << caption(t.upperBicCaption, 7140, 1438, kTiny)
      << boxedValue(u"BICp"_s, 7320, 1575, 8, kSpread, ValueFormat::Spread, 170);
    e << line(1860) << caption(t.upperBankCaption, 1950, 1868, kTiny)
      << value(u"Bankap"_s, 1980, 1980, 7575, kValueHeight, kValue);

    // The title of the form beside the currency and the amount.
    e << line(2200) << vline(4900, 2200, 450) << vline(5850, 2200, 450)
      << caption(u"ПЛАТЕЖНО НАРЕЖДАНЕ"_s, 1950, 2235, kTitle)
      << caption(t.subtitle, 1950, 2450, kSubtitle) << caption(u"Вид валута"_s, 4960, 2210, kTiny)
      << boxedValue(u"valuta"_s, 5280, 2370, 3, kSpread, ValueFormat::SpreadUpper, 170)
      << caption(u"Сума"_s, 5910, 2210, kTiny) << box(6390, 2285, 3150, 270, FormBoxColour)
      << value(u"suma"_s, 6420, 2310, 3045, 240, kAmount).as(ValueFormat::AmountOrNone);
    e << crossingFrame(u"SumNul"_s, 6390, 2285, 3150, 270, u"suma"_s);

    e << line(2650) << caption(t.reasonCaption, 1950, 2658, kTiny)
      << value(u"osnovanie"_s, 2010, 2790, 7515, kValueHeight, kValue);
    e << line(3030) << caption(u"Още пояснения"_s, 1950, 3038, kTiny)
      << value(u"poiasnenia"_s, 1980, 3180, 7575, kValueHeight, kValue);

    // The lower party.
    e << line(3440) << caption(t.lowerNameCaption, 1950, 3450, kTiny)
      << value(t.lowerName, 2010, 3600, 7575, kValueHeight, kValue);
    e << line(3825) << vline(7080, 3825, 405) << caption(t.lowerIbanCaption, 1950, 3833, kTiny)
      << boxedValue(u"IBANn"_s, 2130, 4020, 22, kSpread, ValueFormat::Iban, 170)
      << caption(t.lowerBicCaption, 7140, 3833, kTiny)
      << boxedValue(u"BICn"_s, 7920, 4020, 8, kSpread, ValueFormat::Spread, 170);

    // Payment system, charges, execution date.
    e << line(4230) << vline(5760, 4230, 430) << vline(6300, 4230, 430)
      << caption(u"Платежна система"_s, 1950, 4240, kTiny)
      << value(u"paysystem"_s, 1980, 4410, 3735, kValueHeight, kValue)
      << caption(u"Такси*"_s, 5800, 4240, kTiny) << spreadBoxes(6045, 4440, 1, kSpread)
      << value(u"tax"_s, 6045, 4440, 135, 170, kSpread)
      << caption(u"Дата на изпълнение"_s, 6360, 4430, kSmall)
      << digitBoxes(u"workDate"_s, 7760, 4390, 6, 230, 220, kDigit, FormBoxColour, 2, 115)
             .as(ValueFormat::DateBoxes);

    // The bank's fee.
    if (t.bankFee) {
        e << line(4660) << vline(6300, 4660, 305) << vline(7050, 4660, 305)
          << captionIn(
                 u"Такса, съгласно Тарифата за лихвите, таксите и комисионните за физически/юридически лица"_s,
                 1950, 4670, 4300, 285, kTiny, Align::Left, true)
          << box(6360, 4700, 660, 240, FormBoxColour)
          << value(u"TAXvaluta"_s, 6390, 4740, 615, kValueHeight, kValue)
          << caption(u"Сума"_s, 7110, 4760, kTiny) << box(7710, 4700, 1815, 240, FormBoxColour)
          << value(u"TAXsuma"_s, 7740, 4725, 1755, kValueHeight, kValue).as(ValueFormat::Amount);
    }

    e << caption(u"*Такси:"_s, kLeft, bottom + 30, kSmallBold)
      << caption(
             u"1 - за сметка на наредителя; 2 - споделена(стандарт за местни преводи); 3 - за сметка на получателя"_s,
             2380, bottom + 30, kSmall);
    return e;
}

QList<PageElement> ForeignPersonsBlock(int top)
{
    // The block is drawn where the credit transfer order has it, then moved.
    QList<PageElement> e;
    e << frame(kLeft, 5170, kWidth, 2850, 15)
      << caption(
             u"Попълва се при преводи между местни и чуждестранни лица в страната, на стойност равна или"_s,
             1950, 5200, kSmall)
      << caption(
             u"надвишаваща сумата по чл.2, ал.1, т.1 от Наредба No: 27 на БНБ за статистиката на платежния баланс"_s,
             1950, 5340, kSmall);

    // Payer and payee, side by side.
    e << line(5500) << vline(kMiddle, 5500, 1140) << line(6640);
    e << caption(u"Данни за наредителя"_s, 1950, 5530, kSmallBold)
      << check(u"Checkn1"_s, u"местно лице"_s, 2010, 5715, 120, kSmall, u"narMode"_s, 0)
      << check(u"Checkn2"_s, u"чуждестранно лице"_s, 3300, 5715, 120, kSmall, u"narMode"_s, 1)
      << caption(u"Държава на наредителя"_s, 1950, 5890, kTiny)
      << value(u"countryN"_s, 2010, 6030, 3675, kValueHeight, kValue)
      << caption(u"Адрес на наредителя"_s, 1950, 6265, kTiny)
      << value(u"adressN"_s, 2010, 6380, 3675, kValueHeight, kValue);
    e << caption(u"Данни за получателя"_s, kMiddle + 60, 5530, kSmallBold)
      << check(u"Checkp1"_s, u"местно лице"_s, kMiddle + 120, 5715, 120, kSmall, u"polMode"_s, 0)
      << check(u"Checkp2"_s, u"чуждестранно лице"_s, kMiddle + 1410, 5715, 120, kSmall,
               u"polMode"_s, 1)
      << caption(u"Държава на получателя"_s, kMiddle + 60, 5890, kTiny)
      << value(u"countryP"_s, kMiddle + 120, 6030, 3675, kValueHeight, kValue)
      << caption(u"Адрес на получателя"_s, kMiddle + 60, 6265, kTiny)
      << value(u"adressP"_s, kMiddle + 120, 6380, 3675, kValueHeight, kValue);

    e << caption(u"Описание на икономическата същност на превода"_s, 1950, 6660, kTiny)
      << textArea(u"Note"_s, 1980, 6780, 7575, 560, kNote).as(ValueFormat::Trimmed);

    e << line(7380)
      << caption(u"При превод на средства във връзка с вече представени от или на чуждестранно"_s,
                 1950, 7420, kSmall)
      << caption(u"лице финансов кредит"_s, 1950, 7560, kSmall)
      << caption(u"Номер на БНБ"_s, 7770, 7535, kTiny)
      << boxedValue(u"BNBno"_s, 7830, 7680, 15, kSpreadSmall, ValueFormat::Spread, 115);
    e << line(7830)
      << caption(
             u"Известно ми е, че за посочването на неверни данни нося отговорност по чл. 313 от Наказателния кодекс."_s,
             1950, 7860, kSmall);
    for (PageElement &el : e) el.top += top - kForeignTop;
    return e;
}

QList<PageElement> SignatureRow(int top, const QString &signer)
{
    return {caption(signer, 1950, top, kSmall), hline(3350, top + 120, 2150, 8),
            caption(u"банка"_s, 6300, top, kSmall), hline(6700, top + 120, 2855, 8)};
}

QList<PageElement> PaymentDeclaration(int left, int top)
{
    return {
        caption(u"Декларация:"_s, left, top, kTextBold),
        caption(
            u"Декларирам, че съм получил информацията, свързана с изпълнение на платежната операция,"_s,
            left, top + 180, kText),
        caption(u"съгласно изискванията на Закона за платежните услуги и платежните системи."_s,
                left, top + 350, kText)};
}

const PageLayout &PrintPlnLayout()
{
    return BuiltOnce<&buildPln>();
}

const PageLayout &PrintPln2Layout()
{
    return BuiltOnce<&buildPln2>();
}

const KindPrint &CreditTransferPrint()
{
    // "Печата част втора" chooses the page with the second page's block;
    // without it the page carries the declaration.
    static const KindPrint print{&PrintPln2Layout, &PrintPlnLayout};
    return print;
}

}  // namespace remitor
