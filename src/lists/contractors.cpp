#include "lists/contractors.h"

#include "session/session.h"
#include "documents/find_list.h"
#include "rules/bank_directory.h"
#include "rules/identifiers.h"
#include "store/maintenance.h"
#include "store/store.h"

#include <QCollator>
#include <QLocale>
#include <QSet>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString tableName = u"KlientTable"_s;

const TableDef &klientDef()
{
    return tableDef(DbKind::Main, tableName);
}

// The first key that a query over the key column gives, if any.
std::optional<qint64> firstKey(Table &table, const QString &tail, std::optional<qint64> bound)
{
    Statement st = table.db().prepare(u"SELECT "_s + quoted(table.def().keyField) + u" FROM "_s +
                                      quoted(table.def().name) + u' ' + tail);
    if (bound)
        st.bind(1, *bound);
    if (st.next())
        return st.integer(0);
    return std::nullopt;
}

}  // namespace

ContractorList::ContractorList(Session &session)
    : m_session(session), m_page(PageRecords, emptyRecord())
{
}

const QStringList &ContractorList::entryFields()
{
    static const QStringList fields = {u"KlIme"_s,   u"Grad"_s,  u"street"_s, u"Bulstat"_s,
                                       u"MOL"_s,     u"BankIme"_s, u"bgrad"_s, u"bstreet"_s,
                                       u"IBAN"_s,    u"BIC"_s,   u"Phone"_s};
    return fields;
}

Record ContractorList::emptyRecord()
{
    return Record(klientDef());
}

void ContractorList::select(int row)
{
    m_selected = qBound(0, row, ShownRows - 1);
}

void ContractorList::refreshCount(Table &table)
{
    m_count = table.count();
}

void ContractorList::open()
{
    auto table = m_session.store().table(klientDef());
    if (!table)
        return;
    refreshCount(*table);
    readFrom(*table, m_page[0].key());
}

void ContractorList::readFrom(Table &table, qint64 kod)
{
    const QString key = quoted(table.def().keyField);
    Statement st = table.db().prepare(
        u"SELECT "_s + table.selectList() + u" FROM "_s + quoted(table.def().name) +
        (kod == 0 ? QString() : u" WHERE "_s + key + u" >= ?1"_s) + u" ORDER BY "_s + key +
        u" LIMIT "_s + QString::number(ReadLimit));
    if (kod != 0)
        st.bind(1, kod);
    QVector<Record> page;
    while (st.next())
        page.append(table.readRow(st));
    // A failed read leaves the page as it was.
    if (st.error().isError())
        return;
    // Rows past the end of the table are empty, not what an earlier page
    // left there.
    while (page.size() < PageRecords)
        page.append(emptyRecord());
    m_page = page;
}

bool ContractorList::readPageFrom(qint64 kod)
{
    auto table = m_session.store().table(klientDef());
    if (!table)
        return false;
    readFrom(*table, kod);
    return true;
}

bool ContractorList::move(Move mode)
{
    auto table = m_session.store().table(klientDef());
    if (!table)
        return false;
    const QString key = quoted(klientDef().keyField);
    const auto first = firstKey(*table, u"ORDER BY "_s + key, std::nullopt);
    if (!first)
        return readPageFrom(0);  // an empty table: an empty page
    const auto last = firstKey(*table, u"ORDER BY "_s + key + u" DESC"_s, std::nullopt);
    // Where the page starts now; a page without a number starts at the first row.
    const qint64 top = m_page[0].key() != 0 ? m_page[0].key() : *first;

    std::optional<qint64> start;
    switch (mode) {
    case Move::First: start = first; break;
    case Move::Last: start = last; break;
    case Move::Back:
    case Move::PageBack: {
        // Past the first row the page stops at the first row.
        const int steps = mode == Move::Back ? 1 : ShownRows;
        start = firstKey(*table,
                         u"WHERE "_s + key + u" < ?1 ORDER BY "_s + key + u" DESC LIMIT 1 OFFSET "_s +
                             QString::number(steps - 1),
                         top);
        if (!start)
            start = first;
        break;
    }
    case Move::Forward:
    case Move::PageForward: {
        // Past the last row the page starts at the last row.
        const int steps = mode == Move::Forward ? 1 : ShownRows;
        start = firstKey(*table,
                         u"WHERE "_s + key + u" > ?1 ORDER BY "_s + key + u" LIMIT 1 OFFSET "_s +
                             QString::number(steps - 1),
                         top);
        if (!start)
            start = last;
        break;
    }
    }
    readFrom(*table, *start);
    return true;
}

