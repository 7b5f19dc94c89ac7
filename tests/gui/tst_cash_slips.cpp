// The deposit slip and the order-receipt: the amount in words as it is
// typed, the order-receipt's extra line, the currency a slip prints with,
// and the words of their messages.
#include "store/params.h"
#include "support/editor_app.h"
#include "support/typing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

// The filled pages the print button would show, as "<page> <copies>".
PageFill printed(EditorApp &app, QStringList *pages = nullptr)
{
    PageFill fill;
    app.editor->setPrintPresenter([&](QWidget *, const PrintJob &job) {
        fill = job.fill;
        if (pages)
            *pages << job.layout->name + u' ' + QString::number(job.copies());
    });
    app.ui.answerSave(SaveChoice::Overwrite);
    app.click(u"cmdPrint"_s);
    return fill;
}

}  // namespace

class TestCashSlips : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wordsFollowTheAmount_data();
    void wordsFollowTheAmount();
    void extraLineOfTheReceipt();
    void emptyCurrencyPrintsTheNationalOne();
    void messagesOfASlip();
};

void TestCashSlips::wordsFollowTheAmount_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("Vnos") << u"Vnos"_s;
    QTest::newRow("Raz") << u"Raz"_s;
}

void TestCashSlips::wordsFollowTheAmount()
{
    QFETCH(QString, kind);
    EditorApp app(kind);
    QVERIFY(app.open());
    QLineEdit *sum = app.field(u"suma"_s), *currency = app.field(u"valuta"_s);
    auto *words = app.editor->findChild<QLabel *>(u"dumi"_s);
    currency->setFocus();
    currency->setText(u"BGN"_s);
    sum->setFocus();
    typeText(sum, u"1250"_s);  // not left yet
    QCOMPARE(words->text(), u"Хиляда Двеста и Петдесет  лв."_s);
    typeText(sum, u",5"_s);
    QCOMPARE(words->text(), u"Хиляда Двеста и Петдесет  лв. 50 ст."_s);
    app.field(u"Clon"_s)->setFocus();
    QCOMPARE(sum->palette().color(QPalette::Base), QColor(226, 255, 226));
    // Another currency, left: the words speak of it.
    currency->setFocus();
    currency->selectAll();
    typeText(currency, u"eur"_s);
    app.field(u"Clon"_s)->setFocus();
    QCOMPARE(currency->text(), u"EUR"_s);
    QCOMPARE(words->text(), u"Хиляда Двеста и Петдесет  евро 50 цента"_s);
    QCOMPARE(printed(app).text(u"dumi"_s), words->text());
}

// "cmdSuma" shows the parameter record's text and ticks the line; the text
// left there is the parameter record's at once; the ticked line is printed.
void TestCashSlips::extraLineOfTheReceipt()
{
    EditorApp app(u"Raz"_s);
    QVERIFY(app.open());
    auto *check = app.editor->findChild<QCheckBox *>(u"Check1"_s);
    auto *text = app.editor->findChild<QLineEdit *>(u"txtSuma"_s);
    auto *button = app.editor->findChild<QPushButton *>(u"cmdSuma"_s);
    QVERIFY(!check->isChecked() && !text->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(check->isChecked() && text->isVisible());
    QCOMPARE(text->text(), u"Сумата не е за заплати."_s);

    text->setFocus();
    text->selectAll();
    typeText(text, u"  Аванс по договор 12  "_s);
    QTest::keyClick(text, Qt::Key_Return);  // back to the first field, leaving the text
    QCOMPARE(QApplication::focusWidget(), app.field(u"DoBanka"_s));
    Record params = NewParamRecord();
    LoadParams(app.session.store(), params);
    QCOMPARE(params.text(u"textraz"_s).trimmed(), u"Аванс по договор 12"_s);
    QCOMPARE(printed(app).text(u"lblSuma"_s), u"Аванс по договор 12"_s);

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!check->isChecked() && !text->isVisible());
    QCOMPARE(printed(app).text(u"lblSuma"_s), QString());
    // Left empty, the text reads as the first one when the program starts.
    QTest::mouseClick(button, Qt::LeftButton);
    text->setFocus();
    text->clear();
    app.field(u"Clon"_s)->setFocus();
    LoadParams(app.session.store(), params);
    QCOMPARE(params.text(u"textraz"_s).trimmed(), u"Сумата не е за заплати."_s);
    // Opening again starts with the line hidden and unticked.
    app.editor->close();
    QVERIFY(app.open());
    QVERIFY(!check->isChecked() && !text->isVisible());
}

// A slip without a currency prints the national one, and keeps it.
void TestCashSlips::emptyCurrencyPrintsTheNationalOne()
{
    EditorApp app(u"Raz"_s);
    QVERIFY(app.open());
    app.field(u"valuta"_s)->setFocus();
    app.field(u"valuta"_s)->clear();
    app.field(u"suma"_s)->setFocus();
    QCOMPARE(app.rec().text(u"valuta"_s).trimmed(), QString());
    app.ui.answerSave(SaveChoice::Cancel);  // printing nothing changes nothing
    app.click(u"cmdPrint"_s);
    QCOMPARE(app.field(u"valuta"_s)->text(), QString());
    QStringList pages;
    QCOMPARE(printed(app, &pages).text(u"valuta"_s), u"E U R "_s);
    QCOMPARE(pages, QStringList{u"PrintRaz 2"_s});
    QCOMPARE(app.field(u"valuta"_s)->text(), u"EUR"_s);
    QCOMPARE(app.rec().text(u"valuta"_s), u"EUR"_s);
}

void TestCashSlips::messagesOfASlip()
{
    EditorApp app(u"Vnos"_s);
    QVERIFY(app.open());
    app.click(u"cmdSave"_s);
    app.ui.pickNumber(1);
    app.ui.answer(true);
    app.click(u"cmdDel"_s);
    app.ui.answer(false);
    app.click(u"cmdNew"_s);
    QCOMPARE(
        app.ui.texts(),
        (QStringList{
            u"Вносна бележка"_s, u"Изтрива: Вносна бележка No: 1"_s,
            u"Вносна бележка No: 1 е изтрита.\nДанните са на екрана.\nМожете да я запишете отново."_s,
            u"Изчиства текущия документ?"_s}));
}

QTEST_MAIN(TestCashSlips)
#include "tst_cash_slips.moc"
