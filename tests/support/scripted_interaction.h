#pragma once

#include "base/interaction.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace remitor::test {

// A user who answers from a script and remembers everything shown to them.
// Questions take the next scripted answer; an unscripted question, or an
// answer of the wrong kind, fails the running test and cancels.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        enum Kind { Tell, OkCancel, YesNo, Input, Save, List, Search, Date } kind;
        QString text;  // the message, prompt, or the dialog's caption
        QString title;
        Icon icon = Icon::None;
        bool cancelIsDefault = false;
    };

    // Answers for the questions to come, in order.
    void answer(bool okOrYes) { push(Shown::OkCancel, okOrYes); }
    void answerInput(const std::optional<QString> &text)
    {
        push(Shown::Input, text ? QVariant(*text) : QVariant());
    }
    void answerSave(SaveChoice::Result r) { push(Shown::Save, int(r)); }
    // Picks the line of the list whose number is `number`; 0 picks nothing.
    void pickNumber(qint64 number) { push(Shown::List, number); }
    void answerSearch(const std::optional<SearchRequest> &r)
    {
        push(Shown::Search, r ? QVariant(QStringList{r->text, QString::number(r->field)}) : QVariant());
    }
    void answerDate(const std::optional<QDate> &d) { push(Shown::Date, d ? QVariant(*d) : QVariant()); }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }
    int pendingAnswers() const { return int(m_answers.size()); }
    // What the last dialogs were given.
    const SaveChoice &lastSave() const { return m_lastSave; }
    const FindListView &lastList() const { return m_lastList; }
    QString lastSearchDefault() const { return m_lastSearchDefault; }
    QDate lastDateShown() const { return m_lastDate; }

    void tell(const QString &text, Icon icon, const QString &title) override;
    bool askOkCancel(const QString &text, const QString &title, bool cancelIsDefault,
                     Icon icon) override;
    bool askYesNo(const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> inputLine(const QString &prompt, const QString &title,
                                     const QString &defaultText) override;
    SaveChoice::Result chooseSave(const SaveChoice &choice) override;
    int pickFromList(const FindListView &list) override;
    std::optional<SearchRequest> askSearch(const QString &lastText) override;
    bool pickDate(QDate &date, QDate &lastPicked, const QString &title, QPoint offsetTwips) override;

private:
    void push(Shown::Kind kind, const QVariant &v) { m_answers.append({kind, v}); }
    std::optional<QVariant> next(Shown::Kind kind, const QString &question);

    QList<Shown> m_shown;
    QList<std::pair<Shown::Kind, QVariant>> m_answers;
    SaveChoice m_lastSave;
    FindListView m_lastList;
    QString m_lastSearchDefault;
    QDate m_lastDate;
};

}  // namespace remitor::test
