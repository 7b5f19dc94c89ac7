#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

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

// Runs `act` on the next modal dialog of type T once it is up; the test
// that opens the dialog goes on as soon as the dialog closes. `seen` tells
// whether it ever came.
template <typename T>
void whenModal(const std::function<void(T *)> &act, bool *seen)
{
    *seen = false;
    auto *timer = new QTimer;
    timer->setInterval(20);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, seen, tries] {
        if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget()); d && d->isVisible()) {
            timer->stop();
            timer->deleteLater();
            *seen = true;
            act(d);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// A modal window that no part of the test answers would hold the test
// until the runner's time-out, minutes later. The guard fails the running
// test when a modal window has stood open for `seconds`, and closes it so
// that the test ends at once.
class ModalGuard {
public:
    explicit ModalGuard(int seconds = 5)
    {
        m_timer.setInterval(250);
        QObject::connect(&m_timer, &QTimer::timeout, [this, seconds] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || w != m_seen) {
                m_seen = w;
                m_ticks = 0;
                return;
            }
            if (++m_ticks * 250 < seconds * 1000)
                return;
            QTest::qFail(qPrintable(QStringLiteral("a window that the test did not expect: ") +
                                    w->objectName() + QLatin1Char(' ') + w->windowTitle()),
                         __FILE__, __LINE__);
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
            else
                w->close();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
    QWidget *m_seen = nullptr;
    int m_ticks = 0;
};

}  // namespace remitor::test
