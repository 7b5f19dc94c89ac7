#include "print/bpln_pages.h"

#include "print/form_style.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

constexpr int kLeft = 1000;
constexpr int kRight = 10900;
constexpr int kWidth = kRight - kLeft;
constexpr int kInner = kLeft + 60;
constexpr int kFrameTop = 860;
constexpr int kValueRow = 400;  // a caption over a text
constexpr int kBoxRow = 420;    // a caption over boxes
constexpr TextStyle kBoxDigit{FontFamily::Courier, 150, true};

PageElement line(int top)
{
    return hline(kLeft, top, kWidth);
}
PageElement tiny(const QString &text, int left, int top)
{
    return caption(text, left, top + 10, kTiny);
}
PageElement text(const QString &name, int left, int top, int width)
{
    return value(name, left, top + 140, width, kValueHeight, kValue);
}
// Digit boxes of a date (or a code) under their caption in a box row.
PageElement digits(const QString &name, int left, int top, int cells, int groupSize = 0)
{
    return digitBoxes(name, left, top + 190, cells, 175, 185, kBoxDigit, FormBoxColour, groupSize,
                      groupSize ? 90 : 0);
}
QList<PageElement> spread(const QString &name, int left, int top, int cells)
{
    return boxedValue(name, left, top + 190, cells, kSpread, ValueFormat::Spread, 170);
}

