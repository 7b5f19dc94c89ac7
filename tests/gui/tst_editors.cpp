// What every editor does, tried on each kind that has one, through its
// window, with real keys and clicks. A kind's own behaviour is in its own test.
#include "documents/gui/field_binder.h"
#include "support/editor_app.h"
#include "support/samples.h"
#include "support/typing.h"

#include <QCheckBox>
#include <QLabel>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestEditors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheKeptRecord_data() { kinds(); }
    void opensOnTheKeptRecord();
    void enterWalksTheEntryOrder_data() { kinds(); }
    void enterWalksTheEntryOrder();
    void typedSavedClearedAndReadBack_data() { kinds(); }
    void typedSavedClearedAndReadBack();
    void leavingAnAccountUpperCasesAndWarns_data() { kinds(); }
    void leavingAnAccountUpperCasesAndWarns();
    void keysRunTheirButtons();
    void f9TurnsLevaIntoEuro_data() { kinds(); }
    void f9TurnsLevaIntoEuro();

private:
    static void kinds()
    {
        QTest::addColumn<QString>("kind");
        for (const KindWiring &w : kindWirings()) QTest::newRow(qPrintable(w.kind)) << w.kind;
    }
};

void TestEditors::opensOnTheKeptRecord()
{
    QFETCH(QString, kind);
    EditorApp app(kind);
    QVERIFY(app.open());
    // The kind's caption with the number of a new document; a new document
    // is paid in euro.
    QCOMPARE(app.editor->windowTitle(), app.kind().captionTitle + u"No:0"_s);
    if (!app.kind().currencyField.isEmpty())
        QCOMPARE(app.field(app.kind().currencyField)->text(), u"EUR"_s);
    auto *choice = app.wiring.pageChoice.isEmpty()
                       ? nullptr
                       : app.editor->findChild<QCheckBox *>(app.wiring.pageChoice);
    if (choice) {
        QVERIFY(!choice->isChecked());
        choice->setChecked(true);
    }
    // Closing keeps the record, with the field being typed; opening again
    // shows it, and the page choice starts unticked.
    const QString first = app.kind().entryOrder.first().objectName();
    app.field(first)->setFocus();
    typeText(app.field(first), u"Запомнен"_s);
    app.editor->close();
    QCOMPARE(app.rec().text(app.kind().entryOrder.first().name).trimmed(), u"Запомнен"_s);
    QVERIFY(app.open());
    QCOMPARE(app.field(first)->text(), u"Запомнен"_s);
    if (choice)
        QVERIFY(!choice->isChecked());
    QVERIFY(app.ui.shown().isEmpty());

    // What the document holds on its second page stays when the editor
    // closes: the page never opened, then opened for another document.
    if (!app.editor->secondPage())
        return;
    const auto secondPage = [&app](const Record &r) {
        QStringList shown;
        for (const FieldSpec &f : app.kind().secondPage) shown << DisplayText(r, f.name, f.rule);
        return shown;
    };
    const Record full = sampleFull(kind);
    const Record blank(full.def());
    QVERIFY(secondPage(full) != secondPage(blank));
    for (const Record &document : {full, blank}) {
        app.rec() = document;
        app.editor->showRecord();
        app.editor->close();
        QCOMPARE(secondPage(app.rec()), secondPage(document));
        QVERIFY(app.open());
        app.editor->showSecondPage();
        app.editor->secondPage()->close();
    }
}

