#include "app/gui/main_window.h"
#include "documents/kinds.h"
#include "print/calibration.h"
#include "print/gui/calibration_window.h"
#include "print/gui/page_renderer.h"
#include "print/gui/print_preview.h"
#include "print/pln_pages.h"
#include "session/session.h"
#include "support/editor_app.h"
#include "support/gui_support.h"
#include "support/scripted_interaction.h"
#include "support/tools.h"
#include "support/typing.h"

#include <QAction>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

// What goes to paper, written by a printer that makes a PDF file.
bool printToPdf(const PrintJob &job, const QString &path, Store *calibrated)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return PrintPage(printer, job, calibrated ? PrinterShift(*calibrated, printer) : QPoint());
}

// The same through the print preview, as its print button prints once the
// system's print dialog is confirmed.
bool printThroughPreview(Store &store, const PrintJob &job, const QString &path)
{
    bool seen = false;
    whenModal<QPrintPreviewDialog>(
        [&](QPrintPreviewDialog *d) {
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            pdf.setOutputFileName(path);
            PreparePrinter(pdf, job.documentName);
            Q_EMIT d->paintRequested(&pdf);
            d->reject();
        },
        &seen);
    ShowPrintPreview(nullptr, store, job);
    return seen && QFile::exists(path);
}

PrintJob creditTransfer()
{
    Record r(tableDef(DbKind::Main, u"PlnTable"_s));
    r.setKey(3);
    r.setText(u"DoBanka"_s, u"Обединена българска банка"_s);
    r.setText(u"poluchatel"_s, u"Водоснабдяване ЕООД"_s);
    r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
    r.setText(u"nareditel"_s, u"Алфа Транс ООД"_s);
    r.setMoney(u"suma"_s, Money::fromUnits(1234, 50));
    r.setDate(u"workDate"_s, QDate(2010, 3, 5));
    PrintJob j;
    j.layout = &CreditTransferPrint().layout(true);
    j.fill = FillPage(*j.layout, r, kindById(u"Pln"_s).printSubject(), true);
    j.heightTwips = PageHeightTwips(Copies::Two);
    return j;
}

// The program with its main window, as the editors' tests start it.
using App = EditorApp;

}  // namespace

class TestCalibration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void millimetresAsTyped_data();
    void millimetresAsTyped();
    void measureCorrectsTheShiftPrintedWith_data();
    void measureCorrectsTheShiftPrintedWith();
    void everyElementMovesByTheCalibration_data();
    void everyElementMovesByTheCalibration();
    void testSheetSaysWhereItsCrossesStand();
};

void TestCalibration::millimetresAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("mm");
    QTest::newRow("whole") << u"2"_s << true << 2.0;
    QTest::newRow("comma and minus") << u" -1,5 "_s << true << -1.5;
    QTest::newRow("plus, point, unit") << u"+0.5 мм"_s << true << 0.5;
    QTest::newRow("empty is none") << u""_s << true << 0.0;
    QTest::newRow("the limit") << u"-25"_s << true << -25.0;
    QTest::newRow("beyond an inch") << u"26"_s << false << 0.0;
    QTest::newRow("words") << u"два"_s << false << 0.0;
    QTest::newRow("two numbers") << u"1 2"_s << false << 0.0;
}

void TestCalibration::millimetresAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(double, mm);
    const auto v = ReadMillimetres(typed);
    QCOMPARE(v.has_value(), valid);
    if (valid)
        QCOMPARE(*v, mm);
}

void TestCalibration::measureCorrectsTheShiftPrintedWith_data()
{
    QTest::addColumn<QString>("storedPrinter");
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QPoint>("corrected");  // after the crosses landed 2 mm left, 1 mm low
    QTest::newRow("first calibration") << QString() << QPoint() << u"HP"_s << QPoint(113, -57);
    QTest::newRow("a second one adds to the first")
        << u"HP"_s << QPoint(40, 30) << u"HP"_s << QPoint(153, -27);
    QTest::newRow("another printer starts from none")
        << u"Canon"_s << QPoint(40, 30) << u"HP"_s << QPoint(113, -57);
    QTest::newRow("cut to an inch")
        << u"HP"_s << QPoint(1400, -1420) << u"HP"_s << QPoint(1440, -1440);
}

void TestCalibration::measureCorrectsTheShiftPrintedWith()
{
    QFETCH(QString, storedPrinter);
    QFETCH(QPoint, stored);
    QFETCH(QString, printer);
    QFETCH(QPoint, corrected);
    const PrinterSettings s{storedPrinter, stored.x(), stored.y()};
    const PrinterSettings after = Calibrated(s, printer, -2.0, 1.0);
    QCOMPARE(after.printerName, printer);
    QCOMPARE(QPoint(after.offsetXTwips, after.offsetYTwips), corrected);
    QCOMPARE(CalibrationShift(after, printer), corrected);
    QCOMPARE(CalibrationShift(after, u"Другият принтер"_s), QPoint());
}

