#include "documents/gui/bank_head_form.h"
#include "documents/gui/kind_wiring.h"
#include "print/sdd_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The consent as the paper has it: the payer's bank and the date at the
// top, then the sentence that names the payee, the limit, the account, the
// validity and the conditions, and the payer at the foot.
const QList<FormItem> &form()
{
    static const QList<FormItem> items =
        BankHeadForm(u"Дата на представяне", false, 1240) +
        QList<FormItem>{
            {K::Title, "lblTitle", u"СЪГЛАСИЕ за директен дебит", 300, 1480, 9700, 400},

            {K::Frame, "fraConsent", u"", 120, 2000, 9960, 3420},
            {K::Caption, nullptr, u"С настоящото се съгласяваме да плащаме по искане", 240, 2080,
             6000, 260},
            {K::Field, "Poluchatel", nullptr, 240, 2340, 9240, 300},
            {K::Button, "cmdFindP", u"...", 9540, 2340, 420, 300},
            {K::Small, nullptr, u"име на получателя по директен дебит", 240, 2660, 6000, 240},
            {K::Caption, nullptr, u"при условие на директен дебит в размер на:", 240, 3020, 4200,
             260},
            {K::Field, "Razmer", nullptr, 4500, 3000, 2500, 300},
            {K::Caption, nullptr, u"срещу наша сметка при нас N:", 240, 3440, 3000, 260},
            {K::Field, "IBANn", nullptr, 3300, 3420, 3450, 300},
            {K::Caption, nullptr, u"Срок на валидност:", 240, 3860, 2000, 260},
            {K::Field, "srok", nullptr, 2300, 3840, 7660, 300},
            {K::Caption, nullptr, u"Условия:", 240, 4280, 1100, 260},
            {K::Field, "uslovia", nullptr, 1400, 4260, 8560, 300},
            {K::Caption, nullptr, u"Платец - име", 240, 4760, 1500, 260},
            {K::Field, "Platec", nullptr, 1800, 4740, 7680, 300},
            {K::Button, "cmdFindN", u"...", 9540, 4740, 420, 300},
        };
    return items;
}

}  // namespace

KindWiring DirectDebitConsentWiring()
{
    KindWiring w;
    w.kind = u"SDD"_s;
    w.form = {&form, 10800, 6400, {}, {}};
    w.print = &DirectDebitConsentPrint;
    w.menuItem = u"mnuSDD"_s;
    w.toolButton = u"cmdSDD"_s;
    return w;
}

}  // namespace remitor
