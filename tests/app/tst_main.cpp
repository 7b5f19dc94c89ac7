// Starts the program itself, as a user or a script would, and looks at what
// it answers and where its databases end up.
#include "support/run_program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace remitor::test;

namespace {

// Home and the user's data folder lie in the scratch folder.
ProgramRun start(const QStringList &args, const QString &workingDir, const QString &scratch,
                 const QString &dataHome = {})
{
    QProcessEnvironment env = withoutDisplay();
    env.insert(u"HOME"_s, scratch + u"/home"_s);
    env.insert(u"XDG_DATA_HOME"_s, dataHome.isEmpty() ? scratch + u"/xdg"_s : dataHome);
    return runProgram(QStringLiteral(REMITOR_PROGRAM), args, workingDir, env);
}

bool isDatabase(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3", 16);
}

QStringList databasesIn(const QString &dir)
{
    return QDir(dir).entryList({u"*.MDB"_s}, QDir::Files, QDir::Name);
}

}  // namespace

class TestMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answersWithoutWindow_data();
    void answersWithoutWindow();
    void databasesGoToTheDataFolder_data();
    void databasesGoToTheDataFolder();
    void unusableFolderIsRefused_data();
    void unusableFolderIsRefused();
};

void TestMain::answersWithoutWindow_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");      // exact, when given
    QTest::addColumn<QStringList>("err");  // each must be in the error stream
    const QString version = u"Remitor "_s + QStringLiteral(REMITOR_VERSION) + u'\n';
    QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << version << QStringList();
    QTest::newRow("-v, other options too")
        << QStringList{u"--data"_s, u"/proc"_s, u"-v"_s} << 0 << version << QStringList();
    QTest::newRow("unknown option")
        << QStringList{u"--bogus"_s} << 2 << QString() << QStringList{u"bogus"_s, u"--help"_s};
    QTest::newRow("--data without folder")
        << QStringList{u"--data"_s} << 2 << QString() << QStringList{u"data"_s, u"--help"_s};
    QTest::newRow("stray argument") << QStringList{u"Remitor.MDB"_s} << 2 << QString()
                                    << QStringList{u"Remitor.MDB"_s, u"--help"_s};
}

void TestMain::answersWithoutWindow()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QStringList, err);
    QTemporaryDir scratch;
    const ProgramRun r = start(args, scratch.path(), scratch.path());
    QVERIFY(r.finished);
    QCOMPARE(r.code, code);
    if (!out.isEmpty())
        QCOMPARE(r.out, out);
    for (const QString &e : err)
        QVERIFY2(r.err.contains(e), qPrintable(r.err));
    QVERIFY(databasesIn(scratch.path()).isEmpty());
}

void TestMain::databasesGoToTheDataFolder_data()
{
    QTest::addColumn<QStringList>("args");  // "{root}" stands for the scratch folder
    QTest::addColumn<QString>("expected");  // below the scratch folder
    QTest::newRow("--data, folder missing")
        << QStringList{u"--data"_s, u"{root}/chosen/new"_s} << u"chosen/new"_s;
    QTest::newRow("terminal") << QStringList() << u"work"_s;
    QTest::newRow("desktop") << QStringList{u"--desktop"_s} << u"xdg/Remitor"_s;
}

void TestMain::databasesGoToTheDataFolder()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    QTemporaryDir scratch;
    const QDir root(scratch.path());
    QVERIFY(root.mkpath(u"work"_s));
    args.replaceInStrings(u"{root}"_s, scratch.path());
    const ProgramRun r = start(args << u"--init-only"_s, root.filePath(u"work"_s), scratch.path());
    QVERIFY2(r.finished && r.code == 0 && r.err.isEmpty(), qPrintable(r.err));
    const QString folder = root.filePath(expected);
    QCOMPARE(databasesIn(folder), (QStringList{u"Remitor.MDB"_s, u"SprDocs.MDB"_s}));
    QVERIFY(isDatabase(QDir(folder).filePath(u"Remitor.MDB"_s)));
    QVERIFY(isDatabase(QDir(folder).filePath(u"SprDocs.MDB"_s)));
    // Nowhere else.
    for (const QString &other : {u"work"_s, u"xdg/Remitor"_s, u"home"_s}) {
        if (other != expected)
            QVERIFY2(databasesIn(root.filePath(other)).isEmpty(), qPrintable(other));
    }
}

void TestMain::unusableFolderIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("workingDir");  // "{work}": a scratch folder
    QTest::addColumn<QString>("dataHome");    // empty: a scratch folder
    QTest::addColumn<QString>("folder");      // named in the message
    const QString usr = u"/usr/share/remitor-test-%1"_s.arg(QCoreApplication::applicationPid());
    // Writing fails in /proc for root too; /usr is refused although root
    // could write there. A folder without write permission stops only the
    // others.
    QTest::newRow("--data /proc") << QStringList{u"--data"_s, u"/proc"_s} << u"{work}"_s
                                  << QString() << u"/proc"_s;
    QTest::newRow("--data below /usr")
        << QStringList{u"--data"_s, usr} << u"{work}"_s << QString() << usr;
    QTest::newRow("terminal in /proc") << QStringList() << u"/proc"_s << QString() << u"/proc"_s;
    QTest::newRow("desktop, no user data folder") << QStringList{u"--desktop"_s} << u"{work}"_s
                                                  << u"/proc/1/none"_s << u"/proc/1/none/Remitor"_s;
    QTest::newRow("--data read-only folder")
        << QStringList{u"--data"_s, u"{work}"_s} << u"{work}"_s << QString() << u"{work}"_s;
}

void TestMain::unusableFolderIsRefused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, workingDir);
    QFETCH(QString, dataHome);
    QFETCH(QString, folder);
    QTemporaryDir scratch;
    const QString work = scratch.filePath(u"work"_s);
    QVERIFY(QDir().mkpath(work));
    if (args.contains(u"{work}"_s)) {
        if (geteuid() == 0)
            QSKIP("root writes whatever the permissions say; see the rows with /proc and /usr");
        QVERIFY(QFile::setPermissions(work, QFile::ReadOwner | QFile::ExeOwner));
    }
    args.replaceInStrings(u"{work}"_s, work);
    folder.replace(u"{work}"_s, work);
    const ProgramRun r = start(args << u"--init-only"_s, workingDir.replace(u"{work}"_s, work),
                               scratch.path(), dataHome);
    QFile::setPermissions(work, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(r.finished);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(u'\n' + folder + u'\n') && r.err.contains(u"--data"_s),
             qPrintable(r.err));
    QVERIFY2(!r.err.contains(u"повредена"_s), qPrintable(r.err));
    QVERIFY(databasesIn(folder).isEmpty());
    QVERIFY(databasesIn(work).isEmpty());
    if (folder.startsWith(u"/usr/share/remitor-test"_s)) {
        const bool created = QFileInfo::exists(folder);
        QDir(folder).removeRecursively();  // should it fail as root
        QVERIFY(!created);
    }
}

QTEST_GUILESS_MAIN(TestMain)
#include "tst_main.moc"
