#pragma once

#include "store/schema.h"

#include <QString>

namespace remitor {

struct SalvageResult {
    bool ok = false;
    QString problem;        // why no copy could be made
    bool salvaged = false;  // the source was damaged and was read as far as it could be
    bool emptied = false;   // nothing could be read: the copy is an empty database
};

// Writes a compacted copy of the database `source` to `target` (which must
// not exist). A sound file is copied whole. A damaged one is read as far as
// it can be: a broken file header is rebuilt, then every table is copied
// row by row until the first row that cannot be read; when not even the
// list of tables can be read, the copy is an empty database that the next
// open fills with the tables. The source is never written.
SalvageResult CopyDatabase(const QString &source, const QString &target, DbKind kind);

}  // namespace remitor
