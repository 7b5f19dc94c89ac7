#include "documents/find_list.h"

#include "rules/dates.h"
#include "rules/formatting.h"
#include "store/store.h"

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// How a column of a list line is written.
enum class Shape {
    // Cut (or blank-padded) to its width; an empty text gives 20 blanks
    // whatever the width.
    Cut,
    // Blank-padded to its width even when empty: the paragraph code, whose
    // place in the line the budget orders read (characters 8 to 19).
    Fixed,
    // The whole text, trimmed on the right: the last column of the
    // paragraph list.
    Tail,
    // An amount, "###########0.00", right-aligned in 15 characters and
    // never cut.
    Amount,
    // "dd.mm.yyyy"; the empty date gives 20 blanks like an empty text.
    Date,
};

struct Column {
    QString field;
    int width = 0;
    Shape shape = Shape::Cut;
};

// One line of what "Избор" shows for the expandable kinds: a label and
// the field whose whole value follows it.
struct Detail {
    QString label;
    QString field;
};

// One search kind: the table, the columns after the number, the header
// over each column, the field searched for the search fields 0 (payer),
// 1 (payee) and 2 (bank), and the details of the expandable kinds.
struct Kind {
    DbKind db = DbKind::Main;
    QString table;
    QList<Column> columns;
    QStringList headers;
    std::array<QString, 3> searched;
    QList<Detail> details;
};

constexpr int BankWidth = 15;
constexpr int PartyWidth = 20;
constexpr int ReasonWidth = 25;
constexpr int AmountWidth = 15;
constexpr int EmptyColumnBlanks = 20;

Column bank(const QString &f = u"DoBanka"_s) { return {f, BankWidth, Shape::Cut}; }
Column party(const QString &f) { return {f, PartyWidth, Shape::Cut}; }
Column reason(const QString &f = u"Osnovanie"_s) { return {f, ReasonWidth, Shape::Cut}; }
Column amount(const QString &f = u"suma"_s) { return {f, AmountWidth, Shape::Amount}; }

const QString hBank = u"До банка"_s;
const QString hPayee = u"Получател"_s;
const QString hPayer = u"Наредител"_s;
const QString hReason = u"Основание"_s;
const QString hAmount = u"Сума"_s;

// The order-receipt: the whole names, the amount and what identifies the
// person who collects the cash.
QList<Detail> razDetails()
{
    return {{u"Получател"_s, u"Poluchatel"_s}, {u"Наредител"_s, u"Nareditel"_s},
            {u"IBAN на наредителя"_s, u"IBANn"_s},  {u"При банка"_s, u"BankaN"_s},
            {u"Сума"_s, u"suma"_s},                {u"Вид валута"_s, u"valuta"_s},
            {u"Паспорт"_s, u"Pasport"_s},          {u"ЕГН"_s, u"egn"_s},
            {u"Дата"_s, u"pDate"_s}};
}

// Payment orders with the bank first, then the payee, the payer and the
// reason: the credit transfer order's line and its kin.
Kind payment(DbKind db, const QString &table, bool withAmount)
{
    Kind k{db, table,
           {bank(), party(u"Poluchatel"_s), party(u"Nareditel"_s), reason()},
           {hBank, hPayee, hPayer, hReason},
           {u"Nareditel"_s, u"Poluchatel"_s, u"DoBanka"_s},
           {}};
    if (withAmount) {
        k.columns.append(amount());
        k.headers.append(hAmount);
    }
    return k;
}

// The direct debit order has no "Nareditel": the payer is "Platec", and
// "Poluchatel" is the payee who orders the collection. The payer stands
// where the other orders have the payer, and search field 0 ("Наредител
// Платец") looks in it.
Kind directDebit(DbKind db, bool withAmount)
{
    Kind k{db, u"IskTable"_s,
           {bank(), party(u"Poluchatel"_s), party(u"Platec"_s), reason()},
           {hBank, hPayee, u"Платец"_s, hReason},
           {u"Platec"_s, u"Poluchatel"_s, u"DoBanka"_s},
           {}};
    if (withAmount) {
        k.columns.append(amount());
        k.headers.append(hAmount);
    }
    return k;
}

