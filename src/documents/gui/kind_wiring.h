#pragma once

#include "documents/gui/form.h"
#include "print/page_fill.h"

#include <QString>

namespace remitor {

// A window's form: its layout table and size in twips; a second page also
// names its window and caption.
struct FormSpec {
    const QList<FormItem> &(*items)() = nullptr;
    int widthTwips = 0;
    int heightTwips = 0;
    QString name;  // "frmPln2"
    QString title;  // "Данни за преводи между местни и чуждестранни лица"
    explicit operator bool() const { return items != nullptr; }
};

// How one document kind is wired from the main window to the printer: its
// editor's form, the second page, the print pages and what the kind adds to
// their filling, the check box that chooses the page with the second
// page's block, and the menu item and picture button that open the editor.
// The main window, the editor and the print command read this table; a kind
// costs its descriptor, its forms and its pages.
class EditorWindow;

struct KindWiring {
    QString kind;  // the descriptor's id, "Pln"
    FormSpec form;
    FormSpec secondPage;
    const KindPrint &(*print)() = nullptr;
    QString pageChoice;  // "Check1"
    QString menuItem;    // "mnuPln"
    QString toolButton;  // "cmdNKP"
    // What is really particular to the kind's editor (a button of its own, a
    // check that the shared workflow has no place for), added once the
    // editor is built; null for most kinds.
    void (*extend)(EditorWindow &editor) = nullptr;
};

const QList<KindWiring> &kindWirings();
// Null for a kind that has no editor yet.
const KindWiring *wiringOf(const QString &kind);

// Each kind's wiring, beside its forms in a file of its own.
KindWiring CreditTransferWiring();
KindWiring CashReceiptWiring();
KindWiring CashDisbursementWiring();

}  // namespace remitor
