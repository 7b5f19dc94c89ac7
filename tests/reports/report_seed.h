#pragma once

#include "reports/reports_base.h"
#include "store/store.h"

#include <QHash>
#include <QTest>

namespace remitor::test {

// A copy put into the reports base as the copy command leaves it: the
// texts given, the amount, and the date as the kind keeps it (a text for
// the kinds that keep a text, "dd.mm.yyyy" read into a date for the others;
// an empty text leaves it empty).
inline bool seedCopy(Table &table, qint32 number, const QString &date,
                     const QHash<QString, QString> &texts, qint64 amountUnits = 0)
{
    Record r(table.def());
    r.setKey(number);
    const QString dateField = table.def().dateField;
    if (table.def().field(dateField)->type == FieldType::Date)
        r.setDate(dateField, QDate::fromString(date, QStringLiteral("dd.MM.yyyy")));
    else
        r.setText(dateField, date);
    for (auto it = texts.begin(); it != texts.end(); ++it) r.setText(it.key(), it.value());
    r.setMoney(QStringLiteral("suma"), Money::fromUnits(amountUnits));
    return table.save(r);
}

}  // namespace remitor::test
