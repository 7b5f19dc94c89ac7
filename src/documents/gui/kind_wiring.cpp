#include "documents/gui/kind_wiring.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

QList<KindWiring> build()
{
    // In the order of the menu "Документи".
    return {BudgetOrderWiring(),        FourItemBudgetOrderWiring(), BudgetOrganisationWiring(),
            CreditTransferWiring(),     DirectDebitWiring(),         MassPaymentWiring(),
            DirectDebitConsentWiring(), ForeignTransferWiring(),     CurrencyBuySellWiring(),
            OrderReceiptWiring(),       DepositSlipWiring(),         CashReceiptWiring(),
            CashDisbursementWiring()};
}

}  // namespace

const QList<KindWiring> &kindWirings()
{
    static const QList<KindWiring> table = build();
    return table;
}

const KindWiring *wiringOf(const QString &kind)
{
    for (const KindWiring &w : kindWirings())
        if (w.kind == kind)
            return &w;
    return nullptr;
}

}  // namespace remitor
