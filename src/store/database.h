#pragma once

#include "store/schema.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace remitor {

class Money;

// What went wrong in the engine: its result code and its own message.
struct DbError {
    int code = 0;
    QString message;
    bool isError() const { return code != 0; }
    // "code: message", as the program shows engine errors.
    QString text() const;
    // The file is not a database or is damaged.
    bool isDamage() const;
};

class Statement;

// One open database file. It is opened for one operation and closed after
// it, so that maintenance can rename files between two user actions.
class Database {
public:
    // Opens (and creates, when missing) the file. Check isOpen() and error().
    Database(const QString &path, DbKind kind);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool isOpen() const { return m_db != nullptr; }
    // How many Database objects of this program have the file open: a file
    // is replaced only when none has, or their later writes would go to the
    // file replaced.
    static int openConnections(const QString &path);
    const DbError &error() const { return m_error; }
    DbKind kind() const { return m_kind; }
    const QString &path() const { return m_path; }
    sqlite3 *handle() const { return m_db; }

    // The collation of this file's text order: Bulgarian for the main
    // database, Western for the reports base.
    QString collation() const;

    // Errors of the statements that read are shown through this reporter,
    // once per connection (one operation): a row that cannot be read is
    // reported, never taken for a missing one. Store::open sets it.
    void setErrorReporter(std::function<void(const DbError &)> reporter);
    // Shows the error unless this connection has shown one already. False
    // when nothing was shown (no reporter, or shown before).
    bool reportError(const DbError &error);
    bool errorReported() const { return m_errorReported; }

    bool exec(const QString &sql);
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;
    Statement prepare(const QString &sql);
    DbError lastError() const;

    // The names of the tables and indexes in the file, read once and kept up
    // to date by ensureTable; a damaged file fails here first.
    bool readSchema();
    bool hasTable(const QString &name);
    bool hasIndex(const QString &name);

    struct Column {
        QString name;
        QString declaredType;
    };
    QList<Column> columns(const QString &table);
    // The fields of an index, in order; empty when it does not exist.
    QStringList indexFields(const QString &index);

    // Creates the table from its layout when missing, and each of its
    // indexes when missing. Reports each engine error through `onError`
    // and goes on.
    bool ensureTable(const TableDef &def, const std::function<void(const DbError &)> &onError);
    bool createIndex(const TableDef &def, const IndexDef &index,
                     const std::function<void(const DbError &)> &onError);

private:
    QString m_path;
    DbKind m_kind;
    sqlite3 *m_db = nullptr;
    DbError m_error;
    std::function<void(const DbError &)> m_reporter;
    bool m_errorReported = false;
    bool m_schemaRead = false;
    QStringList m_tables;   // upper-cased
    QStringList m_indexes;  // upper-cased
};

// A prepared statement. Values are always bound, never pasted into SQL.
class Statement {
public:
    Statement() = default;
    Statement(sqlite3 *db, sqlite3_stmt *stmt) : m_db(db), m_stmt(stmt) {}
    // A statement of `owner`, whose read errors go to its reporter.
    Statement(Database *owner, sqlite3_stmt *stmt);
    Statement(Statement &&o) noexcept;
    Statement &operator=(Statement &&o) noexcept;
    ~Statement();

    bool isValid() const { return m_stmt != nullptr; }
    Statement &bind(int i, qint64 v);
    Statement &bind(int i, const QString &v);
    Statement &bind(int i, double v);
    Statement &bindNull(int i);

    // Steps once: true while a row is there; check error() after false.
    bool next();
    // Steps to the end; true when no error.
    bool run();
    void reset();
    DbError error() const;

    int columnCount() const;
    QString columnName(int i) const;
    bool isNull(int i) const;
    qint64 integer(int i) const;
    double real(int i) const;
    QString text(int i) const;
    // The same as the engine holds it, in UTF-8, until the next step: for
    // reading many rows without a string per column.
    QByteArrayView utf8(int i) const;
    // An amount: whole ten-thousandths, or a real number that another tool
    // wrote, rounded to the nearest ten-thousandth.
    Money money(int i) const;
    // Binds a text through one buffer of the statement, without a string of
    // its own: for writing many rows.
    Statement &bindText(int i, QStringView v);

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    Database *m_owner = nullptr;
    int m_rc = 0;
    QByteArray m_buffer;
};

// Rolls back unless committed: every write of more than one row uses it.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    bool isActive() const { return m_active; }
    bool commit();

private:
    Database &m_db;
    bool m_active = false;
};

// Registers the Bulgarian and Western collations on a connection.
void registerCollations(sqlite3 *db);
QString collationName(DbKind kind);

// Dates are kept as ISO text "yyyy-MM-dd"; the empty date as NULL.
QString dateToStorage(const QDate &d);
QDate dateFromStorage(const QString &s);

}  // namespace remitor
