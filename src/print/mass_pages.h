#pragma once

#include "print/page_fill.h"

namespace remitor {

// The mass payment order on paper ("PrintMass", printed by "Печата НМП")
// and the bank's declaration of receipt of its medium ("PrintDekl",
// printed by "Печата Декларация"), both from the same record.
const PageLayout &PrintMassLayout();
const PageLayout &PrintDeklLayout();
const KindPrint &MassPaymentPrint();
const KindPrint &MassDeclarationPrint();

}  // namespace remitor
