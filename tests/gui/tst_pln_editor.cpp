#include "documents/gui/field_binder.h"
#include "documents/gui/second_page.h"
#include "documents/gui/small_dialogs.h"
#include "store/params.h"
#include "support/editor_app.h"
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

class TestPlnEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void payerFromTheContractors();
    void secondPage();
    void escapeClosesBothPages();
    void findDialogPaging();
    void f2ReplacesTheAccountEverywhere();
};

void TestPlnEditor::payerFromTheContractors()
{
    EditorApp app;
    // The list keeps the head office's BIC of eleven; the order's ten take its eight.
    seedContractor(app.session.store(), 3,
                   {{u"KlIme"_s, u"Общинско предприятие Чистота"_s}, {u"BankIme"_s, u"Банка ДСК"_s},
                    {u"bgrad"_s, u"Русе"_s}, {u"bstreet"_s, u"ул. Александровска 1"_s},
                    {u"IBAN"_s, u"BG80BNBG96611020345678"_s}, {u"BIC"_s, u"STSABGSFXXX"_s}});
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

    // Once the firm has accounts of its own, they come first: one pick
    // fills the payer's name, account, BIC and bank; the branch stays.
    Record account(tableDef(DbKind::Main, u"FirmaBankTable"_s));
    account.setText(u"BankIme"_s, u"УниКредит Булбанк АД"_s);
    account.setText(u"IBAN"_s, u"BG80UNCR70001512345678"_s);
    account.setText(u"BIC"_s, u"UNCRBGSF"_s);
    QVERIFY(SaveOwnAccounts(app.session.store(), {account}));
    app.session.firma.setText(u"ime"_s, u"Алфа Транс ООД"_s);
    app.ui.pickNumber(1);
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"cmdFindN"_s), Qt::LeftButton);
    QCOMPARE(app.ui.lastList().caption, u"Сметки на фирмата"_s);
    for (const auto &[field, value] : {std::pair{u"Nareditel"_s, u"Алфа Транс ООД"_s},
                                       {u"IBANn"_s, u"BG80UNCR70001512345678"_s},
                                       {u"BICn"_s, u"UNCRBGSF"_s}, {u"DoBanka"_s, u"УниКредит Булбанк АД"_s},
                                       {u"Clon"_s, u"Русе"_s}})
        QCOMPARE(app.field(field)->text(), value);
    // The last line of that list leads to the contractors, as before.
    app.ui.pickNumber(2);
    app.ui.answerInput(u"чистота"_s);
    app.ui.pickNumber(3);
    QTest::mouseClick(app.editor->findChild<QPushButton *>(u"cmdFindN"_s), Qt::LeftButton);
    QCOMPARE(app.field(u"Nareditel"_s)->text(), u"Общинско предприятие Чистота"_s);
}

void TestPlnEditor::secondPage()
{
    EditorApp app;
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
    EditorApp app;
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
    EditorApp app;
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
    // Enter in the second field runs it: asked with the count, told after.
    app.ui.answer(true);
    QLineEdit *text2 = copy->findChild<QLineEdit *>(u"Text2"_s);
    typeText(text2, newIban);
    QTest::keyClick(text2, Qt::Key_Return);
    QVERIFY(app.ui.texts().first().contains(u"в 2 документа"_s));
    QCOMPARE(app.ui.texts().last(), u"Заменено в 2 документа."_s);
    QCOMPARE(app.stored(u"kod, IBANn"_s),
             (QStringList{u"1|"_s + newIban, u"2|BG18RZBB91550123456789"_s, u"3|"_s + newIban}));
    QCOMPARE(app.rec().text(u"IBANn"_s), newIban);
    QCOMPARE(iban->text(), newIban);
    // F2 in a field that is not an account does nothing.
    app.field(u"Clon"_s)->setFocus();
    copy->hide();
    QTest::keyClick(app.field(u"Clon"_s), Qt::Key_F2);
    QVERIFY(!copy->isVisible());

    // The editor moved on to a document with another account before the
    // replacement ran: that document keeps its own.
    iban->setFocus();
    QTest::keyClick(iban, Qt::Key_F2);
    app.click(u"cmdNext"_s);
    QCOMPARE(iban->text(), u"BG18RZBB91550123456789"_s);
    app.ui.answer(true);
    text2->selectAll();
    typeText(text2, oldIban);
    QTest::keyClick(text2, Qt::Key_Return);
    QCOMPARE(app.ui.texts().last(), u"Заменено в 2 документа."_s);
    QCOMPARE(app.rec().text(u"IBANn"_s).trimmed(), u"BG18RZBB91550123456789"_s);
}

QTEST_MAIN(TestPlnEditor)
#include "tst_pln_editor.moc"
