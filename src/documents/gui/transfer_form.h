#pragma once

#include "documents/gui/form.h"

namespace remitor {

// The editor of a transfer between two accounts given by IBAN, as the
// credit transfer and the direct debit orders share it: the bank and the
// date of submission, the upper party (name, IBANp, BICp, Bankap), the
// currency, the amount and the reason, the lower party (name, IBANn, BICn),
// the payment system, the charges and the execution date, the bank's fee
// where the kind has one, and the second page's button and check box.
struct TransferFormText {
    const char16_t *title;
    const char *upperName;
    const char16_t *upperNameCaption, *upperIbanCaption, *upperBicCaption, *upperBankCaption;
    const char16_t *reasonCaption;
    const char *lowerName;
    const char16_t *lowerNameCaption, *lowerIbanCaption, *lowerBicCaption;
    bool bankFee;
};
QList<FormItem> TransferForm(const TransferFormText &text);
// The form's height in twips.
int TransferFormHeight(bool bankFee);

// The second page of the transfers between local and foreign persons.
const QList<FormItem> &ForeignPersonsForm();

}  // namespace remitor
