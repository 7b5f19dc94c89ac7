#pragma once

#include "cash/cash_book.h"
#include "store/record.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace remitor {

class FieldFocus;
class Session;

// "Дневник на касата", the cash book: a page of 18 rows of number, date,
// text, receipt and disbursement, edited in place. Enter stores the row of
// the cursor and moves down; the arrows move the cursor and scroll at the
// page's edges; Page Up and Page Down turn pages; a double click copies the
// field of the row above. The buttons add, delete, sort by date, search,
// pick a date, and open the turnover, the journal and the period closing.
class KasaWindow : public QWidget {
    Q_OBJECT
public:
    enum Column { DocNo, DocDate, Note, Prihod, Razhod, Columns };

    KasaWindow(Session &session, QWidget *parent = nullptr);

    // Every open cash book window shows its page again (a cash order was
    // posted, a period closed).
    static void reloadOpen();
    void reloadPage();

    QLineEdit *cell(int row, int column) const { return m_cells[row][column]; }
    QToolButton *command(const QString &name) const;
    int cursorRow() const { return m_cursor; }
    // The key of the row in slot `row`; 0 for a slot below the book's end.
    qint32 keyAt(int row) const { return m_rows[row].key(); }

    // Enter: the cursor row is stored when it holds anything. False when it
    // was refused (a date that is no date) or could not be written.
    bool commitRow();
    void moveDown();
    void moveUp();
    void nextPage();
    void previousPage();
    void firstRow();
    void lastRow();
    void newRow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void addCommands();
    // Shows `rows` from the top of the page, empty slots below them; the
    // cursor goes to `cursor` in the current column.
    void showRows(const QList<Record> &rows, int cursor);
    void focusCell(int row, int column);
    void refreshCount();
    void deleteRow();
    void sortByDate();
    void find();
    void pickDate();
    void help();

    Session &m_session;
    QList<Record> m_rows;
    QLineEdit *m_cells[CashPageRows][Columns] = {};
    QLabel *m_count = nullptr;
    FieldFocus *m_focus = nullptr;
    int m_cursor = 0;
    int m_column = DocNo;
};

}  // namespace remitor
