#include "session/startup.h"
#include "store/maintenance.h"
#include "store/recovery.h"
#include "store/salvage.h"
#include "support/temp_store.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestRecovery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingFileComesBackFromTheFullestLeftover_data();
    void missingFileComesBackFromTheFullestLeftover();
    void failedRecoveryIsTriedAgain();
    void crashAtEveryStepOfACompactionLosesNothing_data();
    void crashAtEveryStepOfACompactionLosesNothing();
    void damageIsFoundAtStartUpAndAskedAboutOnce_data();
    void damageIsFoundAtStartUpAndAskedAboutOnce();
    void failedReadsAreShownOncePerOperation();
    void damagedKeyIndexGivesNoNumber();
    void checkStopsAtItsTimeBound();
};

namespace
{

const QString damageText = u"Базата е повредена.\nЩе се стартира процедура за ремонт."_s;
const QDate day(2010, 1, 1);

int orders(const QString &path)
{
    return queryOn(path, u"SELECT count(*) FROM PlnTable"_s).toInt();
}

void copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    QVERIFY2(QFile::copy(from, to), qPrintable(to));
}

void cutInHalf(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.resize(f.size() / 2));
}

// The program stopped between two file operations.
struct Crash {
};

// File operations that stop the program at one of them and remember which
// files were flushed to the disk. A power cut loses what was not flushed:
// such files keep only their first half.
struct Disk {
    QString folder;
    int stopAt = 0;  // the call that does not happen; 0: none
    int calls = 0;
    QSet<QString> flushed;
    FileOps ops;

    explicit Disk(const QString &dir, int stop) : folder(dir), stopAt(stop)
    {
        for (const QString &f : QDir(dir).entryList(QDir::Files))
            flushed.insert(QDir(dir).filePath(f));
        const FileOps real = FileOps::real();
        ops.remove = [this, real](const QString &p) {
            step();
            flushed.remove(p);
            return real.remove(p);
        };
        ops.copy = [this, real](const QString &a, const QString &b) {
            step();
            flushed.remove(b);
            return real.copy(a, b);
        };
        ops.sync = [this, real](const QString &p) {
            step();
            flushed.insert(p);
            return real.sync(p);
        };
        ops.rename = [this, real](const QString &a, const QString &b) {
            step();
            if (flushed.contains(a))
                flushed.insert(b);
            else
                flushed.remove(b);
            flushed.remove(a);
            return real.rename(a, b);
        };
        ops.syncFolder = [this, real](const QString &d) {
            step();
            return real.syncFolder(d);
        };
    }
    void step()
    {
        if (++calls == stopAt)
            throw Crash{};
    }
    void powerCut()
    {
        for (const QString &f : QDir(folder).entryList(QDir::Files)) {
            const QString path = QDir(folder).filePath(f);
            if (!flushed.contains(path))
                cutInHalf(path);
        }
    }
};

}  // namespace

void TestRecovery::missingFileComesBackFromTheFullestLeftover_data()
{
    // Files left beside the missing Remitor.MDB: name=what, where what is
    // "full" (12 orders), "fewer" (5), "empty" (a database without orders)
    // or "half" (the first half of the full file).
    QTest::addColumn<QStringList>("leftovers");
    QTest::addColumn<QString>("source");  // recovered from; empty: nothing recovered
    QTest::addColumn<int>("expected");    // orders afterwards
    QTest::newRow("cut between the two renames of an older version")
        << QStringList{u"Remitor.BAK=full"_s, u"Remitor.MDB.new=full"_s} << u"Remitor.MDB.new"_s
        << 12;
    QTest::newRow("a half-written copy and the backup")
        << QStringList{u"Remitor.MDB.new=half"_s, u"Remitor.BAK=full"_s} << u"Remitor.BAK"_s << 12;
    QTest::newRow("the newer backup emptied")
        << QStringList{u"Remitor.BAK=empty"_s, u"Remitor.BAK.1=full"_s} << u"Remitor.BAK.1"_s << 12;
    QTest::newRow("a backup copy not yet renamed")
        << QStringList{u"Remitor.BAK=fewer"_s, u"Remitor.BAK.new=full"_s} << u"Remitor.BAK.new"_s
        << 12;
    QTest::newRow("nothing to recover from")
        << QStringList{u"Remitor.BAK=half"_s} << QString() << 0;
    QTest::newRow("the reports base")
        << QStringList{u"SprDocs.BAK=full"_s} << u"SprDocs.BAK"_s << 12;
}

