#pragma once

#include <QString>
#include <functional>

namespace remitor
{

// The file operations of the compaction, the repair and the recovery at
// start-up, replaceable so that tests can make one of them fail or stop
// the program between two of them.
struct FileOps {
    std::function<bool(const QString &)> remove;
    // Gives `from` the name `to` in one step, replacing a file of that name:
    // at any moment either the old or the new file is there.
    std::function<bool(const QString &from, const QString &to)> rename;
    // Writes a copy of `from` to `to` (replaced when there); not yet flushed.
    std::function<bool(const QString &from, const QString &to)> copy;
    // Flushes the file's contents to the disk.
    std::function<bool(const QString &)> sync;
    // Flushes the folder's list of names, so that a rename in it holds
    // after a power cut.
    std::function<bool(const QString &folder)> syncFolder;

    static FileOps real();
};

void setFileOpsForTesting(const FileOps *ops);
// The operations in use: the real ones unless a test set its own.
const FileOps &fileOps();

}  // namespace remitor
