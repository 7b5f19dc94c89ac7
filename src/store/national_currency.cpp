#include "store/national_currency.h"

#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString kTable = u"ValutaTable"_s;
const QString kField = u"NacValuta"_s;

// The code as a choice, or empty.
QString choice(const QString &code)
{
    const QString upper = code.trimmed().toUpper();
    return NationalCurrencyChoices().contains(upper) ? upper : QString();
}

}  // namespace

QStringList NationalCurrencyChoices()
{
    return {QString::fromUtf16(DefaultNationalCurrency), u"BGN"_s};
}

QDate EuroChangeoverDate()
{
    return QDate(2026, 1, 1);
}

bool NationalCurrencyFits(const QString &code, const QDate &date)
{
    const QString c = choice(code);
    if (c == u"BGN")
        return !date.isValid() || date < EuroChangeoverDate();
    return !c.isEmpty();
}

QString LoadNationalCurrency(Store &store)
{
    const QString fallback = QString::fromUtf16(DefaultNationalCurrency);
    auto t = store.table(DbKind::Main, kTable);
    if (!t)
        return fallback;
    Statement st = t->db().prepare(u"SELECT "_s + t->selectList() + u" FROM "_s + quoted(kTable) +
                                   u" LIMIT 1"_s);
    if (!st.next())
        return fallback;
    const QString stored = choice(t->readRow(st).text(kField));
    return stored.isEmpty() ? fallback : stored;
}

bool SaveNationalCurrency(Store &store, const QString &code)
{
    const QString c = choice(code);
    if (c.isEmpty())
        return false;
    Record r(tableDef(DbKind::Main, kTable));
    r.setText(kField, c);
    auto t = store.table(DbKind::Main, kTable);
    return t && t->replaceWith(r);
}

}  // namespace remitor
