// The date picker and the text prompt driven like a user would: real keys and
// mouse clicks on the month grid, the lists and the buttons of the modal dialogs.
#include "rules/gui/calendar_dialog.h"
#include "rules/gui/input_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
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

QDialog *openDialog(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name)
            return qobject_cast<QDialog *>(w);
    }
    return nullptr;
}

// Runs `user` once the modal dialog `name` is open. Should the script leave it
// open (a failed check), it is closed with a result no caller expects, so that
// the test goes on and reports instead of hanging.
void whenOpen(const QString &name, std::function<void(QDialog *)> user)
{
    QTimer::singleShot(0, [name, user] {
        QDialog *dialog = openDialog(name);
        QVERIFY2(dialog, qPrintable(name));
        user(dialog);
        if (dialog->isVisible())
            dialog->done(-1);
    });
}

QWidget *gridOf(QDialog *dialog) { return dialog->findChild<QWidget *>(u"picCalendar"_s); }

// The centre of a day cell, reckoned from the grid's size as the dialog
// reckons it: cells of (width − 1) / 7 by (height − 1) / 6 pixels.
QPoint cellCentre(QWidget *grid, int column, int row)
{
    const int width = (grid->width() - 1) / 7;
    const int height = (grid->height() - 1) / 6;
    return {column * width + width / 2, row * height + height / 2};
}

// QTest::keyClicks takes Latin letters only; a Bulgarian user types Cyrillic.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestCalendarDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageDownFromJanuary31();
    void keys_data();
    void keys();
    void clicks_data();
    void clicks();
    void doubleClick_data();
    void doubleClick();
    void lists_data();
    void lists();
    void closingTheWindowCancels();
    void listsAndCaption();
    void placedOnTheScreen_data();
    void placedOnTheScreen();
    void text_data();
    void text();
};

void TestCalendarDialog::pageDownFromJanuary31()
{
    QDate userDate(2010, 1, 31);
    QDate lastPicked(2005, 5, 5);
    QString shownMonth, shownYear;
    QDate lastPickedWhileOpen;
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) {
        QWidget *grid = gridOf(dialog);
        QVERIFY(grid);
        QTest::keyClick(grid, Qt::Key_PageDown);
        shownMonth = dialog->findChild<QComboBox *>(u"cboMonth"_s)->currentText();
        shownYear = dialog->findChild<QComboBox *>(u"cboYear"_s)->currentText();
        lastPickedWhileOpen = lastPicked;
        QTest::keyClick(grid, Qt::Key_Return);
    });
    QVERIFY(CalendarDialog::GetDate(nullptr, userDate, lastPicked, {}, kToday));
    QCOMPARE(userDate, QDate(2010, 2, 28));
    QCOMPARE(lastPicked, QDate(2010, 2, 28));
    // The lists follow the grid, and the last picked date follows every change.
    QCOMPARE(shownMonth, u"Февруари"_s);
    QCOMPARE(shownYear, u"2010"_s);
    QCOMPARE(lastPickedWhileOpen, QDate(2010, 2, 28));
}

void TestCalendarDialog::keys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QDate>("userDate");    // the caller's date afterwards
    QTest::addColumn<QDate>("lastPicked");  // the program-wide date afterwards

    const QDate earlier(2005, 5, 5);  // the last picked date before opening
    QTest::newRow("Page Up into a shorter month")
        << QDate(2010, 3, 31) << QList<int>{Qt::Key_PageUp, Qt::Key_Return} << true
        << QDate(2010, 2, 28) << QDate(2010, 2, 28);
    QTest::newRow("arrows across the year end")
        << QDate(2010, 12, 31)
        << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Return} << true
        << QDate(2011, 1, 7) << QDate(2011, 1, 7);
    QTest::newRow("week back across the year end")
        << QDate(2011, 1, 3) << QList<int>{Qt::Key_Up, Qt::Key_Enter} << true
        << QDate(2010, 12, 27) << QDate(2010, 12, 27);
    QTest::newRow("other keys do nothing")
        << QDate(2010, 6, 15) << QList<int>{Qt::Key_A, Qt::Key_Home, Qt::Key_Space, Qt::Key_Return}
        << true << QDate(2010, 6, 15) << QDate(2010, 6, 15);
    // The last picked date follows the user even when the picker is cancelled.
    QTest::newRow("Escape after a move")
        << QDate(2010, 1, 31) << QList<int>{Qt::Key_PageDown, Qt::Key_Escape} << false
        << QDate(2010, 1, 31) << QDate(2010, 2, 28);
    QTest::newRow("Escape at once") << QDate(2010, 1, 31) << QList<int>{Qt::Key_Escape} << false
                                    << QDate(2010, 1, 31) << earlier;
}

