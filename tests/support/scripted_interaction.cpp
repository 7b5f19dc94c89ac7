#include "scripted_interaction.h"

#include "documents/find_list.h"

#include <QTest>

namespace remitor::test {

QStringList ScriptedInteraction::texts() const
{
    QStringList out;
    for (const auto &s : m_shown)
        out.append(s.text);
    return out;
}

std::optional<QVariant> ScriptedInteraction::next(Shown::Kind kind, const QString &question)
{
    // Yes/No questions take the same answers as OK/Cancel.
    const Shown::Kind want = kind == Shown::YesNo ? Shown::OkCancel : kind;
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted question: ") + question), __FILE__, __LINE__);
        return std::nullopt;
    }
    const auto a = m_answers.takeFirst();
    if (a.first != want) {
        QTest::qFail(qPrintable(QStringLiteral("answer of another kind for: ") + question), __FILE__,
                     __LINE__);
        return std::nullopt;
    }
    return a.second;
}

void ScriptedInteraction::tell(const QString &text, Icon icon, const QString &title)
{
    m_shown.append({Shown::Tell, text, title, icon});
}

bool ScriptedInteraction::askOkCancel(const QString &text, const QString &title,
                                      bool cancelIsDefault, Icon icon)
{
    m_shown.append({Shown::OkCancel, text, title, icon, cancelIsDefault});
    const auto a = next(Shown::OkCancel, text);
    return a && a->toBool();
}

bool ScriptedInteraction::askYesNo(const QString &text, const QString &title, Icon icon)
{
    m_shown.append({Shown::YesNo, text, title, icon});
    const auto a = next(Shown::YesNo, text);
    return a && a->toBool();
}

std::optional<QString> ScriptedInteraction::inputLine(const QString &prompt, const QString &title,
                                                      const QString &)
{
    m_shown.append({Shown::Input, prompt, title});
    const auto a = next(Shown::Input, prompt);
    if (!a || !a->isValid())
        return std::nullopt;
    return a->toString();
}

SaveChoice::Result ScriptedInteraction::chooseSave(const SaveChoice &choice)
{
    m_lastSave = choice;
    m_shown.append({Shown::Save, choice.newCaption, QString()});
    const auto a = next(Shown::Save, choice.newCaption);
    return a ? SaveChoice::Result(a->toInt()) : SaveChoice::Cancel;
}

int ScriptedInteraction::pickFromList(const FindListView &list)
{
    m_lastList = list;
    m_shown.append({Shown::List, list.caption, QString()});
    const auto a = next(Shown::List, list.caption);
    if (!a || a->toLongLong() == 0)
        return -1;
    for (int i = 0; i < list.lines.size(); ++i)
        if (NumberOfLine(list.lines[i]) == a->toLongLong())
            return i;
    QTest::qFail("the scripted number is not in the list", __FILE__, __LINE__);
    return -1;
}

std::optional<SearchRequest> ScriptedInteraction::askSearch(const QString &lastText)
{
    m_lastSearchDefault = lastText;
    m_shown.append({Shown::Search, QStringLiteral("Търси документ"), QString()});
    const auto a = next(Shown::Search, QStringLiteral("Търси документ"));
    if (!a || !a->isValid())
        return std::nullopt;
    const QStringList parts = a->toStringList();
    return SearchRequest{parts.value(0), parts.value(1).toInt()};
}

bool ScriptedInteraction::pickDate(QDate &date, QDate &lastPicked, const QString &title, QPoint)
{
    m_lastDate = date;
    m_shown.append({Shown::Date, title, QString()});
    const auto a = next(Shown::Date, title);
    if (!a || !a->isValid())
        return false;
    date = a->toDate();
    lastPicked = date;
    return true;
}

}  // namespace remitor::test
