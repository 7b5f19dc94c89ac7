#pragma once

#include "store/schema.h"

#include <QList>
#include <QString>

namespace remitor
{

// Rows of one table that a salvage could not read.
struct TableLoss {
    QString table;
    qint64 rows = 0;
    // Counted from an index of the table that could still be read; otherwise
    // estimated from the gap in the row numbers.
    bool exact = true;
};

struct SalvageResult {
    bool ok = false;
    QString problem;          // why no copy could be made
    bool salvaged = false;    // the source was damaged and was read as far as it could be
    bool emptied = false;     // nothing could be read: the copy is an empty database
    QList<TableLoss> losses;  // the tables that lost rows, in the order of the file

    // True when the copy holds everything the source held.
    bool complete() const { return ok && !emptied && losses.isEmpty(); }
};

// Writes a compacted copy of the database `source` to `target` (which must
// not exist). A sound file is copied whole. A damaged one is read as far as
// it can be: a broken file header is rebuilt, and every row of every table
// that can be read is copied, past unreadable rows and pages; what could
// not be read is counted per table. When not even the list of tables can
// be read, the copy is an empty database that the next open fills with the
// tables. The source is never written.
SalvageResult CopyDatabase(const QString &source, const QString &target, DbKind kind);

// The records a file holds: the rows of its numbered tables (documents,
// contractors, notes …) that can be read, past damaged pages. -1 when the
// file is no database or not even its list of tables can be read.
qint64 CountRecords(const QString &path, DbKind kind);

}  // namespace remitor
