#include "documents/kinds.h"
#include "print/pln_pages.h"
#include "store/record.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

// The credit transfer order's page, and its filling, as the print command makes them.
const PageLayout &plnPage(bool secondPage) { return CreditTransferPrint().layout(secondPage); }
PageFill fillPln(const Record &r, bool secondPage, bool colour)
{
    return FillPage(plnPage(secondPage), r, kindById(u"Pln"_s).printSubject(), colour);
}

Record order()
{
    Record r(tableDef(DbKind::Main, u"PlnTable"_s));
    r.setKey(7);
    r.setText(u"DoBanka"_s, u"  Банка ДСК ЕАД"_s);
    r.setText(u"poluchatel"_s, u"  Водоснабдяване ЕООД"_s);
    r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
    r.setText(u"BICp"_s, u"BNBGBGSD"_s);
    r.setText(u"valuta"_s, u"bgn"_s);
    r.setMoney(u"suma"_s, Money::fromUnits(1234, 50));
    r.setText(u"IBANn"_s, u"BG18RZBB91550123456789"_s);
    r.setText(u"BICn"_s, u"RZBBBGSF"_s);
    r.setInteger(u"tax"_s, 2);
    r.setDate(u"workDate"_s, QDate(2010, 3, 5));
    r.setText(u"countryN"_s, u" България "_s);
    r.setText(u"note"_s, u"  Заем от чуждестранно лице  "_s);
    r.setText(u"BNBno"_s, u" 123AB "_s);
    return r;
}

// Characters spread one per box: each followed by a blank.
QString spread(const QString &chars)
{
    QString out;
    for (const QChar c : chars)
        out += c + u" "_s;
    return out;
}

}  // namespace

class TestFill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void executionDateBoxes_data();
    void executionDateBoxes();
    void amount_data();
    void amount();
    void accountsAndCodesGoIntoTheirBoxes();
    void textsAsTheEditorShowsThem();
    void secondPageMarks_data();
    void secondPageMarks();
    void colourOffMakesEveryBoxWhite();
    void filledNamesMeetTheirElements();
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

void TestFill::accountsAndCodesGoIntoTheirBoxes()
{
    const PageFill f = fillPln(order(), true, true);
    QCOMPARE(f.text(u"IBANp"_s), u"B G 8 0   B N B G   9 6 6 1   1 0 2 0   3 4 5 6   7 8 "_s);
    QCOMPARE(f.text(u"IBANn"_s), u"B G 1 8   R Z B B   9 1 5 5   0 1 2 3   4 5 6 7   8 9 "_s);
    QCOMPARE(f.text(u"BICp"_s), spread(u"BNBGBGSD"_s));
    QCOMPARE(f.text(u"BICn"_s), spread(u"RZBBBGSF"_s));
    QCOMPARE(f.text(u"valuta"_s), u"B G N "_s);  // typed in lower case
    QCOMPARE(f.text(u"BNBno"_s), spread(u"123AB"_s));
}

void TestFill::textsAsTheEditorShowsThem()
{
    Record r = order();
    const PageFill f = fillPln(r, false, true);
    QCOMPARE(f.text(u"DoBanka"_s), u"Банка ДСК ЕАД"_s);
    // The long names keep the blanks the user typed in front.
    QCOMPARE(f.text(u"Poluchatel"_s), u"  Водоснабдяване ЕООД"_s);
    QCOMPARE(f.text(u"tax"_s), u"2"_s);
    r.setInteger(u"tax"_s, 0);
    QCOMPARE(fillPln(r, false, true).text(u"tax"_s), QString());
}

void TestFill::secondPageMarks_data()
{
    QTest::addColumn<bool>("payerForeign");
    QTest::addColumn<bool>("payeeForeign");
    QTest::newRow("foreign payee") << false << true;
    QTest::newRow("foreign payer") << true << false;
}

void TestFill::secondPageMarks()
{
    QFETCH(bool, payerForeign);
    QFETCH(bool, payeeForeign);
    Record r = order();
    r.setBoolean(u"narMode"_s, payerForeign);
    r.setBoolean(u"polMode"_s, payeeForeign);
    const PageFill f = fillPln(r, true, true);
    QCOMPARE(f.isChecked(u"Checkn1"_s), !payerForeign);
    QCOMPARE(f.isChecked(u"Checkn2"_s), payerForeign);
    QCOMPARE(f.isChecked(u"Checkp1"_s), !payeeForeign);
    QCOMPARE(f.isChecked(u"Checkp2"_s), payeeForeign);
    QCOMPARE(f.text(u"countryN"_s), u"България"_s);
    QCOMPARE(f.text(u"Note"_s), u"Заем от чуждестранно лице"_s);
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

// Every value the filling gives has its place on the page, and every named
// place of the page gets a value.
void TestFill::filledNamesMeetTheirElements()
{
    for (bool secondPage : {false, true}) {
        const PageLayout &page = plnPage(secondPage);
        const PageFill f = fillPln(order(), secondPage, true);
        for (const QString &name : f.names())
            QVERIFY2(page.find(name), qPrintable(page.name + u": "_s + name));
        QSet<QString> seen;
        for (const PageElement &e : page.elements) {
            if (e.name.isEmpty())
                continue;
            QVERIFY2(!seen.contains(e.name.toLower()), qPrintable(u"twice: "_s + e.name));
            seen.insert(e.name.toLower());
            using K = PageElement::Kind;
            if (e.kind == K::Value || e.kind == K::TextArea || e.kind == K::DigitBoxes)
                QVERIFY2(f.hasText(e.name), qPrintable(page.name + u": "_s + e.name));
            if (e.kind == K::Check)
                QVERIFY2(f.hasCheck(e.name), qPrintable(page.name + u": "_s + e.name));
        }
    }
}

QTEST_GUILESS_MAIN(TestFill)
#include "tst_fill.moc"
