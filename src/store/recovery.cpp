#include "recovery.h"

#include "store/file_ops.h"
#include "store/maintenance.h"
#include "store/salvage.h"
#include "store/store.h"

#include <QDateTime>
#include <QFileInfo>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace remitor
{

QString RecordCountText(qint64 n)
{
    return QString::number(n) + (n == 1 ? u" запис"_s : u" записа"_s);
}

QString RowCountText(qint64 n)
{
    return QString::number(n) + (n == 1 ? u" ред"_s : u" реда"_s);
}

// ---- recovery of a missing file ---------------------------------------------

Recovery RecoverMissingFile(Store &store, DbKind kind)
{
    const QString path = store.paths().pathOf(kind);
    if (path.isEmpty() || QFileInfo::exists(path))
        return Recovery::Nothing;
    const QString backup = BackupPathFor(path);
    struct Candidate {
        QString path;
        qint64 records = -1;
        QDateTime modified;
    };
    Candidate best;
    for (const QString &c :
         {path + u".new"_s, backup, backup + u".new"_s, OlderBackupPathFor(path)}) {
        const QFileInfo fi(c);
        if (!fi.isFile())
            continue;
        const qint64 records = CountRecords(c, kind);
        if (records < 0)
            continue;
        // The most records; of equal ones the newest file.
        if (records > best.records ||
            (records == best.records && fi.lastModified() > best.modified))
            best = {c, records, fi.lastModified()};
    }
    if (best.records < 0)
        return Recovery::Nothing;

    // Copied, not renamed: the leftover stays as it was until the next
    // compaction, and a cut during the copy leaves it untouched.
    const FileOps &ops = fileOps();
    const QString temp = path + u".restore"_s;
    const bool ok = ops.copy(best.path, temp) && ops.sync(temp) && ops.rename(temp, path);
    if (!ok) {
        if (QFileInfo::exists(temp))
            ops.remove(temp);
        store.ui().tell(
            u"Файлът "_s + path + u" липсва и не може да се възстанови от "_s + best.path + u'.',
            Interaction::Icon::Critical);
        return Recovery::Failed;
    }
    ops.syncFolder(QFileInfo(path).absolutePath());
    store.ui().tell(u"Файлът "_s + path + u" липсва.\nВъзстановен е от "_s + best.path + u" ("_s +
                        RecordCountText(best.records) + u")."_s,
                    Interaction::Icon::Warning);
    return Recovery::Recovered;
}

// ---- the start-up check -------------------------------------------------------

namespace
{

int stopAtDeadline(void *deadline)
{
    return static_cast<QDeadlineTimer *>(deadline)->hasExpired() ? 1 : 0;
}

struct Counted {
    bool ok = false;
    bool interrupted = false;
    qint64 count = 0;
    DbError error;
};

Counted countOf(Database &db, const QString &sql)
{
    Counted c;
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db.handle(), sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        c.error = db.lastError();
        return c;
    }
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) {
        c.ok = true;
        c.count = sqlite3_column_int64(st, 0);
    } else {
        c.interrupted = rc == SQLITE_INTERRUPT;
        c.error = {rc, QString::fromUtf8(sqlite3_errmsg(db.handle()))};
    }
    sqlite3_finalize(st);
    return c;
}

}  // namespace

FileCheck CheckDatabaseFile(const QString &path, DbKind kind, QDeadlineTimer walkDeadline,
                            QDeadlineTimer deepDeadline)
{
    FileCheck r;
    Database db(path, kind);
    if (!db.isOpen() || !db.readSchema()) {
        const DbError e = db.isOpen() ? db.lastError() : db.error();
        r.sound = !e.isDamage();
        r.complete = false;
        r.problem = e.text();
        return r;
    }
    sqlite3 *h = db.handle();
    // Pages are read through a mapping of the file (half the time of
    // reading them one by one), and a page whose cells overlap or run off
    // the page counts as damaged.
    sqlite3_exec(h, "PRAGMA mmap_size = 268435456; PRAGMA cell_size_check = ON", nullptr, nullptr,
                 nullptr);

    struct Tree {
        QString name, table;
        bool isIndex;
    };
    QList<Tree> trees;
    {
        Statement st = db.prepare(
            u"SELECT type, name, tbl_name, sql FROM sqlite_master WHERE type IN ('table', 'index') "
            "AND name NOT LIKE 'sqlite_%' ORDER BY type DESC"_s);
        while (st.next()) {
            // A partial index has fewer entries than its table by design.
            const bool partial = st.text(3).contains(u" WHERE "_s, Qt::CaseInsensitive);
            if (st.text(0) == u"index"_s && (st.isNull(3) || partial))
                continue;
            trees.append({st.text(1), st.text(2), st.text(0) == u"index"_s});
        }
    }

    // Pass 1: every page of every tree. Counting walks the whole tree and
    // lays out each page it passes.
    sqlite3_progress_handler(h, 1000, stopAtDeadline, &walkDeadline);
    QHash<QString, qint64> rows;
    for (const Tree &t : trees) {
        const Counted c =
            countOf(db, u"SELECT count(*) FROM "_s + quoted(t.table) +
                            (t.isIndex ? u" INDEXED BY "_s + quoted(t.name) : u" NOT INDEXED"_s));
        if (c.interrupted) {
            r.complete = false;
            break;
        }
        if (!c.ok) {
            if (c.error.isDamage()) {
                r.sound = false;
                r.problem = t.name + u": "_s + c.error.text();
                break;
            }
            r.complete = false;  // an index the engine cannot use here; the quick check sees it
            continue;
        }
        if (!t.isIndex) {
            rows.insert(t.table.toUpper(), c.count);
        } else if (rows.contains(t.table.toUpper()) && rows.value(t.table.toUpper()) != c.count) {
            r.sound = false;
            r.problem = t.name + u": "_s + QString::number(c.count) + u" / "_s + t.table + u": "_s +
                        QString::number(rows.value(t.table.toUpper()));
            break;
        }
    }

    // Pass 2: the engine's own check of every row, as far as time allows.
    if (r.sound && !deepDeadline.hasExpired()) {
        sqlite3_progress_handler(h, 1000, stopAtDeadline, &deepDeadline);
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(h, "PRAGMA quick_check(1)", -1, &st, nullptr) == SQLITE_OK) {
            const int rc = sqlite3_step(st);
            if (rc == SQLITE_ROW) {
                const QString answer =
                    QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
                if (answer != u"ok"_s) {
                    r.sound = false;
                    r.problem = answer;
                }
            } else if (rc == SQLITE_INTERRUPT) {
                r.complete = false;
            } else if (DbError{rc, {}}.isDamage()) {
                r.sound = false;
                r.problem = QString::number(rc) + u": "_s + QString::fromUtf8(sqlite3_errmsg(h));
            } else {
                r.complete = false;
            }
        }
        sqlite3_finalize(st);
    } else if (r.sound) {
        r.complete = false;
    }
    sqlite3_progress_handler(h, 0, nullptr, nullptr);
    return r;
}

void CheckDatabases(Store &store, qint64 deepBudgetMs, qint64 walkBudgetMs)
{
    const QDeadlineTimer deep(deepBudgetMs);
    const QDeadlineTimer walk(walkBudgetMs);
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        const QString path = store.paths().pathOf(kind);
        if (!QFileInfo::exists(path))
            continue;
        const FileCheck c = CheckDatabaseFile(path, kind, walk, deep);
        if (!c.sound)
            store.damaged(kind, {SQLITE_CORRUPT, c.problem});
    }
}

}  // namespace remitor
