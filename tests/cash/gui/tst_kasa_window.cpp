// The cash book window as a cashier uses it: rows typed and stored with
// Enter, a date that is no date refused, quick entry, paging, postings
// from the cash orders, the reports and the period closing.
#include "cash/cash_reports.h"
#include "cash/gui/kasa_window.h"
#include "cash/gui/oborot_window.h"
#include "support/cash_rows.h"
#include "support/editor_app.h"
#include "support/typing.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct KasaApp : EditorApp {
    KasaWindow *kasa = nullptr;

    explicit KasaApp(const QList<BookRow> &rows = {}) : EditorApp(u"PKO"_s)
    {
        session.today = QDate(2026, 2, 10);
        seedCashBook(session.store(), rows);
    }
    bool openBook()
    {
        QTest::mouseClick(window.button(u"cmdKasa"_s), Qt::LeftButton);
        kasa = window.findChild<KasaWindow *>(u"frmKasa"_s);
        return kasa && kasa->isVisible() && activate(kasa);
    }
    QLineEdit *cell(int row, int column) { return kasa->cell(row, column); }
    void type(int row, int column, const QString &text)
    {
        QLineEdit *e = cell(row, column);
        e->setFocus();
        e->selectAll();
        typeText(e, text);
    }
    QStringList book() const
    {
        return rowsOn(
            dir.filePath(u"Remitor.MDB"_s),
            u"SELECT kod, DocNo, DocDate, Note, Prihod, Razhod FROM KasaTable ORDER BY kod"_s);
    }
    // The keys of the page, first and last.
    QString page() const
    {
        int last = CashPageRows - 1;
        while (last > 0 && kasa->keyAt(last) == 0) --last;
        return QString::number(kasa->keyAt(0)) + u".."_s + QString::number(kasa->keyAt(last));
    }
    OborotWindow *reports() { return window.findChild<OborotWindow *>(u"frmOborot"_s); }
};

QList<BookRow> rows(int count)
{
    QList<BookRow> out;
    for (int i = 1; i <= count; ++i)
        out.append({QString::number(i), QDate(2026, 1, 1 + i % 28), u"Ред %1"_s.arg(i), 100 * i});
    return out;
}

}  // namespace

class TestKasaWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsTypedWithEnter();
    void pagesAndScrolling();
    void postingReloadsTheOpenBook();
    void reportsAndClosing();
};

void TestKasaWindow::rowsTypedWithEnter()
{
    KasaApp app;
    QVERIFY(app.openBook());
    QCOMPARE(app.kasa->windowTitle(), u"Дневник на касата"_s);
    app.type(0, KasaWindow::DocNo, u"12"_s);
    app.type(0, KasaWindow::Note, u"Продажба"_s);
    app.type(0, KasaWindow::Prihod, u"50,5"_s);
    QTest::keyClick(app.cell(0, KasaWindow::Prihod), Qt::Key_Return);
    QCOMPARE(app.book(), QStringList{u"1|12|2026-02-10|Продажба|505000|0"_s});
    QCOMPARE(app.cell(0, KasaWindow::Prihod)->text(), u"50.50"_s);
    QCOMPARE(QApplication::focusWidget(), app.cell(1, KasaWindow::Prihod));
    QCOMPARE(app.kasa->findChild<QLabel *>(u"lblCount"_s)->text(), u"1"_s);

    // A date that is no date: told, nothing written, the cursor on it.
    app.type(1, KasaWindow::Note, u"Куриер"_s);
    app.type(1, KasaWindow::Razhod, u"15"_s);
    app.type(1, KasaWindow::DocDate, u"31.02.2026"_s);
    QTest::keyClick(app.cell(1, KasaWindow::DocDate), Qt::Key_Return);
    QCOMPARE(app.ui.texts(), QStringList{u"Невалидна дата"_s});
    QCOMPARE(app.book().size(), 1);
    QCOMPARE(QApplication::focusWidget(), app.cell(1, KasaWindow::DocDate));
    app.type(1, KasaWindow::DocDate, u"5.2.26"_s);
    QTest::keyClick(app.cell(1, KasaWindow::DocDate), Qt::Key_Return);
    QCOMPARE(app.book().last(), u"2||2026-02-05|Куриер|0|150000"_s);

    // Quick entry copies the field of the row above; not on the first row.
    QTest::mouseDClick(app.cell(2, KasaWindow::Note), Qt::LeftButton);
    QCOMPARE(app.cell(2, KasaWindow::Note)->text(), u"Куриер"_s);
    QTest::mouseDClick(app.cell(0, KasaWindow::DocDate), Qt::LeftButton);
    QCOMPARE(app.cell(0, KasaWindow::DocDate)->text(), u"10.02.2026"_s);

    // Delete asks; Cancel keeps the row.
    app.cell(1, KasaWindow::Note)->setFocus();
    app.ui.answer(false);
    QTest::mouseClick(app.kasa->command(u"cmdDel"_s), Qt::LeftButton);
    QCOMPARE(app.ui.texts().last(), u"Изтрива маркирания ред."_s);
    QCOMPARE(app.book().size(), 2);
    app.ui.answer(true);
    QTest::mouseClick(app.kasa->command(u"cmdDel"_s), Qt::LeftButton);
    QCOMPARE(app.book().size(), 1);
}

