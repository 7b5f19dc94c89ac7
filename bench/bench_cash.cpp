// Seeds a cash book of many rows over the changeover to the euro and times
// what a cashier waits for: opening the cash book window, the turnover of a
// year, the cash journal of a year, and the period closing of a year (with
// the compaction and backup that come first, and without them).
//
//   bench_cash [rows=100000]

#include "cash/cash_reports.h"
#include "cash/gui/kasa_window.h"
#include "cash/period_closing.h"
#include "session/session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

// `rows` rows from 1 January 2025 on, a few a day, so that the book spans
// 2025 in leva and the start of 2026 in euro.
void seed(Store &store, int rows)
{
    auto t = store.table(CashBookTable());
    Transaction tx(t->db());
    Record r(CashBookTable());
    QRandomGenerator rng(7);
    const QStringList notes = {u"Продажба на стока"_s,
                               u"Командировка"_s,
                               u"Заплати"_s,
                               u"Куриер"_s,
                               u"Аванс"_s,
                               u"Горива"_s,
                               u"Канцеларски материали"_s};
    for (int k = 1; k <= rows; ++k) {
        r.setKey(k);
        r.setText(u"DocNo"_s, QString::number(k));
        r.setDate(u"DocDate"_s, QDate(2025, 1, 1).addDays(qint64(k) * 540 / rows));
        r.setText(u"Note"_s, k == 1 ? u"Салдо"_s : notes[rng.bounded(notes.size())]);
        const bool in = rng.bounded(2) == 0;
        const Money m = Money::fromRaw(rng.bounded(100, 50000000));
        r.setMoney(u"Prihod"_s, in ? m : Money());
        r.setMoney(u"Razhod"_s, in ? Money() : m);
        t->insert(r);
    }
    tx.commit();
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir temp;
    QTextStream out(stdout);
    SilentInteraction ui(true);  // OK to every question
    Session session(temp.path(), ui, QDate(2026, 3, 2));
    session.startUp();

    QElapsedTimer timer;
    timer.start();
    seed(session.store(), rows);
    out << "seeded a cash book of " << rows << " rows in " << timer.elapsed() << " ms\n";

    const auto time = [&out](const char *what, double limitMs, const std::function<void()> &op) {
        QElapsedTimer t;
        t.start();
        op();
        const double ms = double(t.nsecsElapsed()) / 1e6;
        out << what << ": " << QString::number(ms, 'f', 1) << " ms";
        if (limitMs > 0)
            out << " (at most " << limitMs << " ms)";
        out << '\n';
        out.flush();
    };

    KasaWindow *window = nullptr;
    time("opening the cash book window", 200, [&] {
        window = new KasaWindow(session);
        window->show();
    });
    out << "  last page " << window->keyAt(0) << ".." << window->keyAt(CashPageRows - 1) << '\n';
    time("  turning a page back", 0, [&] { window->previousPage(); });
    delete window;

    QString text;
    time("turnover of 2025", 300, [&] {
        text =
            CashTurnoverText(CashTurnover(session.store(), QDate(2025, 1, 1), QDate(2025, 12, 31)));
    });
    time("turnover of 2026 so far (the leva of 2025 carried)", 300, [&] {
        text =
            CashTurnoverText(CashTurnover(session.store(), QDate(2026, 1, 1), QDate(2026, 6, 30)));
    });
    time("  cash journal of 2025", 0,
         [&] { text = CashJournalText(session.store(), QDate(2025, 1, 1), QDate(2025, 12, 31)); });
    out << "  (" << text.count(u'\n') << " lines)\n";

    // A copy of the book for the closing without the compaction.
    const QString copy = temp.filePath(u"copy"_s);
    QDir().mkpath(copy);
    QFile::copy(session.paths().mainPath, copy + u"/Remitor.MDB"_s);
    std::optional<ClosingBalance> closed;
    time("period closing of 2025, with the compaction and backup", 1000,
         [&] { closed = ClosePeriod(session.store(), QDate(2025, 1, 1), QDate(2025, 12, 31)); });
    out << "  balance " << MoneyText(closed ? closed->amount : Money()) << ' '
        << CurrencyUnit(closed ? closed->currency : CashCurrency::Leva) << ", "
        << CashRowCount(session.store()) << " rows left\n";
    Store other(DbPaths::inDirectory(copy), ui);
    time("  the closing alone, without the compaction", 0,
         [&] { closed = ClosePeriod(other, QDate(2025, 1, 1), QDate(2025, 12, 31), false); });
    return 0;
}
