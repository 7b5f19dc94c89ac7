#pragma once

#include "print/page_fill.h"

namespace remitor {

// The credit transfer order on paper: "PrintPln" carries the block of the
// second page (data for transfers between local and foreign persons),
// "PrintPln2" the declaration in its place. The order block is the same.
const PageLayout &PrintPlnLayout();
const PageLayout &PrintPln2Layout();
const KindPrint &CreditTransferPrint();

}  // namespace remitor
