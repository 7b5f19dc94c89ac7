#include "documents/kinds.h"
#include "print/bpln_pages.h"
#include "print/buy_pages.h"
#include "print/isk_pages.h"
#include "print/mass_pages.h"
#include "cash/pko_pages.h"
#include "print/pln_pages.h"
#include "print/plnb4_pages.h"
#include "print/plnb_pages.h"
#include "print/plnm_pages.h"
#include "print/raz_pages.h"
#include "print/sdd_pages.h"
#include "print/vnos_pages.h"
#include "store/record.h"
#include "support/currency_samples.h"
#include "support/pln_order.h"
#include "support/samples.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

// A cash receipt of the last days of the lev, and a disbursement of the
// first days of the euro.
Record cashOrder(const QString &kind)
{
    const bool receipt = kind == u"PKO"_s;
    Record r(kindById(kind).tableDef());
    r.setKey(3);
    r.setText(u"Firma"_s, u"Алфа Транс ООД"_s);
    r.setText(u"Bulstat"_s, u"121212125"_s);
    r.setInteger(receipt ? u"PKOno"_s : u"RKOno"_s, 12);
    r.setDate(u"pDate"_s, receipt ? QDate(2025, 12, 30) : QDate(2026, 1, 5));
    r.setText(receipt ? u"Vnositel"_s : u"Poluchatel"_s, u"  Иван Петров Иванов"_s);
    r.setText(u"Osnovanie"_s, u"Аванс за командировка до Варна, заповед 14 от 29.12.2025"_s);
    r.setMoney(u"suma"_s, receipt ? Money::fromUnits(1234, 56) : Money::fromUnits(2001, 5));
    if (!receipt) {
        r.setText(u"Adress"_s, u"Габрово, ул. Брянска 12"_s);
        r.setText(u"Karta"_s, u"645123456 / 12.04.2021 / МВР Габрово"_s);
        r.setText(u"EGN"_s, u"7501020018"_s);
        r.setText(u"Predstavitel"_s, u"Бета ЕООД"_s);
        r.setText(u"Palnomostno"_s, u"17 / 04.01.2026"_s);
    }
    return r;
}

// The pages read against their golden files, with the kind that fills them.
// Each page with a document of its kind as a user fills it (a sample with
// every field set where none is given) and what the kind adds to its fill.
struct GoldenPage {
    const char *kind;
    const PageLayout &(*page)();
    Record (*document)() = nullptr;
    const KindPrint &(*print)() = nullptr;
};
const GoldenPage kGoldenPages[] = {
    {"Pln", &PrintPlnLayout, &order},
    {"Pln", &PrintPln2Layout, &order},
    {"Isk", &PrintIskLayout},
    {"Isk", &PrintIsk2Layout},
    {"SDD", &PrintSDDLayout},
    {"Vnos", &PrintVnosLayout},
    {"Raz", &PrintRazLayout},
    {"Mass", &PrintMassLayout},
    {"Mass", &PrintDeklLayout},
    {"PlnB", &PrintPlnBLayout, +[] { return test::sampleDocument(kindById(u"PlnB"_s).tableDef()); },
     &BudgetOrderPrint},
    {"PlnB4", &PrintPlnB4Layout,
     +[] { return test::sampleDocument(kindById(u"PlnB4"_s).tableDef()); }, &FourItemBudgetOrderPrint},
    {"BPln", &PrintBplnLayout, +[] { return test::sampleDocument(kindById(u"BPln"_s).tableDef()); },
     &BudgetOrganisationPrint},
    {"PlnM", &PrintPlnMLayout, &test::foreignOrder, &ForeignTransferPrint},
    {"Buy", &PrintBuyValutaLayout, &test::buySellOrder, &CurrencyBuySellPrint},
    {"PKO", &PrintPKOLayout, +[] { return cashOrder(u"PKO"_s); }, &CashReceiptPrint},
    {"RKO", &PrintRKOLayout, +[] { return cashOrder(u"RKO"_s); }, &CashDisbursementPrint},
};

}  // namespace

class TestFill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void executionDateBoxes_data();
    void executionDateBoxes();
    void amount_data();
    void amount();
    void bicBoxes_data();
    void bicBoxes();
    void colourOffMakesEveryBoxWhite();
    void goldenPages_data();
    void goldenPages();
};

void TestFill::executionDateBoxes_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("boxes");
    QTest::newRow("05.03.2010") << QDate(2010, 3, 5) << u"050310"_s;
    QTest::newRow("no date") << QDate() << u"      "_s;
}

void TestFill::executionDateBoxes()
{
    QFETCH(QDate, date);
    QFETCH(QString, boxes);
    Record r = order();
    r.setDate(u"workDate"_s, date);
    QCOMPARE(fillPln(r, false, true).text(u"workDate"_s), boxes);
    // An option an older program wrote as -1 is ticked as its 1.
    r.setInteger(u"narMode"_s, -1);
    QVERIFY(fillPln(r, true, true).isChecked(u"Checkn2"_s));
    QVERIFY(!fillPln(r, true, true).isChecked(u"Checkn1"_s));
}

