#include "documents/kinds.h"
#include "print/pln_pages.h"
#include "print/print_command.h"
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
    void copiesAndPage_data();
    void copiesAndPage();
    void amountBeyondTheBoxesIsNotPrinted();
    void accountsAreCheckedButDoNotStopPrinting_data();
    void accountsAreCheckedButDoNotStopPrinting();
};

// "2 копия" and "1 копие" of the choice give the sheet's height; the page
// follows the second page box, the box colours the colour setting.
void TestPrintCommand::copiesAndPage_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("secondPage");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<int>("height");  // 0: nothing printed
    QTest::addColumn<QString>("page");
    QTest::newRow("2 копия, second page") << int(SaveChoice::Overwrite) << true << true << 16500 << u"PrintPln"_s;
    QTest::newRow("1 копие, declaration, plain") << int(SaveChoice::New) << false << false << 8200 << u"PrintPln2"_s;
    QTest::newRow("cancelled") << int(SaveChoice::Cancel) << true << true << 0 << QString();
}

// An amount beyond the form's boxes is told and nothing is printed.
void TestPrintCommand::amountBeyondTheBoxesIsNotPrinted()
{
    ScriptedInteraction ui;
    Record r = order(kGood, QString());
    r.setMoney(u"suma"_s, Money::fromUnits(1'000'000'000));
    QVERIFY(!PreparePrint(kindById(u"Pln"_s).printSubject(), CreditTransferPrint(), r, false, true, ui));
    QCOMPARE(ui.texts(), QStringList{u"Сумата 1000000000.00 не се побира в полето на бланката "
                                     "(най-много 999999999.99)."_s});
}

void TestPrintCommand::copiesAndPage()
{
    QFETCH(int, answer);
    QFETCH(bool, secondPage);
    QFETCH(bool, colour);
    QFETCH(int, height);
    QFETCH(QString, page);
    ScriptedInteraction ui;
    ui.answerSave(SaveChoice::Result(answer));
    const auto job = PreparePrint(kindById(u"Pln"_s).printSubject(), CreditTransferPrint(), order(kGood, QString()), secondPage, colour, ui);
    // The answer that stands for two copies is the one captioned so.
    QCOMPARE(ui.lastSave().overwriteCaption, u"2 копия"_s);
    QCOMPARE(ui.lastSave().newCaption, u"1 копие"_s);
    QVERIFY(ui.lastSave().showOverwrite);
    QCOMPARE(ui.shown().size(), 1);  // nothing but the choice
    QCOMPARE(bool(job), height != 0);
    if (!job)
        return;
    QCOMPARE(job->heightTwips, height);
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
    QVERIFY(PreparePrint(kindById(u"Pln"_s).printSubject(), CreditTransferPrint(), order(payee, payer), false, true, ui));
    // The warnings come before the choice of copies.
    QCOMPARE(ui.texts().mid(0, told.size()), told);
    QCOMPARE(ui.shown().size(), told.size() + 1);
    QCOMPARE(ui.shown().last().kind, Shown::Save);
}

QTEST_GUILESS_MAIN(TestPrintCommand)
#include "tst_print_command.moc"
