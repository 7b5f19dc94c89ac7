#include "print/gui/print_preview.h"

#include "base/gui/screen_fit.h"
#include "print/gui/calibration_window.h"
#include "print/gui/page_renderer.h"
#include "session/session.h"
#include "store/store.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// A file name from the document's name, without what file systems refuse.
QString pdfFileName(const PrintJob &job)
{
    QString name = job.documentName.isEmpty() ? u"Документ"_s : job.documentName;
    for (QChar &c : name)
        if (u"\\/:*?\"<>|"_s.contains(c))
            c = u' ';
    return name.simplified() + u".pdf"_s;
}

}  // namespace

PrinterSettings UseProgramPrinter(QPrinter &printer, Store &store)
{
    const PrinterSettings s = LoadPrinterSettings(store);
    if (!s.printerName.isEmpty() && QPrinterInfo::availablePrinterNames().contains(s.printerName))
        printer.setPrinterName(s.printerName);
    return s;
}

bool SavePdfAs(QWidget *parent, Store &store, const PrintJob &job)
{
    return SavePdfAs(parent, store, QList<PrintJob>{job});
}

bool SavePdfAs(QWidget *parent, Store &store, const QList<PrintJob> &pages)
{
    if (pages.isEmpty())
        return false;
    const QString start = QDir(store.paths().programDir).filePath(pdfFileName(pages.first()));
    QString path = QFileDialog::getSaveFileName(parent, u"Запис като PDF"_s, start,
                                                u"PDF файлове (*.pdf)"_s);
    if (path.isEmpty())
        return false;
    if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        path += u".pdf"_s;
    if (SavePagesPdf(pages, path))
        return true;
    store.ui().tell(u"Файлът не може да бъде записан: "_s + QDir::toNativeSeparators(path),
                    Interaction::Icon::Critical);
    return false;
}

void ShowPrintPreview(QWidget *parent, Store &store, const PrintJob &job)
{
    ShowPrintPreview(parent, store, QList<PrintJob>{job});
}

void ShowPrintPreview(QWidget *parent, Store &store, const QList<PrintJob> &pages)
{
    if (pages.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    UseProgramPrinter(printer, store);
    PreparePrinter(printer, pages.first().documentName);

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(u"frmPrintPreview"_s);
    dialog.setWindowTitle(u"Преглед преди печат"_s);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages, &store](QPrinter *target) {
                         // The preview and the paper are drawn alike; what the
                         // user sets in the system's print dialog (copies,
                         // paper) is left as set. The shift is the calibration
                         // of the printer that prints: another one chosen in
                         // the print dialog was never calibrated.
                         QPainter painter;
                         if (!painter.begin(target))
                             return;
                         RenderPrinterPages(painter, *target, pages,
                                            PrinterShift(store, *target));
                     });
    if (auto *bar = dialog.findChild<QToolBar *>()) {
        bar->addSeparator();
        QAction *pdf = bar->addAction(u"PDF"_s);
        pdf->setObjectName(u"actSavePdf"_s);
        pdf->setToolTip(u"Записва документа като PDF файл"_s);
        QObject::connect(pdf, &QAction::triggered, &dialog,
                         [&dialog, &store, &pages] { SavePdfAs(&dialog, store, pages); });
    }
    // As large as a page is worth, no larger than the screen it opens on.
    dialog.resize(900, 1000);
    FitOnScreenWhenShown(&dialog, parent ? parent->window()->pos() : QPoint());
    dialog.exec();
}

bool ChoosePrinter(QWidget *parent, Session &session)
{
    QPrinter printer(QPrinter::HighResolution);
    PrinterSettings settings = UseProgramPrinter(printer, session.store());
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(u"dlgPrinter"_s);
    dialog.setWindowTitle(u"Принтер"_s);
    // A printer is chosen here, not pages or a file.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A calibration belongs to the printer it was measured on.
    if (printer.outputFormat() == QPrinter::NativeFormat &&
        printer.printerName() != settings.printerName) {
        settings.printerName = printer.printerName();
        settings.offsetXTwips = 0;
        settings.offsetYTwips = 0;
    }
    SavePrinterSettings(session.store(), settings);
    return true;
}

}  // namespace remitor
