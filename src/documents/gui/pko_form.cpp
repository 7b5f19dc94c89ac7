#include "cash/gui/cash_order_editor.h"
#include "documents/gui/kind_wiring.h"
#include "print/pko_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The receipt as the cash desk's pad has it: the firm at the top, the
// title with number and date, then who pays in, for what, and how much.
const QList<FormItem> pkoFormBody = {
    {K::Frame, "fraOrder", u"", 120, 1920, 9960, 3260},
    {K::Caption, nullptr, u"Да се приеме от:", 240, 2100, 1900, 270},
    {K::Field, "Vnositel", nullptr, 2160, 2080, 7800, 300},
    {K::Caption, nullptr, u"За/срещу:", 240, 2580, 1900, 270},
    {K::Field, "Osnovanie", nullptr, 2160, 2560, 7800, 300},
    {K::Caption, nullptr, u"Сумата:", 240, 3060, 1900, 270},
    {K::Field, "suma", nullptr, 2160, 3040, 2600, 300},
    {K::Caption, nullptr, u"Словом:", 240, 3540, 1900, 270},
    {K::Caption, "slovom", u"", 2160, 3540, 7800, 600},
};

const QList<FormItem> &form()
{
    static const QList<FormItem> items =
        CashOrderHead("FirmaPKO", u"ПРИХОДЕН КАСОВ ОРДЕР", "PKOno") + pkoFormBody;
    return items;
}

}  // namespace

KindWiring CashReceiptWiring()
{
    KindWiring w;
    w.kind = u"PKO"_s;
    w.form = {&form, 10800, 6240};
    w.print = &CashReceiptPrint;
    w.menuItem = u"mnuPKO"_s;
    w.toolButton = u"cmdPKO"_s;
    w.extend = &ExtendCashOrderEditor;
    return w;
}

}  // namespace remitor
