#pragma once

#include <QProcess>

namespace remitor::test {

struct ProgramRun {
    bool finished = false;  // ended by itself, not by a crash or the time limit
    int code = -1;
    QString out;
    QString err;
};

inline ProgramRun runProgram(
    const QString &program, const QStringList &args, const QString &workingDir,
    const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workingDir);
    p.start(program, args);
    ProgramRun r;
    r.finished = p.waitForFinished(240000) && p.exitStatus() == QProcess::NormalExit;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// No display, and a platform that does not exist: a window, or only the
// application object of one, makes Remitor fail.
inline QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    return env;
}

}  // namespace remitor::test
