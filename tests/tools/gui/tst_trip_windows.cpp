#include "app/gui/main_window.h"
#include "print/gui/page_renderer.h"
#include "session/session.h"
#include "support/editor_app.h"
#include "support/gui_support.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"
#include "support/tools.h"
#include "support/typing.h"
#include "tools/gui/notes_window.h"
#include "tools/gui/trip_order_window.h"
#include "tools/gui/trip_report_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

// The program with its main window, a firm, and a scripted user.
struct App {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 5, 20)};
    MainWindow window{session};
    ModalGuard guard;

    App()
    {
        session.startUp();
        session.firma.setText(u"ime"_s, u"Алфа Транс ООД"_s);
        session.firma.setText(u"Grad"_s, u"Габрово"_s);
        window.show();
    }
    template <typename W>
    W *open(const QString &item, const QString &name)
    {
        window.action(item)->trigger();
        auto *w = window.findChild<W *>(name);
        return w && w->isVisible() && activate(w) ? w : nullptr;
    }
    QStringList stored(const QString &columns)
    {
        return rowsOn(dir.filePath(u"Remitor.MDB"_s),
                      u"SELECT "_s + columns + u" FROM KomandTable ORDER BY \"No\""_s);
    }
};

// Clicks into a field and types, as a user does; Enter leaves it unless not wanted.
void type(TripOrderWindow *w, const QString &field, const QString &text, bool enter = true)
{
    QLineEdit *e = w->field(field);
    QTest::mouseClick(e, Qt::LeftButton);
    e->selectAll();
    typeText(e, text);
    if (enter)
        QTest::keyClick(e, Qt::Key_Return);
}

void click(TripOrderWindow *w, const QString &command)
{
    QTest::mouseClick(w->command(command), Qt::LeftButton);
}

}  // namespace

class TestTripWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedOrderIsSavedReadListedAndPrinted();
    void badInputSavesNothing();
    void notesAreSeededAndPicked();
};