// The page goes through one renderer whatever its kind: the credit
// transfer's stands for them all.
void TestCalibration::everyElementMovesByTheCalibration_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<bool>("calibrate");
    QTest::addColumn<QString>("otherPrinter");  // a calibration stored for another printer
    QTest::addColumn<QPoint>("shift");
    for (bool preview : {false, true})
        QTest::addRow("%s, +2 mm / -1 mm", preview ? "preview" : "paper")
            << preview << true << QString() << QPoint(113, -57);
    QTest::addRow("calibrated for another printer") << true << false << u"HP_LaserJet_4050"_s << QPoint();
}

void TestCalibration::everyElementMovesByTheCalibration()
{
    REMITOR_REQUIRE_TOOL("pdftotext");
    QFETCH(bool, preview);
    QFETCH(bool, calibrate);
    QFETCH(QString, otherPrinter);
    QFETCH(QPoint, shift);
    App app;
    if (calibrate) {
        // As the user does it: the marks landed 2 mm too far left and 1 mm too low.
        app.window.action(u"mnuCalibrate"_s)->trigger();
        auto *w = app.window.findChild<CalibrationWindow *>(u"frmCalibrate"_s);
        QVERIFY(w && activate(w));
        auto *right = w->findChild<QLineEdit *>(u"txtRight"_s);
        auto *down = w->findChild<QLineEdit *>(u"txtDown"_s);
        typeText(right, u"-2"_s);
        typeText(down, u"1,0"_s);
        QTest::mouseClick(w->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
        shoot(w, u"frmCalibrate"_s);
        QCOMPARE(app.ui.texts(),
                 QStringList{u"Корекцията е записана: надясно 2,0 мм, надолу -1,0 мм."_s});
    } else {
        QVERIFY(SavePrinterSettings(app.session.store(), {otherPrinter, 113, -57}));
    }

    const PrintJob job = creditTransfer();
    const QString plain = app.dir.filePath(u"plain.pdf"_s),
                  moved = app.dir.filePath(u"moved.pdf"_s);
    QVERIFY(printToPdf(job, plain, nullptr));
    QVERIFY(preview ? printThroughPreview(app.session.store(), job, moved)
                    : printToPdf(job, moved, &app.session.store()));
    const QList<Word> before = wordsOf(plain), after = wordsOf(moved);
    QVERIFY(before.size() > 40);
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const QString where = u"%1: moved by %2, %3"_s.arg(before[i].text)
                                  .arg(after[i].left - before[i].left)
                                  .arg(after[i].top - before[i].top);
        QVERIFY2(after[i].text == before[i].text, qPrintable(where));
        QVERIFY2(std::abs(after[i].left - before[i].left - shift.x()) < 0.5, qPrintable(where));
        QVERIFY2(std::abs(after[i].top - before[i].top - shift.y()) < 0.5, qPrintable(where));
    }
}

void TestCalibration::testSheetSaysWhereItsCrossesStand()
{
    App app;
    QVERIFY(SavePrinterSettings(app.session.store(), {QString(), 113, -57}));
    CalibrationWindow w(app.session);
    PrintJob shown;
    w.setPrintPresenter([&shown](QWidget *, const PrintJob &job) { shown = job; });
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdTestPrint"_s), Qt::LeftButton);
    QVERIFY(shown.layout);
    // A file's page starts at the paper's corner: an inch in is 25,4 mm.
    QCOMPARE(shown.fill.text(u"mark0"_s), u"отляво 25,4 мм, отгоре 25,4 мм"_s);
    QCOMPARE(shown.fill.text(u"mark3"_s), u"отляво 184,6 мм, отгоре 123,5 мм"_s);
    QCOMPARE(shown.fill.text(u"shift"_s),
             u"Корекция при този печат: надясно 2,0 мм, надолу -1,0 мм"_s);
    if (const QString shots = qEnvironmentVariable("REMITOR_SHOTS"); !shots.isEmpty())
        SavePagePdf(shown, shots + u"/PrintCalibration.pdf"_s);
    // Each cross is drawn where its text says: dark at its middle, light beside.
    constexpr int dpi = 144;
    const QImage image = RenderPageImage(shown, dpi);
    for (const QPoint mark : CalibrationMarks()) {
        const auto dark = [&](int x, int y) {
            return 255 - qGray(image.pixel(x * dpi / 1440, y * dpi / 1440));
        };
        QVERIFY(dark(mark.x(), mark.y()) > 100);
        QVERIFY(dark(mark.x() + 100, mark.y() + 100) < 40);
    }
}

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
