#pragma once

#include "print/page_layout.h"

#include <functional>

class QWidget;

namespace remitor {

class EditorWindow;
class Session;

// What a print command does with its filled page; by default the print
// preview, from which the page goes to paper or to a PDF file.
using PrintPresenter = std::function<void(QWidget *parent, const PrintJob &job)>;

// "cmdPrint" of the credit transfer editor: the accounts checked (warnings
// only), the copies asked, the page chosen by "Check1" ("Печата част
// втора": the page with the second page's block, otherwise the one with the
// declaration), filled from the editor's record and shown.
void PrintCreditTransfer(EditorWindow &editor, Session &session, const PrintPresenter &present = {});

}  // namespace remitor
