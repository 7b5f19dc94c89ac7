#include "documents/gui/editor_window.h"
#include "documents/gui/plnb_form.h"
#include "print/plnb4_pages.h"
#include "session/session.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// One of the four items: its payment type, amount, grounds and
// explanations over the document it is paid on.
struct Item {
    const char16_t *title;
    const char *payType, *payTypeButton, *suma, *osnovanie, *poiasnenia;
    budgetform::ItemNames doc;
};

constexpr Item items[] = {
    {u"Сума 1",
     "PayTypep1",
     "cmdPar1",
     "suma1",
     "Osnovanie",
     "poiasnenia",
     {"VidDoc", "DocNum", "DocDate", "period1", "period2", "cmdVidDoc", "cmdDocDate", "cmdPeriod1",
      "cmdPeriod2"}},
    {u"Сума 2",
     "PayTypep2",
     "cmdPar2",
     "suma2",
     "osnovanie2",
     "poiasnenia2",
     {"VidDoc2", "DocNum2", "DocDate2", "period12", "period22", "cmdVidDoc2", "cmdDocDate2",
      "cmdPeriod12", "cmdPeriod22"}},
    {u"Сума 3",
     "PayTypep3",
     "cmdPar3",
     "suma3",
     "osnovanie3",
     "poiasnenia3",
     {"VidDoc3", "DocNum3", "DocDate3", "period13", "period23", "cmdVidDoc3", "cmdDocDate3",
      "cmdPeriod13", "cmdPeriod23"}},
    {u"Сума 4",
     "PayTypep4",
     "cmdPar4",
     "suma4",
     "osnovanie4",
     "poiasnenia4",
     {"VidDoc4", "DocNum4", "DocDate4", "period14", "period24", "cmdVidDoc4", "cmdDocDate4",
      "cmdPeriod14", "cmdPeriod24"}},
};

constexpr int ItemHeight = 940 + budgetform::DocumentHeight + 60;

QList<FormItem> itemBlock(const Item &it, int top, bool kindsNote = false)
{
    QList<FormItem> f = {
        {K::Frame, nullptr, it.title, 120, top, 9960, 880},
        {K::Caption, nullptr, u"Вид  плащане***", 240, top + 300, 1800, 260},
        {K::Field, it.payType, nullptr, 240, top + 560, 1400, 300},
        {K::Button, it.payTypeButton, u"§", 1660, top + 560, 360, 300},
        {K::Caption, nullptr, u"Сума", 2200, top + 300, 1200, 260},
        {K::Field, it.suma, nullptr, 2200, top + 560, 1700, 300},
        {K::Caption, nullptr, u"Основание за плащане", 4000, top + 300, 3000, 260},
        {K::Field, it.osnovanie, nullptr, 4000, top + 560, 2900, 300},
        {K::Caption, nullptr, u"Още пояснения", 7000, top + 300, 1600, 260},
        {K::Field, it.poiasnenia, nullptr, 7000, top + 560, 2960, 300},
    };
    return f << budgetform::documentItems(it.doc, top + 940, kindsNote);
}

const QList<FormItem> &form()
{
    static const QList<FormItem> all = [] {
        QList<FormItem> f =
            budgetform::headItems(u"ПЛАТЕЖНО НАРЕЖДАНЕ / ВНОСНА БЕЛЕЖКА ЗА БЮДЖЕТА (ПНБ-4)");
        f << FormItem{K::Frame, "fraSuma", u"", 120, 3960, 9960, 900}
          << FormItem{K::Caption, nullptr, u"Вид валута", 240, 4020, 1100, 260}
          << FormItem{K::Field, "valuta", nullptr, 240, 4280, 900, 300}
          << FormItem{K::Caption, nullptr, u"Обща сума", 1300, 4020, 1200, 260}
          << FormItem{K::Field, "suma", nullptr, 1300, 4280, 2400, 300}
          << FormItem{K::Caption, nullptr, u"Вид плащане", 3900, 4020, 1500, 260}
          << FormItem{K::Field, "PayTypep", nullptr, 3900, 4280, 1400, 300}
          << FormItem{K::Button, "cmdParP", u"§", 5320, 4280, 360, 300}
          << FormItem{K::Caption, nullptr, u"Сума с думи", 5900, 4020, 2000, 260}
          << FormItem{K::Words, "lblSlovom", nullptr, 5900, 4280, 4060, 520, "suma"};
        f << itemBlock(items[0], 4920, true);
        // Beside the first item's title: its help, and the window of the other three.
        f << FormItem{K::Button, "cmdHelp", u"Помощ", 4500, 4940, 1500, 280}
          << FormItem{K::Button, "Command1", u"Суми 2, 3 и 4 -->>>", 7380, 4940, 2580, 280};
        f << budgetform::partiesItems(4920 + ItemHeight);
        // The head stands 200 twips higher than the blocks below were drawn for.
        budgetform::lift(f, 2200, 200);
        return f;
    }();
    return all;
}

const QList<FormItem> &secondForm()
{
    static const QList<FormItem> all = [] {
        QList<FormItem> f;
        for (int i = 1; i <= 3; ++i) f << itemBlock(items[i], 120 + (i - 1) * ItemHeight);
        return f;
    }();
    return all;
}

}  // namespace

KindWiring FourItemBudgetOrderWiring()
{
    KindWiring w;
    w.kind = u"PlnB4"_s;
    w.form = {&form, 10800, 4920 + ItemHeight + 3200 - 200 + 60, {}, {}};
    w.secondPage = {&secondForm, 10200, 120 + 3 * ItemHeight, u"frmPlnb234"_s,
                    u"Платежно нареждане4 - суми 2, 3 и 4"_s};
    w.print = &FourItemBudgetOrderPrint;
    w.menuItem = u"mnuPlnB4"_s;
    w.toolButton = u"cmdPlnB4"_s;
    w.fieldButtons = budgetform::headButtons({5200, 1100}, {2820, 5130});
    w.fieldButtons << FieldButton::paragraph(u"cmdParP"_s, u"PayTypep"_s);
    const QStringList kinds = {u"1 декларация"_s,
                               u"2 ревизионен акт"_s,
                               u"3 наказателно постановление"_s,
                               u"4 авансова вноска"_s,
                               u"5 партиден номер на имот"_s,
                               u"6 пост.за принудит. събиране"_s,
                               u"9 други"_s};
    for (int i = 0; i < 4; ++i) {
        const Item &it = items[i];
        w.fieldButtons << FieldButton::paragraph(QLatin1StringView(it.payTypeButton),
                                                 QLatin1StringView(it.payType));
        // The first item's pickers stand where its buttons are in the main
        // window; the others' beside their rows.
        const int y = i == 0 ? 2950 : 1400 + (i - 1) * ItemHeight;
        w.fieldButtons << budgetform::itemButtons(it.doc, kinds, {i == 0 ? 2550 : 5150, y},
                                                  {i == 0 ? 3950 : 6700, y},
                                                  {i == 0 ? 5380 : 8500, y});
    }
    w.extend = [](EditorWindow &editor) {
        auto *help = editor.findChild<QPushButton *>(u"cmdHelp"_s);
        QObject::connect(help, &QPushButton::clicked, &editor, [&editor] {
            editor.session().ui().tell(
                u"Общата сума се получава автоматично\nслед попълване на всяка от сумите."_s,
                Interaction::Icon::None, u"ПНБ-4"_s);
        });
    };
    return w;
}

}  // namespace remitor
