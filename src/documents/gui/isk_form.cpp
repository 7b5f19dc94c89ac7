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
        u"BIC на банката на платеца",
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

// Wired as the credit transfer order is: the same second page, over this
// kind's record, and the same choice of the printed page.
KindWiring DirectDebitWiring()
{
    KindWiring w = CreditTransferWiring();
    w.kind = u"Isk"_s;
    w.form = {&form, 10800, TransferFormHeight(false), {}, {}};
    w.secondPage.name = u"frmIsk2"_s;
    w.print = &DirectDebitPrint;
    w.menuItem = u"mnuIsk"_s;
    w.toolButton = u"cmdNDD"_s;
    return w;
}

}  // namespace remitor
