// The date picker and the text prompt driven like a user would: real keys and
// mouse clicks on the month grid, the lists and the buttons of the modal dialogs.
#include "rules/gui/calendar_dialog.h"
#include "rules/gui/input_dialog.h"
#include "support/typing.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using remitor::CalendarDialog;
using remitor::InputDialog;

namespace {

const QDate kToday(2010, 3, 9);
const QDate kEarlier(2005, 5, 5);  // the last picked date before the picker opens

// Runs `user` once the modal dialog `name` is open. Should the script leave it
// open (a failed check), it is closed with a result no caller expects, so that
// the test goes on and reports instead of hanging.
void whenOpen(const QString &name, std::function<void(QDialog *)> user)
{
    QTimer::singleShot(0, [name, user] {
        QDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName() == name)
                dialog = qobject_cast<QDialog *>(w);
        }
        QVERIFY2(dialog, qPrintable(name));
        user(dialog);
        if (dialog->isVisible())
            dialog->done(-1);
    });
}

QWidget *gridOf(QDialog *dialog) { return dialog->findChild<QWidget *>(u"picCalendar"_s); }

// The picker's date and what its month and year lists show: "28.02.2010 Февруари 2010".
QString shownIn(CalendarDialog *dialog)
{
    return dialog->currentDate().toString(u"dd.MM.yyyy"_s) + u' '
           + dialog->findChild<QComboBox *>(u"cboMonth"_s)->currentText() + u' '
           + dialog->findChild<QComboBox *>(u"cboYear"_s)->currentText();
}

// The centre of a day cell, reckoned from the grid's size as the dialog
// reckons it: cells of (width − 1) / 7 by (height − 1) / 6 pixels.
QPoint cellCentre(QWidget *grid, int column, int row)
{
    const int width = (grid->width() - 1) / 7;
    const int height = (grid->height() - 1) / 6;
    return {column * width + width / 2, row * height + height / 2};
}

struct Outcome {
    bool accepted;
    QDate userDate;    // the caller's date afterwards
    QDate lastPicked;  // the program-wide date afterwards
    QString title;     // the caption while open
};

using PickerUser = std::function<void(CalendarDialog *, QWidget *grid, const Outcome &now)>;

// Opens the picker on `start`, the last picked date being kEarlier, and lets
// `user` work its grid while it is open.
Outcome runPicker(const QDate &start, const PickerUser &user)
{
    Outcome out{false, start, kEarlier, {}};
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) {
        QWidget *grid = gridOf(dialog);
        QVERIFY(grid);
        out.title = dialog->windowTitle();
        user(static_cast<CalendarDialog *>(dialog), grid, out);
    });
    out.accepted = CalendarDialog::GetDate(nullptr, out.userDate, out.lastPicked,
                                           u"Дата на подаване"_s, kToday);
    return out;
}

} // namespace

class TestCalendarDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data();
    void keys();
    void clicks_data();
    void clicks();
    void placedOnTheScreen();
    void text_data();
    void text();
};

