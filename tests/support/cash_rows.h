#pragma once

#include "cash/cash_book.h"
#include "store/store.h"

#include <QTest>

namespace remitor::test {

// A row of the cash book as a test writes it: amounts in stotinki (or cents).
struct BookRow {
    QString number;
    QDate date;
    QString note;
    qint64 in = 0;
    qint64 out = 0;
};

// Writes the rows under the keys 1, 2, 3 …, in one transaction.
inline void seedCashBook(Store &store, const QList<BookRow> &rows)
{
    auto t = store.table(CashBookTable());
    QVERIFY(t);
    Transaction tx(t->db());
    qint32 key = 0;
    for (const BookRow &b : rows) {
        Record r(CashBookTable());
        r.setKey(++key);
        r.setText(QStringLiteral("DocNo"), b.number);
        r.setDate(QStringLiteral("DocDate"), b.date);
        r.setText(QStringLiteral("Note"), b.note);
        r.setMoney(QStringLiteral("Prihod"), Money::fromRaw(b.in * 100));
        r.setMoney(QStringLiteral("Razhod"), Money::fromRaw(b.out * 100));
        QVERIFY(t->insert(r));
    }
    QVERIFY(tx.commit());
}

}  // namespace remitor::test
