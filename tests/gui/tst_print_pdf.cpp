#include "documents/gui/kind_wiring.h"
#include "documents/kinds.h"
#include "print/form_style.h"
#include "print/gui/page_renderer.h"
#include "print/pln_pages.h"
#include "rules/formatting.h"
#include "rules/words.h"
#include "store/record.h"
#include "support/pln_order.h"
#include "support/samples.h"
#include "support/tools.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

// Where the words of `text`, one after the other, are found: the index of
// the first word of each place.
QList<qsizetype> indicesOf(const QList<Word> &words, const QString &text)
{
    const QStringList tokens = text.split(u' ', Qt::SkipEmptyParts);
    QList<qsizetype> out;
    for (qsizetype i = 0; !tokens.isEmpty() && i + tokens.size() <= words.size(); ++i) {
        bool all = true;
        for (qsizetype k = 0; k < tokens.size() && all; ++k)
            all = words[i + k].text == tokens[k];
        if (all)
            out.append(i);
    }
    return out;
}

QList<Word> placesOf(const QList<Word> &words, const QString &text)
{
    QList<Word> out;
    for (qsizetype i : indicesOf(words, text))
        out.append(words[i]);
    return out;
}

PrintJob job(const Record &r, bool secondPage, Copies copies, bool colour = true)
{
    PrintJob j;
    j.layout = &plnPage(secondPage);
    j.fill = fillPln(r, secondPage, colour);
    j.heightTwips = PageHeightTwips(copies);
    j.documentName = u"Платежно нареждане"_s;
    return j;
}

// Darkness of a pixel: 0 white, 255 black.
int darkness(const QImage &image, int xTwips, int yTwips, int dpi)
{
    return 255 - qGray(image.pixel(xTwips * dpi / 1440, yTwips * dpi / 1440));
}

}  // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void eachPageCarriesItsOwnBlock();
    void longNamesStayWithinTheirLabels();
    void boxesKeepTheirColourUnlessColourIsOff();
    void noAmountCrossesTheBoxesOut();
    void printerGetsOnePageOneCopy();
    void twoCopiesFitAPrinterWithMargins();
    void everyPageHoldsItsValuesInBothCopies_data();
    void everyPageHoldsItsValuesInBothCopies();

private:
    QString render(const PrintJob &j, const QString &name);
    QTemporaryDir m_dir;
};

void TestPrintPdf::initTestCase()
{
    // REMITOR_KEEP_PDF=1 keeps the files to be looked at.
    m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("REMITOR_KEEP_PDF"));
    if (!m_dir.autoRemove())
        qInfo("PDF files in %s", qPrintable(m_dir.path()));
    REMITOR_REQUIRE_TOOL("pdftotext");
    REMITOR_REQUIRE_TOOL("pdfinfo");
    QVERIFY(m_dir.isValid());
}

QString TestPrintPdf::render(const PrintJob &j, const QString &name)
{
    const QString path = m_dir.filePath(name + u".pdf"_s);
    return QFile::exists(path) || SavePagePdf(j, path) ? path : QString();
}

void TestPrintPdf::eachPageCarriesItsOwnBlock()
{
    const QList<Word> pln = wordsOf(render(job(order(), true, Copies::Two), u"PrintPln_2"_s));
    const QList<Word> one = wordsOf(render(job(order(), false, Copies::One), u"PrintPln2_1"_s));
    QVERIFY(!pln.isEmpty() && !one.isEmpty());
    const auto count = [](const QList<Word> &words, const QString &text) {
        return int(placesOf(words, text).size());
    };
    for (const QString &text : {u"ПЛАТЕЖНО НАРЕЖДАНЕ"_s, u"Номер на БНБ"_s, u"Данни за получателя"_s,
                                u"Заем от чуждестранно лице"_s})  // the note whole, over lines of its own
        QVERIFY2(count(pln, text) == 2, qPrintable(text));
    QCOMPARE(count(pln, u"Декларация:"_s), 0);
    QCOMPARE(count(one, u"ПЛАТЕЖНО НАРЕЖДАНЕ"_s), 1);
    QCOMPARE(count(one, u"Декларация:"_s), 1);
    QCOMPARE(count(one, u"Номер на БНБ"_s), 0);
}

