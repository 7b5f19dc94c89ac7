#include <QDir>
#include <QFile>
#include <QTest>

#include "session/session.h"
#include "session/startup.h"
#include "store/maintenance.h"
#include "store/salvage.h"
#include "support/temp_store.h"

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestMaintenance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reindexMendsAWrongIndexAndChangesNoData();
    void sortByOrderingParty();
    void sortMovesTheEditorsDocument();
    void failedSortKeepsTheOldNumbers();
    void backupNames_data();
    void backupNames();
    void compactionReplacesAnOldBackup();
    void unreadableFileGivesAnEmptyUsableDatabase();
    void failedCompactionLeavesTheFileInPlace_data();
    void failedCompactionLeavesTheFileInPlace();
    void repairDatabases();
    void damagedPageKeepsEveryReadableOrder_data();
    void damagedPageKeepsEveryReadableOrder();
    void emptiedDatabaseCannotWipeOutTheLastGoodBackup_data();
    void emptiedDatabaseCannotWipeOutTheLastGoodBackup();
};

namespace {

const QString uniqueKeyIndex =
    u"SELECT \"unique\" FROM pragma_index_list('PlnTable') WHERE name = 'PlnIndex'"_s;

void addOrders(Store &store, const QStringList &parties)
{
    auto table = store.table(DbKind::Main, u"PlnTable"_s);
    QVERIFY(table);
    Record r(table->def());
    for (int i = 0; i < parties.size(); ++i) {
        r.setKey(i + 1);
        r.setText(u"nareditel"_s, parties[i]);
        r.setMoney(u"suma"_s, Money::fromUnits(i + 1));
        QVERIFY(table->save(r));
    }
}

QStringList ordersByKey(const QString &main)
{
    return rowsOn(main, u"SELECT kod, nareditel, suma FROM PlnTable ORDER BY kod"_s);
}

void overwrite(const QString &path, qint64 at, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek(at));
    QCOMPARE(f.write(bytes), bytes.size());
}

}  // namespace

// Reindexing mends a wrong key index and changes no data.
void TestMaintenance::reindexMendsAWrongIndexAndChangesNoData()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Б"_s, u"А"_s});
    const QString main = t.path(u"Remitor.MDB"_s);
    const QStringList before = ordersByKey(main);
    ReindexAll(*t.store, false);
    QVERIFY(t.ui.shown().isEmpty());
    QVERIFY(execOn(main, u"DROP INDEX PlnIndex; CREATE INDEX PlnIndex ON PlnTable (nareditel)"_s));
    ReindexAll(*t.store, true);
    QCOMPARE(t.ui.texts(), QStringList{u"Индексирането приключи."_s});
    QCOMPARE(ordersByKey(main), before);
    QCOMPARE(rowsOn(main, u"PRAGMA index_info(PlnIndex)"_s).value(0).section(u'|', 2), u"kod"_s);
    QCOMPARE(queryOn(main, uniqueKeyIndex), u"1"_s);
}

// Sorted by the ordering party, equal parties keeping their order.
void TestMaintenance::sortByOrderingParty()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Банка"_s, u"Арда"_s, u"Банка"_s, u"Ариана"_s, u""_s});
    QVERIFY(SortDocuments(*t.store));
    QCOMPARE(t.ui.texts(), QStringList{u"Базата е сортирана."_s});
    QCOMPARE(ordersByKey(t.path(u"Remitor.MDB"_s)),
             (QStringList{u"1||50000"_s, u"2|Арда|20000"_s, u"3|Ариана|40000"_s,
                          u"4|Банка|10000"_s, u"5|Банка|30000"_s}));
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), uniqueKeyIndex), u"1"_s);
}

