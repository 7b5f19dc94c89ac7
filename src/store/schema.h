#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace remitor {

// The two database files of the program.
enum class DbKind { Main, Reports };

enum class FieldType { Text, Int16, Int32, Money, Double, Date, Boolean };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int width = 0;  // characters, for Text only

    // The declared column type: TEXT(35), SMALLINT, INTEGER, MONEY, DOUBLE, DATE, BOOLEAN.
    QString declaredType() const;
    // Reads a declared type back; false when it is none of ours.
    static bool parseDeclaredType(const QString &declared, FieldType &type, int &width);
};

struct IndexDef {
    QString name;
    QStringList fields;
    bool unique = true;
    // The name in the file. Index names are per table in the old engine but
    // per file in SQLite, so the cash book's own PKOIndex and RKOIndex are
    // stored under the table's name.
    QString fileName;
    const QString &sqlName() const { return fileName.isEmpty() ? name : fileName; }
};

struct TableDef {
    DbKind db = DbKind::Main;
    QString name;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;  // the first one is the key index, where there is a key
    QString keyField;         // empty for the single-row tables (Firma, ParamTable)
    QString dateField;        // reports base: the first field of the date index

    int fieldIndex(const QString &name) const;  // case-insensitive; -1 when absent
    const FieldDef *field(const QString &name) const;
    const IndexDef *keyIndex() const { return indexes.isEmpty() ? nullptr : &indexes.first(); }
    const IndexDef *dateIndex() const { return indexes.size() > 1 && !dateField.isEmpty() ? &indexes[1] : nullptr; }
};

// Every table of the main database and of the reports base, in the order in
// which the start-up re-index walks them.
const QList<TableDef> &mainTables();
const QList<TableDef> &reportsTables();
const QList<TableDef> &tablesOf(DbKind db);

// The table of that name in that database (case-insensitive), or null.
const TableDef *findTable(DbKind db, const QString &name);
// Same, but the table must exist in the schema: a typo is a programming error.
const TableDef &tableDef(DbKind db, const QString &name);

// Kind numbers of the lowest-free-number rule: 1 contractors … 15 currency
// buy/sell order in the main database; 2-8, 11-13 in the reports base
// (where 8 is the foreign-currency transfer order). Null for other numbers.
const TableDef *mainTableForKind(int kindNumber);
const TableDef *reportsTableForKind(int kindCode);

// SQL-quoted identifier: several field names are SQL keywords (In, Do, No, Date).
QString quoted(const QString &identifier);

}  // namespace remitor
