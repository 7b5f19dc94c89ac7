#include "database.h"

#include "base/money.h"

#include <QCollator>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStringEncoder>
#include <cmath>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace remitor {

QString DbError::text() const
{
    return QString::number(code) + u": "_s + message;
}

bool DbError::isDamage() const
{
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

// ---- collations -----------------------------------------------------------

namespace {

int compareWith(void *collator, int n1, const void *s1, int n2, const void *s2)
{
    const QString a = QString::fromUtf8(static_cast<const char *>(s1), n1);
    const QString b = QString::fromUtf8(static_cast<const char *>(s2), n2);
    return static_cast<QCollator *>(collator)->compare(a, b);
}

QCollator &collatorFor(DbKind kind)
{
    // One thread: the collators live as long as the program.
    static QCollator bulgarian{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    static QCollator western{QLocale(QLocale::English, QLocale::UnitedStates)};
    return kind == DbKind::Main ? bulgarian : western;
}

}  // namespace

QString collationName(DbKind kind)
{
    return kind == DbKind::Main ? u"BULGARIAN"_s : u"WESTERN"_s;
}

void registerCollations(sqlite3 *db)
{
    for (DbKind k : {DbKind::Main, DbKind::Reports})
        sqlite3_create_collation_v2(db, collationName(k).toUtf8().constData(), SQLITE_UTF8,
                                    &collatorFor(k), compareWith, nullptr);
}

QString dateToStorage(const QDate &d)
{
    if (!d.isValid())
        return {};
    int y = 0, m = 0, day = 0;
    d.getDate(&y, &m, &day);
    if (y < 1 || y > 9999)
        return d.toString(u"yyyy-MM-dd"_s);
    // Written by hand: the format parser costs more than a row's other work.
    const char16_t text[] = {char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10),
                             char16_t(u'0' + y / 10 % 10), char16_t(u'0' + y % 10), u'-',
                             char16_t(u'0' + m / 10), char16_t(u'0' + m % 10), u'-',
                             char16_t(u'0' + day / 10), char16_t(u'0' + day % 10)};
    return QString::fromUtf16(text, 10);
}

QDate dateFromStorage(const QString &s)
{
    // Older copies may carry a time after the date. The digits are read
    // by hand: the format parser costs more than the rest of a row.
    const auto digits = [&s](int from, int count) {
        int v = 0;
        for (int i = from; i < from + count; ++i) {
            const char16_t c = s.at(i).unicode();
            if (c < u'0' || c > u'9')
                return -1;
            v = v * 10 + (c - u'0');
        }
        return v;
    };
    if (s.size() < 10 || s.at(4) != u'-' || s.at(7) != u'-')
        return {};
    const int y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
    if (y < 0 || m < 0 || d < 0)
        return {};
    return QDate(y, m, d);  // null when there is no such day
}

// ---- Database -------------------------------------------------------------

namespace {

// The connections of this program open on each file. One thread.
QHash<QString, int> &openFiles()
{
    static QHash<QString, int> files;
    return files;
}

}  // namespace

int Database::openConnections(const QString &path)
{
    return openFiles().value(QFileInfo(path).absoluteFilePath());
}

Database::Database(const QString &path, DbKind kind) : m_path(path), m_kind(kind)
{
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        m_error = {rc, m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                            : QString::fromUtf8(sqlite3_errstr(rc))};
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    sqlite3_extended_result_codes(m_db, 0);
    sqlite3_busy_timeout(m_db, 3000);
    registerCollations(m_db);
    ++openFiles()[QFileInfo(m_path).absoluteFilePath()];
    // Durability. The rollback journal (DELETE) keeps every committed save
    // inside the one .MDB file, so a copy or a rename of that file alone
    // (backup, compaction, recovery) carries all of it; a write-ahead log
    // would keep the latest saves in a side file until a checkpoint.
    // EXTRA: a commit returns only after the journal and the file are on
    // the disk and the folder is flushed once the journal is deleted, so a
    // power cut right after "saved" neither loses the save nor rolls it back
    // from a journal that outlived the cut. A damaged file fails these too;
    // the caller finds the damage when it reads the schema.
    sqlite3_exec(m_db, "PRAGMA journal_mode = DELETE; PRAGMA synchronous = EXTRA", nullptr, nullptr,
                 nullptr);
}

Database::~Database()
{
    if (m_db) {
        // Any statement left unfinalised is a bug; close_v2 still frees the file.
        sqlite3_close_v2(m_db);
        const QString key = QFileInfo(m_path).absoluteFilePath();
        if (--openFiles()[key] <= 0)
            openFiles().remove(key);
    }
}

QString Database::collation() const
{
    return collationName(m_kind);
}

void Database::setErrorReporter(std::function<void(const DbError &)> reporter)
{
    m_reporter = std::move(reporter);
}

bool Database::reportError(const DbError &error)
{
    if (!m_reporter || m_errorReported || !error.isError())
        return false;
    m_errorReported = true;
    m_reporter(error);
    return true;
}

DbError Database::lastError() const
{
    if (!m_db)
        return m_error;
    return {sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db))};
}

