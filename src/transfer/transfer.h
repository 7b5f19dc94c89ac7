#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace remitor {

class Store;

// How far a run is: the running count of one kind and the share of the
// whole run done (rows on export, bytes read on import).
struct TransferProgress {
    int kind = -1;  // index into transferKinds()
    int count = 0;
    qint64 done = 0;
    qint64 total = 0;
};

struct TransferResult {
    bool completed = false;    // every file was written, or the import was committed
    QList<int> kinds;          // the kinds the run took: an import drops those without a file
    QList<int> counts;         // rows written per kind (index into transferKinds())
    int read = 0;              // lines read on import
    int written = 0;           // rows written: lines on export, rows on import
    int skipped = 0;           // lines of an import that were left out
    QStringList skippedLines;  // "PLNB.TXT, ред 12: …"
};

// Export and import of the kinds of transferKinds() to and from the files of
// one folder. Every message and question goes through the store's user.
//
// An export writes each file under a temporary name and puts it in place
// only when every file of the run is complete; a text that a file cannot
// hold stops the run before any file is replaced.
//
// An import is one transaction: when a file cannot be read, or the user
// cancels at a line that cannot be read, the tables stay as they were, the
// emptied ones included.
class Transfer {
public:
    explicit Transfer(Store &store);

    // Called while a run goes on, often enough for a window to show it.
    void setProgress(std::function<void(const TransferProgress &)> progress)
    {
        m_progress = std::move(progress);
    }

    TransferResult exportTo(const QString &folder, QList<int> kinds);
    TransferResult importFrom(const QString &folder, QList<int> kinds);

    static const QString ImportTitle;
    static const QString ExportTitle;

private:
    void report(TransferProgress p) const;

    Store &m_store;
    std::function<void(const TransferProgress &)> m_progress;
};

}  // namespace remitor
