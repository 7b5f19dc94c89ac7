#include "print/pln_pages.h"
#include "store/record.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

Record order()
{
    Record r(tableDef(DbKind::Main, u"PlnTable"_s));
    r.setKey(7);
    r.setText(u"DoBanka"_s, u"  Банка ДСК ЕАД"_s);
    r.setText(u"clon"_s, u"Габрово"_s);
    r.setText(u"poluchatel"_s, u"  Водоснабдяване ЕООД"_s);
    r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
    r.setText(u"BICp"_s, u"BNBGBGSD"_s);
    r.setText(u"valuta"_s, u"bgn"_s);
    r.setMoney(u"suma"_s, Money::fromUnits(1234, 50));
    r.setText(u"IBANn"_s, u"BG18RZBB91550123456789"_s);
    r.setText(u"BICn"_s, u"RZBBBGSF"_s);
    r.setInteger(u"tax"_s, 2);
    r.setText(u"TAXvaluta"_s, u"BGN"_s);
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
    void declarationPageLeavesTheSecondPageOut();
    void colourOffMakesEveryBoxWhite();
    void filledNamesMeetTheirElements();
    void captionsOfTheForm_data();
    void captionsOfTheForm();
    void upperCopyStaysInItsHalf();
};

void TestFill::executionDateBoxes_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("boxes");
    QTest::newRow("05.03.2010") << QDate(2010, 3, 5) << u"050310"_s;
    QTest::newRow("31.12.1999") << QDate(1999, 12, 31) << u"311299"_s;
    QTest::newRow("29.02.2000") << QDate(2000, 2, 29) << u"290200"_s;
    QTest::newRow("no date") << QDate() << u"      "_s;
}

void TestFill::executionDateBoxes()
{
    QFETCH(QDate, date);
    QFETCH(QString, boxes);
    Record r = order();
    r.setDate(u"workDate"_s, date);
    const QString got = FillCreditTransfer(r, false, true).text(u"workDate"_s);
    QCOMPARE(got, boxes);
    // Six boxes on the page, one character in each.
    QCOMPARE(PrintPln2Layout().find(u"workDate"_s)->cells, 6);
}

void TestFill::amount_data()
{
    QTest::addColumn<qint64>("raw");  // ten-thousandths
    QTest::addColumn<QString>("suma");
    QTest::addColumn<bool>("crossedOut");
    QTest::newRow("1234.50") << qint64(12345000) << u"   1234,50"_s << false;
    QTest::newRow("one stotinka") << qint64(100) << u"   0,01"_s << false;
    QTest::newRow("half a stotinka rounds up") << qint64(50) << u"   0,01"_s << false;
    QTest::newRow("below half a stotinka shows as nothing") << qint64(49) << QString() << true;
    QTest::newRow("zero") << qint64(0) << QString() << true;
    QTest::newRow("negative") << qint64(-10000) << QString() << true;
    QTest::newRow("nine digits") << qint64(9999999999900) << u"   999999999,99"_s << false;
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
        const PageFill f = FillCreditTransfer(r, secondPage, true);
        const PageLayout &page = CreditTransferPage(secondPage);
        QCOMPARE(f.text(u"suma"_s), suma);
        QCOMPARE(f.isShown(*page.find(u"SumNul"_s)), crossedOut);
    }
    // The fee is laid out the same way, but no fee is only blanks.
    r.setMoney(u"TAXsuma"_s, Money::fromRaw(raw));
    QCOMPARE(FillCreditTransfer(r, false, true).text(u"TAXsuma"_s), crossedOut ? u"   "_s : suma);
}

void TestFill::accountsAndCodesGoIntoTheirBoxes()
{
    const PageFill f = FillCreditTransfer(order(), true, true);
    QCOMPARE(f.text(u"IBANp"_s), u"B G 8 0   B N B G   9 6 6 1   1 0 2 0   3 4 5 6   7 8 "_s);
    QCOMPARE(f.text(u"IBANn"_s), u"B G 1 8   R Z B B   9 1 5 5   0 1 2 3   4 5 6 7   8 9 "_s);
    QCOMPARE(f.text(u"BICp"_s), spread(u"BNBGBGSD"_s));
    QCOMPARE(f.text(u"BICn"_s), spread(u"RZBBBGSF"_s));
    QCOMPARE(f.text(u"valuta"_s), u"B G N "_s);  // typed in lower case
    QCOMPARE(f.text(u"BNBno"_s), spread(u"123AB"_s));

    // An empty account prints nothing, and a blank inside one does not take a box.
    Record r = order();
    r.setText(u"IBANn"_s, QString());
    r.setText(u"BICp"_s, u"BNBG BGSD"_s);
    const PageFill g = FillCreditTransfer(r, false, true);
    QCOMPARE(g.text(u"IBANn"_s), QString());
    QCOMPARE(g.text(u"BICp"_s), spread(u"BNBGBGSD"_s));
}

