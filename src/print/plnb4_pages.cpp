#include "print/plnb4_pages.h"

#include "print/form_style.h"
#include "print/plnb_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;
using namespace budgetpage;

// The fields of one item; the first item has the names of the budget
// payment order.
struct Item {
    const char16_t *number;
    const char *payType, *suma, *osnovanie, *poiasnenia, *vidDoc, *docNum, *docDate, *period1,
        *period2;
};

constexpr Item items[] = {
    {u"1", "PayTypep1", "suma1", "Osnovanie", "poiasnenia", "VidDoc", "DocNum", "DocDate",
     "period1", "period2"},
    {u"2", "PayTypep2", "suma2", "osnovanie2", "poiasnenia2", "VidDoc2", "DocNum2", "DocDate2",
     "period12", "period22"},
    {u"3", "PayTypep3", "suma3", "osnovanie3", "poiasnenia3", "VidDoc3", "DocNum3", "DocDate3",
     "period13", "period23"},
    {u"4", "PayTypep4", "suma4", "osnovanie4", "poiasnenia4", "VidDoc4", "DocNum4", "DocDate4",
     "period14", "period24"},
};

constexpr int kItemHeight = ValueRow + BoxRow;
constexpr TextStyle kItemAmount{FontFamily::Arial, 170, true};
constexpr TextStyle kBoxDigit{FontFamily::Courier, 150, true};

// Two rows: the payment type, the amount and the grounds; then the
// explanations, the document with its kind, number and date, and the period.
QList<PageElement> item(const Item &it, int top)
{
    const auto name = [](const char *n) { return QString::fromLatin1(n); };
    const auto tiny = [](const QString &text, int left, int top) {
        return caption(text, left, top + 8, kTiny);
    };
    QList<PageElement> e;
    e << hline(Left, top, Right - Left, 15)
      << caption(QString::fromUtf16(it.number), Left - 200, top + 100, kTextBold)
      << tiny(u"Вид  плащане***"_s, Left + 60, top)
      << boxedValue(name(it.payType), 1150, top + 150, 6, kSpread, ValueFormat::Spread, 170)
      << vline(2400, top, ValueRow) << tiny(u"Сума"_s, 2460, top)
      << box(2900, top + 60, 2200, 240, FormBoxColour)
      << value(name(it.suma), 2930, top + 75, 2140, 210, kItemAmount).as(ValueFormat::Amount)
      << vline(5200, top, ValueRow) << tiny(u"Основание за плащане"_s, 5260, top)
      << value(name(it.osnovanie), 5260, top + 110, Right - 5320, kValueHeight, kValue);
    const int doc = top + ValueRow;
    e << hline(Left, doc, Right - Left) << tiny(u"Още пояснения"_s, Left + 60, doc)
      // Up to 85 and 35 characters in narrow cells: two lines, set smaller
      // as the text needs, rather than cut.
      << textArea(name(it.poiasnenia), Left + 60, doc + 135, 2280, 220, kSmall)
      << vline(3400, doc, BoxRow) << tiny(u"Вид*"_s, 3460, doc)
      << digitBoxes(name(it.vidDoc), 3500, doc + 160, 1, 180, 180, kBoxDigit, FormBoxColour)
      << vline(3800, doc, BoxRow) << tiny(u"Номер на документа"_s, 3860, doc)
      << textArea(name(it.docNum), 3860, doc + 135, 1280, 220, kSmall)
      << vline(5200, doc, BoxRow) << fullDate(name(it.docDate), u"Дата  на документа"_s, 5300, doc)
      << vline(6800, doc, BoxRow) << fullDate(name(it.period1), u"от дата"_s, 6900, doc)
      << vline(8400, doc, BoxRow) << fullDate(name(it.period2), u"до дата"_s, 8500, doc);
    return e;
}

PageLayout buildPlnB4()
{
    PageLayout p;
    p.name = u"PrintPlnB4"_s;
    QList<PageElement> &e = p.elements;
    e << header() << payee(FrameTop, {});
    int top = FrameTop + 2 * ValueRow + BoxRow;
    e << amount(top, u"Обща сума"_s, u"PayTypep"_s);
    top += 450 + ValueRow;
    for (const Item &it : items) {
        e << item(it, top);
        top += kItemHeight;
    }
    e << parties(top);
    top += PartiesHeight;
    e << frame(Left, FrameTop, Right - Left, top - FrameTop, 20);
    e << footnotes(top + 50, true);
    e << signatures(top + 720);
    return p;
}

}  // namespace

const PageLayout &PrintPlnB4Layout()
{
    return BuiltOnce<&buildPlnB4>();
}

const KindPrint &FourItemBudgetOrderPrint()
{
    static const KindPrint print{&PrintPlnB4Layout};
    return print;
}

}  // namespace remitor
