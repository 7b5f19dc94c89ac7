// Seeds the reports base with many credit transfer copies, their dates in
// the short and the long text as the editors leave them, in leva and euro,
// and measures what a user waits for: a report over all of them, the
// memory while the viewer shows it, and the closing of the older half of
// them with the compaction after it.
//
//   bench_reports [copies=100000] [folder=a new temporary one]

#include "reports/deletion.h"
#include "reports/gui/report_viewer.h"
#include "reports/report.h"
#include "rules/dates.h"
#include "session/session.h"
#include "store/store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

// The processor time of this process, in milliseconds: on a machine shared
// with other work the wall-clock time says more about the others.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Resident and peak memory of the process, in megabytes.
std::pair<double, double> memoryMb()
{
    QFile f(u"/proc/self/status"_s);
    double rss = 0, peak = 0;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &line : f.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2 && parts[0] == "VmRSS:")
                rss = parts[1].toDouble() / 1024;
            if (parts.size() >= 2 && parts[0] == "VmHWM:")
                peak = parts[1].toDouble() / 1024;
        }
    return {rss, peak};
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int copies = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir temp;
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    QTextStream out(stdout);
    SilentInteraction ui;
    Session session(dir, ui, QDate(2026, 3, 5));
    session.startUp();
    Store &store = session.store();
    const ReportsKind &kind = *reportsKindOf(u"Pln"_s);
    const QString payee = u"BG80BNBG96611020345678"_s;

    const QStringList names = {u"Електроразпределение Север АД"_s,
                               u"Водоснабдяване и канализация ЕООД"_s,
                               u"Община Габрово"_s,
                               u"Алфа Транс ООД"_s,
                               u"Български пощи ЕАД"_s,
                               u"Здравна каса"_s,
                               u"Агенция по вписванията"_s,
                               u"Юлия Петрова ЕТ"_s};
    QElapsedTimer timer;
    timer.start();
    {
        auto table = OpenSprTable(store, kind);
        Transaction tx(table->db());
        Record r(table->def());
        QRandomGenerator rng(42);
        const QDate first(2024, 1, 1);
        for (int k = 1; k <= copies; ++k) {
            // Two years of copies in the order they were made.
            const QDate date = first.addDays(qint64(k) * 731 / (copies + 1));
            r.setKey(k);
            r.setText(u"DoBanka"_s, u"Банка ДСК ЕАД"_s);
            r.setText(u"pDate"_s, k % 2 ? ShortDateText(date) : LongDateText(date));
            r.setText(u"Poluchatel"_s, u"Електроразпределение Север АД"_s);
            r.setText(u"IBANp"_s, payee);
            r.setText(u"valuta"_s, date.year() < 2025 || k % 3 ? u"EUR"_s : u"BGN"_s);
            r.setMoney(u"suma"_s, Money::fromRaw(rng.bounded(1, 100000000)));
            r.setText(u"Osnovanie"_s, u"Фактура %1"_s.arg(k));
            r.setText(u"Nareditel"_s, names[rng.bounded(names.size())]);
            r.setText(u"IBANn"_s, u"BG21STSA93000012345678"_s);
            table->insert(r);
        }
        tx.commit();
    }
    out << "seeded " << copies << " copies in " << timer.elapsed() << " ms, "
        << QFileInfo(session.paths().reportsPath).size() / 1024 << " KiB\n";

    ReportRequest request;
    request.kind = kind.kind;
    request.from = QDate(2024, 1, 1);
    request.to = QDate(2025, 12, 31);
    request.fromText = ShortDateText(request.from);
    request.toText = ShortDateText(request.to);
    request.scope = ReportScope::Payee;
    request.payee = {payee, u"Електроразпределение Север АД"_s};
    request.signature = session.params.text(kind.signature);
    request.linesPerPage = 72;
    timer.restart();
    double cpu = cpuMs();
    const Report report = BuildReport(store, request);
    const qint64 built = timer.elapsed();
    out << "report over " << report.lines << " copies (" << report.pages.size() << " pages, "
        << report.totals.size() << " currencies): " << built << " ms, processor "
        << qRound(cpuMs() - cpu) << " ms  (budget 300 ms)\n";
    out.flush();

    {
        ReportViewer viewer(session);
        viewer.setReport(report.pages);
        viewer.show();
        viewer.showPage(viewer.pageCount());
        QApplication::processEvents();
        const auto [rss, peak] = memoryMb();
        out << "memory while the viewer shows the " << report.lines
            << "-line report: " << QString::number(rss, 'f', 1) << " MB resident, peak "
            << QString::number(peak, 'f', 1) << " MB  (budget 150 MB)\n";
    }
    out.flush();

    const qint64 before = QFileInfo(session.paths().reportsPath).size();
    timer.restart();
    cpu = cpuMs();
    const PeriodClosing closing = ClosePeriod(store, {&kind}, QDate(2024, 12, 31));
    const qint64 closed = timer.elapsed();
    const int closedCpu = qRound(cpuMs() - cpu);
    out << "period closing: " << closing.deleted << " of " << copies
        << " copies deleted and the base compacted (" << before / 1024 << " KiB -> "
        << QFileInfo(session.paths().reportsPath).size() / 1024 << " KiB): " << closed
        << " ms, processor " << closedCpu << " ms  (budget 2000 ms)\n";
    return closing.ok && report.ok ? 0 : 1;
}
