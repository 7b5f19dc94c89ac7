// Month arithmetic of the date picker: the grid layout, days under cells and
// points, key moves, month and year choices, the date the picker opens on.
#include "rules/calendar.h"

#include <QTest>

using remitor::CalendarCell;
using remitor::CalendarMove;

Q_DECLARE_METATYPE(remitor::CalendarMove)
Q_DECLARE_METATYPE(remitor::CalendarCell)

namespace remitor {
// Found by QCOMPARE, so that a failure names the cells.
char *toString(const CalendarCell &cell)
{
    return qstrdup(QByteArray::number(cell.column) + ',' + QByteArray::number(cell.row));
}
} // namespace remitor

class TestCalendar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void monthLayout_data();
    void monthLayout();
    void dayAtCell_data();
    void dayAtCell();
    void everyDaySitsInItsOwnCell();
    void cellAtPoint_data();
    void cellAtPoint();
    void moves_data();
    void moves();
    void chooseMonth_data();
    void chooseMonth();
    void chooseYear_data();
    void chooseYear();
    void startDate_data();
    void startDate();
};

void TestCalendar::monthLayout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("firstWeekday");
    QTest::addColumn<int>("days");
    QTest::addColumn<CalendarCell>("firstCell");
    QTest::addColumn<CalendarCell>("lastCell");

    QTest::newRow("starts on Monday, four full weeks")
        << 2010 << 2 << 1 << 28 << CalendarCell{0, 0} << CalendarCell{6, 3};
    QTest::newRow("starts on Sunday, needs all six rows")
        << 2010 << 8 << 7 << 31 << CalendarCell{6, 0} << CalendarCell{1, 5};
    QTest::newRow("leap February") << 2012 << 2 << 3 << 29 << CalendarCell{2, 0}
                                   << CalendarCell{2, 4};
    QTest::newRow("1900 is no leap year") << 1900 << 2 << 4 << 28 << CalendarCell{3, 0}
                                          << CalendarCell{2, 4};
    QTest::newRow("2000 is a leap year") << 2000 << 2 << 2 << 29 << CalendarCell{1, 0}
                                         << CalendarCell{1, 4};
    QTest::newRow("last January of the list") << 2100 << 1 << 5 << 31 << CalendarCell{4, 0}
                                              << CalendarCell{6, 4};
}

void TestCalendar::monthLayout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, firstWeekday);
    QFETCH(int, days);
    QFETCH(CalendarCell, firstCell);
    QFETCH(CalendarCell, lastCell);

    QCOMPARE(remitor::FirstWeekdayOfMonth(year, month), firstWeekday);
    QCOMPARE(remitor::DaysInMonth(year, month), days);
    QCOMPARE(remitor::CellOfDay(year, month, 1), firstCell);
    QCOMPARE(remitor::CellOfDay(year, month, days), lastCell);
}

void TestCalendar::dayAtCell_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<CalendarCell>("cell");
    QTest::addColumn<int>("day");

    // August 2010 starts on a Sunday and ends on a Tuesday of the sixth row.
    QTest::newRow("Monday before the 1st") << 2010 << 8 << CalendarCell{0, 0} << 0;
    QTest::newRow("Saturday before the 1st") << 2010 << 8 << CalendarCell{5, 0} << 0;
    QTest::newRow("the 1st") << 2010 << 8 << CalendarCell{6, 0} << 1;
    QTest::newRow("start of the second row") << 2010 << 8 << CalendarCell{0, 1} << 2;
    QTest::newRow("the 31st") << 2010 << 8 << CalendarCell{1, 5} << 31;
    QTest::newRow("after the last day") << 2010 << 8 << CalendarCell{2, 5} << 0;
    QTest::newRow("last cell of the grid") << 2010 << 8 << CalendarCell{6, 5} << 0;
    // February 2010 fills four rows exactly; rows five and six are empty.
    QTest::newRow("row after a four-row month") << 2010 << 2 << CalendarCell{0, 4} << 0;
    QTest::newRow("last day of a four-row month") << 2010 << 2 << CalendarCell{6, 3} << 28;
    // A column past Sunday would otherwise name a day of the next row.
    QTest::newRow("column past Sunday") << 2010 << 8 << CalendarCell{7, 0} << 0;
    QTest::newRow("column before Monday") << 2010 << 8 << CalendarCell{-1, 1} << 0;
    QTest::newRow("row below the grid") << 2010 << 2 << CalendarCell{0, 6} << 0;
}

