#pragma once

#include "print/page_fill.h"

namespace remitor {

// The payer's consent to direct debits on paper ("PrintSDD").
const PageLayout &PrintSDDLayout();
const KindPrint &DirectDebitConsentPrint();

}  // namespace remitor