void TestCalendarDialog::keys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("target");   // the grid or one of the lists
    QTest::addColumn<QList<int>>("keys");  // the last goes to the grid; 0 clicks Отказ, -1 closes
    QTest::addColumn<QString>("shown");    // the picker before the last key
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QDate>("userDate");
    QTest::addColumn<QDate>("lastPicked");

    const QString grid = u"picCalendar"_s;
    const QDate jan31(2010, 1, 31);
    const QDate feb28(2010, 2, 28);
    QTest::newRow("Page Down from 31.01")
        << jan31 << grid << QList<int>{Qt::Key_PageDown, Qt::Key_Return}
        << u"28.02.2010 Февруари 2010"_s << true << feb28 << feb28;
    QTest::newRow("Page Up keeps the day")
        << QDate(2010, 3, 15) << grid << QList<int>{Qt::Key_PageUp, Qt::Key_Return}
        << u"15.02.2010 Февруари 2010"_s << true << QDate(2010, 2, 15) << QDate(2010, 2, 15);
    QTest::newRow("arrows across the year end")
        << QDate(2010, 12, 31) << grid
        << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up,
                      Qt::Key_Enter}
        << u"07.01.2011 Януари 2011"_s << true << QDate(2011, 1, 7) << QDate(2011, 1, 7);
    QTest::newRow("other keys do nothing")
        << QDate(2010, 6, 15) << grid
        << QList<int>{Qt::Key_A, Qt::Key_Home, Qt::Key_Space, Qt::Key_Return}
        << u"15.06.2010 Юни 2010"_s << true << QDate(2010, 6, 15) << QDate(2010, 6, 15);
    // The last picked date follows the user even when the picker is cancelled.
    QTest::newRow("Escape after a move")
        << jan31 << grid << QList<int>{Qt::Key_PageDown, Qt::Key_Escape}
        << u"28.02.2010 Февруари 2010"_s << false << jan31 << feb28;
    QTest::newRow("closing the window") << jan31 << grid << QList<int>{-1}
        << u"31.01.2010 Януари 2010"_s << false << jan31 << kEarlier;
    QTest::newRow("empty field: last picked date, Отказ")
        << QDate() << grid << QList<int>{0} << u"05.05.2005 Май 2005"_s << false << QDate()
        << kEarlier;
    // A choice in a list goes back into the grid, where Enter accepts it.
    QTest::newRow("next month from the 31st: the 1st")
        << jan31 << u"cboMonth"_s << QList<int>{Qt::Key_Down, Qt::Key_Return}
        << u"01.02.2010 Февруари 2010"_s << true << QDate(2010, 2, 1) << QDate(2010, 2, 1);
    QTest::newRow("29 Feb, next year")
        << QDate(2012, 2, 29) << u"cboYear"_s << QList<int>{Qt::Key_Down, Qt::Key_Return}
        << u"28.02.2013 Февруари 2013"_s << true << QDate(2013, 2, 28) << QDate(2013, 2, 28);
}

void TestCalendarDialog::keys()
{
    QFETCH(QDate, start);
    QFETCH(QString, target);
    QFETCH(QList<int>, keys);
    QFETCH(QString, shown);
    QFETCH(bool, accepted);
    QFETCH(QDate, userDate);
    QFETCH(QDate, lastPicked);

    QString shownBeforeLast;
    const Outcome out = runPicker(start, [&](CalendarDialog *dialog, QWidget *grid,
                                             const Outcome &) {
        QWidget *first = dialog->findChild<QWidget *>(target);
        QVERIFY(first);
        for (int key : keys.first(keys.size() - 1))
            QTest::keyClick(first, Qt::Key(key));
        shownBeforeLast = shownIn(dialog);
        if (keys.last() == 0)
            dialog->findChild<QPushButton *>(u"cmdCancel"_s)->click();
        else if (keys.last() == -1)
            dialog->close();
        else
            QTest::keyClick(grid, Qt::Key(keys.last()));
    });
    QCOMPARE(out.accepted, accepted);
    QCOMPARE(out.userDate, userDate);
    QCOMPARE(out.lastPicked, lastPicked);
    QCOMPARE(shownBeforeLast, shown);
    QCOMPARE(out.title, u"Дата на подаване"_s);
}

void TestCalendarDialog::clicks_data()
{
    QTest::addColumn<QPoint>("cell");  // column -1: the grid's closing line past Sunday
    QTest::addColumn<bool>("twice");
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<QDate>("shown");

    // August 2010 starts on a Sunday (last column) and ends on a Tuesday of row six.
    const QDate aug15(2010, 8, 15);
    QTest::newRow("the 1st") << QPoint(6, 0) << false << true << QDate(2010, 8, 1);
    QTest::newRow("empty cell before the 1st") << QPoint(0, 0) << false << true << aug15;
    QTest::newRow("double click on a day") << QPoint(3, 2) << true << false << QDate(2010, 8, 12);
    // Reading the closing line as an eighth column would pick the 2nd, the
    // first day of the next row.
    QTest::newRow("double click on the line past Sunday") << QPoint(-1, 0) << true << true << aug15;
}

