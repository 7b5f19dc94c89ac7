#pragma once

#include "base/money.h"
#include "reports/reports_base.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace remitor {

class Interaction;
class Store;

// "Обхват" of the report window: mode1, mode2, mode3.
enum class ReportScope { PayeeAndPayer, Payee, Payer };

// A party as the report window holds it: the name in the list's text and
// the account in the label beside it.
struct ReportParty {
    QString account;
    QString name;
    bool operator==(const ReportParty &) const = default;
};

struct ReportRequest {
    QString kind;              // the kind's id
    QDate from, to;            // null: no bound
    QString fromText, toText;  // the date fields as they read, for the heading
    ReportScope scope = ReportScope::PayeeAndPayer;
    ReportParty payee, payer;
    QString signature;      // the kind's signature line
    int linesPerPage = 60;  // what one printed page holds in the window's font
};

struct CurrencyTotal {
    QString currency;  // upper-cased; empty for documents without one
    Money total;
    int documents = 0;
};

struct Report {
    bool ok = false;              // false when the reports base could not be read
    QStringList pages;            // the text of each page
    int lines = 0;                // documents listed
    QList<CurrencyTotal> totals;  // one per currency, in the order of the codes
    // Documents left out because the period was bounded and their date
    // could not be told: none given, or a text that is no date.
    QList<qint32> undated;
    QList<qint32> unreadable;
};

// The fixed parts of every report.
inline constexpr int ReportIndentWidth = 7;
inline constexpr int ReportSeparatorWidth = 91;
QString ReportSeparator(int width = ReportSeparatorWidth);
QString ReportColumnHeader(bool bank, bool currencies = false);

// Reads the kind's copies in the order of their dates (then numbers),
// keeps those of the period and the scope, and lays them out page by page:
// the page head on every page, the totals and the signature at the end.
// Amounts of different currencies are never added: a report of more than
// one currency shows each line's currency (its names four places shorter)
// and one total per currency.
// `progress` is told (done, all) while the rows are read.
Report BuildReport(Store &store, const ReportRequest &request,
                   const std::function<void(qint64, qint64)> &progress = {});

// "Старт" of the report window: no kind gives "Не е посочена справка.", a
// From after the To a message; otherwise the report, and a message naming
// the documents the period left out because their date cannot be told.
std::optional<Report> RunReport(Store &store, Interaction &ui, const ReportRequest &request,
                                const std::function<void(qint64, qint64)> &progress = {});

// The entries of a party list: each different account and name once, in
// the order of the dates. No kind: "Не е посочена справка."; no copies:
// "Няма записи".
std::optional<QList<ReportParty>> PartyList(Store &store, Interaction &ui, const QString &kind,
                                            bool payee);

}  // namespace remitor