int Database::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

bool Database::exec(const QString &sql)
{
    if (!m_db)
        return false;
    char *err = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        m_error = {rc, err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errstr(rc))};
        sqlite3_free(err);
        return false;
    }
    return true;
}

Statement Database::prepare(const QString &sql)
{
    sqlite3_stmt *stmt = nullptr;
    if (!m_db)
        return {};
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) {
        m_error = {rc, QString::fromUtf8(sqlite3_errmsg(m_db))};
        sqlite3_finalize(stmt);
        return {};
    }
    return Statement(this, stmt);
}

bool Database::readSchema()
{
    if (!m_db)
        return false;
    m_tables.clear();
    m_indexes.clear();
    Statement st = prepare(u"SELECT type, name FROM sqlite_master"_s);
    if (!st.isValid())
        return false;
    while (st.next()) {
        const QString name = st.text(1).toUpper();
        if (st.text(0) == u"table"_s)
            m_tables.append(name);
        else if (st.text(0) == u"index"_s)
            m_indexes.append(name);
    }
    if (st.error().isError()) {
        m_error = st.error();
        return false;
    }
    m_schemaRead = true;
    return true;
}

bool Database::hasTable(const QString &name)
{
    if (!m_schemaRead && !readSchema())
        return false;
    return m_tables.contains(name.toUpper());
}

bool Database::hasIndex(const QString &name)
{
    if (!m_schemaRead && !readSchema())
        return false;
    return m_indexes.contains(name.toUpper());
}

QList<Database::Column> Database::columns(const QString &table)
{
    QList<Column> out;
    Statement st = prepare(u"PRAGMA table_info("_s + quoted(table) + u')');
    while (st.next())
        out.append({st.text(1), st.text(2)});
    return out;
}

QStringList Database::indexFields(const QString &index)
{
    QStringList out;
    Statement st = prepare(u"PRAGMA index_info("_s + quoted(index) + u')');
    while (st.next())
        out.append(st.text(2));
    return out;
}

bool Database::ensureTable(const TableDef &def,
                           const std::function<void(const DbError &)> &onError)
{
    if (!m_schemaRead && !readSchema()) {
        onError(m_error);
        return false;
    }
    bool ok = true;
    if (!hasTable(def.name)) {
        QStringList cols;
        for (const FieldDef &f : def.fields)
            cols.append(quoted(f.name) + u' ' + f.declaredType());
        if (exec(u"CREATE TABLE "_s + quoted(def.name) + u" ("_s + cols.join(u", "_s) + u')'))
            m_tables.append(def.name.toUpper());
        else {
            onError(m_error);
            return false;
        }
    }
    for (const IndexDef &index : def.indexes)
        if (!hasIndex(index.sqlName()))
            ok = createIndex(def, index, onError) && ok;
    return ok;
}

bool Database::createIndex(const TableDef &def, const IndexDef &index,
                           const std::function<void(const DbError &)> &onError)
{
    QStringList cols;
    for (const QString &f : index.fields)
        cols.append(quoted(f));
    const QString body = u"INDEX "_s + quoted(index.sqlName()) + u" ON "_s + quoted(def.name) + u" ("_s +
                         cols.join(u", "_s) + u')';
    if (exec((index.unique ? u"CREATE UNIQUE "_s : u"CREATE "_s) + body)) {
        m_indexes.append(index.sqlName().toUpper());
        return true;
    }
    onError(m_error);
    // Rows that break the uniqueness came from outside the program: keep
    // them all and still give the table its index for the lookups.
    if (index.unique && (m_error.code & 0xff) == SQLITE_CONSTRAINT && exec(u"CREATE "_s + body)) {
        m_indexes.append(index.sqlName().toUpper());
        return true;
    }
    return false;
}

// ---- Statement ------------------------------------------------------------

Statement::Statement(Database *owner, sqlite3_stmt *stmt)
    : m_db(owner->handle()), m_stmt(stmt), m_owner(owner)
{
}