void TestKasaWindow::pagesAndScrolling()
{
    KasaApp app(rows(40));
    QVERIFY(app.openBook());
    // The book opens where it grows: on its last row.
    QCOMPARE(app.page(), u"23..40"_s);
    QCOMPARE(app.kasa->cursorRow(), CashPageRows - 1);
    QTest::keyClick(app.cell(17, 0), Qt::Key_PageUp);
    QCOMPARE(app.page(), u"5..22"_s);
    QTest::keyClick(app.cell(17, 0), Qt::Key_PageUp);
    QCOMPARE(app.page(), u"1..18"_s);
    QTest::keyClick(app.cell(0, 0), Qt::Key_Up);  // nothing before the first row
    QCOMPARE(app.page(), u"1..18"_s);
    QTest::keyClick(app.cell(0, 0), Qt::Key_PageDown);
    QCOMPARE(app.page(), u"19..36"_s);
    app.cell(0, 0)->setFocus();
    QTest::keyClick(app.cell(0, 0), Qt::Key_Up);  // one row back
    QCOMPARE(app.page(), u"18..35"_s);
    app.cell(17, 0)->setFocus();
    QTest::keyClick(app.cell(17, 0), Qt::Key_Down);  // one row on
    QCOMPARE(app.page(), u"19..36"_s);
    QTest::mouseClick(app.kasa->command(u"cmdFirst"_s), Qt::LeftButton);
    QCOMPARE(app.page(), u"1..18"_s);
    QCOMPARE(app.kasa->cursorRow(), 0);
    // New: the last rows with a free slot after them, the cursor in it.
    QTest::mouseClick(app.kasa->command(u"cmdNew"_s), Qt::LeftButton);
    QCOMPARE(app.page(), u"24..40"_s);
    QCOMPARE(QApplication::focusWidget(), app.cell(17, KasaWindow::DocNo));
    app.type(17, KasaWindow::DocNo, u"41"_s);
    QTest::keyClick(app.cell(17, KasaWindow::DocNo), Qt::Key_Return);
    QCOMPARE(app.book().last(), u"41|41|2026-02-10||0|0"_s);
}

void TestKasaWindow::postingReloadsTheOpenBook()
{
    KasaApp app(rows(3));
    QVERIFY(app.openBook());
    QVERIFY(app.open());
    app.field(u"suma"_s)->setText(u"20"_s);
    app.field(u"Vnositel"_s)->setText(u"Иван Петров"_s);
    app.ui.answer(true);
    app.click(u"cmdBase"_s);
    QCOMPARE(app.kasa->keyAt(3), 4);
    QCOMPARE(app.cell(3, KasaWindow::Note)->text(), u"Иван Петров"_s);
    QCOMPARE(app.cell(3, KasaWindow::Prihod)->text(), u"20.00"_s);
    QCOMPARE(app.kasa->findChild<QLabel *>(u"lblCount"_s)->text(), u"4"_s);
}

