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

}  // namespace remitor
