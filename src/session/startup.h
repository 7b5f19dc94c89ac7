#pragma once

#include "store/record.h"

#include <QDate>

namespace remitor {

class Store;

// What the start-up leaves behind for the rest of the run.
struct StartupState {
    Record firma;
    Record params;
    QDate today;
    bool colorPrinting = true;
};

// Prepares the databases and reads the records, as the program does when
// it starts: recovers a missing file from the leftovers of a compaction (or
// creates it empty when there are none), checks both files for damage and
// offers the repair once per file, opens every table of both files
// (creating what is missing), upgrades old layouts, loads the own company
// and the parameters (which writes them back). A failing step does not
// stop the next one.
StartupState RunStartup(Store &store, const QDate &today);

}  // namespace remitor