void TestCalendarDialog::keys()
{
    QFETCH(QDate, start);
    QFETCH(QList<int>, keys);
    QFETCH(bool, accepted);
    QFETCH(QDate, userDate);
    QFETCH(QDate, lastPicked);

    QDate date = start;
    QDate last(2005, 5, 5);
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) {
        QWidget *grid = gridOf(dialog);
        QVERIFY(grid);
        for (int key : keys)
            QTest::keyClick(grid, Qt::Key(key));
    });
    QCOMPARE(CalendarDialog::GetDate(nullptr, date, last, {}, kToday), accepted);
    QCOMPARE(date, userDate);
    QCOMPARE(last, lastPicked);
}

void TestCalendarDialog::clicks_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QDate>("shown");

    // August 2010 starts on a Sunday (last column) and ends on a Tuesday of row six.
    const QDate aug15(2010, 8, 15);
    QTest::newRow("the 1st") << aug15 << QPoint(6, 0) << QDate(2010, 8, 1);
    QTest::newRow("the 31st") << aug15 << QPoint(1, 5) << QDate(2010, 8, 31);
    QTest::newRow("a Wednesday") << aug15 << QPoint(2, 2) << QDate(2010, 8, 11);
    QTest::newRow("empty cell before the 1st") << aug15 << QPoint(0, 0) << aug15;
    QTest::newRow("empty cell after the last day") << aug15 << QPoint(2, 5) << aug15;
    // February 2010 fills four rows; the last two are empty.
    QTest::newRow("empty row of a short month") << QDate(2010, 2, 10) << QPoint(3, 4)
                                                << QDate(2010, 2, 10);
}

void TestCalendarDialog::clicks()
{
    QFETCH(QDate, start);
    QFETCH(QPoint, cell);
    QFETCH(QDate, shown);

    QDate date = start;
    const QDate earlier(2005, 5, 5);
    QDate last = earlier;
    QDate shownAfterClick;
    QDate lastAfterClick;
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) {
        QWidget *grid = gridOf(dialog);
        QVERIFY(grid);
        QTest::mouseClick(grid, Qt::LeftButton, {}, cellCentre(grid, cell.x(), cell.y()));
        QVERIFY(dialog->isVisible());  // one click picks, it does not accept
        shownAfterClick = static_cast<CalendarDialog *>(dialog)->currentDate();
        lastAfterClick = last;
        QTest::keyClick(grid, Qt::Key_Return);
    });
    QVERIFY(CalendarDialog::GetDate(nullptr, date, last, {}, kToday));
    QCOMPARE(shownAfterClick, shown);
    QCOMPARE(date, shown);
    // An empty cell is no change, so the last picked date stays until Enter.
    QCOMPARE(lastAfterClick, shown == start ? earlier : shown);
}

void TestCalendarDialog::doubleClick_data()
{
    QTest::addColumn<QPoint>("pos");  // in cells; -1 for the grid's closing line
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QDate>("userDate");

    const QDate aug15(2010, 8, 15);
    QTest::newRow("on a day") << QPoint(3, 2) << true << QDate(2010, 8, 12);
    QTest::newRow("on an empty cell") << QPoint(0, 0) << false << aug15;
    // Past Saturday-Sunday lies only the closing grid line; reading it as an
    // eighth column would pick the 2nd, the first day of the next row.
    QTest::newRow("on the line past Sunday") << QPoint(-1, 0) << false << aug15;
}

