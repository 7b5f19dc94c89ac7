#pragma once

#include "documents/gui/kind_wiring.h"

#include <QWidget>

namespace remitor {

class DocumentWorkflow;
class FieldBinder;
class Session;

// The second page of an editor: a window of its own beside the editor,
// over the same record, with the fields of the kind's second page in their
// entry order and its option buttons bound to the record's flags. Escape
// closes it; the field being typed is kept.
class SecondPageWindow : public QWidget {
    Q_OBJECT
public:
    SecondPageWindow(Session &session, DocumentWorkflow &flow, const FormSpec &form,
                     QWidget *parent = nullptr);
    ~SecondPageWindow() override;

    void showRecord();
    FieldBinder &fields() { return *m_fields; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    FieldBinder *m_fields;
};

}  // namespace remitor
