#include "print/gui/print_command.h"

#include "print/gui/print_preview.h"
#include "print/print_command.h"
#include "session/session.h"

namespace remitor {

void PrintDocument(QWidget *parent, Session &session, const PrintSubject &subject,
                   const KindPrint &print, const Record &record, bool secondPage,
                   const PrintPresenter &present)
{
    const auto job =
        PreparePrint(subject, print, record, secondPage, session.colorPrinting, session.ui());
    if (!job)
        return;
    if (present)
        present(parent, *job);
    else
        ShowPrintPreview(parent, session.store(), *job);
}

}  // namespace remitor
