#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace remitor {

class Session;

// "Заменя" (frmCopy): replaces an account by another in every document of
// one kind, or writes one text into every budget payment order. An editor
// opens it with F2 from one of its fields, without making it modal.
class CopyWindow : public QWidget {
    Q_OBJECT
public:
    explicit CopyWindow(Session &session, QWidget *parent = nullptr);

    // What the editor tells the window on F2: the kind code (lblMode), the
    // field code (lblIBAN) and the field's text, which goes into Text1.
    // Shows the window, not modally.
    void start(int kindCode, int fieldCode, const QString &text);

    // cmdOK: runs the replacement; the window closes when it was done.
    void replace();

    QLineEdit *text1() const { return m_text1; }
    QLineEdit *text2() const { return m_text2; }

Q_SIGNALS:
    // An account was replaced: the opening editor puts `account` into its
    // own record field `field` ("IBANp", "IBANn", "budjetKod") and shows it
    // when its document held the account replaced, `old` (the window's
    // first field may have been changed, or the editor moved on, since).
    void accountReplaced(const QString &field, const QString &old, const QString &account);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Session &m_session;
    QLabel *m_label1;
    QLabel *m_label2;
    QLineEdit *m_text1;
    QLineEdit *m_text2;
    QLabel *m_mode;
    QLabel *m_iban;
};

}  // namespace remitor
