#pragma once

#include "documents/gui/form.h"
#include "documents/gui/kind_wiring.h"

namespace remitor {

class EditorWindow;

// The head that both cash order forms share: the firm and its BULSTAT, the
// title, the number with the button that proposes it, and the date with
// its picker.
QList<FormItem> CashOrderHead(const char *firmaField, const char16_t *title,
                              const char *numberField);

// The amount and its words, at `top` below the order's own fields.
QList<FormItem> CashOrderAmount(int top);

// A cash order's wiring: its form and page, the menu item "mnu<kind>" and
// the picture button "cmd<kind>", and the editor extended as below.
KindWiring CashOrderWiring(const QString &kind, const FormSpec &form, const KindPrint &(*print)());

// What the cash order editors add to the shared editor: "cmdNo" proposes
// the number from the cash book, "slovom" follows the amount and the date
// (the words in leva before 2026, in euro after), and a posting reloads
// the cash book's window when it is open.
void ExtendCashOrderEditor(EditorWindow &editor);

}  // namespace remitor
