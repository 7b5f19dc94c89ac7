#include "documents/gui/cash_order_editor.h"
#include "documents/gui/kind_wiring.h"
#include "cash/pko_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The disbursement: the firm, the title with number and date, then whom
// the cash is paid to, the papers that show who took it, the basis and
// the amount.
const QList<FormItem> rkoFormBody = {
    {K::Frame, "fraOrder", u"", 120, 1920, 9960, 4500},
    {K::Caption, nullptr, u"Да се брои на:", 240, 2100, 2300, 270},
    {K::Field, "Poluchatel", nullptr, 2560, 2080, 7400, 300},
    {K::Caption, nullptr, u"Адрес:", 240, 2500, 2300, 270},
    {K::Field, "Adress", nullptr, 2560, 2480, 7400, 300},
    {K::Small, nullptr, u"Лична карта/издадена на:/ от:", 240, 2850, 2300, 400},
    {K::Field, "Karta", nullptr, 2560, 2880, 7400, 300},
    {K::Caption, nullptr, u"ЕГН", 240, 3300, 2300, 270},
    {K::Field, "EGN", nullptr, 2560, 3280, 2000, 300},
    {K::Caption, nullptr, u"Представител на:", 240, 3700, 2300, 270},
    {K::Field, "Predstavitel", nullptr, 2560, 3680, 7400, 300},
    {K::Caption, nullptr, u"Пълномощно N:/дата", 240, 4100, 2300, 270},
    {K::Field, "Palnomostno", nullptr, 2560, 4080, 7400, 300},
    {K::Caption, nullptr, u"За/срещу:", 240, 4580, 2300, 270},
    {K::Field, "Osnovanie", nullptr, 2560, 4560, 7400, 300},
};

const QList<FormItem> &form()
{
    static const QList<FormItem> items =
        CashOrderHead("FirmaRKO", u"РАЗХОДЕН КАСОВ ОРДЕР", "RKOno") + rkoFormBody +
        CashOrderAmount(5040);
    return items;
}

}  // namespace

KindWiring CashDisbursementWiring()
{
    return CashOrderWiring(u"RKO"_s, {&form, 10800, 7000}, &CashDisbursementPrint);
}

}  // namespace remitor
