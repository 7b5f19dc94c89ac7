#include "params.h"

#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString signatureBoth =
    u"Съставил: _____________________           Приел: _____________________"_s;
const QString signatureOne = u"Съставил: _____________________"_s;

// Defaults of the fields that have one, for a record that never held them.
QList<std::pair<QString, QString>> paramDefaults()
{
    QList<std::pair<QString, QString>> d;
    for (int i : {1, 2, 3, 4, 9})
        d.append({u"podpis%1"_s.arg(i), signatureBoth});
    for (int i : {5, 6, 7, 8})
        d.append({u"podpis%1"_s.arg(i), signatureOne});
    d.append({u"textraz"_s, u"Сумата не е за заплати."_s});
    return d;
}

// A value never set: no row, no such column, NULL, or a first character
// below a blank.
bool neverSet(Table &t, const QString &field)
{
    bool present = false;
    for (const auto &c : t.db().columns(t.def().name))
        present = present || c.name.compare(field, Qt::CaseInsensitive) == 0;
    if (!present)
        return true;
    Statement st = t.db().prepare(u"SELECT "_s + quoted(field) + u" FROM "_s + quoted(t.def().name) +
                                  u" LIMIT 1"_s);
    if (!st.next() || st.isNull(0))
        return true;
    const QString v = st.text(0);
    return v.isEmpty() ? false : v.at(0) < u' ';
}

}  // namespace

Record NewParamRecord()
{
    return Record(tableDef(DbKind::Main, u"ParamTable"_s));
}

Record NewFirmaRecord()
{
    return Record(tableDef(DbKind::Main, u"Firma"_s));
}

void LoadParams(Store &store, Record &params)
{
    if (!params.isValid())
        params = NewParamRecord();
    QList<QString> unset;
    if (auto t = store.table(DbKind::Main, u"ParamTable"_s)) {
        Statement st = t->db().prepare(u"SELECT "_s + t->selectList() + u" FROM ParamTable LIMIT 1"_s);
        const bool hasRow = st.next();
        if (hasRow)
            params = t->readRow(st);
        // A row of a layout that cannot be read is made anew; a damaged
        // page is left to the repair, which keeps what can be read.
        if (st.error().isError() && !st.error().isDamage()) {
            st = Statement();
            t->db().exec(u"DROP TABLE ParamTable"_s);
        }
        for (const auto &[field, value] : paramDefaults())
            if (!hasRow || neverSet(*t, field))
                unset.append(field);
    } else {
        for (const auto &[field, value] : paramDefaults())
            unset.append(field);
    }
    // The order-receipt's extra line found empty reads as its first text.
    if (params.text(u"textraz"_s).trimmed().isEmpty())
        unset.append(u"textraz"_s);
    for (const auto &[field, value] : paramDefaults())
        if (unset.contains(field))
            params.setText(field, value);
    SaveParams(store, params);
}

bool SaveParams(Store &store, Record &params)
{
    params.setText(u"Version"_s, QString::fromUtf16(ProgramVersion));
    auto t = store.table(DbKind::Main, u"ParamTable"_s);
    return t && t->replaceWith(params);
}

void LoadFirma(Store &store, Record &firma)
{
    firma = NewFirmaRecord();
    if (auto t = store.table(DbKind::Main, u"Firma"_s)) {
        Statement st = t->db().prepare(u"SELECT "_s + t->selectList() + u" FROM Firma LIMIT 1"_s);
        if (st.next())
            firma = t->readRow(st);
    }
}

bool SaveFirma(Store &store, const Record &firma)
{
    auto t = store.table(DbKind::Main, u"Firma"_s);
    return t && t->replaceWith(firma);
}

QList<Record> LoadOwnAccounts(Store &store)
{
    QList<Record> out;
    if (auto t = store.table(DbKind::Main, u"FirmaBankTable"_s))
        t->scan(Table::Order::Key, [&out](const Record &r) {
            out.append(r);
            return true;
        });
    return out;
}

bool SaveOwnAccounts(Store &store, const QList<Record> &accounts)
{
    auto t = store.table(DbKind::Main, u"FirmaBankTable"_s);
    if (!t)
        return false;
    Transaction tx(t->db());
    if (!tx.isActive() || !t->removeAll())
        return false;
    qint64 number = 0;
    for (Record r : accounts) {
        r.setKey(++number);
        if (!t->insert(r))
            return false;
    }
    return tx.commit();
}

bool ColorPrintingFrom(const Record &params)
{
    // The number at the start of the text, as the old programs read it.
    const QString s = params.text(u"DanNomer"_s).trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        negative = s[i++] == u'-';
    qint64 whole = 0;
    bool fraction = false;
    while (i < s.size() && s[i].isDigit() && whole < 1000000)
        whole = whole * 10 + s[i++].digitValue();
    if (i < s.size() && s[i] == u'.')
        for (++i; i < s.size() && s[i].isDigit(); ++i)
            fraction = fraction || s[i] != u'0';
    if (negative)
        return whole == 0 && !fraction;
    return (whole == 0 && !fraction) || whole > 1 || (whole == 1 && fraction);
}

}  // namespace remitor
