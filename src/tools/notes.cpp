#include "tools/notes.h"

#include "store/store.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString kTable = u"NotesTable"_s;
constexpr int kMaxKod = 32767;  // the number is a 16-bit field

}  // namespace

const QStringList &NoteSeeds()
{
    static const QStringList seeds = {u"Фирмата"_s,  u"Предприятието"_s, u"Учреждението"_s,
                                      u"Общината"_s, u"Кметството"_s,    u"Читалището"_s};
    return seeds;
}

bool SeedNotes(Store &store)
{
    auto table = store.table(DbKind::Main, kTable);
    if (!table || table->count() != 0)
        return false;
    Transaction tx(table->db());
    if (!tx.isActive())
        return false;
    Record r(table->def());
    for (int i = 0; i < NoteSeeds().size(); ++i) {
        r.setKey(i + 1);
        r.setText(u"Ime"_s, NoteSeeds()[i]);
        if (!table->save(r))
            return false;
    }
    return tx.commit();
}

NotesList::NotesList(Store &store, Interaction &ui) : m_store(store), m_ui(ui) {}

void NotesList::open()
{
    SeedNotes(m_store);
    reload();
    m_top = 0;
    m_cursor = 0;
}

void NotesList::reload()
{
    m_all.clear();
    if (auto table = m_store.table(DbKind::Main, kTable))
        table->scan(Table::Order::Key, [this](const Record &r) {
            m_all.append({r.key(), r.text(u"Ime"_s).trimmed()});
            return true;
        });
    setTop(m_top);
}

NotesList::Entry NotesList::row(int row) const
{
    const int i = m_top + row;
    return row >= 0 && row < Rows && i < m_all.size() ? m_all[i] : Entry{};
}

// The page scrolls on until the last entry stands on the next-to-last row,
// so that the last row is free for a new entry.
int NotesList::lastTop() const
{
    return std::max(0, int(m_all.size()) - Rows + 1);
}

void NotesList::setTop(int top)
{
    m_top = std::clamp(top, 0, lastTop());
}

void NotesList::setCursor(int row)
{
    m_cursor = std::clamp(row, 0, Rows - 1);
}

bool NotesList::store(const QString &kodText, const QString &text)
{
    const QString typed = kodText.trimmed();
    bool ok = false;
    const qint64 kod = typed.toLongLong(&ok);
    if (!ok || kod == 0) {
        if (!text.trimmed().isEmpty()) {
            m_ui.tell(u"Не е посочен код."_s);
            return false;
        }
        down();
        return false;
    }
    if (kod < 1 || kod > kMaxKod) {
        m_ui.tell(u"Кодът трябва да е число от 1 до %1."_s.arg(kMaxKod));
        return false;
    }
    if (text.trimmed().isEmpty()) {
        down();
        return false;
    }
    auto table = m_store.table(DbKind::Main, kTable);
    if (!table)
        return false;
    Record r(table->def());
    r.setKey(kod);
    r.setText(u"Ime"_s, text.trimmed());  // cut to its 20 characters
    if (!table->save(r))
        return false;
    table.reset();
    reload();
    down();
    return true;
}

bool NotesList::removeCursorRow()
{
    const Entry e = row(m_cursor);
    if (e.kod == 0) {
        m_ui.tell(u"На този ред няма нищо за изтриване."_s);
        return false;
    }
    if (!m_ui.askOkCancel(u"Изтрива маркирания ред."_s))
        return false;
    auto table = m_store.table(DbKind::Main, kTable);
    if (!table || !table->remove(e.kod))
        return false;
    table.reset();
    reload();
    return true;
}

void NotesList::up()
{
    if (m_cursor > 0)
        --m_cursor;
    else
        setTop(m_top - 1);
}

void NotesList::down()
{
    if (m_cursor < Rows - 1)
        ++m_cursor;
    else
        setTop(m_top + 1);
}

void NotesList::pageUp()
{
    setTop(m_top - Rows);
}

void NotesList::pageDown()
{
    setTop(m_top + Rows);
}

void NotesList::first()
{
    m_top = 0;
    m_cursor = 0;
}

void NotesList::last()
{
    setTop(lastTop());
    m_cursor = std::clamp(int(m_all.size()) - 1 - m_top, 0, Rows - 1);
}

}  // namespace remitor
