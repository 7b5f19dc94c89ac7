#pragma once

#include "store/record.h"

#include <QString>
#include <QVector>

namespace remitor {

class Session;
class Table;

// The budget paragraphs ("Списък на параграфите"): the user's own list of
// payment-type codes with their explanations, kept in ParagrafTable in the
// order of their positions (Row). The window edits fifteen rows at a time
// in place; a page holds sixteen entries read from the entry at its top, so
// that the window knows whether one more follows. Every row is written the
// moment it is committed.
class ParagraphList {
public:
    static constexpr int ShownRows = 15;
    static constexpr int PageEntries = 16;
    static constexpr int PageStep = 14;  // a page move keeps one row in sight
    static constexpr int SearchKind = 8;

    enum class Move { First, Back, Forward, Last, PageBack, PageForward };

    struct Entry {
        qint64 row = 0;  // the position; 0 for an empty screen row
        QString code;
        QString text;
    };

    explicit ParagraphList(Session &session);

    // Opening the window: the count, and the page read again from the
    // entry at its top (from the first one the first time).
    void open();
    int count() const { return m_count; }
    const Entry &entry(int index) const { return m_page[index]; }

    // Moves the page; false when the table could not be read.
    bool move(Move mode);
    // Reads the page so that the entry at position `row` (or the first one
    // after it) is its top row.
    bool readPageFrom(qint64 row);

    // Writes the texts of screen row `index`: the code trimmed (cut to its
    // 12 characters), the text trimmed on the left. An empty screen row
    // becomes a new entry after the last one, never over an existing one;
    // an empty row left empty is not written. False when nothing was written.
    bool commit(int index, const QString &code, const QString &text);
    // "Трие": asks "Изтрива: <code>-<text>", deletes the entry and reads
    // the page again from the same top. Positions of the others stay.
    bool remove(int index);
    // "Търси": the text asked for, the pick list of the entries whose text
    // holds it, and the chosen entry read as the top row. False when nothing
    // was asked or chosen.
    bool search();

    // "Печат": the list as the printer gets it, one line per entry.
    QString printText();

    // A heading of the list: a code of zeros ("000000").
    static bool isHeading(const QString &code);

private:
    void readFrom(Table &table, qint64 row);

    Session &m_session;
    QVector<Entry> m_page;
    int m_count = 0;
};

}  // namespace remitor
