#pragma once

#include <QDate>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace remitor {

// The save-choice dialog: overwrite the shown document, store it under a
// new number, or cancel.
struct SaveChoice {
    enum Result { Cancel = 0, Overwrite = 1, New = 2 };
    // The same dialog asks how many copies to print: "Печат на документ",
    // "2 копия" (1), "1 копие" (2).
    QString caption = QStringLiteral("Записва документ");
    bool showOverwrite = true;
    QString overwriteCaption;  // "Презапис 5"
    QString newCaption;        // "Нов запис 6"
    bool forReports = false;   // shows "За СПРАВКИ", narrower
    QPoint offsetTwips;        // from the editor's top-left corner
    int editorWidthOffsetTwips = 3550;  // left = editor left + width - this
};

// One list of the find dialog, built by the core and shown by the window.
struct FindListView {
    QString caption;
    QStringList headers;
    QStringList lines;    // each begins with the number in five characters
    int selected = -1;    // the caller's document, or -1
    QString countText;    // "Прочетени 12 записа." or "Няма записи."
    bool expandable = false;
    QStringList details;  // per line, what "Избор" of the expandable kinds shows
};

// What the search window answers: the text and the field searched
// (0 payer, 1 payee, 2 bank).
struct SearchRequest {
    QString text;
    int field = 0;
};

// Every message, question and pick that core code needs from the user goes
// through this interface. The windows answer it with message boxes and
// dialogs; tests answer it with a scripted answerer and check the texts.
class Interaction {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~Interaction() = default;

    // A message with an OK button. An empty title means the program's title.
    virtual void tell(const QString &text, Icon icon = Icon::None, const QString &title = {}) = 0;

    // OK/Cancel question; true for OK. `cancelIsDefault` makes Enter answer Cancel.
    virtual bool askOkCancel(const QString &text, const QString &title = {},
                             bool cancelIsDefault = false, Icon icon = Icon::None) = 0;

    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &title = {},
                          Icon icon = Icon::None) = 0;

    // One-line input box; no value when the user cancels.
    virtual std::optional<QString> inputLine(const QString &prompt, const QString &title,
                                             const QString &defaultText) = 0;

    // The save-choice dialog; closing it counts as Cancel.
    virtual SaveChoice::Result chooseSave(const SaveChoice &choice) = 0;

    // The find dialog over a prepared list: the index of the chosen line,
    // or -1 when nothing was chosen.
    virtual int pickFromList(const FindListView &list) = 0;

    // The search window: text and field, or nothing when it was not started.
    virtual std::optional<SearchRequest> askSearch(const QString &lastText) = 0;

    // The date picker, opened on `date`; `lastPicked` is the program-wide
    // last picked date, kept up to date while the user moves. True and the
    // date written back when the user accepts.
    virtual bool pickDate(QDate &date, QDate &lastPicked, const QString &title = {},
                          QPoint offsetTwips = {}) = 0;
};

// Answers nothing and shows nothing: for silent operations (the start-up
// re-index) and for callers that have no user in front of them. One that
// `agrees` says OK and Yes to every question (the benchmarks' runs).
class SilentInteraction final : public Interaction {
public:
    explicit SilentInteraction(bool agrees = false) : m_agrees(agrees) {}
    void tell(const QString &, Icon, const QString &) override {}
    bool askOkCancel(const QString &, const QString &, bool, Icon) override { return m_agrees; }
    bool askYesNo(const QString &, const QString &, Icon) override { return m_agrees; }
    std::optional<QString> inputLine(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    SaveChoice::Result chooseSave(const SaveChoice &) override { return SaveChoice::Cancel; }
    int pickFromList(const FindListView &) override { return -1; }
    std::optional<SearchRequest> askSearch(const QString &) override { return std::nullopt; }
    bool pickDate(QDate &, QDate &, const QString &, QPoint) override { return false; }

private:
    bool m_agrees;
};

}  // namespace remitor