void ContractorList::up()
{
    if (m_selected > 0)
        --m_selected;
    else
        move(Move::Back);
}

void ContractorList::down()
{
    if (m_selected < ShownRows - 1)
        ++m_selected;
    else
        move(Move::Forward);
}

qint64 ContractorList::freeNumber(Table &table) const
{
    // The lowest number that no stored contractor has and no other row of
    // the page holds: the new row of "Добавя нов" is not stored until it has
    // a name, and two rows of one page must never write one number.
    QSet<qint64> used;
    Statement st = table.db().prepare(u"SELECT "_s + quoted(klientDef().keyField) + u" FROM "_s +
                                      quoted(klientDef().name) + u" WHERE "_s +
                                      quoted(klientDef().keyField) + u" >= 1"_s);
    while (st.next())
        used.insert(st.integer(0));
    for (int i = 0; i < PageRecords; ++i)
        if (i != m_selected)
            used.insert(m_page[i].key());
    qint64 n = 1;
    while (used.contains(n))
        ++n;
    return n;
}

bool ContractorList::write(const Record &record)
{
    if (record.key() == 0) {
        m_session.ui().tell(u"Не е посочен код."_s);
        return false;
    }
    auto table = m_session.store().table(klientDef());
    if (!table || !table->save(record))
        return false;
    refreshCount(*table);
    return true;
}

ContractorList::Commit ContractorList::commit(const QHash<QString, QString> &texts)
{
    Interaction &ui = m_session.ui();
    Record &r = m_page[m_selected];
    const auto value = [&](const QString &field) {
        return texts.contains(field) ? texts.value(field) : r.text(field);
    };
    if (!CheckBulstat(value(u"Bulstat"_s).trimmed(), 1, &ui))
        return Commit::Refused;
    if (!CheckIBAN(value(u"IBAN"_s).trimmed().toUpper(), &ui))
        return Commit::Refused;

    const QString ibanBefore = r.text(u"IBAN"_s).trimmed();
    const QString bicBefore = r.text(u"BIC"_s).trimmed();
    for (const QString &field : entryFields()) {
        if (!texts.contains(field))
            continue;
        QString v = texts.value(field).trimmed();
        if (field == u"IBAN"_s || field == u"BIC"_s)
            v = v.toUpper();
        r.setText(field, v);
    }
    // The bank from the IBAN, when the account or its BIC changed: an
    // unchanged pair was checked (and warned about) when it was typed.
    const QString iban = r.text(u"IBAN"_s).trimmed();
    QString bic = r.text(u"BIC"_s).trimmed();
    if (iban != ibanBefore || bic != bicBefore) {
        QString bankName = r.text(u"BankIme"_s).trimmed();
        if (CheckBankOfIban(m_session.banks, iban, bic, &bankName, &ui) == BankCheck::Filled) {
            r.setText(u"BIC"_s, bic);
            r.setText(u"BankIme"_s, bankName);
        }
    }
    const QString name = r.text(u"KlIme"_s);
    if (name.isEmpty() || name.at(0) <= u' ')
        return Commit::Unnamed;
    if (r.key() == 0) {
        auto table = m_session.store().table(klientDef());
        if (!table)
            return Commit::Failed;
        r.setKey(freeNumber(*table));
    }
    return write(r) ? Commit::Saved : Commit::Failed;
}

