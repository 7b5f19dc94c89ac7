#include "print/pln_pages.h"
#include "store/record.h"
#include "support/scripted_interaction.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

using Shown = ScriptedInteraction::Shown;

Record order(const QString &payeeAccount, const QString &payerAccount)
{
    Record r(tableDef(DbKind::Main, u"PlnTable"_s));
    r.setKey(12);
    r.setText(u"IBANp"_s, payeeAccount);
    r.setText(u"IBANn"_s, payerAccount);
    r.setMoney(u"suma"_s, Money::fromUnits(10));
    return r;
}

const QString kGood = u"BG80BNBG96611020345678"_s;
const QString kBad = u"BG81BNBG96611020345678"_s;

}  // namespace

class TestPrintCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choiceDialog();
    void copiesAndPage_data();
    void copiesAndPage();
    void accountsAreCheckedButDoNotStopPrinting_data();
    void accountsAreCheckedButDoNotStopPrinting();
};

void TestPrintCommand::choiceDialog()
{
    ScriptedInteraction ui;
    ui.answerSave(SaveChoice::Cancel);
    QVERIFY(!PrepareCreditTransferPrint(order(kGood, kGood), true, true, ui));
    const SaveChoice &c = ui.lastSave();
    QCOMPARE(c.caption, u"Печат на документ"_s);
    QCOMPARE(c.overwriteCaption, u"2 копия"_s);
    QCOMPARE(c.newCaption, u"1 копие"_s);
    QVERIFY(c.showOverwrite);
    QVERIFY(!c.forReports);
    QCOMPARE(c.offsetTwips, QPoint(0, 1650));
    QCOMPARE(c.editorWidthOffsetTwips, 3550);
    QCOMPARE(ui.shown().size(), 1);  // nothing but the choice
}

void TestPrintCommand::copiesAndPage_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("secondPage");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("page");
    QTest::newRow("2 копия, second page") << int(SaveChoice::Overwrite) << true << true << 16500 << 2 << u"PrintPln"_s;
    QTest::newRow("1 копие, declaration") << int(SaveChoice::New) << false << true << 8200 << 1 << u"PrintPln2"_s;
    QTest::newRow("1 копие, second page, plain") << int(SaveChoice::New) << true << false << 8200 << 1 << u"PrintPln"_s;
}

void TestPrintCommand::copiesAndPage()
{
    QFETCH(int, answer);
    QFETCH(bool, secondPage);
    QFETCH(bool, colour);
    QFETCH(int, height);
    QFETCH(int, copies);
    QFETCH(QString, page);
    ScriptedInteraction ui;
    ui.answerSave(SaveChoice::Result(answer));
    const auto job = PrepareCreditTransferPrint(order(kGood, QString()), secondPage, colour, ui);
    QVERIFY(job);
    QCOMPARE(job->heightTwips, height);
    QCOMPARE(job->copies(), copies);
    QVERIFY(job->layout);
    QCOMPARE(job->layout->name, page);
    QCOMPARE(job->fill.whiteBoxes, !colour);
    QCOMPARE(job->fill.hasCheck(u"Checkn1"_s), secondPage);
    QCOMPARE(job->fill.text(u"suma"_s), u"   10,00"_s);
    QCOMPARE(job->documentName, u"Платежно нареждане за кредитен превод No: 12"_s);
}

void TestPrintCommand::accountsAreCheckedButDoNotStopPrinting_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("payer");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("both good") << kGood << kGood << QStringList();
    QTest::newRow("both empty") << QString() << QString() << QStringList();
    QTest::newRow("payee wrong") << kBad << kGood << QStringList{u"Невалиден IBAN номер: "_s + kBad};
    QTest::newRow("payer wrong") << kGood << u"BG80"_s << QStringList{u"Невалиден IBAN номер: BG80"_s};
    // The payee's account is told first, as on the form.
    QTest::newRow("both wrong") << kBad << u"BG80"_s
                                << QStringList{u"Невалиден IBAN номер: "_s + kBad, u"Невалиден IBAN номер: BG80"_s};
}

void TestPrintCommand::accountsAreCheckedButDoNotStopPrinting()
{
    QFETCH(QString, payee);
    QFETCH(QString, payer);
    QFETCH(QStringList, told);
    ScriptedInteraction ui;
    ui.answerSave(SaveChoice::Overwrite);
    QVERIFY(PrepareCreditTransferPrint(order(payee, payer), false, true, ui));
    QStringList messages;
    for (const Shown &s : ui.shown()) {
        if (s.kind == Shown::Tell)
            messages.append(s.text);
    }
    QCOMPARE(messages, told);
    // The warnings come before the choice of copies.
    QCOMPARE(ui.shown().last().kind, Shown::Save);
    QCOMPARE(ui.pendingAnswers(), 0);
}

QTEST_GUILESS_MAIN(TestPrintCommand)
#include "tst_print_command.moc"