Statement::Statement(Statement &&o) noexcept
    : m_db(o.m_db), m_stmt(o.m_stmt), m_owner(o.m_owner), m_rc(o.m_rc)
{
    o.m_stmt = nullptr;
}

Statement &Statement::operator=(Statement &&o) noexcept
{
    if (this != &o) {
        sqlite3_finalize(m_stmt);
        m_db = o.m_db;
        m_stmt = o.m_stmt;
        m_owner = o.m_owner;
        m_rc = o.m_rc;
        o.m_stmt = nullptr;
    }
    return *this;
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement &Statement::bind(int i, qint64 v)
{
    if (m_stmt)
        sqlite3_bind_int64(m_stmt, i, v);
    return *this;
}

Statement &Statement::bind(int i, const QString &v)
{
    if (m_stmt) {
        if (v.isNull()) {
            sqlite3_bind_null(m_stmt, i);
        } else {
            const QByteArray utf8 = v.toUtf8();
            sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
    }
    return *this;
}

Statement &Statement::bind(int i, double v)
{
    if (m_stmt)
        sqlite3_bind_double(m_stmt, i, v);
    return *this;
}

Statement &Statement::bindNull(int i)
{
    if (m_stmt)
        sqlite3_bind_null(m_stmt, i);
    return *this;
}

bool Statement::next()
{
    if (!m_stmt)
        return false;
    m_rc = sqlite3_step(m_stmt);
    // A read that fails is shown to the user; writes are reported by their
    // callers, which know what was being saved.
    if (m_rc != SQLITE_ROW && m_rc != SQLITE_DONE && m_owner && sqlite3_stmt_readonly(m_stmt))
        m_owner->reportError(error());
    return m_rc == SQLITE_ROW;
}

bool Statement::run()
{
    while (next()) {
    }
    return m_stmt && m_rc == SQLITE_DONE;
}

void Statement::reset()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    m_rc = 0;
}

DbError Statement::error() const
{
    if (!m_stmt)
        return {SQLITE_MISUSE, u"statement not prepared"_s};
    if (m_rc == SQLITE_ROW || m_rc == SQLITE_DONE || m_rc == SQLITE_OK)
        return {};
    return {m_rc, QString::fromUtf8(sqlite3_errmsg(m_db))};
}

int Statement::columnCount() const
{
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

bool Statement::isNull(int i) const
{
    return sqlite3_column_type(m_stmt, i) == SQLITE_NULL;
}

qint64 Statement::integer(int i) const
{
    return sqlite3_column_int64(m_stmt, i);
}

double Statement::real(int i) const
{
    return sqlite3_column_double(m_stmt, i);
}

QString Statement::text(int i) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
    if (!p)
        return {};
    return QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, i));
}

QByteArrayView Statement::utf8(int i) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
    return p ? QByteArrayView(p, sqlite3_column_bytes(m_stmt, i)) : QByteArrayView();
}

Money Statement::money(int i) const
{
    // Amounts are whole ten-thousandths; a real number can only come from a
    // file written by another tool.
    if (sqlite3_column_type(m_stmt, i) == SQLITE_INTEGER)
        return Money::fromRaw(integer(i));
    const QString t = text(i);
    if (t.contains(u'.') || t.contains(u'e', Qt::CaseInsensitive))
        return Money::fromRaw(std::llround(real(i) * Money::Scale));
    return Money::fromRaw(integer(i));
}

Statement &Statement::bindText(int i, QStringView v)
{
    if (m_stmt) {
        // Three bytes of UTF-8 at most for each UTF-16 unit.
        m_buffer.resize(v.size() * 3);
        // One encoder for every text: making one costs more than a short text.
        static thread_local QStringEncoder utf8(QStringEncoder::Utf8,
                                                QStringConverter::Flag::Stateless);
        const char *end = utf8.appendToBuffer(m_buffer.data(), v);
        // The engine takes its own copy, so the buffer serves the next value.
        // An empty text stays a text, never NULL.
        const int size = int(end - m_buffer.constData());
        sqlite3_bind_text(m_stmt, i, size > 0 ? m_buffer.constData() : "", size,
                          SQLITE_TRANSIENT);
    }
    return *this;
}

// ---- Transaction ----------------------------------------------------------

Transaction::Transaction(Database &db) : m_db(db)
{
    m_active = m_db.exec(u"BEGIN IMMEDIATE"_s);
}

Transaction::~Transaction()
{
    if (m_active)
        m_db.exec(u"ROLLBACK"_s);
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (m_db.exec(u"COMMIT"_s))
        return true;
    m_db.exec(u"ROLLBACK"_s);
    return false;
}

}  // namespace remitor
