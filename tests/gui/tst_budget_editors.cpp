// What the budget orders add to the shared editor: the four items and
// their total, the period's month end, the codes picked from the paragraph
// list, the document kind's drop-down and F2 on their own fields.
#include "documents/gui/second_page.h"
#include "support/editor_app.h"
#include "support/typing.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

QPushButton *button(EditorApp &app, const QString &name)
{
    if (auto *b = app.editor->findChild<QPushButton *>(name))
        return b;
    return app.editor->secondPage()->findChild<QPushButton *>(name);
}

QLineEdit *field(EditorApp &app, const QString &name)
{
    if (QLineEdit *e = app.field(name))
        return e;
    return app.editor->secondPage()->findChild<QLineEdit *>(name);
}

// Types into a field and leaves it with Enter.
void enter(EditorApp &app, const QString &name, const QString &text)
{
    QLineEdit *e = field(app, name);
    e->setFocus();
    e->selectAll();
    typeText(e, text);
    QTest::keyClick(e, Qt::Key_Return);
}

}  // namespace

class TestBudgetEditors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fourItemsMakeTheTotal();
    void periodEndsWithItsMonth_data();
    void periodEndsWithItsMonth();
    void paragraphCodeIntoItsField_data();
    void paragraphCodeIntoItsField();
    void documentKindFromTheDropDown();
    void f2OnTheBudgetFields_data();
    void f2OnTheBudgetFields();
    void deletedInItsOwnWords();
};

// Items of 10.00, 20.00, none and 5.50 make 35.50 in figures and words; a
// total typed over no longer matches: saved after a warning, never printed.
void TestBudgetEditors::fourItemsMakeTheTotal()
{
    EditorApp app(u"PlnB4"_s);
    QVERIFY(app.open());
    enter(app, u"suma1"_s, u"10"_s);
    QTest::mouseClick(button(app, u"Command1"_s), Qt::LeftButton);
    QVERIFY(activate(app.editor->secondPage()));
    enter(app, u"suma2"_s, u"20,00"_s);
    enter(app, u"suma4"_s, u"5.5"_s);
    QCOMPARE(field(app, u"suma3"_s)->text(), QString());
    QCOMPARE(app.field(u"suma"_s)->text(), u"35.50"_s);
    shoot(app.editor->secondPage(), u"frmPlnb234"_s);
    const QString words = app.editor->findChild<QLabel *>(u"lblSlovom"_s)->text();
    QVERIFY2(words.startsWith(u"Тридесет и "_s) && words.endsWith(u"50 цента"_s),
             qPrintable(words));

    QVERIFY(activate(app.editor));
    enter(app, u"suma"_s, u"40"_s);
    app.click(u"cmdSave"_s);
    QCOMPARE(app.ui.texts(), QStringList{u"Общата сума не е равна на сбора от останалите суми."_s});
    QCOMPARE(app.stored(u"kod, suma, suma2"_s), QStringList{u"1|400000|200000"_s});
    bool printed = false;
    app.editor->setPrintPresenter([&printed](QWidget *, const PrintJob &) { printed = true; });
    app.ui.clear();
    app.click(u"cmdPrint"_s);
    QCOMPARE(app.ui.texts(), QStringList{u"Общата сума не е равна на сбора от останалите суми."_s});
    QVERIFY(!printed);

    app.ui.clear();
    QTest::mouseClick(button(app, u"cmdHelp"_s), Qt::LeftButton);
    QCOMPARE(app.ui.shown().value(0).title, u"ПНБ-4"_s);
    QCOMPARE(
        app.ui.texts(),
        QStringList{u"Общата сума се получава автоматично\nслед попълване на всяка от сумите."_s});
}

void TestBudgetEditors::periodEndsWithItsMonth_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("typed");  // empty: the period button picks 10.11.2024
    QTest::addColumn<QString>("end");
    QTest::newRow("leap February")
        << u"PlnB"_s << u"period1"_s << u"period2"_s << u"15.02.2024"_s << u"29.02.2024"_s;
    QTest::newRow("no date empties both")
        << u"PlnB"_s << u"period1"_s << u"period2"_s << u"утре"_s << QString();
    QTest::newRow("organisation by its button")
        << u"BPln"_s << u"period1"_s << u"period2"_s << QString() << u"30.11.2024"_s;
    QTest::newRow("item 3 by its button")
        << u"PlnB4"_s << u"period13"_s << u"period23"_s << QString() << u"30.11.2024"_s;
}

void TestBudgetEditors::periodEndsWithItsMonth()
{
    QFETCH(QString, kind);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, typed);
    QFETCH(QString, end);
    EditorApp app(kind);
    QVERIFY(app.open());
    app.editor->showSecondPage();
    enter(app, to, u"01.01.2000"_s);
    if (typed.isEmpty()) {
        app.ui.answerDate(QDate(2024, 11, 10));
        QTest::mouseClick(button(app, u"cmd"_s + from.left(1).toUpper() + from.mid(1)),
                          Qt::LeftButton);
    } else {
        enter(app, from, typed);
    }
    QCOMPARE(field(app, to)->text(), end);
    // Left from another field, the start leaves the end as it is.
    enter(app, to, u"01.01.2000"_s);
    field(app, from)->setText(u"01.06.2024"_s);
    QTest::mouseClick(app.editor->command(u"cmdSave"_s), Qt::LeftButton);
    QCOMPARE(field(app, to)->text(), u"01.01.2000"_s);
    shoot(app.editor, kind);
}

