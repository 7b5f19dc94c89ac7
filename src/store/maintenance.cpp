#include "maintenance.h"

#include "store/salvage.h"
#include "store/store.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const FileOps *g_testOps = nullptr;

const FileOps &ops()
{
    static const FileOps real = FileOps::real();
    return g_testOps ? *g_testOps : real;
}

}  // namespace

FileOps FileOps::real()
{
    return {[](const QString &p) { return QFile::remove(p); },
            [](const QString &a, const QString &b) { return QFile::rename(a, b); }};
}

void setFileOpsForTesting(const FileOps *o)
{
    g_testOps = o;
}

QString BackupPathFor(const QString &path)
{
    const QFileInfo fi(path);
    const QString name = fi.fileName();
    const qsizetype dot = name.indexOf(u'.');
    const QString backup = dot >= 0 ? name.left(dot + 1) + u"BAK"_s : name + u".BAK"_s;
    const QString dir = path.left(path.size() - name.size());
    return dir + backup;
}

// ---- re-indexing ----------------------------------------------------------

bool RebuildIndexes(Store &store, Database &db, const TableDef &def, bool rebuild)
{
    const auto report = [&store](const DbError &e) { store.report(e); };
    if (!db.ensureTable(def, report))
        return false;
    bool ok = true;
    for (const IndexDef &index : def.indexes) {
        const QStringList have = db.indexFields(index.sqlName());
        bool same = have.size() == index.fields.size();
        for (int i = 0; same && i < have.size(); ++i)
            same = have[i].compare(index.fields[i], Qt::CaseInsensitive) == 0;
        if (same) {
            if (rebuild && !db.exec(u"REINDEX "_s + quoted(index.sqlName()))) {
                report(db.lastError());
                ok = false;
            }
            continue;
        }
        db.exec(u"DROP INDEX IF EXISTS "_s + quoted(index.sqlName()));
        db.readSchema();
        ok = db.createIndex(def, index, report) && ok;
    }
    return ok;
}

void ReindexAll(Store &store, bool showMessage)
{
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        if (kind == DbKind::Reports)
            CreateSprBase(store);
        auto db = store.open(kind);
        if (!db)
            continue;
        const auto report = [&store](const DbError &e) { store.report(e); };
        // One transaction per file: one write to the disk, not one per table.
        Transaction tx(*db);
        for (const TableDef &def : tablesOf(kind)) {
            if (showMessage)
                RebuildIndexes(store, *db, def, true);
            else
                db->ensureTable(def, report);
        }
        if (!tx.commit())
            report(db->lastError());
    }
    if (showMessage)
        store.ui().tell(u"Индексирането приключи."_s);
}

// ---- sorting --------------------------------------------------------------

namespace {

struct SortedTable {
    const char *table;
    const char *field;
};

// The document tables and the party each is ordered by.
constexpr SortedTable sortedTables[] = {
    {"PlnBTable", "nareditel"}, {"PlnB4Table", "nareditel"}, {"BPlnTable", "nareditel"},
    {"PlnTable", "nareditel"},  {"IskTable", "Poluchatel"},  {"MassTable", "nareditel"},
    {"VnosTable", "nareditel"}, {"RazTable", "nareditel"},   {"SDDTable", "Poluchatel"},
    {"PKOTable", "vnositel"},   {"RKOTable", "Poluchatel"},
};

}  // namespace

bool RenumberByText(Database &db, const TableDef &def, const QString &field,
                    const QCollator &collator)
{
    struct Row {
        qint64 rowid;
        QCollatorSortKey key;
    };
    QList<Row> rows;
    {
        Statement st = db.prepare(u"SELECT rowid, "_s + quoted(field) + u" FROM "_s +
                                  quoted(def.name) + u" ORDER BY "_s + quoted(def.keyField));
        while (st.next()) {
            // Blanks that pad a text do not count for the order.
            QString text = st.text(1);
            while (text.endsWith(u' '))
                text.chop(1);
            rows.append({st.integer(0), collator.sortKey(text)});
        }
        if (st.error().isError())
            return false;
    }
    // Sort keys are made once per row; equal parties keep the order of
    // their old numbers.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row &a, const Row &b) { return a.key.compare(b.key) < 0; });

    // The key index goes while the numbers are rewritten, as two rows may
    // hold the same number for a moment.
    const IndexDef *key = def.keyIndex();
    if (!db.exec(u"DROP INDEX IF EXISTS "_s + quoted(key->sqlName())))
        return false;
    Statement up = db.prepare(u"UPDATE "_s + quoted(def.name) + u" SET "_s +
                              quoted(def.keyField) + u" = ?1 WHERE rowid = ?2"_s);
    for (int i = 0; i < rows.size(); ++i) {
        up.reset();
        up.bind(1, qint64(i + 1)).bind(2, rows[i].rowid);
        if (!up.run())
            return false;
    }
    db.readSchema();
    return db.createIndex(def, *key, [](const DbError &) {});
}

