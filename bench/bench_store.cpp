// Seeds a main database with many credit transfer orders and times the
// storage operations a user waits for: the start-up check and re-index, the
// lowest free number, one save, the sort by ordering party, the compaction,
// and the repair of a file with one damaged page.
//
//   bench_store [orders=100000] [folder=a new temporary one]

#include "session/startup.h"
#include "store/maintenance.h"
#include "store/recovery.h"
#include "store/salvage.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace remitor;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int orders = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir temp;
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    QTextStream out(stdout);
    SilentInteraction ui;
    Store store(DbPaths::inDirectory(dir), ui);
    RunStartup(store, QDate::currentDate());

    const QStringList names = {u"Електроразпределение Север АД"_s, u"Водоснабдяване и канализация ЕООД"_s,
                               u"Община Габрово"_s, u"Алфа Транс ООД"_s, u"Български пощи ЕАД"_s,
                               u"Здравна каса"_s, u"Агенция по вписванията"_s, u"Юлия Петрова ЕТ"_s};
    QElapsedTimer timer;
    timer.start();
    {
        auto db = store.open(DbKind::Main);
        Table table(std::move(db), tableDef(DbKind::Main, u"PlnTable"_s));
        Transaction tx(table.db());
        Record r(table.def());
        QRandomGenerator rng(42);
        for (int k = 1; k <= orders; ++k) {
            r.setKey(k);
            r.setText(u"DoBanka"_s, u"Банка ДСК ЕАД"_s);
            r.setText(u"clon"_s, u"Габрово"_s);
            r.setText(u"pdate"_s, u"05.03.2010"_s);
            r.setText(u"poluchatel"_s, names[rng.bounded(names.size())]);
            r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
            r.setText(u"BICp"_s, u"BNBGBGSD"_s);
            r.setText(u"valuta"_s, u"BGN"_s);
            r.setMoney(u"suma"_s, Money::fromRaw(rng.bounded(1, 100000000)));
            r.setText(u"osnovanie"_s, u"Фактура %1"_s.arg(k));
            r.setText(u"nareditel"_s, names[rng.bounded(names.size())] + u' ' + QString::number(k % 97));
            r.setText(u"IBANn"_s, u"BG80BNBG96611020345678"_s);
            r.setDate(u"workDate"_s, QDate(2010, 3, 5));
            table.insert(r);
        }
        tx.commit();
    }
    out << "seeded " << orders << " credit transfer orders in " << timer.elapsed() << " ms\n";

    auto time = [&out](const char *what, const std::function<void()> &op, int repeat = 1) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < repeat; ++i)
            op();
        out << what << ": " << QString::number(double(t.nsecsElapsed()) / 1e6 / repeat, 'f', 2)
            << " ms\n";
        out.flush();
    };
    const QString main = store.paths().mainPath;
    const QDeadlineTimer ample(QDeadlineTimer::Forever);
    FileCheck check;
    time(
        "start-up check, page walk and quick_check within 50 ms",
        [&] {
            QDeadlineTimer deep(50);
            check = CheckDatabaseFile(main, DbKind::Main, QDeadlineTimer(1000), deep);
        },
        5);
    out << "  (sound " << check.sound << ", quick_check finished " << check.complete << ")\n";
    time(
        "  page walk of every table and index alone",
        [&] { check = CheckDatabaseFile(main, DbKind::Main, ample, QDeadlineTimer(0)); }, 5);
    time(
        "  whole quick_check without a bound",
        [&] { check = CheckDatabaseFile(main, DbKind::Main, ample, ample); }, 3);
    out << "  (sound " << check.sound << ", finished " << check.complete << ")\n";
    time("start-up re-index", [&] { ReindexAll(store, false); }, 5);
    time("whole start-up (re-index, upgrade, records)", [&] { RunStartup(store, QDate::currentDate()); }, 3);
    qint64 free = 0;
    time("NextFreeKod on the full table", [&] { free = NextFreeKod(store, 4); }, 5);
    out << "  (lowest free number " << free << ")\n";
    time("one save (open, write, close)", [&] {
        auto t = store.table(DbKind::Main, u"PlnTable"_s);
        Record r = *t->find(orders / 2);
        r.setText(u"osnovanie"_s, u"Поправена фактура"_s);
        t->save(r);
    }, 20);
    time("menu re-index (rebuilds every index)", [&] { ReindexAll(store, false); ReindexAll(store, true); });
    time("sort by ordering party", [&] { SortDocuments(store); });
    qint64 records = 0;
    time(
        "records counted as the backup question does",
        [&] { records = CountRecords(main, DbKind::Main); }, 3);
    out << "  (" << records << " records)\n";
    time("compaction of both files (copy, backup copy, flushes, renames)",
         [&] { RepairAndCompact(store, 0); });

    // One leaf page in the middle of the orders written over with garbage.
    qint64 page = 0;
    {
        auto db = store.open(DbKind::Main);
        Statement st = db->prepare(
            u"SELECT pageno FROM dbstat WHERE name = 'PlnTable' AND pagetype = 'leaf' ORDER BY path"_s);
        QList<qint64> leaves;
        while (st.next()) leaves.append(st.integer(0));
        page = leaves.value(leaves.size() / 2);
    }
    {
        QFile f(main);
        f.open(QIODevice::ReadWrite);
        f.seek((page - 1) * 4096);
        QByteArray garbage(4096, '\0');
        QRandomGenerator rng(7);
        for (char &c : garbage) c = char(rng.bounded(256));
        f.write(garbage);
    }
    time("start-up check of the damaged file", [&] {
        check = CheckDatabaseFile(main, DbKind::Main, QDeadlineTimer(1000), QDeadlineTimer(50));
    });
    out << "  (sound " << check.sound << ": " << check.problem << ")\n";
    SalvageResult salvage;
    const QString copy = main + u".salvaged"_s;
    time("salvage of the damaged file", [&] { salvage = CopyDatabase(main, copy, DbKind::Main); });
    for (const TableLoss &l : salvage.losses)
        out << "  (" << l.table << ": " << l.rows << " rows lost" << (l.exact ? "" : ", estimated")
            << ")\n";
    out << "  (" << CountRecords(copy, DbKind::Main) << " of " << records << " records kept)\n";
    QFile::remove(copy);
    return 0;
}