// The deposit slip: the depositor pays the cash in (the payer), the account
// holder ("В полза на", stored as Nareditel) receives it.
Kind depositSlip(DbKind db, bool withAmount)
{
    Kind k{db, u"VnosTable"_s,
           {bank(), party(u"Vnositel"_s), party(u"Nareditel"_s), reason()},
           {hBank, u"Вносител"_s, u"В полза на"_s, hReason},
           {u"Vnositel"_s, u"Nareditel"_s, u"DoBanka"_s},
           {}};
    if (withAmount) {
        k.columns.append(amount());
        k.headers.append(hAmount);
    }
    return k;
}

// The order-receipt has no reason column in its record.
Kind orderReceipt(DbKind db, bool withAmount)
{
    Kind k{db, u"RazTable"_s,
           {bank(), party(u"Poluchatel"_s), party(u"Nareditel"_s)},
           {hBank, hPayee, hPayer},
           {u"Nareditel"_s, u"Poluchatel"_s, u"DoBanka"_s},
           razDetails()};
    if (withAmount) {
        k.columns.append(amount());
        k.headers.append(hAmount);
    }
    return k;
}

// The cash orders have no bank: the other party, the firm and the reason;
// the bank search field looks in the reason. In the cash receipt the
// depositor pays and the firm receives; in the disbursement the firm pays.
Kind cashReceipt(DbKind db, bool withAmount)
{
    Kind k{db, u"PKOTable"_s,
           {party(u"Vnositel"_s), party(u"Firma"_s), reason()},
           {u"Вносител"_s, u"Фирма"_s, hReason},
           {u"Vnositel"_s, u"Firma"_s, u"Osnovanie"_s},
           {}};
    if (withAmount) {
        k.columns.append(amount());
        k.headers.append(hAmount);
    }
    return k;
}

Kind cashDisbursement(DbKind db, bool withAmount)
{
    Kind k{db, u"RKOTable"_s,
           {party(u"Poluchatel"_s), party(u"Firma"_s), reason()},
           {hPayee, u"Фирма"_s, hReason},
           {u"Firma"_s, u"Poluchatel"_s, u"Osnovanie"_s},
           {}};
    if (withAmount) {
        k.columns.append(amount());
        k.headers.append(hAmount);
    }
    return k;
}

