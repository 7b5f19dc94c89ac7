#include "rules/gui/calendar_dialog.h"

#include "base/gui/screen_fit.h"
#include "rules/calendar.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

constexpr std::array<const char16_t *, 12> kMonthNames = {
    u"Януари", u"Февруари", u"Март",      u"Април",    u"Май",     u"Юни",
    u"Юли",    u"Август",   u"Септември", u"Октомври", u"Ноември", u"Декември"};

constexpr std::array<const char16_t *, kCalendarColumns> kWeekdayCaptions = {
    u"П", u"В", u"С", u"Ч", u"П", u"С", u"Н"};

// Saturday and Sunday are set apart, as on a wall calendar.
bool isWeekendColumn(int column) { return column >= 5; }
QColor weekendColor() { return QColor(0xa0, 0x10, 0x10); }

// Cell size from the font, so that two digits have room on any screen.
QSize cellSizeFor(const QFontMetrics &metrics)
{
    const int digits = metrics.horizontalAdvance(u"88"_s);
    return {std::max(digits + 18, 30), std::max(metrics.height() + 10, 24)};
}

} // namespace

// The month grid. It draws the month of the shown date and reports what the
// user does; the dialog decides what becomes of it.
class CalendarGrid : public QWidget {
    Q_OBJECT
public:
    CalendarGrid(const QDate &shown, const QDate &today, QWidget *parent)
        : QWidget(parent), m_shown(shown), m_today(today)
    {
        setObjectName(u"picCalendar"_s);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        const QSize cell = cellSizeFor(fontMetrics());
        // One pixel more than the cells, for the closing grid line.
        setFixedSize(cell.width() * kCalendarColumns + 1, cell.height() * kCalendarRows + 1);
    }

    int cellWidth() const { return CalendarCellSize(size()).width(); }

    void setShownDate(const QDate &date)
    {
        const bool sameMonth =
            date.year() == m_shown.year() && date.month() == m_shown.month();
        if (sameMonth) {
            // Only the highlight moves.
            update(cellRect(CellOfDay(m_shown.year(), m_shown.month(), m_shown.day())));
            update(cellRect(CellOfDay(date.year(), date.month(), date.day())));
        } else {
            update();
        }
        m_shown = date;
    }

Q_SIGNALS:
    void dayPicked(const QDate &date);
    void moveRequested(remitor::CalendarMove move);
    void acceptRequested();
    void cancelRequested();

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QPalette &pal = palette();
        const QSize cell = CalendarCellSize(size());
        const int year = m_shown.year();
        const int month = m_shown.month();
        const bool todayShown = m_today.year() == year && m_today.month() == month;

        p.fillRect(rect(), pal.color(QPalette::Base));

        // Cells before the 1st and after the last day are shaded: they are no days.
        for (int row = 0; row < kCalendarRows; ++row) {
            for (int column = 0; column < kCalendarColumns; ++column) {
                if (DayAtCell(year, month, {column, row}) == 0)
                    p.fillRect(cellRect({column, row}), pal.color(QPalette::Window));
            }
        }

        p.setPen(pal.color(QPalette::Midlight).darker(115));
        const int gridWidth = cell.width() * kCalendarColumns;
        const int gridHeight = cell.height() * kCalendarRows;
        for (int column = 1; column < kCalendarColumns; ++column)
            p.drawLine(column * cell.width(), 0, column * cell.width(), gridHeight);
        for (int row = 1; row < kCalendarRows; ++row)
            p.drawLine(0, row * cell.height(), gridWidth, row * cell.height());

        QFont plain = font();
        QFont marked = plain;
        marked.setBold(true);

        const int days = DaysInMonth(year, month);
        for (int day = 1; day <= days; ++day) {
            const CalendarCell at = CellOfDay(year, month, day);
            const QRect box = cellRect(at);
            const bool current = day == m_shown.day();
            if (current)
                p.fillRect(box, pal.color(hasFocus() ? QPalette::Active : QPalette::Inactive,
                                          QPalette::Highlight));
            p.setFont(todayShown && day == m_today.day() ? marked : plain);
            if (current)
                p.setPen(pal.color(QPalette::HighlightedText));
            else if (isWeekendColumn(at.column))
                p.setPen(weekendColor());
            else
                p.setPen(pal.color(QPalette::Text));
            p.drawText(box, Qt::AlignCenter, QString::number(day));
        }

