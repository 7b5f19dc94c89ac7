#include "lists/gui/paragraphs_window.h"

#include "base/gui/field_focus.h"
#include "print/gui/print_preview.h"
#include "session/session.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QColor headingBlue{85, 85, 255};
const QColor headingYellow{255, 255, 0};

void colourField(QLineEdit *e, const QColor &background, const QColor &text)
{
    FieldFocus::setBackground(e, background);
    QPalette p = e->palette();
    p.setColor(QPalette::Text, text);
    e->setPalette(p);
}

// The list on paper: plain lines in a fixed pitch, so that the texts stand
// in one column after their codes.
void previewText(QWidget *parent, Store &store, const QString &text)
{
    QPrinter printer(QPrinter::HighResolution);
    UseProgramPrinter(printer, store);
    printer.setDocName(u"Списък на параграфите"_s);
    QTextDocument doc;
    doc.setDefaultFont(QFont(u"Courier New"_s, 10));
    doc.setPlainText(text);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(u"frmPrintPreview"_s);
    dialog.setWindowTitle(u"Преглед преди печат"_s);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&doc](QPrinter *target) { doc.print(target); });
    dialog.resize(800, 900);
    dialog.exec();
}

}  // namespace

ParagraphsWindow::ParagraphsWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session), m_list(session)
{
    setObjectName(u"frmParagraf"_s);
    setWindowTitle(u"Списък на параграфите"_s);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(u"Параграф"_s, this), 0, 0);
    grid->addWidget(new QLabel(u"Обяснителен текст"_s, this), 0, 1);
    for (int i = 0; i < ParagraphList::ShownRows; ++i) {
        auto *code = new QLineEdit(this);
        code->setObjectName(u"Kod%1"_s.arg(i));
        code->setMaxLength(12);
        code->setFixedWidth(110);
        auto *text = new QLineEdit(this);
        text->setObjectName(u"Ime%1"_s.arg(i));
        text->setMaxLength(100);
        text->setMinimumWidth(560);
        for (QLineEdit *e : {code, text}) {
            e->installEventFilter(this);
            FieldFocus::setBackground(e, Qt::white);
        }
        grid->addWidget(code, i + 1, 0);
        grid->addWidget(text, i + 1, 1);
        m_codes.append(code);
        m_texts.append(text);
    }
    for (int i = 0; i < ParagraphList::ShownRows; ++i) {
        setTabOrder(i == 0 ? m_texts.last() : m_texts[i - 1], m_codes[i]);
        setTabOrder(m_codes[i], m_texts[i]);
    }

    // The buttons take no focus: the cursor stays in its row.
    const auto addButton = [this](QLayout *to, const char *name, const QString &caption,
                                  const QString &tip, const QIcon &icon,
                                  const std::function<void()> &run) {
        auto *b = new QPushButton(icon, caption, this);
        b->setObjectName(QLatin1StringView(name));
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, run);
        to->addWidget(b);
        return b;
    };
    using M = ParagraphList::Move;
    const auto moveBy = [this](M mode, bool toTop) {
        return [this, mode, toTop] {
            command([this, mode, toTop] {
                m_list.move(mode);
                if (toTop)
                    m_row = 0;
            });
        };
    };
    QStyle *st = style();
    auto *moves = new QHBoxLayout;
    moves->setSpacing(2);
    addButton(moves, "cmdFirst", {}, u"В началото на списъка"_s,
              st->standardIcon(QStyle::SP_MediaSkipBackward), moveBy(M::First, true));
    addButton(moves, "cmdFPrevious", {}, u"Страница назад"_s,
              st->standardIcon(QStyle::SP_MediaSeekBackward), moveBy(M::PageBack, false));
    addButton(moves, "cmdPrevious", {}, u"Една позиция назад"_s,
              st->standardIcon(QStyle::SP_ArrowUp), moveBy(M::Back, false));
    addButton(moves, "cmdNext", {}, u"Една позиция напред"_s,
              st->standardIcon(QStyle::SP_ArrowDown), moveBy(M::Forward, false));
    addButton(moves, "cmdFNext", {}, u"Страница напред"_s,
              st->standardIcon(QStyle::SP_MediaSeekForward), moveBy(M::PageForward, false));
    addButton(moves, "cmdLast", {}, u"В края на списъка"_s,
              st->standardIcon(QStyle::SP_MediaSkipForward), moveBy(M::Last, true));
    moves->addSpacing(12);
    m_count = new QLabel(this);
    m_count->setObjectName(u"lblCount"_s);
    moves->addWidget(m_count);
    moves->addWidget(new QLabel(u"записа"_s, this));
    moves->addStretch();
    addButton(moves, "cmdFind", u"Търси"_s, u"Търси по текст"_s, {}, [this] {
        command([this] {
            if (m_list.search())
                m_row = 0;
        });
    });
    addButton(moves, "cmdDel", u"Трие"_s, u"Изтрива ред"_s, {},
              [this] { command([this] { m_list.remove(m_row); }); });
    addButton(moves, "cmdPrint", u"Печат"_s, u"Печата списък"_s, {}, [this] { print(); });
    addButton(moves, "cmdExit", u"Изход"_s, u"Изход"_s, {}, [this] { close(); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(moves);
}

QPushButton *ParagraphsWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void ParagraphsWindow::commitRow()
{
    if (m_showing)
        return;
    const std::pair<QString, QString> texts{m_codes[m_row]->text(), m_texts[m_row]->text()};
    if (texts == m_taken)
        return;  // nothing typed since: no second write
    m_taken = texts;
    if (m_list.commit(m_row, texts.first, texts.second))
        m_count->setText(QString::number(m_list.count()));
}

void ParagraphsWindow::showPage()
{
    m_showing = true;
    for (int i = 0; i < ParagraphList::ShownRows; ++i) {
        const ParagraphList::Entry &e = m_list.entry(i);
        m_codes[i]->setText(e.row > 0 ? e.code.trimmed() : QString());
        m_texts[i]->setText(e.row > 0 ? e.text.trimmed() : QString());
        m_codes[i]->setCursorPosition(0);
        m_texts[i]->setCursorPosition(0);
        colourRow(i);
    }
    m_count->setText(QString::number(m_list.count()));
    m_taken = {m_codes[m_row]->text(), m_texts[m_row]->text()};
    m_showing = false;
}

void ParagraphsWindow::colourRow(int row)
{
    const bool heading = ParagraphList::isHeading(m_codes[row]->text());
    const QWidget *focused = QApplication::focusWidget();
    for (QLineEdit *e : {m_codes[row], m_texts[row]}) {
        if (e == focused)
            colourField(e, FocusLightYellow, Qt::black);
        else if (heading)
            colourField(e, headingBlue, headingYellow);
        else
            colourField(e, Qt::white, Qt::black);
    }
}

void ParagraphsWindow::focusCell(int row, int column)
{
    m_row = qBound(0, row, ParagraphList::ShownRows - 1);
    m_column = column;
    (column == 0 ? m_codes : m_texts)[m_row]->setFocus(Qt::OtherFocusReason);
    m_taken = {m_codes[m_row]->text(), m_texts[m_row]->text()};
    colourRow(m_row);
}

void ParagraphsWindow::command(const std::function<void()> &run)
{
    commitRow();
    run();
    showPage();
    focusCell(m_row, m_column);
}

void ParagraphsWindow::print()
{
    commitRow();
    const QString text = m_list.printText();
    if (m_present)
        m_present(text);
    else
        previewText(this, m_session.store(), text);
}

bool ParagraphsWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    const int codeRow = int(m_codes.indexOf(edit)), textRow = int(m_texts.indexOf(edit));
    const int row = codeRow >= 0 ? codeRow : textRow;
    if (row < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            (row != m_row || (codeRow >= 0 ? 0 : 1) != m_column)) {
            m_row = row;
            m_column = codeRow >= 0 ? 0 : 1;
            m_taken = {m_codes[row]->text(), m_texts[row]->text()};
        }
        colourField(edit, FocusLightYellow, Qt::black);
        break;
    }
    case QEvent::FocusOut:
        // The row leaves its colour as its code says, and is written.
        commitRow();
        if (ParagraphList::isHeading(m_codes[row]->text()))
            colourField(edit, headingBlue, headingYellow);
        else
            colourField(edit, Qt::white, Qt::black);
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            break;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commitRow();
            if (m_column == 0) {
                focusCell(m_row, 1);
            } else if (m_row + 1 < ParagraphList::ShownRows) {
                focusCell(m_row + 1, 0);
            } else {
                // The last row: the list moves up by one while it goes on
                // or ends in this row, so that a new entry can follow it.
                const bool more = m_list.entry(ParagraphList::ShownRows).row > 0 ||
                                  m_list.entry(ParagraphList::ShownRows - 1).row > 0;
                if (more)
                    m_list.move(ParagraphList::Move::Forward);
                showPage();
                focusCell(m_row, 0);
            }
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const bool up = key->key() == Qt::Key_Up;
            if ((up && m_row == 0) || (!up && m_row == ParagraphList::ShownRows - 1)) {
                command([this, up] {
                    m_list.move(up ? ParagraphList::Move::Back : ParagraphList::Move::Forward);
                });
            } else {
                commitRow();
                focusCell(m_row + (up ? -1 : 1), m_column);
            }
            return true;
        }
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            const auto mode = key->key() == Qt::Key_PageUp ? ParagraphList::Move::PageBack
                                                           : ParagraphList::Move::PageForward;
            command([this, mode] { m_list.move(mode); });
            return true;
        }
        case Qt::Key_F8: command([this] { m_list.remove(m_row); }); return true;
        case Qt::Key_Escape: close(); return true;
        default: break;
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void ParagraphsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ParagraphsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_list.open();
    m_row = 0;
    m_column = 0;
    showPage();
    focusCell(0, 0);
}

void ParagraphsWindow::reload()
{
    m_list.open();
    showPage();
}

void ParagraphsWindow::closeEvent(QCloseEvent *event)
{
    commitRow();
    QWidget::closeEvent(event);
}

}  // namespace remitor
