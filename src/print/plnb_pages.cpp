#include "print/plnb_pages.h"

#include "print/form_style.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace budgetpage {

using namespace layout;

namespace {

constexpr int kWidth = Right - Left;
constexpr int kCaptionLeft = Left + 60;
constexpr TextStyle kMicro{FontFamily::Arial, 100};  // the three lines beside a check box
constexpr TextStyle kDate{FontFamily::Courier, 150, true};
constexpr int kDateCell = 175;

PageElement line(int top)
{
    return hline(Left, top, kWidth);
}
PageElement caption(const QString &text, int left, int top)
{
    return layout::caption(text, left, top + 8, kTiny);
}
PageElement textValue(const QString &name, int left, int top, int width)
{
    return value(name, left, top + 110, width, kValueHeight, kValue);
}

// An account, its bank's BIC and (when named) a payment type, on one row.
QList<PageElement> accountRow(int top, const QString &iban, const QString &ibanCaption,
                              const QString &bic, const QString &bicCaption, const QString &payType)
{
    const int boxes = top + 160;
    QList<PageElement> e;
    e << line(top) << caption(ibanCaption, kCaptionLeft, top)
      << boxedValue(iban, 1150, boxes, 22, kSpread, ValueFormat::Iban, 170)
      << vline(6100, top, BoxRow) << caption(bicCaption, 6160, top)
      << boxedValue(bic, 6250, boxes, 8, kSpread, ValueFormat::Spread, 170);
    if (!payType.isEmpty())
        e << vline(8000, top, BoxRow) << caption(u"Вид плащане"_s, 8060, top)
          << boxedValue(payType, 8150, boxes, 6, kSpread, ValueFormat::Spread, 170);
    return e;
}

// The check box that a foreign person ticks by hand, at the end of its row.
QList<PageElement> foreignPerson(int top)
{
    return {vline(8800, top, ValueRow), frame(8880, top + 110, 130, 130, 10),
            layout::caption(u"Чуждестранно лице"_s, 9080, top + 10, kMicro),
            layout::caption(u"по смисъла на"_s, 9080, top + 115, kMicro),
            layout::caption(u"Валутния закон"_s, 9080, top + 220, kMicro)};
}

}  // namespace

QList<PageElement> header()
{
    QList<PageElement> e;
    const std::pair<const char16_t *, const char *> rows[] = {
        {u"До", "DoBanka"}, {u"Клон", "Clon"}, {u"Адрес", "Adress"}};
    int top = 40;
    for (const auto &[text, name] : rows) {
        e << layout::caption(QString::fromUtf16(text), Left, top + 18, kHeader)
          << value(QLatin1StringView(name), 1600, top, 4100, kValueHeight, kValue)
          << hline(1600, top + 230, 4100, 8);
        top += 260;
    }
    e << layout::caption(u"уникален регистрационен номер"_s, 6000, 78, kSmall)
      << box(8300, 40, 2600, 230, FormBoxColour)
      << value(u"RegNo"_s, 8340, 45, 2520, kValueHeight, kValue)
      << layout::caption(u"дата на представяне"_s, 6000, 338, kSmall)
      << value(u"pDate"_s, 8300, 300, 2600, kValueHeight, kValue) << hline(8300, 530, 2600, 8);
    return e;
}

QList<PageElement> payee(int top, const QString &payType)
{
    QList<PageElement> e;
    e << caption(u"Платете на - име на получателя"_s, kCaptionLeft, top)
      << textValue(u"Poluchatel"_s, kCaptionLeft, top, kWidth - 120);
    e << accountRow(top + ValueRow, u"IBANp"_s, u"IBAN на получателя:"_s, u"BICp"_s,
                    u"BIC на банката на получателя"_s, payType);
    const int bank = top + ValueRow + BoxRow;
    e << line(bank) << caption(u"При банка - име на банката на получателя"_s, kCaptionLeft, bank)
      << textValue(u"Bankap"_s, kCaptionLeft, bank, kWidth - 120);
    return e;
}

