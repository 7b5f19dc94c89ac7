#include "documents/gui/cash_order_editor.h"
#include "documents/gui/kind_wiring.h"
#include "cash/pko_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The receipt as the cash desk's pad has it: the firm at the top, the
// title with number and date, then who pays in, for what, and how much.
const QList<FormItem> pkoFormBody = {
    {K::Frame, "fraOrder", u"", 120, 1920, 9960, 2500},
    {K::Caption, nullptr, u"Да се приеме от:", 240, 2100, 2300, 270},
    {K::Field, "Vnositel", nullptr, 2560, 2080, 7400, 300},
    {K::Caption, nullptr, u"За/срещу:", 240, 2580, 2300, 270},
    {K::Field, "Osnovanie", nullptr, 2560, 2560, 7400, 300},
};

const QList<FormItem> &form()
{
    static const QList<FormItem> items =
        CashOrderHead("FirmaPKO", u"ПРИХОДЕН КАСОВ ОРДЕР", "PKOno") + pkoFormBody +
        CashOrderAmount(3040);
    return items;
}

}  // namespace

KindWiring CashReceiptWiring()
{
    return CashOrderWiring(u"PKO"_s, {&form, 10800, 6240}, &CashReceiptPrint);
}

}  // namespace remitor
