#include "cash/cash_book.h"

#include "rules/dates.h"
#include "rules/formatting.h"
#include "store/national_currency.h"
#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

CashCurrency CashCurrencyOn(const QDate &date)
{
    return date.isValid() && date >= EuroChangeoverDate() ? CashCurrency::Euro : CashCurrency::Leva;
}

QString CurrencyCode(CashCurrency currency)
{
    return currency == CashCurrency::Euro ? u"EUR"_s : u"BGN"_s;
}

QString CurrencyUnit(CashCurrency currency)
{
    return currency == CashCurrency::Euro ? u"евро"_s : u"лв."_s;
}

QString MoneyText(Money amount)
{
    return amount.isZero() ? u"0.00"_s : FormatSpacePadded(amount, 20, 2).trimmed();
}

const TableDef &CashBookTable()
{
    return tableDef(DbKind::Main, u"KasaTable"_s);
}

bool IsBalanceRow(const QString &note)
{
    return note.contains(u"САЛДО"_s, Qt::CaseInsensitive);
}

namespace {

QList<Record> rowsWhere(Store &store, const QString &where, qint64 key, bool backwards)
{
    QList<Record> out;
    auto t = store.table(CashBookTable());
    if (!t)
        return out;
    Statement st = t->db().prepare(
        u"SELECT "_s + t->selectList() + u" FROM KasaTable WHERE "_s + where + u" ORDER BY kod"_s +
        (backwards ? u" DESC"_s : QString()) + u" LIMIT "_s + QString::number(CashPageRows));
    st.bind(1, key);
    while (st.next()) out.append(t->readRow(st));
    if (backwards)
        std::reverse(out.begin(), out.end());
    return out;
}

}  // namespace

QList<Record> CashRowsFrom(Store &store, qint32 firstKey)
{
    return rowsWhere(store, u"kod >= ?1"_s, firstKey, false);
}

QList<Record> CashRowsEndingAt(Store &store, qint32 lastKey)
{
    return rowsWhere(store, u"kod <= ?1"_s,
                     lastKey > 0 ? lastKey : std::numeric_limits<qint32>::max(), true);
}

int CashRowCount(Store &store)
{
    auto t = store.table(CashBookTable());
    return t ? t->count() : 0;
}

qint32 LastCashKey(Store &store)
{
    auto t = store.table(CashBookTable());
    const auto last = t ? t->last() : std::nullopt;
    return last ? last->key() : 0;
}

qint32 LastCashKey(Database &db)
{
    Statement st = db.prepare(u"SELECT MAX(kod) FROM KasaTable"_s);
    return st.next() ? qint32(st.integer(0)) : 0;
}

bool InsertCashRow(Database &db, const Record &row)
{
    Statement st = db.prepare(
        u"INSERT INTO KasaTable (kod, DocNo, DocDate, Note, Prihod, Razhod) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6)"_s);
    st.bind(1, qint64(row.key()));
    st.bind(2, row.text(u"DocNo"_s).trimmed());
    if (row.date(u"DocDate"_s).isValid())
        st.bind(3, dateToStorage(row.date(u"DocDate"_s)));
    else
        st.bindNull(3);
    st.bind(4, RightTrimmed(row.text(u"Note"_s)));
    st.bind(5, row.money(u"Prihod"_s).raw());
    st.bind(6, row.money(u"Razhod"_s).raw());
    return st.run();
}

CommitOutcome CommitCashRow(Store &store, Record &row, const QString &dateText, const QDate &today,
                            Interaction &ui)
{
    const QString typed = dateText.trimmed();
    const QString normal = NormalizeDateText(typed);
    const bool numbered = row.text(u"DocNo"_s).trimmed().size() > 0;
    const bool noted = row.text(u"Note"_s).trimmed().size() > 0;
    if (!numbered && !noted && typed.isEmpty())
        return CommitOutcome::Blank;
    if (!typed.isEmpty() && normal.isEmpty()) {
        // A movement that belongs to no day belongs to no period and no currency.
        ui.tell(u"Невалидна дата"_s, Interaction::Icon::Warning);
        return CommitOutcome::BadDate;
    }
    // A new row without a date is of the working day. A stored row that has
    // none (older books have such balance rows) keeps none: the working
    // date would move it into another period, and its leva into euro.
    const bool undatedStored = row.key() != 0 && !row.date(u"DocDate"_s).isValid();
    row.setDate(u"DocDate"_s, typed.isEmpty() ? (undatedStored ? QDate() : today)
                                              : DateFromText(normal));
    auto t = store.table(CashBookTable());
    if (!t)
        return CommitOutcome::Failed;
    const qint32 before = row.key();
    if (row.key() == 0) {
        const auto last = t->last();
        row.setKey(last ? qint64(last->key()) + 1 : 1);
    }
    if (!t->save(row)) {
        row.setKey(before);
        return CommitOutcome::Failed;
    }
    return CommitOutcome::Stored;
}

bool DeleteCashRow(Store &store, qint32 key, Interaction &ui)
{
    if (key == 0 || !ui.askOkCancel(u"Изтрива маркирания ред."_s))
        return false;
    auto t = store.table(CashBookTable());
    return t && t->remove(key);
}

bool SortCashBookByDate(Store &store, Interaction &ui)
{
    if (!ui.askOkCancel(u"Сортира записите по дати?"_s))
        return false;
    auto t = store.table(CashBookTable());
    if (!t)
        return false;
    Database &db = t->db();
    Transaction tx(db);
    // The keys are unique: first out of the way (negative), then 1..N in
    // the order of the dates; rows without a date come first, as the
    // earliest, and rows of one date keep the order of their old keys.
    const bool ok = tx.isActive() && db.exec(u"UPDATE KasaTable SET kod = -kod"_s) &&
                    db.exec(
                        u"UPDATE KasaTable SET kod = r.n FROM (SELECT kod AS k, ROW_NUMBER() "
                        "OVER (ORDER BY DocDate, kod DESC) AS n FROM KasaTable) AS r "
                        "WHERE KasaTable.kod = r.k"_s) &&
                    tx.commit();
    if (!ok)
        store.report(db.lastError());
    return ok;
}

qint32 NextCashOrderNumber(Store &store, bool receipt)
{
    auto t = store.table(CashBookTable());
    if (!t)
        return 1;
    // The number a text begins with, as the engine reads it ("12/А" is 12);
    // beyond the 16 bits of the order's number field it cannot be followed.
    const QString side = receipt ? u"Prihod"_s : u"Razhod"_s;
    Statement st = t->db().prepare(
        u"SELECT MAX(n) FROM (SELECT CAST(DocNo AS INTEGER) AS n FROM "
        "KasaTable WHERE "_s +
        side + u" <> 0) WHERE n BETWEEN 1 AND 32766"_s);
    return st.next() ? qint32(st.integer(0)) + 1 : 1;
}

}  // namespace remitor
