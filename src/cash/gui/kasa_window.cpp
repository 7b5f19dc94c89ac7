#include "cash/gui/kasa_window.h"

#include "base/gui/field_focus.h"
#include "base/gui/tile_icon.h"
#include "cash/gui/oborot_window.h"
#include "rules/dates.h"
#include "rules/formatting.h"
#include "session/session.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

constexpr int kTop = 76;  // below the buttons and the column heads
constexpr int kRowHeight = 22;
// The columns in characters of the book's fields, and where they stand.
constexpr int kWidths[] = {100, 92, 236, 104, 104};
constexpr int kLefts[] = {8, 110, 204, 442, 548};

QString amountText(Money m)
{
    // A negative balance shows as it is: it is a fact of the cash desk.
    return m.isZero() ? QString() : FormatSpacePadded(m, 20, 2).trimmed();
}

}  // namespace

KasaWindow::KasaWindow(Session &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(u"frmKasa"_s);
    setWindowTitle(u"Дневник на касата"_s);
    m_focus = new FieldFocus(FocusYellow, this);
    QFont mono(u"Courier New"_s);
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(9);
    const QString heads[] = {u"Номер"_s, u"Дата"_s, u"Обяснителен текст"_s, u"Приход"_s,
                             u"Разход"_s};
    const QString names[] = {u"DocNo"_s, u"DocDate"_s, u"Note"_s, u"Prihod"_s, u"Razhod"_s};
    const int maxLength[] = {12, 10, 30, 20, 20};
    for (int c = 0; c < Columns; ++c) {
        auto *h = new QLabel(heads[c], this);
        h->setGeometry(kLefts[c], kTop - 20, kWidths[c], 18);
        h->setAlignment(c >= Prihod ? Qt::AlignRight | Qt::AlignVCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (int r = 0; r < CashPageRows; ++r) {
        m_rows.append(Record(CashBookTable()));
        for (int c = 0; c < Columns; ++c) {
            auto *e = new QLineEdit(this);
            e->setObjectName(names[c] + QString::number(r));
            e->setFont(mono);
            e->setMaxLength(maxLength[c]);
            e->setGeometry(kLefts[c], kTop + r * kRowHeight, kWidths[c], kRowHeight);
            if (c >= Prihod)
                e->setAlignment(Qt::AlignRight);
            e->installEventFilter(this);
            m_focus->watch(e);
            m_cells[r][c] = e;
        }
    }
    auto *records = new QLabel(u"Записи:"_s, this);
    records->setGeometry(8, kTop + CashPageRows * kRowHeight + 8, 60, 20);
    m_count = new QLabel(this);
    m_count->setObjectName(u"lblCount"_s);
    m_count->setGeometry(70, kTop + CashPageRows * kRowHeight + 8, 120, 20);
    addCommands();
    setFixedSize(kLefts[Razhod] + kWidths[Razhod] + 8, kTop + CashPageRows * kRowHeight + 36);
}

void KasaWindow::addCommands()
{
    QStyle *st = style();
    const QColor blue(0, 102, 170), green(0, 128, 64), red(170, 30, 30), gold(150, 110, 0);
    const struct {
        const char16_t *name, *tip;
        QIcon icon;
        void (KasaWindow::*action)();
    } commands[] = {
        {u"cmdFirst", u"Първи запис", st->standardIcon(QStyle::SP_MediaSkipBackward),
         &KasaWindow::firstRow},
        {u"cmdPrevious", u"Предходен запис", st->standardIcon(QStyle::SP_ArrowUp),
         &KasaWindow::moveUp},
        {u"cmdNext", u"Следващ запис", st->standardIcon(QStyle::SP_ArrowDown),
         &KasaWindow::moveDown},
        {u"cmdLast", u"Последен запис", st->standardIcon(QStyle::SP_MediaSkipForward),
         &KasaWindow::lastRow},
        {u"cmdFPrevious", u"Предходна страница", st->standardIcon(QStyle::SP_MediaSeekBackward),
         &KasaWindow::previousPage},
        {u"cmdFNext", u"Следваща страница", st->standardIcon(QStyle::SP_MediaSeekForward),
         &KasaWindow::nextPage},
        {u"cmdNew", u"Добавя нов запис", st->standardIcon(QStyle::SP_FileIcon),
         &KasaWindow::newRow},
        {u"cmdDel", u"Изтрива запис", st->standardIcon(QStyle::SP_TrashIcon),
         &KasaWindow::deleteRow},
        {u"cmdSort", u"Подрежда по дати", tileIcon(u"↓"_s, blue), &KasaWindow::sortByDate},
        {u"cmdFind", u"Търси по зададен текст", tileIcon(u"Т"_s, blue), &KasaWindow::find},
        {u"cmdDate", u"Избор на дата от календар", tileIcon(u"Д"_s, gold), &KasaWindow::pickDate},
        {u"cmdOborot", u"Касов оборот", tileIcon(u"О"_s, green), nullptr},
        {u"cmdPrint", u"Печата дневник", tileIcon(u"П"_s, blue), nullptr},
        {u"cmdEndPeriod", u"Приключва период", tileIcon(u"С"_s, red), nullptr},
        {u"cmdHelp", u"Помощ", tileIcon(u"?"_s, blue), &KasaWindow::help},
        {u"cmdExit", u"Изход", tileIcon(u"Х"_s, red), nullptr},
    };
    int i = 0;
    for (const auto &c : commands) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromUtf16(c.name));
        b->setToolTip(QString::fromUtf16(c.tip));
        b->setIcon(c.icon);
        b->setIconSize(QSize(22, 22));
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(8 + i++ * 40, 8, 36, 36);
        if (c.action)
            connect(b, &QToolButton::clicked, this, c.action);
    }
    const auto report = [this](OborotWindow::Mode mode) {
        return [this, mode] { OborotWindow::open(this, m_session, mode); };
    };
    connect(command(u"cmdOborot"_s), &QToolButton::clicked, this,
            report(OborotWindow::Mode::Turnover));
    connect(command(u"cmdPrint"_s), &QToolButton::clicked, this,
            report(OborotWindow::Mode::Journal));
    connect(command(u"cmdEndPeriod"_s), &QToolButton::clicked, this,
            report(OborotWindow::Mode::Closing));
    connect(command(u"cmdExit"_s), &QToolButton::clicked, this, &QWidget::close);
}