void TestRecovery::missingFileComesBackFromTheFullestLeftover()
{
    QFETCH(QStringList, leftovers);
    QFETCH(QString, source);
    QFETCH(int, expected);
    const bool reports = source.startsWith(u"SprDocs"_s);
    const DbKind kind = reports ? DbKind::Reports : DbKind::Main;
    const QString name = reports ? u"SprDocs.MDB"_s : u"Remitor.MDB"_s;

    TempStore made;
    RunStartup(*made.store, day);
    const QString empty = made.path(u"empty"_s);
    copyFile(made.store->paths().pathOf(kind), empty);
    QVERIFY(fillOrders(*made.store, 5, kind));
    const QString fewer = made.path(u"fewer"_s);
    copyFile(made.store->paths().pathOf(kind), fewer);
    QVERIFY(made.store->table(kind, u"PlnTable"_s)->removeAll());
    QVERIFY(fillOrders(*made.store, 12, kind));
    const QString full = made.path(u"full"_s);
    copyFile(made.store->paths().pathOf(kind), full);

    TempStore t;
    for (const QString &l : leftovers) {
        const QString what = l.section(u'=', 1);
        const QString at = t.path(l.section(u'=', 0, 0));
        copyFile(what == u"half"_s ? full : made.path(what), at);
        if (what == u"half"_s)
            cutInHalf(at);
    }
    RunStartup(*t.store, day);
    const QString path = t.path(name);
    QCOMPARE(orders(path), expected);
    if (source.isEmpty()) {
        QVERIFY2(t.ui.shown().isEmpty(), qPrintable(t.ui.texts().join(u'\n')));
    } else {
        QCOMPARE(t.ui.texts(), QStringList{u"Файлът "_s + path + u" липсва.\nВъзстановен е от "_s +
                                           t.path(source) + u" (12 записа)."_s});
        // The leftovers stay as they were; nothing but the file is added.
        QVERIFY(QFile::exists(t.path(source)));
        QVERIFY(!QFile::exists(path + u".restore"_s));
    }
    // The next start finds the file and says nothing.
    t.ui.clear();
    Store again(t.store->paths(), t.ui);
    RunStartup(again, day);
    QVERIFY2(t.ui.shown().isEmpty(), qPrintable(t.ui.texts().join(u'\n')));
}

// A backup that cannot be copied into place is told once, and no empty file
// takes the missing one's place: the next start tries again.
void TestRecovery::failedRecoveryIsTriedAgain()
{
    TempStore t;
    RunStartup(*t.store, day);
    QVERIFY(fillOrders(*t.store, 12));
    const QString path = t.path(u"Remitor.MDB"_s);
    copyFile(path, t.path(u"Remitor.BAK"_s));
    QVERIFY(QFile::remove(path));
    FileOps failing = FileOps::real();
    failing.copy = [](const QString &, const QString &) { return false; };
    setFileOpsForTesting(&failing);
    Store first(t.store->paths(), t.ui);
    RunStartup(first, day);
    setFileOpsForTesting(nullptr);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(t.ui.texts().count(u"Файлът "_s + path + u" липсва и не може да се възстанови от "_s +
                                t.path(u"Remitor.BAK"_s) + u'.'),
             1);
    Store again(t.store->paths(), t.ui);
    RunStartup(again, day);
    QCOMPARE(orders(path), 12);
}

void TestRecovery::crashAtEveryStepOfACompactionLosesNothing_data()
{
    QTest::addColumn<bool>("powerCut");  // the unflushed files lose their second half
    QTest::newRow("the program stops") << false;
    QTest::newRow("the power is cut") << true;
}

