#pragma once

#include "documents/gui/kind_wiring.h"

// The blocks that the budget payment order and its four-item form share on
// screen: the bank's head, the payee, one item's document and period, the
// liable person, the payer and the charges.
namespace remitor::budgetform {

// The names of one item's fields and of the buttons beside them.
struct ItemNames {
    const char *vidDoc, *docNum, *docDate, *period1, *period2;
    const char *kindButton, *docDateButton, *period1Button, *period2Button;
};

QList<FormItem> headItems(const char16_t *title);
// The document the payment is made on and the period, framed, from `top` down.
inline constexpr int DocumentHeight = 1340;
// With `kindsNote` the note on the document kinds stands beside the fields.
QList<FormItem> documentItems(const ItemNames &n, int top, bool kindsNote = false);
// Moves every item from `from` down by `by` twips up.
void lift(QList<FormItem> &items, int from, int by);
// The liable person, the payer and the charges, from `top` down.
QList<FormItem> partiesItems(int top);

// The buttons of the head and the parties, with the pickers placed as the
// kind wants them (submission date, execution date).
QList<FieldButton> headButtons(QPoint submissionDate, QPoint executionDate);
// One item's buttons: its kind drop-down with `kinds`, its document date and
// its period (the start with its month's end).
QList<FieldButton> itemButtons(const ItemNames &n, const QStringList &kinds, QPoint docDate,
                               QPoint period1, QPoint period2);

}  // namespace remitor::budgetform
