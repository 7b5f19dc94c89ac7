#include "print/gui/pln_print.h"

#include "session/session.h"
#include "documents/gui/editor_window.h"
#include "print/gui/print_preview.h"
#include "print/pln_pages.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

namespace remitor {

void PrintCreditTransfer(EditorWindow &editor, Session &session, const PrintPresenter &present)
{
    const auto *secondPage = editor.findChild<QCheckBox *>(u"Check1"_s);
    const auto job = PrepareCreditTransferPrint(editor.workflow().record(),
                                                secondPage && secondPage->isChecked(),
                                                session.colorPrinting, session.ui());
    if (!job)
        return;
    if (present)
        present(&editor, *job);
    else
        ShowPrintPreview(&editor, session.store(), *job);
}

}  // namespace remitor
