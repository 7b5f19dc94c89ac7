#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace remitor {

class Interaction;
class Store;

// The words for the kinds of organisation that the documents address,
// numbered 1 to 6: what an empty list of notes starts with.
const QStringList &NoteSeeds();
// Writes the seed entries when NotesTable is empty, in one transaction.
// True when they were written.
bool SeedNotes(Store &store);

// The notes ("Бележки") as the window frmNotes pages through them: fifteen
// rows from the entry at the top of the page, rows past the last entry
// empty for new ones, and the cursor row. Only Enter writes a row.
class NotesList {
public:
    static constexpr int Rows = 15;

    struct Entry {
        int kod = 0;  // 0: an empty row
        QString text;
    };

    NotesList(Store &store, Interaction &ui);

    // The window opens: an empty table is seeded, the page starts at the
    // first entry with the cursor on it.
    void open();

    int count() const { return int(m_all.size()); }
    Entry row(int row) const;
    int cursor() const { return m_cursor; }
    void setCursor(int row);

    // Enter on the cursor row with the typed number and text: a text without
    // a number is refused with "Не е посочен код." and the cursor stays; a
    // row with both is written by its number, the page read again and the
    // cursor moved down. False when nothing was written.
    bool store(const QString &kod, const QString &text);
    // "Трие": the question, then the cursor row's entry goes.
    bool removeCursorRow();

    // The arrows scroll the page by one entry at its top and bottom row;
    // the page keys move by a page; the first and last entry.
    void up();
    void down();
    void pageUp();
    void pageDown();
    void first();
    void last();

private:
    void reload();
    int lastTop() const;
    void setTop(int top);

    Store &m_store;
    Interaction &m_ui;
    QList<Entry> m_all;  // every entry, by number
    int m_top = 0;       // the entry on the page's first row
    int m_cursor = 0;
};

}  // namespace remitor