        // The outer frame shows whether the keys go to the grid.
        p.setPen(hasFocus() ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid));
        p.drawRect(0, 0, gridWidth, gridHeight);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return QWidget::mousePressEvent(event);
        const QDate day = dayAt(event->position().toPoint());
        if (day.isValid())
            Q_EMIT dayPicked(day);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return QWidget::mouseDoubleClickEvent(event);
        // A double click on an empty cell picks nothing, so it accepts nothing.
        const QDate day = dayAt(event->position().toPoint());
        if (!day.isValid())
            return;
        Q_EMIT dayPicked(day);
        Q_EMIT acceptRequested();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Right:
            Q_EMIT moveRequested(CalendarMove::NextDay);
            break;
        case Qt::Key_Left:
            Q_EMIT moveRequested(CalendarMove::PreviousDay);
            break;
        case Qt::Key_Down:
            Q_EMIT moveRequested(CalendarMove::NextWeek);
            break;
        case Qt::Key_Up:
            Q_EMIT moveRequested(CalendarMove::PreviousWeek);
            break;
        case Qt::Key_PageDown:
            Q_EMIT moveRequested(CalendarMove::NextMonth);
            break;
        case Qt::Key_PageUp:
            Q_EMIT moveRequested(CalendarMove::PreviousMonth);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Q_EMIT acceptRequested();
            break;
        case Qt::Key_Escape:
            Q_EMIT cancelRequested();
            break;
        default:
            return QWidget::keyPressEvent(event);
        }
        event->accept();
    }

    void focusInEvent(QFocusEvent *event) override
    {
        update();
        QWidget::focusInEvent(event);
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        update();
        QWidget::focusOutEvent(event);
    }

private:
    QRect cellRect(CalendarCell at) const
    {
        const QSize cell = CalendarCellSize(size());
        // Inside the grid lines.
        return {at.column * cell.width() + 1, at.row * cell.height() + 1, cell.width() - 1,
                cell.height() - 1};
    }

    QDate dayAt(const QPoint &pos) const
    {
        const std::optional<CalendarCell> at = CalendarCellAt(pos, size());
        const int day = at ? DayAtCell(m_shown.year(), m_shown.month(), *at) : 0;
        return day ? QDate(m_shown.year(), m_shown.month(), day) : QDate();
    }

    QDate m_shown;
    QDate m_today;
};

