#include "documents/gui/amount_words.h"

#include "base/gui/field_focus.h"
#include "rules/formatting.h"
#include "rules/words.h"

#include <QEvent>
#include <QLineEdit>

namespace remitor {

AmountWordsField::AmountWordsField(QLineEdit *words, QLineEdit *amount, QLineEdit *currency,
                                   std::function<void()> left)
    : QObject(words),
      m_words(words),
      m_amount(amount),
      m_currency(currency),
      m_left(std::move(left))
{
    connect(amount, &QLineEdit::textChanged, this, &AmountWordsField::update);
    words->installEventFilter(this);
    FieldFocus::setBackground(words, Qt::white);
}

void AmountWordsField::update()
{
    const QString text = AmountInWordsBG(ParseAmount(m_amount->text()),
                                         m_currency ? m_currency->text().trimmed() : QString());
    if (m_words->text() != text) {
        m_words->setText(text);
        m_words->setCursorPosition(0);
    }
}

bool AmountWordsField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_words)
        return false;
    if (event->type() == QEvent::FocusIn) {
        FieldFocus::setBackground(m_words, FocusYellow);
    } else if (event->type() == QEvent::FocusOut) {
        FieldFocus::setBackground(m_words, Qt::white);
        if (m_left)
            m_left();
    }
    return false;
}

}  // namespace remitor
