// Every window of the program on a 1366×768 laptop (its free area without
// the task bar): none larger than the screen, none partly off it.
#include "base/gui/screen_fit.h"
#include "documents/gui/small_dialogs.h"
#include "support/editor_app.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryFile>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

QString offLimits(QWidget *w)
{
    const QRect free = w->screen()->availableGeometry();
    const QRect g = w->frameGeometry();
    return free.contains(g) ? QString()
                            : u"%1 (%2) at %3,%4 %5×%6"_s.arg(w->objectName(), w->windowTitle())
                                  .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

}  // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWindowFits();
    void dialogsBesideAnEditorAtTheEdgeStayOnTheScreen();
};

void TestScreenFit::everyWindowFits()
{
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1366, 728));
    EditorApp app;
    // Every item of the menus that opens a window; the ones that only ask
    // or act on the files are left out.
    const QStringList acting = {u"mnuExit"_s,   u"mnuReindex"_s, u"mnuSort"_s,
                                u"mnuColors"_s, u"mnuPrinter"_s, u"mnuPacking"_s};
    QStringList outside;
    // A window that opens modally is measured and closed.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&outside] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        if (const QString where = offLimits(w); !where.isEmpty())
            outside << where;
        if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
        else
            w->close();
    });
    closer.start();
    for (QAction *a : app.window.findChildren<QAction *>())
        if (a->isEnabled() && !a->objectName().startsWith(u"mnuFile"_s) &&
            a->objectName().startsWith(u"mnu"_s) && !acting.contains(a->objectName()) && !a->menu())
            a->trigger();
    closer.stop();
    for (const KindWiring &w : kindWirings()) {
        auto *editor = app.window.findChild<EditorWindow *>(kindById(w.kind).editor);
        QVERIFY2(editor, qPrintable(w.kind));
        editor->move(1300, 700);  // dragged to the corner, then a second page opened
        if (auto *more = editor->findChild<QPushButton *>(u"Command1"_s))
            QTest::mouseClick(more, Qt::LeftButton);
        FitOnScreen(editor);
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !offLimits(w).isEmpty())
            outside << offLimits(w);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u"; "_s)));

    // The print preview, which would open 1000 pixels high.
    QVERIFY(app.open());
    QString preview = u"never shown"_s;
    bool seen = false;
    whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog *d) {
        preview = offLimits(d);
        d->reject();
    }, &seen);
    app.ui.answerSave(SaveChoice::New);
    app.click(u"cmdPrint"_s);
    QVERIFY2(seen && preview.isEmpty(), qPrintable(preview));
}

void TestScreenFit::dialogsBesideAnEditorAtTheEdgeStayOnTheScreen()
{
    EditorApp app;
    QVERIFY(app.open());
    app.editor->move(1366 - 200, 728 - 150);
    SaveChoice choice;
    choice.overwriteCaption = u"Презапис 1"_s;
    choice.newCaption = u"Нов запис 2"_s;
    choice.offsetTwips = QPoint(0, 1650);
    QString where = u"never shown"_s;
    bool seen = false;
    whenModal<QDialog>([&](QDialog *d) {
        where = offLimits(d);
        d->reject();
    }, &seen);
    SaveDialog::Choose(app.editor, choice);
    QVERIFY2(seen && where.isEmpty(), qPrintable(where));
}

// The screen is set before the application starts: a laptop's 1366×768,
// less a task bar of 40 pixels.
int main(int argc, char **argv)
{
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 728,
                    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestScreenFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screen_fit.moc"
