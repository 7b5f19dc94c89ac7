#include "file_ops.h"

#include <QFile>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace remitor
{

namespace
{

const FileOps *g_testOps = nullptr;

bool syncFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(f.handle()) == 0;
#else
    return f.flush();
#endif
}

bool syncDir(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

bool copyFile(const QString &from, const QString &to)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray bytes = in.read(chunk);
        if (bytes.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (out.write(bytes) != bytes.size())
            return false;
    }
    return out.flush() && in.error() == QFileDevice::NoError;
}

}  // namespace

FileOps FileOps::real()
{
    FileOps o;
    o.remove = [](const QString &p) { return QFile::remove(p); };
    // QFile::rename refuses to replace a file; the system's rename replaces
    // it in one step.
    o.rename = [](const QString &a, const QString &b) {
        return std::rename(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0;
    };
    o.copy = copyFile;
    o.sync = syncFile;
    o.syncFolder = syncDir;
    return o;
}

void setFileOpsForTesting(const FileOps *ops)
{
    g_testOps = ops;
}

const FileOps &fileOps()
{
    static const FileOps real = FileOps::real();
    return g_testOps ? *g_testOps : real;
}

}  // namespace remitor