qint64 ContractorList::addNew()
{
    auto table = m_session.store().table(klientDef());
    if (!table)
        return 0;
    const auto last = table->last();
    const qint64 number = last ? qint64(last->key()) + 1 : 1;
    readFrom(*table, last ? last->key() : 0);
    // The last contractor is the first row; the new one the second.
    Record fresh = emptyRecord();
    fresh.setKey(number);
    m_page[1] = fresh;
    m_selected = 1;
    return number;
}

std::optional<QString> ContractorList::askSearchText()
{
    Session &s = m_session;
    const auto answer = s.ui().inputLine(u"Посочете име за търсене.\n\n"_s, u"Търси фирма по име"_s,
                                         s.lastSearchText);
    if (!answer)
        return std::nullopt;  // the user cancelled the question
    const QString text = *answer == u"false"_s ? QString() : *answer;
    if (!text.isEmpty())
        s.lastSearchText = text;
    return text;
}

qint64 ContractorList::pickContractor(const QString &caption)
{
    Session &s = m_session;
    const auto text = askSearchText();
    if (!text)
        return 0;
    s.currentSearchText = text->toUpper();
    s.searchKind = SearchKind;
    const QString line = RunFind(s.store(), s.ui(),
                                 {SearchKind, s.currentSearchText, 0, selected().key()}, caption);
    s.currentSearchText.clear();
    return NumberOfLine(line);
}

bool ContractorList::find()
{
    const qint64 number = pickContractor(u"Контрагенти"_s);
    if (number == 0)
        return false;
    auto table = m_session.store().table(klientDef());
    // A number that is no longer there is passed over.
    if (!table || !table->contains(number))
        return false;
    readFrom(*table, number);
    // The contractor found is the top row; it is the one shown in full.
    m_selected = 0;
    return true;
}

bool ContractorList::copyFromAnother()
{
    if (!selected().text(u"KlIme"_s).trimmed().isEmpty()) {
        m_session.ui().tell(u"В полето има записан клиент."_s);
        return false;
    }
    const qint64 number = pickContractor(u"Копира данните от фирма:"_s);
    if (number == 0)
        return false;
    std::optional<Record> from;
    if (auto table = m_session.store().table(klientDef()))
        from = table->find(number);
    if (!from)
        return false;
    Record &r = m_page[m_selected];
    QHash<QString, QString> texts;
    for (const QString &field : entryFields())
        texts.insert(field, from->text(field));
    // Kept and copied though the window does not show it.
    r.setText(u"BAE"_s, from->text(u"BAE"_s));
    commit(texts);
    return true;
}

bool ContractorList::removeSelected()
{
    const Record victim = selected();
    if (victim.key() == 0)
        return false;  // an empty row: nothing stored to delete
    if (!m_session.ui().askOkCancel(u"Изтрива: "_s + victim.text(u"KlIme"_s).trimmed()))
        return false;
    auto table = m_session.store().table(klientDef());
    if (!table)
        return false;
    const bool removed = table->remove(victim.key());
    refreshCount(*table);
    readFrom(*table, m_page[0].key());
    return removed;
}

bool ContractorList::sort()
{
    Session &s = m_session;
    if (!s.ui().askOkCancel(u"Подрежда контрагентите по азбучен ред"_s, u"Подреждане"_s))
        return false;
    auto table = s.store().table(klientDef());
    if (!table)
        return false;
    Database &db = table->db();
    const QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    bool ok = false;
    DbError failure;
    {
        // All numbers change or none.
        Transaction tx(db);
        ok = tx.isActive() && RenumberByText(db, klientDef(), u"KlIme"_s, collator) && tx.commit();
        if (!ok)
            failure = db.lastError();  // before the rollback clears it
    }
    if (!ok) {
        if (failure.isError())
            s.store().report(failure);
        return false;
    }
    readFrom(*table, 0);
    return true;
}

}  // namespace remitor
