// The transfer window as a user works it: the menu item, the ticks, the
// folder, the counts and the bar.

#include "app/gui/main_window.h"
#include "session/session.h"
#include "support/gui_support.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"
#include "transfer/gui/transfer_window.h"
#include "transfer/transfer_kinds.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestTransferWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportAndImportThroughTheWindow();
};

void TestTransferWindow::exportAndImportThroughTheWindow()
{
    QTemporaryDir dir, folder;
    ScriptedInteraction ui;
    Session session(dir.path(), ui, QDate(2010, 3, 5));
    session.startUp();
    ModalGuard guard;
    {
        auto t = session.store().table(DbKind::Main, u"KlientTable"_s);
        Record r(t->def());
        for (int k = 1; k <= 3; ++k) {
            r.setKey(k);
            r.setText(u"KlIme"_s, u"Фирма %1"_s.arg(k));
            QVERIFY(t->save(r));
        }
    }
    MainWindow main(session);
    main.show();
    QAction *menu = main.action(u"mnuTransfer"_s);
    QVERIFY(menu->isEnabled());
    menu->trigger();
    auto *w = main.findChild<TransferWindow *>(u"frmTransfer"_s);
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), u"Трансфер на документи"_s);
    const auto click = [w](const char *name) {
        QTest::mouseClick(w->findChild<QPushButton *>(QLatin1StringView(name)), Qt::LeftButton);
    };
    const auto &kinds = transferKinds();
    QCOMPARE(w->findChildren<QCheckBox *>().size(), kinds.size());
    QVERIFY(w->box(3)->text().startsWith(u"Платежно нареждане за кредитен превод..."_s));

    click("cmdTotal");
    for (int i = 0; i < kinds.size(); ++i) QVERIFY(w->box(i)->isChecked());
    click("cmdClear");
    for (int i = 0; i < kinds.size(); ++i) QVERIFY(!w->box(i)->isChecked());

    w->chooseFolder = [&](const QString &) { return folder.path(); };
    click("cmdFolder");
    QCOMPARE(w->folder(), folder.path());
    const int klient = transferKindIndex(u"cKlient"_s), pko = transferKindIndex(u"cPKO"_s),
              raz = transferKindIndex(u"cRaz"_s);
    w->box(klient)->setChecked(true);
    w->box(pko)->setChecked(true);
    click("cmdExport");
    QCOMPARE(w->countLabel(klient)->text(), u"3"_s);
    QCOMPARE(w->countLabel(pko)->text(), u"0"_s);
    QCOMPARE(w->findChild<QProgressBar *>(u"ProgressBar1"_s)->value(), 100);
    QVERIFY(QFile::exists(folder.filePath(u"KLIENT.TXT"_s)));
    QVERIFY(QFile::exists(folder.filePath(u"PKO.TXT"_s)));
    shoot(w, u"frmTransfer"_s);

    // The import finds no order-receipts and unticks them.
    QVERIFY(QFile::remove(folder.filePath(u"PKO.TXT"_s)));
    w->box(pko)->setChecked(false);
    w->box(raz)->setChecked(true);
    ui.answer(true);  // "Преди запис изчиства таблиците?"
    click("cmdImport");
    QVERIFY(!w->box(raz)->isChecked());
    QVERIFY(w->box(klient)->isChecked());
    QCOMPARE(w->countLabel(klient)->text(), u"3"_s);
    QCOMPARE(ui.texts().last(), u"Прочетени редове: 3\nЗаписани: 3\nПрескочени: 0"_s);

    // The folder is the one offered next time.
    TransferWindow again(session);
    QCOMPARE(again.folder(), folder.path());
    QCOMPARE(again.findChild<QComboBox *>(u"Drive1"_s)->currentText(),
             QDir::toNativeSeparators(folder.path()));
}

QTEST_MAIN(TestTransferWindow)
#include "tst_transfer_window.moc"
