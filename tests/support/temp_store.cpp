#include "temp_store.h"

#include <sqlite3.h>

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

}  // namespace remitor::test