void TestPrintPdf::longNamesStayWithinTheirLabels()
{
    Record r = order();
    // Capitals, so that the name is far wider than its label at the usual size.
    const QString longName =
        u"СДРУЖЕНИЕ НА СОБСТВЕНИЦИТЕ В ЖИЛИЩНА СГРАДА НА БУЛ. ЦАР ОСВОБОДИТЕЛ 15, ВХОД Б, ГАБРОВО"_s;
    r.setText(u"poluchatel"_s, longName);
    r.setText(u"nareditel"_s, longName);
    const QString kept = r.text(u"poluchatel"_s).trimmed();  // the field holds 85 characters
    const QList<Word> words = wordsOf(render(job(r, false, Copies::One), u"long_names"_s));
    const QList<qsizetype> starts = indicesOf(words, kept);
    QCOMPARE(starts.size(), 2);
    const qsizetype tokens = kept.split(u' ', Qt::SkipEmptyParts).size();
    for (const auto &[label, left, width] : {std::tuple{u"Poluchatel"_s, 1950, 7575},
                                             std::tuple{u"nareditel"_s, 2010, 7575}}) {
        // The name is set smaller, whole, and ends within its label.
        const auto it = std::find_if(starts.begin(), starts.end(), [&words, left = left](qsizetype i) {
            return std::abs(words[i].left - left) <= 20;
        });
        QVERIFY2(it != starts.end(), qPrintable(label));
        const Word &last = words[*it + tokens - 1];
        QVERIFY2(last.right <= left + width + 20, qPrintable(u"%1 ends at %2"_s.arg(label).arg(last.right)));
    }
}

void TestPrintPdf::boxesKeepTheirColourUnlessColourIsOff()
{
    constexpr int dpi = 100;
    const QColor form = QColor::fromRgb(QRgb(layout::FormBoxColour));
    Record r = order();
    r.setMoney(u"suma"_s, Money());  // the crossing frame has a colour too
    for (bool colour : {true, false}) {
        const QImage image = RenderPageImage(job(r, true, Copies::One, colour), dpi);
        // Black on white leaves only greys; any tint comes from a box.
        int tinted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                tinted += qRed(p) - qBlue(p) > 8;
            }
        if (colour) {
            QVERIFY2(tinted > 2000, qPrintable(QString::number(tinted)));
            // Inside the box of the unique number, which nothing fills.
            QCOMPARE(image.pixelColor(QPoint(9000, 810) * dpi / 1440), form);
        } else {
            QCOMPARE(tinted, 0);
        }
    }
}

void TestPrintPdf::noAmountCrossesTheBoxesOut()
{
    constexpr int dpi = 150;
    Record r = order();
    // The diagonals of the amount box cross in its middle.
    const int midX = 6390 + 3150 / 2, midY = 2285 + 270 / 2;
    QVERIFY(darkness(RenderPageImage(job(r, false, Copies::One), dpi), midX, midY, dpi) < 40);
    r.setMoney(u"suma"_s, Money());
    const QImage crossed = RenderPageImage(job(r, false, Copies::One), dpi);
    QVERIFY(darkness(crossed, midX, midY, dpi) > 100);
}

// Margins of 10 mm leave less than the two copies' height: the page is drawn
// smaller, and every word of it stays within the printable area.
void TestPrintPdf::twoCopiesFitAPrinterWithMargins()
{
    REMITOR_REQUIRE_TOOL("pdftotext");
    const PrintJob j = job(order(), true, Copies::Two);
    QList<Word> words[2];
    for (const int margin : {0, 10}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = m_dir.filePath(u"margins%1.pdf"_s.arg(margin));
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
        QPainter painter;
        QVERIFY(painter.begin(&printer));
        RenderPrinterPages(painter, printer, {j});
        QVERIFY(painter.end());
        words[margin > 0] = wordsOf(path);
    }
    QCOMPARE(words[1].size(), words[0].size());  // nothing lost
    const double foot = A4HeightTwips - 10 * 1440 / 25.4;
    for (const Word &w : std::as_const(words[1]))
        QVERIFY2(w.bottom <= foot, qPrintable(w.text + u' ' + QString::number(w.bottom)));
}

void TestPrintPdf::printerGetsOnePageOneCopy()
{
    // A printer that writes a PDF: what goes to paper goes there.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = m_dir.filePath(u"printer.pdf"_s);
    printer.setOutputFileName(path);
    printer.setCopyCount(3);
    const PrintJob j = job(order(), true, Copies::Two);
    QVERIFY(PrintPage(printer, j));
    QCOMPARE(printer.copyCount(), 1);  // both copies of the form are on the one sheet
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(pagesOf(path), 1);
    const QList<Word> words = wordsOf(path);
    const QList<Word> payee = placesOf(words, j.fill.text(u"IBANp"_s));
    QCOMPARE(payee.size(), 2);
    // A file has no unprintable margin: the page starts at the corner.
    QVERIFY(std::abs(payee[0].left - 2160) <= 10);
    QVERIFY(std::abs(payee[0].top - 1575) <= 10);
    // The amount stands after the three blanks its boxes want.
    const QList<Word> amount = placesOf(words, j.fill.text(u"suma"_s));
    QCOMPARE(amount.size(), 2);
    QVERIFY2(amount[0].left >= 6420 + 75 && amount[0].left <= 6420 + 240, qPrintable(QString::number(amount[0].left)));
}

