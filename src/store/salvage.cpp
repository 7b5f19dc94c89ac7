#include "salvage.h"

#include "store/database.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

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

bool isDamage(int rc)
{
    rc &= 0xff;
    return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

// Copies every table of `from` into the new file `to`, row by row, until
// the first row that cannot be read. False when not even the list of tables
// can be read.
bool copyRows(const QString &from, const QString &to)
{
    Conn src(from, SQLITE_OPEN_READONLY);
    if (!src.db)
        return false;
    struct Object {
        QString type, name, sql;
    };
    QList<Object> objects;
    {
        Stmt st(src.db, u"SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL"_s);
        if (!st.st)
            return false;
        int rc;
        while ((rc = sqlite3_step(st.st)) == SQLITE_ROW)
            objects.append({QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.st, 0))),
                            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.st, 1))),
                            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.st, 2)))});
        if (rc != SQLITE_DONE)
            return false;
    }
    Conn dst(to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!dst.db)
        return false;
    sqlite3_exec(dst.db, "BEGIN", nullptr, nullptr, nullptr);
    for (const Object &o : objects) {
        if (o.type != u"table"_s || o.name.startsWith(u"sqlite_"_s))
            continue;
        if (sqlite3_exec(dst.db, o.sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            continue;
        Stmt read(src.db, u"SELECT * FROM "_s + quoted(o.name));
        if (!read.st)
            continue;
        const int n = sqlite3_column_count(read.st);
        QStringList marks;
        for (int i = 0; i < n; ++i)
            marks.append(u"?"_s);
        Stmt write(dst.db, u"INSERT INTO "_s + quoted(o.name) + u" VALUES ("_s + marks.join(u',') + u')');
        if (!write.st)
            continue;
        while (sqlite3_step(read.st) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i)
                sqlite3_bind_value(write.st, i + 1, sqlite3_column_value(read.st, i));
            sqlite3_step(write.st);
            sqlite3_reset(write.st);
        }
    }
    // Indexes last; one that the salvaged rows break is left for the next
    // open to create.
    for (const Object &o : objects)
        if (o.type == u"index"_s)
            sqlite3_exec(dst.db, o.sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    return sqlite3_exec(dst.db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
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
    put32(24, 1);                              // change counter
    put32(28, quint32(fileSize / pageSize));   // pages in the file
    put32(32, 0);                              // the free-page list is lost: its pages stay unused
    put32(36, 0);
    put32(40, 1);                              // schema cookie
    put32(44, 4);                              // schema format
    put32(56, 1);                              // UTF-8
    put32(92, 1);                              // valid for change counter 1
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

    // The header may be sound and the damage deeper in the file.
    if (copyRows(source, target)) {
        r.ok = true;
        return r;
    }
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
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(copy) != copy.size())
                break;
            out.close();
            const bool copied = copyRows(mended, target);
            QFile::remove(mended);
            if (copied) {
                r.ok = true;
                return r;
            }
            QFile::remove(target);
        }
    }

    // Nothing could be read: an empty database, which the next open fills
    // with the tables. The damaged file stays as the backup.
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

}  // namespace remitor
