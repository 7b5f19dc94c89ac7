#include "print/gui/page_renderer.h"
#include "reports/gui/deletion_windows.h"
#include "reports/gui/report_viewer.h"
#include "reports/gui/report_window.h"
#include "support/editor_app.h"
#include "support/tools.h"
#include "support/typing.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestReportWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedCopiedReportedAndPrinted();
    void deletionWindows();
};

namespace {

void type(EditorApp &app, const QString &field, const QString &text)
{
    QLineEdit *e = app.field(field);
    e->setFocus();
    e->selectAll();
    typeText(e, text);
    QTest::keyClick(e, Qt::Key_Return);
}

QString golden(const QString &name)
{
    QFile f(qEnvironmentVariable("TESTDATA_DIR") + u"/reports/golden/"_s + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

// Credit transfer orders typed into their editor and copied into the
// reports base as a user does it, with the date typed, picked and left
// empty, in leva and in euro; the report of January for one payee, byte for
// byte; its page printed to PDF, and a page wider than the paper asked about.
void TestReportWindows::typedCopiedReportedAndPrinted()
{
    EditorApp app;
    QVERIFY(app.open());
    const QString payee = u"BG80BNBG96611020345678"_s;
    const struct {
        const char16_t *date;  // empty: picked with the date button
        const char16_t *payee, *payer;
        const char *payerIban, *currency, *amount;
    } docs[] = {
        {u"05.01.2026", u"Електроразпределение Север АД", u"Алфа Транс ООД",
         "BG21STSA93000012345678", "BGN", "1250,50"},
        {u"", u"Електроразпределение Север АД", u"Алфа Транс ООД", "BG21STSA93000012345678", "EUR",
         "300"},
        {u"31.1.2026", u"Електроразпределение Север АД", u"Бета Строй ЕООД",
         "BG18RZBB91550123456789", "EUR", "99.99"},
        {u"01.02.2026", u"Електроразпределение Север АД", u"Алфа Транс ООД",
         "BG21STSA93000012345678", "EUR", "10"},
        {u"15.01.2026", u"Водоснабдяване АД", u"Алфа Транс ООД", "BG21STSA93000012345678", "EUR",
         "45"},
    };
    for (const auto &d : docs) {
        if (*d.date) {
            type(app, u"pDate"_s, QString::fromUtf16(d.date));
        } else {
            app.ui.answerDate(QDate(2026, 1, 20));
            // The button takes the focus as a click on it does on a screen.
            auto *button = app.editor->findChild<QPushButton *>(u"cmdDat"_s);
            button->setFocus(Qt::MouseFocusReason);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        type(app, u"Poluchatel"_s, QString::fromUtf16(d.payee));
        type(
            app, u"IBANp"_s,
            QString::fromUtf16(d.payee).startsWith(u"Вод"_s) ? u"BG44UNCR70001512345678"_s : payee);
        type(app, u"Nareditel"_s, QString::fromUtf16(d.payer));
        type(app, u"IBANn"_s, QLatin1StringView(d.payerIban));
        type(app, u"valuta"_s, QLatin1StringView(d.currency));
        type(app, u"suma"_s, QLatin1StringView(d.amount));
        app.ui.answerSave(SaveChoice::New);
        app.click(u"cmdBase"_s);
    }
    QCOMPARE(app.ui.pendingAnswers(), 0);
    QCOMPARE(app.rec().text(u"pDate"_s).trimmed(),
             u"15.01.2026"_s);  // the editor keeps its document

    app.window.action(u"mnuReports"_s)->trigger();
    auto *reports = app.window.findChild<ReportWindow *>(u"frmPDSpravki"_s);
    QVERIFY(reports && reports->isVisible());
    QCOMPARE(reports->findChild<QLineEdit *>(u"Date1"_s)->text(), u"05.03.2010"_s);
    reports->findChild<QRadioButton *>(u"Option3"_s)->click();
    reports->findChild<QRadioButton *>(u"mode2"_s)->click();
    reports->findChild<QLineEdit *>(u"Date1"_s)->setText(u"01.01.2026"_s);
    reports->findChild<QLineEdit *>(u"Date2"_s)->setText(u"31.01.2026"_s);
    auto *box = reports->findChild<PartyBox *>(u"Poluchatel"_s);
    box->showPopup();
    QCOMPARE(box->count(), 2);  // each payee once
    QCOMPARE(box->itemText(0), payee + u"\tЕлектроразпределение Север АД"_s);
    box->hidePopup();
    Q_EMIT box->activated(0);
    QCOMPARE(reports->findChild<QLabel *>(u"IBANp"_s)->text(), payee);
    QCOMPARE(box->currentText(), u"Електроразпределение Север АД"_s);

    app.ui.clear();
    QTest::mouseClick(reports->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
    QVERIFY(!reports->isVisible());
    ReportViewer *viewer = reports->viewer();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->findChild<QLabel *>(u"lblMaxPage"_s)->text(), u"1"_s);
    const QString want = golden(u"credit_transfers.txt"_s);
    QVERIFY(!want.isEmpty());
    QCOMPARE(viewer->text()->toPlainText(), want);
    QCOMPARE(app.ui.texts(), QStringList());

    // "Печат" reaches the PDF through the forms' print path.
    REMITOR_REQUIRE_TOOL("pdftotext");
    QTemporaryDir out;
    const QString pdf = out.filePath(u"report.pdf"_s);
    int printed = 0;
    viewer->setPrintPresenter([&](QWidget *, const PrintJob &job) {
        ++printed;
        QVERIFY(SavePagePdf(job, pdf));
    });
    QTest::mouseClick(viewer->findChild<QPushButton *>(u"cmdPrint"_s), Qt::LeftButton);
    QCOMPARE(printed, 1);
    const QString read = pdfText(pdf);
    QVERIFY2(read.contains(
                 u"СПРАВКА (Платежно Нареждане за Кредитен Превод) от 01.01.2026 до 31.01.2026"_s),
             qPrintable(read));
    QVERIFY(read.contains(u"Всичко BGN:"_s) && read.contains(u"1250.50 BGN"_s));

    // Larger type no longer fits the paper: asked, and Cancel prints nothing.
    viewer->findChild<QComboBox *>(u"cmdFontSize"_s)->setCurrentText(u"12"_s);
    app.ui.answer(false);
    QTest::mouseClick(viewer->findChild<QPushButton *>(u"cmdPrint"_s), Qt::LeftButton);
    QCOMPARE(printed, 1);
    QVERIFY(
        app.ui.texts().last().startsWith(u"Ширината на страницата (210мм)\n"
                                         u"е по-малка от ширината на текста. ("_s));
}

// A copy deleted through its kind's button shows at once in the open
// editor; the period window's boxes and its Start reach the period closing.
void TestReportWindows::deletionWindows()
{
    EditorApp app;
    QVERIFY(app.open());
    for (const QString &payee : {u"Първи получател"_s, u"Втори получател"_s}) {
        type(app, u"pDate"_s, u"05.01.2026"_s);
        type(app, u"Poluchatel"_s, payee);
        app.ui.answerSave(SaveChoice::New);
        app.click(u"cmdBase"_s);
    }
    bool seen = false;
    app.ui.pickNumber(1);
    app.ui.answer(true);
    whenModal<DelDocWindow>(
        [](DelDocWindow *w) {
            QCOMPARE(w->findChildren<QPushButton *>().size(), 11);
            QTest::mouseClick(w->findChild<QPushButton *>(u"Command3"_s), Qt::LeftButton);
            w->reject();
        },
        &seen);
    app.window.action(u"mnuDelDoc"_s)->trigger();
    QVERIFY(seen);
    QCOMPARE(app.field(u"Poluchatel"_s)->text(), u"Първи получател"_s);
    QVERIFY(app.editor->windowTitle().endsWith(u"No: 1"_s));

    app.ui.clear();
    whenModal<EndPeriodWindow>(
        [](EndPeriodWindow *w) {
            const auto boxes = w->findChildren<QCheckBox *>();
            QCOMPARE(boxes.size(), 10);
            QTest::mouseClick(w->findChild<QPushButton *>(u"cmdTotal"_s), Qt::LeftButton);
            QVERIFY(
                std::all_of(boxes.begin(), boxes.end(), [](auto *b) { return b->isChecked(); }));
            QTest::mouseClick(w->findChild<QPushButton *>(u"cmdClear"_s), Qt::LeftButton);
            w->findChild<QCheckBox *>(u"Check3"_s)->setChecked(true);
            w->findChild<QLineEdit *>(u"Date1"_s)->setText(u"5.1.2026"_s);
            QTest::mouseClick(w->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
            w->reject();
        },
        &seen);
    app.window.action(u"mnuEndPeriod"_s)->trigger();
    QVERIFY(seen);
    QCOMPARE(app.ui.texts().value(0), u"Изтрити документи: 1."_s);
    QCOMPARE(rowsOn(app.session.paths().reportsPath, u"SELECT COUNT(*) FROM PlnTable"_s),
             QStringList{u"0"_s});
}

QTEST_MAIN(TestReportWindows)
#include "tst_report_windows.moc"