void TestCalendarDialog::doubleClick()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, accepted);
    QFETCH(QDate, userDate);

    QDate date(2010, 8, 15);
    QDate last(2005, 5, 5);
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) {
        QWidget *grid = gridOf(dialog);
        QVERIFY(grid);
        const QPoint at = pos.x() < 0 ? QPoint(grid->width() - 1, cellCentre(grid, 0, pos.y()).y())
                                      : cellCentre(grid, pos.x(), pos.y());
        QTest::mouseDClick(grid, Qt::LeftButton, {}, at);
        if (dialog->isVisible())
            QTest::keyClick(grid, Qt::Key_Escape);
    });
    QCOMPARE(CalendarDialog::GetDate(nullptr, date, last, {}, kToday), accepted);
    QCOMPARE(date, userDate);
}

void TestCalendarDialog::lists_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("monthText");

    QTest::newRow("next month from the 31st") << QDate(2010, 1, 31) << u"cboMonth"_s
                                              << int(Qt::Key_Down) << QDate(2010, 2, 1)
                                              << u"Февруари"_s;
    QTest::newRow("previous month") << QDate(2010, 3, 17) << u"cboMonth"_s << int(Qt::Key_Up)
                                    << QDate(2010, 2, 1) << u"Февруари"_s;
    QTest::newRow("December") << QDate(2010, 3, 17) << u"cboMonth"_s << int(Qt::Key_End)
                              << QDate(2010, 12, 1) << u"Декември"_s;
    QTest::newRow("29 Feb, next year") << QDate(2012, 2, 29) << u"cboYear"_s << int(Qt::Key_Down)
                                       << QDate(2013, 2, 28) << u"Февруари"_s;
    QTest::newRow("first year") << QDate(2010, 6, 15) << u"cboYear"_s << int(Qt::Key_Home)
                                << QDate(1900, 6, 15) << u"Юни"_s;
}

void TestCalendarDialog::lists()
{
    QFETCH(QDate, start);
    QFETCH(QString, list);
    QFETCH(int, key);
    QFETCH(QDate, shown);
    QFETCH(QString, monthText);

    QDate date = start;
    QDate last(2005, 5, 5);
    QString monthShown;
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) {
        auto *combo = dialog->findChild<QComboBox *>(list);
        QVERIFY(combo);
        QTest::keyClick(combo, Qt::Key(key));
        monthShown = dialog->findChild<QComboBox *>(u"cboMonth"_s)->currentText();
        // The choice goes back into the grid, where Enter accepts it.
        QTest::keyClick(gridOf(dialog), Qt::Key_Return);
    });
    QVERIFY(CalendarDialog::GetDate(nullptr, date, last, {}, kToday));
    QCOMPARE(date, shown);
    QCOMPARE(last, shown);
    QCOMPARE(monthShown, monthText);
}

void TestCalendarDialog::closingTheWindowCancels()
{
    QDate date(2010, 1, 31);
    QDate last(2005, 5, 5);
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) { dialog->close(); });
    QVERIFY(!CalendarDialog::GetDate(nullptr, date, last, {}, kToday));
    QCOMPARE(date, QDate(2010, 1, 31));
    QCOMPARE(last, QDate(2005, 5, 5));
}

