#pragma once

#include "documents/gui/form.h"
#include "documents/kinds.h"
#include "documents/workflow.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QToolButton;
class QCheckBox;

namespace remitor {

class FieldBinder;
class Session;

// The one document editor: the form of a kind built from its layout table,
// the fields bound to the kind's record through its descriptor, the column of
// command buttons, and the keys. What a kind adds (a second page, print) it
// adds through the hooks below; nothing here is written per kind.
class EditorWindow : public QWidget {
    Q_OBJECT
public:
    EditorWindow(Session &session, const KindDescriptor &kind, const QList<FormItem> &form,
                 int widthTwips, int heightTwips, QWidget *parent = nullptr);
    ~EditorWindow() override;

    DocumentWorkflow &workflow() { return m_flow; }
    FieldBinder &fields() { return *m_fields; }
    QToolButton *command(const QString &name) const;

    // Shows the record in every field, the caption, and the second page.
    void showRecord();
    // Runs a command on an up-to-date record: the fields are taken first
    // (the buttons take no focus, so the field being typed would otherwise
    // not be left), and the record is shown afterwards.
    void run(const std::function<void()> &command);

    // A second page that lives beside the editor (shown by "Command1").
    void setSecondPage(QWidget *page, std::function<void()> show);
    QWidget *secondPage() const { return m_secondPage; }
    // The print command of the kind; "cmdPrint" stays disabled without one.
    void setPrint(std::function<void()> print);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addCommands();
    QToolButton *addCommand(const QString &name, const QString &tip, const QIcon &icon,
                            const std::function<void()> &action, int row);
    void focusField(const QString &name);
    // F2 in an account field: the replacement window, told the kind, the
    // field and the account; the new account comes back into the record.
    void replaceAccount(const FieldSpec &field, const QString &account);

    Session &m_session;
    DocumentWorkflow m_flow;
    FieldBinder *m_fields;
    QPointer<QWidget> m_secondPage;
    QPointer<QWidget> m_copyWindow;
    std::function<void()> m_showSecondPage;
};

}  // namespace remitor
