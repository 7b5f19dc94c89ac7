#pragma once

#include "cash/cash_book.h"

#include <QDate>
#include <QList>
#include <QString>

namespace remitor {

class Store;

// What the book says of one period in one currency. A period that runs
// over 1 January 2026 has two sections, the leva up to 31 December 2025 and
// the euro from 1 January 2026: leva and euro never go into one sum; the
// leva balance is carried into the euro section converted at 1.95583.
struct CashSection {
    CashCurrency currency = CashCurrency::Leva;
    QDate from, to;
    Money opening;  // balance rows, and every row before `from`
    Money receipts;
    Money disbursements;
    bool carriesLeva = false;  // the euro opening holds the leva balance converted
    Money levaCarried;         // that balance, in leva
    Money closing() const { return opening + receipts - disbursements; }
};

// The sections of the period From–To (none when To is before From). A row
// counts in the currency of its date; a balance row, and a row before the
// section, counts towards its opening balance; rows after To do not count.
QList<CashSection> CashTurnover(Store &store, const QDate &from, const QDate &to);

// "Касов оборот" (mode "K"): the opening balance, receipts, disbursements
// and the rest, right-aligned in 12 characters, one block per section.
QString CashTurnoverText(const QList<CashSection> &sections);

// "ДНЕВНИК НА КАСАТА" (mode "DK"): one line per row of the period, by date,
// with its running number, document number, date, text, receipt and disbursement,
// the opening balance first and the sums and the rest last. With a search
// text only the rows whose text holds it are listed, with their sums (an
// opening and a rest of some rows would be no balance of the cash desk).
QString CashJournalText(Store &store, const QDate &from, const QDate &to,
                        const QString &search = {});

// "СПИСЪК НА КАСОВИТЕ ДОКУМЕНТИ" (mode "SKD"): the receipt and disbursement
// orders dated in the period, by date, with their sums per currency.
QString CashDocumentListText(Store &store, const QDate &from, const QDate &to);

}  // namespace remitor
