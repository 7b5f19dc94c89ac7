#include "documents/gui/second_page.h"

#include "documents/gui/field_binder.h"
#include "documents/workflow.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace remitor {

SecondPageWindow::SecondPageWindow(Session &session, DocumentWorkflow &flow, const FormSpec &form,
                                   QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(form.name);
    setWindowTitle(form.title);
    BuildForm(this, form.items(), form.widthTwips, form.heightTwips);
    m_fields = new FieldBinder(session, flow, flow.kind().secondPage, this);
    m_fields->bindOptions(this, form.items());
    m_fields->onKey = [this](int key, int) {
        if (key != Qt::Key_Escape)
            return false;
        close();
        return true;
    };
}

SecondPageWindow::~SecondPageWindow()
{
    m_fields->detach();
}

void SecondPageWindow::showRecord()
{
    m_fields->showAll();
}

void SecondPageWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SecondPageWindow::closeEvent(QCloseEvent *event)
{
    // Only a page on screen shows the document: a page never opened, or
    // closed before the editor moved on, holds no text of this document.
    if (isVisible())
        m_fields->takeAll();
    QWidget::closeEvent(event);
}

}  // namespace remitor
