#include "app/gui/main_window.h"
#include "session/session.h"
#include "documents/gui/editor_window.h"
#include "documents/gui/field_binder.h"
#include "documents/gui/second_page.h"
#include "documents/gui/small_dialogs.h"
#include "support/gui_support.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"
#include "support/typing.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {



struct App {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 3, 5)};
    MainWindow window{session};
    EditorWindow *editor = nullptr;

    App()
    {
        session.startUp();
        window.show();
    }
    bool open()
    {
        QTest::mouseClick(window.button(u"cmdNKP"_s), Qt::LeftButton);
        editor = window.findChild<EditorWindow *>(u"frmPln"_s);
        return editor && editor->isVisible() && activate(editor);
    }
    QLineEdit *field(const QString &name) { return editor->findChild<QLineEdit *>(name); }
    Record &rec() { return editor->workflow().record(); }
    QStringList stored(const QString &columns)
    {
        return rowsOn(dir.filePath(u"Remitor.MDB"_s), u"SELECT "_s + columns + u" FROM PlnTable ORDER BY kod"_s);
    }
};

}  // namespace

class TestPlnEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheRecord();
    void enterWalksTheEntryOrder();
    void leavingAnAccountUpperCasesAndWarns();
    void mouseClickCommitsTheTypedField();
    void payerFromTheContractors();
    void secondPage();
    void escapeClosesBothPages();
    void findDialogPaging();
    void f2ReplacesTheAccountEverywhere();
};

void TestPlnEditor::opensOnTheRecord()
{
    App app;
    QVERIFY(app.open());
    QCOMPARE(app.editor->windowTitle(), u"Платежно нареждане за кредитен превод No:0"_s);
    QCOMPARE(app.field(u"valuta"_s)->text(), u"BGN"_s);
    QVERIFY(!app.editor->findChild<QCheckBox *>(u"Check1"_s)->isChecked());
    QCOMPARE(app.editor->command(u"cmdSave"_s)->toolTip(), u"Записва документ"_s);
    QCOMPARE(app.editor->command(u"cmdBase"_s)->toolTip(), u"Запис в базата за справки"_s);
    // Closing keeps the record, with the field being typed; opening again shows it.
    app.field(u"Nareditel"_s)->setFocus();
    typeText(app.field(u"Nareditel"_s), u"Запомнен"_s);
    app.editor->close();
    QCOMPARE(app.rec().text(u"Nareditel"_s).trimmed(), u"Запомнен"_s);
    QVERIFY(app.open());
    QCOMPARE(app.field(u"Nareditel"_s)->text(), u"Запомнен"_s);
    QVERIFY(app.ui.shown().isEmpty());
}