QToolButton *KasaWindow::command(const QString &name) const
{
    return findChild<QToolButton *>(name);
}

void KasaWindow::reloadOpen()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *k = qobject_cast<KasaWindow *>(w); k && k->isVisible())
            k->reloadPage();
}

void KasaWindow::reloadPage()
{
    const qint32 first = m_rows.first().key();
    const QList<Record> rows =
        first > 0 ? CashRowsFrom(m_session.store(), first) : CashRowsEndingAt(m_session.store(), 0);
    showRows(rows.isEmpty() ? CashRowsEndingAt(m_session.store(), 0) : rows, m_cursor);
}

void KasaWindow::showRows(const QList<Record> &rows, int cursor)
{
    for (int r = 0; r < CashPageRows; ++r) {
        m_rows[r] = r < rows.size() ? rows[r] : Record(CashBookTable());
        const Record &row = m_rows[r];
        const bool real = row.key() != 0;
        m_cells[r][DocNo]->setText(row.text(u"DocNo"_s).trimmed());
        m_cells[r][DocDate]->setText(real ? ShortDateText(row.date(u"DocDate"_s)) : QString());
        m_cells[r][Note]->setText(RightTrimmed(row.text(u"Note"_s)));
        m_cells[r][Prihod]->setText(amountText(row.money(u"Prihod"_s)));
        m_cells[r][Razhod]->setText(amountText(row.money(u"Razhod"_s)));
    }
    refreshCount();
    focusCell(std::clamp(cursor, 0, CashPageRows - 1), m_column);
}

void KasaWindow::focusCell(int row, int column)
{
    m_cursor = row;
    m_column = column;
    m_cells[row][column]->setFocus(Qt::OtherFocusReason);
}

void KasaWindow::refreshCount()
{
    m_count->setText(QString::number(CashRowCount(m_session.store())));
}

bool KasaWindow::commitRow()
{
    Record row = m_rows[m_cursor];
    row.setText(u"DocNo"_s, m_cells[m_cursor][DocNo]->text().trimmed());
    row.setText(u"Note"_s, m_cells[m_cursor][Note]->text());
    row.setMoney(u"Prihod"_s, ParseAmount(m_cells[m_cursor][Prihod]->text()));
    row.setMoney(u"Razhod"_s, ParseAmount(m_cells[m_cursor][Razhod]->text()));
    const CommitOutcome done =
        CommitCashRow(m_session.store(), row, m_cells[m_cursor][DocDate]->text(), m_session.today,
                      m_session.ui());
    if (done == CommitOutcome::BadDate) {
        focusCell(m_cursor, DocDate);
        return false;
    }
    if (done != CommitOutcome::Stored)
        return done == CommitOutcome::Blank;
    // The page is read again from the book: what shows is what is stored.
    m_rows[m_cursor] = row;
    reloadPage();
    return true;
}

void KasaWindow::moveDown()
{
    if (m_cursor < CashPageRows - 1) {
        focusCell(m_cursor + 1, m_column);
        return;
    }
    // Past the last slot the page scrolls one row, while there are rows.
    if (m_rows.last().key() != 0)
        showRows(CashRowsFrom(m_session.store(), m_rows[1].key()), CashPageRows - 1);
}