std::optional<Kind> kindFor(int searchKind)
{
    const DbKind M = DbKind::Main;
    const DbKind R = DbKind::Reports;
    switch (searchKind) {
    case 1: return payment(M, u"PlnBTable"_s, false);
    case 2: return payment(M, u"BPlnTable"_s, false);
    case 3: return payment(M, u"PlnTable"_s, false);
    case 4: return directDebit(M, false);
    case 5: return depositSlip(M, false);
    case 6: return orderReceipt(M, false);
    case 7:
        // Contractors are always searched by name.
        return Kind{M, u"KlientTable"_s,
                    {{u"KlIme"_s, 25, Shape::Cut}, bank(u"BankIme"_s),
                     {u"IBAN"_s, 22, Shape::Cut}, reason(u"Phone"_s)},
                    {u"Име на контрагента"_s, u"Име на банката"_s, u"Банкова сметка"_s,
                     u"Коментар"_s},
                    {u"KlIme"_s, u"KlIme"_s, u"KlIme"_s},
                    {}};
    case 8:
        // The paragraph search asks for a text only: it always looks in the
        // explanatory text.
        return Kind{M, u"ParagrafTable"_s,
                    {{u"kod"_s, 12, Shape::Fixed}, {u"ime"_s, 0, Shape::Tail}},
                    {u"Параграф"_s, u"Обяснителен текст"_s},
                    {u"ime"_s, u"ime"_s, u"ime"_s},
                    {{u"Параграф"_s, u"kod"_s}, {u"Обяснителен текст"_s, u"ime"_s}}};
    case 9:
        // The mass payment order names no payee: its second account (IBANp,
        // the payee side's account as in every other layout) stands for it.
        return Kind{M, u"MassTable"_s,
                    {bank(), {u"IBANp"_s, 22, Shape::Cut}, party(u"Nareditel"_s), amount()},
                    {hBank, u"IBAN на получателя"_s, hPayer, hAmount},
                    {u"Nareditel"_s, u"IBANp"_s, u"DoBanka"_s},
                    {{u"Клиент"_s, u"Nareditel"_s},
                     {u"IBAN на клиента"_s, u"IBANn"_s},
                     {u"BIC на клиента"_s, u"BICn"_s},
                     {u"Код по МФ в СЕБРА"_s, u"SEBRA"_s},
                     {u"Втори IBAN"_s, u"IBANp"_s},
                     {u"Втори BIC"_s, u"BICp"_s},
                     {u"Обща сума"_s, u"suma"_s},
                     {u"Вид валута"_s, u"valuta"_s},
                     {u"Брой редове"_s, u"rows"_s},
                     {u"Място и дата на подаване"_s, u"pDate"_s}}};
    case 10:
        return Kind{M, u"SDDTable"_s,
                    {bank(), party(u"Poluchatel"_s), party(u"Platec"_s)},
                    {hBank, hPayee, u"Платец"_s},
                    {u"Platec"_s, u"Poluchatel"_s, u"DoBanka"_s},
                    {{u"Получател"_s, u"Poluchatel"_s},
                     {u"Платец"_s, u"Platec"_s},
                     {u"Сметка на платеца"_s, u"IBANn"_s},
                     {u"В размер на"_s, u"Razmer"_s},
                     {u"Срок на валидност"_s, u"Srok"_s},
                     {u"Условия"_s, u"uslovia"_s},
                     {u"Дата на представяне"_s, u"pDate"_s}}};
    case 11: return cashReceipt(M, false);
    case 12: return cashDisbursement(M, false);
    case 13: return payment(M, u"PlnB4Table"_s, false);
    case 14:
        // Business trips: the number column is already the order number No.
        return Kind{M, u"KomandTable"_s,
                    {party(u"Ime"_s), party(u"Do"_s), reason(u"In"_s), {u"Date"_s, 10, Shape::Date}},
                    {u"Трите имена"_s, u"Командирован до"_s, u"Място, организация"_s, u"Дата"_s},
                    {u"Ime"_s, u"Do"_s, u"In"_s},
                    {}};
    case 15:
        // The notes: short texts offered for the business-trip order.
        return Kind{M, u"NotesTable"_s,
                    {party(u"Ime"_s)},
                    {u"Текст"_s},
                    {u"Ime"_s, u"Ime"_s, u"Ime"_s},
                    {}};
    case 20: return payment(R, u"PlnBTable"_s, true);
    case 21: return payment(R, u"BPlnTable"_s, true);
    case 22: return payment(R, u"PlnTable"_s, true);
    case 23: return directDebit(R, true);
    case 24: return depositSlip(R, true);
    case 25: return orderReceipt(R, true);
    case 26: return cashReceipt(R, true);
    case 27: return cashDisbursement(R, true);
    case 28: return payment(R, u"PlnB4Table"_s, true);
    case 29: {
        Kind k = payment(R, u"PlnMTable"_s, true);
        k.details = {{u"Основание"_s, u"Osnovanie"_s},
                     {u"Получател"_s, u"Poluchatel"_s},
                     {u"IBAN на получателя"_s, u"IBANp"_s},
                     {u"Банка на получателя"_s, u"Bankap"_s},
                     {u"Наредител"_s, u"Nareditel"_s},
                     {u"IBAN на наредителя"_s, u"IBANn"_s},
                     {u"Сума"_s, u"suma"_s},
                     {u"Вид валута"_s, u"valuta"_s},
                     {u"Дата"_s, u"pDate"_s}};
        return k;
    }
    case 35: return payment(M, u"PlnMTable"_s, false);
    case 36:
        // The buy/sell order has no payer, payee or explanations: the
        // account holder (Titul) gives the order and is searched as either
        // party; side 0's currency and amount describe the deal.
        return Kind{M, u"BuyTable"_s,
                    {bank(), party(u"Titul"_s), party(u"vidValuta0"_s), amount(u"suma0"_s)},
                    {hBank, u"Титуляр"_s, u"Валута"_s, hAmount},
                    {u"Titul"_s, u"Titul"_s, u"DoBanka"_s},
                    {}};
    default: return std::nullopt;
    }
}

