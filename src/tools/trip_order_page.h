#pragma once

#include "print/page_fill.h"

namespace remitor {

// The business-trip order on paper ("frmPrintKom"): the order in the upper
// half of the sheet, so that two copies go on one sheet like the bank forms.
const PageLayout &TripOrderPage();
// What printing knows of the order, and how it prints: the page and the
// line of the report that the option "Устно" / "Писмено" chooses.
PrintSubject TripOrderSubject();
const KindPrint &TripOrderPrint();

}  // namespace remitor
