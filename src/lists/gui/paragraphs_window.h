#pragma once

#include "lists/paragraphs.h"

#include <QList>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace remitor {

class Session;

// "Списък на параграфите" (frmParagraf): fifteen rows of a code and its
// explanation, edited in place; each row is written when it is left or
// Enter is pressed in it. Headings (code 000000) show yellow on blue.
class ParagraphsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ParagraphsWindow(Session &session, QWidget *parent = nullptr);

    ParagraphList &list() { return m_list; }
    // The fields of screen row `row`: "Kod0" … "Kod14", "Ime0" … "Ime14".
    QLineEdit *codeField(int row) const { return m_codes.value(row); }
    QLineEdit *textField(int row) const { return m_texts.value(row); }
    QPushButton *button(const QString &objectName) const;
    int currentRow() const { return m_row; }
    // The page read again, after other windows changed the table.
    void reload();

    // What "Печат" does with the list's text; by default the print preview.
    void setPrintPresenter(std::function<void(const QString &text)> present)
    {
        m_present = std::move(present);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Runs a command on an up-to-date page, shows it and puts the cursor back.
    void command(const std::function<void()> &run);
    void commitRow();
    void showPage();
    void colourRow(int row);
    void focusCell(int row, int column);
    void print();

    Session &m_session;
    ParagraphList m_list;
    QList<QLineEdit *> m_codes;
    QList<QLineEdit *> m_texts;
    QLabel *m_count;
    int m_row = 0;
    int m_column = 0;
    std::pair<QString, QString> m_taken;  // the current row as last shown or written
    bool m_showing = false;
    std::function<void(const QString &)> m_present;
};

}  // namespace remitor
