#include "cash/period_closing.h"

#include "rules/dates.h"
#include "rules/euro.h"
#include "rules/formatting.h"
#include "store/maintenance.h"
#include "store/national_currency.h"
#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString kTitle = u"Приключване"_s;

}  // namespace

std::optional<ClosingBalance> PlanClosing(Store &store, const QDate &from, const QDate &to)
{
    auto t = store.table(CashBookTable());
    if (!t || !from.isValid() || !to.isValid() || to < from)
        return std::nullopt;
    Database &db = t->db();
    Statement inPeriod =
        db.prepare(u"SELECT 1 FROM KasaTable WHERE DocDate BETWEEN ?1 AND ?2 LIMIT 1"_s);
    inPeriod.bind(1, dateToStorage(from));
    inPeriod.bind(2, dateToStorage(to));
    if (!inPeriod.next())
        return std::nullopt;
    // The sums per currency, in the engine's integers: no row is read twice
    // and no leva are added to euro.
    Statement st = db.prepare(
        u"SELECT COALESCE(SUM(CASE WHEN DocDate IS NULL OR DocDate < ?2 THEN Prihod - Razhod END), "
        u"0), "
        "COUNT(CASE WHEN DocDate IS NULL OR DocDate < ?2 THEN 1 END), "
        "COALESCE(SUM(CASE WHEN DocDate >= ?2 THEN Prihod - Razhod END), 0) "
        "FROM KasaTable WHERE DocDate IS NULL OR DocDate <= ?1"_s);
    st.bind(1, dateToStorage(to));
    st.bind(2, dateToStorage(EuroChangeoverDate()));
    if (!st.next())
        return std::nullopt;
    const Money leva = Money::fromRaw(st.integer(0));
    const bool anyLeva = st.integer(1) > 0;
    const Money euro = Money::fromRaw(st.integer(2));

    ClosingBalance b;
    b.date = to.addDays(1);
    b.currency = CashCurrencyOn(b.date);
    b.note = u"Салдо"_s;
    if (b.currency == CashCurrency::Leva) {
        b.amount = leva;  // a leva period holds no euro rows
    } else {
        b.amount = LevaToEuro(leva) + euro;
        b.carriesLeva = anyLeva;
        b.levaCarried = leva;
        if (anyLeva)
            b.note = u"Салдо от "_s + MoneyText(leva) + u" лв."_s;
    }
    return b;
}

std::optional<ClosingBalance> ClosePeriod(Store &store, const QDate &from, const QDate &to,
                                          bool compact)
{
    Interaction &ui = store.ui();
    if (!from.isValid() || !to.isValid()) {
        ui.tell(u"Невалидна дата"_s, Interaction::Icon::Warning, kTitle);
        return std::nullopt;
    }
    if (to < from) {
        ui.tell(u"Крайната дата е преди началната."_s, Interaction::Icon::Warning, kTitle);
        return std::nullopt;
    }
    const std::optional<ClosingBalance> plan = PlanClosing(store, from, to);
    if (!plan) {
        ui.tell(u"Няма записи в касовата книга от "_s + ShortDateText(from) + u" до "_s +
                    ShortDateText(to) + u'.',
                Interaction::Icon::Warning, kTitle);
        return std::nullopt;
    }
    QString question =
        u"Ще се извърши приключване на касовата книга.\n"
        "Всички записи ще се изтрият, резултатът ще\n"
        "се запише като Салдо за новия период.\n"_s;
    question += u"\nПериод: от "_s + ShortDateText(from) + u" до "_s + ShortDateText(to) + u'.';
    if (auto t = store.table(CashBookTable())) {
        Statement later = t->db().prepare(u"SELECT 1 FROM KasaTable WHERE DocDate > ?1 LIMIT 1"_s);
        later.bind(1, dateToStorage(to));
        if (later.next())
            question += u"\nЗаписите след "_s + ShortDateText(to) + u" остават."_s;
    }
    if (!ui.askOkCancel(question, kTitle))
        return std::nullopt;
    if (plan->carriesLeva &&
        !ui.askOkCancel(u"Салдото се пренася в евро по курс "_s + QString::fromUtf16(EuroRateText) +
                            u":\n"_s + MoneyText(plan->levaCarried) + u" лв. → "_s +
                            MoneyText(LevaToEuro(plan->levaCarried)) + u" евро."_s,
                        kTitle))
        return std::nullopt;
    // The rows closed are gone from the book: the backup keeps them.
    if (compact && !RepairAndCompact(store, 0)) {
        ui.tell(u"Касовата книга не е приключена."_s, Interaction::Icon::Warning, kTitle);
        return std::nullopt;
    }

    auto t = store.table(CashBookTable());
    if (!t)
        return std::nullopt;
    Database &db = t->db();
    Transaction tx(db);
    Record row(CashBookTable());
    row.setKey(1);
    row.setText(u"DocNo"_s, u"0"_s);
    row.setDate(u"DocDate"_s, plan->date);
    row.setText(u"Note"_s, plan->note);
    // A negative balance is a negative receipt.
    row.setMoney(u"Prihod"_s, plan->amount);
    // The rows after the period are put aside, the book emptied at once
    // (cheaper than deleting the closed rows one by one from every index),
    // and the rows put back after the balance row, in their order.
    const QString columns = u"DocNo, DocDate, Note, Prihod, Razhod"_s;
    Statement keep = db.prepare(u"CREATE TEMP TABLE CashKept AS SELECT kod, "_s + columns +
                                u" FROM KasaTable WHERE DocDate > ?1"_s);
    keep.bind(1, dateToStorage(to));
    const bool ok = tx.isActive() && keep.run() && db.exec(u"DELETE FROM KasaTable"_s) &&
                    InsertCashRow(db, row) &&
                    db.exec(u"INSERT INTO KasaTable (kod, "_s + columns +
                            u") SELECT ROW_NUMBER() OVER (ORDER BY kod) + 1, "_s + columns +
                            u" FROM CashKept ORDER BY kod"_s) &&
                    db.exec(u"DROP TABLE CashKept"_s) && tx.commit();
    if (!ok) {
        store.report(db.lastError());
        ui.tell(u"Касовата книга не е приключена."_s, Interaction::Icon::Warning, kTitle);
        return std::nullopt;
    }
    return plan;
}

}  // namespace remitor