// The document an editor holds follows its new number: saved over it, it
// replaces itself and not the document that took its old number.
void TestMaintenance::sortMovesTheEditorsDocument()
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session s(dir.path(), ui, QDate(2010, 1, 1));
    s.startUp();
    addOrders(s.store(), {u"В"_s, u"А"_s, u"Б"_s});
    DocumentState &shown = s.document(tableDef(DbKind::Main, u"PlnTable"_s));
    shown.record = *s.store().table(shown.record.def())->find(1);
    ui.answer(true);
    s.sortDocuments();
    QCOMPARE(shown.record.key(), 3);
    QCOMPARE(*s.store().table(shown.record.def())->find(3), shown.record);
}

void TestMaintenance::failedSortKeepsTheOldNumbers()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"В"_s, u"А"_s, u"Б"_s});
    const QString main = t.path(u"Remitor.MDB"_s);
    // The credit transfers sort first; the cash orders, later in the walk, fail.
    QVERIFY(execOn(main, u"INSERT INTO RKOTable (kod, Poluchatel) VALUES (5, 'Я'), (6, 'А');"
                         "CREATE TRIGGER stop BEFORE UPDATE ON RKOTable BEGIN SELECT RAISE(ABORT, 'disk I/O'); END"_s));
    const QStringList before = ordersByKey(main);
    QVERIFY(!SortDocuments(*t.store));
    QCOMPARE(ordersByKey(main), before);
    QCOMPARE(rowsOn(main, u"SELECT kod FROM RKOTable ORDER BY kod"_s), (QStringList{u"5"_s, u"6"_s}));
    QCOMPARE(t.ui.shown().size(), 1);
    QVERIFY(!t.ui.texts().contains(u"Базата е сортирана."_s));
    QVERIFY(!rowsOn(main, u"PRAGMA index_info(PlnIndex)"_s).isEmpty());
}

void TestMaintenance::backupNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("backup");
    QTest::newRow("cut at the first dot") << u"/d/Remitor.old.MDB"_s << u"/d/Remitor.BAK"_s;
    // A dot in a folder name must not send both backups to one file
    // outside the folder.
    QTest::newRow("dot in the folder") << u"/home/a.b/Remitor.MDB"_s << u"/home/a.b/Remitor.BAK"_s;
    QTest::newRow("no dot") << u"/home/a.b/Remitor"_s << u"/home/a.b/Remitor.BAK"_s;
}

void TestMaintenance::backupNames()
{
    QFETCH(QString, path);
    QFETCH(QString, backup);
    QCOMPARE(BackupPathFor(path), backup);
}

