// Times the transfer of credit transfer orders: the export of the table to
// its file and the import of the file into an empty table with its key
// index. Each step can also run alone, so that a timer of whole processes
// can set it beside the sqlite3 tool's dump and import of the same rows.
//
//   bench_transfer [orders=100000]       seeds, exports, imports, prints the times
//   bench_transfer seed ORDERS FOLDER    FOLDER/Remitor.MDB with the orders
//   bench_transfer export FOLDER OUT     the orders of FOLDER into OUT/Pln.TXT
//   bench_transfer import FOLDER IN      IN/Pln.TXT into FOLDER, emptying the table first
//
// The same rows through the sqlite3 tool, timed the same way (for example
// with /usr/bin/time), give the yardstick: the dump
//   sqlite3 -cmd '.mode tabs' -cmd '.output dump.txt' FOLDER/Remitor.MDB
//           'SELECT * FROM PlnTable ORDER BY kod'
// and its import into a file that holds the empty table with its index
//   sqlite3 empty.MDB '.mode tabs' '.import dump.txt PlnTable'

#include "session/startup.h"
#include "store/store.h"
#include "transfer/transfer.h"
#include "transfer/transfer_kinds.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

void seed(Store &store, int orders)
{
    RunStartup(store, QDate(2010, 3, 5));
    const QStringList names = {u"Електроразпределение Север АД"_s,
                               u"Водоснабдяване и канализация ЕООД"_s,
                               u"Община Габрово"_s,
                               u"Алфа Транс ООД"_s,
                               u"Български пощи ЕАД"_s,
                               u"Здравна каса"_s,
                               u"Агенция по вписванията"_s,
                               u"Юлия Петрова ЕТ"_s};
    auto table = store.table(DbKind::Main, u"PlnTable"_s);
    Transaction tx(table->db());
    Record r(table->def());
    QRandomGenerator rng(42);
    for (int k = 1; k <= orders; ++k) {
        r.setKey(k);
        r.setText(u"DoBanka"_s, u"Банка ДСК ЕАД"_s);
        r.setText(u"clon"_s, u"Габрово"_s);
        r.setText(u"pdate"_s, u"05 март 2010 г."_s);
        r.setText(u"poluchatel"_s, names[rng.bounded(names.size())]);
        r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
        r.setText(u"BICp"_s, u"BNBGBGSD"_s);
        r.setText(u"Bankap"_s, u"БНБ - Централно управление"_s);
        r.setText(u"valuta"_s, u"BGN"_s);
        r.setMoney(u"suma"_s, Money::fromRaw(rng.bounded(1, 100000000)));
        r.setText(u"osnovanie"_s, u"Фактура %1 от 01.03.2010"_s.arg(k));
        r.setText(u"poiasnenia"_s, u"Доставка на материали"_s);
        r.setText(u"nareditel"_s,
                  names[rng.bounded(names.size())] + u' ' + QString::number(k % 97));
        r.setText(u"IBANn"_s, u"BG80BNBG96611020345678"_s);
        r.setText(u"BICn"_s, u"BNBGBGSD"_s);
        r.setText(u"paySystem"_s, u"БИСЕРА"_s);
        r.setDate(u"workDate"_s, QDate(2010, 3, 5));
        table->insert(r);
    }
    tx.commit();
}

const QList<int> orders()
{
    return {transferKindIndex(u"cPln"_s)};
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    SilentInteraction ui(true);  // OK to every question
    QTextStream out(stdout);
    const QString mode = args.value(0);
    if (mode == u"seed"_s && args.size() == 3) {
        Store store(DbPaths::inDirectory(args[2]), ui);
        seed(store, args[1].toInt());
        return 0;
    }
    if ((mode == u"export"_s || mode == u"import"_s) && args.size() == 3) {
        Store store(DbPaths::inDirectory(args[1]), ui);
        Transfer t(store);
        const TransferResult r =
            mode == u"export"_s ? t.exportTo(args[2], orders()) : t.importFrom(args[2], orders());
        return r.completed ? 0 : 1;
    }

    const int count = args.isEmpty() ? 100000 : args[0].toInt();
    QTemporaryDir from, files, to;
    Store source(DbPaths::inDirectory(from.path()), ui);
    seed(source, count);
    Store target(DbPaths::inDirectory(to.path()), ui);
    RunStartup(target, QDate(2010, 3, 5));  // the empty table with its index

    QElapsedTimer timer;
    timer.start();
    const bool exported = Transfer(source).exportTo(files.path(), orders()).completed;
    const double exportMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const TransferResult in = Transfer(target).importFrom(files.path(), orders());
    const double importMs = double(timer.nsecsElapsed()) / 1e6;
    const qint64 bytes = QFileInfo(QDir(files.path()).filePath(u"Pln.TXT"_s)).size();
    out << "credit transfer orders: " << count << ", file " << bytes / 1024 / 1024 << " MB\n";
    out << "export (read, encode, write, rename): " << QString::number(exportMs, 'f', 1) << " ms"
        << (exported ? "" : " FAILED") << '\n';
    out << "import into the empty table with its index: " << QString::number(importMs, 'f', 1)
        << " ms, " << in.written << " rows" << (in.completed ? "" : " FAILED") << '\n';
    return exported && in.completed ? 0 : 1;
}