// One click picks a day and leaves the picker open; a double click on a day
// accepts it. Enter then accepts whatever the grid shows.
void TestCalendarDialog::clicks()
{
    QFETCH(QPoint, cell);
    QFETCH(bool, twice);
    QFETCH(bool, stillOpen);
    QFETCH(QDate, shown);

    const QDate aug15(2010, 8, 15);
    bool openAfterClick = false;
    QDate shownAfterClick, lastAfterClick;
    const Outcome out = runPicker(aug15, [&](CalendarDialog *dialog, QWidget *grid,
                                             const Outcome &now) {
        const QPoint at = cell.x() < 0 ? QPoint(grid->width() - 1, cellCentre(grid, 0, 0).y())
                                       : cellCentre(grid, cell.x(), cell.y());
        if (twice)
            QTest::mouseDClick(grid, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(grid, Qt::LeftButton, {}, at);
        openAfterClick = dialog->isVisible();
        shownAfterClick = dialog->currentDate();
        lastAfterClick = now.lastPicked;
        if (openAfterClick)
            QTest::keyClick(grid, Qt::Key_Return);
    });
    QVERIFY(out.accepted);
    QCOMPARE(openAfterClick, stillOpen);
    QCOMPARE(shownAfterClick, shown);
    QCOMPARE(out.userDate, shown);
    // An empty cell is no change, so the last picked date stays until Enter.
    QCOMPARE(lastAfterClick, shown == aug15 ? kEarlier : shown);
}

// Beside a field the picker opens where it is asked; wherever it is asked, it
// stays on the screen.
void TestCalendarDialog::placedOnTheScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QPoint asked : {QPoint(60, 40), QPoint(100000, 100000)}) {
        QDate date(2010, 1, 31);
        QDate last = kEarlier;
        QRect placed;
        whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) { placed = dialog->frameGeometry(); });
        CalendarDialog::GetDate(nullptr, asked, date, last, {}, kToday);
        QCOMPARE(screen.united(placed), screen);
        if (asked.x() < screen.width())
            QCOMPARE(placed.topLeft(), asked);
    }
}

void TestCalendarDialog::text_data()
{
    QTest::addColumn<QString>("button");  // or a key name
    QTest::addColumn<bool>("accepted");

    QTest::newRow("Избор") << u"cmdOK"_s << true;
    QTest::newRow("Отказ") << u"cmdCancel"_s << false;
    QTest::newRow("Enter chooses") << u"Enter"_s << true;
    QTest::newRow("Escape cancels") << u"Escape"_s << false;
}

void TestCalendarDialog::text()
{
    QFETCH(QString, button);
    QFETCH(bool, accepted);

    QString userText = u"стар текст"_s;
    QString shownAtOpening, title;
    whenOpen(u"frmInput"_s, [&](QDialog *dialog) {
        title = dialog->windowTitle();
        auto *field = dialog->findChild<QLineEdit *>(u"txtInput"_s);
        QVERIFY(field);
        shownAtOpening = field->text();
        // The offered text is selected: typing replaces it.
        remitor::test::typeText(field, u"ЕТ Иванов"_s);
        if (button == u"Enter")
            QTest::keyClick(field, Qt::Key_Return);
        else if (button == u"Escape")
            QTest::keyClick(field, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(InputDialog::GetText(nullptr, userText, u"Търси"_s), accepted);
    QCOMPARE(userText, accepted ? u"ЕТ Иванов"_s : u"стар текст"_s);
    QCOMPARE(shownAtOpening, u"стар текст"_s);
    QCOMPARE(title, u"Търси"_s);
}

QTEST_MAIN(TestCalendarDialog)
#include "tst_calendar_dialog.moc"
