// The mass payment order: the kind of order and the medium as option boxes
// bound to the record, and its second print command, the declaration.
#include "support/editor_app.h"

#include <QRadioButton>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestMassEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kindAndMediumAreKept();
    void declarationIsPrintedByItsOwnButton();
};

void TestMassEditor::kindAndMediumAreKept()
{
    EditorApp app(u"Mass"_s);
    QVERIFY(app.open());
    const auto box = [&app](const QString &name) {
        return app.editor->findChild<QRadioButton *>(name);
    };
    // A fresh order: the first kind, on a diskette.
    QVERIFY(box(u"vid0"_s)->isChecked() && box(u"nositel1"_s)->isChecked());
    QTest::mouseClick(box(u"vid1"_s), Qt::LeftButton);
    QTest::mouseClick(box(u"nositel2"_s), Qt::LeftButton);
    app.click(u"cmdSave"_s);
    QCOMPARE(app.stored(u"kod, vid, nositel"_s), QStringList{u"1|1|2"_s});
    // New keeps the choice; reading the order back shows its own.
    app.ui.answer(true);
    app.click(u"cmdNew"_s);
    QCOMPARE(app.rec().key(), 0);
    QVERIFY(box(u"vid1"_s)->isChecked() && box(u"nositel2"_s)->isChecked());
    QTest::mouseClick(box(u"nositel0"_s), Qt::LeftButton);
    QTest::mouseClick(box(u"vid2"_s), Qt::LeftButton);
    app.ui.answerSearch(SearchRequest{QString(), 0});
    app.ui.pickNumber(1);
    app.click(u"cmdRead"_s);
    QCOMPARE(app.ui.lastList().caption, u"Платежно нареждане за за масово плащане"_s);
    QVERIFY(box(u"vid1"_s)->isChecked() && box(u"nositel2"_s)->isChecked());
    QVERIFY(!box(u"nositel0"_s)->isChecked() && !box(u"vid2"_s)->isChecked());
}

void TestMassEditor::declarationIsPrintedByItsOwnButton()
{
    EditorApp app(u"Mass"_s);
    QVERIFY(app.open());
    QStringList pages, totals;
    app.editor->setPrintPresenter([&](QWidget *, const PrintJob &job) {
        pages << job.layout->name + u' ' + QString::number(job.copies());
        totals << job.fill.text(u"suma"_s);
    });
    QCOMPARE(app.editor->command(u"cmdPrint"_s)->toolTip(), u"Печата НМП (Ctrl+P)"_s);
    QCOMPARE(app.editor->command(u"cmdDekl"_s)->toolTip(), u"Печата Декларация"_s);
    app.ui.answerSave(SaveChoice::Overwrite);
    app.click(u"cmdPrint"_s);
    app.ui.answerSave(SaveChoice::New);
    app.click(u"cmdDekl"_s);
    // No total: blanks in the order's boxes, nothing on the declaration.
    QCOMPARE(pages, (QStringList{u"PrintMass 2"_s, u"PrintDekl 1"_s}));
    QCOMPARE(totals, (QStringList{u"   "_s, QString()}));
}

QTEST_MAIN(TestMassEditor)
#include "tst_mass_editor.moc"
