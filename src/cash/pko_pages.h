#pragma once

#include "print/page_fill.h"

namespace remitor {

// The cash orders on paper, laid out like the pads of the cash desk:
// "PrintPKO" the receipt, "PrintRKO" the disbursement. The amount is
// followed by its currency and written out in words in it: leva for an
// order dated before 2026, euro after.
const PageLayout &PrintPKOLayout();
const PageLayout &PrintRKOLayout();
const KindPrint &CashReceiptPrint();
const KindPrint &CashDisbursementPrint();

// The firm's officers who sign the orders: the signature line's caption and
// the field of the firm's data that holds the name printed under it. The
// editor fills each name under the field's name.
struct CashOrderSigner {
    QString caption;
    QString firmaField;
};
const QList<CashOrderSigner> &CashOrderSigners();

}  // namespace remitor
