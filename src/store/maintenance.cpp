#include "maintenance.h"

#include "store/recovery.h"
#include "store/salvage.h"
#include "store/store.h"

#include <QCollator>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

QString BackupPathFor(const QString &path)
{
    const QFileInfo fi(path);
    const QString name = fi.fileName();
    const qsizetype dot = name.indexOf(u'.');
    const QString backup = dot >= 0 ? name.left(dot + 1) + u"BAK"_s : name + u".BAK"_s;
    const QString dir = path.left(path.size() - name.size());
    return dir + backup;
}

QString OlderBackupPathFor(const QString &path)
{
    return BackupPathFor(path) + u".1"_s;
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
                    const QCollator &collator, QHash<qint64, qint64> *moved)
{
    struct Row {
        qint64 rowid;
        QCollatorSortKey key;
        qint64 number;
    };
    QList<Row> rows;
    {
        Statement st = db.prepare(u"SELECT rowid, "_s + quoted(field) + u", "_s +
                                  quoted(def.keyField) + u" FROM "_s + quoted(def.name) +
                                  u" ORDER BY "_s + quoted(def.keyField));
        while (st.next()) {
            // Blanks that pad a text do not count for the order.
            QString text = st.text(1);
            while (text.endsWith(u' '))
                text.chop(1);
            rows.append({st.integer(0), collator.sortKey(text), st.integer(2)});
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
        if (moved)
            moved->insert(rows[i].number, i + 1);
    }
    db.readSchema();
    return db.createIndex(def, *key, [](const DbError &) {});
}

bool SortDocuments(Store &store, Renumbering *moved)
{
    auto db = store.open(DbKind::Main);
    if (!db)
        return false;
    QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    for (const SortedTable &s : sortedTables)
        db->ensureTable(tableDef(DbKind::Main, QLatin1StringView(s.table)),
                        [&store](const DbError &e) { store.report(e); });
    DbError failure;
    Renumbering renumbered;
    {
        Transaction tx(*db);  // rolls back unless every table was renumbered
        bool ok = tx.isActive();
        for (const SortedTable &s : sortedTables) {
            if (!ok)
                break;
            const QString table = QLatin1StringView(s.table);
            ok = RenumberByText(*db, tableDef(DbKind::Main, table), QLatin1StringView(s.field),
                                collator, &renumbered[table]);
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
    if (moved)
        *moved = renumbered;
    store.ui().tell(u"Базата е сортирана."_s);
    return true;
}

// ---- repair and compaction ------------------------------------------------

namespace {

struct CompactResult {
    bool ok = false;
    bool declined = false;  // the user kept the backups and the file as they were
    QString problem;        // what went wrong, for the user
    SalvageResult copy;     // whether the file was damaged and what was lost
};

// Replaces `path` by a compacted (or salvaged) copy and keeps a copy of the
// file as it was as the backup. At every step the file is whole under its
// own name: the new copy is flushed to the disk before it takes the file's
// place in one rename over it, and the backup is written as a copy of its
// own before it replaces the old backup.
CompactResult compactFile(Store &store, const QString &path, DbKind kind)
{
    const FileOps &ops = fileOps();
    CompactResult r;
    const QString folder = QFileInfo(path).absolutePath();
    const QString temp = path + u".new"_s;
    const QString backup = BackupPathFor(path);
    const QString older = OlderBackupPathFor(path);
    const QString backupTemp = backup + u".new"_s;
    const auto dropTemps = [&] {
        for (const QString &t : {temp, backupTemp})
            if (QFileInfo::exists(t))
                ops.remove(t);
    };

    if (Database::openConnections(path) > 0) {
        r.problem = u"Файлът "_s + path + u" е отворен от друга операция."_s;
        return r;
    }
    dropTemps();
    r.copy = CopyDatabase(path, temp, kind);
    if (!r.copy.ok) {
        dropTemps();
        r.problem = r.copy.problem;
        return r;
    }
    if (!ops.sync(temp)) {
        dropTemps();
        r.problem = u"Копието "_s + temp + u" не може да се запише на диска."_s;
        return r;
    }

    // The backup holds the file as it is now. One with more records is
    // replaced only when the user says so, and then it stays as the older
    // backup: two compactions of an emptied file cannot wipe out the last
    // good copy.
    const qint64 now = std::max(CountRecords(path, kind), CountRecords(temp, kind));
    const qint64 inBackup = CountRecords(backup, kind);
    const qint64 inOlder = CountRecords(older, kind);
    const bool backupIsBetter = inBackup >= inOlder;
    const qint64 best = std::max(inBackup, inOlder);
    if (now < best) {
        const QString richer = backupIsBetter ? backup : older;
        if (!store.ui().askYesNo(
                u"Базата "_s + path + u" съдържа "_s + RecordCountText(std::max<qint64>(now, 0)) +
                    u", а архивното копие "_s + richer + u" – "_s + RecordCountText(best) +
                    u".\nПродължава ли пакетирането? Копието с повече записи ще се запази като "_s +
                    older + u'.',
                u"Пакетиране"_s, Interaction::Icon::Warning)) {
            dropTemps();
            r.declined = true;
            return r;
        }
    }
    const bool keepBackupAsOlder = QFileInfo::exists(backup) && backupIsBetter;
    // A backup that cannot be read at all is the damaged file a repair kept:
    // its records may still be got out of it, so it is never replaced. It
    // goes aside under a name of its own that no compaction touches.
    const QString replaced = keepBackupAsOlder ? older : backup;
    if (QFileInfo::exists(replaced) && CountRecords(replaced, kind) < 0 &&
        !ops.rename(replaced, replaced + QDateTime::currentDateTime().toString(
                                              u".'damaged'-yyyyMMdd-hhmmss"_s))) {
        dropTemps();
        r.problem = u"Архивното копие "_s + replaced + u" не може да се преименува."_s;
        return r;
    }
    if (!ops.copy(path, backupTemp) || !ops.sync(backupTemp)) {
        dropTemps();
        r.problem = u"Архивното копие "_s + backup + u" не може да се запише."_s;
        return r;
    }
    if (keepBackupAsOlder && !ops.rename(backup, older)) {
        dropTemps();
        r.problem = u"Архивното копие "_s + backup + u" не може да се преименува."_s;
        return r;
    }
    if (!ops.rename(backupTemp, backup)) {
        dropTemps();
        r.problem = u"Архивното копие "_s + backup + u" не може да се запише."_s;
        return r;
    }
    ops.syncFolder(folder);
    if (!ops.rename(temp, path)) {
        dropTemps();
        r.problem = u"Пакетираното копие не може да заеме мястото на "_s + path + u'.';
        return r;
    }
    ops.syncFolder(folder);
    r.ok = true;
    return r;
}

// "PlnTable – 26 реда", or "около 26 реда" when no index told the number.
QString lossText(const TableLoss &loss)
{
    QString rows;
    if (loss.exact)
        rows = RowCountText(loss.rows);
    else if (loss.rows > 0)
        rows = u"около "_s + RowCountText(loss.rows);
    else
        rows = u"неизвестен брой редове"_s;
    return loss.table + u" – "_s + rows;
}

// What the user is told about a file that was damaged; empty for a sound one.
QString damageNote(const QString &path, const SalvageResult &copy)
{
    const QString kept = u"Повреденият файл е запазен като "_s + BackupPathFor(path) + u'.';
    if (copy.emptied)
        return u"Данните от "_s + path + u" не могат да бъдат прочетени. "_s + kept;
    if (!copy.salvaged)
        return {};
    if (copy.losses.isEmpty())
        return u"Файлът "_s + path + u" беше повреден; всички записи от него са възстановени. "_s +
               kept;
    QStringList lines;
    for (const TableLoss &l : copy.losses) lines.append(lossText(l));
    return u"Файлът "_s + path + u" беше повреден. Не могат да бъдат прочетени:\n"_s +
           lines.join(u'\n') + u'\n' + kept;
}

// A compaction that did not take place, told: declined by the user, or
// failed (`cannot` says what could not be done). False when it took place.
bool toldNotDone(Interaction &ui, const QString &path, const CompactResult &r,
                 const QString &cannot)
{
    if (r.declined) {
        ui.tell(u"Пакетирането е прекратено.\nФайлът "_s + path +
                    u" и архивните копия са оставени непроменени."_s,
                Interaction::Icon::Warning, u"Пакетиране"_s);
        return true;
    }
    if (!r.ok) {
        ui.tell(cannot + u"\n"_s + r.problem + u"\nФайлът "_s + path + u" е оставен непроменен."_s,
                Interaction::Icon::Critical);
        return true;
    }
    return false;
}

// The backup named, then "Пакетирана" alone only when nothing was lost.
void tellCompacted(Interaction &ui, const QString &backup, bool complete,
                   const QStringList &notes)
{
    ui.tell(u"Създадено е архивно копие "_s + backup, Interaction::Icon::Information);
    if (complete) {
        for (const QString &n : notes) ui.tell(n, Interaction::Icon::Warning);
        ui.tell(u"Базата е пакетирана."_s, Interaction::Icon::None, u"Пакетиране"_s);
    } else {
        ui.tell(u"Базата е пакетирана със загуба на данни.\n\n"_s + notes.join(u"\n\n"_s),
                Interaction::Icon::Critical, u"Пакетиране"_s);
    }
}

}  // namespace

bool RepairAndCompact(Store &store, int ask)
{
    Interaction &ui = store.ui();
    if (ask > 0 && !ui.askOkCancel(u"Ремонтира и пакетира базата ?"_s, u"Пакетиране"_s))
        return false;

    const QString mainBackup = BackupPathFor(store.paths().currentPath);
    QStringList notes;
    bool complete = true;
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        const QString path = store.paths().pathOf(kind);
        if (kind == DbKind::Reports && !QFileInfo::exists(path))
            continue;
        const CompactResult r = compactFile(store, path, kind);
        if (toldNotDone(ui, path, r, u"Базата не може да се ремонтира."_s))
            return false;
        store.damageMended(kind);
        complete = complete && r.copy.complete();
        const QString note = damageNote(path, r.copy);
        if (!note.isEmpty())
            notes.append(note);
    }
    tellCompacted(ui, mainBackup, complete, notes);
    return true;
}

bool CompactDatabaseFile(Store &store, DbKind kind)
{
    Interaction &ui = store.ui();
    const QString path = store.paths().pathOf(kind);
    const CompactResult r = compactFile(store, path, kind);
    if (toldNotDone(ui, path, r, u"Базата не може да се пакетира."_s))
        return false;
    store.damageMended(kind);
    const QString note = damageNote(path, r.copy);
    tellCompacted(ui, BackupPathFor(path), r.copy.complete(),
                  note.isEmpty() ? QStringList() : QStringList{note});
    return true;
}

bool RepairDatabases(Store &store)
{
    Interaction &ui = store.ui();
    if (!ui.askYesNo(u"Ремонт на "_s + store.paths().currentPath + u" ?"_s))
        return false;
    QStringList notes;
    bool complete = true;
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
        const CompactResult r = compactFile(store, path, kind);
        if (r.declined) {
            ui.tell(u"Ремонтът не е завършен!\nФайлът "_s + path +
                        u" и архивните копия са оставени непроменени."_s,
                    Interaction::Icon::Warning);
            return false;
        }
        if (!r.ok) {
            ui.tell(u"Ремонтът не е завършен!\nГрешка No: "_s + QString::number(err.code) + u'\n' +
                        (r.problem.isEmpty() ? err.message : r.problem),
                    Interaction::Icon::Critical);
            return false;
        }
        store.damageMended(kind);
        complete = complete && r.copy.complete();
        const QString note = damageNote(path, r.copy);
        if (!note.isEmpty())
            notes.append(note);
    }
    if (complete) {
        for (const QString &n : notes) ui.tell(n, Interaction::Icon::Warning);
        ui.tell(u"Ремонтът завърши успешно!"_s);
    } else {
        ui.tell(u"Ремонтът завърши със загуба на данни!\n\n"_s + notes.join(u"\n\n"_s),
                Interaction::Icon::Critical);
    }
    return true;
}

}  // namespace remitor