QList<PageElement> amount(int top, const QString &amountCaption, const QString &payType)
{
    QList<PageElement> e;
    // The payment type of the whole order closes the row when it has one.
    const int amountRight = payType.isEmpty() ? Right : 8600;
    if (!payType.isEmpty())
        e << vline(amountRight, top, 450) << caption(u"Вид плащане***"_s, amountRight + 60, top)
          << boxedValue(payType, amountRight + 150, top + 200, 6, kSpread, ValueFormat::Spread,
                        170);
    e << line(top)
      << layout::caption(u"ПЛАТЕЖНО НАРЕЖДАНЕ / ВНОСНА БЕЛЕЖКА"_s, kCaptionLeft, top + 50, kTitle)
      << layout::caption(u"за плащанне от / към бюджета"_s, kCaptionLeft, top + 270, kSubtitle)
      << vline(5800, top, 450) << caption(u"Вид валута"_s, 5860, top)
      << boxedValue(u"valuta"_s, 6000, top + 200, 3, kSpread, ValueFormat::SpreadUpper, 170)
      << vline(6600, top, 450) << caption(amountCaption, 6660, top)
      << box(6660, top + 160, amountRight - 6720, 250, FormBoxColour)
      << value(u"suma"_s, 6690, top + 175, amountRight - 6780, 220, kAmount)
             .as(ValueFormat::Amount);
    const int words = top + 450;
    e << line(words) << caption(u"Сума с думи"_s, kCaptionLeft, words)
      << textValue(u"slovom"_s, kCaptionLeft, words, kWidth - 120)
             .as(ValueFormat::WordsBG, u"suma"_s);
    return e;
}

QList<PageElement> fullDate(const QString &name, const QString &text, int left, int top)
{
    return {caption(text, left - 45, top),
            digitBoxes(name, left, top + 160, 8, kDateCell, 180, kDate, FormBoxColour)
                .as(ValueFormat::DateBoxes8)};
}

QList<PageElement> parties(int top)
{
    QList<PageElement> e;
    e << line(top)
      << caption(
             u"Задължено лице - наименование на юридическото лице или трите имена на физическото лице"_s,
             kCaptionLeft, top)
      << textValue(u"uridic"_s, kCaptionLeft, top, 7660) << foreignPerson(top);

    const int ids = top + ValueRow, boxes = ids + 160;
    e << line(ids) << caption(u"БУЛСТАТ на задълженото лице"_s, kCaptionLeft, ids)
      << boxedValue(u"Bulstat"_s, 1150, boxes, 13, kSpread, ValueFormat::Spread, 170)
      << vline(3600, ids, BoxRow) << caption(u"ЕГН на задълженото лице"_s, 3660, ids)
      << boxedValue(u"EGN"_s, 3750, boxes, 10, kSpread, ValueFormat::Spread, 170)
      << vline(5650, ids, BoxRow) << caption(u"ЛНЧ на задълженото лице"_s, 5710, ids)
      << boxedValue(u"LNC"_s, 5800, boxes, 10, kSpread, ValueFormat::Spread, 170);

    const int payer = ids + BoxRow;
    e << line(payer)
      << caption(
             u"Наредител - наименование на юридическото лице или трите имена на физическото лице"_s,
             kCaptionLeft, payer)
      << textValue(u"Nareditel"_s, kCaptionLeft, payer, 7660) << foreignPerson(payer);
    e << accountRow(payer + ValueRow, u"IBANn"_s, u"IBAN на наредителя"_s, u"BICn"_s,
                    u"BIC на банката на наредителя"_s, u"PayTypen"_s);

    const int system = payer + ValueRow + BoxRow;
    e << line(system) << caption(u"Платежна система"_s, kCaptionLeft, system)
      << textValue(u"PaySystem"_s, kCaptionLeft, system, 3500) << vline(4700, system, BoxRow)
      << caption(u"Такси**"_s, 4760, system)
      << digitBoxes(u"tax"_s, 4900, system + 160, 1, 180, 180, kDate, FormBoxColour)
      << vline(5300, system, BoxRow) << caption(u"Дата на изпълнение"_s, 5360, system)
      << digitBoxes(u"workDate"_s, 5450, system + 160, 6, kDateCell, 180, kDate, FormBoxColour, 2,
                    90)
             .as(ValueFormat::DateBoxes);
    return e;
}

