#include "base/gui/translations.h"
#include "print/gui/print_preview.h"
#include "support/tools.h"
#include "print/printer_settings.h"
#include "support/editor_app.h"
#include "support/typing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

QCheckBox *pageChoice(EditorApp &app) { return app.editor->findChild<QCheckBox *>(u"Check1"_s); }

}  // namespace

class TestPrintEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Qt's own dialogs in Bulgarian, as the program loads them, whatever
    // the machine's language (the test runs without LANG).
    void initTestCase() { QVERIFY(InstallQtTranslations(*qApp)); }
    void printButtonPrintsThroughThePreview();
    void secondPageBoxChoosesThePage();
    void printerChoiceIsKept();
};

void TestPrintEditor::printButtonPrintsThroughThePreview()
{
    REMITOR_REQUIRE_TOOL("pdftotext");
    REMITOR_REQUIRE_TOOL("pdfinfo");
    EditorApp app;
    QVERIFY(app.open());
    QToolButton *print = app.editor->command(u"cmdPrint"_s);
    QVERIFY(print->isEnabled());

    pageChoice(app)->setChecked(true);
    app.field(u"IBANp"_s)->setText(u"BG81BNBG96611020345678"_s);
    // The payee is still being typed when the button is clicked.
    app.field(u"Poluchatel"_s)->setFocus();
    typeText(app.field(u"Poluchatel"_s), u"Топлофикация Габрово"_s);

    const QString pdf = app.dir.filePath(u"order.pdf"_s);
    int pages = -1;
    QString title;
    bool savedPdf = false, fileDialog = false, preview = false;
    QStringList buttons;
    app.ui.answerSave(SaveChoice::New);  // "1 копие"
    whenModal<QPrintPreviewDialog>(
        [&](QPrintPreviewDialog *d) {
            title = d->windowTitle();
            if (auto *w = d->findChild<QPrintPreviewWidget *>())
                pages = w->pageCount();
            if (auto *save = d->findChild<QAction *>(u"actSavePdf"_s)) {
                whenModal<QFileDialog>(
                    [&](QFileDialog *f) {
                        for (auto *b : f->findChildren<QPushButton *>())
                            if (b->isVisible())
                                buttons << b->text();
                        // Typed into the name field, as a user does.
                        f->selectFile(pdf);
                        if (auto *name = f->findChild<QLineEdit *>(u"fileNameEdit"_s))
                            name->setText(pdf);
                        static_cast<QDialog *>(f)->accept();  // QFileDialog hides it
                    },
                    &fileDialog);
                save->trigger();
                savedPdf = QFile::exists(pdf);
            }
            d->reject();
        },
        &preview);
    QTest::mouseClick(print, Qt::LeftButton);

    QVERIFY(preview);
    QCOMPARE(title, u"Преглед преди печат"_s);
    QCOMPARE(pages, 1);
    QVERIFY(fileDialog && savedPdf);
    QVERIFY2(buttons.contains(u"&Запазване"_s) && buttons.contains(u"Отказ"_s), qPrintable(buttons.join(u", "_s)));
    // The wrong account was told, and printing went on.
    QCOMPARE(app.ui.texts().first(), u"Невалиден IBAN номер: BG81BNBG96611020345678"_s);
    QCOMPARE(app.ui.lastSave().caption, u"Печат на документ"_s);
    const QString text = pdfText(pdf);
    QCOMPARE(text.count(u"Топлофикация Габрово"_s), 1);  // one copy, the typed name in it
    QVERIFY(text.contains(u"Номер на БНБ"_s));
    QVERIFY(!text.contains(u"Декларация:"_s));
}

void TestPrintEditor::secondPageBoxChoosesThePage()
{
    EditorApp app;
    QVERIFY(app.open());
    QStringList pages;
    const PrintPresenter capture = [&pages](QWidget *, const PrintJob &job) {
        pages.append(job.layout->name + u' ' + QString::number(job.copies()));
    };
    app.editor->setPrintPresenter(capture);
    pageChoice(app)->setChecked(true);
    app.ui.answerSave(SaveChoice::Overwrite);
    QTest::mouseClick(app.editor->command(u"cmdPrint"_s), Qt::LeftButton);
    pageChoice(app)->setChecked(false);
    app.ui.answerSave(SaveChoice::New);
    QTest::mouseClick(app.editor->command(u"cmdPrint"_s), Qt::LeftButton);
    QCOMPARE(pages, (QStringList{u"PrintPln 2"_s, u"PrintPln2 1"_s}));
}

void TestPrintEditor::printerChoiceIsKept()
{
    EditorApp app;
    // A printer that is gone since it was chosen: the default one prints.
    QVERIFY(SavePrinterSettings(app.session.store(), {u"Изчезнал_принтер"_s, 45, -30}));
    QPrinter printer;
    const PrinterSettings used = UseProgramPrinter(printer, app.session.store());
    QCOMPARE(used.offsetXTwips, 45);
    QVERIFY(printer.printerName() != u"Изчезнал_принтер"_s);

    // Cancel changes nothing.
    bool seen = false;
    whenModal<QPrintDialog>([](QPrintDialog *d) { d->reject(); }, &seen);
    QVERIFY(!ChoosePrinter(&app.window, app.session));
    QVERIFY(seen);
    QCOMPARE(LoadPrinterSettings(app.session.store()).printerName, u"Изчезнал_принтер"_s);

    // Confirming stores the printer of the dialog, and the shift stays.
    QString chosen, title;
    whenModal<QPrintDialog>(
        [&](QPrintDialog *d) {
            title = d->windowTitle();
            chosen = d->printer()->outputFormat() == QPrinter::NativeFormat ? d->printer()->printerName()
                                                                            : u"Изчезнал_принтер"_s;
            d->accept();
        },
        &seen);
    QVERIFY(ChoosePrinter(&app.window, app.session));
    QVERIFY(seen);
    QCOMPARE(title, u"Принтер"_s);
    const PrinterSettings after = LoadPrinterSettings(app.session.store());
    QCOMPARE(after.printerName, chosen);
    QCOMPARE(after.offsetYTwips, -30);
}

QTEST_MAIN(TestPrintEditor)
#include "tst_print_editor.moc"
