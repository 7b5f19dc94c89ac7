#include "field_binder.h"

#include "base/gui/field_focus.h"
#include "documents/workflow.h"
#include "print/page_fill.h"
#include "rules/identifiers.h"
#include "rules/words.h"
#include "session/session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

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
        // A text that changes after a command makes the field one to leave again.
        connect(e, &QLineEdit::textChanged, this, [this, place = int(m_edits.size())] {
            if (place == m_settled)
                m_settled = -1;
        });
        m_edits.append(e);
    }
    for (int i = 0; i + 1 < m_edits.size(); ++i) QWidget::setTabOrder(m_edits[i], m_edits[i + 1]);
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
    for (QLineEdit *e : std::as_const(m_edits)) e->removeEventFilter(this);
}

void FieldBinder::takeAll()
{
    for (int i = 0; i < m_fields.size(); ++i) m_flow.take(m_fields[i], m_edits[i]->text());
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
    showOptions();
    for (const Words &w : std::as_const(m_words)) showWords(w, m_flow.record().money(w.field));
}

void FieldBinder::bindOptions(QWidget *form, const QList<FormItem> &items)
{
    for (const FormItem &it : items) {
        if (it.kind == FormItem::Words) {
            auto *label = form->findChild<QLabel *>(QLatin1StringView(it.name));
            const Words words{label, QLatin1StringView(it.field)};
            if (!label || !m_flow.record().def().field(words.field))
                qFatal("FieldBinder: no words %s for the field %s", it.name, it.field);
            m_words.append(words);
            // The words follow the amount while it is typed.
            if (QLineEdit *amount = edit(words.field))
                connect(amount, &QLineEdit::textEdited, this, [this, words](const QString &text) {
                    showWords(words, ParseAmount(text));
                });
            continue;
        }
        if ((it.kind != FormItem::Radio && it.kind != FormItem::Check) || !it.field)
            continue;
        auto *b = form->findChild<QAbstractButton *>(QLatin1StringView(it.name));
        const QString field = QLatin1StringView(it.field);
        if (!b || !m_flow.record().def().field(field))
            qFatal("FieldBinder: no option %s for the field %s", it.name, it.field);
        m_options.append({b, field, it.value, it.kind == FormItem::Radio});
        const Option option = m_options.last();
        connect(b, &QAbstractButton::clicked, this, [this, option] { optionClicked(option); });
    }
}

void FieldBinder::showWords(const Words &w, Money amount)
{
    const QString &currency = m_flow.kind().currencyField;
    const QString code = currency.isEmpty() ? QString() : m_flow.record().text(currency).trimmed();
    w.label->setText(ShownAmount(amount) > Money() ? AmountInWordsBG(ShownAmount(amount), code)
                                                   : QString());
}

void FieldBinder::optionClicked(const Option &o)
{
    takeAll();
    Record &r = m_flow.record();
    if (o.radio) {
        // Options that stand for flags of their own: the others go off.
        for (const Option &other : std::as_const(m_options))
            if (other.radio && other.button->group() == o.button->group() && other.field != o.field)
                SetOptionValue(r, other.field, 0);
        SetOptionValue(r, o.field, o.value);
    } else {
        SetOptionValue(r, o.field, o.button->isChecked() ? o.value : 0);
    }
    showAll();
    if (onShown)
        onShown();
}

void FieldBinder::showOptions()
{
    const Record &r = m_flow.record();
    QSet<const QObject *> chosen;  // the groups (or parents) that show an option on
    const auto groupOf = [](const QAbstractButton *b) -> const QObject * {
        return b->group() ? static_cast<const QObject *>(b->group()) : b->parent();
    };
    for (const Option &o : std::as_const(m_options)) {
        if (!o.radio) {
            o.button->setChecked(OptionValue(r, o.field) != 0);
        } else if (OptionValue(r, o.field) == o.value) {
            o.button->setChecked(true);
            chosen.insert(groupOf(o.button));
        }
    }
    // A group whose record value no option stands for shows none chosen; an
    // exclusive group keeps one option on unless told otherwise.
    for (const Option &o : std::as_const(m_options)) {
        if (!o.radio || !o.button->isChecked() || chosen.contains(groupOf(o.button)))
            continue;
        QButtonGroup *g = o.button->group();
        g ? g->setExclusive(false) : o.button->setAutoExclusive(false);
        o.button->setChecked(false);
        g ? g->setExclusive(true) : o.button->setAutoExclusive(true);
    }
}

void FieldBinder::commitFocused()
{
    const int place = int(m_edits.indexOf(qobject_cast<QLineEdit *>(QApplication::focusWidget())));
    if (place < 0 || m_busy)
        return;
    m_busy = true;
    left(place);
    m_busy = false;
}

void FieldBinder::settleFocused()
{
    m_settled = int(m_edits.indexOf(qobject_cast<QLineEdit *>(QApplication::focusWidget())));
}

void FieldBinder::left(int place)
{
    QLineEdit *e = m_edits[place];
    const FieldSpec &f = m_fields[place];
    // A command has left the field already and shown its document; nothing
    // was typed since: leaving it again would check or complete another
    // document (Next, Read) with this field's rules.
    if (place == m_settled) {
        m_settled = -1;
        FieldFocus::setBackground(e, f.leftColour ? QColor::fromRgb(QRgb(f.leftColour))
                                  : IsAccountRule(f.rule) ? IbanCyan
                                                          : QColor(Qt::white));
        return;
    }
    if (IsAccountRule(f.rule)) {
        // Upper case in the field even when the account is wrong; the user is
        // told and may go on.
        e->setText(e->text().toUpper());
        FieldFocus::setBackground(e, f.leftColour ? QColor::fromRgb(QRgb(f.leftColour)) : IbanCyan);
        const auto check = f.rule == FieldRule::Iban ? &CheckIBAN : &CheckForeignIBAN;
        const bool valid = !e->text().trimmed().isEmpty() && check(e->text(), &m_session.ui());
        takeAll();
        m_flow.committedFrom(f);
        if (valid)
            m_flow.accountLeft(f);
    } else {
        FieldFocus::setBackground(e, f.leftColour ? QColor::fromRgb(QRgb(f.leftColour)) : QColor(Qt::white));
        takeAll();
        m_flow.committedFrom(f);
        // A BIC typed after its account is held against the account's bank.
        for (const FieldSpec &account : std::as_const(m_fields))
            if (account.bicField.compare(f.name, Qt::CaseInsensitive) == 0 &&
                CheckIBAN(m_flow.record().text(account.name).trimmed(), nullptr))
                m_flow.accountLeft(account);
    }
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
        // The field's own context menu does not leave it (its Paste goes
        // into the field); a message shown while leaving takes the focus
        // too: leave once.
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason)
            break;
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
            m_flow.committedFrom(m_fields[place]);
            // Shown at once: a total that followed its item must not be
            // taken back from its old text when the field is left.
            showAll();
            if (onShown)
                onShown();
            // Past the fields the window hides (the side of an order not shown).
            int next = (place + 1) % int(m_edits.size());
            while (next != place && !m_edits[next]->isVisibleTo(m_edits[next]->window()))
                next = (next + 1) % int(m_edits.size());
            m_edits[next]->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default: break;
    }
    return false;
}

}  // namespace remitor
