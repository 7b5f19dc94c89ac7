#pragma once

#include "print/page_fill.h"

namespace remitor {

// The deposit slip on paper ("PrintVnos").
const PageLayout &PrintVnosLayout();
const KindPrint &DepositSlipPrint();

// The shape the cash slips of a bank counter share: the bank's header and
// a framed block with the account holder's name, account and bank, the
// title beside the currency and the amount paid in cash, and the amount in
// words. The block's frame ends at `bottom`; a slip's own rows start at
// CounterSlipRows.
struct CounterSlipText {
    QString holderCaption, holder;  // "В полза на- име", "Nareditel"
    QString ibanCaption, iban;
    QString bankCaption, bank;
    QString title, subtitle;
};
QList<PageElement> CounterSlipBlock(const CounterSlipText &text, int bottom);
inline constexpr int CounterSlipRows = 3070;

}  // namespace remitor
