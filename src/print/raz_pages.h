#pragma once

#include "print/page_fill.h"

namespace remitor {

// The order-receipt on paper ("PrintRaz"): the order to pay cash out above,
// the receipt of the person who collects it below. The receipt's line
// "lblSuma" is the editor's extra text, filled by the window.
const PageLayout &PrintRazLayout();
const KindPrint &OrderReceiptPrint();

}  // namespace remitor