void TestPlnEditor::enterWalksTheEntryOrder()
{
    App app;
    QVERIFY(app.open());
    app.field(u"DoBanka"_s)->setFocus();
    QStringList walked;
    for (int i = 0; i < 22; ++i) {
        QWidget *f = QApplication::focusWidget();
        QVERIFY(f);
        walked.append(f->objectName());
        QTest::keyClick(f, Qt::Key_Return);
    }
    QCOMPARE(walked, (QStringList{u"DoBanka"_s, u"Clon"_s, u"Adress"_s, u"Grad"_s, u"pDate"_s,
                                  u"Poluchatel"_s, u"IBANp"_s, u"BICp"_s, u"Bankap"_s, u"valuta"_s,
                                  u"suma"_s, u"Osnovanie"_s, u"poiasnenia"_s, u"Nareditel"_s,
                                  u"IBANn"_s, u"BICn"_s, u"PaySystem"_s, u"tax"_s, u"workDate"_s,
                                  u"TAXvaluta"_s, u"TAXsuma"_s, u"DoBanka"_s}));
    QCOMPARE(app.editor->fields().fieldNumber(), 1);  // the last Enter left DoBanka
    // The focused field is yellow.
    QCOMPARE(app.field(u"Clon"_s)->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(app.field(u"DoBanka"_s)->palette().color(QPalette::Base), QColor(Qt::white));
}

void TestPlnEditor::leavingAnAccountUpperCasesAndWarns()
{
    App app;
    QVERIFY(app.open());
    QLineEdit *iban = app.field(u"IBANp"_s);
    iban->setFocus();
    typeText(iban, u"bg80bnbg96611020345679"_s);
    app.field(u"BICp"_s)->setFocus();
    QCOMPARE(iban->text(), u"BG80BNBG96611020345679"_s);
    QCOMPARE(app.ui.texts(), QStringList{u"Невалиден IBAN номер: BG80BNBG96611020345679"_s});
    QCOMPARE(iban->palette().color(QPalette::Base), QColor(153, 255, 255));
    QCOMPARE(app.rec().text(u"IBANp"_s), u"BG80BNBG96611020345679"_s);
    // A valid account, and an empty one, say nothing.
    app.ui.clear();
    iban->setFocus();
    iban->setText(u"bg80bnbg96611020345678"_s);
    app.field(u"BICp"_s)->setFocus();
    iban->setFocus();
    iban->clear();
    app.field(u"BICp"_s)->setFocus();
    QVERIFY(app.ui.shown().isEmpty());
}

void TestPlnEditor::mouseClickCommitsTheTypedField()
{
    App app;
    QVERIFY(app.open());
    QLineEdit *suma = app.field(u"suma"_s);
    suma->setFocus();
    typeText(suma, u"1234,5"_s);
    QLineEdit *bic = app.field(u"BICp"_s);
    bic->setFocus();
    typeText(bic, u"bnbgbgsd"_s);
    // Still in the field: the save button takes no focus, yet it saves what was typed.
    app.ui.answerSave(SaveChoice::New);  // not asked: the table is empty
    QTest::mouseClick(app.editor->command(u"cmdSave"_s), Qt::LeftButton);
    QCOMPARE(app.ui.pendingAnswers(), 1);
    QCOMPARE(app.stored(u"kod, suma, BICp"_s), QStringList{u"1|12345000|BNBGBGSD"_s});
    QCOMPARE(app.editor->windowTitle(), u"Платежно нареждане за кредитен превод No: 1"_s);
    QCOMPARE(suma->text(), u"1234.50"_s);
    QCOMPARE(bic->text(), u"BNBGBGSD"_s);
}

void TestPlnEditor::payerFromTheContractors()
{
    App app;
    {
        auto t = app.session.store().table(DbKind::Main, u"KlientTable"_s);
        Record k(t->def());
        k.setKey(3);
        k.setText(u"KlIme"_s, u"Общинско предприятие Чистота"_s);
        k.setText(u"BankIme"_s, u"Банка ДСК"_s);
        k.setText(u"bgrad"_s, u"Русе"_s);
        k.setText(u"bstreet"_s, u"ул. Александровска 1"_s);
        k.setText(u"IBAN"_s, u"BG80BNBG96611020345678"_s);
        k.setText(u"BIC"_s, u"STSABGSF"_s);
        QVERIFY(t->save(k));
    }
    QVERIFY(app.open());
    app.ui.answerInput(u"чистота"_s);
    app.ui.pickNumber(3);
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"cmdFindN"_s), Qt::LeftButton);
    const QList<std::pair<QString, QString>> want = {
        {u"Nareditel"_s, u"Общинско предприятие Чистота"_s}, {u"DoBanka"_s, u"Банка ДСК"_s},
        {u"Clon"_s, u"Русе"_s}, {u"Adress"_s, u"ул. Александровска 1"_s},
        {u"IBANn"_s, u"BG80BNBG96611020345678"_s}, {u"BICn"_s, u"STSABGSF"_s}};
    for (const auto &[field, value] : want)
        QCOMPARE(app.field(field)->text(), value);
    QCOMPARE(app.field(u"Poluchatel"_s)->text(), QString());
    app.field(u"suma"_s)->setText(u"1250.00"_s);
    app.field(u"Osnovanie"_s)->setText(u"Фактура 1024 от 01.03.2010"_s);
    shoot(app.editor, u"pln"_s);
}

void TestPlnEditor::secondPage()
{
    App app;
    QVERIFY(app.open());
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    auto *page = app.editor->findChild<SecondPageWindow *>(u"frmPln2"_s);
    QVERIFY(page && page->isVisible());
    QVERIFY(page->findChild<QRadioButton *>(u"Checkp1"_s)->isChecked());
    QTest::mouseClick(page->findChild<QRadioButton *>(u"Checkp2"_s), Qt::LeftButton);
    QVERIFY(app.rec().boolean(u"polMode"_s));
    QVERIFY(!app.rec().boolean(u"narMode"_s));
    QVERIFY(activate(page));
    QLineEdit *note = page->findChild<QLineEdit *>(u"Note"_s);
    note->setFocus();
    typeText(note, u"  Внос на стоки  "_s);
    QLineEdit *bnb = page->findChild<QLineEdit *>(u"BNBno"_s);
    bnb->setFocus();
    QTest::keyClick(bnb, Qt::Key_Return);  // Enter in the last field goes back to the first
    QCOMPARE(QApplication::focusWidget()->objectName(), u"countryN"_s);
    QCOMPARE(app.rec().text(u"Note"_s).trimmed(), u"Внос на стоки"_s);
    QVERIFY(app.rec().text(u"Note"_s).startsWith(u"  Внос"_s));
    QVERIFY(activate(app.editor));
    QTest::mouseClick(app.editor->command(u"cmdSave"_s), Qt::LeftButton);
    QCOMPARE(app.stored(u"kod, polMode, narMode"_s), QStringList{u"1|1|0"_s});
    shoot(page, u"pln2"_s);
    // New clears the page and chooses "местно лице" again; reading brings the choice back.
    app.ui.answer(true);
    QTest::mouseClick(app.editor->command(u"cmdNew"_s), Qt::LeftButton);
    QVERIFY(page->findChild<QRadioButton *>(u"Checkp1"_s)->isChecked());
    QCOMPARE(note->text(), QString());
    QTest::mouseClick(app.editor->command(u"cmdNext"_s), Qt::LeftButton);
    QVERIFY(page->findChild<QRadioButton *>(u"Checkp2"_s)->isChecked());
}

