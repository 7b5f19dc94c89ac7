#pragma once

#include "print/page_fill.h"

namespace remitor {

// The bilingual order for a credit transfer in foreign currency on paper
// ("PrintPlnM"): the order with the words in both languages, the charges,
// the fee, and the data for the balance-of-payments statistics of its
// second window, with the declaration and the signatures.
const PageLayout &PrintPlnMLayout();
const KindPrint &ForeignTransferPrint();

}  // namespace remitor
