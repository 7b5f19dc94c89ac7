#pragma once

#include "base/interaction.h"
#include "print/page_layout.h"
#include "store/record.h"

#include <optional>

namespace remitor {

// The credit transfer order on paper: "PrintPln" carries the block of the
// second page (data for transfers between local and foreign persons),
// "PrintPln2" the declaration in its place. The order block is the same.
const PageLayout &PrintPlnLayout();
const PageLayout &PrintPln2Layout();
inline const PageLayout &CreditTransferPage(bool secondPage)
{
    return secondPage ? PrintPlnLayout() : PrintPln2Layout();
}

// The colour of the boxes that the user's data goes into.
inline constexpr quint32 FormBoxColour = 0xFFF1C4u;

// The labels of the page filled from a credit transfer record (PlnTable):
// texts as the editor shows them, accounts spread in groups of four for
// their boxes, BICs, currency and the central bank's number one character
// per box, the amount as three blanks and the figures with a decimal comma
// (no amount: the boxes crossed out instead), the execution date in six
// boxes (day, month, the last two digits of the year). The second page's
// marks and texts only when `secondPage`. With `colourPrinting` off every
// box prints on white.
PageFill FillCreditTransfer(const Record &record, bool secondPage, bool colourPrinting);

// The print choice: "Печат на документ" with "2 копия", "1 копие" and
// "Отказ", placed like the save dialog.
SaveChoice PrintCopiesChoice();

// What the print command of the credit transfer editor does before the
// page is drawn: both accounts are checked (an invalid one is told and
// printing goes on), the user chooses two copies, one copy or nothing, and
// the page is filled. No job when the user cancels.
std::optional<PrintJob> PrepareCreditTransferPrint(const Record &record, bool secondPage,
                                                   bool colourPrinting, Interaction &ui);

}  // namespace remitor