bool SortDocuments(Store &store)
{
    auto db = store.open(DbKind::Main);
    if (!db)
        return false;
    QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    for (const SortedTable &s : sortedTables)
        db->ensureTable(tableDef(DbKind::Main, QLatin1StringView(s.table)),
                        [&store](const DbError &e) { store.report(e); });
    DbError failure;
    {
        Transaction tx(*db);  // rolls back unless every table was renumbered
        bool ok = tx.isActive();
        for (const SortedTable &s : sortedTables) {
            if (!ok)
                break;
            ok = RenumberByText(*db, tableDef(DbKind::Main, QLatin1StringView(s.table)),
                          QLatin1StringView(s.field), collator);
        }
        if (ok)
            ok = tx.commit();
        if (!ok)
            failure = db->lastError();
    }
    if (failure.isError()) {
        store.report(failure);
        return false;
    }
    store.ui().tell(u"Базата е сортирана."_s);
    return true;
}

// ---- repair and compaction ------------------------------------------------

namespace {

struct CompactResult {
    bool ok = false;
    QString problem;      // what went wrong, for the user
    bool salvaged = false;  // the file was damaged and was read as far as it could be
    bool emptied = false;   // nothing of the damaged file could be read
};

// Replaces `path` by a compacted (or salvaged) copy and keeps the old file
// as `backup`. The copy is made first, so that a failure at any step leaves
// the user's file where it was.
CompactResult compactFile(const QString &path, const QString &backup, DbKind kind)
{
    CompactResult r;
    const QString temp = path + u".new"_s;
    ops().remove(temp);
    const SalvageResult copy = CopyDatabase(path, temp, kind);
    if (!copy.ok) {
        ops().remove(temp);
        r.problem = copy.problem;
        return r;
    }
    r.salvaged = copy.salvaged;
    r.emptied = copy.emptied;
    if (QFileInfo::exists(backup) && !ops().remove(backup)) {
        ops().remove(temp);
        r.problem = u"Архивното копие "_s + backup + u" не може да се изтрие."_s;
        return r;
    }
    if (!ops().rename(path, backup)) {
        ops().remove(temp);
        r.problem = u"Файлът "_s + path + u" не може да се преименува."_s;
        return r;
    }
    if (!ops().rename(temp, path)) {
        // Put the user's file back where the program looks for it.
        ops().rename(backup, path);
        ops().remove(temp);
        r.problem = u"Пакетираното копие не може да заеме мястото на "_s + path + u'.';
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace

bool RepairAndCompact(Store &store, int ask)
{
    Interaction &ui = store.ui();
    if (ask > 0 && !ui.askOkCancel(u"Ремонтира и пакетира базата ?"_s, u"Пакетиране"_s))
        return false;

    const QString mainPath = store.paths().currentPath;
    const QString mainBackup = BackupPathFor(mainPath);
    QStringList notes;
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        const QString path = store.paths().pathOf(kind);
        if (kind == DbKind::Reports && !QFileInfo::exists(path))
            continue;
        const QString backup = BackupPathFor(path);
        const CompactResult r = compactFile(path, backup, kind);
        if (!r.ok) {
            ui.tell(u"Базата не може да се ремонтира.\n"_s + r.problem + u"\nФайлът "_s + path +
                        u" е оставен непроменен."_s,
                    Interaction::Icon::Critical);
            return false;
        }
        if (r.emptied)
            notes.append(u"Данните от "_s + path + u" не могат да бъдат прочетени. "_s +
                         u"Повреденият файл е запазен като "_s + backup + u'.');
        else if (r.salvaged)
            notes.append(u"Файлът "_s + path + u" беше повреден; прочетеното от него е възстановено. "_s +
                         u"Повреденият файл е запазен като "_s + backup + u'.');
    }
    for (const QString &n : notes)
        ui.tell(n, Interaction::Icon::Critical);
    ui.tell(u"Създадено е архивно копие "_s + mainBackup, Interaction::Icon::Information);
    ui.tell(u"Базата е пакетирана."_s, Interaction::Icon::None, u"Пакетиране"_s);
    return true;
}

bool RepairDatabases(Store &store)
{
    Interaction &ui = store.ui();
    if (!ui.askYesNo(u"Ремонт на "_s + store.paths().currentPath + u" ?"_s))
        return false;
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        const QString path = store.paths().pathOf(kind);
        if (kind == DbKind::Reports && !QFileInfo::exists(path))
            continue;
        DbError err;
        bool sound = false;
        {
            Database db(path, kind);
            if (db.isOpen()) {
                Statement st = db.prepare(u"PRAGMA integrity_check"_s);
                sound = st.next() && st.text(0) == u"ok"_s;
                err = st.error().isError() ? st.error() : db.lastError();
                if (sound && !db.exec(u"REINDEX"_s)) {
                    err = db.lastError();
                    sound = false;
                }
            } else {
                err = db.error();
            }
        }
        if (sound)
            continue;
        // A damaged file is salvaged into a new one; the old file is kept.
        const CompactResult r = compactFile(path, BackupPathFor(path), kind);
        if (!r.ok) {
            if (!err.isError())
                err.message = r.problem;
            ui.tell(u"Ремонтът не е завършен!\nГрешка No: "_s + QString::number(err.code) + u'\n' +
                        (r.problem.isEmpty() ? err.message : r.problem),
                    Interaction::Icon::Critical);
            return false;
        }
    }
    ui.tell(u"Ремонтът завърши успешно!"_s);
    return true;
}

}  // namespace remitor
