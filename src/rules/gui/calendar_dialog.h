#pragma once

#include <QDate>
#include <QDialog>
#include <QPoint>
#include <QString>

#include <optional>

class QComboBox;

namespace remitor {

class CalendarGrid;

// The date picker beside every date field: a month list, a year list and the
// month grid. The grid answers the mouse (a click picks a day, a double click
// accepts it) and the keys (arrows by day and week, Page Up/Down by month,
// Enter accepts, Escape cancels).
class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    // Opens modally on `userDate` (an empty or out-of-range date opens on the
    // last picked date, or today). Every change of the shown date is stored
    // in `lastPickedDate`, the program-wide date the next picker opens on.
    // True, with the date in `userDate`, only when the user accepts; a cancel
    // or closing the window leaves `userDate` as it was. `userDate` and
    // `lastPickedDate` must be different objects: the last picked date
    // follows the user even when the dialog is cancelled. An empty title
    // keeps the dialog's own caption.
    static bool GetDate(QWidget *parent, QDate &userDate, QDate &lastPickedDate,
                        const QString &title = {}, const QDate &today = QDate::currentDate());
    // The same, with the dialog's top-left corner at `topLeft` (screen
    // coordinates), kept on the screen; the editors place it beside the field.
    static bool GetDate(QWidget *parent, const QPoint &topLeft, QDate &userDate,
                        QDate &lastPickedDate, const QString &title = {},
                        const QDate &today = QDate::currentDate());

    CalendarDialog(const QDate &startDate, QDate &lastPickedDate, const QDate &today,
                   QWidget *parent = nullptr);

    QDate currentDate() const { return m_date; }
    // True only after the user accepted a date.
    bool isChosen() const { return m_chosen; }

    // The single routine every action goes through: moves the grid's
    // highlight (or shows another month), sets both lists and the last
    // picked date. Dates outside the year list are refused.
    void setCurrentDate(const QDate &date);

public Q_SLOTS:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool run(QDate &userDate, const QString &title, const std::optional<QPoint> &topLeft);
    void monthChosen(int index);
    void yearChosen(int index);

    QDate m_date;
    QDate &m_lastPicked;
    bool m_chosen = false;
    std::optional<QPoint> m_placeAt;  // top-left corner asked for by the caller
    QComboBox *m_months = nullptr;
    QComboBox *m_years = nullptr;
    CalendarGrid *m_grid = nullptr;
};

} // namespace remitor
