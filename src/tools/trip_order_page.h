#pragma once

#include "print/page_fill.h"

namespace remitor {

// The business-trip order on paper ("frmPrintKom"): the order in the upper
// half of the sheet, so that two copies go on one sheet like the bank forms.
const PageLayout &TripOrderPage();
// Its back ("frmPrintKom2"), in the same half: the places certified, the
// report of the work and the account of the costs.
const PageLayout &TripReportPage();
// Both on one side of a sheet ("frmPrintCom"), the back in the lower half.
const PageLayout &TripOneSheetPage();

// What printing knows of the order, and how it prints: the page and the
// line of the report that the option "Устно" / "Писмено" chooses.
PrintSubject TripOrderSubject();
const KindPrint &TripOrderPrint();
// The back, printed like the order: two copies or one.
const KindPrint &TripReportPrint();
// The order and its back on one sheet, once.
PrintJob TripOneSheetJob(const Record &order, bool colourPrinting);

// The daily allowance of the whole trip: the days times the daily rate.
Money TripDailyAllowance(const Record &order);

}  // namespace remitor
