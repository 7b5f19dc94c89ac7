#include "message_interaction.h"

#include "session/session.h"
#include "base/gui/twips.h"
#include "documents/gui/small_dialogs.h"
#include "rules/gui/calendar_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace remitor {

namespace {

QMessageBox::Icon iconOf(Interaction::Icon icon)
{
    switch (icon) {
    case Interaction::Icon::Information: return QMessageBox::Information;
    case Interaction::Icon::Warning: return QMessageBox::Warning;
    case Interaction::Icon::Critical: return QMessageBox::Critical;
    case Interaction::Icon::Question: return QMessageBox::Question;
    case Interaction::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOr(const QString &title)
{
    return title.isEmpty() ? QString::fromUtf16(Session::Title) : title;
}

int run(const QString &text, Interaction::Icon icon, const QString &title,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(iconOf(icon), titleOr(title), text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Ok, QStringLiteral("OK")},
        {QMessageBox::Cancel, QStringLiteral("Отказ")},
        {QMessageBox::Yes, QStringLiteral("Да")},
        {QMessageBox::No, QStringLiteral("Не")}};
    for (const auto &[b, caption] : captions)
        if (QAbstractButton *button = box.button(b))
            button->setText(caption);
    return box.exec();
}

}  // namespace

void MessageInteraction::tell(const QString &text, Icon icon, const QString &title)
{
    run(text, icon, title, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageInteraction::askOkCancel(const QString &text, const QString &title,
                                     bool cancelIsDefault, Icon icon)
{
    return run(text, icon, title, QMessageBox::Ok | QMessageBox::Cancel,
               cancelIsDefault ? QMessageBox::Cancel : QMessageBox::Ok) == QMessageBox::Ok;
}

bool MessageInteraction::askYesNo(const QString &text, const QString &title, Icon icon)
{
    return run(text, icon, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

std::optional<QString> MessageInteraction::inputLine(const QString &prompt, const QString &title,
                                                     const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOr(title),
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

SaveChoice::Result MessageInteraction::chooseSave(const SaveChoice &choice)
{
    return SaveDialog::Choose(QApplication::activeWindow(), choice);
}

int MessageInteraction::pickFromList(const FindListView &list)
{
    return FindDialog::Pick(QApplication::activeWindow(), list);
}

std::optional<SearchRequest> MessageInteraction::askSearch(const QString &lastText)
{
    return SearchDialog::Ask(QApplication::activeWindow(), lastText);
}

bool MessageInteraction::pickDate(QDate &date, QDate &lastPicked, const QString &title,
                                  QPoint offsetTwips)
{
    // The picker stands beside the button that opened it: the offset is
    // from the editor's top-left corner.
    QWidget *editor = QApplication::activeWindow();
    if (editor && !offsetTwips.isNull()) {
        const QPoint at = editor->frameGeometry().topLeft() +
                          QPoint(twips(offsetTwips.x()), twips(offsetTwips.y()));
        return CalendarDialog::GetDate(editor, at, date, lastPicked, title);
    }
    return CalendarDialog::GetDate(editor, date, lastPicked, title);
}

}  // namespace remitor
