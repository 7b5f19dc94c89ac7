#pragma once

#include "print/page_fill.h"

namespace remitor {

// The four-item order to the budget on paper: the head of the budget
// payment order, the total and four items, each with its own payment type,
// grounds, document and period.
const PageLayout &PrintPlnB4Layout();
const KindPrint &FourItemBudgetOrderPrint();

}  // namespace remitor
