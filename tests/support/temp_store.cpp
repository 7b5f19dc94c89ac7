#include "temp_store.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace remitor::test {

bool execOn(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK;
    registerCollations(db);
    ok = ok && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QStringList rowsOn(const QString &path, const QString &sql)
{
    QStringList out;
    Database db(path, DbKind::Main);
    Statement st = db.prepare(sql);
    while (st.next()) {
        QStringList cols;
        for (int i = 0; i < st.columnCount(); ++i)
            cols.append(st.isNull(i) ? QStringLiteral("NULL") : st.text(i));
        out.append(cols.join(QLatin1Char('|')));
    }
    return out;
}

QString queryOn(const QString &path, const QString &sql)
{
    const QStringList rows = rowsOn(path, sql);
    return rows.isEmpty() ? QString() : rows.first().section(QLatin1Char('|'), 0, 0);
}

bool fillOrders(Store &store, int count, DbKind kind)
{
    auto table = store.table(kind, u"PlnTable"_s);
    if (!table)
        return false;
    Transaction tx(table->db());
    Record r(table->def());
    for (int k = 1; k <= count; ++k) {
        r.setKey(k);
        r.setText(u"DoBanka"_s, u"Банка ДСК ЕАД"_s);
        r.setText(u"poluchatel"_s, u"Електроразпределение Север АД"_s);
        r.setText(u"IBANp"_s, u"BG80BNBG96611020345678"_s);
        r.setText(u"osnovanie"_s, u"Фактура %1"_s.arg(k));
        r.setText(u"nareditel"_s, u"Алфа Транс ООД %1"_s.arg(k));
        r.setMoney(u"suma"_s, Money::fromRaw(qint64(k) * 12345));
        if (!table->insert(r))
            return false;
    }
    return tx.commit();
}

namespace
{

quint64 varint(const uchar *p, int &used)
{
    quint64 v = 0;
    for (used = 1; used <= 9; ++used) {
        const uchar b = p[used - 1];
        if (used == 9)
            return (v << 8) | b;
        v = (v << 7) | (b & 0x7f);
        if (!(b & 0x80))
            return v;
    }
    return v;
}

// Walks the tree from `page` down: table and index pages of the file format.
void walk(const QByteArray &file, int pageSize, int page, QList<LeafPage> &out)
{
    const auto *base =
        reinterpret_cast<const uchar *>(file.constData()) + qsizetype(page - 1) * pageSize;
    const auto *hdr = base + (page == 1 ? 100 : 0);
    const int type = hdr[0];
    const int cells = qFromBigEndian<quint16>(hdr + 3);
    const bool interior = type == 0x02 || type == 0x05;
    const auto *pointers = hdr + (interior ? 12 : 8);
    if (interior) {
        for (int i = 0; i < cells; ++i)
            walk(file, pageSize,
                 int(qFromBigEndian<quint32>(base + qFromBigEndian<quint16>(pointers + 2 * i))),
                 out);
        walk(file, pageSize, int(qFromBigEndian<quint32>(hdr + 8)), out);
        return;
    }
    LeafPage leaf{page, {}};
    if (type == 0x0d) {  // table leaf: payload size, then the row number
        for (int i = 0; i < cells; ++i) {
            const uchar *cell = base + qFromBigEndian<quint16>(pointers + 2 * i);
            int used = 0;
            varint(cell, used);
            int used2 = 0;
            leaf.rows.append(qint64(varint(cell + used, used2)));
        }
    }
    out.append(leaf);
}

}  // namespace

QList<LeafPage> leafPages(const QString &path, const QString &tree)
{
    const int root =
        queryOn(path, u"SELECT rootpage FROM sqlite_master WHERE name = '"_s + tree + u"'"_s)
            .toInt();
    QFile f(path);
    if (root <= 0 || !f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray file = f.readAll();
    const int stored = qFromBigEndian<quint16>(file.constData() + 16);
    QList<LeafPage> out;
    walk(file, stored == 1 ? 65536 : stored, root, out);
    return out;
}

void damagePage(const QString &path, int page)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return;
    const int stored = qFromBigEndian<quint16>(f.read(18).constData() + 16);
    const int size = stored == 1 ? 65536 : stored;
    QByteArray garbage(size, '\0');
    QRandomGenerator rng(page);
    for (char &c : garbage) c = char(rng.bounded(256));
    f.seek(qint64(page - 1) * size);
    f.write(garbage);
}

}  // namespace remitor::test
