// Month arithmetic of the date picker: the grid layout, days under cells and
// points, key moves, month and year choices, the date the picker opens on.
#include "rules/calendar.h"

#include <QTest>

using remitor::CalendarCell;
using remitor::CalendarMove;

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
    void emptyCells();
    void everyDaySitsInItsOwnCell();
    void cellAtPoint_data();
    void cellAtPoint();
    void dateChanges_data();
    void dateChanges();
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

// August 2010 starts on a Sunday and ends on a Tuesday of the sixth row. A
// column past Sunday or before Monday would otherwise name a day of another row.
void TestCalendar::emptyCells()
{
    for (const CalendarCell cell : {CalendarCell{0, 0}, CalendarCell{2, 5}, CalendarCell{7, 0},
                                    CalendarCell{-1, 1}})
        QVERIFY2(remitor::DayAtCell(2010, 8, cell) == 0,
                 qPrintable(QStringLiteral("%1,%2").arg(cell.column).arg(cell.row)));
}

// Drawing and clicking use the two directions of one layout: they must agree
// for every day the picker can show.
void TestCalendar::everyDaySitsInItsOwnCell()
{
    for (QDate d(remitor::kCalendarFirstYear, 1, 1); d.year() <= remitor::kCalendarLastYear;
         d = d.addDays(1)) {
        const CalendarCell cell = remitor::CellOfDay(d.year(), d.month(), d.day());
        if (remitor::DayAtCell(d.year(), d.month(), cell) != d.day())
            QFAIL(qPrintable(d.toString(Qt::ISODate)));
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
    QTest::newRow("last pixel of the first cell") << area << QPoint(29, 24) << true
                                                  << CalendarCell{0, 0};
    QTest::newRow("first pixel of the next cell") << area << QPoint(30, 25) << true
                                                  << CalendarCell{1, 1};
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

// Key moves, and choices in the month and year lists.
void TestCalendar::dateChanges_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("change");  // "move", "month" or "year"
    QTest::addColumn<int>("value");       // the CalendarMove, month or year
    QTest::addColumn<QDate>("to");

    const auto row = [](const char *name, QDate from, const char *change, int value, QDate to) {
        QTest::newRow(name) << from << QString::fromLatin1(change) << value << to;
    };
    using M = CalendarMove;
    row("31 Jan + month", QDate(2010, 1, 31), "move", int(M::NextMonth), QDate(2010, 2, 28));
    row("31 Mar - month", QDate(2010, 3, 31), "move", int(M::PreviousMonth), QDate(2010, 2, 28));
    row("day across the year end", QDate(2010, 12, 31), "move", int(M::NextDay), QDate(2011, 1, 1));
    row("day back onto 29 Feb", QDate(2012, 3, 1), "move", int(M::PreviousDay), QDate(2012, 2, 29));
    row("week across the month end", QDate(2010, 1, 28), "move", int(M::NextWeek),
        QDate(2010, 2, 4));
    row("week back across the year end", QDate(2011, 1, 3), "move", int(M::PreviousWeek),
        QDate(2010, 12, 27));
    // The year list ends at 1900 and 2100; the picker stays inside.
    row("day past 2100", QDate(2100, 12, 31), "move", int(M::NextDay), QDate(2100, 12, 31));
    row("week before 1900", QDate(1900, 1, 3), "move", int(M::PreviousWeek), QDate(1900, 1, 3));
    row("last week of 2100", QDate(2100, 12, 24), "move", int(M::NextWeek), QDate(2100, 12, 31));
    row("31 Jan, February chosen", QDate(2010, 1, 31), "month", 2, QDate(2010, 2, 1));
    row("29 Feb, December chosen", QDate(2012, 2, 29), "month", 12, QDate(2012, 12, 1));
    row("year: day and month kept", QDate(2010, 6, 15), "year", 1999, QDate(1999, 6, 15));
    row("29 Feb into a common year", QDate(2012, 2, 29), "year", 2013, QDate(2013, 2, 28));
    row("29 Feb into a leap year", QDate(2012, 2, 29), "year", 2016, QDate(2016, 2, 29));
    row("year past the list", QDate(2010, 6, 15), "year", 2101, QDate(2010, 6, 15));
}

void TestCalendar::dateChanges()
{
    QFETCH(QDate, from);
    QFETCH(QString, change);
    QFETCH(int, value);
    QFETCH(QDate, to);
    QCOMPARE(change == u"month"  ? remitor::ChooseCalendarMonth(from, value)
             : change == u"year" ? remitor::ChooseCalendarYear(from, value)
                                 : remitor::MoveCalendarDate(from, CalendarMove(value)),
             to);
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
