#include "store.h"

#include "store/maintenance.h"
#include "store/recovery.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;

namespace remitor {

DbPaths DbPaths::inDirectory(const QString &dir)
{
    DbPaths p;
    p.programDir = QDir(dir).absolutePath();
    p.mainPath = QDir(p.programDir).filePath(u"Remitor.MDB"_s);
    p.reportsPath = QDir(p.programDir).filePath(u"SprDocs.MDB"_s);
    p.currentPath = p.mainPath;
    return p;
}

Store::Store(DbPaths paths, Interaction &ui)
    : m_paths(std::move(paths)), m_ui(ui), m_onDamage([](Store &s) { RepairAndCompact(s, 1); })
{
}

Recovery Store::recoverMissing(DbKind kind)
{
    bool &failed = m_recoveryFailed[index(kind)];
    if (failed)
        return Recovery::Failed;
    const Recovery r = RecoverMissingFile(*this, kind);
    failed = r == Recovery::Failed;
    return r;
}

void Store::report(const DbError &error) const
{
    m_ui.tell(error.text());
}

std::unique_ptr<Database> Store::open(DbKind kind)
{
    const QString path = m_paths.pathOf(kind);
    if (!path.isEmpty() && !QFileInfo::exists(path) && recoverMissing(kind) == Recovery::Failed)
        return nullptr;  // told; opening would put an empty file in its place
    auto db = std::make_unique<Database>(path, kind);
    if (db->isOpen() && db->readSchema()) {
        db->setErrorReporter([this, kind](const DbError &e) { operationFailed(kind, e); });
        return db;
    }
    const DbError err = db->isOpen() ? db->lastError() : db->error();
    db.reset();
    if (err.isDamage())
        damaged(kind, err);
    else
        report(err);
    return nullptr;
}

void Store::damaged(DbKind kind, const DbError &error)
{
    bool &asked = m_damageAsked[index(kind)];
    if (asked) {
        tellDamage(kind, error);
        return;
    }
    asked = true;
    m_ui.tell(u"Базата е повредена.\nЩе се стартира процедура за ремонт."_s);
    if (m_onDamage)
        m_onDamage(*this);
}

void Store::tellDamage(DbKind kind, const DbError &error)
{
    if (m_startingUp && m_damageAsked[index(kind)])
        return;
    m_ui.tell(u"Базата е повредена.\n"_s + m_paths.pathOf(kind) + u'\n' + error.text() +
                  u"\nЗа ремонт изберете „Пакетира базата“."_s,
              Interaction::Icon::Critical);
}

void Store::operationFailed(DbKind kind, const DbError &error)
{
    if (error.isDamage())
        tellDamage(kind, error);
    else
        report(error);
}

std::optional<Table> Store::table(const TableDef &def)
{
    auto db = open(def.db);
    if (!db)
        return std::nullopt;
    db->ensureTable(def, [this](const DbError &e) { report(e); });
    if (!db->hasTable(def.name))
        return std::nullopt;
    return Table(std::move(db), def, this);
}

std::optional<Table> Store::table(DbKind kind, const QString &name)
{
    return table(tableDef(kind, name));
}

// ---- Table ----------------------------------------------------------------

Table::Table(std::unique_ptr<Database> db, const TableDef &def, const Store *reporter)
    : m_db(std::move(db)), m_def(&def), m_reporter(reporter)
{
    readColumns();
    m_key = def.keyField.isEmpty() ? u"rowid"_s : quoted(def.keyField);
}

namespace {

// The fields of the layout that the file's table has; with `units`, for
// each of them whether it is an amount the file keeps in whole units (a
// DOUBLE column of an old file) rather than in ten-thousandths.
QList<int> presentFields(Database &db, const TableDef &def, QList<bool> *units = nullptr)
{
    QList<int> present;
    if (units)
        units->clear();
    const auto cols = db.columns(def.name);
    for (int i = 0; i < def.fields.size(); ++i)
        for (const auto &c : cols)
            if (c.name.compare(def.fields[i].name, Qt::CaseInsensitive) == 0) {
                present.append(i);
                FieldType type;
                int width;
                if (units)
                    units->append(def.fields[i].type == FieldType::Money &&
                                  FieldDef::parseDeclaredType(c.declaredType, type, width) &&
                                  type == FieldType::Double);
                break;
            }
    return present;
}

// A value as the file keeps it. Blanks that pad a fixed-width text carry
// nothing: the record pads them back on reading.
void bindValue(Statement &st, const FieldDef &f, const Record::Value &v, int n, bool units = false)
{
    switch (f.type) {
    case FieldType::Text: {
        const QString &s = std::get<QString>(v);
        qsizetype end = s.size();
        while (end > 0 && s.at(end - 1) == u' ')
            --end;
        st.bindText(n, QStringView(s).left(end));
        break;
    }
    case FieldType::Int16:
    case FieldType::Int32: st.bind(n, qint64(std::get<qint32>(v))); break;
    case FieldType::Money:
        // In whole units where the file keeps them so: ten-thousandths there
        // would read back ten thousand times the amount.
        if (units)
            st.bind(n, std::get<Money>(v).toDouble());
        else
            st.bind(n, std::get<Money>(v).raw());
        break;
    case FieldType::Double: st.bind(n, std::get<double>(v)); break;
    case FieldType::Date: {
        const QDate d = std::get<QDate>(v);
        if (d.isValid())
            st.bindText(n, dateToStorage(d));
        else
            st.bindNull(n);
        break;
    }
    case FieldType::Boolean: st.bind(n, qint64(std::get<bool>(v) ? 1 : 0)); break;
    }
}

void bindValues(Statement &st, const TableDef &def, const QList<int> &present,
                const QList<bool> &units, const Record &r, int first)
{
    for (int c = 0; c < present.size(); ++c)
        bindValue(st, def.fields[present[c]], r.at(present[c]), first + c, units.value(c));
}

QString insertSql(const TableDef &def, const QList<int> &present)
{
    QStringList cols, marks;
    for (int i : present) {
        cols.append(quoted(def.fields[i].name));
        marks.append(u"?"_s);
    }
    return u"INSERT INTO "_s + quoted(def.name) + u" ("_s + cols.join(u", "_s) + u") VALUES ("_s +
           marks.join(u", "_s) + u')';
}

}  // namespace

void Table::readColumns()
{
    m_present = presentFields(*m_db, *m_def, &m_unitsColumn);
}

QString Table::selectList() const
{
    QStringList cols;
    for (int i : m_present)
        cols.append(quoted(m_def->fields[i].name));
    return cols.isEmpty() ? u"NULL"_s : cols.join(u", "_s);
}

Record Table::readRow(const Statement &st) const
{
    Record r(*m_def);
    readRow(st, r);
    return r;
}

void Table::readRow(const Statement &st, Record &r) const
{
    r.clear();
    for (int c = 0; c < m_present.size(); ++c) {
        const int i = m_present[c];
        const FieldDef &f = m_def->fields[i];
        if (st.isNull(c))
            continue;
        switch (f.type) {
        case FieldType::Text: r.set(i, st.text(c)); break;
        case FieldType::Int16:
        case FieldType::Int32: r.set(i, qint32(std::clamp<qint64>(st.integer(c), INT32_MIN, INT32_MAX))); break;
        case FieldType::Money:
            r.set(i, m_unitsColumn.value(c) ? Money::fromDouble(st.real(c)).value_or(Money())
                                            : st.money(c));
            break;
        case FieldType::Double: r.set(i, st.real(c)); break;
        case FieldType::Date: r.set(i, dateFromStorage(st.text(c))); break;
        case FieldType::Boolean: r.set(i, st.integer(c) != 0); break;
        }
    }
}

void Table::bindRecord(Statement &st, const Record &r, int first) const
{
    bindValues(st, *m_def, m_present, m_unitsColumn, r, first);
}

std::optional<Record> Table::one(const QString &whereOrder, std::optional<qint64> key)
{
    Statement st = m_db->prepare(u"SELECT "_s + selectList() + u" FROM "_s + quoted(m_def->name) +
                                 u' ' + whereOrder + u" LIMIT 1"_s);
    if (key)
        st.bind(1, *key);
    if (st.next())
        return readRow(st);
    return std::nullopt;
}

int Table::count()
{
    Statement st = m_db->prepare(u"SELECT COUNT(*) FROM "_s + quoted(m_def->name));
    return st.next() ? int(st.integer(0)) : 0;
}

bool Table::contains(qint64 key)
{
    Statement st = m_db->prepare(u"SELECT 1 FROM "_s + quoted(m_def->name) + u" WHERE "_s + m_key +
                                 u" = ?1 LIMIT 1"_s);
    st.bind(1, key);
    return st.next();
}

std::optional<Record> Table::find(qint64 key)
{
    return one(u"WHERE "_s + m_key + u" = ?1"_s, key);
}

std::optional<Record> Table::first()
{
    return one(u"ORDER BY "_s + m_key, std::nullopt);
}

std::optional<Record> Table::last()
{
    return one(u"ORDER BY "_s + m_key + u" DESC"_s, std::nullopt);
}

std::optional<Record> Table::next(qint64 key)
{
    if (!contains(key))
        return std::nullopt;
    if (auto r = one(u"WHERE "_s + m_key + u" > ?1 ORDER BY "_s + m_key, key))
        return r;
    return last();
}

std::optional<Record> Table::previous(qint64 key)
{
    if (!contains(key))
        return std::nullopt;
    if (auto r = one(u"WHERE "_s + m_key + u" < ?1 ORDER BY "_s + m_key + u" DESC"_s, key))
        return r;
    return first();
}

bool Table::insert(const Record &record)
{
    Statement st = m_db->prepare(insertSql(*m_def, m_present));
    bindRecord(st, record, 1);
    return st.run() || failed();
}

bool Table::failed()
{
    // Through the database's reporter when it has one: once per Table, and
    // damage shown as damage.
    const DbError err = m_db->lastError();
    if (!m_db->reportError(err) && m_reporter && !m_db->errorReported())
        m_reporter->report(err);
    return false;
}

bool Table::save(const Record &record)
{
    if (m_def->keyField.isEmpty())
        return insert(record);
    QStringList sets;
    for (int i : m_present)
        sets.append(quoted(m_def->fields[i].name) + u" = ?"_s);
    Statement st = m_db->prepare(u"UPDATE "_s + quoted(m_def->name) + u" SET "_s +
                                 sets.join(u", "_s) + u" WHERE "_s + m_key + u" = ?"_s +
                                 QString::number(m_present.size() + 1));
    bindRecord(st, record, 1);
    st.bind(int(m_present.size()) + 1, qint64(record.key()));
    if (!st.run())
        return failed();
    if (m_db->changes() > 0)
        return true;
    return insert(record);
}

bool Table::replaceWith(const Record &record)
{
    Transaction tx(*m_db);
    if (!tx.isActive())
        return false;
    if (m_present.size() != m_def->fields.size() || m_db->columns(m_def->name).size() != m_def->fields.size()) {
        if (!m_db->exec(u"DROP TABLE "_s + quoted(m_def->name)) || !m_db->readSchema() ||
            !m_db->ensureTable(*m_def, [](const DbError &) {}))
            return false;
        readColumns();
    }
    return removeAll() && insert(record) && (tx.commit() || failed());
}

bool Table::remove(qint64 key)
{
    Statement st = m_db->prepare(u"DELETE FROM "_s + quoted(m_def->name) + u" WHERE "_s + m_key +
                                 u" = ?1"_s);
    st.bind(1, key);
    return st.run() || failed();
}

bool Table::removeAll()
{
    return m_db->exec(u"DELETE FROM "_s + quoted(m_def->name)) || failed();
}

qint64 Table::nextFreeKey()
{
    // Walk the keys from 1 upward until the first gap: the same answer as
    // seeking 1, 2, 3 … one by one, in one pass over the key index.
    Statement st = m_db->prepare(u"SELECT DISTINCT "_s + m_key + u" FROM "_s +
                                 quoted(m_def->name) + u" WHERE "_s + m_key + u" >= 1 ORDER BY "_s +
                                 m_key);
    qint64 n = 1;
    while (st.next()) {
        if (st.integer(0) != n)
            break;
        ++n;
    }
    return st.error().isError() ? 0 : n;
}

bool Table::scan(Order order, const std::function<bool(const Record &)> &visit)
{
    QString by = m_key;
    if (order == Order::Date && !m_def->dateField.isEmpty())
        by = quoted(m_def->dateField) + u", "_s + m_key;
    Statement st = m_db->prepare(u"SELECT "_s + selectList() + u" FROM "_s + quoted(m_def->name) +
                                 u" ORDER BY "_s + by);
    // One record refilled row after row: its texts keep their buffers.
    Record r(*m_def);
    while (st.next()) {
        readRow(st, r);
        if (!visit(r))
            return true;
    }
    return !st.error().isError();
}

// ---- RowInserter ------------------------------------------------------------

RowInserter::RowInserter(Database &db, const TableDef &def)
    : m_def(&def),
      m_present(presentFields(db, def, &m_units)),
      m_st(db.prepare(insertSql(def, m_present))),
      m_parameter(def.fields.size(), 0),
      m_empty(def)
{
    for (int n = 0; n < m_present.size(); ++n)
        m_parameter[m_present[n]] = n + 1;
    clear();
}

bool RowInserter::insert(const Record &record)
{
    m_st.reset();
    bindValues(m_st, *m_def, m_present, m_units, record, 1);
    return m_st.run();
}

void RowInserter::clear()
{
    m_st.reset();
    m_set.fill(false, m_def->fields.size());
}

void RowInserter::set(int field, const Record::Value &value)
{
    if (const int n = m_parameter[field]) {
        const FieldDef &f = m_def->fields[field];
        if (f.type == FieldType::Int16) {
            // Cut to the field's range, as a record does.
            const qint32 v = std::clamp<qint32>(std::get<qint32>(value), -32768, 32767);
            bindValue(m_st, f, v, n);
        } else {
            bindValue(m_st, f, value, n, m_units.value(n - 1));
        }
        m_set[field] = true;
    }
}

void RowInserter::setTextAt(int field, QStringView text)
{
    if (const int n = m_parameter[field]) {
        QStringView s = text.left(m_def->fields[field].width);
        while (!s.isEmpty() && s.back() == u' ')
            s.chop(1);
        m_st.bindText(n, s);
        m_set[field] = true;
    }
}

bool RowInserter::add()
{
    for (int i : std::as_const(m_present))
        if (!m_set[i])
            bindValue(m_st, m_def->fields[i], m_empty.at(i), m_parameter[i]);
    const bool ok = m_st.run();
    clear();
    return ok;
}

}  // namespace remitor

