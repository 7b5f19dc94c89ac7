#pragma once

#include "documents/gui/kind_wiring.h"
#include "documents/gui/second_page.h"
#include "documents/kinds.h"
#include "documents/workflow.h"
#include "print/gui/print_command.h"

#include <QCheckBox>
#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QToolButton;

namespace remitor {

class FieldBinder;
class SecondPageWindow;
class Session;

// The one document editor: the form of a kind built from its layout table,
// the fields bound to the kind's record through its descriptor, the column of
// command buttons, the keys, the second page and the print command, all as
// the kind's wiring says; nothing here is written per kind.
class EditorWindow : public QWidget {
    Q_OBJECT
public:
    EditorWindow(Session &session, const KindWiring &wiring, QWidget *parent = nullptr);
    ~EditorWindow() override;

    DocumentWorkflow &workflow() { return m_flow; }
    Session &session() { return m_session; }
    FieldBinder &fields() { return *m_fields; }
    QToolButton *command(const QString &name) const;

    // Shows the record in every field, the caption, and the second page.
    void showRecord();
    // Runs a command on an up-to-date record: the fields are taken first
    // (the buttons take no focus, so the field being typed would otherwise
    // not be left), and the record is shown afterwards.
    void run(const std::function<void()> &command);

    // The second page beside the editor (shown by "Command1"), if the kind has one.
    SecondPageWindow *secondPage() const { return m_secondPage; }
    void showSecondPage();
    // "cmdPrint": the page of the kind, with the second page's block when
    // the page choice is ticked. Tests take the filled page instead of the
    // print preview.
    void print();
    void setPrintPresenter(PrintPresenter present) { m_present = std::move(present); }

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
    const KindWiring &m_wiring;
    DocumentWorkflow m_flow;
    FieldBinder *m_fields;
    QPointer<SecondPageWindow> m_secondPage;
    QPointer<QWidget> m_copyWindow;
    PrintPresenter m_present;
    QLabel *m_status = nullptr;
};

}  // namespace remitor