void TestMaintenance::compactionReplacesAnOldBackup()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"А"_s, u"Б"_s});
    {
        QFile old(t.path(u"Remitor.BAK"_s));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old backup");
    }
    // Cancelled, it changes nothing.
    QFile::copy(t.path(u"Remitor.MDB"_s), t.path(u"before"_s));
    t.ui.answer(false);
    QVERIFY(!RepairAndCompact(*t.store, 1));
    QCOMPARE(t.ui.shown().size(), 1);
    QCOMPARE(t.ui.shown().first().title, u"Пакетиране"_s);
    QFile a(t.path(u"Remitor.MDB"_s)), b(t.path(u"before"_s)), c(t.path(u"Remitor.BAK"_s));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
    QCOMPARE(c.readAll(), QByteArray("old backup"));
    t.ui.clear();
    t.ui.answer(true);
    QVERIFY(RepairAndCompact(*t.store, 1));
    QCOMPARE(t.ui.texts(), (QStringList{u"Ремонтира и пакетира базата ?"_s,
                                        u"Създадено е архивно копие "_s + t.path(u"Remitor.BAK"_s),
                                        u"Базата е пакетирана."_s}));
    QCOMPARE(t.ui.shown()[1].icon, Interaction::Icon::Information);
    QCOMPARE(t.ui.shown()[2].title, u"Пакетиране"_s);
    QCOMPARE(ordersByKey(t.path(u"Remitor.BAK"_s)).size(), 2);  // the old backup was replaced
    QCOMPARE(ordersByKey(t.path(u"Remitor.MDB"_s)).size(), 2);
    QVERIFY(QFile::exists(t.path(u"SprDocs.BAK"_s)));
    QVERIFY(!QFile::exists(t.path(u"Remitor.MDB.new"_s)));
    QVERIFY(!QFile::exists(t.path(u"Remitor.BAK.new"_s)));
    // Silent second time: no question; the backup before stays as .BAK.1.
    addOrders(*t.store, {u"А"_s, u"Б"_s, u"В"_s});
    t.ui.clear();
    QVERIFY(RepairAndCompact(*t.store, 0));
    QCOMPARE(t.ui.shown().size(), 2);
    QCOMPARE(ordersByKey(t.path(u"Remitor.BAK"_s)).size(), 3);
    QCOMPARE(ordersByKey(t.path(u"Remitor.BAK.1"_s)).size(), 2);
    QCOMPARE(ordersByKey(t.path(u"Remitor.MDB"_s)).size(), 3);
    // The unreadable old backup (a damaged file a repair kept) was set aside,
    // not replaced, and the compactions after leave it alone.
    QVERIFY(RepairAndCompact(*t.store, 0));
    const QStringList aside =
        QDir(t.path(QString())).entryList({u"Remitor.BAK*.damaged-*"_s}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QFile kept(t.path(aside.first()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old backup"));
}

void TestMaintenance::unreadableFileGivesAnEmptyUsableDatabase()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Алфа"_s});
    const QString main = t.path(u"Remitor.MDB"_s);
    const qint64 size = QFileInfo(main).size();
    overwrite(main, 0, QByteArray(int(size), '\x5a'));
    t.ui.answer(true);
    QVERIFY(!t.store->table(DbKind::Main, u"PlnTable"_s));
    const QStringList texts = t.ui.texts();
    QVERIFY2(texts.join(u'\n').contains(u"Повреденият файл е запазен като "_s + t.path(u"Remitor.BAK"_s)),
             qPrintable(texts.join(u'\n')));
    QCOMPARE(QFileInfo(t.path(u"Remitor.BAK"_s)).size(), size);
    t.ui.clear();
    auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
    QVERIFY(table);
    QCOMPARE(table->count(), 0);
    QVERIFY(t.ui.shown().isEmpty());
}

void TestMaintenance::failedCompactionLeavesTheFileInPlace_data()
{
    QTest::addColumn<QString>("failing");  // the file operation that fails
    QTest::addColumn<int>("nth");          // at its nth call; 0: the copy's place is taken
    QTest::newRow("the copy cannot be written") << QString() << 0;
    QTest::newRow("the copy cannot be flushed") << u"sync"_s << 1;
    QTest::newRow("the backup cannot be copied") << u"copy"_s << 1;
    QTest::newRow("the backup cannot be flushed") << u"sync"_s << 2;
    QTest::newRow("the old backup cannot move aside") << u"rename"_s << 1;
    QTest::newRow("the backup cannot take its name") << u"rename"_s << 2;
    QTest::newRow("the copy cannot take its place") << u"rename"_s << 3;
    // A write through a connection still open would go to the file replaced.
    QTest::newRow("the file is open in another operation") << u"open"_s << 0;
}

void TestMaintenance::failedCompactionLeavesTheFileInPlace()
{
    QFETCH(QString, failing);
    QFETCH(int, nth);
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Алфа"_s, u"Бета"_s});
    const QString main = t.path(u"Remitor.MDB"_s);
    const QStringList before = ordersByKey(main);
    {
        QFile old(t.path(u"Remitor.BAK"_s));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old backup");
    }
    std::optional<Table> held;
    if (failing == u"open"_s)
        held.emplace(*t.store->table(DbKind::Main, u"PlnTable"_s));
    else if (nth == 0)
        QVERIFY(QDir(t.dir.path()).mkpath(u"Remitor.MDB.new/x"_s));  // the copy's place is taken
    QMap<QString, int> calls;
    FileOps ops = FileOps::real();
    const FileOps real = FileOps::real();
    const auto fails = [&](const char *name) {
        return ++calls[QLatin1StringView(name)] == nth && failing == QLatin1StringView(name);
    };
    ops.rename = [&](const QString &a, const QString &b) {
        return !fails("rename") && real.rename(a, b);
    };
    ops.copy = [&](const QString &a, const QString &b) {
        return !fails("copy") && real.copy(a, b);
    };
    ops.sync = [&](const QString &p) { return !fails("sync") && real.sync(p); };
    setFileOpsForTesting(&ops);
    t.ui.answer(true);
    const bool ok = RepairAndCompact(*t.store, 1);
    setFileOpsForTesting(nullptr);
    held.reset();
    QVERIFY(!ok);
    QVERIFY2(t.ui.texts().last().startsWith(u"Базата не може да се ремонтира.\n"_s), qPrintable(t.ui.texts().last()));
    QCOMPARE(t.ui.shown().last().icon, Interaction::Icon::Critical);
    QVERIFY(!t.ui.texts().contains(u"Базата е пакетирана."_s));
    QVERIFY(QFile::exists(main));
    QCOMPARE(ordersByKey(main), before);
    // No half-made file is left under a name a later start would take.
    QVERIFY(!QFile::exists(t.path(u"Remitor.BAK.new"_s)));
    t.ui.clear();
    QVERIFY(t.store->table(DbKind::Main, u"PlnTable"_s));
    QVERIFY(t.ui.shown().isEmpty());
}

void TestMaintenance::repairDatabases()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Алфа"_s});
    t.ui.answer(false);
    QVERIFY(!RepairDatabases(*t.store));
    QCOMPARE(t.ui.texts(), QStringList{u"Ремонт на "_s + t.path(u"Remitor.MDB"_s) + u" ?"_s});
    t.ui.clear();
    t.ui.answer(true);
    QVERIFY(RepairDatabases(*t.store));
    QCOMPARE(t.ui.texts().last(), u"Ремонтът завърши успешно!"_s);
    QCOMPARE(ordersByKey(t.path(u"Remitor.MDB"_s)).size(), 1);
}

