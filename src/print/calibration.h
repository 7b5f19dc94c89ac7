#pragma once

#include "print/page_layout.h"
#include "print/printer_settings.h"

#include <QPoint>
#include <optional>

namespace remitor {

// The calibration of a printer whose paper feed is off: a test sheet with
// crosses at known places, the user's measure of how far off they landed,
// and the page-wide shift that every later print on that printer takes.

// 1440 twips make an inch of 25.4 mm.
int MillimetresToTwips(double mm);
// "25,4": millimetres to a tenth, with the decimal comma.
QString MillimetreText(int twips);

// A distance typed in millimetres ("2", "-1,5", "+0.5", "1 мм"); an empty
// field is 0. Nothing for any other text or for more than 25 mm either way.
inline constexpr double MaxCalibrationMm = 25.0;
std::optional<double> ReadMillimetres(const QString &text);

// The shift a print on `printerName` takes: the stored one when it was
// measured on that printer (or when the settings name no printer, as in a
// file older than the choice); none on any other printer, which was never
// calibrated.
QPoint CalibrationShift(const PrinterSettings &settings, const QString &printerName);

// The settings after a test sheet printed on `printerName` showed its
// crosses `rightMm` further right and `downMm` lower than the sheet says
// they belong (negative: left, up): the shift that sheet was printed with,
// less what it missed by. The settings then name that printer.
PrinterSettings Calibrated(const PrinterSettings &settings, const QString &printerName,
                           double rightMm, double downMm);

// The test sheet: four crosses, each with the distances from the paper's
// left and top edges where it belongs, and how to measure them. One copy.
const PageLayout &CalibrationSheet();
// Where the crosses stand on the page, in twips from the page's corner.
const QList<QPoint> &CalibrationMarks();
// The sheet's texts for a printer whose page starts `pageOriginTwips` from
// the paper's corner (its margins) and which prints with `shiftTwips` now.
PageFill FillCalibrationSheet(QPoint pageOriginTwips, const QString &printerName,
                              QPoint shiftTwips);

}  // namespace remitor
