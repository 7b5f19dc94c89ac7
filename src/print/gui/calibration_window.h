#pragma once

#include "print/gui/print_command.h"

#include <QPoint>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPrinter;

namespace remitor {

class Session;
class Store;

// The shift that a print on `printer` takes: the stored calibration when it
// was measured on that printer, none otherwise. Every print to paper (and
// its preview) draws the page with it.
QPoint PrinterShift(Store &store, const QPrinter &printer);

// "Калибриране на принтера" (frmCalibrate): prints a test sheet on the
// program's printer, takes how far off its crosses landed (in millimetres)
// and stores the shift that puts them, and every form after them, in place.
class CalibrationWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalibrationWindow(Session &session, QWidget *parent = nullptr);

    // The test sheet as the program's printer would print it now.
    PrintJob testSheet();
    // Tests take the sheet instead of the print preview.
    void setPrintPresenter(PrintPresenter present) { m_present = std::move(present); }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();
    void printTestSheet();
    void save();
    void reset();

    Session &m_session;
    QString m_printer;  // the printer the program prints on now
    // The printer the last test sheet of this window went to.
    std::optional<QString> m_sheetPrinter;
    QLabel *m_printerLabel;
    QLabel *m_shiftLabel;
    QLineEdit *m_right;
    QLineEdit *m_down;
    PrintPresenter m_present;
};

}  // namespace remitor
