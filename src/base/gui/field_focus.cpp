#include "field_focus.h"

#include <QEvent>

namespace remitor {

FieldFocus::FieldFocus(QColor focusColor, QObject *parent) : QObject(parent), m_color(focusColor) {}

void FieldFocus::watch(QWidget *field)
{
    field->installEventFilter(this);
    setBackground(field, Qt::white);
}

void FieldFocus::setBackground(QWidget *field, const QColor &color)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Text, Qt::black);
    field->setPalette(p);
}

bool FieldFocus::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (w && event->type() == QEvent::FocusIn) {
        setBackground(w, m_color);
        if (onEnter)
            onEnter(w);
    } else if (w && event->type() == QEvent::FocusOut) {
        setBackground(w, Qt::white);
        if (onLeave)
            onLeave(w);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace remitor