// Every page of every wired kind, filled as a user fills it: in two copies
// each value stands where its page puts it and again exactly 8220 twips
// lower; in one copy nothing lies below 8200 twips. With REMITOR_SHOTS the
// PDFs are kept there, to be looked at.
void TestPrintPdf::everyPageHoldsItsValuesInBothCopies_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("secondPage");
    for (const KindWiring &w : kindWirings())
        for (bool second : {false, true})
            if (!second || w.print().pageWithSecond)
                QTest::newRow(qPrintable(w.print().layout(second).name)) << w.kind << second;
}

void TestPrintPdf::everyPageHoldsItsValuesInBothCopies()
{
    QFETCH(QString, kind);
    QFETCH(bool, secondPage);
    const KindPrint &print = wiringOf(kind)->print();
    const KindDescriptor &k = kindById(kind);
    PrintJob j;
    j.layout = &print.layout(secondPage);
    // The upper copy ends above the height of one copy, which loses nothing of it.
    for (const PageElement &e : j.layout->elements) {
        const int text = e.kind == PageElement::Kind::Caption ? e.style.sizeTwips * 115 / 100 : 0;
        QVERIFY2(e.top + std::max(e.height, text) <= OneCopyHeightTwips,
                 qPrintable(e.name + e.text));
    }
    const Record sample = test::sampleFull(kind);
    j.fill = FillPage(*j.layout, sample, k.printSubject(), true, print.fill);
    for (const Copies copies : {Copies::Two, Copies::One}) {
        j.heightTwips = PageHeightTwips(copies);
        const QString pdf =
            render(j, u"sample_"_s + j.layout->name + u'_' + QString::number(j.copies()));
        if (const QString shots = qEnvironmentVariable("REMITOR_SHOTS"); !shots.isEmpty())
            QFile::copy(pdf, shots + u'/' + QFileInfo(pdf).fileName());
        QCOMPARE(pagesOf(pdf), 1);
        const QList<Word> words = wordsOf(pdf);
        QVERIFY(!words.isEmpty());
        for (const Word &w : words)
            QVERIFY2(copies == Copies::Two || w.bottom <= OneCopyHeightTwips, qPrintable(w.text));
        if (copies == Copies::One)
            continue;
        int checked = 0;
        for (const PageElement &e : j.layout->elements) {
            using K = PageElement::Kind;
            const QString text = j.fill.text(e.name).trimmed();
            if (e.name.isEmpty() || text.isEmpty() ||
                (e.kind != K::Value && e.kind != K::DigitBoxes))
                continue;
            const QString start =
                e.kind == K::DigitBoxes ? text.left(1) : text.section(u' ', 0, 0).left(4);
            const int right = e.kind == K::DigitBoxes ? e.cellsRight()
                              : e.width > 0           ? e.right()
                                                      : e.left + 6000;
            const auto upper = std::find_if(words.begin(), words.end(), [&](const Word &w) {
                return w.text.startsWith(start) && w.left >= e.left - 40 && w.left < right &&
                       std::abs(w.top - e.top) <= 60;
            });
            QVERIFY2(upper != words.end(), qPrintable(e.name + u": "_s + text));
            const bool lower = std::any_of(words.begin(), words.end(), [&](const Word &w) {
                return w.text == upper->text && std::abs(w.left - upper->left) < 1 &&
                       std::abs(w.top - upper->top - CopyOffsetTwips) < 1;
            });
            QVERIFY2(lower, qPrintable(e.name + u" is not in the lower copy"_s));
            ++checked;
            // The amount in words says the figures of the same page.
            if (e.format != ValueFormat::WordsBG)
                continue;
            const auto figures = std::find_if(
                j.layout->elements.begin(), j.layout->elements.end(), [&](const PageElement &a) {
                    return a.source() == e.source() &&
                           (a.format == ValueFormat::Amount || a.format == ValueFormat::AmountOrNone);
                });
            QVERIFY2(figures != j.layout->elements.end(), qPrintable(e.name));
            QCOMPARE(text, AmountInWordsBG(ParseAmount(j.fill.text(figures->name)),
                                           sample.text(k.currencyField)));
        }
        QVERIFY2(checked >= 5, qPrintable(QString::number(checked)));
    }
}

QTEST_MAIN(TestPrintPdf)
#include "tst_print_pdf.moc"
