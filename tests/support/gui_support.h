#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

namespace remitor::test {

// Saves a picture of a window when REMITOR_SHOTS names a folder, for a
// person to look at (run the test under xvfb-run with -platform xcb).
inline void shoot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("REMITOR_SHOTS");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The offscreen platform leaves the main window active when another window
// opens over it; a user's click would make the new one active.
inline bool activate(QWidget *w)
{
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

}  // namespace remitor::test
