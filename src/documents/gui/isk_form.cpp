#include "documents/gui/kind_wiring.h"
#include "documents/gui/transfer_form.h"
#include "print/isk_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// The credit transfer's form with the payer above and the payee, who hands
// the order to his bank, below; no bank fee.
const QList<FormItem> &form()
{
    static const QList<FormItem> items = TransferForm({
        u"ПЛАТЕЖНО НАРЕЖДАНЕ ЗА ДИРЕКТЕН ДЕБИТ",
        "Platec",
        u"Платец - име на платеца",
        u"IBAN на платеца",
        u"BICна банката на платеца",
        u"При банка - име на банката на платеца",
        u"Основание за превод - информация за платеца",
        "Poluchatel",
        u"Получател - име",
        u"IBAN на получателя",
        u"BIC на банката на получателя",
        false,
    });
    return items;
}

}  // namespace

KindWiring DirectDebitWiring()
{
    KindWiring w;
    w.kind = u"Isk"_s;
    w.form = {&form, 10800, TransferFormHeight(false), {}, {}};
    w.secondPage = {&ForeignPersonsForm, 9840, 4860, u"frmIsk2"_s,
                    u"Данни за преводи между местни и чуждестранни лица"_s};
    w.print = &DirectDebitPrint;
    w.pageChoice = u"Check1"_s;
    w.menuItem = u"mnuIsk"_s;
    w.toolButton = u"cmdNDD"_s;
    return w;
}

}  // namespace remitor