void TestKasaWindow::reportsAndClosing()
{
    KasaApp app({{u"0"_s, QDate(2025, 1, 1), u"Салдо"_s, 100000},
                 {u"3"_s, QDate(2025, 6, 2), u"Продажба"_s, 50000},
                 {u"4"_s, QDate(2025, 7, 2), u"Наем"_s, 0, 20000},
                 {u"1"_s, QDate(2026, 1, 8), u"Продажба"_s, 1000}});
    QVERIFY(app.openBook());
    app.session.periodFrom = QDate(2025, 6, 1);
    app.session.periodTo = QDate(2025, 6, 30);
    QTest::mouseClick(app.kasa->command(u"cmdOborot"_s), Qt::LeftButton);
    OborotWindow *w = app.reports();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), u"Обороти"_s);
    QCOMPARE(w->findChild<QLabel *>(u"lblMode"_s)->text(), u"Касов оборот"_s);
    QCOMPARE(w->findChild<QLineEdit *>(u"otDate"_s)->text(), u"01.06.2025"_s);
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
    QCOMPARE(w->text(), CashTurnoverText(CashTurnover(app.session.store(), QDate(2025, 6, 1),
                                                      QDate(2025, 6, 30))));
    // A period that ends before it begins is told, and nothing is written.
    w->findChild<QLineEdit *>(u"doDate"_s)->setText(u"01.05.2025"_s);
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
    QCOMPARE(app.ui.texts().last(), u"Крайната дата е преди началната."_s);

    // The journal, searched from the book, on pages of its own.
    app.ui.answerInput(u"продажба"_s);
    QTest::mouseClick(app.kasa->command(u"cmdFind"_s), Qt::LeftButton);
    QCOMPARE(w->mode(), OborotWindow::Mode::Journal);
    w->findChild<QLineEdit *>(u"otDate"_s)->setText(u"01.01.2025"_s);
    w->findChild<QLineEdit *>(u"doDate"_s)->setText(u"31.01.2026"_s);
    QList<PrintJob> printed;
    w->setPresenter([&printed](const QList<PrintJob> &jobs) { printed = jobs; });
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdPrint"_s), Qt::LeftButton);
    QVERIFY(w->text().contains(u"Текст: продажба"_s));
    QVERIFY(!w->text().contains(u"Наем"_s));
    QCOMPARE(printed.size(), 1);
    QVERIFY(printed.first().wholeSheet);
    // The period changed after the report: printing makes it again.
    const QString before = w->text();
    w->findChild<QLineEdit *>(u"doDate"_s)->setText(u"31.12.2025"_s);
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdPrint"_s), Qt::LeftButton);
    QVERIFY(w->text() != before);
    QVERIFY2(w->text().contains(u"31.12.2025"_s), qPrintable(w->text()));

    // The main window opens the same window for the list of documents.
    app.window.action(u"mnuCashDocs"_s)->trigger();
    QCOMPARE(app.reports(), w);
    QCOMPARE(w->findChild<QLabel *>(u"lblMode"_s)->text(), u"Списък на касовите документи"_s);

    // The closing offers last year and leaves one balance row, shown at once.
    QTest::mouseClick(app.kasa->command(u"cmdEndPeriod"_s), Qt::LeftButton);
    QCOMPARE(w->mode(), OborotWindow::Mode::Closing);
    QCOMPARE(w->findChild<QLineEdit *>(u"otDate"_s)->text(), u"01.01.2025"_s);
    QCOMPARE(w->findChild<QLineEdit *>(u"doDate"_s)->text(), u"31.12.2025"_s);
    app.ui.clear();
    app.ui.answer(true);
    app.ui.answer(true);
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
    QCOMPARE(app.ui.shown().first().title, u"Приключване"_s);
    // 1300.00 leva are 664.68 euro; January's row stays after the balance.
    QCOMPARE(app.book(), (QStringList{u"1|0|2026-01-01|Салдо от 1300.00 лв.|6646800|0"_s,
                                      u"2|1|2026-01-08|Продажба|100000|0"_s}));
    QCOMPARE(w->text(),
             u"Касовата книга е приключена до 31.12.2025.\nСалдо към 01.01.2026: 664.68 евро\n"_s);
    QCOMPARE(app.page(), u"1..2"_s);
    QCOMPARE(app.cell(0, KasaWindow::Prihod)->text(), u"664.68"_s);
}

QTEST_MAIN(TestKasaWindow)
#include "tst_kasa_window.moc"
