#pragma once

#include "base/interaction.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace remitor::test {

// A user who answers from a script and remembers everything shown to them.
// Questions take the next scripted answer; an unscripted question fails the
// running test and answers "no".
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        enum Kind { Tell, OkCancel, YesNo, Input } kind;
        QString text;
        QString title;
        Icon icon;
    };

    // Answers for the questions to come, in order.
    void answer(bool okOrYes) { m_answers.append(okOrYes ? QStringLiteral("1") : QStringLiteral("0")); }
    void answerInput(const std::optional<QString> &text)
    {
        m_answers.append(text ? QStringLiteral("T") + *text : QStringLiteral("C"));
    }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }
    int pendingAnswers() const { return int(m_answers.size()); }

    void tell(const QString &text, Icon icon, const QString &title) override;
    bool askOkCancel(const QString &text, const QString &title, bool cancelIsDefault,
                     Icon icon) override;
    bool askYesNo(const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> inputLine(const QString &prompt, const QString &title,
                                     const QString &defaultText) override;

private:
    QString next(const QString &question);
    QList<Shown> m_shown;
    QStringList m_answers;
};

} // namespace remitor::test
