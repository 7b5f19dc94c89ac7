#pragma once

#include "print/page_layout.h"

#include <QImage>
#include <QPoint>

class QPainter;
class QPrinter;

namespace remitor {

// The one renderer of print pages: paper, PDF and images all come from it.

// Draws the page with `painter`, whose device has `dotsPerInch` dots per
// inch and its origin at the sheet's top-left corner. The upper copy, and
// the lower copy 8220 twips below it when the page's height holds it;
// nothing below the page's height. `offsetTwips` shifts the whole page (the
// calibration of a printer).
void RenderPage(QPainter &painter, const PrintJob &job, double dotsPerInch,
                QPoint offsetTwips = {});

// Sets a printer up for a page: A4 portrait, the page starting at the
// corner of the printable area, one copy (both copies of the form are on
// the one sheet already). A PDF file starts at the sheet's corner instead.
void PreparePrinter(QPrinter &printer, const QString &documentName);

// Prints the page on `printer` as one job. False when the printer could
// not be started.
bool PrintPage(QPrinter &printer, const PrintJob &job, QPoint offsetTwips = {});

// Draws the pages on a printer that `painter` has begun, one sheet each. A
// page higher than the printer's printable area (two copies of a form on a
// printer with wide margins) is drawn smaller, whole, rather than losing the
// foot of the lower copy.
void RenderPrinterPages(QPainter &painter, QPrinter &printer, const QList<PrintJob> &pages,
                        QPoint offsetTwips = {});

// Writes the page as a PDF file of one A4 sheet. False when the file could
// not be written.
bool SavePagePdf(const PrintJob &job, const QString &path);
// The pages of a report, one A4 sheet each, as one PDF file.
bool SavePagesPdf(const QList<PrintJob> &pages, const QString &path);

// The page as an image: the sheet's width, the page's height.
QImage RenderPageImage(const PrintJob &job, int dotsPerInch);

}  // namespace remitor
