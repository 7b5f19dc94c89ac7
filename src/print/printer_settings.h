#pragma once

#include <QString>

namespace remitor {

class Store;

// The printer that the program prints on, chosen through "Принтер", and a
// page-wide shift (in twips, right and down) that calibrates a printer whose
// paper feed is off. One row of PrintTable in the main database; every print
// reads it, so a choice holds for the rest of the run and the next start.
struct PrinterSettings {
    QString printerName;  // empty: the system's default printer
    int offsetXTwips = 0;
    int offsetYTwips = 0;

    bool operator==(const PrinterSettings &) const = default;
};

// The stored settings; the defaults when none were stored or the file cannot be read.
PrinterSettings LoadPrinterSettings(Store &store);
// Writes them as the one row of PrintTable, in one transaction.
bool SavePrinterSettings(Store &store, const PrinterSettings &settings);

}  // namespace remitor
