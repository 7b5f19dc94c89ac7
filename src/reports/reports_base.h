#pragma once

#include "documents/kinds.h"
#include "store/database.h"
#include "store/record.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

struct sqlite3_stmt;

namespace remitor {

class Store;
class Table;

// One party of a report: the name field and the account field of the
// kind's reports-base table (no account field: the party is told by its
// name, as the cash orders' persons are).
struct ReportSide {
    QString name;
    QString account;
};

// What the reports, the single deletion and the period closing need to
// know of a kind with a table in the reports base. One row per kind; the
// routines below are written once for all of them.
struct ReportsKind {
    QString kind;  // the kind's id in the kind table ("Pln")

    // The report window ("Справки"): option button OptionN and its caption.
    int option = 0;
    QString optionCaption;
    QString title;  // "СПРАВКА (Платежно Нареждане за Кредитен Превод)"
    QString payeeLabel = QStringLiteral("ПОЛУЧАТЕЛ: ");
    QString payerLabel = QStringLiteral("НАРЕДИТЕЛ: ");
    bool partyLine = true;
    ReportSide payee;  // what the payee scope compares and lists
    ReportSide payer;
    // The list entries where they are not the sides' own (the deposit slip
    // lists the bank's name against the account).
    std::optional<ReportSide> payeeList;
    std::optional<ReportSide> payerList;
    // The text and account columns when they do not follow the scope.
    std::optional<ReportSide> column;
    bool filterFirstScopeOnly = false;  // the order-receipt filters only "Получател-Наредител"
    bool bankHeader = false;  // the deposit slip's column header names the bank
    QString signature;        // "podpis3" of the parameter record

    // "Изтрива документ от база СПРАВКИ": button CommandN, at its place
    // from the top.
    int button = 0;
    int buttonPlace = 0;
    QString buttonCaption;
    int searchKind = 0;  // the find list of the kind's copies
    QString confirm;     // "Изтрива: Вносна Бележка No:"
    QString done;        // "Вносна Бележка"
    QString ending;      // " е изтрита."

    // "Приключва  период": check box CheckN; 0 when not offered.
    int check = 0;
    QString checkCaption;

    const KindDescriptor &descriptor() const { return kindById(kind); }
    const TableDef &table() const { return *descriptor().reportsTableDef(); }
    ReportSide payeeListSide() const { return payeeList.value_or(payee); }
    ReportSide payerListSide() const { return payerList.value_or(payer); }
};

// Every kind with a reports-base table, in the order of the kind table.
const QList<ReportsKind> &reportsKinds();
// The entry of a kind by its id; null for a kind without a reports table.
const ReportsKind *reportsKindOf(const QString &kindId);

// ---- the Spr… routines of every kind --------------------------------------

// The kind's table, ready for use: the file, the table and both indexes are
// created when missing. No table when the file cannot be used.
std::optional<Table> OpenSprTable(Store &store, const ReportsKind &kind);
// The copy numbered `kod`, in the layout of the kind's editor record.
std::optional<Record> ReadSprRecord(Store &store, const ReportsKind &kind, qint64 kod);
// Stores the editor's record as the copy under its number (a record without
// a number is copy 1), overwriting a copy of that number.
bool WriteSprRecord(Store &store, const ReportsKind &kind, const Record &record);
// The lowest number no copy of the kind has; 0 when the file cannot be read.
qint64 FirstFreeSprKod(Store &store, const ReportsKind &kind);
// Rebuilds the key index and the date index of the kind's table.
bool ReindexSprTable(Store &store, const ReportsKind &kind);

// ---- the submission dates as they are stored ------------------------------

// A document's date as the reports read it. The kinds keep it as a date,
// as "dd.mm.yyyy" text, as the long text "05 януари 2010 г." or as free
// text ("5/1/10", "5 януари 2010").
struct StoredDate {
    enum class Status { Empty, Read, Unreadable };
    Status status = Status::Empty;
    QDate date;
    QString text;  // what is stored, trimmed
};
StoredDate ReadStoredDate(const QString &text);

// Reads what the reports and the deletions need of every copy of a kind:
// its row, number and date, and the named columns (a column the file's
// table lacks reads as empty). In no particular order. It reads the
// engine's texts as they are, so that the copies a report leaves out cost
// no conversion.
class CopyReader {
public:
    CopyReader(Database &db, const TableDef &table, const QStringList &columns);
    ~CopyReader();
    CopyReader(const CopyReader &) = delete;
    CopyReader &operator=(const CopyReader &) = delete;

    bool next();
    // True when the rows could not be read to the end (the error was shown).
    bool failed() const;

    qint64 rowId() const;
    qint32 number() const;
    // Valid until the next row is read.
    const StoredDate &date() const;
    // The i-th named column as text, as its UTF-8 bytes, or as an amount.
    QString text(int i) const;
    QByteArrayView bytes(int i) const;
    Money money(int i) const;

private:
    Database &m_db;
    sqlite3_stmt *m_stmt = nullptr;
    int m_rc = 0;
    bool m_dateIsText = false;
    mutable QHash<QByteArray, StoredDate> m_dates;
};

// A text's UTF-8 bytes without the blanks around them.
QByteArrayView TrimmedBytes(QByteArrayView bytes);

}  // namespace remitor