void TestMaintenance::damagedPageKeepsEveryReadableOrder_data()
{
    QTest::addColumn<bool>("repairMenu");  // "Ремонт" rather than the compaction
    QTest::addColumn<bool>("withIndex");   // the key index tells which orders were there
    QTest::addColumn<bool>("firstPage");   // the table's first page, where every walk starts
    QTest::newRow("compaction") << false << true << false;
    QTest::newRow("repair") << true << true << false;
    QTest::newRow("compaction, no key index") << false << false << false;
    QTest::newRow("no key index, the first page") << false << false << true;
}

void TestMaintenance::damagedPageKeepsEveryReadableOrder()
{
    QFETCH(bool, repairMenu);
    QFETCH(bool, withIndex);
    QFETCH(bool, firstPage);
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    QVERIFY(fillOrders(*t.store, 300));
    const QString main = t.path(u"Remitor.MDB"_s);
    if (!withIndex)
        QVERIFY(execOn(main, u"DROP INDEX PlnIndex"_s));
    const QStringList before = ordersByKey(main);
    QCOMPARE(before.size(), 300);
    const QList<LeafPage> pages = leafPages(main, u"PlnTable"_s);
    QVERIFY2(pages.size() >= 5, "the orders fill several pages");
    const LeafPage hit = pages[firstPage ? 0 : pages.size() / 2];
    QVERIFY(!hit.rows.isEmpty());
    damagePage(main, hit.page);
    QByteArray damaged;
    {
        QFile f(main);
        QVERIFY(f.open(QIODevice::ReadOnly));
        damaged = f.readAll();
    }
    // Every order not on the damaged page is expected back, as it was.
    QStringList expected;
    for (const QString &row : before)
        if (!hit.rows.contains(row.section(u'|', 0, 0).toLongLong()))
            expected.append(row);

    t.ui.answer(true);
    QVERIFY(repairMenu ? RepairDatabases(*t.store) : RepairAndCompact(*t.store, 1));
    QCOMPARE(ordersByKey(main), expected);
    const QString lost = hit.rows.size() == 1 ? u"1 ред"_s : u"%1 реда"_s.arg(hit.rows.size());
    const QString message = t.ui.texts().last();
    QVERIFY2(message.startsWith(repairMenu ? u"Ремонтът завърши със загуба на данни!"_s
                                           : u"Базата е пакетирана със загуба на данни."_s),
             qPrintable(message));
    QVERIFY2(message.contains(u"PlnTable – "_s + (withIndex ? QString() : u"около "_s) + lost),
             qPrintable(message));
    QVERIFY2(message.contains(u"Повреденият файл е запазен като "_s + t.path(u"Remitor.BAK"_s)),
             qPrintable(message));
    QCOMPARE(t.ui.shown().last().icon, Interaction::Icon::Critical);
    QVERIFY(!t.ui.texts().contains(u"Ремонтът завърши успешно!"_s));
    QVERIFY(!t.ui.texts().contains(u"Базата е пакетирана."_s));
    QFile bak(t.path(u"Remitor.BAK"_s));
    QVERIFY(bak.open(QIODevice::ReadOnly));
    QVERIFY(bak.readAll() == damaged);
    // The repaired file is sound and in use again, its key index made.
    QCOMPARE(queryOn(main, u"PRAGMA integrity_check"_s), u"ok"_s);
    t.ui.clear();
    auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
    QVERIFY(table);
    QCOMPARE(table->count(), 300 - int(hit.rows.size()));
    QVERIFY(t.ui.shown().isEmpty());
}