CalendarDialog::CalendarDialog(const QDate &startDate, QDate &lastPickedDate, const QDate &today,
                               QWidget *parent)
    : QDialog(parent),
      m_date(CalendarStartDate(startDate, lastPickedDate, today)),
      m_lastPicked(lastPickedDate)
{
    setObjectName(u"frmCalendar"_s);
    setWindowTitle(u"Календар"_s);
    setModal(true);

    m_months = new QComboBox(this);
    m_months->setObjectName(u"cboMonth"_s);
    for (const char16_t *name : kMonthNames)
        m_months->addItem(QString::fromUtf16(name));
    m_months->setMaxVisibleItems(12);

    m_years = new QComboBox(this);
    m_years->setObjectName(u"cboYear"_s);
    for (int year = kCalendarFirstYear; year <= kCalendarLastYear; ++year)
        m_years->addItem(QString::number(year), year);
    m_years->setMaxVisibleItems(15);

    const QDate marked = today.isValid() ? today : QDate::currentDate();
    m_grid = new CalendarGrid(m_date, marked, this);
    const int cellWidth = m_grid->cellWidth();

    auto *captions = new QHBoxLayout;
    captions->setContentsMargins(0, 0, 0, 2);
    captions->setSpacing(0);
    for (int column = 0; column < kCalendarColumns; ++column) {
        auto *caption = new QLabel(QString::fromUtf16(kWeekdayCaptions[column]), this);
        caption->setAlignment(Qt::AlignCenter);
        caption->setFixedWidth(cellWidth);
        QFont font = caption->font();
        font.setBold(true);
        caption->setFont(font);
        if (isWeekendColumn(column)) {
            QPalette pal = caption->palette();
            pal.setColor(QPalette::WindowText, weekendColor());
            caption->setPalette(pal);
        }
        captions->addWidget(caption);
    }
    captions->addStretch();

    auto *lists = new QHBoxLayout;
    lists->setSpacing(6);
    lists->addWidget(m_months, 1);
    lists->addWidget(m_years);

    auto *choose = new QPushButton(u"Избор"_s, this);
    choose->setObjectName(u"cmdOK"_s);
    choose->setDefault(true);
    auto *cancel = new QPushButton(u"Отказ"_s, this);
    cancel->setObjectName(u"cmdCancel"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(choose);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(6);
    layout->addLayout(lists);
    layout->addSpacing(4);
    auto *month = new QVBoxLayout;
    month->setSpacing(0);
    month->addLayout(captions);
    month->addWidget(m_grid);
    layout->addLayout(month);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    m_months->setCurrentIndex(m_date.month() - 1);
    m_years->setCurrentIndex(m_date.year() - kCalendarFirstYear);

    // `activated` comes only from the user, so setting the lists from
    // setCurrentDate does not choose a month (which would jump to the 1st).
    connect(m_months, &QComboBox::activated, this, &CalendarDialog::monthChosen);
    connect(m_years, &QComboBox::activated, this, &CalendarDialog::yearChosen);
    connect(m_grid, &CalendarGrid::dayPicked, this, &CalendarDialog::setCurrentDate);
    connect(m_grid, &CalendarGrid::moveRequested, this,
            [this](CalendarMove move) { setCurrentDate(MoveCalendarDate(m_date, move)); });
    connect(m_grid, &CalendarGrid::acceptRequested, this, &CalendarDialog::accept);
    connect(m_grid, &CalendarGrid::cancelRequested, this, &CalendarDialog::reject);
    connect(choose, &QPushButton::clicked, this, &CalendarDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CalendarDialog::reject);

    m_grid->setFocus();
}

void CalendarDialog::setCurrentDate(const QDate &date)
{
    if (!IsInCalendarRange(date) || date == m_date)
        return;
    m_grid->setShownDate(date);
    m_date = date;
    m_months->setCurrentIndex(date.month() - 1);
    m_years->setCurrentIndex(date.year() - kCalendarFirstYear);
    m_lastPicked = date;
}

void CalendarDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placeAt)
        return;
    // Beside a field near the screen's edge the dialog would stick out; the
    // window frame is known only now.
    FitOnScreen(this, *m_placeAt);
}

void CalendarDialog::accept()
{
    m_chosen = true;
    m_lastPicked = m_date;
    QDialog::accept();
}

void CalendarDialog::monthChosen(int index)
{
    setCurrentDate(ChooseCalendarMonth(m_date, index + 1));
}

void CalendarDialog::yearChosen(int index)
{
    setCurrentDate(ChooseCalendarYear(m_date, m_years->itemData(index).toInt()));
}

bool CalendarDialog::GetDate(QWidget *parent, QDate &userDate, QDate &lastPickedDate,
                             const QString &title, const QDate &today)
{
    CalendarDialog dialog(userDate, lastPickedDate, today, parent);
    return dialog.run(userDate, title, std::nullopt);
}

bool CalendarDialog::GetDate(QWidget *parent, const QPoint &topLeft, QDate &userDate,
                             QDate &lastPickedDate, const QString &title, const QDate &today)
{
    CalendarDialog dialog(userDate, lastPickedDate, today, parent);
    return dialog.run(userDate, title, topLeft);
}

bool CalendarDialog::run(QDate &userDate, const QString &title,
                         const std::optional<QPoint> &topLeft)
{
    if (!title.isEmpty())
        setWindowTitle(title);
    if (topLeft) {
        m_placeAt = *topLeft;
        move(*topLeft);  // marks the window as placed, so Qt does not centre it
    }
    if (exec() != QDialog::Accepted || !m_chosen)
        return false;
    userDate = m_date;
    return true;
}

} // namespace remitor

#include "calendar_dialog.moc"
