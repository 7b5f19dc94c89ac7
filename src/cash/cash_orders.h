#pragma once

#include "cash/cash_book.h"
#include "store/record.h"

#include <QString>

namespace remitor {

class Session;

// The cash receipt (PKOTable) and the cash disbursement (RKOTable): what
// their editors do beyond the shared workflow. The descriptors hand these
// to the workflow as hooks.

bool IsCashReceipt(const Record &order);
// The order's number field: "PKOno" or "RKOno".
QString CashOrderNumberField(const Record &order);
// The other party: "Vnositel" or "Poluchatel".
QString CashOrderPartyField(const Record &order);

// The currency of an order is the currency of its date; an order without
// a date is posted with the working date, and is in its currency.
CashCurrency CashOrderCurrency(const Record &order, const QDate &today);
// "Словом": the amount in words in the order's currency ("лв."/"ст." or
// "евро"/"цента").
QString CashOrderWords(const Record &order, const QDate &today);

// "cmdNo": the number proposed from the cash book.
void ProposeCashOrderNumber(Session &session, Record &order);

// Opening the editor on an order not stored yet: the firm's name and
// BULSTAT come from the own company's data (when it has a name), and the
// number is proposed. A stored order shows as it was stored.
void OpenCashOrder(Session &session, Record &order);

// New: no question; a document without a key, the number proposed, the
// working date, the other party, the basis and the amount cleared; the firm
// and the rest stay.
void RenewCashOrder(Session &session, Record &order);

// "cmdBase", "Записа документа в касовата книга": after the question, the
// order is stored (under the lowest free number when it has none, over its
// number otherwise) and its row is written into the cash book, both in one
// transaction: either both are there or neither. An order without a date
// takes the working date. An order posted before (a row of the same number,
// date and amount) is posted again only when the user says so. `status`
// says what came of it.
bool PostCashOrder(Session &session, Record &order, QString &status);

}  // namespace remitor
