// Times the printing of one credit transfer order to a PDF file: filling
// the page from the record and drawing both copies with the page renderer.
// The first run also loads the fonts; the others show the steady cost.
//
//   bench_print [runs=50] [folder to keep PrintPln.pdf and PrintPln2.pdf in]

#include "print/gui/page_renderer.h"
#include "documents/kinds.h"
#include "print/pln_pages.h"
#include "store/record.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

// The credit transfer order's page, and its filling, as the print command makes them.
const PageLayout &plnPage(bool secondPage) { return CreditTransferPrint().layout(secondPage); }
PageFill fillPln(const Record &r, bool secondPage, bool colour)
{
    return FillPage(plnPage(secondPage), r, kindById(u"Pln"_s).printSubject(), colour);
}

Record sampleOrder()
{
    Record r(tableDef(DbKind::Main, u"PlnTable"_s));
    r.setKey(12);
    r.setText(u"DoBanka"_s, u"Банка ДСК ЕАД"_s);
    r.setText(u"clon"_s, u"Габрово"_s);
    r.setText(u"adress"_s, u"ул. Радецки 5"_s);
    r.setText(u"grad"_s, u"Габрово"_s);
    r.setText(u"pdate"_s, u"05 март 2010 г."_s);
    r.setText(u"poluchatel"_s, u"Водоснабдяване и канализация ЕООД"_s);
    r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
    r.setText(u"BICp"_s, u"BNBGBGSD"_s);
    r.setText(u"Bankap"_s, u"Българска народна банка"_s);
    r.setText(u"valuta"_s, u"BGN"_s);
    r.setMoney(u"suma"_s, Money::fromUnits(1234, 50));
    r.setText(u"osnovanie"_s, u"Фактура 1002003 от 01.03.2010"_s);
    r.setText(u"poiasnenia"_s, u"Вода за февруари"_s);
    r.setText(u"nareditel"_s, u"Алфа Транс ООД"_s);
    r.setText(u"IBANn"_s, u"BG18RZBB91550123456789"_s);
    r.setText(u"BICn"_s, u"RZBBBGSF"_s);
    r.setText(u"paySystem"_s, u"БИСЕРА"_s);
    r.setInteger(u"tax"_s, 2);
    r.setText(u"TAXvaluta"_s, u"BGN"_s);
    r.setMoney(u"TAXsuma"_s, Money::fromUnits(2, 40));
    r.setDate(u"workDate"_s, QDate(2010, 3, 5));
    r.setBoolean(u"polMode"_s, true);
    r.setText(u"countryN"_s, u"България"_s);
    r.setText(u"countryP"_s, u"Германия"_s);
    r.setText(u"adressN"_s, u"Габрово, ул. Брянска 12"_s);
    r.setText(u"adressP"_s, u"Берлин, Фридрихщрасе 44"_s);
    r.setText(u"note"_s, u"Плащане по договор за доставка на резервни части за помпени станции, "
                         "съгласно приложение 2 към договора"_s);
    r.setText(u"BNBno"_s, u"BG0012345678901"_s);
    return r;
}

PrintJob jobFor(const Record &r, bool secondPage)
{
    PrintJob job;
    job.layout = &plnPage(secondPage);
    job.fill = fillPln(r, secondPage, true);
    job.heightTwips = PageHeightTwips(Copies::Two);
    job.documentName = u"Платежно нареждане за кредитен превод No: 12"_s;
    return job;
}

}  // namespace

int main(int argc, char **argv)
{
    // A PDF needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = std::max(1, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50);
    QTemporaryDir temp;
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    QTextStream out(stdout);

    const Record order = sampleOrder();
    const QString path = QDir(dir).filePath(u"PrintPln.pdf"_s);
    QList<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        const bool ok = SavePagePdf(jobFor(order, true), path);
        times.append(timer.nsecsElapsed() / 1000);
        if (!ok) {
            out << "could not write " << path << "\n";
            return 1;
        }
    }
    SavePagePdf(jobFor(order, false), QDir(dir).filePath(u"PrintPln2.pdf"_s));

    const qint64 first = times.first();
    std::sort(times.begin(), times.end());
    out << "one credit transfer order, two copies, to PDF (" << runs << " runs)\n";
    out << "  first run (fonts loaded): " << first / 1000.0 << " ms\n";
    out << "  median: " << times[times.size() / 2] / 1000.0 << " ms, slowest: "
        << times.last() / 1000.0 << " ms (aim: under 150 ms)\n";
    if (argc > 2)
        out << "  kept " << path << "\n";
    return 0;
}