void TestRecovery::crashAtEveryStepOfACompactionLosesNothing()
{
    QFETCH(bool, powerCut);
    // Both files with documents and a backup each, so that every step of
    // the compaction (the backups moved aside too) is taken.
    TempStore made;
    RunStartup(*made.store, day);
    QVERIFY(fillOrders(*made.store, 40));
    QVERIFY(fillOrders(*made.store, 7, DbKind::Reports));
    QVERIFY(RepairAndCompact(*made.store, 0));
    const QStringList files = QDir(made.dir.path()).entryList(QDir::Files);

    int steps = 0;
    for (int stop = 1;; ++stop) {
        QTemporaryDir dir;
        for (const QString &f : files) copyFile(made.path(f), dir.filePath(f));
        ScriptedInteraction ui;
        Store store(DbPaths::inDirectory(dir.path()), ui);
        Disk disk(dir.path(), stop);
        setFileOpsForTesting(&disk.ops);
        bool crashed = false;
        try {
            RepairAndCompact(store, 0);
        } catch (const Crash &) {
            crashed = true;
        }
        setFileOpsForTesting(nullptr);
        if (!crashed) {
            steps = disk.calls;
            break;
        }
        if (powerCut)
            disk.powerCut();

        // The next start: no question, every document there.
        ScriptedInteraction next;
        Store restarted(DbPaths::inDirectory(dir.path()), next);
        RunStartup(restarted, day);
        const QString at = u"step %1: "_s.arg(stop);
        QVERIFY2(next.shown().isEmpty(), qPrintable(at + next.texts().join(u'\n')));
        QVERIFY2(orders(dir.filePath(u"Remitor.MDB"_s)) == 40, qPrintable(at + u"main"_s));
        QVERIFY2(orders(dir.filePath(u"SprDocs.MDB"_s)) == 7, qPrintable(at + u"reports"_s));
        // And the next compaction goes through and keeps them too.
        QVERIFY2(RepairAndCompact(restarted, 0), qPrintable(at + next.texts().join(u'\n')));
        QVERIFY2(orders(dir.filePath(u"Remitor.MDB"_s)) == 40, qPrintable(at + u"main after"_s));
        QVERIFY2(orders(dir.filePath(u"Remitor.BAK"_s)) == 40, qPrintable(at + u"backup after"_s));
        QVERIFY2(orders(dir.filePath(u"SprDocs.MDB"_s)) == 7, qPrintable(at + u"reports after"_s));
    }
    // For each file: flush the copy, copy the file as the backup, flush it,
    // the old backup aside, the backup named, the folder, the copy into
    // place, the folder.
    QCOMPARE(steps, 16);
}

void TestRecovery::damageIsFoundAtStartUpAndAskedAboutOnce_data()
{
    QTest::addColumn<QString>("damage");  // "table", "index" (a page in the middle) or "header"
    QTest::addColumn<bool>("repair");
    QTest::newRow("table page, no repair") << u"table"_s << false;
    QTest::newRow("index page, repaired") << u"index"_s << true;
    QTest::newRow("file header, repaired") << u"header"_s << true;
}

void TestRecovery::damageIsFoundAtStartUpAndAskedAboutOnce()
{
    QFETCH(QString, damage);
    QFETCH(bool, repair);
    TempStore t;
    RunStartup(*t.store, day);
    // The key index of 300 orders fits in one page.
    const int count = damage == u"index"_s ? 3000 : 300;
    QVERIFY(fillOrders(*t.store, count));
    const QString main = t.path(u"Remitor.MDB"_s);
    int lost = 0;
    if (damage == u"header"_s) {
        QFile f(main);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(100, 'x'));
    } else {
        const QList<LeafPage> pages =
            leafPages(main, damage == u"table"_s ? u"PlnTable"_s : u"PlnIndex"_s);
        QVERIFY(pages.size() >= 3);
        damagePage(main, pages[pages.size() / 2].page);
        if (damage == u"table"_s)
            lost = int(pages[pages.size() / 2].rows.size());
    }

    ScriptedInteraction ui;
    Store store(t.store->paths(), ui);
    ui.answer(repair);  // "Ремонтира и пакетира базата ?"
    RunStartup(store, day);
    QCOMPARE(ui.texts().count(damageText), 1);
    int questions = 0;
    for (const auto &s : ui.shown()) questions += s.kind != ScriptedInteraction::Shown::Tell;
    QCOMPARE(questions, 1);
    if (!repair) {
        // Nothing more during the start-up, whatever else meets the damage.
        QCOMPARE(ui.texts(), (QStringList{damageText, u"Ремонтира и пакетира базата ?"_s}));
        return;
    }
    QCOMPARE(orders(main), count - lost);
    QCOMPARE(queryOn(main, u"PRAGMA integrity_check"_s), u"ok"_s);
    QCOMPARE(ui.texts().last().contains(u"PlnTable – "_s), lost > 0);
    // Mended: the next start is silent.
    ScriptedInteraction quiet;
    Store after(t.store->paths(), quiet);
    RunStartup(after, day);
    QVERIFY2(quiet.shown().isEmpty(), qPrintable(quiet.texts().join(u'\n')));
}

