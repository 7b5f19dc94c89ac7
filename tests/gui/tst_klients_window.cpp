#include "app/session.h"
#include "documents/gui/copy_window.h"
#include "lists/gui/klients_window.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"
#include "support/typing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

const QString goodIban = u"BG80BNBG96611020345678"_s;
const QString newIban = u"BG89UBBS80021087654321"_s;

// Saves a picture of a window when REMITOR_SHOTS names a folder.
void shoot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("REMITOR_SHOTS");
    if (!dir.isEmpty())
        w->grab().save(dir + u'/' + name + u".png"_s);
}

// The offscreen platform does not activate a window by showing it.
bool activate(QWidget *w)
{
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

QColor background(QLineEdit *edit)
{
    return edit->palette().color(QPalette::Base);
}

struct App {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 1, 31)};
    std::unique_ptr<KlientsWindow> window;

    App(int contractors = 3)
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
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
        shoot(window.get(), u"frmKlients"_s);
        return activate(window.get()) ? window.get() : nullptr;
    }
    QLineEdit *f(const QString &name) const { return window->field(name); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void key(int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); }
};

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
    void pageKeysAndArrows();
    void deleteAndCountWithTheMouse();
    void copyWindowReplacesAnAccount();
    void copyWindowRefusesAndStaysOpen();
    void copyWindowForATextOfTheBudgetOrder();
};

void TestKlientsWindow::opensOnTheFirstContractor()
{
    App app;
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QCOMPARE(w->objectName(), u"frmKlients"_s);
    QCOMPARE(w->windowTitle(), u"Контрагенти"_s);
    for (int i = 0; i < 20; ++i)
        QVERIFY(w->nameField(i)->isVisible());
    QVERIFY(!w->nameField(20)->isVisible());
    QCOMPARE(app.f(u"Ime2"_s)->text(), u"Фирма 3"_s);
    QCOMPARE(app.f(u"Ime3"_s)->text(), u""_s);
    QCOMPARE(app.f(u"Grad"_s)->text(), u"София"_s);
    QCOMPARE(app.f(u"IBAN"_s)->text(), goodIban);
    QCOMPARE(w->findChild<QLabel *>(u"lblNo"_s)->text(), u"Контрагент No: 1"_s);
    QCOMPARE(w->findChild<QLabel *>(u"lblCount"_s)->text(), u"3"_s);
    QCOMPARE(w->findChild<QLabel *>(u"lblFirmi"_s)->text(), u"фирми"_s);
    // The focus is in the selected name (yellow); the other names are white.
    QCOMPARE(app.focused(), u"Ime0"_s);
    QCOMPARE(background(app.f(u"Ime0"_s)), QColor(255, 255, 0));
    QCOMPARE(background(app.f(u"Ime1"_s)), QColor(Qt::white));
    // Leaving it, the selected name is green.
    QTest::mouseClick(app.f(u"Grad"_s), Qt::LeftButton);
    QCOMPARE(app.focused(), u"Grad"_s);
    QCOMPARE(background(app.f(u"Ime0"_s)), QColor(0, 255, 0));
    QCOMPARE(background(app.f(u"Grad"_s)), QColor(255, 255, 0));
    // A click on another name selects its contractor.
    QTest::mouseClick(app.f(u"Ime2"_s), Qt::LeftButton);
    QCOMPARE(w->findChild<QLabel *>(u"lblNo"_s)->text(), u"Контрагент No: 3"_s);
    QCOMPARE(background(app.f(u"Ime0"_s)), QColor(Qt::white));
    QCOMPARE(w->list().selectedRow(), 2);

    const QStringList captions = {u"Добавя нов"_s, u"Копира от друг запис"_s, u"Търси по име"_s,
                                  u"Изтрива запис"_s, u"Подрежда по азбучен ред"_s, u"Изход"_s};
    const QStringList names = {u"cmdNew"_s, u"cmdCopy"_s, u"cmdFind"_s,
                               u"cmdDel"_s, u"cmdSort"_s, u"cmdExit"_s};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(w->button(names[i])->text(), captions[i]);
    for (const QString &n : {u"cmdFirst"_s, u"cmdFPrevious"_s, u"cmdPrevious"_s, u"cmdNext"_s,
                             u"cmdFNext"_s, u"cmdLast"_s})
        QVERIFY(w->button(n));
    QVERIFY(app.ui.shown().isEmpty());
}

