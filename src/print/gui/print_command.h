#pragma once

#include "print/page_fill.h"

#include <functional>

class QWidget;

namespace remitor {

class Session;

// What a print command does with its filled page; by default the print
// preview, from which the page goes to paper or to a PDF file.
using PrintPresenter = std::function<void(QWidget *parent, const PrintJob &job)>;

// "cmdPrint" of every editor: the accounts checked (warnings only), the
// copies asked, the page chosen (`secondPage`: the one with the second
// page's block), filled from the record and shown.
void PrintDocument(QWidget *parent, Session &session, const PrintSubject &subject,
                   const KindPrint &print, const Record &record, bool secondPage,
                   const PrintPresenter &present = {});

}  // namespace remitor
