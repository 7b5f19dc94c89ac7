#include "session/data_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace remitor;

class TestDataFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data();
    void choice();
    void systemFolder_data();
    void systemFolder();
    void systemFoldersAreRefusedWithoutWriting();
    void probeAnswerDecides();
    void probe_data();
    void probe();
};

Q_DECLARE_METATYPE(DataFolder::Reason)

void TestDataFolder::choice_data()
{
    QTest::addColumn<QString>("explicitDir");  // "{root}" stands for a scratch folder
    QTest::addColumn<QStringList>("databases");  // the folders that hold Remitor.MDB
    QTest::addColumn<bool>("fromDesktop");
    QTest::addColumn<QString>("expected");  // below the scratch folder
    QTest::addColumn<DataFolder::Reason>("reason");
    using R = DataFolder::Reason;
    const QStringList none, work{u"work"_s}, both{u"work"_s, u"user"_s};
    QTest::newRow("terminal") << QString() << none << false << u"work"_s << R::WorkingDirectory;
    QTest::newRow("terminal, database there") << QString() << both << false << u"work"_s
                                              << R::HoldsDatabase;
    QTest::newRow("desktop") << QString() << none << true << u"user"_s << R::UserData;
    // Someone who kept Remitor.MDB in the folder the menu starts in keeps it.
    QTest::newRow("desktop, database there") << QString() << work << true << u"work"_s
                                             << R::HoldsDatabase;
    // One left there by a start from a terminal does not hide the user's data.
    QTest::newRow("desktop, the user's data too") << QString() << both << true << u"user"_s
                                                  << R::UserData;
    QTest::newRow("--data relative to the working dir")
        << u"books/2024"_s << both << true << u"work/books/2024"_s << R::Explicit;
    QTest::newRow("--data absolute")
        << u"{root}/other/."_s << none << false << u"other"_s << R::Explicit;
}

void TestDataFolder::choice()
{
    QFETCH(QString, explicitDir);
    QFETCH(QStringList, databases);
    QFETCH(bool, fromDesktop);
    QFETCH(QString, expected);
    QFETCH(DataFolder::Reason, reason);
    QTemporaryDir root;
    const QDir r(root.path());
    QVERIFY(r.mkpath(u"work"_s));
    for (const QString &folder : databases) {
        QVERIFY(r.mkpath(folder));
        QFile db(r.filePath(folder + u"/Remitor.MDB"_s));
        QVERIFY(db.open(QIODevice::WriteOnly));
    }
    LaunchPlace place;
    place.workingDir = r.filePath(u"work"_s);
    place.explicitDir = QString(explicitDir).replace(u"{root}"_s, root.path());
    place.fromDesktop = fromDesktop;
    place.userDataDir = r.filePath(u"user"_s);
    const DataFolder chosen = ChooseDataFolder(place);
    QCOMPARE(chosen.path, r.filePath(expected));
    QCOMPARE(chosen.reason, reason);
}

void TestDataFolder::systemFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("system");
    QTest::newRow("/usr") << u"/usr"_s << true;
    QTest::newRow("below /usr, not there") << u"/usr/share/remitor-no-such/data"_s << true;
    QTest::newRow("root folder") << u"/"_s << true;
    QTest::newRow("/proc") << u"/proc/self"_s << true;
    QTest::newRow("/etc with dots") << u"/tmp/../etc"_s << true;
    QTest::newRow("a link to /usr") << u"{root}/link/data"_s << true;
    QTest::newRow("same beginning, other folder") << u"/usrdata"_s << false;
    QTest::newRow("usr below a home") << u"{root}/usr"_s << false;
    QTest::newRow("scratch folder") << u"{root}"_s << false;
}

void TestDataFolder::systemFolder()
{
    QFETCH(QString, path);
    QFETCH(bool, system);
    QTemporaryDir root;
    QVERIFY(QFile::link(u"/usr"_s, root.filePath(u"link"_s)));
    QCOMPARE(IsSystemFolder(path.replace(u"{root}"_s, root.path())), system);
}

// Root can write into /usr: the refusal must not depend on the probe.
void TestDataFolder::systemFoldersAreRefusedWithoutWriting()
{
    const QString missing = u"/usr/share/remitor-test-%1"_s.arg(QCoreApplication::applicationPid());
    for (const QString &path : {u"/usr/share"_s, missing, u"/"_s}) {
        bool asked = false;
        const QString message = PrepareDataFolder(path, [&](const QString &) {
            asked = true;
            return true;
        });
        QCOMPARE(message, NotWritableMessage(path));
        QVERIFY(!asked);
    }
    QVERIFY(!QFileInfo::exists(missing));
}

void TestDataFolder::probeAnswerDecides()
{
    QTemporaryDir root;
    for (const bool writable : {true, false}) {
        QString probed;
        const QString message = PrepareDataFolder(root.path(), [&](const QString &dir) {
            probed = dir;
            return writable;
        });
        QCOMPARE(probed, root.path());
        QCOMPARE(message.isEmpty(), writable);
    }
    const QString message = NotWritableMessage(u"/srv/счетоводство"_s);
    QVERIFY(message.contains(u"\n/srv/счетоводство\n"_s));
    QVERIFY(message.contains(u"--data"_s));
}

void TestDataFolder::probe_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<bool>("writable");
    QTest::newRow("own folder") << u"folder"_s << true;
    QTest::newRow("own folder with both databases") << u"databases"_s << true;
    QTest::newRow("read-only folder") << u"read-only folder"_s << false;
    QTest::newRow("read-only database") << u"read-only database"_s << false;
    QTest::newRow("/proc") << u"/proc"_s << false;  // nobody creates files there, root neither
}

void TestDataFolder::probe()
{
    QFETCH(QString, setUp);
    QFETCH(bool, writable);
    const bool root = geteuid() == 0;
    if (setUp.startsWith(u"read-only"_s) && root)
        QSKIP("root writes whatever the permissions say; the injected answers cover it");
    QTemporaryDir scratch;
    QString dir = scratch.path();
    for (const QString &name : {u"Remitor.MDB"_s, u"SprDocs.MDB"_s}) {
        if (setUp.endsWith(u"database"_s) || setUp == u"databases"_s) {
            QFile db(QDir(dir).filePath(name));
            QVERIFY(db.open(QIODevice::WriteOnly));
            if (setUp == u"read-only database"_s)
                QVERIFY(db.setPermissions(QFile::ReadOwner));
        }
    }
    if (setUp == u"read-only folder"_s)
        QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
    if (setUp == u"/proc"_s)
        dir = setUp;
    QCOMPARE(CanWriteIn(dir), writable);
    if (dir == scratch.path()) {
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QStringList left = QDir(dir).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(!left.join(u' ').contains(u"probe"_s), qPrintable(left.join(u' ')));
    }
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_data_folder.moc"
