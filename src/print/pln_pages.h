#pragma once

#include "print/page_fill.h"

namespace remitor {

// The credit transfer order on paper: "PrintPln" carries the block of the
// second page (data for transfers between local and foreign persons),
// "PrintPln2" the declaration in its place. The order block is the same.
const PageLayout &PrintPlnLayout();
const PageLayout &PrintPln2Layout();
const KindPrint &CreditTransferPrint();

// The head of the bank's forms: the bank the document is handed to ("До",
// "Клон", "Адрес"), the town, the date of submission and the box of the
// bank's unique registration number, above 1000 twips.
QList<PageElement> BankHeader();

// The framed order of a transfer between two accounts given by IBAN, as the
// credit transfer and the direct debit forms share it: the bank's header,
// the upper party (name, IBANp, BICp, Bankap), the title beside the currency
// and the amount, the reason, the lower party (name, IBANn, BICn), the
// payment system, the charges and the execution date; the bank's fee only
// where the kind has one. What changes between the kinds is said here.
struct TransferOrderText {
    QString subtitle;  // "за кредитен превод"
    QString upperName, upperNameCaption;
    QString upperIbanCaption, upperBicCaption, upperBankCaption;
    QString reasonCaption;
    QString lowerName, lowerNameCaption;
    QString lowerIbanCaption, lowerBicCaption;
    bool bankFee = true;
};
QList<PageElement> TransferOrderBlock(const TransferOrderText &text);
// Where the block ends: what follows it starts here.
int TransferOrderBottom(bool bankFee);
// The statistics block of transfers between local and foreign persons,
// from `top` down (2870 twips).
QList<PageElement> ForeignPersonsBlock(int top);
// The signer's signature and the bank's mark, on one row.
QList<PageElement> SignatureRow(int top, const QString &signer);
// The payer's declaration that the information on the payment was given.
QList<PageElement> PaymentDeclaration(int left, int top);

}  // namespace remitor
