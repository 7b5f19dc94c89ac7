#include "field_binder.h"

#include "session/session.h"
#include "base/gui/field_focus.h"
#include "documents/workflow.h"
#include "rules/identifiers.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace remitor {

FieldBinder::FieldBinder(Session &session, DocumentWorkflow &flow, const QList<FieldSpec> &fields,
                         QWidget *form)
    : QObject(form), m_session(session), m_flow(flow), m_fields(fields)
{
    for (const FieldSpec &f : m_fields) {
        auto *e = form->findChild<QLineEdit *>(f.objectName());
        if (!e)
            qFatal("FieldBinder: the form has no field %s", qPrintable(f.objectName()));
        const FieldDef *def = flow.record().def().field(f.name);
        if (def && def->type == FieldType::Text)
            e->setMaxLength(def->width);
        e->installEventFilter(this);
        FieldFocus::setBackground(e, Qt::white);
        m_edits.append(e);
    }
    for (int i = 0; i + 1 < m_edits.size(); ++i)
        QWidget::setTabOrder(m_edits[i], m_edits[i + 1]);
}

QLineEdit *FieldBinder::edit(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return m_edits[i];
    return nullptr;
}

void FieldBinder::detach()
{
    for (QLineEdit *e : std::as_const(m_edits))
        e->removeEventFilter(this);
}

void FieldBinder::takeAll()
{
    for (int i = 0; i < m_fields.size(); ++i)
        m_flow.take(m_fields[i], m_edits[i]->text());
}

void FieldBinder::showAll()
{
    for (int i = 0; i < m_fields.size(); ++i) {
        const QString text = m_flow.display(m_fields[i]);
        if (m_edits[i]->text() != text) {
            m_edits[i]->setText(text);
            m_edits[i]->setCursorPosition(0);
        }
    }
}

void FieldBinder::left(int place)
{
    QLineEdit *e = m_edits[place];
    const FieldSpec &f = m_fields[place];
    if (f.rule == FieldRule::Iban) {
        // Upper case in the field even when the account is wrong; the user is
        // told and may go on.
        e->setText(e->text().toUpper());
        FieldFocus::setBackground(e, IbanCyan);
        if (!e->text().trimmed().isEmpty())
            CheckIBAN(e->text(), &m_session.ui());
    } else {
        FieldFocus::setBackground(e, Qt::white);
    }
    takeAll();
    showAll();
    if (onShown)
        onShown();
}

bool FieldBinder::eventFilter(QObject *watched, QEvent *event)
{
    const int place = int(m_edits.indexOf(static_cast<QLineEdit *>(watched)));
    if (place < 0)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        FieldFocus::setBackground(m_edits[place], FocusYellow);
        m_fieldNumber = place;
        break;
    case QEvent::FocusOut:
        // A message shown while leaving takes the focus too: leave once.
        if (!m_busy) {
            m_busy = true;
            left(place);
            m_busy = false;
        }
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (onKey && onKey(key->key(), place))
            return true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            takeAll();
            m_edits[(place + 1) % m_edits.size()]->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default: break;
    }
    return false;
}

}  // namespace remitor
