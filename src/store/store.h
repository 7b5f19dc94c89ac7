#pragma once

#include "base/interaction.h"
#include "store/database.h"
#include "store/record.h"

#include <functional>
#include <memory>
#include <optional>

namespace remitor {

// Where the two files are: both in the program's working directory.
struct DbPaths {
    QString programDir;
    QString mainPath;
    QString reportsPath;
    QString currentPath;  // every open of the main database uses this one

    static DbPaths inDirectory(const QString &dir);
    QString pathOf(DbKind kind) const { return kind == DbKind::Main ? currentPath : reportsPath; }
};

class Table;

// The storage of the program: opens a database file for one operation,
// creating what is missing and handing a damaged file to the repair.
// What became of a missing file: nothing to bring it back from, brought
// back, or a copy that failed.
enum class Recovery { Nothing, Recovered, Failed };

class Store {
public:
    Store(DbPaths paths, Interaction &ui);

    const DbPaths &paths() const { return m_paths; }
    Interaction &ui() const { return m_ui; }

    // Opens the file; a missing one is first recovered from what a
    // compaction left beside it, and created only when there is nothing to
    // recover. A damaged file is handed to damaged() and gives no database;
    // any other failure is shown as "code: message" and gives no database.
    // Errors of the reads on the database are shown once per open (see
    // Database::setErrorReporter).
    std::unique_ptr<Database> open(DbKind kind);

    // A missing file brought back from its leftovers (see RecoverMissingFile).
    // A recovery that failed is told once and not tried again in this run:
    // the file stays missing, so that the next start tries anew.
    Recovery recoverMissing(DbKind kind);

    // Opens the file with the table ready: the table and its indexes are
    // created when missing. No table when the file cannot be used.
    std::optional<Table> table(const TableDef &def);
    std::optional<Table> table(DbKind kind, const QString &name);

    // Shows an engine error as "code: message"; the operation goes on.
    void report(const DbError &error) const;

    // What runs when a file is found damaged; by default the repair and
    // compaction with its question.
    void setDamageHandler(std::function<void(Store &)> handler) { m_onDamage = std::move(handler); }

    // A file found damaged, by an open or by the start-up check. The first
    // time for the file: "Базата е повредена." / "Ще се стартира процедура
    // за ремонт." and the damage handler (which asks). After that the
    // question is not asked again for the file, whatever the answer was;
    // while starting up nothing more is shown for it, later each operation
    // that meets the damage shows it once.
    void damaged(DbKind kind, const DbError &error);
    // The file was repaired: damage found in it later is asked about anew.
    void damageMended(DbKind kind) { m_damageAsked[index(kind)] = false; }
    bool damageAsked(DbKind kind) const { return m_damageAsked[index(kind)]; }

    // Marks the start-up: a file already reported damaged stays quiet.
    class StartingUp {
    public:
        explicit StartingUp(Store &s) : m_store(s), m_was(s.m_startingUp) { s.m_startingUp = true; }
        ~StartingUp() { m_store.m_startingUp = m_was; }
        StartingUp(const StartingUp &) = delete;
        StartingUp &operator=(const StartingUp &) = delete;

    private:
        Store &m_store;
        bool m_was;
    };

private:
    static int index(DbKind kind) { return kind == DbKind::Main ? 0 : 1; }
    // A failed read (or write) on an open database of this file.
    void operationFailed(DbKind kind, const DbError &error);
    // Shows a damage met after the question was asked.
    void tellDamage(DbKind kind, const DbError &error);

    DbPaths m_paths;
    Interaction &m_ui;
    std::function<void(Store &)> m_onDamage;
    bool m_damageAsked[2] = {false, false};
    bool m_recoveryFailed[2] = {false, false};
    bool m_startingUp = false;
};

// One table of an open database, with the operations of the editors and
// lists: seek by key, first, last, next, previous, save, delete, scan.
// The database closes when the Table goes.
class Table {
public:
    // A failed write is shown to the user through `reporter`, when given.
    Table(std::unique_ptr<Database> db, const TableDef &def, const Store *reporter = nullptr);
    Table(Table &&) = default;

    const TableDef &def() const { return *m_def; }
    Database &db() { return *m_db; }

    int count();
    bool contains(qint64 key);
    std::optional<Record> find(qint64 key);
    std::optional<Record> first();
    std::optional<Record> last();
    // The row after (before) `key` in key order. After the last row comes
    // the last row again, before the first the first. Nothing when `key`
    // itself is not in the table.
    std::optional<Record> next(qint64 key);
    std::optional<Record> previous(qint64 key);

    // Overwrites the row with the record's key, or adds one. False (and
    // the engine's error shown) when the row could not be written.
    // Reads that fail (find, first, next … count, scan) show the engine's
    // error once per Table and then answer as for a missing row.
    bool save(const Record &record);
    // Adds a row whatever its key.
    bool insert(const Record &record);
    bool remove(qint64 key);
    bool removeAll();
    // Makes the record the one row of the table, in the current layout, in
    // one transaction: the old row stays when anything fails.
    bool replaceWith(const Record &record);

    // The smallest key n >= 1 that no row has; 0 (and the error shown) when
    // the keys cannot be read: a guess could overwrite a document.
    qint64 nextFreeKey();

    enum class Order { Key, Date };
    // Every row in key order (or in the order of the date index of the
    // reports base); stop by returning false.
    bool scan(Order order, const std::function<bool(const Record &)> &visit);

    // Reads the current columns of the row `st` stands on into a record.
    Record readRow(const Statement &st) const;
    // The same into a record of this table's layout, which is cleared first.
    void readRow(const Statement &st, Record &into) const;
    QString selectList() const;

private:
    void readColumns();
    bool failed();
    void bindRecord(Statement &st, const Record &r, int first) const;
    std::optional<Record> one(const QString &whereOrder, std::optional<qint64> key);

    std::unique_ptr<Database> m_db;
    const TableDef *m_def;
    const Store *m_reporter = nullptr;
    QList<int> m_present;  // fields of the layout that the file's table has
    // Per present field: an amount that an older file keeps as a DOUBLE of
    // whole units (the buy/sell order's), read and written as such.
    QList<bool> m_unitsColumn;
    QString m_key;         // quoted key column
};

// Adds rows to one table of an open database through one prepared
// statement: the import writes many thousand rows in one transaction, where
// a statement per row would cost more than the rows.
class RowInserter {
public:
    RowInserter(Database &db, const TableDef &def);
    bool isValid() const { return m_st.isValid(); }
    // False when the row could not be added; the database tells why.
    bool insert(const Record &record);

    // A row given value by value, as a record would hold them, without the
    // record: set the fields (of the layout, by index), then add(). Fields
    // not set are empty. clear() forgets what was set.
    void clear();
    void set(int field, const Record::Value &value);
    void setTextAt(int field, QStringView text);
    bool add();

private:
    const TableDef *m_def;
    QList<bool> m_units;  // before m_present: filled while it is
    QList<int> m_present;
    Statement m_st;
    QList<int> m_parameter;  // by field of the layout; 0 where the file's table lacks it
    QList<bool> m_set;
    Record m_empty;
};

// The lowest free number of a document kind (1 contractors … 15 currency
// buy/sell order) in the main database, and of a kind code of the reports
// base; 0 when the number names no table or the file cannot be used.
qint64 NextFreeKod(Store &store, int kindNumber);
qint64 NextFreeKodReports(Store &store, int kindCode);

// Create the file, empty, when it is missing.
bool CreateMainDatabase(Store &store);
bool CreateSprBase(Store &store);

}  // namespace remitor
