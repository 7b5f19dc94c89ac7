#include "base/gui/screen_fit.h"

#include <QGuiApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace remitor {

void FitOnScreen(QWidget *w)
{
    FitOnScreen(w, w->pos());
}

void FitOnScreen(QWidget *w, QPoint topLeft)
{
    const QScreen *screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    // The frame is known only once the window is shown; before, its size.
    const QSize frame = w->isVisible() ? w->frameGeometry().size() - w->size() : QSize(0, 0);
    if (w->minimumSize() != w->maximumSize())
        w->resize(w->size().boundedTo(free.size() - frame));
    const QSize outer = w->size().expandedTo(w->sizeHint().boundedTo(w->maximumSize())) + frame;
    topLeft.setX(std::clamp(topLeft.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())));
    topLeft.setY(std::clamp(topLeft.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
    w->move(topLeft);
}

namespace {

class FitWhenShown : public QObject {
public:
    FitWhenShown(QWidget *w, QPoint topLeft) : QObject(w), m_topLeft(topLeft) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *w = static_cast<QWidget *>(watched);
            w->removeEventFilter(this);
            const QPoint at = m_topLeft;
            // After the show has run its course, when the frame is known.
            QTimer::singleShot(0, w, [w, at] { FitOnScreen(w, at); });
            deleteLater();
        }
        return false;
    }

private:
    QPoint m_topLeft;
};

}  // namespace

void FitOnScreenWhenShown(QWidget *w, QPoint topLeft)
{
    w->move(topLeft);
    new FitWhenShown(w, topLeft);
}

}  // namespace remitor
