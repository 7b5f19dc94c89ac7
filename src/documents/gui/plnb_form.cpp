#include "documents/gui/plnb_form.h"

#include "print/plnb_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace budgetform {

using K = FormItem;

QList<FormItem> headItems(const char16_t *title)
{
    return {
        {K::Frame, "fraBank", u"", 120, 120, 6000, 1400},
        {K::Caption, nullptr, u"До банка", 240, 180, 900, 270},
        {K::Field, "DoBanka", nullptr, 1140, 160, 4840, 300},
        {K::Caption, nullptr, u"Клон", 240, 510, 900, 270},
        {K::Field, "Clon", nullptr, 1140, 490, 4840, 300},
        {K::Caption, nullptr, u"Адрес", 240, 840, 900, 270},
        {K::Field, "Adress", nullptr, 1140, 820, 4840, 300},
        {K::Small, nullptr, u"(банка, клон, адрес)", 1140, 1150, 3000, 240},

        {K::Frame, "fraDate", u"", 6300, 120, 3780, 1400},
        {K::Caption, nullptr, u"Уникален регистрационен номер", 6420, 180, 3400, 270},
        {K::Field, "RegNo", nullptr, 6420, 420, 3100, 300},
        {K::Caption, nullptr, u"Дата на подаване", 6420, 780, 2400, 270},
        {K::Field, "pDate", nullptr, 6420, 1020, 3100, 300},
        {K::Button, "cmdPDate", u"...", 9570, 1020, 400, 300},

        {K::Title, "lblTitle", title, 120, 1600, 9960, 320},

        {K::Frame, "fraPoluchatel", u"", 120, 2200, 9960, 1700},
        {K::Caption, nullptr, u"Платете на - име на получателя", 240, 2260, 4000, 260},
        {K::Field, "Poluchatel", nullptr, 240, 2520, 9240, 300},
        {K::Button, "cmdFindP", u"...", 9540, 2520, 420, 300},
        {K::Caption, nullptr, u"IBAN на получателя:", 240, 2880, 3000, 260},
        {K::Field, "IBANp", nullptr, 240, 3140, 3500, 300},
        {K::Caption, nullptr, u"BIC на банката на получателя", 3900, 2880, 2900, 260},
        {K::Field, "BICp", nullptr, 3900, 3140, 1800, 300},
        {K::Caption, nullptr, u"При банка - име на банката на получателя", 240, 3540, 4300, 260},
        {K::Field, "Bankap", nullptr, 4500, 3520, 5460, 300},
    };
}

QList<FormItem> documentItems(const ItemNames &n, int top, bool kindsNote)
{
    const int caption = top + 60, field = top + 320, caption2 = top + 700, field2 = top + 960;
    QList<FormItem> f = {
        {K::Frame, nullptr, u"", 120, top, 9960, DocumentHeight},
        {K::Caption, nullptr, u"Вид*", 240, caption, 600, 260},
        {K::Field, n.vidDoc, nullptr, 240, field, 500, 300},
        {K::Caption, nullptr, u"и номер на документа,  по който се плаща", 860, caption, 5000, 260},
        {K::Field, n.docNum, nullptr, 860, field, 4200, 300},
        {K::Button, n.kindButton, u"▼", 5080, field, 360, 300},
        {K::Caption, nullptr, u"Дата  на документа", 240, caption2, 1900, 260},
        {K::Field, n.docDate, nullptr, 240, field2, 1300, 300},
        {K::Button, n.docDateButton, u"...", 1560, field2, 360, 300},
        {K::Caption, nullptr, u"Период: от дата", 2200, caption2, 1900, 260},
        {K::Field, n.period1, nullptr, 2200, field2, 1300, 300},
        {K::Button, n.period1Button, u"...", 3520, field2, 360, 300},
        {K::Caption, nullptr, u"до дата", 4160, caption2, 1600, 260},
        {K::Field, n.period2, nullptr, 4160, field2, 1300, 300},
        {K::Button, n.period2Button, u"...", 5480, field2, 360, 300},
    };
    if (kindsNote)
        f << FormItem{K::Small, nullptr,
                      u"*Вид документ: 1-декларация; 2-ревизионен акт; 3-наказателно "
                      u"постановление; 4-авансова вноска; 5-партиден номер на имот; "
                      u"6-постановление за принудително събиране; 9-други.",
                      6000, top + 60, 3960, DocumentHeight - 120};
    return f;
}

