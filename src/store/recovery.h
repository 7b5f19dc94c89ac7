#pragma once

#include "store/schema.h"
#include "store/store.h"

#include <QDeadlineTimer>
#include <QString>

namespace remitor
{

class Store;

// A missing file (Remitor.MDB, SprDocs.MDB) is brought back from what a
// compaction, a repair or an older version of the program left beside it:
// the copy "Remitor.MDB.new", the backups "Remitor.BAK", "Remitor.BAK.1"
// and a backup copy not yet renamed ("Remitor.BAK.new"). The one with the
// most records that can be read is copied into place (the leftovers stay
// as they are) and the user is told. Nothing when the file is there or there
// is nothing to recover from: then the caller creates an empty file. Failed
// (told) when the copy could not be made: then no empty file may take the
// missing one's place, or the next start would find nothing to recover.
Recovery RecoverMissingFile(Store &store, DbKind kind);

// What the start-up check found in one file.
struct FileCheck {
    bool sound = true;     // no damage found
    bool complete = true;  // every check ran to its end within the time given
    QString problem;       // the first damage found, for the user
};

// Checks a database file in two passes. The first reads every page of every
// table and index tree and checks each page's layout and that each index
// has as many entries as its table has rows: it finds a damaged page
// anywhere in the trees and grows with the file (about 10-20 ms per 100 000
// orders), so it stops at `walkDeadline`. The second is the engine's
// quick_check, which also looks into every row; it runs until
// `deepDeadline`, so on a large file it may stop before its end (complete
// false) and then counts for nothing.
FileCheck CheckDatabaseFile(const QString &path, DbKind kind, QDeadlineTimer walkDeadline,
                            QDeadlineTimer deepDeadline);

// The start-up check of both files. A damaged one is handed to
// Store::damaged, which shows the damage and offers the repair once per
// file. The deep pass of both files together gets `deepBudgetMs`, the page
// walk `walkBudgetMs`.
void CheckDatabases(Store &store, qint64 deepBudgetMs = 50, qint64 walkBudgetMs = 1000);

// "1 запис", "300 записа"; "1 ред", "26 реда".
QString RecordCountText(qint64 n);
QString RowCountText(qint64 n);

}  // namespace remitor