void TestKlientsWindow::typedNameInTheNewRowIsStoredOnLeaving()
{
    App app(2);
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QTest::mouseClick(w->button(u"cmdNew"_s), Qt::LeftButton);
    QCOMPARE(app.focused(), u"Ime1"_s);
    QCOMPARE(w->findChild<QLabel *>(u"lblNo"_s)->text(), u"Контрагент No: 3"_s);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 2"_s);
    QCOMPARE(app.f(u"Ime1"_s)->text(), u""_s);
    QCOMPARE(app.f(u"Grad"_s)->text(), u""_s);
    typeText(app.f(u"Ime1"_s), u"Нова фирма ЕООД"_s);
    QVERIFY(app.stored(3, u"KlIme"_s).isEmpty());
    QTest::mouseClick(app.f(u"MOL"_s), Qt::LeftButton);
    QCOMPARE(app.stored(3, u"KlIme"_s), u"Нова фирма ЕООД"_s);
    QCOMPARE(w->findChild<QLabel *>(u"lblCount"_s)->text(), u"3"_s);
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
    QTest::mouseClick(app.f(u"Ime1"_s), Qt::LeftButton);
    QStringList walk;
    for (int i = 0; i < 12; ++i) {
        if (app.focused() == u"Grad"_s && i == 1) {
            app.f(u"Grad"_s)->clear();
            typeText(app.f(u"Grad"_s), u" Варна "_s);
        }
        app.key(Qt::Key_Return);
        walk.append(app.focused() + u':' + QString::number(w->fieldNumber()));
    }
    QCOMPARE(walk, (QStringList{u"Grad:1"_s, u"street:2"_s, u"Bulstat:3"_s, u"MOL:4"_s,
                                u"BankIme:5"_s, u"bgrad:6"_s, u"bstreet:7"_s, u"IBAN:8"_s,
                                u"BIC:9"_s, u"Phone:10"_s, u"Ime1:0"_s, u"Grad:1"_s}));
    // Enter wrote the town, trimmed, and the field shows it so.
    QCOMPARE(app.stored(2, u"Grad"_s), u"Варна"_s);
    QCOMPARE(app.f(u"Grad"_s)->text(), u"Варна"_s);
    QCOMPARE(app.stored(1, u"Grad"_s), u"София"_s);
}

void TestKlientsWindow::clickOnAButtonTakesTheFieldFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answers");  // 0 none, 1 cancel the search, 2 cancel the question
    QTest::newRow("cmdNext") << u"cmdNext"_s << 0;
    QTest::newRow("cmdFNext") << u"cmdFNext"_s << 0;
    QTest::newRow("cmdLast") << u"cmdLast"_s << 0;
    QTest::newRow("cmdNew") << u"cmdNew"_s << 0;
    QTest::newRow("cmdFind") << u"cmdFind"_s << 1;
    QTest::newRow("cmdSort") << u"cmdSort"_s << 2;
    QTest::newRow("cmdExit") << u"cmdExit"_s << 0;
}

void TestKlientsWindow::clickOnAButtonTakesTheFieldFirst()
{
    QFETCH(QString, button);
    QFETCH(int, answers);
    App app;
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QTest::mouseClick(app.f(u"Ime1"_s), Qt::LeftButton);
    QTest::mouseClick(app.f(u"BankIme"_s), Qt::LeftButton);
    typeText(app.f(u"BankIme"_s), u"ОББ АД"_s);
    if (answers == 1)
        app.ui.answerInput(std::nullopt);
    if (answers == 2)
        app.ui.answer(false);
    QPushButton *b = w->button(button);
    QCOMPARE(b->focusPolicy(), Qt::NoFocus);  // the click leaves the focus where it is
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(app.stored(2, u"BankIme"_s), u"ОББ АД"_s);
    QCOMPARE(app.ui.pendingAnswers(), 0);
}

