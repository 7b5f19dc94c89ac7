#include "print/gui/calibration_window.h"

#include "print/calibration.h"
#include "print/gui/page_renderer.h"
#include "print/gui/print_preview.h"
#include "session/session.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

QString shiftText(QPoint shift)
{
    return u"надясно "_s + MillimetreText(shift.x()) + u" мм, надолу "_s +
           MillimetreText(shift.y()) + u" мм"_s;
}

}  // namespace

QPoint PrinterShift(Store &store, const QPrinter &printer)
{
    return CalibrationShift(LoadPrinterSettings(store), printer.printerName());
}

CalibrationWindow::CalibrationWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setObjectName(u"frmCalibrate"_s);
    setWindowTitle(u"Калибриране на принтера"_s);

    m_printerLabel = new QLabel(this);
    m_printerLabel->setObjectName(u"lblPrinter"_s);
    m_shiftLabel = new QLabel(this);
    m_shiftLabel->setObjectName(u"lblShift"_s);
    auto *how = new QLabel(
        u"Отпечатайте пробния лист и измерете с линийка разстоянието от левия и от горния ръб "
        "на листа до средата на кръстовете. Въведете с колко милиметра са отместени от "
        "написаното до тях: плюс надясно и надолу, минус наляво и нагоре."_s,
        this);
    how->setWordWrap(true);

    const auto button = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *test = button(u"cmdTestPrint"_s, u"Пробен лист"_s);
    m_right = new QLineEdit(this);
    m_right->setObjectName(u"txtRight"_s);
    m_down = new QLineEdit(this);
    m_down->setObjectName(u"txtDown"_s);
    QPushButton *saveButton = button(u"cmdSave"_s, u"Запис"_s);
    QPushButton *resetButton = button(u"cmdReset"_s, u"Без корекция"_s);
    QPushButton *exitButton = button(u"cmdExit"_s, u"Изход"_s);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(u"Кръстовете са по-надясно с (мм):"_s, this), 0, 0);
    grid->addWidget(m_right, 0, 1);
    grid->addWidget(new QLabel(u"Кръстовете са по-надолу с (мм):"_s, this), 1, 0);
    grid->addWidget(m_down, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addWidget(resetButton);
    buttons->addStretch(1);
    buttons->addWidget(exitButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_printerLabel);
    layout->addWidget(m_shiftLabel);
    layout->addWidget(how);
    layout->addWidget(test, 0, Qt::AlignLeft);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(test, &QPushButton::clicked, this, &CalibrationWindow::printTestSheet);
    connect(saveButton, &QPushButton::clicked, this, &CalibrationWindow::save);
    connect(resetButton, &QPushButton::clicked, this, &CalibrationWindow::reset);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    refresh();
}

void CalibrationWindow::showEvent(QShowEvent *event)
{
    // The printer may have been changed through "Принтер" since.
    refresh();
    QWidget::showEvent(event);
}

void CalibrationWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void CalibrationWindow::refresh()
{
    QPrinter printer(QPrinter::HighResolution);
    UseProgramPrinter(printer, m_session.store());
    m_printer = printer.printerName();
    m_printerLabel->setText(u"Принтер: "_s +
                            (m_printer.isEmpty() ? u"по подразбиране"_s : m_printer));
    m_shiftLabel->setText(u"Текуща корекция: "_s +
                          shiftText(PrinterShift(m_session.store(), printer)));
}

PrintJob CalibrationWindow::testSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    UseProgramPrinter(printer, m_session.store());
    PreparePrinter(printer, windowTitle());
    // Where the page starts on the paper: the crosses are measured from the
    // paper's edges.
    const QRectF page = printer.pageRect(QPrinter::Point);
    const QPoint origin(int(std::lround(page.left() * 20)), int(std::lround(page.top() * 20)));
    PrintJob job;
    job.layout = &CalibrationSheet();
    job.fill = FillCalibrationSheet(origin, printer.printerName(),
                                    PrinterShift(m_session.store(), printer));
    job.heightTwips = OneCopyHeightTwips;
    job.documentName = u"Пробен лист"_s;
    return job;
}

void CalibrationWindow::printTestSheet()
{
    // The printer may have been changed in the main window since this
    // window opened: the sheet and what is measured on it belong to the
    // program's printer now.
    refresh();
    m_sheetPrinter = m_printer;
    const PrintJob job = testSheet();
    if (m_present)
        m_present(this, job);
    else
        ShowPrintPreview(this, m_session.store(), job);
}

void CalibrationWindow::save()
{
    const auto right = ReadMillimetres(m_right->text());
    const auto down = ReadMillimetres(m_down->text());
    if (!right || !down) {
        m_session.ui().tell(
            u"Отместването се посочва в милиметри, от -25 до 25 (например 1,5 или -2)."_s,
            Interaction::Icon::Critical);
        (right ? m_down : m_right)->setFocus();
        return;
    }
    refresh();
    if (m_sheetPrinter && *m_sheetPrinter != m_printer) {
        m_session.ui().tell(
            u"Пробният лист е отпечатан на друг принтер. Отпечатайте пробен лист на "_s +
                (m_printer.isEmpty() ? u"принтера по подразбиране"_s : m_printer) +
                u" и измерете отново."_s,
            Interaction::Icon::Warning);
        return;
    }
    const PrinterSettings now =
        Calibrated(LoadPrinterSettings(m_session.store()), m_printer, *right, *down);
    if (!SavePrinterSettings(m_session.store(), now))
        return;
    m_right->clear();
    m_down->clear();
    refresh();
    m_session.ui().tell(u"Корекцията е записана: "_s +
                        shiftText({now.offsetXTwips, now.offsetYTwips}) + u'.');
}

void CalibrationWindow::reset()
{
    if (!m_session.ui().askOkCancel(u"Принтерът да печата без корекция?"_s))
        return;
    refresh();  // the program's printer now, not when the window opened
    PrinterSettings s = LoadPrinterSettings(m_session.store());
    s.printerName = m_printer;
    s.offsetXTwips = 0;
    s.offsetYTwips = 0;
    if (SavePrinterSettings(m_session.store(), s))
        refresh();
}

}  // namespace remitor