PageLayout buildBpln()
{
    PageLayout p;
    p.name = u"PrintBpln"_s;
    QList<PageElement> &e = p.elements;

    // The payer's bank and town, and the date the order is handed in.
    const std::pair<const char16_t *, const char *> bank[] = {
        {u"До", "DoBanka"}, {u"Клон", "Clon"}, {u"Адрес", "Adress"}};
    int top = 40;
    for (const auto &[label, name] : bank) {
        e << caption(QString::fromUtf16(label), kLeft, top + 18, kHeader)
          << value(QLatin1StringView(name), 1600, top, 4100, kValueHeight, kValue)
          << hline(1600, top + 230, 4100, 8);
        top += 260;
    }
    e << caption(u"Град"_s, 6000, 58, kHeader)
      << value(u"Grad"_s, 6700, 40, 4200, kValueHeight, kValue) << hline(6700, 270, 4200, 8)
      << caption(u"Номер и дата на подаване"_s, 6000, 338, kSmall)
      << value(u"pDate"_s, 8300, 300, 2600, kValueHeight, kValue) << hline(8300, 530, 2600, 8);

    top = kFrameTop;
    e << tiny(u"Платете на - име на получателя"_s, kInner, top)
      << text(u"Poluchatel"_s, kInner, top, kWidth - 120);
    top += kValueRow;
    e << line(top) << tiny(u"IBAN на получателя"_s, kInner, top)
      << boxedValue(u"IBANp"_s, 1150, top + 190, 22, kSpread, ValueFormat::Iban, 170)
      << vline(6100, top, kBoxRow) << tiny(u"Вид плащане"_s, 6160, top)
      << spread(u"PayType"_s, 6250, top, 6);
    top += kBoxRow;
    e << line(top) << tiny(u"При банка - име на банката на получателя"_s, kInner, top)
      << text(u"Bankap"_s, kInner, top, kWidth - 120);
    top += kValueRow;

    // The title beside the currency and the amount; no amount in words.
    e << line(top) << caption(u"БЮДЖЕТНО"_s, kInner, top + 50, kTitle)
      << caption(u"ПЛАТЕЖНО НАРЕЖДАНЕ"_s, kInner, top + 290, kTitle) << vline(5200, top, 560)
      << tiny(u"Вид валута"_s, 5260, top)
      << boxedValue(u"valuta"_s, 5400, top + 260, 3, kSpread, ValueFormat::SpreadUpper, 170)
      << vline(6050, top, 560) << tiny(u"Сума"_s, 6110, top)
      << box(6110, top + 200, kRight - 6170, 270, FormBoxColour)
      << value(u"suma"_s, 6140, top + 220, kRight - 6230, 230, kAmount).as(ValueFormat::Amount);
    top += 560;

    e << line(top) << tiny(u"Основание за плащане-ЕИК на наредителя"_s, kInner, top)
      << text(u"Osnovanie"_s, kInner, top, kWidth - 120);
    top += kValueRow;
    e << line(top) << tiny(u"Параграф по ЕБК/Вид данъчно задължение"_s, kInner, top)
      << text(u"paragraf"_s, kInner, top, 5000) << vline(6300, top, kBoxRow)
      << tiny(u"Период: начало (ммгг)"_s, 6360, top)
      << digits(u"period1"_s, 6450, top, 4).as(ValueFormat::MonthBoxes) << vline(8500, top, kBoxRow)
      << tiny(u"край (ммгг)"_s, 8560, top)
      << digits(u"period2"_s, 8650, top, 4).as(ValueFormat::MonthBoxes);
    top += kBoxRow;
    e << line(top) << tiny(u"Вид документ*"_s, kInner, top) << digits(u"VidDoc"_s, 1250, top, 1)
      << vline(2000, top, kBoxRow) << tiny(u"и номер на документа,  по който се плаща"_s, 2060, top)
      << text(u"DocNum"_s, 2060, top, 4100) << vline(6300, top, kBoxRow)
      << tiny(u"Дата на документа"_s, 6360, top)
      << digits(u"DocDate"_s, 6450, top, 6, 2).as(ValueFormat::DateBoxes);
    top += kBoxRow;

    // The budget holder who initiates the payment, and its codes.
    e << line(top)
      << tiny(u"Наредител  - име на иницииращия плащането бюджетен разпоредител"_s, kInner, top)
      << text(u"Nareditel"_s, kInner, top, kWidth - 120);
    top += kValueRow;
    e << line(top) << tiny(u"Код на бюджетен разпоредител"_s, kInner, top)
      << spread(u"budjetKod"_s, 1150, top, 15) << vline(4000, top, kBoxRow)
      << tiny(u"Код дейност"_s, 4060, top)
      << digits(u"WorkKod"_s, 4150, top, 4).as(ValueFormat::Trimmed) << vline(5050, top, kBoxRow)
      << tiny(u"Вид плащане в СЕБРА"_s, 5110, top) << spread(u"SEBRA"_s, 5200, top, 10)
      << vline(7150, top, kBoxRow) << tiny(u"Дата на изпълнение"_s, 7210, top)
      << digits(u"workDate"_s, 7300, top, 6, 2).as(ValueFormat::DateBoxes);
    top += kBoxRow;
    e << frame(kLeft, kFrameTop, kWidth, top - kFrameTop, 20);

    // The payer's declaration, the document kinds, the note and the signature.
    top += 120;
    e << caption(u"Декларация:"_s, kLeft, top, kTextBold)
      << caption(
             u"Декларирам, че съм получил информацията, свързана с изпълнение на платежната операция,"_s,
             kLeft, top + 180, kText)
      << caption(u"съгласно изискванията на Закона за платежните услуги и платежните системи."_s,
                 kLeft, top + 360, kText);
    top += 620;
    e << caption(u"*Вид документ:"_s, kLeft, top, kSmallBold)
      << caption(
             u"1-декларация;2-ревизионен акт;3-наказателно постановление;4-авансова вноска;5-партида и номер"_s,
             2150, top, kSmall)
      << caption(u"на имот;6-постановление за принудително събиране;9-други."_s, 2150, top + 150,
                 kSmall)
      << caption(u"Забележка:"_s, kLeft, top + 360, kSmallBold)
      << caption(
             u"За всеки отделен данък, внесена сума или услуга, такса мито, осигуровка, лихва, имот, ППС и др."_s,
             2150, top + 360, kSmall)
      << caption(u"или вид документ, се попълва отделен платежен документ."_s, 2150, top + 510,
                 kSmall);
    top += 950;
    e << caption(u"подписи на  наредителя"_s, kLeft, top, kSmall)
      << hline(2600, top + 130, 4000, 8);
    return p;
}

}  // namespace

const PageLayout &PrintBplnLayout()
{
    return BuiltOnce<&buildBpln>();
}

const KindPrint &BudgetOrganisationPrint()
{
    static const KindPrint print{&PrintBplnLayout};
    return print;
}

}  // namespace remitor