void TestKlientsWindow::invalidIbanIsToldOnceAndKeptOnScreen()
{
    App app;
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QTest::mouseClick(app.f(u"IBAN"_s), Qt::LeftButton);
    app.f(u"IBAN"_s)->clear();
    typeText(app.f(u"IBAN"_s), u"BG80BNBG96611020345679"_s);
    app.key(Qt::Key_Return);
    QCOMPARE(app.focused(), u"BIC"_s);
    QCOMPARE(app.ui.texts(), QStringList{u"Невалиден IBAN номер: BG80BNBG96611020345679"_s});
    QCOMPARE(app.f(u"IBAN"_s)->text(), u"BG80BNBG96611020345679"_s);
    QCOMPARE(app.stored(1, u"IBAN"_s), goodIban);
    // Nothing new typed: leaving the next fields says nothing again.
    app.key(Qt::Key_Return);
    app.key(Qt::Key_Return);
    QCOMPARE(app.ui.texts().size(), 1);
    // Put right, the row is stored, upper-cased.
    QTest::mouseClick(app.f(u"IBAN"_s), Qt::LeftButton);
    app.f(u"IBAN"_s)->clear();
    typeText(app.f(u"IBAN"_s), newIban.toLower());
    app.key(Qt::Key_Return);
    QCOMPARE(app.stored(1, u"IBAN"_s), newIban);
    QCOMPARE(app.f(u"IBAN"_s)->text(), newIban);
    QCOMPARE(app.ui.texts().size(), 1);
    QVERIFY(w);
}

void TestKlientsWindow::pageKeysAndArrows()
{
    App app(25);
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QTest::mouseClick(app.f(u"Ime3"_s), Qt::LeftButton);
    app.key(Qt::Key_PageDown);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 21"_s);
    QCOMPARE(app.f(u"Ime4"_s)->text(), u"Фирма 25"_s);
    QCOMPARE(app.f(u"Ime5"_s)->text(), u""_s);
    QCOMPARE(app.focused(), u"Ime3"_s);
    // Near the end: fewer than twenty further on, the page starts at the last.
    app.key(Qt::Key_PageDown);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 25"_s);
    QCOMPARE(app.f(u"Ime1"_s)->text(), u""_s);
    app.key(Qt::Key_PageUp);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 5"_s);
    // The arrows keep the place: from the town of row 3 up to row 2.
    QTest::mouseClick(app.f(u"Grad"_s), Qt::LeftButton);
    app.key(Qt::Key_Up);
    QCOMPARE(app.focused(), u"Grad"_s);
    QCOMPARE(w->findChild<QLabel *>(u"lblNo"_s)->text(), u"Контрагент No: 7"_s);
    QCOMPARE(background(app.f(u"Ime2"_s)), QColor(0, 255, 0));
    QCOMPARE(background(app.f(u"Ime3"_s)), QColor(Qt::white));
    // Down from the twentieth row moves the page by one.
    QTest::mouseClick(app.f(u"Ime19"_s), Qt::LeftButton);
    app.key(Qt::Key_Down);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 6"_s);
    QCOMPARE(app.f(u"Ime19"_s)->text(), u"Фирма 25"_s);
    QCOMPARE(app.focused(), u"Ime19"_s);
    // Up from the top row moves it back by one.
    QTest::mouseClick(app.f(u"Ime0"_s), Qt::LeftButton);
    app.key(Qt::Key_Up);
    QCOMPARE(app.f(u"Ime0"_s)->text(), u"Фирма 5"_s);
    QCOMPARE(w->list().selectedRow(), 0);
    app.key(Qt::Key_Escape);
    QVERIFY(!w->isVisible());
}

void TestKlientsWindow::deleteAndCountWithTheMouse()
{
    App app;
    KlientsWindow *w = app.open();
    QVERIFY(w);
    QTest::mouseClick(app.f(u"Ime1"_s), Qt::LeftButton);
    app.ui.answer(false);
    QTest::mouseClick(w->button(u"cmdDel"_s), Qt::LeftButton);
    QCOMPARE(w->findChild<QLabel *>(u"lblCount"_s)->text(), u"3"_s);
    app.ui.answer(true);
    QTest::mouseClick(w->button(u"cmdDel"_s), Qt::LeftButton);
    QCOMPARE(app.ui.texts(), (QStringList{u"Изтрива: Фирма 2"_s, u"Изтрива: Фирма 2"_s}));
    QCOMPARE(w->findChild<QLabel *>(u"lblCount"_s)->text(), u"2"_s);
    QCOMPARE(app.f(u"Ime1"_s)->text(), u"Фирма 3"_s);
    QVERIFY(app.stored(2, u"KlIme"_s).isEmpty());
}

