#include "data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString MainFile = u"Remitor.MDB"_s;
const QString ReportsFile = u"SprDocs.MDB"_s;

// The path with its links resolved, also for a folder that is not there
// yet: /lib links to /usr/lib on most systems, and a folder to be created
// below a link lies where the link points.
QString realPath(const QString &path)
{
    QString existing = QDir::cleanPath(QDir(path).absolutePath());
    QString rest;
    while (!QFileInfo::exists(existing) && existing != u"/"_s) {
        const QFileInfo info(existing);
        rest = rest.isEmpty() ? info.fileName() : info.fileName() + u'/' + rest;
        existing = info.path();
    }
    QString real = QFileInfo(existing).canonicalFilePath();
    if (real.isEmpty())
        real = existing;
    return rest.isEmpty() ? real : QDir::cleanPath(real + u'/' + rest);
}

}  // namespace

DataFolder ChooseDataFolder(const LaunchPlace &place)
{
    const QDir working(place.workingDir);
    if (!place.explicitDir.isEmpty())
        return {QDir::cleanPath(working.absoluteFilePath(place.explicitDir)),
                DataFolder::Reason::Explicit};
    const QString workingPath = QDir::cleanPath(working.absolutePath());
    const QString userPath = QDir::cleanPath(QDir(place.userDataDir).absolutePath());
    // Once the user's own data exist, the menu opens them: a database that
    // one start from a terminal left in the folder the menu starts in must
    // not take their place.
    if (place.fromDesktop && QFileInfo(QDir(userPath).filePath(MainFile)).isFile())
        return {userPath, DataFolder::Reason::UserData};
    if (QFileInfo(working.filePath(MainFile)).isFile())
        return {workingPath, DataFolder::Reason::HoldsDatabase};
    if (place.fromDesktop)
        return {userPath, DataFolder::Reason::UserData};
    return {workingPath, DataFolder::Reason::WorkingDirectory};
}

QString UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool CanWriteIn(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(u".remitor-probe-XXXXXX"_s));
    if (!probe.open())
        return false;
    // Opening an existing database for writing changes nothing in it.
    for (const QString &name : {MainFile, ReportsFile}) {
        QFile file(QDir(dir).filePath(name));
        if (file.exists() && !file.open(QIODevice::ReadWrite))
            return false;
    }
    return true;
}

bool IsSystemFolder(const QString &path)
{
    static const QStringList systemTrees = {
        u"/usr"_s,   u"/etc"_s,    u"/bin"_s,  u"/sbin"_s, u"/lib"_s, u"/lib32"_s,
        u"/lib64"_s, u"/libx32"_s, u"/boot"_s, u"/proc"_s, u"/sys"_s, u"/dev"_s,
    };
    const QString real = realPath(path);
    if (real == u"/"_s)
        return true;
    for (const QString &tree : systemTrees) {
        if (real == tree || real.startsWith(tree + u'/'))
            return true;
    }
    return false;
}

QString PrepareDataFolder(const QString &path, const std::function<bool(const QString &)> &canWrite)
{
    if (path.isEmpty() || IsSystemFolder(path))
        return NotWritableMessage(path);
    if (!QFileInfo(path).isDir() && !QDir().mkpath(path))
        return NotWritableMessage(path);
    if (!canWrite(path))
        return NotWritableMessage(path);
    return {};
}

QString NotWritableMessage(const QString &path)
{
    return u"Програмата не може да записва данните си в папката\n"_s +
           QDir::toNativeSeparators(path) +
           u"\n\nСтартирайте я от папка, в която можете да записвате, или посочете такава папка "
           u"с опцията --data, например:\n    remitor --data ~/Remitor"_s;
}

}  // namespace remitor
