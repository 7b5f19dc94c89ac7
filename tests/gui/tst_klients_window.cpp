#include "session/session.h"
#include "documents/gui/copy_window.h"
#include "lists/gui/klients_window.h"
#include "support/gui_support.h"
#include "support/ibans.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

const QString goodIban = u"BG80BNBG96611020345678"_s;
const QString newIban = u"BG89UBBS80021087654321"_s;
const QColor yellow(255, 255, 0), green(0, 255, 0), white(Qt::white);

QColor background(QLineEdit *edit) { return edit->palette().color(QPalette::Base); }

struct App {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 1, 31)};
    std::unique_ptr<KlientsWindow> window;
    ModalGuard guard;

    explicit App(int contractors = 3)
    {
        session.startUp();
        auto table = session.store().table(DbKind::Main, u"KlientTable"_s);
        Record r = ContractorList::emptyRecord();
        for (int k = 1; k <= contractors; ++k) {
            r.setKey(k);
            r.setText(u"KlIme"_s, u"Фирма %1"_s.arg(k));
            r.setText(u"Grad"_s, u"София"_s);
            r.setText(u"IBAN"_s, goodIban);
            table->save(r);
        }
    }
    QString db() const { return dir.filePath(u"Remitor.MDB"_s); }
    QString stored(qint64 kod, const QString &field) const
    {
        return queryOn(db(), u"SELECT %1 FROM KlientTable WHERE kod = %2"_s.arg(field).arg(kod));
    }
    KlientsWindow *open()
    {
        window = std::make_unique<KlientsWindow>(session);
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) && activate(window.get()) ? window.get() : nullptr;
    }
    QLineEdit *f(const QString &name) const { return window->field(name); }
    QString label(const QString &name) const { return window->findChild<QLabel *>(name)->text(); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void key(int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); }
    void click(const QString &name) { QTest::mouseClick(f(name), Qt::LeftButton); }
    void retype(const QString &name, const QString &text)
    {
        click(name);
        f(name)->clear();
        typeText(f(name), text);
    }
};

// Stores `count` empty documents in a table of the main base, `field` holding `text`.
void addDocuments(App &app, const QString &table, int count, const QString &field = {},
                  const QString &text = {})
{
    auto t = app.session.store().table(DbKind::Main, table);
    Record r(t->def());
    for (int k = 1; k <= count; ++k) {
        r.setKey(k);
        if (!field.isEmpty())
            r.setText(field, k == 1 ? text : QString());
        t->save(r);
    }
}

}  // namespace

class TestKlientsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheFirstContractor();
    void typedNameInTheNewRowIsStoredOnLeaving();
    void enterWalksThePlacesAndWraps();
    void clickOnAButtonTakesTheFieldFirst_data();
    void clickOnAButtonTakesTheFieldFirst();
    void invalidIbanIsToldOnceAndKeptOnScreen();
    void ibanFillsTheBankWhenLeft();
    void arrowsKeepThePlace();
    void copyWindow();
};

void TestKlientsWindow::opensOnTheFirstContractor()
{
    App app;
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QVERIFY(w->nameField(19)->isVisible());
    QVERIFY(!w->nameField(20)->isVisible());
    QCOMPARE(app.f(u"Ime2"_s)->text(), u"Фирма 3"_s);
    QCOMPARE(app.f(u"IBAN"_s)->text(), goodIban);
    QCOMPARE(app.label(u"lblCount"_s), u"3"_s);
    // The focus is in the selected name (yellow), the other names are white;
    // left, the selected name is green.
    QCOMPARE(app.focused(), u"Ime0"_s);
    QCOMPARE(background(app.f(u"Ime0"_s)), yellow);
    QCOMPARE(background(app.f(u"Ime1"_s)), white);
    app.click(u"Grad"_s);
    QCOMPARE(background(app.f(u"Ime0"_s)), green);
    QCOMPARE(background(app.f(u"Grad"_s)), yellow);
    // A click on another name selects its contractor.
    app.click(u"Ime2"_s);
    QCOMPARE(app.label(u"lblNo"_s), u"Контрагент No: 3"_s);
    QCOMPARE(background(app.f(u"Ime0"_s)), white);
    QVERIFY(app.ui.shown().isEmpty());
}