void TestKlientsWindow::copyWindowReplacesAnAccount()
{
    App app(0);
    {
        auto table = app.session.store().table(DbKind::Main, u"PlnTable"_s);
        Record r(table->def());
        for (int k = 1; k <= 2; ++k) {
            r.setKey(k);
            r.setText(u"IBANn"_s, k == 1 ? goodIban : u""_s);
            table->save(r);
        }
    }
    CopyWindow w(app.session);
    QSignalSpy spy(&w, &CopyWindow::accountReplaced);
    w.start(4, 2, goodIban + u"  "_s);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(activate(&w));
    QCOMPARE(w.objectName(), u"frmCopy"_s);
    QCOMPARE(w.windowTitle(), u"Заменя"_s);
    QVERIFY(!w.isModal());
    QCOMPARE(w.findChild<QLabel *>(u"Label1"_s)->text(), u"Заменя текст:"_s);
    QCOMPARE(w.findChild<QLabel *>(u"Label2"_s)->text(), u"Със следния текст:"_s);
    QCOMPARE(w.findChild<QLabel *>(u"lblMode"_s)->text(), u"4"_s);
    QCOMPARE(w.findChild<QLabel *>(u"lblIBAN"_s)->text(), u"2"_s);
    QVERIFY(!w.findChild<QLabel *>(u"lblMode"_s)->isVisible());
    QVERIFY(!w.findChild<QLabel *>(u"lblIBAN"_s)->isVisible());
    QCOMPARE(w.text1()->text(), goodIban);
    QCOMPARE(w.findChild<QPushButton *>(u"cmdExit"_s)->text(), u"Изход"_s);
    typeText(w.text2(), newIban);
    shoot(&w, u"frmCopy"_s);
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().value(0).toString().toUpper(), u"IBANN"_s);
    QCOMPARE(spy.first().value(1).toString(), newIban);
    QCOMPARE(rowsOn(app.db(), u"SELECT IBANn FROM PlnTable ORDER BY kod"_s),
             (QStringList{newIban, u""_s}));
    QVERIFY(app.ui.shown().isEmpty());
}

void TestKlientsWindow::copyWindowRefusesAndStaysOpen()
{
    App app(0);
    CopyWindow w(app.session);
    QSignalSpy spy(&w, &CopyWindow::accountReplaced);
    w.start(5, 1, goodIban);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QCOMPARE(app.ui.texts(), QStringList{u"В поле 2 не е посочена сметка."_s});
    QVERIFY(w.isVisible());
    QCOMPARE(spy.size(), 0);
    // Exit closes without a change.
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdExit"_s), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(spy.size(), 0);
}

void TestKlientsWindow::copyWindowForATextOfTheBudgetOrder()
{
    App app(0);
    {
        auto table = app.session.store().table(DbKind::Main, u"PlnBTable"_s);
        Record r(table->def());
        for (int k = 1; k <= 3; ++k) {
            r.setKey(k);
            table->save(r);
        }
    }
    CopyWindow w(app.session);
    QSignalSpy spy(&w, &CopyWindow::accountReplaced);
    w.start(1, 3, u"НАП"_s);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.findChild<QLabel *>(u"Label1"_s)->text(), u"Копира текста във всички документи."_s);
    QVERIFY(!w.text2()->isVisible());
    QTest::mouseClick(w.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(spy.size(), 0);  // a text, not an account: the editor keeps its own
    QCOMPARE(rowsOn(app.db(), u"SELECT Poluchatel FROM PlnBTable"_s),
             (QStringList{u"НАП"_s, u"НАП"_s, u"НАП"_s}));
    // The budget order's accounts have their own captions.
    w.start(1, 1, goodIban);
    QCOMPARE(w.findChild<QLabel *>(u"Label1"_s)->text(), u"Заменя Сметка:"_s);
    QCOMPARE(w.findChild<QLabel *>(u"Label2"_s)->text(), u"Със Сметка:"_s);
    QVERIFY(w.text2()->isVisible());
    QVERIFY(w.text2()->text().isEmpty());
}

QTEST_MAIN(TestKlientsWindow)
#include "tst_klients_window.moc"
