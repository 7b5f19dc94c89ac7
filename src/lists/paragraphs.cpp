#include "lists/paragraphs.h"

#include "documents/find_list.h"
#include "rules/formatting.h"
#include "session/session.h"
#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const TableDef &paragrafDef()
{
    return tableDef(DbKind::Main, u"ParagrafTable"_s);
}

}  // namespace

ParagraphList::ParagraphList(Session &session) : m_session(session), m_page(PageEntries) {}

bool ParagraphList::isHeading(const QString &code)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return false;
    for (const QChar ch : c)
        if (ch != u'0' && ch != u' ')
            return false;
    return true;
}

void ParagraphList::open()
{
    auto table = m_session.store().table(paragrafDef());
    if (!table)
        return;
    m_count = table->count();
    readFrom(*table, m_page[0].row);
}

void ParagraphList::readFrom(Table &table, qint64 row)
{
    const QString key = quoted(table.def().keyField);
    Statement st = table.db().prepare(
        u"SELECT "_s + table.selectList() + u" FROM "_s + quoted(table.def().name) + u" WHERE "_s +
        key + u" >= ?1 ORDER BY "_s + key + u" LIMIT "_s + QString::number(PageEntries));
    st.bind(1, row);
    QVector<Entry> page;
    while (st.next()) {
        const Record r = table.readRow(st);
        page.append({r.key(), r.text(u"kod"_s), r.text(u"ime"_s)});
    }
    if (st.error().isError())
        return;  // the page stays as it was
    page.resize(PageEntries);
    m_page = page;
}

bool ParagraphList::readPageFrom(qint64 row)
{
    auto table = m_session.store().table(paragrafDef());
    if (!table)
        return false;
    m_count = table->count();
    readFrom(*table, row);
    return true;
}

bool ParagraphList::move(Move mode)
{
    auto table = m_session.store().table(paragrafDef());
    if (!table)
        return false;
    m_count = table->count();
    // From the entry at the top of the page; a page without one starts at the first.
    std::optional<Record> at = m_page[0].row > 0 ? table->find(m_page[0].row) : std::nullopt;
    if (!at)
        at = table->first();
    if (at && (mode == Move::First || mode == Move::Last))
        at = mode == Move::First ? table->first() : table->last();
    const bool forward = mode == Move::Forward || mode == Move::PageForward;
    const int steps = mode == Move::Back || mode == Move::Forward ? 1
                      : mode == Move::First || mode == Move::Last ? 0
                                                                  : PageStep;
    // Past either end the page stops at the first or the last entry.
    for (int i = 0; at && i < steps; ++i) {
        const auto step = forward ? table->next(at->key()) : table->previous(at->key());
        if (!step || step->key() == at->key())
            break;
        at = step;
    }
    readFrom(*table, at ? at->key() : 0);
    return true;
}

bool ParagraphList::commit(int index, const QString &code, const QString &text)
{
    Entry &e = m_page[index];
    const QString newCode = code.trimmed();
    qsizetype lead = 0;
    while (lead < text.size() && text[lead].isSpace()) ++lead;
    const QString newText = RightTrimmed(text.mid(lead));
    // Moving through the empty rows below the list writes nothing.
    if (e.row == 0 && newCode.isEmpty() && newText.isEmpty())
        return false;
    auto table = m_session.store().table(paragrafDef());
    if (!table)
        return false;
    Record r(paragrafDef());
    if (e.row == 0) {
        // After the last position: with gaps left by deletions the count
        // plus one may be taken already.
        const auto last = table->last();
        r.setKey(last ? qint64(last->key()) + 1 : 1);
    } else {
        r.setKey(e.row);
    }
    r.setText(u"kod"_s, newCode);
    r.setText(u"ime"_s, newText);
    if (!table->save(r))
        return false;
    e = {r.key(), r.text(u"kod"_s), r.text(u"ime"_s)};
    m_count = table->count();
    return true;
}

bool ParagraphList::remove(int index)
{
    const Entry victim = m_page[index];
    if (victim.row == 0)
        return false;
    if (!m_session.ui().askOkCancel(u"Изтрива: "_s + victim.code.trimmed() + u'-' +
                                    victim.text.trimmed()))
        return false;
    auto table = m_session.store().table(paragrafDef());
    if (!table)
        return false;
    const bool removed = table->remove(victim.row);
    m_count = table->count();
    readFrom(*table, m_page[0].row);
    return removed;
}

bool ParagraphList::search()
{
    Session &s = m_session;
    const auto answer =
        s.ui().inputLine(u"Посочете текст за търсене."_s, u"Търси Параграф по име"_s, {});
    if (!answer || answer->trimmed().isEmpty())
        return false;
    s.searchKind = SearchKind;
    s.currentSearchText = answer->toUpper();
    const QString line = RunFind(
        s.store(), s.ui(), {SearchKind, s.currentSearchText, 0, m_page[0].row}, u"Параграфи"_s);
    s.currentSearchText.clear();
    const qint64 row = NumberOfLine(line);
    if (row == 0)
        return false;
    auto table = s.store().table(paragrafDef());
    if (!table || !table->contains(row))
        return false;
    readFrom(*table, row);
    return true;
}

QString ParagraphList::printText()
{
    QString out = u"        СПИСЪК параграфи\n\n"_s;
    auto table = m_session.store().table(paragrafDef());
    if (!table)
        return out;
    table->scan(Table::Order::Key, [&out](const Record &r) {
        out += QString(10, u' ') + r.text(u"kod"_s) + u' ' + RightTrimmed(r.text(u"ime"_s)) + u'\n';
        return true;
    });
    return out;
}

}  // namespace remitor
