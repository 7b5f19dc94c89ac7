// The windows of the foreign-currency transfer order and of the currency
// buy/sell order: what they do beyond every editor's workflow.
#include "documents/gui/field_binder.h"
#include "support/editor_app.h"
#include "support/typing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestCurrencyEditors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void foreignOrder();
    void buySellSides();
};

// The charges are one of three; the words follow the amount and the
// currency as they are typed; an account abroad is held to its own
// country's rule; a currency that is no code keeps the order from paper.
void TestCurrencyEditors::foreignOrder()
{
    EditorApp app(u"PlnM"_s);
    QVERIFY(app.open());
    const auto option = [&app](const char *name) {
        return app.editor->findChild<QAbstractButton *>(QLatin1StringView(name));
    };
    QVERIFY(option("optOUR")->isChecked());
    QCOMPARE(app.rec().integer(u"OUR"_s), 1);
    // On the box and its text: the rest of the line takes no click.
    QTest::mouseClick(option("optSHA"), Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(option("chkExpress"), Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE((QList<int>{app.rec().integer(u"OUR"_s), app.rec().integer(u"SHA"_s),
                         app.rec().integer(u"BEN"_s), app.rec().integer(u"Express"_s)}),
             (QList<int>{0, 1, 0, 1}));

    app.field(u"valuta"_s)->setText(u"gbp"_s);
    app.field(u"suma"_s)->setFocus();
    typeText(app.field(u"suma"_s), u"1500,5"_s);
    QCOMPARE(
        app.editor->findChild<QLabel *>(u"lblSlovom"_s)->text(),
        u"Хиляда и Петстотин  GBP 50 cent   /   One Thousand Five Hundred  GBP and Fifty  Cents"_s);
    QCOMPARE(app.session.currencyCode, u"GBP"_s);
    // A date picked while a field is being typed is not typed over by it.
    app.ui.answerDate(QDate(2010, 3, 9));
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"cmdM"_s), Qt::LeftButton);
    QCOMPARE(app.rec().date(u"workDate"_s), QDate(2010, 3, 9));
    QCOMPARE(QApplication::focusWidget(), app.field(u"workDate"_s));

    QLineEdit *iban = app.field(u"IBANp"_s);
    app.ui.clear();
    for (const QString &account : {u"ch9300762011623852957"_s, u"CH9300762011623852958"_s}) {
        iban->setFocus();
        iban->setText(account);
        app.field(u"Bankap"_s)->setFocus();
    }
    QCOMPARE(app.ui.texts(), QStringList{u"Невалиден IBAN номер: CH9300762011623852958"_s});
    shoot(app.editor, u"plnm"_s);

    app.ui.clear();
    app.field(u"valuta"_s)->setText(u"G"_s);
    bool printed = false;
    app.editor->setPrintPresenter([&printed](QWidget *, const PrintJob &) { printed = true; });
    app.click(u"cmdPrint"_s);
    QVERIFY(!printed);
    QCOMPARE(app.ui.texts().size(), 1);
    QVERIFY(app.ui.texts().first().startsWith(u"Невалиден код на валута: \"G\"."_s));
}

// One side at a time: the button turns the window to the other side and
// the page to its heading; Enter passes the side not shown; each side has
// its own date, today's on opening, and its own words.
void TestCurrencyEditors::buySellSides()
{
    EditorApp app(u"Buy"_s);
    QVERIFY(app.open());
    auto *mode = app.editor->findChild<QPushButton *>(u"cmdMode"_s);
    auto *heading = app.editor->findChild<QLabel *>(u"lblMode"_s);
    QCOMPARE(app.field(u"workDate0"_s)->text(), u"05.03.2010"_s);
    QCOMPARE(app.field(u"workDate1"_s)->text(), u"05.03.2010"_s);
    app.field(u"DoBanka"_s)->setText(u"  Банка ДСК  "_s);
    QCOMPARE(app.editor->findChild<QLabel *>(u"lblKurs1"_s)->text(), u"По курс на Банка ДСК"_s);
    shoot(app.editor, u"buy"_s);

    QTest::mouseClick(mode, Qt::LeftButton);
    QCOMPARE(heading->text(), u"ПРОДАЖБА / SELL"_s);
    QCOMPARE(mode->text(), u"Покупка"_s);
    QVERIFY(app.field(u"suma1"_s)->isVisible() && !app.field(u"suma0"_s)->isVisible());
    app.field(u"RegNo"_s)->setFocus();
    QTest::keyClick(app.field(u"RegNo"_s), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), app.field(u"Valuta1"_s));
    typeText(app.field(u"Valuta1"_s), u"chf"_s);
    app.field(u"suma1"_s)->setFocus();
    typeText(app.field(u"suma1"_s), u"21000"_s);
    QCOMPARE(app.field(u"slovom1"_s)->text(),
             u"Двадесет и Една Хиляди  CHF   /   Twenty One Thousand  CHF and No Cents"_s);
    QVERIFY(app.field(u"slovom0"_s)->text().isEmpty());
    app.ui.answerDate(QDate(2010, 3, 9));
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"cmdDat1"_s), Qt::LeftButton);
    QCOMPARE(app.rec().date(u"workDate1"_s), QDate(2010, 3, 9));
    QCOMPARE(app.rec().date(u"workDate0"_s), QDate(2010, 3, 5));
    shoot(app.editor, u"sell"_s);

    // The page carries the heading of the side shown.
    QString page;
    app.editor->setPrintPresenter(
        [&page](QWidget *, const PrintJob &job) { page = job.layout->name; });
    app.ui.answerSave(SaveChoice::New);
    app.click(u"cmdPrint"_s);
    QCOMPARE(page, u"PrintSellValuta"_s);
    QTest::mouseClick(mode, Qt::LeftButton);
    QCOMPARE(heading->text(), u"ПОКУПКА / BUY"_s);
    QVERIFY(app.field(u"suma0"_s)->isVisible() && !app.field(u"suma1"_s)->isVisible());
}

QTEST_MAIN(TestCurrencyEditors)
#include "tst_currency_editors.moc"
