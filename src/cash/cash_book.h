#pragma once

#include "base/interaction.h"
#include "base/money.h"
#include "store/record.h"

#include <QDate>
#include <QList>
#include <QString>

namespace remitor {

class Database;
class Store;

// The cash desk counts in leva up to 31 December 2025 and in euro from
// 1 January 2026: a row of the book, and a cash order, are in the currency
// of their date. A row without a date stands before every period, in leva.
enum class CashCurrency { Leva, Euro };

CashCurrency CashCurrencyOn(const QDate &date);
// "BGN" or "EUR": the currency text the amount in words is written in.
QString CurrencyCode(CashCurrency currency);
// "лв." or "евро", after a figure.
QString CurrencyUnit(CashCurrency currency);
// An amount in a message: two decimals, "0.00" and "-12.50" included.
QString MoneyText(Money amount);

// The cash book: KasaTable of the main database, in pages of 18 rows.
inline constexpr int CashPageRows = 18;
const TableDef &CashBookTable();

// A balance row: its text holds "САЛДО" in any letter case.
bool IsBalanceRow(const QString &note);

// The rows of a page, in key order: from the row with the key `firstKey`
// (or the next one after it) onwards, at most 18.
QList<Record> CashRowsFrom(Store &store, qint32 firstKey);
// The page that ends with the row of `lastKey` (or the one before it); 0
// means the end of the book.
QList<Record> CashRowsEndingAt(Store &store, qint32 lastKey);
int CashRowCount(Store &store);
// The key of the last row; 0 for an empty book.
qint32 LastCashKey(Store &store);
// The same, and adding a row, on a connection that holds a transaction
// of the caller's (the book must exist in the file).
qint32 LastCashKey(Database &db);
bool InsertCashRow(Database &db, const Record &row);

// Enter on a row: the date text is normalised; a row whose number, date or
// text is typed is stored, a new one (key 0) after the last row. An empty
// date is the working date; a text that is no date is refused with
// "Невалидна дата" and nothing is written.
enum class CommitOutcome { Stored, Blank, BadDate, Failed };
CommitOutcome CommitCashRow(Store &store, Record &row, const QString &dateText, const QDate &today,
                            Interaction &ui);

// "Изтрива маркирания ред." on OK deletes the row.
bool DeleteCashRow(Store &store, qint32 key, Interaction &ui);

// "Сортира записите по дати?" on OK numbers the rows 1, 2, 3 … in the
// order of their dates (rows of one date keep their order), in one
// transaction.
bool SortCashBookByDate(Store &store, Interaction &ui);

// The next number of a cash order: the highest number of the book's
// receipt rows (or disbursement rows) plus one, 1 for none. The balance
// row (number 0) and texts that are no number do not count.
qint32 NextCashOrderNumber(Store &store, bool receipt);

}  // namespace remitor
