#pragma once

#include "documents/gui/form.h"

namespace remitor {

// The editors of the cash slips of a bank counter share their upper part:
// the bank, the town and the date of submission, the title, the account
// holder with the contractor button, the account and its bank, the currency,
// the amount paid in cash and the amount in words ("dumi"). A slip's own
// rows follow from CounterSlipFormRows down.
struct CounterSlipFormText {
    const char16_t *title;
    const char16_t *holderCaption;
    const char *holder;
    const char16_t *ibanCaption;
    const char *iban;
    const char16_t *bankCaption;
    const char *bank;
    const char16_t *payCaption;  // before the currency ("Платете"), or empty
    int ownRows;                 // the slip's own rows, 420 twips each
};
QList<FormItem> CounterSlipForm(const CounterSlipFormText &text);
inline constexpr int CounterSlipFormRows = 4840;

}  // namespace remitor