void TestKlientsWindow::typedNameInTheNewRowIsStoredOnLeaving()
{
    App app(2);
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QTest::mouseClick(w->button(u"cmdNew"_s), Qt::LeftButton);
    QCOMPARE(app.focused(), u"Ime1"_s);
    QCOMPARE(app.label(u"lblNo"_s), u"Контрагент No: 3"_s);
    QCOMPARE(app.f(u"Grad"_s)->text(), u""_s);
    typeText(app.f(u"Ime1"_s), u"Нова фирма ЕООД"_s);
    QVERIFY(app.stored(3, u"KlIme"_s).isEmpty());
    app.click(u"MOL"_s);
    QCOMPARE(app.stored(3, u"KlIme"_s), u"Нова фирма ЕООД"_s);
    QCOMPARE(app.label(u"lblCount"_s), u"3"_s);
    typeText(app.f(u"MOL"_s), u"Иван Петров"_s);
    QVERIFY(app.ui.shown().isEmpty());
    // Closing takes the field being typed in as well.
    w->close();
    QCOMPARE(app.stored(3, u"MOL"_s), u"Иван Петров"_s);
}

void TestKlientsWindow::enterWalksThePlacesAndWraps()
{
    App app;
    KlientsWindow *w = app.open();
    QVERIFY(w);
    app.click(u"Ime1"_s);
    QStringList walk;
    for (int i = 0; i < 12; ++i) {
        if (i == 1) {
            app.f(u"Grad"_s)->clear();
            typeText(app.f(u"Grad"_s), u" Варна "_s);
        }
        app.key(Qt::Key_Return);
        walk.append(app.focused() + u':' + QString::number(w->fieldNumber()));
    }
    QCOMPARE(walk, (QStringList{u"Grad:1"_s, u"street:2"_s, u"Bulstat:3"_s, u"MOL:4"_s, u"BankIme:5"_s,
                                u"bgrad:6"_s, u"bstreet:7"_s, u"IBAN:8"_s, u"BIC:9"_s, u"Phone:10"_s,
                                u"Ime1:0"_s, u"Grad:1"_s}));
    // Enter wrote the town, trimmed, and the field shows it so.
    QCOMPARE(app.stored(2, u"Grad"_s), u"Варна"_s);
    QCOMPARE(app.f(u"Grad"_s)->text(), u"Варна"_s);
    QCOMPARE(app.stored(1, u"Grad"_s), u"София"_s);
}

