#include "salvage.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>
#include <climits>
#include <functional>
#include <optional>

#include "store/database.h"

using namespace Qt::StringLiterals;

namespace remitor
{

namespace
{

// A connection that is closed whatever happens.
struct Conn {
    sqlite3 *db = nullptr;
    Conn(const QString &path, int flags)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            db = nullptr;
        } else {
            registerCollations(db);
        }
    }
    ~Conn() { sqlite3_close_v2(db); }
    QString message() const { return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString(); }
};

struct Stmt {
    sqlite3_stmt *st = nullptr;
    Stmt(sqlite3 *db, const QString &sql)
    {
        if (db)
            sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
    }
    ~Stmt() { sqlite3_finalize(st); }
};

QString textOf(sqlite3_stmt *st, int i)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, i)));
}

bool isDamage(int rc)
{
    rc &= 0xff;
    return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

// Reads the rows of one table in the order of their row numbers, past the
// rows and pages that cannot be read. A damaged page fails every seek that
// lands on it, and a seek past it lands on the next sound page: after a
// failure the walk looks for the smallest row number from which a seek
// works again (doubling the step, then halving the interval) and goes on
// from there.
class RowWalker
{
public:
    RowWalker(sqlite3 *db, const QString &table)
        : m_from(db, u"SELECT rowid, * FROM "_s + quoted(table) +
                         u" WHERE rowid >= ?1 ORDER BY rowid"_s)
    {
    }
    bool isValid() const { return m_from.st != nullptr; }
    sqlite3_stmt *statement() const { return m_from.st; }

    // Gives every row that can be read to `visit` (column 0 is the row
    // number, then the table's columns).
    void walk(const std::function<void(sqlite3_stmt *)> &visit)
    {
        qint64 from = LLONG_MIN;
        for (;;) {
            sqlite3_reset(m_from.st);
            sqlite3_bind_int64(m_from.st, 1, from);
            bool any = false;
            qint64 last = 0;
            int rc;
            while ((rc = sqlite3_step(m_from.st)) == SQLITE_ROW) {
                last = sqlite3_column_int64(m_from.st, 0);
                any = true;
                visit(m_from.st);
            }
            if (rc == SQLITE_DONE)
                break;
            damaged = true;
            if (any && last == LLONG_MAX)
                break;
            const qint64 bad = any ? last + 1 : from;
            qint64 nextRow = 0;
            const std::optional<qint64> next = skip(bad, nextRow);
            if (!next) {
                tailLost = true;
                break;
            }
            if (nextRow == LLONG_MIN) {
                tailLost = true;  // no row after the damage: how many were there is not known
                break;
            }
            // Row numbers start at 1: a damaged first page loses those below.
            gapRows += std::max<qint64>(0, nextRow - std::max<qint64>(bad, 1));
            from = *next;
        }
        sqlite3_reset(m_from.st);
    }

    bool damaged = false;   // some rows or pages could not be read
    qint64 gapRows = 0;     // row numbers passed over between readable rows
    bool tailLost = false;  // the rows after the last readable one could not be reached

private:
    // Seeks the first row at or after `from`: its number in `row` (LLONG_MIN
    // at the end of the table); false when the seek fails.
    bool probe(qint64 from, qint64 &row)
    {
        sqlite3_reset(m_from.st);
        sqlite3_bind_int64(m_from.st, 1, from);
        const int rc = sqlite3_step(m_from.st);
        row = rc == SQLITE_ROW ? sqlite3_column_int64(m_from.st, 0) : LLONG_MIN;
        return rc == SQLITE_ROW || rc == SQLITE_DONE;
    }

    // The smallest row number above `bad` from which a seek works, and the
    // row it finds; nothing when every seek up to the largest number fails.
    std::optional<qint64> skip(qint64 bad, qint64 &nextRow)
    {
        qint64 lo = bad;  // a seek from here fails
        qint64 hi = 0;
        qint64 step = 1;
        // Ever longer steps from the last failing seek, up to the largest
        // number: a damaged first page (the walk starts at the smallest
        // number) is passed too.
        for (;;) {
            const qint64 x = lo > LLONG_MAX - step ? LLONG_MAX : lo + step;
            if (probe(x, nextRow)) {
                hi = x;
                break;
            }
            if (x == LLONG_MAX)
                return std::nullopt;
            lo = x;
            step = step > LLONG_MAX / 2 ? LLONG_MAX : step * 2;
        }
        qint64 row = nextRow;
        while (hi - lo > 1) {
            const qint64 mid = lo + (hi - lo) / 2;
            qint64 found = 0;
            if (probe(mid, found)) {
                hi = mid;
                row = found;
            } else {
                lo = mid;
            }
        }
        nextRow = row;
        return hi;
    }

    Stmt m_from;
};

// The row numbers an index of the table lists, from the first index that
// can be read whole; nothing when none can. An index is a tree of its own:
// it usually survives a damaged page of its table.
std::optional<QSet<qint64>> indexedRows(sqlite3 *db, const QString &table,
                                        const QStringList &indexes)
{
    for (const QString &index : indexes) {
        Stmt st(db, u"SELECT rowid FROM "_s + quoted(table) + u" INDEXED BY "_s + quoted(index));
        if (!st.st)
            continue;
        QSet<qint64> rows;
        int rc;
        while ((rc = sqlite3_step(st.st)) == SQLITE_ROW)
            rows.insert(sqlite3_column_int64(st.st, 0));
        if (rc == SQLITE_DONE)
            return rows;
    }
    return std::nullopt;
}

struct Object {
    QString type, name, table, sql;
};

// The tables and indexes of the file; false when the list cannot be read.
bool readObjects(sqlite3 *db, QList<Object> &objects)
{
    Stmt st(db, u"SELECT type, name, tbl_name, sql FROM sqlite_master WHERE sql IS NOT NULL"_s);
    if (!st.st)
        return false;
    int rc;
    while ((rc = sqlite3_step(st.st)) == SQLITE_ROW)
        objects.append({textOf(st.st, 0), textOf(st.st, 1), textOf(st.st, 2), textOf(st.st, 3)});
    return rc == SQLITE_DONE;
}

// Copies one table's rows from `src` to the new file `dst`, every row that
// can be read, keeping the row numbers. What could not be read is added to
// `losses`.
void copyTable(sqlite3 *src, sqlite3 *dst, const Object &table, const QStringList &indexes,
               QList<TableLoss> &losses)
{
    RowWalker walker(src, table.name);
    if (!walker.isValid()) {
        losses.append({table.name, 0, false});
        return;
    }
    const int n = sqlite3_column_count(walker.statement());
    QStringList names{u"rowid"_s}, marks{u"?"_s};
    for (int i = 1; i < n; ++i) {
        names.append(quoted(QString::fromUtf8(sqlite3_column_name(walker.statement(), i))));
        marks.append(u"?"_s);
    }
    Stmt write(dst, u"INSERT INTO "_s + quoted(table.name) + u" ("_s + names.join(u',') +
                        u") VALUES ("_s + marks.join(u',') + u')');
    if (!write.st) {
        losses.append({table.name, 0, false});
        return;
    }
    QSet<qint64> copied;
    qint64 unwritten = 0;
    const auto copyRow = [&](sqlite3_stmt *row) {
        for (int i = 0; i < n; ++i)
            sqlite3_bind_value(write.st, i + 1, sqlite3_column_value(row, i));
        if (sqlite3_step(write.st) == SQLITE_DONE)
            copied.insert(sqlite3_column_int64(row, 0));
        else
            ++unwritten;
        sqlite3_reset(write.st);
    };
    walker.walk(copyRow);
    if (!walker.damaged) {
        if (unwritten > 0)
            losses.append({table.name, unwritten, true});
        return;
    }
    // The index tells which rows were there: each one the walk missed is
    // tried once more on its own, and what still cannot be read is lost.
    if (const auto expected = indexedRows(src, table.name, indexes)) {
        Stmt one(src, u"SELECT rowid, * FROM "_s + quoted(table.name) + u" WHERE rowid = ?1"_s);
        qint64 lost = unwritten;
        for (qint64 row : *expected) {
            if (copied.contains(row))
                continue;
            sqlite3_reset(one.st);
            sqlite3_bind_int64(one.st, 1, row);
            if (one.st && sqlite3_step(one.st) == SQLITE_ROW) {
                copyRow(one.st);
                if (copied.contains(row))
                    continue;
            }
            ++lost;
        }
        if (lost > 0)
            losses.append({table.name, lost, true});
        return;
    }
    losses.append({table.name, walker.gapRows + unwritten, false});
}

enum class Copied { Done, Unreadable, Unwritable };

// Copies every table of `from` into the new file `to`, every row that can
// be read. Unreadable when not even the list of tables can be read;
// Unwritable when the new file cannot be written (the disk is full …): then
// no copy may take the file's place.
Copied copyRows(const QString &from, const QString &to, QList<TableLoss> &losses)
{
    losses.clear();
    Conn src(from, SQLITE_OPEN_READONLY);
    if (!src.db)
        return Copied::Unreadable;
    // Pages whose cells overlap or run off the page count as damaged
    // instead of giving garbage.
    sqlite3_exec(src.db, "PRAGMA cell_size_check = ON", nullptr, nullptr, nullptr);
    QList<Object> objects;
    if (!readObjects(src.db, objects))
        return Copied::Unreadable;
    Conn dst(to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!dst.db || sqlite3_exec(dst.db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Copied::Unwritable;
    for (const Object &o : objects) {
        if (o.type != u"table"_s || o.name.startsWith(u"sqlite_"_s))
            continue;
        if (sqlite3_exec(dst.db, o.sql.toUtf8().constData(), nullptr, nullptr, nullptr) !=
            SQLITE_OK) {
            losses.append({o.name, 0, false});
            continue;
        }
        QStringList indexes;
        for (const Object &i : objects)
            if (i.type == u"index"_s && i.table.compare(o.name, Qt::CaseInsensitive) == 0)
                indexes.append(i.name);
        copyTable(src.db, dst.db, o, indexes, losses);
    }
    // Indexes last; one that the salvaged rows break is left for the next
    // open to create.
    for (const Object &o : objects)
        if (o.type == u"index"_s)
            sqlite3_exec(dst.db, o.sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    return sqlite3_exec(dst.db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK
               ? Copied::Done
               : Copied::Unwritable;
}

// The 100-byte file header, rebuilt for a guessed page size from what the
// rest of the file tells.
QByteArray rebuiltHeader(qint64 fileSize, int pageSize)
{
    QByteArray h(100, '\0');
    auto put32 = [&h](int at, quint32 v) { qToBigEndian(v, h.data() + at); };
    memcpy(h.data(), "SQLite format 3", 16);
    qToBigEndian(quint16(pageSize == 65536 ? 1 : pageSize), h.data() + 16);
    h[18] = 1;  // legacy journal, readable by any version
    h[19] = 1;
    h[20] = 0;
    h[21] = 64;
    h[22] = 32;
    h[23] = 32;
    put32(24, 1);                             // change counter
    put32(28, quint32(fileSize / pageSize));  // pages in the file
    put32(32, 0);                             // the free-page list is lost: its pages stay unused
    put32(36, 0);
    put32(40, 1);  // schema cookie
    put32(44, 4);  // schema format
    put32(56, 1);  // UTF-8
    put32(92, 1);  // valid for change counter 1
    put32(96, quint32(SQLITE_VERSION_NUMBER));
    return h;
}

}  // namespace

SalvageResult CopyDatabase(const QString &source, const QString &target, DbKind kind)
{
    Q_UNUSED(kind);
    SalvageResult r;
    if (!QFileInfo::exists(source)) {
        r.problem = u"Файлът "_s + source + u" не съществува."_s;
        return r;
    }
    int rc = SQLITE_OK;
    {
        // Read-write, so that the journal of a save cut short is rolled
        // back before the copy is taken.
        Conn src(source, SQLITE_OPEN_READWRITE);
        if (!src.db) {
            r.problem = u"Файлът "_s + source + u" не може да се отвори."_s;
            return r;
        }
        Stmt st(src.db, u"VACUUM INTO ?1"_s);
        const QByteArray t = target.toUtf8();
        if (st.st) {
            sqlite3_bind_text(st.st, 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            rc = sqlite3_step(st.st);
        } else {
            rc = sqlite3_errcode(src.db);
        }
        if (rc == SQLITE_DONE) {
            r.ok = true;
            return r;
        }
        if (!isDamage(rc)) {
            r.problem = QString::number(rc) + u": "_s + src.message();
            return r;
        }
    }
    QFile::remove(target);
    r.salvaged = true;

    const auto unwritable = [&] {
        QFile::remove(target);
        r.problem = u"Не може да се запише файлът "_s + target + u'.';
        return r;
    };
    // The header may be sound and the damage deeper in the file.
    Copied copied = copyRows(source, target, r.losses);
    if (copied == Copied::Done) {
        r.ok = true;
        return r;
    }
    if (copied == Copied::Unwritable)
        return unwritable();
    QFile::remove(target);

    QFile in(source);
    if (in.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = in.readAll();
        QList<int> sizes;
        if (bytes.size() >= 18) {
            const int stored = qFromBigEndian<quint16>(bytes.constData() + 16);
            const int size = stored == 1 ? 65536 : stored;
            if (size >= 512 && size <= 65536 && (size & (size - 1)) == 0)
                sizes.append(size);
        }
        for (int s : {4096, 1024, 2048, 8192, 16384, 32768, 65536, 512})
            if (!sizes.contains(s))
                sizes.append(s);
        const QString mended = target + u".hdr"_s;
        for (int size : sizes) {
            if (bytes.size() < size || bytes.size() % size != 0)
                continue;
            QByteArray copy = bytes;
            copy.replace(0, 100, rebuiltHeader(bytes.size(), size));
            QFile out(mended);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                out.write(copy) != copy.size()) {
                out.remove();
                return unwritable();
            }
            out.close();
            copied = copyRows(mended, target, r.losses);
            QFile::remove(mended);
            if (copied == Copied::Done) {
                r.ok = true;
                return r;
            }
            if (copied == Copied::Unwritable)
                return unwritable();
            QFile::remove(target);
        }
    }

    // Nothing could be read: an empty database, which the next open fills
    // with the tables. The damaged file stays as the backup.
    r.losses.clear();
    Conn fresh(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!fresh.db || sqlite3_exec(fresh.db, "PRAGMA application_id = 1380273481", nullptr, nullptr,
                                  nullptr) != SQLITE_OK) {
        r.problem = u"Не може да се създаде файлът "_s + target + u'.';
        return r;
    }
    r.ok = true;
    r.emptied = true;
    return r;
}

qint64 CountRecords(const QString &path, DbKind kind)
{
    if (!QFileInfo::exists(path))
        return -1;
    Conn c(path, SQLITE_OPEN_READONLY);
    if (!c.db)
        return -1;
    sqlite3_exec(c.db, "PRAGMA cell_size_check = ON", nullptr, nullptr, nullptr);
    QList<Object> objects;
    if (!readObjects(c.db, objects))
        return -1;
    qint64 total = 0;
    for (const Object &o : objects) {
        const TableDef *def = o.type == u"table"_s ? findTable(kind, o.name) : nullptr;
        if (!def || def->keyField.isEmpty())
            continue;
        // The table's own pages, not an index: rows on a damaged page do
        // not count.
        Stmt st(c.db, u"SELECT count(*) FROM "_s + quoted(o.name) + u" NOT INDEXED"_s);
        if (st.st && sqlite3_step(st.st) == SQLITE_ROW) {
            total += sqlite3_column_int64(st.st, 0);
            continue;
        }
        RowWalker walker(c.db, o.name);
        if (walker.isValid())
            walker.walk([&total](sqlite3_stmt *) { ++total; });
    }
    return total;
}

}  // namespace remitor
