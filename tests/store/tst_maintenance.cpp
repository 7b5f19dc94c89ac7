#include "session/startup.h"
#include "store/maintenance.h"
#include "support/temp_store.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestMaintenance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reindexChangesNoData();
    void reindexFromTheMenuMendsAWrongIndex();
    void sortByOrderingParty();
    void sortWithEqualPartiesKeepsTheirOrder();
    void failedSortKeepsTheOldNumbers();
    void backupNames_data();
    void backupNames();
    void cancelledCompactionChangesNothing();
    void compactionReplacesAnOldBackup();
    void damagedHeaderIsRepaired();
    void unreadableFileGivesAnEmptyUsableDatabase();
    void failedCompactionLeavesTheFileInPlace_data();
    void failedCompactionLeavesTheFileInPlace();
    void repairDatabases();
};

namespace {

const QString damage = u"Базата е повредена.\nЩе се стартира процедура за ремонт."_s;

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

void TestMaintenance::reindexChangesNoData()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Б"_s, u"А"_s});
    const QString main = t.path(u"Remitor.MDB"_s);
    const QStringList before = ordersByKey(main);
    const QString schema = queryOn(main, u"SELECT group_concat(name, ',') FROM sqlite_master"_s);
    ReindexAll(*t.store, false);
    QVERIFY(t.ui.shown().isEmpty());
    ReindexAll(*t.store, true);
    QCOMPARE(t.ui.texts(), QStringList{u"Индексирането приключи."_s});
    QCOMPARE(ordersByKey(main), before);
    QCOMPARE(queryOn(main, u"SELECT group_concat(name, ',') FROM sqlite_master"_s), schema);
}

void TestMaintenance::reindexFromTheMenuMendsAWrongIndex()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    const QString main = t.path(u"Remitor.MDB"_s);
    QVERIFY(execOn(main, u"DROP INDEX PlnIndex; CREATE INDEX PlnIndex ON PlnTable (nareditel)"_s));
    ReindexAll(*t.store, true);
    QCOMPARE(rowsOn(main, u"PRAGMA index_info(PlnIndex)"_s).value(0).section(u'|', 2), u"kod"_s);
    QCOMPARE(queryOn(main, u"SELECT \"unique\" FROM pragma_index_list('PlnTable') WHERE name = 'PlnIndex'"_s), u"1"_s);
}

void TestMaintenance::sortByOrderingParty()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Второ ООД"_s, u"Алфа АД"_s, u"Бета ЕТ"_s});
    QVERIFY(SortDocuments(*t.store));
    QCOMPARE(t.ui.texts(), QStringList{u"Базата е сортирана."_s});
    // Read in their new order 1, 2, 3, they are the old 2 (А…), 3 (Б…) and 1 (В…).
    QCOMPARE(ordersByKey(t.path(u"Remitor.MDB"_s)),
             (QStringList{u"1|Алфа АД|20000"_s, u"2|Бета ЕТ|30000"_s, u"3|Второ ООД|10000"_s}));
    // The key index is back and unique.
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT \"unique\" FROM pragma_index_list('PlnTable') WHERE name = 'PlnIndex'"_s), u"1"_s);
}

void TestMaintenance::sortWithEqualPartiesKeepsTheirOrder()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Банка"_s, u"Арда"_s, u"Банка"_s, u"Ариана"_s, u""_s});
    QVERIFY(SortDocuments(*t.store));
    QCOMPARE(ordersByKey(t.path(u"Remitor.MDB"_s)),
             (QStringList{u"1||50000"_s, u"2|Арда|20000"_s, u"3|Ариана|40000"_s,
                          u"4|Банка|10000"_s, u"5|Банка|30000"_s}));
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
    QVERIFY(!t.ui.texts().contains(u"Базата е сортирана."_s));
    QCOMPARE(t.ui.shown().size(), 1);
    QVERIFY(!rowsOn(main, u"PRAGMA index_info(PlnIndex)"_s).isEmpty());
}

void TestMaintenance::backupNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("backup");
    QTest::newRow("main") << u"/d/Remitor.MDB"_s << u"/d/Remitor.BAK"_s;
    QTest::newRow("reports") << u"/d/SprDocs.MDB"_s << u"/d/SprDocs.BAK"_s;
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