void TestCalendar::dayAtCell()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(CalendarCell, cell);
    QFETCH(int, day);
    QCOMPARE(remitor::DayAtCell(year, month, cell), day);
}

void TestCalendar::everyDaySitsInItsOwnCell()
{
    // Drawing and clicking use the two directions of one layout: they must agree
    // for every day the picker can show, and every day must fit into the grid.
    for (int year = remitor::kCalendarFirstYear; year <= remitor::kCalendarLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int days = remitor::DaysInMonth(year, month);
            for (int day = 1; day <= days; ++day) {
                const CalendarCell cell = remitor::CellOfDay(year, month, day);
                const bool inGrid = cell.column >= 0 && cell.column < remitor::kCalendarColumns &&
                                    cell.row >= 0 && cell.row < remitor::kCalendarRows;
                if (!inGrid || remitor::DayAtCell(year, month, cell) != day)
                    QFAIL(qPrintable(QStringLiteral("%1.%2.%3 in cell %4,%5")
                                         .arg(day)
                                         .arg(month)
                                         .arg(year)
                                         .arg(cell.column)
                                         .arg(cell.row)));
            }
        }
    }
}

void TestCalendar::cellAtPoint_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<CalendarCell>("cell");

    // 211 × 151 pixels make cells of 30 × 25, the last pixel for the closing line.
    const QSize area(211, 151);
    QTest::newRow("top-left corner") << area << QPoint(0, 0) << true << CalendarCell{0, 0};
    QTest::newRow("last pixel of the first cell") << area << QPoint(29, 24) << true
                                                  << CalendarCell{0, 0};
    QTest::newRow("first pixel of the next cell") << area << QPoint(30, 25) << true
                                                  << CalendarCell{1, 1};
    QTest::newRow("last cell") << area << QPoint(209, 149) << true << CalendarCell{6, 5};
    QTest::newRow("closing line on the right") << area << QPoint(210, 10) << false
                                               << CalendarCell{};
    QTest::newRow("closing line at the bottom") << area << QPoint(10, 150) << false
                                                << CalendarCell{};
    // An area that does not divide evenly leaves a strip past the last column.
    QTest::newRow("strip past Sunday") << QSize(224, 151) << QPoint(220, 10) << false
                                       << CalendarCell{};
    QTest::newRow("left of the grid") << area << QPoint(-1, 10) << false << CalendarCell{};
    QTest::newRow("area too small for cells") << QSize(7, 6) << QPoint(0, 0) << false
                                              << CalendarCell{};
}

void TestCalendar::cellAtPoint()
{
    QFETCH(QSize, area);
    QFETCH(QPoint, pos);
    QFETCH(bool, inside);
    QFETCH(CalendarCell, cell);

    const std::optional<CalendarCell> found = remitor::CalendarCellAt(pos, area);
    QCOMPARE(found.has_value(), inside);
    if (inside)
        QCOMPARE(*found, cell);
}

void TestCalendar::moves_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<CalendarMove>("move");
    QTest::addColumn<QDate>("to");

    QTest::newRow("31 Jan + month, common year")
        << QDate(2010, 1, 31) << CalendarMove::NextMonth << QDate(2010, 2, 28);
    QTest::newRow("31 Jan + month, leap year")
        << QDate(2012, 1, 31) << CalendarMove::NextMonth << QDate(2012, 2, 29);
    QTest::newRow("31 Jan + month, 1900") << QDate(1900, 1, 31) << CalendarMove::NextMonth
                                          << QDate(1900, 2, 28);
    QTest::newRow("31 Mar - month") << QDate(2010, 3, 31) << CalendarMove::PreviousMonth
                                    << QDate(2010, 2, 28);
    QTest::newRow("day kept where the month has it")
        << QDate(2010, 2, 28) << CalendarMove::NextMonth << QDate(2010, 3, 28);
    QTest::newRow("month across the year end")
        << QDate(2010, 12, 31) << CalendarMove::NextMonth << QDate(2011, 1, 31);
    QTest::newRow("day across the year end")
        << QDate(2010, 12, 31) << CalendarMove::NextDay << QDate(2011, 1, 1);
    QTest::newRow("day back onto 29 Feb")
        << QDate(2012, 3, 1) << CalendarMove::PreviousDay << QDate(2012, 2, 29);
    QTest::newRow("week across the month end")
        << QDate(2010, 1, 28) << CalendarMove::NextWeek << QDate(2010, 2, 4);
    QTest::newRow("week across the year end")
        << QDate(2010, 12, 29) << CalendarMove::NextWeek << QDate(2011, 1, 5);
    QTest::newRow("week back across the year end")
        << QDate(2011, 1, 3) << CalendarMove::PreviousWeek << QDate(2010, 12, 27);
    // The year list ends at 1900 and 2100; the picker stays inside.
    QTest::newRow("day past 2100") << QDate(2100, 12, 31) << CalendarMove::NextDay
                                   << QDate(2100, 12, 31);
    QTest::newRow("week before 1900") << QDate(1900, 1, 3) << CalendarMove::PreviousWeek
                                      << QDate(1900, 1, 3);
    QTest::newRow("month past 2100") << QDate(2100, 12, 15) << CalendarMove::NextMonth
                                     << QDate(2100, 12, 15);
    QTest::newRow("last week of 2100") << QDate(2100, 12, 24) << CalendarMove::NextWeek
                                       << QDate(2100, 12, 31);
}