void TestMaintenance::emptiedDatabaseCannotWipeOutTheLastGoodBackup_data()
{
    QTest::addColumn<bool>("goOn");  // the answer to the question about the fuller backup
    QTest::newRow("the user goes on") << true;
    QTest::newRow("the user stops") << false;
}

void TestMaintenance::emptiedDatabaseCannotWipeOutTheLastGoodBackup()
{
    QFETCH(bool, goOn);
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    QVERIFY(fillOrders(*t.store, 20));
    QVERIFY(RepairAndCompact(*t.store, 0));
    const QString main = t.path(u"Remitor.MDB"_s);
    const QString bak = t.path(u"Remitor.BAK"_s);
    const QString older = t.path(u"Remitor.BAK.1"_s);
    QCOMPARE(CountRecords(bak, DbKind::Main), 20);
    // The database loses its documents (an empty file put in its place).
    QVERIFY(execOn(main, u"DELETE FROM PlnTable"_s));
    t.ui.clear();
    for (int round = 0; round < 2; ++round) {
        t.ui.answer(goOn);
        QCOMPARE(RepairAndCompact(*t.store, 0), goOn);
    }
    const QString question =
        u"Базата "_s + main + u" съдържа 0 записа, а архивното копие "_s + bak +
        u" – 20 записа.\nПродължава ли пакетирането? Копието с повече записи ще се запази като "_s +
        older + u'.';
    QCOMPARE(
        t.ui.texts().count(question) +
            t.ui.texts().count(
                u"Базата "_s + main + u" съдържа 0 записа, а архивното копие "_s + older +
                u" – 20 записа.\nПродължава ли пакетирането? Копието с повече записи ще се запази като "_s +
                older + u'.'),
        2);
    QCOMPARE(t.ui.texts().first(), question);
    // Whatever the answers, one backup still holds the twenty orders.
    QCOMPARE(std::max(CountRecords(bak, DbKind::Main), CountRecords(older, DbKind::Main)), 20);
    if (goOn) {
        QCOMPARE(CountRecords(older, DbKind::Main), 20);
        QCOMPARE(CountRecords(bak, DbKind::Main), 0);
    } else {
        QCOMPARE(CountRecords(bak, DbKind::Main), 20);
        QVERIFY(t.ui.texts().contains(u"Пакетирането е прекратено.\nФайлът "_s + main +
                                      u" и архивните копия са оставени непроменени."_s));
    }
}

QTEST_GUILESS_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