void TestFill::textsAsTheEditorShowsThem()
{
    Record r = order();
    PageFill f = FillCreditTransfer(r, false, true);
    QCOMPARE(f.text(u"DoBanka"_s), u"Банка ДСК ЕАД"_s);
    // The long names keep the blanks the user typed in front.
    QCOMPARE(f.text(u"Poluchatel"_s), u"  Водоснабдяване ЕООД"_s);
    QCOMPARE(f.text(u"Clon"_s), u"Габрово"_s);
    QCOMPARE(f.text(u"Adress"_s), QString());
    QCOMPARE(f.text(u"TAXvaluta"_s), u"BGN"_s);
    QCOMPARE(f.text(u"tax"_s), u"2"_s);
    r.setInteger(u"tax"_s, 0);
    QCOMPARE(FillCreditTransfer(r, false, true).text(u"tax"_s), QString());
}

void TestFill::secondPageMarks_data()
{
    QTest::addColumn<bool>("payerForeign");
    QTest::addColumn<bool>("payeeForeign");
    QTest::newRow("both local") << false << false;
    QTest::newRow("foreign payee") << false << true;
    QTest::newRow("foreign payer") << true << false;
    QTest::newRow("both foreign") << true << true;
}

void TestFill::secondPageMarks()
{
    QFETCH(bool, payerForeign);
    QFETCH(bool, payeeForeign);
    Record r = order();
    r.setBoolean(u"narMode"_s, payerForeign);
    r.setBoolean(u"polMode"_s, payeeForeign);
    const PageFill f = FillCreditTransfer(r, true, true);
    QCOMPARE(f.isChecked(u"Checkn1"_s), !payerForeign);
    QCOMPARE(f.isChecked(u"Checkn2"_s), payerForeign);
    QCOMPARE(f.isChecked(u"Checkp1"_s), !payeeForeign);
    QCOMPARE(f.isChecked(u"Checkp2"_s), payeeForeign);
    QCOMPARE(f.text(u"countryN"_s), u"България"_s);
    QCOMPARE(f.text(u"Note"_s), u"Заем от чуждестранно лице"_s);
}

void TestFill::declarationPageLeavesTheSecondPageOut()
{
    const PageFill f = FillCreditTransfer(order(), false, true);
    for (const QString &name : {u"Checkn1"_s, u"Checkp2"_s})
        QVERIFY2(!f.hasCheck(name), qPrintable(name));
    for (const QString &name : {u"countryN"_s, u"Note"_s, u"BNBno"_s})
        QVERIFY2(!f.hasText(name), qPrintable(name));
    QVERIFY(!PrintPln2Layout().find(u"Checkn1"_s));
    QVERIFY(!PrintPln2Layout().find(u"BNBno"_s));
}

void TestFill::colourOffMakesEveryBoxWhite()
{
    Record r = order();
    r.setMoney(u"suma"_s, Money());  // SumNul shows, with its colour
    for (bool secondPage : {false, true}) {
        const PageLayout &page = CreditTransferPage(secondPage);
        const PageFill colour = FillCreditTransfer(r, secondPage, true);
        const PageFill plain = FillCreditTransfer(r, secondPage, false);
        int coloured = 0;
        for (const PageElement &e : page.elements) {
            const quint32 on = BackgroundOf(e, colour);
            const quint32 off = BackgroundOf(e, plain);
            if (on == NoColour) {
                QCOMPARE(off, NoColour);  // what has no fill gets none
                continue;
            }
            QCOMPARE(off, White);
            if (on != White)
                ++coloured;
        }
        // The boxes of the accounts, codes, amounts and the crossing frame.
        QVERIFY2(coloured >= 10, qPrintable(QString::number(coloured)));
        QVERIFY(BackgroundOf(*page.find(u"SumNul"_s), colour) != White);
    }
}