void TestMaintenance::cancelledCompactionChangesNothing()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"А"_s});
    QFile::copy(t.path(u"Remitor.MDB"_s), t.path(u"before"_s));
    t.ui.answer(false);
    QVERIFY(!RepairAndCompact(*t.store, 1));
    QCOMPARE(t.ui.shown().size(), 1);
    QCOMPARE(t.ui.shown().first().text, u"Ремонтира и пакетира базата ?"_s);
    QCOMPARE(t.ui.shown().first().title, u"Пакетиране"_s);
    QVERIFY(!QFile::exists(t.path(u"Remitor.BAK"_s)));
    QFile a(t.path(u"Remitor.MDB"_s)), b(t.path(u"before"_s));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
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
    // Silent second time: no question.
    t.ui.clear();
    QVERIFY(RepairAndCompact(*t.store, 0));
    QCOMPARE(t.ui.shown().size(), 2);
}

void TestMaintenance::damagedHeaderIsRepaired()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    addOrders(*t.store, {u"Алфа"_s, u"Бета"_s, u"Гама"_s});
    const QString main = t.path(u"Remitor.MDB"_s);
    const QStringList before = ordersByKey(main);
    overwrite(main, 0, QByteArray(100, 'x'));
    t.ui.answer(true);  // the compaction question
    QVERIFY(!t.store->table(DbKind::Main, u"PlnTable"_s));
    QCOMPARE(t.ui.texts().value(0), damage);
    QCOMPARE(t.ui.texts().value(1), u"Ремонтира и пакетира базата ?"_s);
    QVERIFY(t.ui.texts().contains(u"Базата е пакетирана."_s));
    QVERIFY(QFile::exists(t.path(u"Remitor.BAK"_s)));
    {
        QFile bak(t.path(u"Remitor.BAK"_s));
        QVERIFY(bak.open(QIODevice::ReadOnly));
        QCOMPARE(bak.read(100), QByteArray(100, 'x'));  // the damaged file is kept as it was
    }
    // Usable again, with the documents.
    t.ui.clear();
    auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
    QVERIFY(table);
    QCOMPARE(table->count(), 3);
    QCOMPARE(ordersByKey(main), before);
    QVERIFY(t.ui.shown().isEmpty());
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
    QTest::addColumn<int>("failingRename");  // 0: none; 1: the file to the backup; 2: the copy into place
    QTest::addColumn<bool>("copyFails");
    QTest::newRow("the copy cannot be written") << 0 << true;
    QTest::newRow("the file cannot be renamed") << 1 << false;
    QTest::newRow("the copy cannot take its place") << 2 << false;
}

void TestMaintenance::failedCompactionLeavesTheFileInPlace()
{
    QFETCH(int, failingRename);
    QFETCH(bool, copyFails);
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
    if (copyFails)
        QVERIFY(QDir(t.dir.path()).mkpath(u"Remitor.MDB.new/x"_s));  // the copy's place is taken
    int renames = 0;
    FileOps failing = FileOps::real();
    const auto realRename = failing.rename;
    failing.rename = [&](const QString &a, const QString &b) {
        ++renames;
        return renames == failingRename ? false : realRename(a, b);
    };
    setFileOpsForTesting(&failing);
    t.ui.answer(true);
    const bool ok = RepairAndCompact(*t.store, 1);
    setFileOpsForTesting(nullptr);
    QVERIFY(!ok);
    QVERIFY2(t.ui.texts().last().startsWith(u"Базата не може да се ремонтира.\n"_s), qPrintable(t.ui.texts().last()));
    QCOMPARE(t.ui.shown().last().icon, Interaction::Icon::Critical);
    QVERIFY(!t.ui.texts().contains(u"Базата е пакетирана."_s));
    QVERIFY(QFile::exists(main));
    QCOMPARE(ordersByKey(main), before);
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
    // A damaged file is salvaged, its old self kept.
    overwrite(t.path(u"Remitor.MDB"_s), 0, QByteArray(100, 'y'));
    t.ui.clear();
    t.ui.answer(true);
    QVERIFY(RepairDatabases(*t.store));
    QCOMPARE(ordersByKey(t.path(u"Remitor.MDB"_s)).size(), 1);
    QVERIFY(QFile::exists(t.path(u"Remitor.BAK"_s)));
}

QTEST_GUILESS_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
