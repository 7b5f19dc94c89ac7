#pragma once

#include <QString>
#include <optional>

namespace remitor {

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
};

// Answers nothing and shows nothing: for silent operations (the start-up
// re-index) and for callers that have no user in front of them.
class SilentInteraction final : public Interaction {
public:
    void tell(const QString &, Icon, const QString &) override {}
    bool askOkCancel(const QString &, const QString &, bool, Icon) override { return false; }
    bool askYesNo(const QString &, const QString &, Icon) override { return false; }
    std::optional<QString> inputLine(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
};

} // namespace remitor