void TestTripWindows::typedOrderIsSavedReadListedAndPrinted()
{
    REMITOR_REQUIRE_TOOL("pdftotext");
    App app;
    seedContractor(app.session.store(), 1, {{u"KlIme"_s, u"Иван Петров Иванов"_s}});
    QTest::mouseClick(app.window.button(u"cmdKomand"_s), Qt::LeftButton);
    auto *w = app.window.findChild<TripOrderWindow *>(u"frmCommand"_s);
    QVERIFY(w && w->isVisible() && activate(w));
    QCOMPARE(w->windowTitle(), u"Заповед за командировка No: 1"_s);
    QCOMPARE(w->field(u"txtFirma"_s)->text(), u"Алфа Транс ООД - Габрово"_s);
    QCOMPARE(w->field(u"txtData"_s)->text(), u"20.05.2010"_s);

    // The employee from the contractor list, the rest typed.
    app.ui.answerInput(u"иван"_s);
    app.ui.pickNumber(1);
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdPerson"_s), Qt::LeftButton);
    QCOMPARE(w->field(u"txtIme"_s)->text(), u"Иван Петров Иванов"_s);
    for (const auto &[field, text] : {std::pair{u"txtDlj"_s, u"шофьор"_s},
                                      {u"txtTo"_s, u"Русе"_s},
                                      {u"txtIn"_s, u"Дунав Транс ЕООД"_s},
                                      {u"txtDateOt"_s, u"3.5.10"_s},
                                      {u"txtDateDo"_s, u"5/5/2010"_s},
                                      {u"txtWork"_s, u"Доставка на резервни части"_s},
                                      {u"txtDayMoney"_s, u"40"_s},
                                      {u"txtNightMoney"_s, u"55,5"_s},
                                      {u"txtTransport"_s, u"Лек автомобил"_s},
                                      {u"txtMarka"_s, u"Шкода"_s},
                                      {u"txtRegNo"_s, u"ЕВ 1234 АВ"_s}})
        type(w, field, text);
    QCOMPARE(w->field(u"txtSrok"_s)->text(), u"3"_s);
    shoot(w, u"frmCommand"_s);
    // The last field is still being typed when Save is clicked.
    type(w, u"txtSmetka"_s, u"Фирмата"_s, false);
    click(w, u"cmdSave"_s);
    QCOMPARE(app.ui.texts().last(), u"Заповед за командировка № 1 Иван Петров Иванов е записан."_s);
    QCOMPARE(
        app.stored(u"\"No\", Ime, srok, otDate, doDate, dnevni, nostni, smetka, doklad"_s),
        QStringList{u"1|Иван Петров Иванов|3|2010-05-03|2010-05-05|400000|555000|Фирмата|1"_s});

    // Read back into a cleared window.
    app.ui.answer(true);
    click(w, u"cmdNew"_s);
    QCOMPARE(w->field(u"txtIme"_s)->text(), QString());
    QCOMPARE(w->field(u"txtNo"_s)->text(), u"2"_s);
    app.ui.answerSearch(SearchRequest{u"иван"_s, 0});
    app.ui.pickNumber(1);
    click(w, u"cmdRead"_s);
    QCOMPARE(w->field(u"txtNightMoney"_s)->text(), u"55.50"_s);
    QCOMPARE(w->field(u"txtDateDo"_s)->text(), u"05.05.2010"_s);
    QCOMPARE(w->windowTitle(), u"Заповед за командировка No: 1"_s);

    // Listed in its period, and not outside it.
    auto *report = app.open<TripReportWindow>(u"mnuKomReport"_s, u"frmKomReport"_s);
    QVERIFY(report);
    for (const auto &[from, to, listed] :
         {std::tuple{u"6.5.2010"_s, u"31.5.2010"_s, false}, {u"1.5.2010"_s, u"4.5.2010"_s, true}}) {
        report->fromField()->setText(from);
        report->toField()->setText(to);
        QTest::mouseClick(report->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
        const QString text = report->report()->toPlainText();
        QVERIFY2(text.contains(u"Иван Петров Иванов"_s) == listed, qPrintable(text));
        if (listed)
            shoot(report, u"frmKomReport"_s);
    }
    // Printed, its wide lines set small enough to stay on the sheet.
    QList<PrintJob> sheets;
    report->setPresenter([&sheets](const QList<PrintJob> &jobs) { sheets = jobs; });
    QTest::mouseClick(report->findChild<QPushButton *>(u"cmdPrint"_s), Qt::LeftButton);
    QCOMPARE(sheets.size(), 1);
    const QString listPdf =
        qEnvironmentVariable("REMITOR_SHOTS", app.dir.path()) + u"/frmKomReport.pdf"_s;
    QVERIFY(SavePagePdf(sheets.first(), listPdf));
    const QList<Word> listed = wordsOf(listPdf);
    QVERIFY(std::any_of(listed.begin(), listed.end(),
                        [](const Word &w) { return w.text == u"Иванов"; }));
    for (const Word &w : listed) QVERIFY2(w.right <= A4WidthTwips - 400, qPrintable(w.text));

    // Printed: one copy on the upper half of the sheet.
    activate(w);
    PrintJob printed;
    w->setPrintPresenter([&printed](QWidget *, const PrintJob &job) { printed = job; });
    app.ui.answerSave(SaveChoice::New);
    click(w, u"cmdPrint"_s);
    QCOMPARE(app.ui.lastSave().caption, u"Печат на документ"_s);
    QCOMPARE(printed.copies(), 1);
    const QString shots = qEnvironmentVariable("REMITOR_SHOTS");
    const QString pdf = (shots.isEmpty() ? app.dir.path() : shots) + u"/frmPrintKom.pdf"_s;
    QVERIFY(SavePagePdf(printed, pdf));
    // pdftotext joins the spaced-out titles into words: compared without blanks.
    const QString text = pdfText(pdf).remove(u' ').remove(u'\n');
    for (const QString &want :
         {u"З А П О В Е Д"_s,
          u"На основание чл,215 във връзка с чл.121 от Кодекса на труда и Наредбата"_s,
          u"за командировките в страната"_s, u"К О М А Н Д И Р О В А М"_s,
          u"Разходите за командировката"_s, u"Алфа Транс ООД - Габрово"_s, u"Иван Петров Иванов"_s,
          u"Дунав Транс ЕООД"_s, u"03.05.2010"_s, u"05.05.2010"_s, u"55.50"_s, u"Фирмата"_s,
          u"В тридневен срок от завръщането да се докладва писмено за извършената работа"_s})
        QVERIFY2(text.contains(QString(want).remove(u' ')), qPrintable(want));

    // The back in two copies, with what the order already fixes filled in.
    app.ui.answerSave(SaveChoice::Overwrite);
    click(w, u"cmdPrint2"_s);
    QCOMPARE(printed.layout->name, u"frmPrintKom2"_s);
    QCOMPARE(printed.copies(), 2);
    QCOMPARE(printed.fill.text(u"arrivedAt"_s), u"Русе, Дунав Транс ЕООД"_s);
    QCOMPARE(printed.fill.text(u"dnevniTotal"_s), u"120.00"_s);

    // Both sides on one sheet, once, without the copies question: the order
    // above, its back in the lower half.
    QTest::mouseClick(w->findChild<QCheckBox *>(u"Check1"_s), Qt::LeftButton);
    app.ui.clear();
    click(w, u"cmdPrint2"_s);
    QVERIFY(app.ui.shown().isEmpty());
    QCOMPARE(printed.layout->name, u"frmPrintCom"_s);
    QCOMPARE(printed.copies(), 1);
    const QString sheet = (shots.isEmpty() ? app.dir.path() : shots) + u"/frmPrintCom.pdf"_s;
    QVERIFY(SavePagePdf(printed, sheet));
    QCOMPARE(pagesOf(sheet), 1);
    const QList<Word> words = wordsOf(sheet);
    const auto top = [&words](const QString &text) {
        const auto w =
            std::find_if(words.begin(), words.end(), [&](const Word &w) { return w.text == text; });
        return w == words.end() ? -1.0 : w->top;
    };
    QVERIFY(top(u"Иван"_s) >= 0 && top(u"Иван"_s) < CopyOffsetTwips);
    QVERIFY(top(u"120.00"_s) > CopyOffsetTwips);
}

// A field still being typed that cannot be taken stops the save; the
// order's own refusals are the trip order's.
void TestTripWindows::badInputSavesNothing()
{
    App app;
    auto *w = app.open<TripOrderWindow>(u"mnuKomand"_s, u"frmCommand"_s);
    QVERIFY(w);
    type(w, u"txtIme"_s, u"Петър Петров"_s);
    type(w, u"txtSrok"_s, u"2"_s);
    click(w, u"cmdSave"_s);
    QCOMPARE(app.stored(u"\"No\", Ime, srok"_s), QStringList{u"1|Петър Петров|2"_s});
    type(w, u"txtSrok"_s, u"три"_s, false);
    app.ui.clear();
    click(w, u"cmdSave"_s);
    QVERIFY(app.ui.texts().contains(u"Броят на дните трябва да е цяло число от 0 до 999."_s));
    QVERIFY(!app.ui.texts().last().endsWith(u"е записан."_s));
    QCOMPARE(app.stored(u"\"No\", Ime, srok"_s), QStringList{u"1|Петър Петров|2"_s});
}

void TestTripWindows::notesAreSeededAndPicked()
{
    App app;
    auto *notes = app.open<NotesWindow>(u"mnuNotes"_s, u"frmNotes"_s);
    QVERIFY(notes);
    QCOMPARE(notes->textField(5)->text(), u"Читалището"_s);
    shoot(notes, u"frmNotes"_s);
    QCOMPARE(notes->kodField(6)->text(), QString());
    // A text without a number is refused and stays typed.
    QTest::mouseClick(notes->textField(6), Qt::LeftButton);
    typeText(notes->textField(6), u"Сдружението"_s);
    QTest::keyClick(notes->textField(6), Qt::Key_Return);
    QCOMPARE(app.ui.texts(), QStringList{u"Не е посочен код."_s});
    QCOMPARE(notes->textField(6)->text(), u"Сдружението"_s);
    QTest::mouseClick(notes->kodField(6), Qt::LeftButton);
    typeText(notes->kodField(6), u"7"_s);
    QTest::keyClick(notes->kodField(6), Qt::Key_Return);
    QCOMPARE(notes->list().cursor(), 7);
    notes->close();

    // The trip order offers them for who bears the costs.
    auto *w = app.open<TripOrderWindow>(u"mnuKomand"_s, u"frmCommand"_s);
    QVERIFY(w);
    app.ui.pickNumber(7);
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdNotes"_s), Qt::LeftButton);
    QCOMPARE(app.ui.lastList().caption, u"Бележки"_s);
    QCOMPARE(w->field(u"txtSmetka"_s)->text(), u"Сдружението"_s);
}

QTEST_MAIN(TestTripWindows)
#include "tst_trip_windows.moc"
