#include "app/gui/help_windows.h"
#include "app/gui/main_window.h"
#include "session/session.h"
#include "app/gui/firma_window.h"
#include "lists/gui/klients_window.h"
#include "support/gui_support.h"
#include "support/ibans.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"
#include "support/typing.h"
#include "transfer/gui/transfer_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {



struct App {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;
    ModalGuard guard;  // a window the test does not answer fails it at once

    void start()
    {
        window.reset();
        session = std::make_unique<Session>(dir.path(), ui, QDate(2010, 1, 31));
        window = std::make_unique<MainWindow>(*session);
        session->startUp();
        window->refreshCaption();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    // "Данни за фирмата", opened from its menu item.
    FirmaWindow *firma()
    {
        window->action(u"mnuFirma"_s)->trigger();
        auto *w = window->findChild<FirmaWindow *>(u"frmFirma"_s);
        return w && activate(w) ? w : nullptr;
    }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartIsSilent();
    void menusAndButtonsInOrder();
    void exitQuestion_data();
    void exitQuestion();
    void colorPrintingAnswerNo();
    void maintenanceCommands();
    void companyNameChangesTheCaptionAndSurvives();
    void companyAccounts();
    void invalidBulstatKeepsTheOldValue();
    void enterWalksTheCompanyFields();
    void signaturesAreSaved();
    void openListFollowsAnImport();
    void staysItsSizeUnlessMaximised();
    void helpAndAbout();
};

void TestMainWindow::firstStartIsSilent()
{
    App app;
    app.start();
    QVERIFY(app.ui.shown().isEmpty());
    QCOMPARE(app.window->objectName(), u"Remitor"_s);
    QCOMPARE(app.window->windowTitle(), u"Remitor"_s);
    QCOMPARE(app.window->findChild<QLabel *>(u"lblVersion"_s)->text(), u"4.16"_s);
    QCOMPARE(app.window->size(), MainWindow::normalSize());
    shoot(app.window.get(), u"main"_s);
}

void TestMainWindow::menusAndButtonsInOrder()
{
    App app;
    app.start();
    QStringList titles;
    for (QAction *a : app.window->menuBar()->actions())
        titles.append(a->text());
    QCOMPARE(titles, (QStringList{u"Файл"_s, u"Документи"_s, u"Трансфер"_s, u"Справки"_s,
                                  u"Каса"_s, u"Помощ"_s}));
    QStringList file;
    for (QAction *a : app.window->menuBar()->actions().first()->menu()->actions())
        file.append(a->isSeparator() ? u"—"_s : a->text());
    QCOMPARE(file, (QStringList{u"Контрагенти"_s, u"Параграфи"_s, u"Бележки"_s,
                                u"Данни за фирмата"_s, u"—"_s, u"Индексиране"_s,
                                u"Подрежда базата"_s, u"—"_s, u"Печат на цветове"_s,
                                u"Принтер"_s, u"Калибриране на принтера"_s, u"—"_s,
                                u"Изход"_s}));
    QCOMPARE(app.window->action(u"mnuExit"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    QCOMPARE(app.window->action(u"mnuHelp"_s)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(app.window->action(u"mnuHelp"_s)->text(), u"Помощ "_s);
    // Every item does what it says: none is left disabled.
    QStringList disabled;
    for (QAction *a : app.window->findChildren<QAction *>())
        if (a->objectName().startsWith(u"mnu"_s) && !a->menu() && !a->isEnabled())
            disabled << a->objectName();
    QCOMPARE(disabled, QStringList());
    auto *bar = app.window->findChild<QToolBar *>(u"tlbButtons"_s);
    QStringList names, tips;
    for (QAction *a : bar->actions()) {
        auto *b = qobject_cast<QToolButton *>(bar->widgetForAction(a));
        names.append(b->objectName());
        tips.append(b->toolTip());
    }
    QCOMPARE(names, (QStringList{u"cmdExit"_s, u"cmdHelp"_s, u"cmdPacking"_s, u"cmdKomand"_s,
                                 u"cmdKasa"_s, u"cmdRKO"_s, u"cmdPKO"_s, u"cmdRAZ"_s, u"cmdVNB"_s,
                                 u"cmdSDD"_s, u"cmdNMP"_s, u"cmdNDD"_s, u"cmdNKP"_s, u"cmdBpn"_s,
                                 u"cmdPlnB4"_s, u"cmdPlnB"_s, u"cmdKlients"_s}));
    QCOMPARE(tips.value(2), u"Ремонт и пакетиране "_s);
    QCOMPARE(tips.value(3), u"Заповед за командировка"_s);
    QCOMPARE(tips.value(16), u"Клиенти"_s);
    for (const QString &name : names)
        QVERIFY2(app.window->button(name)->isEnabled(), qPrintable(name));
}

void TestMainWindow::exitQuestion_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("ok");
    for (const char *how : {"menu", "button", "escape", "frame"}) {
        QTest::addRow("%s, cancel", how) << QString::fromLatin1(how) << false;
        QTest::addRow("%s, ok", how) << QString::fromLatin1(how) << true;
    }
}

void TestMainWindow::exitQuestion()
{
    QFETCH(QString, how);
    QFETCH(bool, ok);
    App app;
    app.start();
    app.ui.answer(ok);
    if (how == u"menu"_s)
        app.window->action(u"mnuExit"_s)->trigger();
    else if (how == u"button"_s)
        QTest::mouseClick(app.window->button(u"cmdExit"_s), Qt::LeftButton);
    else if (how == u"escape"_s)
        QTest::keyClick(app.window.get(), Qt::Key_Escape);
    else
        app.window->close();
    QTRY_COMPARE(app.ui.shown().size(), 1);
    QCOMPARE(app.ui.shown().first().text, u"              Изход ?"_s);
    QCOMPARE(app.ui.shown().first().title, u"Remitor"_s);
    QCOMPARE(app.ui.shown().first().kind, ScriptedInteraction::Shown::OkCancel);
    QTest::qWait(20);
    QCOMPARE(app.window->isVisible(), !ok);
}

void TestMainWindow::colorPrintingAnswerNo()
{
    App app;
    app.start();
    QVERIFY(app.session->colorPrinting);
    app.ui.answer(false);
    app.window->action(u"mnuColors"_s)->trigger();
    QCOMPARE(app.ui.texts(), QStringList{u"Печат на цветове?"_s});
    QCOMPARE(app.ui.shown().first().kind, ScriptedInteraction::Shown::YesNo);
    QCOMPARE(queryOn(app.dir.filePath(u"Remitor.MDB"_s), u"SELECT DanNomer FROM ParamTable"_s), u"1"_s);
    QVERIFY(app.session->colorPrinting);  // from the next start on
    app.start();
    QVERIFY(!app.session->colorPrinting);
}

void TestMainWindow::maintenanceCommands()
{
    App app;
    app.start();
    app.window->action(u"mnuReindex"_s)->trigger();
    QCOMPARE(app.ui.texts(), QStringList{u"Индексирането приключи."_s});
    app.ui.clear();
    app.ui.answer(false);
    app.window->action(u"mnuSort"_s)->trigger();
    QCOMPARE(app.ui.shown().first().text, u"Подрежда таблиците по Наредител?"_s);
    QCOMPARE(app.ui.shown().first().title, u"Сортиране"_s);
    QCOMPARE(app.ui.shown().size(), 1);
    app.ui.clear();
    app.ui.answer(true);
    app.window->action(u"mnuSort"_s)->trigger();
    QCOMPARE(app.ui.texts().last(), u"Базата е сортирана."_s);
    app.ui.clear();
    app.ui.answer(true);
    QTest::mouseClick(app.window->button(u"cmdPacking"_s), Qt::LeftButton);
    QCOMPARE(app.ui.texts().first(), u"Ремонтира и пакетира базата ?"_s);
    QCOMPARE(app.ui.texts().last(), u"Базата е пакетирана."_s);
    QVERIFY(QFile::exists(app.dir.filePath(u"Remitor.BAK"_s)));
}

void TestMainWindow::companyNameChangesTheCaptionAndSurvives()
{
    App app;
    app.start();
    FirmaWindow *w = app.firma();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), u"Данни за фирмата"_s);
    QLineEdit *ime = w->field(u"ime"_s);
    ime->setFocus();
    typeText(ime, u"Водоснабдяване и канализация на град Габрово"_s);  // 44 characters
    QTest::keyClick(ime, Qt::Key_Return);
    QLineEdit *grad = w->field(u"Grad"_s);
    QVERIFY(grad->hasFocus());
    typeText(grad, u"Габрово"_s);
    QTest::keyClick(grad, Qt::Key_Return);
    QCOMPARE(app.window->windowTitle(), u"Водоснабдяване и канализация н - Габрово"_s);
    shoot(w, u"firma"_s);
    app.start();
    QCOMPARE(app.session->firma.text(u"ime"_s), u"Водоснабдяване и канализация н"_s);
    QCOMPARE(app.window->windowTitle(), u"Водоснабдяване и канализация н - Габрово"_s);
    QVERIFY(app.ui.shown().isEmpty());
}

// The firm's own accounts: an account left fills its bank from the
// directory and is stored; a wrong one stays in its field, unstored.
void TestMainWindow::companyAccounts()
{
    App app;
    app.start();
    FirmaWindow *w = app.firma();
    QVERIFY(w);
    const QString unicredit = ValidIban(u"UNCR"_s);
    for (const auto &[field, text] : {std::pair{u"IBAN1"_s, unicredit.toLower()}, {u"IBAN2"_s, u"BG00UNCR1"_s}}) {
        QLineEdit *iban = w->field(field);
        iban->setFocus();
        typeText(iban, text);
        w->field(u"ime"_s)->setFocus();
    }
    QCOMPARE(w->field(u"BIC1"_s)->text(), u"UNCRBGSF"_s);
    QCOMPARE(w->field(u"Banka1"_s)->text(), u"УниКредит Булбанк АД"_s);
    QCOMPARE(app.ui.texts(), QStringList{u"Невалиден IBAN номер: BG00UNCR1"_s});
    QCOMPARE(w->field(u"IBAN2"_s)->text(), u"BG00UNCR1"_s);
    QCOMPARE(rowsOn(app.dir.filePath(u"Remitor.MDB"_s), u"SELECT kod, IBAN, BIC FROM FirmaBankTable"_s),
             QStringList{u"1|"_s + unicredit + u"|UNCRBGSF"_s});
}

void TestMainWindow::invalidBulstatKeepsTheOldValue()
{
    App app;
    app.start();
    app.session->firma.setText(u"Bulstat"_s, u"123456786"_s);
    FirmaWindow *w = app.firma();
    QVERIFY(w);
    QLineEdit *bulstat = w->field(u"Bulstat"_s);
    QCOMPARE(bulstat->text(), u"123456786"_s);
    bulstat->setFocus();
    bulstat->setText(u"123456787"_s);
    w->field(u"Phone"_s)->setFocus();  // leaving the field
    QCOMPARE(app.ui.texts(), QStringList{u"Невалиден булстат!"_s});
    QCOMPARE(app.ui.shown().first().icon, Interaction::Icon::Critical);
    QCOMPARE(app.session->firma.text(u"Bulstat"_s).trimmed(), u"123456786"_s);
    // The record was saved all the same, with the old number.
    QCOMPARE(queryOn(app.dir.filePath(u"Remitor.MDB"_s), u"SELECT Bulstat FROM Firma"_s), u"123456786"_s);
    // Enter checks too, once.
    app.ui.clear();
    bulstat->setFocus();
    bulstat->setText(u"999-000-000"_s);
    QTest::keyClick(bulstat, Qt::Key_Return);
    QCOMPARE(app.ui.texts(), QStringList{u"Невалиден булстат!"_s});
    app.ui.clear();
    bulstat->setFocus();
    bulstat->setText(u"1234567861237"_s);
    QTest::keyClick(bulstat, Qt::Key_Return);
    QVERIFY(app.ui.shown().isEmpty());
    QCOMPARE(app.session->firma.text(u"Bulstat"_s), u"1234567861237"_s);
}

void TestMainWindow::enterWalksTheCompanyFields()
{
    App app;
    app.start();
    FirmaWindow *w = app.firma();
    QVERIFY(w);
    w->field(u"ime"_s)->setFocus();
    QStringList walked;
    for (int i = 0; i < 13; ++i) {
        auto *f = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(f);
        walked.append(f->objectName());
        QTest::keyClick(f, Qt::Key_Return);
    }
    QCOMPARE(walked, (QStringList{u"ime"_s, u"Grad"_s, u"Obstina"_s, u"Oblast"_s, u"street"_s,
                                  u"Bulstat"_s, u"DanSub"_s, u"DanDir"_s, u"email"_s, u"Phone"_s,
                                  u"Upravitel"_s, u"Schetovod"_s, u"Kasier"_s}));
    QCOMPARE(QApplication::focusWidget()->objectName(), u"ime"_s);
    // The focused field is light yellow, the others white.
    QCOMPARE(w->field(u"ime"_s)->palette().color(QPalette::Base), QColor(230, 230, 16));
    QCOMPARE(w->field(u"Grad"_s)->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(app.ui.shown().isEmpty());  // an empty BULSTAT is valid
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
}

void TestMainWindow::signaturesAreSaved()
{
    App app;
    app.start();
    app.window->action(u"mnuPodpisi"_s)->trigger();
    auto *w = app.window->findChild<SignaturesWindow *>(u"frmPodpisi"_s);
    QVERIFY(w);
    auto *line3 = w->findChild<QLineEdit *>(u"Text3"_s);
    QCOMPARE(line3->text(), u"Съставил: _____________________           Приел: _____________________"_s);
    line3->setText(u"Гл. счетоводител: ________"_s);
    w->findChild<QLineEdit *>(u"Text5"_s)->clear();
    QTest::mouseClick(w->findChild<QPushButton *>(u"cmdSave"_s), Qt::LeftButton);
    QCOMPARE(app.ui.texts(), QStringList{u"Параметрите са записани."_s});
    shoot(w, u"signatures"_s);
    // A line changed and left without "Запис" is not shown as saved.
    line3->setText(u"Не е записан"_s);
    QTest::keyClick(w, Qt::Key_Escape);
    app.window->action(u"mnuPodpisi"_s)->trigger();
    QCOMPARE(line3->text(), u"Гл. счетоводител: ________"_s);
    app.start();
    QCOMPARE(app.session->params.text(u"podpis3"_s).trimmed(), u"Гл. счетоводител: ________"_s);
    QCOMPARE(app.session->params.text(u"podpis5"_s).trimmed(), QString());
}

// An import gives the list's numbers to other rows: the open contractor list
// shows them before anything typed there could be written over them.
void TestMainWindow::openListFollowsAnImport()
{
    App app;
    app.start();
    const QString mdb = app.dir.filePath(u"Remitor.MDB"_s);
    QVERIFY(execOn(mdb, u"INSERT INTO KlientTable (kod, KlIme) VALUES (1, 'Алфа ООД')"_s));
    app.window->action(u"mnuKlients"_s)->trigger();
    auto *list = app.window->findChild<KlientsWindow *>(u"frmKlients"_s);
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->nameField(0)->text(), u"Алфа ООД"_s);
    QVERIFY(execOn(mdb, u"UPDATE KlientTable SET KlIme = 'Бета АД' WHERE kod = 1"_s));
    app.window->action(u"mnuTransfer"_s)->trigger();
    auto *transfer = app.window->findChild<TransferWindow *>(u"frmTransfer"_s);
    QVERIFY(transfer);
    Q_EMIT transfer->imported();
    QCOMPARE(list->nameField(0)->text(), u"Бета АД"_s);
}

void TestMainWindow::staysItsSizeUnlessMaximised()
{
    App app;
    app.start();
    app.window->resize(900, 700);
    QTRY_COMPARE(app.window->size(), MainWindow::normalSize());
    app.window->showMaximized();
    QTest::qWait(50);
    QVERIFY(app.window->isMaximized());
    app.window->showNormal();
    QTRY_COMPARE(app.window->size(), MainWindow::normalSize());
}

void TestMainWindow::helpAndAbout()
{
    App app;
    app.start();
    app.window->action(u"mnuHelp"_s)->trigger();
    auto *help = app.window->findChild<HelpWindow *>(u"frmHelp"_s);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), u"Помощна информация"_s);
    const QStringList paragraphs = HelpWindow::helpText().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(paragraphs.size(), 13);
    for (const QString &p : paragraphs)
        QVERIFY(p.startsWith(u"     "_s) && p.at(5) != u' ');
    app.window->action(u"mnuHelp"_s)->trigger();
    QCOMPARE(app.window->findChildren<HelpWindow *>().size(), 1);  // one instance
    app.window->action(u"mnuAbout"_s)->trigger();
    auto *about = app.window->findChild<AboutWindow *>(u"frmAbout"_s);
    QCOMPARE(about->findChild<QLabel *>(u"lblTitle"_s)->text(), u"REMITOR"_s);
    QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Версия 4.16"_s);
    QCOMPARE(about->findChild<QLabel *>(u"lblDataFolder"_s)->text(),
             u"Папка с данните: "_s + app.dir.path());
    shoot(about, u"about"_s);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
