#pragma once

#include "print/page_fill.h"

namespace remitor {

// The direct debit order on paper: "PrintIsk" with the block of the second
// page (transfers between local and foreign persons), "PrintIsk2" without.
const PageLayout &PrintIskLayout();
const PageLayout &PrintIsk2Layout();
const KindPrint &DirectDebitPrint();

}  // namespace remitor
