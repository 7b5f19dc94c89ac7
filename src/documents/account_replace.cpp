#include "documents/account_replace.h"

#include "base/interaction.h"
#include "documents/kinds.h"
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
    const char16_t *what;  // the field as the question names it
    bool foreign = false;  // an account that may be held abroad
};

// Which field each kind code and field code name.
constexpr Entry entries[] = {
    {1, 1, "PlnBTable", "IBANp", u"IBAN на получателя"},
    {1, 2, "PlnBTable", "IBANn", u"IBAN на наредителя"},
    {1, 3, "PlnBTable", "Poluchatel", u"Получател"},
    {1, 4, "PlnBTable", "BICp", u"BIC на получателя"},
    {1, 5, "PlnBTable", "Bankap", u"Банка на получателя"},
    {1, 6, "PlnBTable", "pDate", u"Дата на представяне"},
    {2, 1, "PlnB4Table", "IBANp", u"IBAN на получателя"},
    {2, 2, "PlnB4Table", "IBANn", u"IBAN на наредителя"},
    {3, 1, "BPlnTable", "IBANp", u"IBAN на получателя"},
    {3, 2, "BPlnTable", "budjetKod", u"кода на бюджетната организация"},
    {4, 1, "PlnTable", "IBANp", u"IBAN на получателя"},
    {4, 2, "PlnTable", "IBANn", u"IBAN на наредителя"},
    // The direct debit's "p" side is the payer's, its "n" side the payee's.
    {5, 1, "IskTable", "IBANp", u"IBAN на платеца"},
    {5, 2, "IskTable", "IBANn", u"IBAN на получателя"},
    {6, 1, "VnosTable", "IBANp", u"IBAN на титуляра"},
    // The order-receipt has one account, the payer's, and its editor sends
    // the field code 1 from it: both codes name it.
    {7, 1, "RazTable", "IBANn", u"IBAN на наредителя"},
    {7, 2, "RazTable", "IBANn", u"IBAN на наредителя"},
    // The foreign-currency order has a code of its own: its accounts are
    // replaced in its own documents, the beneficiary's mostly abroad.
    {8, 1, "PlnMTable", "IBANp", u"IBAN на получателя", true},
    {8, 2, "PlnMTable", "IBANn", u"IBAN на наредителя"},
};

// "1 документ", "5 документа".
QString documentsText(qsizetype n)
{
    return QString::number(n) + (n == 1 ? u" документ"_s : u" документа"_s);
}

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
        t.what = QString::fromUtf16(e.what);
        t.account = fieldCode == 1 || fieldCode == 2;
        // The budget holder's code of the budget-organisation order is no
        // IBAN: the IBAN rule would refuse every code.
        t.ibanRule = t.account && t.field.startsWith(u"IBAN"_s);
        t.foreign = e.foreign;
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
        const auto check = target->foreign ? &CheckForeignIBAN : &CheckIBAN;
        if (target->ibanRule && !check(newText, &ui))
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
    const KindDescriptor *kind = kindByTable(def.name);
    const QString kindName = kind ? kind->title : def.name;
    bool ok = false;
    DbError failure;
    {
        Transaction tx(db);
        ok = tx.isActive();
        // The rows to change are found first: the user is told how many
        // before anything is written, then written in the one transaction.
        QList<qint64> rows;
        if (ok) {
            Statement st = db.prepare(u"SELECT rowid, "_s + name + u" FROM "_s + quoted(def.name));
            while (st.next())
                if (!target->account || st.text(1).trimmed() == oldText)
                    rows.append(st.integer(0));
            ok = st.isValid() && !st.error().isError();
        }
        const QString question =
            target->account
                ? u"Заменя %1 в документите „%2“:\n%3\nсъс\n%4\n\nСтарата стойност е в %5."_s.arg(
                      target->what, kindName, oldText, newText, documentsText(rows.size()))
                : u"Записва „%1“ в полето „%2“ на всички документи „%3“ (%4)."_s.arg(
                      newText, target->what, kindName, documentsText(rows.size()));
        if (ok && !ui.askOkCancel(question, {}, true)) {
            return std::nullopt;  // the transaction rolls back untouched
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
        ok = ok && tx.commit();
        if (!ok)
            failure = db.lastError();
    }
    if (!ok) {
        if (failure.isError())
            store.report(failure);
        return std::nullopt;
    }
    ui.tell((target->account ? u"Заменено в "_s : u"Записано в "_s) + documentsText(done.changed) + u'.');
    return done;
}

}  // namespace remitor
