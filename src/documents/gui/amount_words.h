#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace remitor {

// A field that shows the amount of the form in Bulgarian words, in the
// currency of the form, while the amount is typed: the amount's text is read
// by the amount rule at every change. The words are not stored; what the
// user types into them is replaced at the next display. Focused, the field
// is yellow; left, it is white again and `left` runs (the editor takes its
// fields and shows the record, so the words are written anew).
class AmountWordsField : public QObject {
    Q_OBJECT
public:
    AmountWordsField(QLineEdit *words, QLineEdit *amount, QLineEdit *currency,
                     std::function<void()> left);

    // The words of the amount and currency as the fields hold them now.
    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_words;
    QLineEdit *m_amount;
    QLineEdit *m_currency;
    std::function<void()> m_left;
};

}  // namespace remitor
