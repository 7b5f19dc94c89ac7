#include "tools/gui/notes_window.h"

#include "base/gui/field_focus.h"
#include "session/session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

NotesWindow::NotesWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session), m_list(session.store(), session.ui())
{
    setObjectName(u"frmNotes"_s);
    setWindowTitle(u"Бележки"_s);

    QFont courier(u"Courier New"_s);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(13);
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(u"Код"_s, this), 0, 0);
    grid->addWidget(new QLabel(u"Текст"_s, this), 0, 1);
    for (int i = 0; i < NotesList::Rows; ++i) {
        auto *kod = new QLineEdit(this);
        kod->setObjectName(u"Kod%1"_s.arg(i));
        kod->setMaxLength(5);
        kod->setFixedWidth(60);
        auto *text = new QLineEdit(this);
        text->setObjectName(u"Ime%1"_s.arg(i));
        text->setMaxLength(20);
        text->setMinimumWidth(220);
        for (QLineEdit *e : {kod, text}) {
            e->setFont(courier);
            FieldFocus::setBackground(e, Qt::white);
            e->installEventFilter(this);
        }
        m_kods.append(kod);
        m_texts.append(text);
        grid->addWidget(kod, i + 1, 0);
        grid->addWidget(text, i + 1, 1);
    }

    const struct {
        const char16_t *name, *text;
        void (NotesList::*step)();
    } moves[] = {
        {u"cmdFirst", u"Първи запис", &NotesList::first},
        {u"cmdPrevious", u"Предходен запис", &NotesList::up},
        {u"cmdNext", u"Следващ запис", &NotesList::down},
        {u"cmdLast", u"Последен запис", &NotesList::last},
        {u"cmdFPrevious", u"Предходна страница", &NotesList::pageUp},
        {u"cmdFNext", u"Следваща страница", &NotesList::pageDown},
    };
    auto *buttons = new QVBoxLayout;
    const auto addButton = [this, buttons](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    for (const auto &m : moves) {
        const auto step = m.step;
        connect(addButton(QString::fromUtf16(m.name), QString::fromUtf16(m.text)),
                &QPushButton::clicked, this, [this, step] { move(step); });
    }
    buttons->addSpacing(12);
    connect(addButton(u"cmdDel"_s, u"Трие"_s), &QPushButton::clicked, this, [this] {
        if (m_list.removeCursorRow())
            showPage();
        focusCursor();
    });
    buttons->addStretch(1);
    connect(addButton(u"cmdExit"_s, u"Изход"_s), &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

QPushButton *NotesWindow::button(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void NotesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_list.open();
    showPage();
    focusCursor();
}

void NotesWindow::showPage()
{
    for (int i = 0; i < NotesList::Rows; ++i) {
        const NotesList::Entry e = m_list.row(i);
        m_kods[i]->setText(e.kod == 0 ? QString() : QString::number(e.kod));
        m_texts[i]->setText(e.text);
    }
}

void NotesWindow::focusCursor()
{
    QList<QLineEdit *> &column = m_textColumn ? m_texts : m_kods;
    column[m_list.cursor()]->setFocus(Qt::OtherFocusReason);
}

void NotesWindow::move(void (NotesList::*step)())
{
    (m_list.*step)();
    showPage();
    focusCursor();
}

bool NotesWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *e = qobject_cast<QLineEdit *>(watched);
    const int kodRow = int(m_kods.indexOf(e)), textRow = int(m_texts.indexOf(e));
    const int row = std::max(kodRow, textRow);
    if (row < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        FieldFocus::setBackground(e, FocusYellow);
        m_list.setCursor(row);
        m_textColumn = textRow >= 0;
        break;
    case QEvent::FocusOut: FieldFocus::setBackground(e, Qt::white); break;
    case QEvent::KeyPress: {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A refused row keeps its typing and the cursor; a stored one is
            // read back with the page.
            if (m_list.store(m_kods[row]->text(), m_texts[row]->text()) || m_list.cursor() != row)
                showPage();
            focusCursor();
            return true;
        case Qt::Key_Up: move(&NotesList::up); return true;
        case Qt::Key_Down: move(&NotesList::down); return true;
        case Qt::Key_PageUp: move(&NotesList::pageUp); return true;
        case Qt::Key_PageDown: move(&NotesList::pageDown); return true;
        case Qt::Key_Escape: close(); return true;
        default: break;
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void NotesWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
