#pragma once

#include "print/page_fill.h"

namespace remitor {

// "БЮДЖЕТНО ПЛАТЕЖНО НАРЕЖДАНЕ": the order of a budget-funded organisation
// through the state's budget payment system, with its budget classification.
const PageLayout &PrintBplnLayout();
const KindPrint &BudgetOrganisationPrint();

}  // namespace remitor