void TestPlnEditor::escapeClosesBothPages()
{
    App app;
    QVERIFY(app.open());
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    auto *page = app.editor->findChild<SecondPageWindow *>(u"frmPln2"_s);
    QVERIFY(page->isVisible());
    QVERIFY(activate(app.editor));
    app.field(u"Clon"_s)->setFocus();
    typeText(app.field(u"Clon"_s), u"Варна"_s);
    QTest::keyClick(app.field(u"Clon"_s), Qt::Key_Escape);
    QVERIFY(!page->isVisible());
    QVERIFY(!app.editor->isVisible());
    QCOMPARE(app.rec().text(u"Clon"_s).trimmed(), u"Варна"_s);
}

void TestPlnEditor::findDialogPaging()
{
    FindListView view;
    view.caption = u"Платежно нареждане за кредитен превод"_s;
    view.headers = {u"До банка"_s, u"Получател"_s, u"Наредител"_s, u"Основание"_s};
    for (int i = 1; i <= 30; ++i)
        view.lines.append(u"%1 | Банка           | Получател"_s.arg(i, 5) + QString::number(i));
    view.selected = 4;
    view.countText = u"Прочетени 30 записа."_s;
    FindDialog d(view);
    d.show();
    QCOMPARE(d.windowTitle(), view.caption);
    QCOMPARE(d.list()->currentRow(), 4);  // the caller's document
    QCOMPARE(d.findChild<QLabel *>(u"lblCount"_s)->text(), u"Прочетени 30 записа."_s);
    auto click = [&d](const char *name) {
        QTest::mouseClick(d.findChild<QPushButton *>(QLatin1StringView(name)), Qt::LeftButton);
        return d.list()->currentRow();
    };
    QCOMPARE(click("cmdFirst"), 0);
    QCOMPARE(click("cmdNext"), 22);
    QCOMPARE(click("cmdNext"), 29);
    QCOMPARE(click("cmdPrevious"), 7);
    QCOMPARE(click("cmdPrevious"), 0);
    QCOMPARE(click("cmdLast"), 29);
    QVERIFY(!d.findChild<QPushButton *>(u"cmdExpand"_s)->isVisibleTo(&d));
    d.list()->setCurrentRow(12);
    QTest::keyClick(d.list(), Qt::Key_Return);
    QCOMPARE(d.chosen(), 12);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    // Escape chooses nothing.
    FindDialog e(view);
    e.show();
    QTest::keyClick(e.list(), Qt::Key_Escape);
    QCOMPARE(e.result(), int(QDialog::Rejected));
    QCOMPARE(e.chosen(), -1);
    shoot(&d, u"find"_s);
}

void TestPlnEditor::f2ReplacesTheAccountEverywhere()
{
    App app;
    const QString oldIban = u"BG80BNBG96611020345678"_s, newIban = u"BG89UBBS80021087654321"_s;
    {
        auto t = app.session.store().table(DbKind::Main, u"PlnTable"_s);
        Record r(t->def());
        for (int k : {1, 2, 3}) {
            r.setKey(k);
            r.setText(u"IBANn"_s, k == 2 ? u"BG18RZBB91550123456789"_s : oldIban);
            QVERIFY(t->save(r));
        }
        app.session.document(t->def()).record = *t->find(1);
    }
    QVERIFY(app.open());
    QLineEdit *iban = app.field(u"IBANn"_s);
    QCOMPARE(iban->text(), oldIban);
    iban->setFocus();
    QTest::keyClick(iban, Qt::Key_F2);
    auto *copy = app.editor->findChild<QWidget *>(u"frmCopy"_s);
    QVERIFY(copy && copy->isVisible());
    QCOMPARE(copy->findChild<QLabel *>(u"lblMode"_s)->text(), u"4"_s);
    QCOMPARE(copy->findChild<QLabel *>(u"lblIBAN"_s)->text(), u"2"_s);
    QCOMPARE(copy->findChild<QLineEdit *>(u"Text1"_s)->text(), oldIban);
    copy->findChild<QLineEdit *>(u"Text2"_s)->setText(newIban);
    QTest::mouseClick(copy->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QCOMPARE(app.stored(u"kod, IBANn"_s),
             (QStringList{u"1|"_s + newIban, u"2|BG18RZBB91550123456789"_s, u"3|"_s + newIban}));
    QCOMPARE(app.rec().text(u"IBANn"_s), newIban);
    QCOMPARE(iban->text(), newIban);
    // F2 in a field that is not an account does nothing.
    app.field(u"Clon"_s)->setFocus();
    copy->hide();
    QTest::keyClick(app.field(u"Clon"_s), Qt::Key_F2);
    QVERIFY(!copy->isVisible());
}

QTEST_MAIN(TestPlnEditor)
#include "tst_pln_editor.moc"