void KasaWindow::moveUp()
{
    if (m_cursor > 0) {
        focusCell(m_cursor - 1, m_column);
        return;
    }
    const qint32 first = m_rows.first().key();
    const QList<Record> before =
        first > 1 ? CashRowsEndingAt(m_session.store(), first - 1) : QList<Record>();
    if (!before.isEmpty())
        showRows(CashRowsFrom(m_session.store(), before.last().key()), 0);
}

void KasaWindow::nextPage()
{
    qint32 last = 0;
    for (const Record &r : m_rows) last = std::max(last, r.key());
    if (last == 0 || m_rows.last().key() == 0)
        return;  // the book ends on this page
    const QList<Record> rows = CashRowsFrom(m_session.store(), last + 1);
    if (!rows.isEmpty())
        showRows(rows, m_cursor);
}

void KasaWindow::previousPage()
{
    const qint32 first = m_rows.first().key();
    if (first <= 1)
        return;
    const QList<Record> rows = CashRowsEndingAt(m_session.store(), first - 1);
    if (rows.isEmpty())
        return;
    // At the head of the book the first page is full from the first row.
    showRows(rows.size() < CashPageRows ? CashRowsFrom(m_session.store(), 0) : rows, m_cursor);
}

void KasaWindow::firstRow()
{
    showRows(CashRowsFrom(m_session.store(), 0), 0);
}

void KasaWindow::lastRow()
{
    const QList<Record> rows = CashRowsEndingAt(m_session.store(), 0);
    showRows(rows, std::max<int>(0, int(rows.size()) - 1));
}

void KasaWindow::newRow()
{
    // The last rows of the book with one free slot after them.
    QList<Record> rows = CashRowsEndingAt(m_session.store(), 0);
    if (rows.size() == CashPageRows)
        rows.removeFirst();
    m_column = DocNo;
    showRows(rows, int(rows.size()));
}

void KasaWindow::deleteRow()
{
    if (DeleteCashRow(m_session.store(), m_rows[m_cursor].key(), m_session.ui()))
        reloadPage();
}

void KasaWindow::sortByDate()
{
    if (SortCashBookByDate(m_session.store(), m_session.ui()))
        lastRow();
}

void KasaWindow::find()
{
    const auto text =
        m_session.ui().inputLine(u"Посочете текст за търсене.\n\n"_s,
                                 u"Създава списък по зададен текст"_s, m_session.lastSearchText);
    if (!text || *text == u"false"_s)
        return;
    if (!text->isEmpty())
        m_session.lastSearchText = *text;
    OborotWindow::open(this, m_session, OborotWindow::Mode::Journal, *text);
}

void KasaWindow::pickDate()
{
    QLineEdit *field = m_cells[m_cursor][DocDate];
    QDate date = DateFromText(field->text());
    if (!date.isValid())
        date = m_session.lastPickedDate;
    const int row = m_cursor;
    if (m_session.ui().pickDate(date, m_session.lastPickedDate))
        field->setText(ShortDateText(date));
    focusCell(row, DocDate);
}

void KasaWindow::help()
{
    m_session.ui().tell(
        u"Касовата книга се попълва от приходните и разходните касови ордери\n"
        "(бутон \"Записа документа в касовата книга\") или направо тук.\n\n"
        "Enter записва реда и слиза на следващия; стрелките местят курсора,\n"
        "Page Up и Page Down сменят страницата; двойно щракване копира\n"
        "полето от реда отгоре.\n\n"
        "Редовете до 31.12.2025 са в лева, от 01.01.2026 в евро.\n"
        "Приключването на период заменя редовете до крайната му дата\n"
        "с един ред \"Салдо\"."_s,
        Interaction::Icon::Information, u"Помощ"_s);
}

bool KasaWindow::eventFilter(QObject *watched, QEvent *event)
{
    int row = -1, column = -1;
    for (int r = 0; r < CashPageRows && row < 0; ++r)
        for (int c = 0; c < Columns; ++c)
            if (m_cells[r][c] == watched) {
                row = r;
                column = c;
                break;
            }
    if (row < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_cursor = row;
        m_column = column;
        break;
    case QEvent::MouseButtonDblClick:
        // Quick entry: the same field of the row above.
        if (row > 0)
            m_cells[row][column]->setText(m_cells[row - 1][column]->text());
        return true;
    case QEvent::KeyPress: {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (commitRow())
                moveDown();
            return true;
        case Qt::Key_Down: moveDown(); return true;
        case Qt::Key_Up: moveUp(); return true;
        case Qt::Key_PageDown: nextPage(); return true;
        case Qt::Key_PageUp: previousPage(); return true;
        case Qt::Key_Escape: close(); return true;
        default: break;
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void KasaWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KasaWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        lastRow();
}

}  // namespace remitor
