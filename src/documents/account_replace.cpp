#include "documents/account_replace.h"

#include "base/interaction.h"
#include "rules/identifiers.h"
#include "store/store.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

struct Entry {
    int kind;
    int code;
    const char *table;
    const char *field;
};

// Which field each kind code and field code name.
constexpr Entry entries[] = {
    {1, 1, "PlnBTable", "IBANp"},  {1, 2, "PlnBTable", "IBANn"},
    {1, 3, "PlnBTable", "Poluchatel"}, {1, 4, "PlnBTable", "BICp"},
    {1, 5, "PlnBTable", "Bankap"}, {1, 6, "PlnBTable", "pDate"},
    {2, 1, "PlnB4Table", "IBANp"}, {2, 2, "PlnB4Table", "IBANn"},
    {3, 1, "BPlnTable", "IBANp"},  {3, 2, "BPlnTable", "budjetKod"},
    {4, 1, "PlnTable", "IBANp"},   {4, 2, "PlnTable", "IBANn"},
    {5, 1, "IskTable", "IBANp"},   {5, 2, "IskTable", "IBANn"},
    {6, 1, "VnosTable", "IBANp"},
    // The order-receipt has one account, the payer's, and its editor sends
    // the field code 1 from it: both codes name it.
    {7, 1, "RazTable", "IBANn"},   {7, 2, "RazTable", "IBANn"},
};

QString stored(const QString &text, int width)
{
    // Texts are kept cut to their width, without the padding blanks.
    QString s = text.left(width);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

}  // namespace

std::optional<ReplaceTarget> ReplaceTargetFor(int kindCode, int fieldCode)
{
    for (const Entry &e : entries) {
        if (e.kind != kindCode || e.code != fieldCode)
            continue;
        ReplaceTarget t;
        t.table = QLatin1StringView(e.table);
        t.field = QLatin1StringView(e.field);
        t.account = fieldCode == 1 || fieldCode == 2;
        // The budget holder's code of the budget-organisation order is no
        // IBAN: the IBAN rule would refuse every code.
        t.ibanRule = t.account && t.field.startsWith(u"IBAN"_s);
        return t;
    }
    return std::nullopt;
}

ReplaceCaptions ReplaceCaptionsFor(int kindCode, int fieldCode)
{
    if (kindCode == 1 && fieldCode > 2)
        return {u"Копира текста във всички документи."_s, {}};
    // The budget orders name their accounts so, the four-item one too.
    if ((kindCode == 1 || kindCode == 2) && (fieldCode == 1 || fieldCode == 2))
        return {u"Заменя Сметка:"_s, u"Със Сметка:"_s};
    return {u"Заменя текст:"_s, u"Със следния текст:"_s};
}

std::optional<ReplaceDone> ReplaceInAllDocuments(Store &store, Interaction &ui, int kindCode,
                                                 int fieldCode, const QString &text1,
                                                 const QString &text2)
{
    const auto target = ReplaceTargetFor(kindCode, fieldCode);
    if (!target)
        return std::nullopt;
    const QString oldText = text1.trimmed();
    const QString newText = target->account ? text2.trimmed() : oldText;
    if (target->account) {
        if (target->ibanRule && !CheckIBAN(newText, &ui))
            return std::nullopt;
        if (oldText.isEmpty()) {
            ui.tell(u"В поле 1 не е посочена сметка."_s);
            return std::nullopt;
        }
        if (newText.isEmpty()) {
            ui.tell(u"В поле 2 не е посочена сметка."_s);
            return std::nullopt;
        }
    }

    auto table = store.table(DbKind::Main, target->table);
    if (!table)
        return std::nullopt;
    const TableDef &def = table->def();
    const FieldDef *field = def.field(target->field);
    Q_ASSERT(field);
    const QString name = quoted(field->name);
    const QString value = stored(newText, field->width);
    Database &db = table->db();

    ReplaceDone done{field->name, value, target->account, 0};
    bool ok = false;
    DbError failure;
    {
        Transaction tx(db);
        ok = tx.isActive();
        if (ok && target->account) {
            // The rows to change are found first, then written.
            QList<qint64> rows;
            {
                Statement st =
                    db.prepare(u"SELECT rowid, "_s + name + u" FROM "_s + quoted(def.name));
                while (st.next())
                    if (st.text(1).trimmed() == oldText)
                        rows.append(st.integer(0));
                ok = st.isValid() && !st.error().isError();
            }
            Statement up = db.prepare(u"UPDATE "_s + quoted(def.name) + u" SET "_s + name +
                                      u" = ?1 WHERE rowid = ?2"_s);
            for (qint64 row : rows) {
                if (!ok)
                    break;
                up.reset();
                up.bind(1, value).bind(2, row);
                ok = up.run();
            }
            if (ok)
                done.changed = int(rows.size());
        } else if (ok) {
            // A text goes into every document of the kind.
            Statement up = db.prepare(u"UPDATE "_s + quoted(def.name) + u" SET "_s + name + u" = ?1"_s);
            up.bind(1, value);
            ok = up.run();
            if (ok)
                done.changed = db.changes();
        }
        ok = ok && tx.commit();
        if (!ok)
            failure = db.lastError();
    }
    if (!ok) {
        if (failure.isError())
            store.report(failure);
        return std::nullopt;
    }
    return done;
}

}  // namespace remitor
