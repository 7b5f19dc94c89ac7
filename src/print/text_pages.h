#pragma once

#include "print/page_layout.h"

#include <QList>
#include <QString>

namespace remitor {

// A report of fixed-pitch lines (the cash journal, the turnover, the
// business trips) set on A4 pages for the one renderer: the lines in
// "Courier New", nine points or smaller when the widest line needs it, as
// many to a page as fit, and "Стр. 2 от 5" at the foot of each page.
inline constexpr int TextLinesPerPage = 62;
QList<PageLayout> TextPages(const QString &name, const QString &text);

// The jobs that print those pages, one to a page, each as high as a sheet.
QList<PrintJob> TextPrintJobs(const QList<PageLayout> &pages, const QString &documentName);

}  // namespace remitor