void TestFill::amount_data()
{
    QTest::addColumn<qint64>("raw");  // ten-thousandths
    QTest::addColumn<QString>("suma");
    QTest::addColumn<bool>("crossedOut");
    QTest::newRow("1234.50") << qint64(12345000) << u"   1234,50"_s << false;
    QTest::newRow("half a stotinka rounds up") << qint64(50) << u"   0,01"_s << false;
    QTest::newRow("below half a stotinka shows as nothing") << qint64(49) << QString() << true;
    QTest::newRow("zero") << qint64(0) << QString() << true;
    QTest::newRow("too many for the boxes") << qint64(99999999999990000) << u"   Препълва"_s << false;
}

void TestFill::amount()
{
    QFETCH(qint64, raw);
    QFETCH(QString, suma);
    QFETCH(bool, crossedOut);
    Record r = order();
    r.setMoney(u"suma"_s, Money::fromRaw(raw));
    for (bool secondPage : {false, true}) {
        const PageFill f = fillPln(r, secondPage, true);
        QCOMPARE(f.text(u"suma"_s), suma);
        QCOMPARE(f.isShown(*plnPage(secondPage).find(u"SumNul"_s)), crossedOut);
    }
    // The fee is laid out the same way, but no fee is only blanks.
    r.setMoney(u"TAXsuma"_s, Money::fromRaw(raw));
    QCOMPARE(fillPln(r, false, true).text(u"TAXsuma"_s), crossedOut ? u"   "_s : suma);
}

// The budget order keeps a BIC of up to fifteen characters; its boxes are eight.
void TestFill::bicBoxes_data()
{
    QTest::addColumn<QString>("bic");
    QTest::addColumn<QString>("boxes");
    QTest::newRow("eight") << u"STSABGSF"_s << u"S T S A B G S F"_s;
    QTest::newRow("the head office's eleven") << u"STSABGSFXXX"_s << u"S T S A B G S F"_s;
    QTest::newRow("a branch's eleven, as typed") << u"STSABGSF001"_s << u"S T S A B G S F 0 0 1"_s;
}

void TestFill::bicBoxes()
{
    QFETCH(QString, bic);
    QFETCH(QString, boxes);
    Record r = test::sampleDocument(kindById(u"PlnB"_s).tableDef());
    r.setText(u"BICp"_s, bic);
    const PageFill f = FillPage(PrintPlnBLayout(), r, kindById(u"PlnB"_s).printSubject(), true,
                                BudgetOrderPrint().fill);
    QCOMPARE(f.text(u"BICp"_s).trimmed(), boxes);
}

void TestFill::colourOffMakesEveryBoxWhite()
{
    Record r = order();
    r.setMoney(u"suma"_s, Money());  // SumNul shows, with its colour
    for (bool secondPage : {false, true}) {
        const PageLayout &page = plnPage(secondPage);
        const PageFill colour = fillPln(r, secondPage, true);
        const PageFill plain = fillPln(r, secondPage, false);
        int coloured = 0;
        for (const PageElement &e : page.elements) {
            const quint32 on = BackgroundOf(e, colour);
            const quint32 off = BackgroundOf(e, plain);
            // What has no fill gets none; every fill turns white.
            QCOMPARE(off, on == NoColour ? NoColour : White);
            coloured += on != NoColour && on != White;
        }
        // The boxes of the accounts, codes, amounts and the crossing frame.
        QVERIFY2(coloured >= 10, qPrintable(QString::number(coloured)));
        QVERIFY(BackgroundOf(*page.find(u"SumNul"_s), colour) != White);
    }
}

// Every value of each page, as the form wants it printed, against a file a
// person has read: one character changed anywhere on the page fails.
// REMITOR_BLESS=1 writes the files anew.
void TestFill::goldenPages_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kGoldenPages)); ++i)
        QTest::newRow(qPrintable(kGoldenPages[i].page().name)) << i;
}

void TestFill::goldenPages()
{
    QFETCH(int, row);
    const GoldenPage &golden = kGoldenPages[row];
    const QString kind = QString::fromLatin1(golden.kind);
    const PageLayout &page = golden.page();
    const Record document = golden.document ? golden.document() : test::sampleRecord(kind);
    const PageFill f = FillPage(page, document, kindById(kind).printSubject(), true,
                                golden.print ? golden.print().fill : nullptr);
    QStringList lines;
    for (const PageElement &e : page.elements) {
        if (e.name.isEmpty())
            continue;
        if (e.kind == PageElement::Kind::Check)
            lines << e.name + (f.isChecked(e.name) ? u" [x]"_s : u" [ ]"_s);
        else if (e.format == ValueFormat::NoAmount)
            lines << e.name + (f.isShown(e) ? u" shown"_s : u" hidden"_s);
        else
            lines << e.name + u" «"_s + f.text(e.name) + u"»"_s;
    }
    const QString path = qEnvironmentVariable("TESTDATA_DIR") + u"/print/golden/"_s + page.name + u".txt"_s;
    QFile file(path);
    if (qEnvironmentVariableIsSet("REMITOR_BLESS")) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join(u'\n') + u'\n').toUtf8());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(lines, QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts));
}

QTEST_GUILESS_MAIN(TestFill)
#include "tst_page_fill.moc"
