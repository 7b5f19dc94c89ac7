#pragma once

#include "lists/contractors.h"

#include <QHash>
#include <QList>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace remitor {

class Session;

// "Контрагенти" (frmKlients): twenty contractors by name on the left, the
// selected one in full on the right, the moves and the list commands below.
// Every field is written to the table when it is left; every command first
// takes the field being typed in.
class KlientsWindow : public QWidget {
    Q_OBJECT
public:
    explicit KlientsWindow(Session &session, QWidget *parent = nullptr);

    ContractorList &list() { return m_list; }
    // The name field of page row `row` (0..19; 20 is the unused 21st).
    QLineEdit *nameField(int row) const { return m_names.value(row); }
    // A field by its object name: "Ime0" … "Ime20", "Grad", "IBAN", …
    QLineEdit *field(const QString &objectName) const;
    QPushButton *button(const QString &objectName) const;
    // The entry place of the field that had the focus last (-1 before any).
    int fieldNumber() const { return m_fieldNumber; }
    // The page read again, after other windows changed the table.
    void reload();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *addField(const QString &name, int width);
    void buildButtons(QWidget *navigation, QWidget *commands);
    // Runs a command on an up-to-date row, then shows the page and puts
    // the focus back on the field of the same place.
    void command(const std::function<void()> &run);
    // Takes the selected row's fields into the list when they changed
    // since they were shown or last taken.
    void commitRow();
    QHash<QString, QString> shownTexts() const;
    void showPage();
    void colourNames();
    // The field of entry place `number` in the selected row (the name
    // field for 0).
    QLineEdit *fieldAt(int number) const;
    void focusPlace(int number);
    int placeOf(QWidget *w) const;

    Session &m_session;
    ContractorList m_list;
    QList<QLineEdit *> m_names;    // Ime0 … Ime20
    QList<QLineEdit *> m_details;  // entry places 1 … 10
    QLabel *m_number;
    QLabel *m_count;
    QLabel *m_firms = nullptr;
    QHash<QString, QString> m_taken;  // the texts last shown or taken
    int m_fieldNumber = -1;
    bool m_showing = false;
};

}  // namespace remitor