QString amountText(Money value)
{
    const qint64 hundredths = value.scaledTo(2);
    const quint64 magnitude = hundredths < 0 ? quint64(0) - quint64(hundredths) : quint64(hundredths);
    QString s = hundredths < 0 ? u"-"_s : QString();
    s += QString::number(magnitude / 100) + u'.' +
         QString::number(magnitude % 100).rightJustified(2, u'0');
    return s;
}

// Where a field of the layout is found in the one query of a list: its
// column in the result, or -1 when the file's table lacks it (an old file).
struct Source {
    int column = -1;
    const FieldDef *def = nullptr;
};

// Reads the fields of the current result row as the table's record would
// hold them, straight from the statement, so that a list of a hundred
// thousand rows is built without a record per row.
class RowReader {
public:
    explicit RowReader(const Statement &st) : m_st(st) {}

    qint64 key() const { return m_st.isNull(0) ? 0 : m_st.integer(0); }

    // The text cut to the field's width. Control characters (a line break
    // from an imported file) become blanks, so that a row stays one line.
    QString text(const Source &s) const
    {
        if (s.column < 0 || m_st.isNull(s.column))
            return {};
        QString t = m_st.text(s.column).left(s.def->width);
        BlankControlChars(t);
        return t;
    }

    Money money(const Source &s) const
    {
        if (s.column < 0 || m_st.isNull(s.column))
            return {};
        // Amounts are whole ten-thousandths; a real number can only come
        // from a file written by another tool.
        const QString t = m_st.text(s.column);
        if (t.contains(u'.') || t.contains(u'e', Qt::CaseInsensitive))
            return Money::fromRaw(std::llround(m_st.real(s.column) * double(Money::Scale)));
        return Money::fromRaw(m_st.integer(s.column));
    }

    QDate date(const Source &s) const
    {
        if (s.column < 0 || m_st.isNull(s.column))
            return {};
        return dateFromStorage(m_st.text(s.column));
    }

    qint64 integer(const Source &s) const
    {
        return s.column < 0 || m_st.isNull(s.column) ? 0 : m_st.integer(s.column);
    }

private:
    const Statement &m_st;
};

QString columnText(const RowReader &row, const Column &c, const Source &s)
{
    switch (c.shape) {
    case Shape::Amount: return amountText(row.money(s)).rightJustified(c.width, u' ');
    case Shape::Date: {
        const QString d = ShortDateText(row.date(s));
        return d.isEmpty() ? QString(EmptyColumnBlanks, u' ') : d.leftJustified(c.width, u' ', true);
    }
    case Shape::Fixed: return row.text(s).leftJustified(c.width, u' ', true);
    case Shape::Tail: return RightTrimmed(row.text(s));
    case Shape::Cut: break;
    }
    const QString t = row.text(s);
    if (t.trimmed().isEmpty())
        return QString(EmptyColumnBlanks, u' ');
    return t.leftJustified(c.width, u' ', true);
}

// A detail's value as the editor shows it: texts trimmed, amounts and
// dates formatted, a zero count empty.
QString detailValue(const RowReader &row, const Source &s)
{
    switch (s.def->type) {
    case FieldType::Text: return row.text(s).trimmed();
    case FieldType::Money: return amountText(row.money(s));
    case FieldType::Date: return ShortDateText(row.date(s));
    case FieldType::Int16:
    case FieldType::Int32: {
        const qint64 n = row.integer(s);
        return n == 0 ? QString() : QString::number(n);
    }
    case FieldType::Double:
    case FieldType::Boolean: break;  // no list shows one
    }
    return {};
}

