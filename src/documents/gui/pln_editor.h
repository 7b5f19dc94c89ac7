#pragma once

#include <QWidget>

class QRadioButton;

namespace remitor {

class EditorWindow;
class DocumentWorkflow;
class FieldBinder;
class Session;

// The credit transfer order's editor "frmPln", laid out like the bank's form,
// with its second page "frmPln2".
EditorWindow *CreatePlnEditor(Session &session, QWidget *parent = nullptr);

// "Данни за преводи между местни и чуждестранни лица": whether the payer and
// the payee are local or foreign persons, their countries and addresses, the
// nature of the transfer and the central bank's number.
class Pln2Window : public QWidget {
    Q_OBJECT
public:
    Pln2Window(Session &session, DocumentWorkflow &flow, QWidget *parent = nullptr);
    ~Pln2Window() override;
    void showRecord();
    FieldBinder &fields() { return *m_fields; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    DocumentWorkflow &m_flow;
    FieldBinder *m_fields;
    QRadioButton *m_payerLocal, *m_payerForeign, *m_payeeLocal, *m_payeeForeign;
};

}  // namespace remitor
