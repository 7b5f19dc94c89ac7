#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace remitor {

// Asks for one line of text: a search text, a name.
class InputDialog : public QDialog {
    Q_OBJECT
public:
    // Opens modally with `userText` in the field. "Избор" (or Enter) writes
    // the field back into `userText` and gives true; "Отказ", Escape or
    // closing the window give false and leave `userText` as it was. An
    // empty title keeps the dialog's own caption.
    static bool GetText(QWidget *parent, QString &userText, const QString &title = {});

    explicit InputDialog(const QString &text, QWidget *parent = nullptr);

    QString text() const;

private:
    QLineEdit *m_field = nullptr;
};

} // namespace remitor