void TestBudgetEditors::paragraphCodeIntoItsField_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::newRow("payee's payment type")
        << u"PlnB"_s << u"cmdParP"_s << u"PayTypep"_s << 1 << u"110000"_s;
    QTest::newRow("payer's, cut to its width")
        << u"PlnB"_s << u"cmdParN"_s << u"PayTypen"_s << 2 << u"1234567890"_s;
    QTest::newRow("item 3") << u"PlnB4"_s << u"cmdPar3"_s << u"PayTypep3"_s << 1 << u"110000"_s;
    QTest::newRow("paragraph") << u"BPln"_s << u"cmdParagraf"_s << u"paragraf"_s << 2
                               << u"123456789012"_s;
}

void TestBudgetEditors::paragraphCodeIntoItsField()
{
    QFETCH(QString, kind);
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(int, row);
    QFETCH(QString, code);
    EditorApp app(kind);
    {
        auto t = app.session.store().table(DbKind::Main, u"ParagrafTable"_s);
        Record r(t->def());
        r.setKey(1);
        r.setText(u"kod"_s, u"110000"_s);
        r.setText(u"ime"_s, u"Данъци"_s);
        QVERIFY(t->save(r));
        r.setKey(2);
        r.setText(u"kod"_s, u"123456789012"_s);
        QVERIFY(t->save(r));
    }
    QVERIFY(app.open());
    app.editor->showSecondPage();
    app.ui.pickNumber(0);  // nothing chosen: nothing changes
    QTest::mouseClick(::button(app, button), Qt::LeftButton);
    QCOMPARE(app.ui.lastList().caption, u"Параграфи"_s);
    QCOMPARE(::field(app, field)->text(), QString());
    app.ui.pickNumber(row);
    QTest::mouseClick(::button(app, button), Qt::LeftButton);
    QCOMPARE(::field(app, field)->text(), code);
    QCOMPARE(::field(app, field)->window()->focusWidget(), ::field(app, field));
}

// "9 други" sets the kind and keeps the number typed.
void TestBudgetEditors::documentKindFromTheDropDown()
{
    EditorApp app(u"PlnB"_s);
    QVERIFY(app.open());
    app.field(u"DocNum"_s)->setFocus();
    typeText(app.field(u"DocNum"_s), u"12/2010"_s);
    QMenu *menu = button(app, u"cmdVidDoc"_s)->menu();
    QCOMPARE(menu->actions().size(), 7);
    QCOMPARE(menu->actions()[5]->text(), u"6 постановление за принудително събиране"_s);
    menu->actions()[6]->trigger();
    QCOMPARE(app.field(u"VidDoc"_s)->text(), u"9"_s);
    QCOMPARE(app.field(u"DocNum"_s)->text(), u"12/2010"_s);
}

void TestBudgetEditors::f2OnTheBudgetFields_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("codes");  // kind code and field code
    QTest::addColumn<QString>("caption");
    QTest::newRow("submission date to every order")
        << u"PlnB"_s << u"pDate"_s << u"1 6"_s << u"Копира текста във всички документи."_s;
    QTest::newRow("payee's account") << u"PlnB"_s << u"IBANp"_s << u"1 1"_s << u"Заменя Сметка:"_s;
    QTest::newRow("four items' payer account")
        << u"PlnB4"_s << u"IBANn"_s << u"2 2"_s << u"Заменя Сметка:"_s;
    QTest::newRow("budget holder's code")
        << u"BPln"_s << u"budjetKod"_s << u"3 2"_s << u"Заменя текст:"_s;
}

void TestBudgetEditors::f2OnTheBudgetFields()
{
    QFETCH(QString, kind);
    QFETCH(QString, field);
    QFETCH(QString, codes);
    QFETCH(QString, caption);
    EditorApp app(kind);
    QVERIFY(app.open());
    app.field(field)->setFocus();
    typeText(app.field(field), u"1234"_s);
    QTest::keyClick(app.field(field), Qt::Key_F2);
    auto *copy = app.editor->findChild<QWidget *>(u"frmCopy"_s);
    QVERIFY(copy && copy->isVisible());
    QCOMPARE(copy->findChild<QLabel *>(u"lblMode"_s)->text() + u' ' +
                 copy->findChild<QLabel *>(u"lblIBAN"_s)->text(),
             codes);
    QCOMPARE(copy->findChild<QLabel *>(u"Label1"_s)->text(), caption);
    QCOMPARE(copy->findChild<QLineEdit *>(u"Text1"_s)->text(), u"1234"_s);
}

// The four-item order names itself otherwise once deleted.
void TestBudgetEditors::deletedInItsOwnWords()
{
    EditorApp app(u"PlnB4"_s);
    QVERIFY(app.open());
    app.click(u"cmdSave"_s);
    app.ui.pickNumber(1);
    app.ui.answer(true);
    app.click(u"cmdDel"_s);
    QCOMPARE(app.ui.texts().mid(1),
             (QStringList{u"Изтрива: Платежно Нареждане4 от/към Бюджета No: 1"_s,
                          u"Нареждане за бюджета No: 1 е изтрито.\nДанните са на екрана.\n"
                          u"Можете да го запишете отново."_s}));
}

QTEST_MAIN(TestBudgetEditors)
#include "tst_budget_editors.moc"