// A navigation button, a command button and Exit: none takes the focus, and
// each stores the field being typed in before it acts.
void TestKlientsWindow::clickOnAButtonTakesTheFieldFirst_data()
{
    QTest::addColumn<QString>("button");
    for (const char *name : {"cmdNext", "cmdNew", "cmdExit"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestKlientsWindow::clickOnAButtonTakesTheFieldFirst()
{
    QFETCH(QString, button);
    App app;
    KlientsWindow *w = app.open();
    QVERIFY(w);
    app.click(u"Ime1"_s);
    app.click(u"BankIme"_s);
    typeText(app.f(u"BankIme"_s), u"ОББ АД"_s);
    QPushButton *b = w->button(button);
    QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(app.stored(2, u"BankIme"_s), u"ОББ АД"_s);
    QCOMPARE(app.ui.pendingAnswers(), 0);
}

void TestKlientsWindow::invalidIbanIsToldOnceAndKeptOnScreen()
{
    App app;
    QVERIFY(app.open());
    app.retype(u"IBAN"_s, u"BG80BNBG96611020345679"_s);
    app.key(Qt::Key_Return);
    QCOMPARE(app.focused(), u"BIC"_s);
    QCOMPARE(app.ui.texts(), QStringList{u"Невалиден IBAN номер: BG80BNBG96611020345679"_s});
    QCOMPARE(app.f(u"IBAN"_s)->text(), u"BG80BNBG96611020345679"_s);
    QCOMPARE(app.stored(1, u"IBAN"_s), goodIban);
    // Nothing new typed: leaving the next fields says nothing again.
    app.key(Qt::Key_Return);
    app.key(Qt::Key_Return);
    QCOMPARE(app.ui.texts().size(), 1);
    // Put right, the row is stored.
    app.retype(u"IBAN"_s, newIban);
    app.key(Qt::Key_Return);
    QCOMPARE(app.stored(1, u"IBAN"_s), newIban);
    QCOMPARE(app.ui.texts().size(), 1);
}

void TestKlientsWindow::ibanFillsTheBankWhenLeft()
{
    App app;
    QVERIFY(app.open());
    app.retype(u"IBAN"_s, ValidIban(u"UNCR"_s));
    app.click(u"Phone"_s);
    QCOMPARE(app.f(u"BIC"_s)->text(), u"UNCRBGSF"_s);
    QCOMPARE(app.f(u"BankIme"_s)->text(), u"УниКредит Булбанк АД"_s);
    QCOMPARE(app.stored(1, u"BIC"_s), u"UNCRBGSF"_s);
    QCOMPARE(app.stored(1, u"BankIme"_s), u"УниКредит Булбанк АД"_s);
    QVERIFY(app.ui.shown().isEmpty());
    // A DSK account under that BIC: told once, the BIC stays as it was.
    app.retype(u"IBAN"_s, ValidIban(u"STSA"_s));
    app.key(Qt::Key_Return);
    QCOMPARE(app.ui.shown().size(), 1);
    QVERIFY(app.ui.shown()[0].text.contains(u"Банка ДСК АД"_s));
    QCOMPARE(app.f(u"BIC"_s)->text(), u"UNCRBGSF"_s);
    app.click(u"Grad"_s);
    QCOMPARE(app.ui.shown().size(), 1);
}

// The arrows keep the place in the row; past the page's edge they move it.
void TestKlientsWindow::arrowsKeepThePlace()
{
    App app(25);
    KlientsWindow *w = app.open();
    QVERIFY(w);
    app.click(u"Ime3"_s);
    app.click(u"Grad"_s);
    app.key(Qt::Key_Up);
    QCOMPARE(app.focused(), u"Grad"_s);
    QCOMPARE(app.label(u"lblNo"_s), u"Контрагент No: 3"_s);
    QCOMPARE(background(app.f(u"Ime2"_s)), green);
    app.click(u"Ime19"_s);
    app.key(Qt::Key_Down);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 2"_s);
    QCOMPARE(app.focused(), u"Ime19"_s);
    app.click(u"Ime0"_s);
    app.key(Qt::Key_Up);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 1"_s);
    QCOMPARE(w->list().selectedRow(), 0);
    app.key(Qt::Key_Escape);
    QVERIFY(!w->isVisible());
}

// The copy window replaces an account (its second field needed), or a text
// of the budget order without a second field; Exit changes nothing.
void TestKlientsWindow::copyWindow()
{
    App app(0);
    addDocuments(app, u"PlnTable"_s, 2, u"IBANn"_s, goodIban);
    addDocuments(app, u"PlnBTable"_s, 3);
    CopyWindow w(app.session);
    QSignalSpy spy(&w, &CopyWindow::accountReplaced);
    w.start(4, 2, goodIban + u"  "_s);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.isModal());
    QCOMPARE(w.text1()->text(), goodIban);
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QCOMPARE(app.ui.texts(), QStringList{u"В поле 2 не е посочена сметка."_s});
    QVERIFY(w.isVisible());
    typeText(w.text2(), newIban);
    app.ui.answer(true);
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(rowsOn(app.db(), u"SELECT IBANn FROM PlnTable ORDER BY kod"_s), (QStringList{newIban, u""_s}));

    w.start(1, 3, u"НАП"_s);
    QVERIFY(!w.text2()->isVisible());
    app.ui.answer(true);
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QCOMPARE(spy.size(), 1);  // a text, not an account: the editor keeps its own
    QCOMPARE(rowsOn(app.db(), u"SELECT count(*) FROM PlnBTable WHERE Poluchatel = 'НАП'"_s), QStringList{u"3"_s});
    // The budget order's accounts use the second field again, empty.
    w.start(1, 1, goodIban);
    QVERIFY(w.text2()->isVisible());
    QVERIFY(w.text2()->text().isEmpty());
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdExit"_s), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(spy.size(), 1);
}

QTEST_MAIN(TestKlientsWindow)
#include "tst_klients_window.moc"
