#pragma once

#include "store/file_ops.h"
#include "store/schema.h"

#include <QHash>
#include <QString>
#include <functional>

class QCollator;

namespace remitor {

class Store;
class Database;

// Re-indexing. At start-up (showMessage false) every table and index of
// both files is checked and whatever is missing is created: the engine's
// indexes do not decay, and a rebuild of every index on every start would
// cost the user time on large files. From the menu (showMessage true) every
// index is rebuilt, one of the wrong shape is made anew, and
// "Индексирането приключи." is shown.
void ReindexAll(Store &store, bool showMessage);

// Makes each index of the table the shape the layout says, creating the
// missing ones; with `rebuild`, sound ones are rebuilt too.
bool RebuildIndexes(Store &store, Database &db, const TableDef &def, bool rebuild);

// The numbers a sort gave: per table, each old number's new one.
using Renumbering = QHash<QString, QHash<qint64, qint64>>;

// Renumbers every document table 1..N in the Bulgarian order of its
// ordering party (or payer, or payee), in one transaction: a failure leaves
// the old numbering. Shows "Базата е сортирана." when done; `moved` (when
// given) then tells the new numbers, for the documents the editors hold.
bool SortDocuments(Store &store, Renumbering *moved = nullptr);

// Gives the rows of a keyed table the numbers 1..N in the collator's order
// of `field` (blanks at the end of a text do not count; equal texts keep the
// order of their old numbers). The key index is dropped while the numbers
// are rewritten and made again afterwards. Run it inside the caller's
// transaction: on false the caller rolls back and the old numbers stay.
bool RenumberByText(Database &db, const TableDef &def, const QString &field,
                    const QCollator &collator, QHash<qint64, qint64> *moved = nullptr);

// Asks "Ремонт на <path> ?"; on Yes checks both files and repairs a
// damaged one as the compaction does. "Ремонтът завърши успешно!" only when
// nothing was lost; otherwise the message names the rows lost per table
// and where the damaged file is kept.
bool RepairDatabases(Store &store);

// Backs up both files and replaces each by a compacted copy; a damaged file
// is salvaged as far as it can be read. With ask > 0 the user is asked
// first. The copy is flushed to the disk and takes the file's place in one
// rename over it; the backup is a copy of the file as it was (Remitor.BAK),
// and the backup before it is kept as Remitor.BAK.1. A backup with more
// records than the file is never replaced without asking, and of the two
// old backups the one with more records is the one kept. When anything
// fails, the file is left where it was and the user is told.
bool RepairAndCompact(Store &store, int ask);

// Compacts the one file as RepairAndCompact does (the backup kept, the file
// whole at every step, the question when the backup holds more records),
// without asking first and with the same messages. The period closing of
// the reports base runs it after its deletions.
bool CompactDatabaseFile(Store &store, DbKind kind);

// The backup name: the file name cut after its first "." and "BAK" put
// after it (Remitor.MDB gives Remitor.BAK); a name without a dot gets
// ".BAK". The folder stays as it is.
QString BackupPathFor(const QString &path);
// The backup kept from the compaction before: Remitor.BAK.1.
QString OlderBackupPathFor(const QString &path);

}  // namespace remitor
