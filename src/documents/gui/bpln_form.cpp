#include "documents/gui/kind_wiring.h"
#include "print/bpln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The budget-organisation order as its paper form runs: the bank and the
// date, the payee, the amount and its budget classification, the document
// and the period, the initiating budget holder with its codes.
const QList<FormItem> bplnForm = {
    {K::Frame, "fraBank", u"", 120, 120, 6000, 1560},
    {K::Caption, nullptr, u"До", 240, 200, 700, 270},
    {K::Field, "DoBanka", nullptr, 940, 180, 5040, 300},
    {K::Caption, nullptr, u"Клон", 240, 560, 700, 270},
    {K::Field, "Clon", nullptr, 940, 540, 2740, 300},
    {K::Caption, nullptr, u"Град", 3780, 560, 500, 270},
    {K::Field, "Grad", nullptr, 4300, 540, 1680, 300},
    {K::Caption, nullptr, u"Адрес", 240, 920, 700, 270},
    {K::Field, "Adress", nullptr, 940, 900, 5040, 300},

    {K::Frame, "fraDate", u"", 6300, 120, 3780, 1560},
    {K::Caption, nullptr, u"Номер и дата на подаване", 6420, 200, 3400, 270},
    {K::Field, "pDate", nullptr, 6420, 540, 2000, 300},
    {K::Button, "cmdPDate", u"...", 8460, 540, 400, 300},

    {K::Title, "lblTitle", u"БЮДЖЕТНО ПЛАТЕЖНО НАРЕЖДАНЕ", 120, 1740, 9960, 380},

    {K::Frame, "fraPoluchatel", u"", 120, 2200, 9960, 1700},
    {K::Caption, nullptr, u"Платете на - име на получателя", 240, 2260, 4000, 260},
    {K::Field, "Poluchatel", nullptr, 240, 2520, 9240, 300},
    {K::Button, "cmdFindP", u"...", 9540, 2520, 420, 300},
    {K::Caption, nullptr, u"IBAN на получателя", 240, 2880, 3000, 260},
    {K::Field, "IBANp", nullptr, 240, 3140, 3500, 300},
    {K::Caption, nullptr, u"При банка - име на банката на получателя", 240, 3540, 4300, 260},
    {K::Field, "Bankap", nullptr, 4500, 3520, 5460, 300},

    {K::Frame, "fraSuma", u"", 120, 3960, 9960, 1780},
    {K::Caption, nullptr, u"Вид плащане", 240, 4020, 1500, 260},
    {K::Field, "PayType", nullptr, 240, 4280, 1400, 300},
    {K::Button, "cmdParType", u"§", 1660, 4280, 360, 300},
    {K::Caption, nullptr, u"Вид валута", 2200, 4020, 1100, 260},
    {K::Field, "valuta", nullptr, 2200, 4280, 900, 300},
    {K::Caption, nullptr, u"Сума", 3300, 4020, 1200, 260},
    {K::Field, "suma", nullptr, 3300, 4280, 2400, 300},
    {K::Caption, nullptr, u"Основание за плащане-код (БУЛСТАТ)", 240, 4680, 4000, 260},
    {K::Field, "Osnovanie", nullptr, 240, 4940, 9720, 300},
    {K::Caption, nullptr, u"Параграф по ЕБК/Вид данъчно задължение", 240, 5360, 4200, 260},
    {K::Field, "paragraf", nullptr, 4500, 5340, 4900, 300},
    {K::Button, "cmdParagraf", u"§", 9460, 5340, 360, 300},

    {K::Frame, "fraDoc", u"", 120, 5800, 9960, 1340},
    {K::Caption, nullptr, u"Период: начало", 240, 5860, 1700, 260},
    {K::Field, "period1", nullptr, 240, 6120, 1200, 300},
    {K::Button, "cmdPeriod1", u"...", 1460, 6120, 360, 300},
    {K::Caption, nullptr, u"край", 1980, 5860, 1200, 260},
    {K::Field, "period2", nullptr, 1980, 6120, 1200, 300},
    {K::Button, "cmdPeriod2", u"...", 3200, 6120, 360, 300},
    {K::Caption, nullptr, u"Вид документ", 240, 6500, 1500, 260},
    {K::Field, "VidDoc", nullptr, 240, 6760, 500, 300},
    {K::Button, "cmdVidDoc", u"▼", 760, 6760, 360, 300},
    {K::Caption, nullptr, u"и номер на документа,  по който се плаща", 1500, 6500, 4300, 260},
    {K::Field, "DocNum", nullptr, 1500, 6760, 4000, 300},
    {K::Caption, nullptr, u"Дата на документа", 5900, 6500, 2000, 260},
    {K::Field, "DocDate", nullptr, 5900, 6760, 1200, 300},
    {K::Button, "cmdDocDate", u"...", 7120, 6760, 360, 300},

    {K::Frame, "fraNareditel", u"", 120, 7200, 9960, 1300},
    {K::Caption, nullptr, u"Наредител  - име на иницииращия плащането бюджетен разпоредител", 240,
     7260, 8000, 260},
    {K::Field, "Nareditel", nullptr, 240, 7520, 9240, 300},
    {K::Button, "cmdFindN", u"...", 9540, 7520, 420, 300},
    {K::Caption, nullptr, u"Код дейност", 240, 7880, 1300, 260},
    {K::Field, "WorkKod", nullptr, 240, 8120, 1000, 300},
    {K::Caption, nullptr, u"Дата на изпълнение", 1600, 7880, 2000, 260},
    {K::Field, "workDate", nullptr, 1600, 8120, 1200, 300},
    {K::Button, "cmdWorkDate", u"...", 2820, 8120, 360, 300},
    {K::Caption, nullptr, u"Код на бюджетен разпоредител", 3500, 7880, 3000, 260},
    {K::Field, "budjetKod", nullptr, 3500, 8120, 2400, 300},
    {K::Caption, nullptr, u"Вид плащане в СЕБРА", 6600, 7880, 2400, 260},
    {K::Field, "SEBRA", nullptr, 6600, 8120, 1200, 300},

    {K::Small, nullptr, u"Вид документ:", 240, 8580, 1500, 240},
    {K::Small, nullptr,
     u"1-декларация;2-ревизионен акт;3-наказателно постановление;4-авансова вноска;5-партиден",
     1700, 8580, 8300, 240},
    {K::Small, nullptr, u"номер на имот;6-постановление за принудително събиране;9-други.", 1700,
     8820, 8300, 240},
    {K::Small, nullptr, u"Забележка:", 240, 9120, 1500, 240},
    {K::Small, nullptr,
     u"За всеки отделен данък, акцизна стока или услуга, такса мито, осигуровка, лихва, имот,",
     1700, 9120, 8300, 240},
    {K::Small, nullptr, u"ППС и др. или вид документ, се попълва отделен платежен документ.", 1700,
     9360, 8300, 240},
};

