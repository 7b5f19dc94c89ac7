#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace remitor {

class Store;

// The national currency: the currency that the editors put into a new
// document. The euro since 1 January 2026; the lev stays selectable for
// documents dated before then. One row of ValutaTable in the main database,
// apart from the parameter record, whose layout other installations' files
// share.
inline constexpr auto DefaultNationalCurrency = u"EUR";

// The codes the setting takes, the default first: "EUR", "BGN".
QStringList NationalCurrencyChoices();

// The first day of the euro in Bulgaria: 1 January 2026.
QDate EuroChangeoverDate();

// Whether a document dated `date` may be in the national currency `code`:
// the euro always, the lev only before 2026; an empty date fits either. A
// code that is no choice fits nothing.
bool NationalCurrencyFits(const QString &code, const QDate &date);

// The stored setting, upper-cased and trimmed; "EUR" when the file has none
// (an older file), cannot be read, or holds a code that is no choice.
QString LoadNationalCurrency(Store &store);

// Stores `code` (any letter case, blanks around it ignored) as the one row
// of ValutaTable, in one transaction. False, with nothing written, for a
// code that is no choice or when the file cannot be written.
bool SaveNationalCurrency(Store &store, const QString &code);

}  // namespace remitor
