#pragma once

#include "base/interaction.h"

class QWidget;

namespace remitor {

// The user in front of the screen: message boxes titled with the program's
// title, and the one-line input box.
class MessageInteraction final : public Interaction {
public:
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
};

}  // namespace remitor