namespace remitor {

qint64 NextFreeKod(Store &store, int kindNumber)
{
    const TableDef *def = mainTableForKind(kindNumber);
    if (!def)
        return 0;
    auto t = store.table(*def);
    return t ? t->nextFreeKey() : 0;
}

qint64 NextFreeKodReports(Store &store, int kindCode)
{
    const TableDef *def = reportsTableForKind(kindCode);
    if (!def)
        return 0;
    auto t = store.table(*def);
    return t ? t->nextFreeKey() : 0;
}

namespace {

bool createFile(Store &store, DbKind kind)
{
    const QString path = store.paths().pathOf(kind);
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path))
        return true;
    switch (store.recoverMissing(kind)) {
    case Recovery::Recovered: return true;
    case Recovery::Failed: return false;
    case Recovery::Nothing: break;
    }
    Database db(path, kind);
    // Marks the file as ours; it also makes the engine write the file now.
    if (!db.isOpen() || !db.exec(u"PRAGMA application_id = 1380273481"_s)) {
        store.report(db.isOpen() ? db.lastError() : db.error());
        return false;
    }
    return true;
}

}  // namespace

bool CreateMainDatabase(Store &store)
{
    return createFile(store, DbKind::Main);
}

bool CreateSprBase(Store &store)
{
    return createFile(store, DbKind::Reports);
}

}  // namespace remitor