QList<PageElement> footnotes(int top, bool payType)
{
    constexpr int text = 2150, step = 150;
    QList<PageElement> e = {
        layout::caption(u"*Вид документ:"_s, Left, top, kSmallBold),
        layout::caption(
            u"1-декларация;2-ревизионен акт;3-наказателно постановление;4-авансова вноска;"_s, text,
            top, kSmall),
        layout::caption(
            u"5-партиден номер на имотм 6-постановление за принудително събиране;9-други."_s, text,
            top + step, kSmall),
        layout::caption(u"**Такси:"_s, Left, top + 2 * step, kSmallBold),
        layout::caption(
            u"- 1- за сметка на наредителя; 2- споделени(стандарт за местни преводи); 3- за сметка на получателя."_s,
            text, top + 2 * step, kSmall)};
    if (payType)
        e << layout::caption(u"***Вид плащане"_s, Left, top + 3 * step, kSmallBold)
          << layout::caption(
                 u"- попълва се за сметки на администратори на приходи и на Централния бюджет"_s,
                 text, top + 3 * step, kSmall);
    return e;
}

QList<PageElement> signatures(int top)
{
    return {layout::caption(u"подпис на наредителя / вноситела"_s, Left, top, kSmall),
            hline(3300, top + 130, 1900, 8),
            layout::caption(u"Банков служител"_s, 5500, top, kSmall),
            hline(6600, top + 130, 1500, 8),
            layout::caption(u"Касиер"_s, 8400, top, kSmall),
            hline(8900, top + 130, 2000, 8)};
}

}  // namespace budgetpage

namespace {

using namespace layout;
using namespace budgetpage;

PageLayout buildPlnB()
{
    PageLayout p;
    p.name = u"PrintPlnB"_s;
    QList<PageElement> &e = p.elements;
    e << header() << payee(FrameTop, u"PayTypep"_s);
    int top = FrameTop + 2 * ValueRow + BoxRow;
    e << amount(top, u"Сума"_s);
    top += 450 + ValueRow;
    const std::pair<const char16_t *, const char *> texts[] = {
        {u"Основание за плащане", "Osnovanie"}, {u"Още пояснения", "poiasnenia"}};
    for (const auto &[text, name] : texts) {
        e << hline(Left, top, Right - Left)
          << layout::caption(QString::fromUtf16(text), Left + 60, top + 8, kTiny)
          << value(QLatin1StringView(name), Left + 60, top + 110, Right - Left - 120, kValueHeight,
                   kValue);
        top += ValueRow;
    }

    // The document paid on, and the period paid for.
    e << hline(Left, top, Right - Left) << layout::caption(u"Вид*"_s, Left + 60, top + 8, kTiny)
      << digitBoxes(u"VidDoc"_s, 1150, top + 160, 1, 180, 180,
                    TextStyle{FontFamily::Courier, 150, true}, FormBoxColour)
      << vline(1500, top, BoxRow)
      << layout::caption(u"и номер на документа,  по който се плаща"_s, 1560, top + 8, kTiny)
      << value(u"DocNum"_s, 1560, top + 130, 4400, kValueHeight, kValue) << vline(6100, top, BoxRow)
      << fullDate(u"DocDate"_s, u"Дата  на документа (ддммгггг)"_s, 6250, top);
    top += BoxRow;
    e << hline(Left, top, Right - Left)
      << layout::caption(u"Период, за който се плаща:"_s, Left + 60, top + 150, kSmall)
      << fullDate(u"period1"_s, u"От дата (ддммгггг)"_s, 3500, top) << vline(6100, top, BoxRow)
      << fullDate(u"period2"_s, u"До дата (ддммгггг)"_s, 6250, top);
    top += BoxRow;

    e << parties(top);
    top += PartiesHeight;
    e << frame(Left, FrameTop, Right - Left, top - FrameTop, 20);

    e << footnotes(top + 50, false);
    top += 600;
    e << caption(u"Декларация:"_s, Left, top, kTextBold)
      << caption(
             u"Декларирам, че съм получил информацията, свързана с изпълнение на платежната операция,"_s,
             Left, top + 180, kText)
      << caption(u"съгласно изискванията на Закона за платежните услуги и платежните системи."_s,
                 Left, top + 360, kText);
    e << signatures(top + 800);
    return p;
}

}  // namespace

const PageLayout &PrintPlnBLayout()
{
    return BuiltOnce<&buildPlnB>();
}

const KindPrint &BudgetOrderPrint()
{
    static const KindPrint print{&PrintPlnBLayout};
    return print;
}

}  // namespace remitor
