#pragma once

#include "base/interaction.h"
#include "print/page_fill.h"

#include <optional>

namespace remitor {

// The print choice: "Печат на документ" with "2 копия", "1 копие" and
// "Отказ", placed beside the editor like its save dialog.
SaveChoice PrintCopiesChoice(const KindPrint &print);

// What every editor's print command does before the page is drawn: the
// accounts of the document are checked in their entry order (a wrong one
// is told, and printing goes on), a document that fails its kind's check
// is told and not printed, the user chooses two copies, one copy or
// nothing, the page is chosen (with the second page's block or without) and
// filled. No job when the user cancels.
std::optional<PrintJob> PreparePrint(const PrintSubject &subject, const KindPrint &print,
                                     const Record &record, bool secondPage, bool colourPrinting,
                                     Interaction &ui);

}  // namespace remitor
