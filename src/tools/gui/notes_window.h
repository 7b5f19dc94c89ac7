#pragma once

#include "tools/notes.h"

#include <QList>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace remitor {

class Session;

// "Бележки" (frmNotes): fifteen rows of number and text; Enter writes the
// cursor row and moves down, the arrows and page keys move the cursor and
// scroll, "Трие" deletes the cursor row, Escape closes.
class NotesWindow : public QWidget {
    Q_OBJECT
public:
    explicit NotesWindow(Session &session, QWidget *parent = nullptr);

    NotesList &list() { return m_list; }
    QLineEdit *kodField(int row) const { return m_kods.value(row); }
    QLineEdit *textField(int row) const { return m_texts.value(row); }
    QPushButton *button(const QString &name) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showPage();
    // Runs a move or command, shows the page and puts the focus on the
    // cursor row, in the column that had it.
    void move(void (NotesList::*step)());
    void focusCursor();

    Session &m_session;
    NotesList m_list;
    QList<QLineEdit *> m_kods;
    QList<QLineEdit *> m_texts;
    bool m_textColumn = true;
};

}  // namespace remitor
