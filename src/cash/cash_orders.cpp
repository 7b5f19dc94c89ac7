#include "cash/cash_orders.h"

#include "print/page_fill.h"
#include "rules/formatting.h"
#include "rules/words.h"
#include "session/session.h"
#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

bool IsCashReceipt(const Record &order)
{
    return order.def().name.compare(u"PKOTable"_s, Qt::CaseInsensitive) == 0;
}

QString CashOrderNumberField(const Record &order)
{
    return IsCashReceipt(order) ? u"PKOno"_s : u"RKOno"_s;
}

QString CashOrderPartyField(const Record &order)
{
    return IsCashReceipt(order) ? u"Vnositel"_s : u"Poluchatel"_s;
}

CashCurrency CashOrderCurrency(const Record &order, const QDate &today)
{
    const QDate date = order.date(u"pDate"_s);
    return CashCurrencyOn(date.isValid() ? date : today);
}

QString CashOrderWords(const Record &order, const QDate &today)
{
    return AmountInWordsBG(ShownAmount(order.money(u"suma"_s)),
                           CurrencyCode(CashOrderCurrency(order, today)));
}

void ProposeCashOrderNumber(Session &session, Record &order)
{
    order.setInteger(CashOrderNumberField(order),
                     NextCashOrderNumber(session.store(), IsCashReceipt(order)));
}

void OpenCashOrder(Session &session, Record &order)
{
    if (order.key() != 0)
        return;  // a stored order shows as it was stored
    // Without the firm's data a firm typed into the order stays.
    if (!session.firma.text(u"ime"_s).trimmed().isEmpty()) {
        order.setText(u"Firma"_s, session.firma.text(u"ime"_s).trimmed());
        order.setText(u"Bulstat"_s, session.firma.text(u"Bulstat"_s).trimmed());
    }
    ProposeCashOrderNumber(session, order);
}

void RenewCashOrder(Session &session, Record &order)
{
    // A new order: saved, it must not go over the one it was started from.
    order.setKey(0);
    ProposeCashOrderNumber(session, order);
    order.setDate(u"pDate"_s, session.today);
    order.setText(CashOrderPartyField(order), QString());
    order.setText(u"Osnovanie"_s, QString());
    order.setMoney(u"suma"_s, Money());
}

namespace {

// The row that the order writes into the cash book.
Record bookRowOf(const Record &order, qint32 key)
{
    Record row(CashBookTable());
    row.setKey(key);
    row.setText(u"DocNo"_s, QString::number(order.integer(CashOrderNumberField(order))));
    row.setDate(u"DocDate"_s, order.date(u"pDate"_s));
    row.setText(u"Note"_s, order.text(CashOrderPartyField(order)).trimmed().left(30));
    // The amount to the cent, as the order shows and prints it.
    row.setMoney(IsCashReceipt(order) ? u"Prihod"_s : u"Razhod"_s,
                 ShownAmount(order.money(u"suma"_s)));
    return row;
}

bool postedBefore(Database &db, const Record &row, bool receipt)
{
    const QString side = receipt ? u"Prihod"_s : u"Razhod"_s;
    Statement st =
        db.prepare(u"SELECT 1 FROM KasaTable WHERE TRIM(DocNo) = ?1 AND DocDate = ?2 AND "_s +
                   side + u" = ?3 LIMIT 1"_s);
    st.bind(1, row.text(u"DocNo"_s).trimmed());
    st.bind(2, dateToStorage(row.date(u"DocDate"_s)));
    st.bind(3, row.money(side).raw());
    return st.next();
}

}  // namespace

bool PostCashOrder(Session &session, Record &order, QString &status)
{
    Interaction &ui = session.ui();
    const bool receipt = IsCashReceipt(order);
    const QString name = (receipt ? u"ПКО No:"_s : u"РКО No:"_s) +
                         numberText(order.integer(CashOrderNumberField(order)));
    status.clear();
    if (session.document(order.def()).fromReports) {
        // Posting stores the order, and this one may not be stored.
        ui.tell(u"Този документ е от база справки."_s);
        status = u"Не е отразен: документът е от базата за справки."_s;
        return false;
    }
    if (ShownAmount(order.money(u"suma"_s)) <= Money()) {
        ui.tell(u"Няма сума за отразяване в касовата книга."_s);
        status = u"Не е отразен: няма сума."_s;
        return false;
    }
    if (!ui.askOkCancel(receipt ? u"Отразява прихода в касовата книга"_s
                                : u"Отразява разхода в касовата книга"_s)) {
        status = u"Не е отразен."_s;
        return false;
    }
    // The book is made ready first; then the order and its row are written
    // on one connection, in one transaction.
    auto orders =
        session.store().table(CashBookTable()) ? session.store().table(order.def()) : std::nullopt;
    if (!orders) {
        status = u"Не е отразен: базата не може да се отвори."_s;
        return false;
    }
    Database &db = orders->db();
    const Record before = order;
    // Posting stores the order. One read from the stored orders and changed
    // since would go over the order it was started from: the user chooses,
    // as on saving, between its number and a new one.
    if (order.key() != 0)
        if (const std::optional<Record> stored = orders->find(order.key());
            stored && !(*stored == order)) {
            SaveChoice choice;
            choice.overwriteCaption = u"Презапис"_s + numberText(order.key());
            choice.newCaption = u"Нов запис"_s + numberText(orders->nextFreeKey());
            choice.offsetTwips = QPoint(0, 1650);
            switch (ui.chooseSave(choice)) {
            case SaveChoice::Cancel: status = u"Не е отразен."_s; return false;
            case SaveChoice::New: order.setKey(0); break;
            case SaveChoice::Overwrite: break;
            }
        }
    if (!order.date(u"pDate"_s).isValid())
        order.setDate(u"pDate"_s, session.today);
    const Record row = bookRowOf(order, LastCashKey(db) + 1);
    if (postedBefore(db, row, receipt) &&
        !ui.askOkCancel(name + u" е отразен вече в касовата книга.\nОтразява го отново?"_s, {},
                        true)) {
        order = before;
        status = u"Не е отразен."_s;
        return false;
    }
    Transaction tx(db);
    bool ok = tx.isActive();
    if (ok && order.key() == 0) {
        const qint64 free = orders->nextFreeKey();
        ok = free > 0;
        order.setKey(free);
    }
    ok = ok && orders->save(order) && InsertCashRow(db, row) && tx.commit();
    if (!ok) {
        order = before;
        status = u"Не е отразен: грешка при записа."_s;
        return false;
    }
    status = u"Отразен в касовата книга, ред No "_s + QString::number(row.key());
    return true;
}

}  // namespace remitor
