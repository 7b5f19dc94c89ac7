#include "documents/gui/bank_head_form.h"
#include "documents/gui/counter_slip_form.h"
#include "documents/gui/kind_wiring.h"
#include "print/vnos_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

const QList<FormItem> &form()
{
    static const QList<FormItem> items = [] {
        QList<FormItem> f = CounterSlipForm({u"ВНОСНА БЕЛЕЖКА", u"В полза на - име", "Nareditel",
                                             u"IBAN на получателя", "IBANp",
                                             u"При банка - банка, име", "Bankap", u"", 2});
        constexpr int y = CounterSlipFormRows;
        f += {
            {K::Caption, nullptr, u"Вносител - име", 240, y + 20, 1700, 260},
            {K::Field, "Vnositel", nullptr, 2000, y, 7960, 300},
            {K::Caption, nullptr, u"Основание за внасяне", 240, y + 420, 2300, 260},
            {K::Field, "Osnovanie", nullptr, 2600, y + 400, 7360, 300},
        };
        return f;
    }();
    return items;
}

}  // namespace

QList<FormItem> CounterSlipForm(const CounterSlipFormText &t)
{
    return BankHeadForm(u"Място и дата на подаване", true, 1440) +
           QList<FormItem>{
               {K::Title, "lblTitle", t.title, 300, 1660, 9700, 400},

               {K::Frame, "fraHolder", u"", 120, 2160, 9960, 1640},
               {K::Caption, nullptr, t.holderCaption, 240, 2220, 4000, 260},
               {K::Field, t.holder, nullptr, 240, 2480, 9240, 300},
               {K::Button, "cmdFindN", u"...", 9540, 2480, 420, 300},
               {K::Caption, nullptr, t.ibanCaption, 240, 2900, 2300, 260},
               {K::Field, t.iban, nullptr, 2600, 2880, 3450, 300},
               {K::Caption, nullptr, t.bankCaption, 240, 3340, 2300, 260},
               {K::Field, t.bank, nullptr, 2600, 3320, 7360, 300},

               {K::Frame, "fraSuma", u"", 120, 3860, 9960, 1040 + 420 * t.ownRows},
               {K::Caption, nullptr, t.payCaption, 240, 3960, 1500, 260},
               {K::Caption, nullptr, u"Вид валута", 1900, 3960, 1200, 260},
               {K::Field, "valuta", nullptr, 3100, 3940, 800, 300},
               {K::Caption, nullptr, u"Сума", 4200, 3960, 600, 260},
               {K::Field, "suma", nullptr, 4800, 3940, 2600, 300},
               {K::Caption, nullptr, u"в брой", 7500, 3960, 1000, 260},
               {K::Caption, nullptr, u"С думи", 240, 4420, 1700, 260},
               {K::Words, "dumi", nullptr, 2000, 4400, 7960, 300, "suma"},
           };
}

KindWiring DepositSlipWiring()
{
    KindWiring w;
    w.kind = u"Vnos"_s;
    w.form = {&form, 10800, 6400, {}, {}};
    w.print = &DepositSlipPrint;
    w.menuItem = u"mnuVnos"_s;
    w.toolButton = u"cmdVNB"_s;
    w.dateOffsetTwips = {5650, 1050};
    return w;
}

}  // namespace remitor