const QList<FormItem> &form()
{
    return bplnForm;
}

}  // namespace

KindWiring BudgetOrganisationWiring()
{
    KindWiring w;
    w.kind = u"BPln"_s;
    w.form = {&form, 10800, 9740, {}, {}};
    w.print = &BudgetOrganisationPrint;
    w.menuItem = u"mnuBPln"_s;
    w.toolButton = u"cmdBpn"_s;
    w.fieldButtons = {
        FieldButton::date(u"cmdPDate"_s, u"pDate"_s, {5650, 680}),
        FieldButton::date(u"cmdPeriod1"_s, u"period1"_s, {260, 1900}),
        FieldButton::date(u"cmdPeriod2"_s, u"period2"_s, {580, 1900}),
        FieldButton::date(u"cmdWorkDate"_s, u"workDate"_s, {580, 2950}),
        FieldButton::date(u"cmdDocDate"_s, u"DocDate"_s, {5380, 1880}),
        FieldButton::paragraph(u"cmdParType"_s, u"PayType"_s),
        FieldButton::paragraph(u"cmdParagraf"_s, u"paragraf"_s),
        FieldButton::choice(
            u"cmdVidDoc"_s, u"VidDoc"_s,
            {u"1 декларация"_s, u"2 ревизионен акт"_s, u"3 наказателно постановление"_s,
             u"4 авансова вноска"_s, u"5 данъчен партиден номер на имот"_s,
             u"6 постан.за принудително събиране"_s, u"9 други"_s}),
    };
    return w;
}

}  // namespace remitor