void TestRecovery::failedReadsAreShownOncePerOperation()
{
    TempStore t;
    RunStartup(*t.store, day);
    QVERIFY(fillOrders(*t.store, 300));
    const QString main = t.path(u"Remitor.MDB"_s);
    const QList<LeafPage> pages = leafPages(main, u"PlnTable"_s);
    const LeafPage hit = pages[pages.size() / 2];
    damagePage(main, hit.page);
    const qint64 gone = hit.rows.first();  // numbered as inserted: the row number is the key

    // One operation: a document on the damaged page is reported, not "not
    // found"; a sound one reads as before; the message comes once.
    {
        auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
        QVERIFY(table);
        QVERIFY(!table->find(gone));
        QVERIFY(!table->find(gone + 1));
        QCOMPARE(table->find(1)->key(), 1);
    }
    QCOMPARE(t.ui.shown().size(), 1);
    const QString text = t.ui.texts().first();
    QVERIFY2(text.startsWith(u"Базата е повредена.\n"_s + main + u"\n11: "_s), qPrintable(text));
    QVERIFY(text.endsWith(u"За ремонт изберете „Пакетира базата“."_s));
    QCOMPARE(t.ui.shown().first().icon, Interaction::Icon::Critical);

    // The next operation, a walk over the list, is told again, once.
    t.ui.clear();
    {
        auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
        int seen = 0;
        QVERIFY(!table->scan(Table::Order::Key, [&seen](const Record &) { return ++seen > 0; }));
        int before = 0;  // the rows on the pages before the damaged one
        for (int i = 0; i < pages.size() / 2; ++i) before += int(pages[i].rows.size());
        QCOMPARE(seen, before);
    }
    QCOMPARE(t.ui.shown().size(), 1);
}

void TestRecovery::damagedKeyIndexGivesNoNumber()
{
    // A guessed free number could name a document that exists and have it
    // overwritten: with the key index damaged no number is given.
    TempStore t;
    RunStartup(*t.store, day);
    QVERIFY(fillOrders(*t.store, 3000));
    const QString main = t.path(u"Remitor.MDB"_s);
    const QList<LeafPage> pages = leafPages(main, u"PlnIndex"_s);
    QVERIFY(pages.size() >= 3);
    damagePage(main, pages[pages.size() / 2].page);
    QCOMPARE(NextFreeKod(*t.store, 4), 0);
    QCOMPARE(t.ui.shown().size(), 1);
    QVERIFY(t.ui.texts().first().startsWith(u"Базата е повредена.\n"_s));
}

void TestRecovery::checkStopsAtItsTimeBound()
{
    TempStore t;
    RunStartup(*t.store, day);
    QVERIFY(fillOrders(*t.store, 300));
    const QString main = t.path(u"Remitor.MDB"_s);
    const QDeadlineTimer ample(60000);
    FileCheck c = CheckDatabaseFile(main, DbKind::Main, ample, ample);
    QVERIFY(c.sound);
    QVERIFY(c.complete);
    // No time left for the engine's check: the page walk still runs, the
    // check says it is not complete and finds nothing wrong.
    c = CheckDatabaseFile(main, DbKind::Main, ample, QDeadlineTimer(0));
    QVERIFY(c.sound);
    QVERIFY(!c.complete);
    // A row number out of order, which leaves every page's layout sound:
    // only the engine's check finds it, when it has the time.
    const QList<LeafPage> pages = leafPages(main, u"PlnTable"_s);
    {
        QFile f(main);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const int pageSize = 4096;
        const qint64 at = qint64(pages[1].page - 1) * pageSize;
        QVERIFY(f.seek(at + 8));
        const QByteArray pointer = f.read(2);  // where the page's first cell is
        const int cell = (uchar(pointer[0]) << 8) | uchar(pointer[1]);
        QVERIFY(f.seek(at + cell));
        const int sizeBytes = (uchar(f.read(1)[0]) & 0x80) ? 2 : 1;
        QVERIFY(pages[1].rows.first() > 1 && pages[1].rows.first() < 128);  // one byte
        QVERIFY(f.seek(at + cell + sizeBytes));
        f.write(QByteArray(1, '\x01'));
    }
    QVERIFY(CheckDatabaseFile(main, DbKind::Main, ample, QDeadlineTimer(0)).sound);
    c = CheckDatabaseFile(main, DbKind::Main, ample, ample);
    QVERIFY2(!c.sound, qPrintable(c.problem));
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