void lift(QList<FormItem> &items, int from, int by)
{
    for (FormItem &it : items)
        if (it.y >= from)
            it.y -= by;
}

QList<FormItem> partiesItems(int top)
{
    const int payer = top + 1240, system = top + 2500;
    return {
        {K::Frame, "fraUridic", u"", 120, top, 9960, 1180},
        {K::Caption, nullptr,
         u"Задължено лице - наименование на юридическото лице или трите имена на физическото лице",
         240, top + 60, 9000, 260},
        {K::Field, "uridic", nullptr, 240, top + 320, 9720, 300},
        {K::Caption, nullptr, u"БУЛСТАТ на задълженото лице", 240, top + 660, 3000, 260},
        {K::Field, "Bulstat", nullptr, 240, top + 880, 2400, 260},
        {K::Caption, nullptr, u"ЕГН на задълженото лице", 3500, top + 660, 3000, 260},
        {K::Field, "EGN", nullptr, 3500, top + 880, 2400, 260},
        {K::Caption, nullptr, u"ЛНЧ на задълженото лице", 6760, top + 660, 3000, 260},
        {K::Field, "LNC", nullptr, 6760, top + 880, 2400, 260},

        {K::Frame, "fraNareditel", u"", 120, payer, 9960, 1200},
        {K::Caption, nullptr,
         u"Наредител - наименование на юридическото лице или трите имена на физическото лице", 240,
         payer + 60, 9000, 260},
        {K::Field, "Nareditel", nullptr, 240, payer + 320, 9240, 300},
        {K::Button, "cmdFindN", u"...", 9540, payer + 320, 420, 300},
        {K::Caption, nullptr, u"IBAN на наредителя", 240, payer + 660, 3000, 260},
        {K::Field, "IBANn", nullptr, 240, payer + 880, 3500, 280},
        {K::Caption, nullptr, u"BIC на банката на наредителя", 3900, payer + 660, 2900, 260},
        {K::Field, "BICn", nullptr, 3900, payer + 880, 1800, 280},
        {K::Caption, nullptr, u"Вид плащане", 6700, payer + 660, 1500, 260},
        {K::Field, "PayTypen", nullptr, 6700, payer + 880, 1400, 280},
        {K::Button, "cmdParN", u"§", 8120, payer + 880, 360, 280},

        {K::Frame, "fraSystem", u"", 120, system, 9960, 700},
        {K::Caption, nullptr, u"Платежна система", 240, system + 60, 2400, 260},
        {K::Field, "PaySystem", nullptr, 240, system + 320, 3000, 300},
        {K::Caption, nullptr, u"Такси**", 3500, system + 60, 900, 260},
        {K::Field, "tax", nullptr, 3500, system + 320, 500, 300},
        {K::Caption, nullptr, u"Дата на изпълнение", 4300, system + 60, 2000, 260},
        {K::Field, "workDate", nullptr, 4300, system + 320, 1300, 300},
        {K::Button, "cmdWorkDate", u"...", 5620, system + 320, 360, 300},
        {K::Small, nullptr,
         u"**Такси: 1 - за сметка на наредителя; 2 - споделени (стандарт за местни преводи); 3 - "
         u"за сметка на "
         u"получателя",
         6160, system + 60, 3860, 560},
    };
}

QList<FieldButton> headButtons(QPoint submissionDate, QPoint executionDate)
{
    return {FieldButton::date(u"cmdPDate"_s, u"pDate"_s, submissionDate),
            FieldButton::date(u"cmdWorkDate"_s, u"workDate"_s, executionDate),
            FieldButton::paragraph(u"cmdParN"_s, u"PayTypen"_s)};
}

