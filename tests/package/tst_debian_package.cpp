// Builds the Debian package from this build, unpacks it into a scratch root
// as dpkg would install it, and checks what a user gets.
#include "support/run_program.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using namespace remitor::test;

namespace {

ProgramRun run(const QString &program, const QStringList &args, const QString &workingDir = {},
               const QProcessEnvironment &env = withoutDisplay())
{
    ProgramRun r = runProgram(program, args, workingDir, env);
    r.out += r.err;
    return r;
}

// The keys of the [Desktop Entry] group.
QMap<QString, QString> readDesktopEntry(const QString &path)
{
    QMap<QString, QString> keys;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return keys;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inGroup = line == u"[Desktop Entry]"_s;
        else if (inGroup && !line.startsWith(u'#') && line.contains(u'='))
            keys.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return keys;
}

}  // namespace

class TestDebianPackage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void controlFields();
    void holdsTheProgramEntryAndIconOnly();
    void programAnswersItsVersion();
    void desktopEntry();
    void desktopEntryStartsInTheUserDataFolder();
    void iconIsScalable();

private:
    QTemporaryDir m_scratch;
    QString m_deb;
    QString m_root;
    QString m_desktop;
};

void TestDebianPackage::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    const ProgramRun arch = run(u"dpkg"_s, {u"--print-architecture"_s});
    QVERIFY2(arch.finished && arch.code == 0, qPrintable(arch.out));
    const ProgramRun cpack =
        run(QStringLiteral(REMITOR_CPACK), {u"--config"_s, QStringLiteral(REMITOR_CPACK_CONFIG),
                                            u"-B"_s, m_scratch.filePath(u"out"_s)});
    QVERIFY2(cpack.finished && cpack.code == 0, qPrintable(cpack.out));
    m_deb = m_scratch.filePath(
        u"out/remitor_%1_%2.deb"_s.arg(QStringLiteral(REMITOR_VERSION), arch.out.trimmed()));
    QVERIFY2(QFileInfo::exists(m_deb), qPrintable(cpack.out));
    m_root = m_scratch.filePath(u"root"_s);
    const ProgramRun unpack = run(u"dpkg"_s, {u"-x"_s, m_deb, m_root});
    QVERIFY2(unpack.finished && unpack.code == 0, qPrintable(unpack.out));
    m_desktop = m_root + u"/usr/share/applications/remitor.desktop"_s;
}

void TestDebianPackage::controlFields()
{
    const ProgramRun f = run(u"dpkg-deb"_s, {u"--field"_s, m_deb, u"Package"_s, u"Version"_s,
                                             u"Depends"_s, u"Maintainer"_s, u"Description"_s});
    QVERIFY2(f.finished && f.code == 0, qPrintable(f.out));
    QVERIFY2(f.out.startsWith(u"Package: remitor\nVersion: "_s + QStringLiteral(REMITOR_VERSION) +
                              u'\n'),
             qPrintable(f.out));
    // Computed from the linked libraries, plus the fonts the pages are set in.
    const QString depends = f.out.section(u"Depends: "_s, 1).section(u'\n', 0, 0);
    for (const QString &lib : {u"libc6"_s, u"libqt6core6"_s, u"libqt6widgets6"_s,
                               u"libqt6printsupport6"_s, u"libsqlite3-0"_s, u"fonts-liberation2"_s})
        QVERIFY2(depends.contains(lib), qPrintable(depends));
}

void TestDebianPackage::holdsTheProgramEntryAndIconOnly()
{
    QStringList files;
    QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(m_root.size());
    files.sort();
    QCOMPARE(files,
             (QStringList{u"/usr/bin/remitor"_s, u"/usr/share/applications/remitor.desktop"_s,
                          u"/usr/share/icons/hicolor/scalable/apps/remitor.svg"_s}));
    QVERIFY(QFileInfo(m_root + u"/usr/bin/remitor"_s).isExecutable());
}

void TestDebianPackage::programAnswersItsVersion()
{
    const ProgramRun r = run(m_root + u"/usr/bin/remitor"_s, {u"--version"_s});
    QVERIFY(r.finished);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, u"Remitor "_s + QStringLiteral(REMITOR_VERSION) + u'\n');
}

void TestDebianPackage::desktopEntry()
{
    const ProgramRun v = run(u"desktop-file-validate"_s, {m_desktop});
    QVERIFY2(v.finished && v.code == 0, qPrintable(v.out));
    QVERIFY2(!v.out.contains(u"error"_s) && !v.out.contains(u"warning"_s), qPrintable(v.out));
    const auto keys = readDesktopEntry(m_desktop);
    QCOMPARE(keys.value(u"Name"_s), u"Remitor — банкови платежни документи"_s);
    const QStringList categories = keys.value(u"Categories"_s).split(u';');
    QVERIFY(categories.contains(u"Office"_s) && categories.contains(u"Finance"_s));
    // What it starts and shows is in the package.
    const QString program = keys.value(u"Exec"_s).section(u' ', 0, 0);
    QVERIFY2(QFileInfo(m_root + u"/usr/bin/"_s + program).isExecutable(), qPrintable(program));
    QVERIFY(QFileInfo::exists(m_root + u"/usr/share/icons/hicolor/scalable/apps/"_s +
                              keys.value(u"Icon"_s) + u".svg"_s));
}

void TestDebianPackage::desktopEntryStartsInTheUserDataFolder()
{
    QStringList exec = readDesktopEntry(m_desktop).value(u"Exec"_s).split(u' ');
    const QString program = m_root + u"/usr/bin/"_s + exec.takeFirst();
    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    QVERIFY(dir.mkpath(u"launcher"_s));
    QProcessEnvironment env = withoutDisplay();
    env.insert(u"XDG_DATA_HOME"_s, scratch.filePath(u"xdg"_s));
    const ProgramRun r =
        run(program, exec << u"--init-only"_s, scratch.filePath(u"launcher"_s), env);
    QVERIFY2(r.finished && r.code == 0, qPrintable(r.out));
    QVERIFY(QFileInfo::exists(dir.filePath(u"xdg/Remitor/Remitor.MDB"_s)));
    QVERIFY(QFileInfo::exists(dir.filePath(u"xdg/Remitor/SprDocs.MDB"_s)));
    QVERIFY(QDir(dir.filePath(u"launcher"_s)).isEmpty());
}

void TestDebianPackage::iconIsScalable()
{
    QFile f(m_root + u"/usr/share/icons/hicolor/scalable/apps/remitor.svg"_s);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), u"svg"_s);
    QCOMPARE(xml.namespaceUri(), u"http://www.w3.org/2000/svg"_s);
    QCOMPARE(xml.attributes().value(u"viewBox"_s).split(u' ').size(), 4);
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "tst_debian_package.moc"