// The one query of a list: the key, then every field the kind needs that
// the file's table has, in key order.
struct ListQuery {
    ListQuery(Database &db, const TableDef &def, const Kind &kind)
    {
        const auto present = db.columns(def.name);
        QStringList select{quoted(def.keyField)};
        auto add = [&](const QString &field) {
            const FieldDef *f = def.field(field);
            // Every field a kind names must be in its table's layout.
            Q_ASSERT_X(f, "BuildFindList", qPrintable(def.name + u'.' + field));
            Source s{-1, f};
            for (const auto &c : present)
                if (c.name.compare(f->name, Qt::CaseInsensitive) == 0) {
                    s.column = int(select.size());
                    select.append(quoted(f->name));
                    break;
                }
            return s;
        };
        for (const Column &c : kind.columns)
            columns.append(add(c.field));
        for (const QString &f : kind.searched)
            searched.append(add(f));
        for (const Detail &d : kind.details)
            details.append(add(d.field));
        statement = db.prepare(u"SELECT "_s + select.join(u", "_s) + u" FROM "_s + quoted(def.name) +
                               u" ORDER BY "_s + quoted(def.keyField));
    }

    Statement statement;
    QList<Source> columns;
    QList<Source> searched;  // for the search fields 0, 1 and 2
    QList<Source> details;
};

}  // namespace

QString FindLineNumber(qint64 number)
{
    const QString n = QString::number(number);
    return n.size() <= 5 ? n.rightJustified(5, u' ') : n;
}

FindListView BuildFindList(Store &store, const FindQuery &query, const QString &caption)
{
    FindListView view;
    view.caption = caption;
    view.countText = u"Няма записи."_s;

    const std::optional<Kind> kind = kindFor(query.searchKind);
    if (!kind)
        return view;
    view.headers = kind->headers;
    view.expandable = !kind->details.isEmpty();

    const TableDef &def = tableDef(kind->db, kind->table);
    const int fieldNo = query.searchField == 1 || query.searchField == 2 ? query.searchField : 0;
    const QString text = query.searchText.toUpper();

    // The file is opened once, the table made whole when parts of it are
    // missing, and the needed columns read in one query in number order.
    std::unique_ptr<Database> db = store.open(kind->db);
    if (!db)
        return view;
    db->ensureTable(def, [&store](const DbError &e) { store.report(e); });
    if (!db->hasTable(def.name))
        return view;
    ListQuery q(*db, def, *kind);
    if (!q.statement.isValid()) {
        store.report(db->lastError());
        return view;
    }
    const Source &searched = q.searched[fieldNo];

    int selected = -1;
    const RowReader row(q.statement);
    while (q.statement.next()) {
        if (!text.isEmpty() && !row.text(searched).toUpper().contains(text))
            continue;
        const qint64 number = row.key();
        QString line = FindLineNumber(number);
        for (int i = 0; i < kind->columns.size(); ++i) {
            line += u" | "_s;
            line += columnText(row, kind->columns[i], q.columns[i]);
        }
        if (number == query.currentKod && selected < 0)
            selected = int(view.lines.size());
        view.lines.append(line);
        if (view.expandable) {
            QStringList parts;
            for (int i = 0; i < kind->details.size(); ++i)
                parts.append(kind->details[i].label + u": "_s + detailValue(row, q.details[i]));
            view.details.append(parts.join(u'\n'));
        }
    }
    if (q.statement.error().isError())
        store.report(q.statement.error());

    if (!view.lines.isEmpty()) {
        const qsizetype n = view.lines.size();
        view.countText = n == 1 ? u"Прочетен 1 запис."_s : u"Прочетени "_s + QString::number(n) + u" записа."_s;
        // The caller's document; when it is not listed, the first line.
        view.selected = selected >= 0 ? selected : 0;
    }
    return view;
}

QString RunFind(Store &store, Interaction &ui, const FindQuery &query, const QString &caption)
{
    const FindListView list = BuildFindList(store, query, caption);
    const int chosen = ui.pickFromList(list);
    if (chosen < 0 || chosen >= list.lines.size())
        return {};
    return list.lines[chosen];
}

qint64 NumberOfLine(const QString &line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == u' ')
        ++i;
    const qsizetype start = i;
    if (i < line.size() && (line[i] == u'-' || line[i] == u'+'))
        ++i;
    const qsizetype digits = i;
    while (i < line.size() && line[i].unicode() >= u'0' && line[i].unicode() <= u'9')
        ++i;
    if (i == digits)
        return 0;
    bool ok = false;
    const qint64 n = line.mid(start, i - start).toLongLong(&ok);
    return ok ? n : 0;
}

}  // namespace remitor
