#include "scripted_interaction.h"

#include <QTest>

namespace remitor::test {

QStringList ScriptedInteraction::texts() const
{
    QStringList out;
    for (const auto &s : m_shown)
        out.append(s.text);
    return out;
}

QString ScriptedInteraction::next(const QString &question)
{
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted question: ") + question), __FILE__, __LINE__);
        return QStringLiteral("0");
    }
    return m_answers.takeFirst();
}

void ScriptedInteraction::tell(const QString &text, Icon icon, const QString &title)
{
    m_shown.append({Shown::Tell, text, title, icon});
}

bool ScriptedInteraction::askOkCancel(const QString &text, const QString &title, bool, Icon icon)
{
    m_shown.append({Shown::OkCancel, text, title, icon});
    return next(text) == QStringLiteral("1");
}

bool ScriptedInteraction::askYesNo(const QString &text, const QString &title, Icon icon)
{
    m_shown.append({Shown::YesNo, text, title, icon});
    return next(text) == QStringLiteral("1");
}

std::optional<QString> ScriptedInteraction::inputLine(const QString &prompt, const QString &title,
                                                      const QString &)
{
    m_shown.append({Shown::Input, prompt, title, Icon::None});
    const QString a = next(prompt);
    if (a.startsWith(QLatin1Char('T')))
        return a.mid(1);
    return std::nullopt;
}

} // namespace remitor::test