void TestCalendar::moves()
{
    QFETCH(QDate, from);
    QFETCH(CalendarMove, move);
    QFETCH(QDate, to);
    QCOMPARE(remitor::MoveCalendarDate(from, move), to);
}

void TestCalendar::chooseMonth_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("month");
    QTest::addColumn<QDate>("to");

    QTest::newRow("31 Jan, February chosen") << QDate(2010, 1, 31) << 2 << QDate(2010, 2, 1);
    QTest::newRow("29 Feb, December chosen") << QDate(2012, 2, 29) << 12 << QDate(2012, 12, 1);
    QTest::newRow("back to January") << QDate(2010, 12, 31) << 1 << QDate(2010, 1, 1);
}

void TestCalendar::chooseMonth()
{
    QFETCH(QDate, from);
    QFETCH(int, month);
    QFETCH(QDate, to);
    QCOMPARE(remitor::ChooseCalendarMonth(from, month), to);
}

void TestCalendar::chooseYear_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("to");

    QTest::newRow("day and month kept") << QDate(2010, 6, 15) << 1999 << QDate(1999, 6, 15);
    QTest::newRow("29 Feb into a common year") << QDate(2012, 2, 29) << 2013 << QDate(2013, 2, 28);
    QTest::newRow("29 Feb into a leap year") << QDate(2012, 2, 29) << 2016 << QDate(2016, 2, 29);
    QTest::newRow("29 Feb into 1900") << QDate(2000, 2, 29) << 1900 << QDate(1900, 2, 28);
    QTest::newRow("year past the list") << QDate(2010, 6, 15) << 2101 << QDate(2010, 6, 15);
}

void TestCalendar::chooseYear()
{
    QFETCH(QDate, from);
    QFETCH(int, year);
    QFETCH(QDate, to);
    QCOMPARE(remitor::ChooseCalendarYear(from, year), to);
}

void TestCalendar::startDate_data()
{
    QTest::addColumn<QDate>("userDate");
    QTest::addColumn<QDate>("lastPicked");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("start");

    const QDate today(2010, 3, 9);
    QTest::newRow("the caller's date") << QDate(2010, 1, 31) << QDate(2005, 5, 5) << today
                                       << QDate(2010, 1, 31);
    QTest::newRow("empty field: last picked date") << QDate() << QDate(2005, 5, 5) << today
                                                   << QDate(2005, 5, 5);
    QTest::newRow("old zero date: last picked date") << QDate(1899, 12, 30) << QDate(2005, 5, 5)
                                                     << today << QDate(2005, 5, 5);
    QTest::newRow("nothing set: today") << QDate() << QDate() << today << today;
    QTest::newRow("today past the list") << QDate() << QDate() << QDate(2150, 1, 1)
                                         << QDate(2100, 12, 31);
}

void TestCalendar::startDate()
{
    QFETCH(QDate, userDate);
    QFETCH(QDate, lastPicked);
    QFETCH(QDate, today);
    QFETCH(QDate, start);
    QCOMPARE(remitor::CalendarStartDate(userDate, lastPicked, today), start);
}

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
