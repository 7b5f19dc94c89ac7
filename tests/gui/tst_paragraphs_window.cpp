#include "lists/gui/paragraphs_window.h"
#include "support/editor_app.h"
#include "support/typing.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct ListApp : EditorApp {
    ParagraphsWindow *open()
    {
        window.action(u"mnuParagraf"_s)->trigger();
        auto *w = window.findChild<ParagraphsWindow *>(u"frmParagraf"_s);
        return w && w->isVisible() && activate(w) ? w : nullptr;
    }
    QStringList stored()
    {
        return rowsOn(dir.filePath(u"Remitor.MDB"_s),
                      u"SELECT row, kod, ime FROM ParagrafTable ORDER BY row"_s);
    }
};

void typeRow(ParagraphsWindow *w, int row, const QString &code, const QString &text)
{
    typeText(w->codeField(row), code);
    QTest::keyClick(w->codeField(row), Qt::Key_Return);
    typeText(w->textField(row), text);
    QTest::keyClick(w->textField(row), Qt::Key_Return);
}

}  // namespace

class TestParagraphsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsTypedWithEnterAreKept();
    void enterInTheLastRowMovesTheList();
};

// Code, Enter, text, Enter: each row is written at once, a heading shows
// yellow on blue, and the list is there when the window opens again.
void TestParagraphsWindow::rowsTypedWithEnterAreKept()
{
    ListApp app;
    ParagraphsWindow *w = app.open();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), u"Списък на параграфите"_s);
    QCOMPARE(QApplication::focusWidget(), w->codeField(0));
    typeRow(w, 0, u"000000"_s, u"ДАНЪЦИ"_s);
    typeRow(w, 1, u"110000"_s, u"Данъци върху доходите"_s);
    QCOMPARE(QApplication::focusWidget(), w->codeField(2));
    QCOMPARE(app.stored(),
             (QStringList{u"1|000000|ДАНЪЦИ"_s, u"2|110000|Данъци върху доходите"_s}));
    QCOMPARE(w->findChild<QLabel *>(u"lblCount"_s)->text(), u"2"_s);
    QCOMPARE(w->textField(0)->palette().color(QPalette::Base), QColor(85, 85, 255));
    QCOMPARE(w->textField(0)->palette().color(QPalette::Text), QColor(255, 255, 0));
    QCOMPARE(w->textField(1)->palette().color(QPalette::Base), QColor(Qt::white));
    shoot(w, u"frmParagraf"_s);

    // The field being typed is written when the window closes.
    typeText(w->codeField(2), u"120000"_s);
    QTest::keyClick(w->codeField(2), Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QCOMPARE(app.stored().size(), 3);
    QVERIFY(app.open());
    QCOMPARE(w->textField(1)->text(), u"Данъци върху доходите"_s);

    QString printed;
    w->setPrintPresenter([&printed](const QString &text) { printed = text; });
    QTest::mouseClick(w->button(u"cmdPrint"_s), Qt::LeftButton);
    QVERIFY(printed.startsWith(u"        СПИСЪК параграфи\n\n          000000       ДАНЪЦИ\n"_s));
    QCOMPARE(w->button(u"cmdDel"_s)->toolTip(), u"Изтрива ред"_s);
}

// Enter in the text of the fifteenth row moves the list up by one, so that
// the next entry is typed in the last row.
void TestParagraphsWindow::enterInTheLastRowMovesTheList()
{
    ListApp app;
    {
        auto t = app.session.store().table(DbKind::Main, u"ParagrafTable"_s);
        Record r(t->def());
        for (int row = 1; row <= 15; ++row) {
            r.setKey(row);
            r.setText(u"kod"_s, QString::number(row));
            QVERIFY(t->save(r));
        }
    }
    ParagraphsWindow *w = app.open();
    QVERIFY(w);
    w->textField(14)->setFocus();
    QTest::keyClick(w->textField(14), Qt::Key_Return);
    QCOMPARE(w->codeField(0)->text(), u"2"_s);
    QCOMPARE(w->codeField(13)->text(), u"15"_s);
    QCOMPARE(QApplication::focusWidget(), w->codeField(14));
    typeRow(w, 14, u"16"_s, u"Нов"_s);
    QCOMPARE(app.stored().last(), u"16|16|Нов"_s);
    // Page Up goes fourteen back, Down on the last row one forward.
    QTest::keyClick(w->codeField(14), Qt::Key_PageUp);
    QCOMPARE(w->codeField(0)->text(), u"1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(w->codeField(0)->text(), u"2"_s);
}

QTEST_MAIN(TestParagraphsWindow)
#include "tst_paragraphs_window.moc"
