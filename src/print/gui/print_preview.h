#pragma once

#include "print/page_layout.h"
#include "print/printer_settings.h"

class QPrinter;
class QWidget;

namespace remitor {

class Session;
class Store;

// Points `printer` at the program's printer: the one chosen through
// "Принтер" while it is still installed, otherwise the system's default.
// Gives the stored settings; the shift they hold applies only on the printer
// it was measured on (PrinterShift, calibration_window.h).
PrinterSettings UseProgramPrinter(QPrinter &printer, Store &store);

// The print preview of a page, drawn by the page renderer. From it the user
// prints on paper (the system's print dialog opens on the program's
// printer) or saves the page as a PDF file.
void ShowPrintPreview(QWidget *parent, Store &store, const PrintJob &job);
// The same for a report of several pages.
void ShowPrintPreview(QWidget *parent, Store &store, const QList<PrintJob> &pages);

// Asks where to save the page as PDF and writes it there; false when the
// user cancels or the file cannot be written (then the user is told).
bool SavePdfAs(QWidget *parent, Store &store, const PrintJob &job);
bool SavePdfAs(QWidget *parent, Store &store, const QList<PrintJob> &pages);

// "Принтер": the system's printer dialog. The printer the user confirms is
// the program's printer for every later print of this run and of the next
// ones (it is stored in the main database). Returns whether the user confirmed.
bool ChoosePrinter(QWidget *parent, Session &session);

}  // namespace remitor