void TestFill::filledNamesMeetTheirElements()
{
    // Every value the filling gives has its place on the page, and every
    // named place of the page gets a value.
    for (bool secondPage : {false, true}) {
        const PageLayout &page = CreditTransferPage(secondPage);
        const PageFill f = FillCreditTransfer(order(), secondPage, true);
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

void TestFill::captionsOfTheForm_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("onPln");
    QTest::addColumn<bool>("onPln2");
    const QStringList both = {
        u"ПЛАТЕЖНО НАРЕЖДАНЕ"_s, u"за кредитен превод"_s, u"дата на представяне"_s,
        u"уникален регистрационен номер"_s, u"подпис на наредителя"_s, u"Адрес"_s,
        u"Платете на - име на получателя"_s, u"IBAN на получателя:"_s,
        u"BIC на банката на получателя"_s, u"При банка - име на банката на получателя"_s,
        u"Вид валута"_s, u"Основание за превод - информация за  получателя"_s, u"Още пояснения"_s,
        u"Наредител - име"_s, u"IBAN на наредителя"_s, u"BIC на банката на наредителя"_s,
        u"Платежна система"_s, u"Такси*"_s, u"*Такси:"_s,
        u"1 - за сметка на наредителя; 2 - споделена(стандарт за местни преводи); 3 - за сметка на получателя"_s,
        u"Дата на изпълнение"_s,
        u"Такса, съгласно Тарифата за лихвите, таксите и комисионните за физически/юридически лица"_s,
        u"банка"_s};
    for (const QString &c : both)
        QTest::newRow(qPrintable(c)) << c << true << true;
    const QStringList secondPage = {
        u"Данни за наредителя"_s, u"Данни за получателя"_s, u"местно лице"_s,
        u"чуждестранно лице"_s, u"Държава на наредителя"_s, u"Държава на получателя"_s,
        u"Адрес на наредителя"_s, u"Адрес на получателя"_s,
        u"Описание на икономическата същност на превода"_s, u"Номер на БНБ"_s,
        u"Попълва се при преводи между местни и чуждестранни лица в страната, на стойност равна или"_s,
        u"надвишаваща сумата по чл.2, ал.1, т.1 от Наредба No: 27 на БНБ за статистиката на платежния баланс"_s,
        u"При превод на средства във връзка с вече представени от или на чуждестранно"_s,
        u"лице финансов кредит"_s,
        u"Известно ми е, че за посочването на неверни данни нося отговорност по чл. 313 от Наказателния кодекс."_s};
    for (const QString &c : secondPage)
        QTest::newRow(qPrintable(c)) << c << true << false;
    const QStringList declaration = {
        u"Декларация:"_s,
        u"Декларирам, че съм получил информацията, свързана с изпълнение на платежната операция,"_s,
        u"съгласно изискванията на Закона за платежните услуги и платежните системи."_s};
    for (const QString &c : declaration)
        QTest::newRow(qPrintable(c)) << c << false << true;
}

void TestFill::captionsOfTheForm()
{
    QFETCH(QString, caption);
    QFETCH(bool, onPln);
    QFETCH(bool, onPln2);
    const auto has = [&caption](const PageLayout &page) {
        for (const PageElement &e : page.elements)
            if ((e.kind == PageElement::Kind::Caption || e.kind == PageElement::Kind::Check) &&
                e.text == caption)
                return true;
        return false;
    };
    QCOMPARE(has(PrintPlnLayout()), onPln);
    QCOMPARE(has(PrintPln2Layout()), onPln2);
}

void TestFill::upperCopyStaysInItsHalf()
{
    // "1 копие" prints the top 8200 twips: nothing of the upper copy may lie
    // below, or it would be cut off there and print into the lower copy.
    for (const PageLayout *page : {&PrintPlnLayout(), &PrintPln2Layout()}) {
        for (const PageElement &e : page->elements) {
            const QString what = page->name + u": "_s + e.name + e.text;
            QVERIFY2(e.left >= 0 && e.top >= 0, qPrintable(what));
            QVERIFY2(e.right() <= page->widthTwips, qPrintable(what));
            // Text reaches about a fifth of its size below its line.
            const int textBottom = e.top + e.style.sizeTwips * 6 / 5;
            const bool text = e.kind == PageElement::Kind::Caption || e.kind == PageElement::Kind::Value;
            QVERIFY2(std::max(e.bottom(), text ? textBottom : 0) <= OneCopyHeightTwips, qPrintable(what));
        }
    }
    QCOMPARE(PageHeightTwips(Copies::Two), 16500);
    QCOMPARE(PageHeightTwips(Copies::One), 8200);
    QVERIFY(CopyOffsetTwips + OneCopyHeightTwips <= PageHeightTwips(Copies::Two));
}

QTEST_GUILESS_MAIN(TestFill)
#include "tst_fill.moc"
