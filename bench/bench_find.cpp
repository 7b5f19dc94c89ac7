// Times the find lists on a large table: all 100 000 credit transfers, and a
// search that finds one of them.
//
//   bench_find [orders=100000]

#include "documents/find_list.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace remitor;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int orders = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    SilentInteraction ui;
    Store store(DbPaths::inDirectory(dir.path()), ui);
    {
        auto t = store.table(DbKind::Main, u"PlnTable"_s);
        Transaction tx(t->db());
        Record r(t->def());
        for (int k = 1; k <= orders; ++k) {
            r.setKey(k);
            r.setText(u"DoBanka"_s, u"Банка ДСК ЕАД"_s);
            r.setText(u"Poluchatel"_s, u"Получател номер %1"_s.arg(k));
            r.setText(u"Nareditel"_s, u"Наредител %1"_s.arg(k % 500));
            r.setText(u"Osnovanie"_s, u"Фактура %1"_s.arg(k));
            t->insert(r);
        }
        tx.commit();
    }
    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    const FindListView all = BuildFindList(store, {3, QString(), 0, orders / 2}, u"Всички"_s);
    out << "list of all " << all.lines.size() << " orders: " << timer.elapsed() << " ms\n";
    timer.restart();
    const FindListView one = BuildFindList(store, {3, u"НОМЕР 77777"_s, 1, 0}, u"Един"_s);
    out << "search finding " << one.lines.size() << " order: " << timer.elapsed() << " ms\n";
    return 0;
}
