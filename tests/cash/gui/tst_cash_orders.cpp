// A cash receipt and a disbursement as a cashier makes them: the number
// proposed from the cash book, typed, posted into the book, printed.
#include "cash/cash_book.h"
#include "print/gui/page_renderer.h"
#include "support/cash_rows.h"
#include "support/editor_app.h"
#include "support/tools.h"
#include "support/typing.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestCashOrders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedPostedAndPrinted_data();
    void typedPostedAndPrinted();
};

// The currency of an order is that of its date: the words of a receipt of
// January 2026 read euro and cents, those of a disbursement of December
// 2025 leva and stotinki, and the PDF says what the figures say.
void TestCashOrders::typedPostedAndPrinted_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("party");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("bookRow");
    // The largest receipt is number 7, the last one 9: the next is 10.
    QTest::newRow("PKO") << u"PKO"_s << u"10"_s << u"15.01.2026"_s << u"Vnositel"_s
                         << u"Хиляда Двеста Тридесет и Четири евро 50 цента"_s
                         << u"5|10|2026-01-15|Иван Петров|12345000|0"_s;
    QTest::newRow("RKO") << u"RKO"_s << u"4"_s << u"20.12.2025"_s << u"Poluchatel"_s
                         << u"Хиляда Двеста Тридесет и Четири лв. 50 ст."_s
                         << u"5|4|2025-12-20|Иван Петров|0|12345000"_s;
}

void TestCashOrders::typedPostedAndPrinted()
{
    QFETCH(QString, kind);
    QFETCH(QString, proposed);
    QFETCH(QString, date);
    QFETCH(QString, party);
    QFETCH(QString, words);
    QFETCH(QString, bookRow);
    REMITOR_REQUIRE_TOOL("pdftotext");
    EditorApp app(kind);
    seedCashBook(app.session.store(), {{u"7"_s, QDate(2025, 11, 3), u"Продажба"_s, 90000},
                                       {u"3"_s, QDate(2025, 11, 4), u"Куриер"_s, 0, 2000},
                                       {u"9"_s, QDate(2025, 11, 5), u"Продажба"_s, 1000},
                                       {u"0"_s, QDate(2025, 1, 1), u"Салдо"_s, 500000}});
    QVERIFY(app.open());
    const QString number = kind + u"no"_s;
    QCOMPARE(app.field(number)->text(), proposed);

    const auto type = [&app](const QString &field, const QString &text) {
        QLineEdit *e = app.field(field);
        e->setFocus();
        e->selectAll();
        typeText(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    };
    type(u"pDate"_s, date);
    type(party, u"Иван Петров"_s);
    type(u"Osnovanie"_s, u"Аванс"_s);
    QLineEdit *amount = app.field(u"suma"_s);
    amount->setFocus();
    typeText(amount, u"1234,5"_s);
    // The words follow the amount while it is typed.
    auto *slovom = app.editor->findChild<QLabel *>(u"slovom"_s);
    QCOMPARE(slovom->text(), words);

    app.ui.answer(true);
    app.click(u"cmdBase"_s);  // the amount field is still being typed
    QCOMPARE(amount->text(), u"1234.50"_s);
    const QString mdb = app.dir.filePath(u"Remitor.MDB"_s);
    QCOMPARE(rowsOn(mdb,
                    u"SELECT kod, DocNo, DocDate, Note, Prihod, Razhod FROM KasaTable "
                    "ORDER BY kod DESC LIMIT 1"_s),
             QStringList{bookRow});
    // The order posted is the order stored.
    QCOMPARE(app.stored(u"kod, "_s + number + u", suma"_s),
             QStringList{u"1|"_s + proposed + u"|12345000"_s});

    // "cmdNo" asks the book again: the order just posted counts.
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"cmdNo"_s), Qt::LeftButton);
    QCOMPARE(app.field(number)->text(), QString::number(proposed.toInt() + 1));
    QCOMPARE(QApplication::focusWidget(), app.field(number));
    app.field(number)->setText(proposed);

    // The firm's officers sign under their names; the manager is not given.
    app.session.firma.setText(u"Schetovod"_s, u"Мария Колева  "_s);
    app.session.firma.setText(u"Kasier"_s, u"Петя Стоянова"_s);
    PrintJob printed;
    app.editor->setPrintPresenter([&printed](QWidget *, const PrintJob &job) { printed = job; });
    app.ui.answerSave(SaveChoice::New);  // one copy
    app.click(u"cmdPrint"_s);
    QVERIFY(printed.layout);
    QCOMPARE(printed.layout->name, u"Print"_s + kind);
    const QString dir = qEnvironmentVariable("REMITOR_SHOTS", app.dir.path());
    const QString pdf = dir + u'/' + printed.layout->name + u".pdf"_s;
    QVERIFY(SavePagePdf(printed, pdf));
    const QString text = pdfText(pdf).simplified();
    QVERIFY2(text.contains(words), qPrintable(text));
    QVERIFY2(text.contains(u"1234.50 "_s + (date.endsWith(u"2026"_s) ? u"евро"_s : u"лв."_s)),
             qPrintable(text));
    QVERIFY(text.contains(u"No "_s + proposed + u" Дата "_s + date));
    QCOMPARE(printed.fill.text(u"Schetovod"_s), u"Мария Колева"_s);
    QVERIFY2(text.contains(u"Петя Стоянова"_s), qPrintable(text));
    QCOMPARE(printed.fill.text(u"Upravitel"_s), QString());
}

QTEST_MAIN(TestCashOrders)
#include "tst_cash_orders.moc"
