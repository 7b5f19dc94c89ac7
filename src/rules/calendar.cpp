#include "rules/calendar.h"

#include <algorithm>

namespace remitor {

namespace {

QDate firstDate() { return QDate(kCalendarFirstYear, 1, 1); }
QDate lastDate() { return QDate(kCalendarLastYear, 12, 31); }

// Place of `day` counted along the grid from the top-left cell, 0-based.
int gridIndex(int year, int month, int day)
{
    return FirstWeekdayOfMonth(year, month) - 1 + day - 1;
}

} // namespace

bool IsInCalendarRange(const QDate &date)
{
    return date.isValid() && date >= firstDate() && date <= lastDate();
}

int FirstWeekdayOfMonth(int year, int month)
{
    return QDate(year, month, 1).dayOfWeek();
}

int DaysInMonth(int year, int month)
{
    const QDate first(year, month, 1);
    return int(first.daysTo(first.addMonths(1)));
}

CalendarCell CellOfDay(int year, int month, int day)
{
    const int index = gridIndex(year, month, day);
    return {index % kCalendarColumns, index / kCalendarColumns};
}

int DayAtCell(int year, int month, CalendarCell cell)
{
    if (cell.column < 0 || cell.column >= kCalendarColumns || cell.row < 0 ||
        cell.row >= kCalendarRows)
        return 0;
    const int day =
        cell.column + 1 + cell.row * kCalendarColumns - (FirstWeekdayOfMonth(year, month) - 1);
    return day >= 1 && day <= DaysInMonth(year, month) ? day : 0;
}

QSize CalendarCellSize(const QSize &area)
{
    return {(area.width() - 1) / kCalendarColumns, (area.height() - 1) / kCalendarRows};
}

std::optional<CalendarCell> CalendarCellAt(const QPoint &pos, const QSize &area)
{
    const QSize cell = CalendarCellSize(area);
    if (cell.width() <= 0 || cell.height() <= 0 || pos.x() < 0 || pos.y() < 0)
        return std::nullopt;
    const int column = pos.x() / cell.width();
    const int row = pos.y() / cell.height();
    if (column >= kCalendarColumns || row >= kCalendarRows)
        return std::nullopt;
    return CalendarCell{column, row};
}

QDate MoveCalendarDate(const QDate &date, CalendarMove move)
{
    QDate target;
    switch (move) {
    case CalendarMove::NextDay:
        target = date.addDays(1);
        break;
    case CalendarMove::PreviousDay:
        target = date.addDays(-1);
        break;
    case CalendarMove::NextWeek:
        target = date.addDays(7);
        break;
    case CalendarMove::PreviousWeek:
        target = date.addDays(-7);
        break;
    case CalendarMove::NextMonth:
        target = date.addMonths(1);  // Qt takes the month's last day when the day is missing
        break;
    case CalendarMove::PreviousMonth:
        target = date.addMonths(-1);
        break;
    }
    return IsInCalendarRange(target) ? target : date;
}

QDate ChooseCalendarMonth(const QDate &date, int month)
{
    if (month < 1 || month > 12 || !date.isValid())
        return date;
    return QDate(date.year(), month, 1);
}

QDate ChooseCalendarYear(const QDate &date, int year)
{
    if (year < kCalendarFirstYear || year > kCalendarLastYear || !date.isValid())
        return date;
    const int day = std::min(date.day(), DaysInMonth(year, date.month()));
    return QDate(year, date.month(), day);
}

QDate CalendarStartDate(const QDate &userDate, const QDate &lastPickedDate, const QDate &today)
{
    if (IsInCalendarRange(userDate))
        return userDate;
    if (IsInCalendarRange(lastPickedDate))
        return lastPickedDate;
    const QDate now = today.isValid() ? today : QDate::currentDate();
    return std::clamp(now, firstDate(), lastDate());
}

} // namespace remitor
