#pragma once

#include "cash/cash_book.h"

#include <QDate>
#include <optional>

namespace remitor {

class Store;

// The balance row that a closing leaves at the head of the book.
struct ClosingBalance {
    QDate date;  // the day after the period: 1 January after a year
    CashCurrency currency = CashCurrency::Leva;
    Money amount;  // negative when more went out than came in
    QString note;  // "Салдо", or "Салдо от 2414.50 лв." when leva became euro
    bool carriesLeva = false;
    Money levaCarried;  // the leva balance in the euro amount
};

// What closing the period From–To would leave: every row dated up to To
// (and every row without a date) in one balance, in the currency of the
// day after To. Leva carried into a euro period are converted once, as a
// whole, at 1.95583, rounded to the cent. Nothing when no row is dated in
// the period.
std::optional<ClosingBalance> PlanClosing(Store &store, const QDate &from, const QDate &to);

// "cmdEndPeriod": the period is checked ("Невалидна дата", To before From,
// no row in the period: a message each), the user asked — and asked again
// before leva are turned into euro —, the files compacted with a backup
// copy (`compact`), and then, in one transaction, the rows up to To
// replaced by the one balance row, numbered 1, the rows after To kept
// after it in their order. A failure, or a kill, leaves the book as it was.
std::optional<ClosingBalance> ClosePeriod(Store &store, const QDate &from, const QDate &to,
                                          bool compact = true);

}  // namespace remitor