QList<FieldButton> itemButtons(const ItemNames &n, const QStringList &kinds, QPoint docDate,
                               QPoint period1, QPoint period2)
{
    const auto name = [](const char *s) { return QString::fromLatin1(s); };
    return {FieldButton::choice(name(n.kindButton), name(n.vidDoc), kinds),
            FieldButton::date(name(n.docDateButton), name(n.docDate), docDate),
            FieldButton::date(name(n.period1Button), name(n.period1), period1),
            FieldButton::date(name(n.period2Button), name(n.period2), period2)};
}

}  // namespace budgetform

namespace {

using K = FormItem;

constexpr budgetform::ItemNames plnbItem = {"VidDoc",     "DocNum",     "DocDate",
                                            "period1",    "period2",    "cmdVidDoc",
                                            "cmdDocDate", "cmdPeriod1", "cmdPeriod2"};

const QList<FormItem> &form()
{
    static const QList<FormItem> items = [] {
        QList<FormItem> f =
            budgetform::headItems(u"ПЛАТЕЖНО НАРЕЖДАНЕ / ВНОСНА БЕЛЕЖКА ОТ/КЪМ БЮДЖЕТА");
        // The payment type stands beside the payee's account.
        f << FormItem{K::Caption, nullptr, u"Вид плащане", 6700, 2880, 1500, 260}
          << FormItem{K::Field, "PayTypep", nullptr, 6700, 3140, 1400, 300}
          << FormItem{K::Button, "cmdParP", u"§", 8120, 3140, 360, 300};
        f << FormItem{K::Frame, "fraSuma", u"", 120, 3960, 9960, 1960}
          << FormItem{K::Caption, nullptr, u"Вид валута", 240, 4020, 1100, 260}
          << FormItem{K::Field, "valuta", nullptr, 240, 4280, 900, 300}
          << FormItem{K::Caption, nullptr, u"Сума", 1300, 4020, 1200, 260}
          << FormItem{K::Field, "suma", nullptr, 1300, 4280, 2400, 300}
          << FormItem{K::Caption, nullptr, u"Сума с думи", 3900, 4020, 2000, 260}
          << FormItem{K::Words, "lblSlovom", nullptr, 3900, 4280, 6060, 480, "suma"}
          << FormItem{K::Caption, nullptr, u"Основание за плащане", 240, 4860, 3000, 260}
          << FormItem{K::Field, "Osnovanie", nullptr, 240, 5100, 9720, 300}
          << FormItem{K::Caption, nullptr, u"Още пояснения", 240, 5500, 1600, 260}
          << FormItem{K::Field, "poiasnenia", nullptr, 1900, 5480, 8060, 300};
        f << budgetform::documentItems(plnbItem, 5980, true);
        f << budgetform::partiesItems(5980 + budgetform::DocumentHeight + 60);
        // The head stands 200 twips higher than the blocks below were drawn for.
        budgetform::lift(f, 2200, 200);
        return f;
    }();
    return items;
}

}  // namespace

KindWiring BudgetOrderWiring()
{
    KindWiring w;
    w.kind = u"PlnB"_s;
    w.form = {&form, 10800, 10440, {}, {}};
    w.print = &BudgetOrderPrint;
    w.menuItem = u"mnuPlnB"_s;
    w.toolButton = u"cmdPlnB"_s;
    w.fieldButtons = budgetform::headButtons({5200, 1050}, {2820, 5130});
    w.fieldButtons << FieldButton::paragraph(u"cmdParP"_s, u"PayTypep"_s);
    w.fieldButtons << budgetform::itemButtons(
        plnbItem,
        {u"1 декларация"_s, u"2 ревизионен акт"_s, u"3 наказателно постановление"_s,
         u"4 авансова вноска"_s, u"5 партиден номер на имот"_s,
         u"6 постановление за принудително събиране"_s, u"9 други"_s},
        {5150, 2400}, {950, 2820}, {5150, 2820});
    return w;
}

}  // namespace remitor