void TestCalendarDialog::listsAndCaption()
{
    QDate date;  // an empty date field opens on the last picked date
    QDate last(2005, 5, 5);
    QString title;
    QStringList months, years, captions;
    QString monthShown, yearShown;
    QDate opened;
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) {
        title = dialog->windowTitle();
        auto *monthList = dialog->findChild<QComboBox *>(u"cboMonth"_s);
        auto *yearList = dialog->findChild<QComboBox *>(u"cboYear"_s);
        for (int i = 0; i < monthList->count(); ++i)
            months << monthList->itemText(i);
        for (int i = 0; i < yearList->count(); ++i)
            years << yearList->itemText(i);
        monthShown = monthList->currentText();
        yearShown = yearList->currentText();
        opened = static_cast<CalendarDialog *>(dialog)->currentDate();
        QList<QLabel *> labels = dialog->findChildren<QLabel *>();
        std::sort(labels.begin(), labels.end(),
                  [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
        for (QLabel *label : labels)
            captions << label->text();
        dialog->findChild<QPushButton *>(u"cmdCancel"_s)->click();
    });
    QVERIFY(!CalendarDialog::GetDate(nullptr, date, last, u"Дата на подаване"_s, kToday));
    QVERIFY(date.isNull());

    QCOMPARE(title, u"Дата на подаване"_s);
    QCOMPARE(months, (QStringList{u"Януари"_s, u"Февруари"_s, u"Март"_s, u"Април"_s, u"Май"_s,
                                  u"Юни"_s, u"Юли"_s, u"Август"_s, u"Септември"_s, u"Октомври"_s,
                                  u"Ноември"_s, u"Декември"_s}));
    QCOMPARE(years.size(), 201);
    QCOMPARE(years.first(), u"1900"_s);
    QCOMPARE(years.last(), u"2100"_s);
    QCOMPARE(captions, (QStringList{u"П"_s, u"В"_s, u"С"_s, u"Ч"_s, u"П"_s, u"С"_s, u"Н"_s}));
    QCOMPARE(opened, QDate(2005, 5, 5));
    QCOMPARE(monthShown, u"Май"_s);
    QCOMPARE(yearShown, u"2005"_s);
}

void TestCalendarDialog::placedOnTheScreen_data()
{
    QTest::addColumn<QPoint>("asked");
    QTest::addColumn<bool>("exact");

    QTest::newRow("beside a field") << QPoint(60, 40) << true;
    QTest::newRow("past the screen's corner") << QPoint(100000, 100000) << false;
}

void TestCalendarDialog::placedOnTheScreen()
{
    QFETCH(QPoint, asked);
    QFETCH(bool, exact);

    QDate date(2010, 1, 31);
    QDate last(2005, 5, 5);
    QRect placed;
    whenOpen(u"frmCalendar"_s, [&](QDialog *dialog) { placed = dialog->frameGeometry(); });
    CalendarDialog::GetDate(nullptr, asked, date, last, {}, kToday);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(placed), qPrintable(u"%1,%2 %3×%4"_s.arg(placed.x())
                                                     .arg(placed.y())
                                                     .arg(placed.width())
                                                     .arg(placed.height())));
    if (exact)
        QCOMPARE(placed.topLeft(), asked);
}

void TestCalendarDialog::text_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");  // or a key name
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("result");

    QTest::newRow("Избор") << u"Нов текст"_s << u"cmdOK"_s << true << u"Нов текст"_s;
    QTest::newRow("Отказ") << u"Нов текст"_s << u"cmdCancel"_s << false << u"стар текст"_s;
    QTest::newRow("Enter chooses") << u"ЕТ Иванов"_s << u"Enter"_s << true << u"ЕТ Иванов"_s;
    QTest::newRow("Escape cancels") << u"ЕТ Иванов"_s << u"Escape"_s << false << u"стар текст"_s;
    QTest::newRow("emptied and chosen") << QString() << u"cmdOK"_s << true << QString();
}

void TestCalendarDialog::text()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(bool, accepted);
    QFETCH(QString, result);

    QString userText = u"стар текст"_s;
    QString shownAtOpening, title;
    whenOpen(u"frmInput"_s, [&](QDialog *dialog) {
        title = dialog->windowTitle();
        auto *field = dialog->findChild<QLineEdit *>(u"txtInput"_s);
        QVERIFY(field);
        shownAtOpening = field->text();
        // The offered text is selected: typing replaces it.
        if (typed.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            typeText(field, typed);
        if (button == u"Enter")
            QTest::keyClick(field, Qt::Key_Return);
        else if (button == u"Escape")
            QTest::keyClick(field, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(InputDialog::GetText(nullptr, userText, u"Търси"_s), accepted);
    QCOMPARE(userText, result);
    QCOMPARE(shownAtOpening, u"стар текст"_s);
    QCOMPARE(title, u"Търси"_s);
}

QTEST_MAIN(TestCalendarDialog)
#include "tst_calendar_dialog.moc"
