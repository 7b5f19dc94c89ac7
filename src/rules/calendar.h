#pragma once

#include <QDate>
#include <QPoint>
#include <QSize>

#include <optional>

namespace remitor {

// Month arithmetic of the date picker. A month is laid out on a grid of 7
// columns (Monday first) by 6 rows: six weeks are enough for every month, even
// a 31-day month that starts on a Sunday. Columns and rows count from 0.

inline constexpr int kCalendarColumns = 7;
inline constexpr int kCalendarRows = 6;

// The years the picker's year list offers; the picker never leaves them.
inline constexpr int kCalendarFirstYear = 1900;
inline constexpr int kCalendarLastYear = 2100;

struct CalendarCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const CalendarCell &, const CalendarCell &) = default;
};

enum class CalendarMove {
    NextDay,
    PreviousDay,
    NextWeek,
    PreviousWeek,
    NextMonth,      // the same day, or the month's last day when it has no such day
    PreviousMonth,  // likewise
};

// A valid date whose year is in the year list.
bool IsInCalendarRange(const QDate &date);

// Weekday of the 1st of the month, Monday = 1 … Sunday = 7.
int FirstWeekdayOfMonth(int year, int month);
int DaysInMonth(int year, int month);

// The cell that shows `day` of the month.
CalendarCell CellOfDay(int year, int month, int day);
// The day shown in `cell`, or 0 for an empty cell before the 1st or after the
// month's last day, or a cell outside the grid.
int DayAtCell(int year, int month, CalendarCell cell);

// One day cell of a drawing area of `area` pixels: one pixel is kept for the
// closing grid line, the rest divided into whole pixels.
QSize CalendarCellSize(const QSize &area);
// The cell under `pos` in a drawing area of `area` pixels; no value outside
// the 7 × 6 cells (the strip left over by the division included), since a
// cell number past the last column would name a day of the next row.
std::optional<CalendarCell> CalendarCellAt(const QPoint &pos, const QSize &area);

// The date after a key move. A move that would leave the years of the list
// gives `date` unchanged.
QDate MoveCalendarDate(const QDate &date, CalendarMove move);
// Choosing a month in the month list (1 … 12): the 1st of that month in the
// year of `date`.
QDate ChooseCalendarMonth(const QDate &date, int month);
// Choosing a year: the same day and month in that year; 29 February in a
// year that has no such day becomes the 28th. A year outside the list gives
// `date` unchanged.
QDate ChooseCalendarYear(const QDate &date, int year);

// The date the picker opens on: the caller's date when it is a date of the
// year list; otherwise (an empty field, a date far in the past) the last
// picked date, or failing that today, brought into the list's years.
QDate CalendarStartDate(const QDate &userDate, const QDate &lastPickedDate, const QDate &today);

} // namespace remitor