// Enter walks the fields the window shows, past the last back to the first.
void TestEditors::enterWalksTheEntryOrder()
{
    QFETCH(QString, kind);
    EditorApp app(kind);
    QVERIFY(app.open());
    // The fields the window shows, in the kind's entry order (the buy and
    // sell order shows one side).
    QStringList walk;
    for (const FieldSpec &f : app.kind().entryOrder)
        if (app.field(f.objectName())->isVisibleTo(app.editor))
            walk << f.objectName();
    QVERIFY(walk.size() > 5);
    app.field(walk.first())->setFocus();
    QStringList walked;
    for (int i = 0; i <= walk.size(); ++i) {
        QWidget *f = QApplication::focusWidget();
        QVERIFY(f);
        walked.append(f->objectName());
        QTest::keyClick(f, Qt::Key_Return);
    }
    // Past the last field Enter goes back to the first.
    QCOMPARE(walked, walk + QStringList{walk.first()});
    QCOMPARE(app.editor->fields().fieldNumber(), 1);  // the last Enter left the first field
    // The focused field is yellow, the others white.
    QCOMPARE(app.field(walk[1])->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(app.field(walk[0])->palette().color(QPalette::Base), QColor(Qt::white));
}

// Every field of the first page typed with keys, the last one still being
// typed when the save button is clicked; New clears the form, Read brings
// the document back.
void TestEditors::typedSavedClearedAndReadBack()
{
    QFETCH(QString, kind);
    EditorApp app(kind);
    QVERIFY(app.open());
    const QList<FieldSpec> &order = app.kind().entryOrder;
    QStringList expected;
    for (int i = 0; i < order.size(); ++i) {
        const auto [typed, shown] = sampleFor(order[i], i);
        QLineEdit *e = app.field(order[i].objectName());
        e->setFocus();
        e->selectAll();
        typeText(e, typed);
        if (i + 1 < order.size())
            QTest::keyClick(e, Qt::Key_Return);
        expected << shown;
    }
    // A total typed before its items follows them.
    Money items;
    for (const FieldSpec &f : order)
        if (!f.total.isEmpty()) {
            items += app.rec().money(f.name);
            expected[app.kind().placeOf(f.total)] = AmountDisplayText(items);
        }
    app.ui.clear();
    app.click(u"cmdSave"_s);  // the first document: no question
    QCOMPARE(app.stored(u"kod"_s), QStringList{u"1"_s});
    QCOMPARE(app.editor->windowTitle().right(5), u"No: 1"_s);
    // The window itself says what was stored, and under which number.
    auto *status = app.editor->findChild<QLabel *>(u"lblStatus"_s);
    QCOMPARE(status->text(), u"Записан като No 1"_s);
    app.ui.answerSave(SaveChoice::New);
    app.click(u"cmdSave"_s);
    QCOMPARE(status->text(), u"Записан като No 2"_s);
    app.ui.answerSave(SaveChoice::Cancel);
    app.click(u"cmdSave"_s);
    QCOMPARE(status->text(), u"Не е записан."_s);
    if (app.kind().post) {
        app.ui.answer(true);
        app.click(u"cmdBase"_s);
        QCOMPARE(status->text(), u"Отразен в касовата книга, ред No 1"_s);
    } else if (app.kind().reportsCode) {
        app.ui.answerSave(SaveChoice::New);
        app.click(u"cmdBase"_s);
        QCOMPARE(status->text(), u"Записан в базата за справки като No 1"_s);
    }
    const auto shownNow = [&] {
        QStringList out;
        for (const FieldSpec &f : order) out << app.field(f.objectName())->text();
        return out;
    };
    // Accounts are told as wrong on the way; what was typed still stands.
    QCOMPARE(shownNow(), expected);

    app.ui.clear();
    // The cash orders start a new order without asking and keep the firm.
    const bool asks = !app.kind().renew;
    if (asks)
        app.ui.answer(true);
    app.click(u"cmdNew"_s);
    QCOMPARE(app.ui.texts(), asks ? QStringList{u"Изчиства текущия документ?"_s} : QStringList());
    QCOMPARE(app.editor->windowTitle().right(4), u"No:0"_s);
    for (const QString &text : shownNow())
        QVERIFY2(!asks || text.isEmpty() || text == u"0"_s || text == u"EUR"_s, qPrintable(text));

    if (app.kind().readByName >= 0)
        app.ui.answerInput(u"ж4"_s);  // the other party, typed fifth on both cash orders
    else
        app.ui.answerSearch(SearchRequest{QString(), 0});
    app.ui.pickNumber(2);
    app.click(u"cmdRead"_s);
    QCOMPARE(shownNow(), expected);
    QCOMPARE(QApplication::focusWidget(), app.field(app.kind().amountField));
}

void TestEditors::leavingAnAccountUpperCasesAndWarns()
{
    QFETCH(QString, kind);
    EditorApp app(kind);
    QVERIFY(app.open());
    for (const FieldSpec &f : app.kind().entryOrder) {
        QLineEdit *iban = app.field(f.objectName());
        if (f.rule != FieldRule::Iban || !iban->isVisibleTo(app.editor))
            continue;
        app.ui.clear();
        iban->setFocus();
        typeText(iban, u"bg80bnbg96611020345679"_s);
        app.field(app.kind().entryOrder.first().objectName())->setFocus();
        QCOMPARE(iban->text(), u"BG80BNBG96611020345679"_s);
        QCOMPARE(app.ui.texts(), QStringList{u"Невалиден IBAN номер: BG80BNBG96611020345679"_s});
        QCOMPARE(iban->palette().color(QPalette::Base),
                 f.leftColour ? QColor::fromRgb(QRgb(f.leftColour)) : QColor(153, 255, 255));
        QCOMPARE(app.rec().text(f.name), u"BG80BNBG96611020345679"_s);
        // A valid account, and an empty one, say nothing; the valid one
        // brings its bank's BIC into the empty field beside it.
        app.ui.clear();
        for (const QString &text : {u"bg80bnbg96611020345678"_s, QString()}) {
            iban->setFocus();
            iban->setText(text);
            app.field(app.kind().entryOrder.first().objectName())->setFocus();
            if (!f.bicField.isEmpty() && !text.isEmpty())
                QCOMPARE(app.field(f.bicField)->text(), u"BNBGBGSD"_s);
        }
        QVERIFY(app.ui.shown().isEmpty());
    }
}

// Ctrl+S while a field is being typed saves what was typed; Ctrl+N asks.
void TestEditors::keysRunTheirButtons()
{
    EditorApp app;
    QVERIFY(app.open());
    QLineEdit *payer = app.field(u"Nareditel"_s);
    payer->setFocus();
    typeText(payer, u"Алфа ООД"_s);
    QTest::keyClick(payer, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(app.stored(u"kod, Nareditel"_s), QStringList{u"1|Алфа ООД"_s});
    app.ui.answer(false);  // Ctrl+N asks, and Cancel keeps the document
    QTest::keyClick(payer, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(app.ui.texts(), QStringList{u"Изчиства текущия документ?"_s});
    QCOMPARE(payer->text(), u"Алфа ООД"_s);
    // A command leaves the field being typed first (the account's bank is
    // filled before the save), and not again on the document it brings.
    QLineEdit *iban = app.field(u"IBANp"_s);
    iban->setFocus();
    typeText(iban, u"bg80bnbg96611020345678"_s);
    app.ui.answerSave(SaveChoice::Overwrite);
    QTest::keyClick(iban, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(app.stored(u"BICp"_s), QStringList{u"BNBGBGSD"_s});
    QVERIFY(execOn(app.dir.filePath(u"Remitor.MDB"_s),
                   u"INSERT INTO PlnTable (kod, IBANp) VALUES (2, 'BG00BNBG96611020345678')"_s));
    app.ui.clear();
    app.click(u"cmdNext"_s);
    payer->setFocus();
    QCOMPARE(iban->text(), u"BG00BNBG96611020345678"_s);
    QVERIFY(app.ui.shown().isEmpty());
}

// An order in leva becomes an order in euro at 1.95583, on OK; a document
// already in euro is told so and left alone.
void TestEditors::f9TurnsLevaIntoEuro()
{
    QFETCH(QString, kind);
    EditorApp app(kind);
    QVERIFY(app.open());
    if (app.kind().amountFields().isEmpty())
        QSKIP("the kind has no amounts in a currency");
    const QString currency = app.kind().amountFields().first().currency;
    const QString amount = app.kind().amountFields().first().amount;
    app.field(currency)->setText(u"bgn"_s);
    QLineEdit *sum = app.field(amount);
    sum->setFocus();
    typeText(sum, u"1000"_s);
    app.ui.answer(true);
    QTest::keyClick(sum, Qt::Key_F9);
    QCOMPARE(app.ui.shown().size(), 1);
    QVERIFY2(app.ui.texts().first().contains(u"511.29"_s), qPrintable(app.ui.texts().first()));
    QCOMPARE(sum->text(), u"511.29"_s);
    QCOMPARE(app.field(currency)->text(), u"EUR"_s);
    // Words that the document keeps are those of the new amount.
    for (const WordsSpec &w : app.kind().words)
        if (w.amount == amount && !w.field.isEmpty())
            QVERIFY(app.field(w.field)->text().startsWith(
                u"Петстотин и Единадесет евро 29 цента   /   Five Hundred Eleven EUR"_s));
    app.ui.clear();
    QTest::keyClick(sum, Qt::Key_F9);
    QCOMPARE(app.ui.texts(), QStringList{u"Документът вече е в евро."_s});
    QCOMPARE(sum->text(), u"511.29"_s);
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
