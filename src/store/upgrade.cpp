#include "upgrade.h"

#include "store/maintenance.h"
#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

struct Step {
    enum What { AddIfMissing, DropIfPresent, ResizeIfNot, DropIfWidthNot };
    DbKind db;
    const char *table;
    const char *field;
    What what;
    int width = 0;
};

constexpr DbKind M = DbKind::Main;
constexpr DbKind R = DbKind::Reports;

const Step steps[] = {
    {M, "MassTable", "SEBRA", Step::AddIfMissing},
    {M, "MassTable", "IBANp", Step::AddIfMissing},
    {M, "MassTable", "BICp", Step::AddIfMissing},
    {M, "MassTable", "vid", Step::AddIfMissing},
    {M, "MassTable", "nositel", Step::AddIfMissing},
    {M, "MassTable", "paper", Step::DropIfPresent},
    {M, "MassTable", "disk", Step::DropIfPresent},
    {M, "MassTable", "lenta", Step::DropIfPresent},
    {M, "MassTable", "kaseta", Step::DropIfPresent},
    {M, "PlnTable", "TAXvaluta", Step::AddIfMissing},
    {M, "PlnTable", "TAXsuma", Step::AddIfMissing},
    {M, "PlnMTable", "TAXvaluta", Step::AddIfMissing},
    {M, "PlnMTable", "TAXsuma", Step::AddIfMissing},
    {M, "PlnMTable", "IBANp", Step::ResizeIfNot, 40},
    {M, "PlnMTable", "BICp", Step::ResizeIfNot, 11},
    {M, "KomandTable", "Work", Step::ResizeIfNot, 180},
    {M, "KomandTable", "smetka", Step::ResizeIfNot, 80},
    {M, "KlientTable", "bgrad", Step::ResizeIfNot, 35},
    {R, "PlnTable", "TAXvaluta", Step::AddIfMissing},
    {R, "PlnTable", "TAXsuma", Step::AddIfMissing},
    {R, "PlnMTable", "TAXvaluta", Step::AddIfMissing},
    {R, "PlnMTable", "TAXsuma", Step::AddIfMissing},
    {R, "PlnMTable", "KodValuta", Step::DropIfWidthNot, 3},
    {R, "PlnMTable", "IBANp", Step::ResizeIfNot, 40},
    {R, "PlnMTable", "BICp", Step::ResizeIfNot, 11},
};

struct Column {
    QString name;
    QString type;
    QString source;  // expression over the old table; empty for a new field
};

// Rewrites the table with the given columns, in one transaction, and gives
// it back its indexes.
bool rebuild(Store &store, Database &db, const TableDef &def, const QList<Column> &columns)
{
    const QString temp = u"remitor_upgrade_temp"_s;
    QStringList decl, names, sources;
    for (const Column &c : columns) {
        decl.append(quoted(c.name) + u' ' + c.type);
        if (!c.source.isEmpty()) {
            names.append(quoted(c.name));
            sources.append(c.source);
        }
    }
    Transaction tx(db);
    db.exec(u"DROP TABLE IF EXISTS "_s + quoted(temp));
    const bool ok = tx.isActive() &&
                    db.exec(u"CREATE TABLE "_s + quoted(temp) + u" ("_s + decl.join(u", "_s) + u')') &&
                    db.exec(u"INSERT INTO "_s + quoted(temp) + u" ("_s + names.join(u", "_s) +
                            u") SELECT "_s + sources.join(u", "_s) + u" FROM "_s + quoted(def.name)) &&
                    db.exec(u"DROP TABLE "_s + quoted(def.name)) &&
                    db.exec(u"ALTER TABLE "_s + quoted(temp) + u" RENAME TO "_s + quoted(def.name)) &&
                    db.readSchema() && RebuildIndexes(store, db, def, false) && tx.commit();
    db.readSchema();
    return ok;
}

void runStep(Store &store, Database &db, const Step &step)
{
    const TableDef &def = tableDef(step.db, QLatin1StringView(step.table));
    const QString field = QLatin1StringView(step.field);
    if (!db.hasTable(def.name))
        return;
    QList<Column> cols;
    int at = -1;
    for (const auto &c : db.columns(def.name)) {
        if (c.name.compare(field, Qt::CaseInsensitive) == 0)
            at = int(cols.size());
        cols.append({c.name, c.declaredType, quoted(c.name)});
    }

    FieldType type;
    int width = 0;
    const bool typed = at >= 0 && FieldDef::parseDeclaredType(cols[at].type, type, width);

    switch (step.what) {
    case Step::AddIfMissing: {
        if (at >= 0)
            return;
        const FieldDef *f = def.field(field);
        // Its place: after the nearest field before it in the layout that
        // the table has.
        int insertAt = 0;
        for (int i = def.fieldIndex(field) - 1; i >= 0 && insertAt == 0; --i)
            for (int j = 0; j < cols.size(); ++j)
                if (cols[j].name.compare(def.fields[i].name, Qt::CaseInsensitive) == 0) {
                    insertAt = j + 1;
                    break;
                }
        cols.insert(insertAt, {f->name, f->declaredType(), {}});
        break;
    }
    case Step::DropIfPresent:
        if (at < 0)
            return;
        cols.removeAt(at);
        break;
    case Step::DropIfWidthNot:
        if (at < 0 || (typed && type == FieldType::Text && width == step.width))
            return;
        cols.removeAt(at);
        break;
    case Step::ResizeIfNot:
        if (at < 0 || (typed && type == FieldType::Text && width == step.width))
            return;
        cols[at].type = u"TEXT(%1)"_s.arg(step.width);
        cols[at].source = u"substr("_s + quoted(cols[at].name) + u", 1, %1)"_s.arg(step.width);
        break;
    }
    rebuild(store, db, def, cols);
}

}  // namespace

void UpgradeSchema(Store &store)
{
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        auto db = store.open(kind);
        if (!db)
            continue;
        for (const Step &step : steps)
            if (step.db == kind)
                runStep(store, *db, step);
        // The key and date indexes of the two transfer-order copies are
        // given their current shape.
        if (kind == DbKind::Reports)
            for (const char *t : {"PlnTable", "PlnMTable"})
                if (db->hasTable(QLatin1StringView(t)))
                    RebuildIndexes(store, *db, tableDef(kind, QLatin1StringView(t)), false);
    }
}

}  // namespace remitor
