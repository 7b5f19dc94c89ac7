#pragma once

#include "base/interaction.h"

#include <QString>

namespace remitor {

class Store;

// What the find dialog is asked for: which list (the search kind number),
// the text to look for (already upper-cased; empty lists everything), the
// field it is looked for in (0 payer, 1 payee, 2 bank) and the number of
// the caller's document, whose line is selected when the list opens.
struct FindQuery {
    int searchKind = 0;
    QString searchText;
    int searchField = 0;
    qint64 currentKod = 0;
};

// Reads the whole table of the search kind and builds the lines of the rows
// that match: the number right-aligned in five characters, then the kind's
// columns, each cut to its width, joined by " | ". Also the column headers,
// the count text ("Прочетени 12 записа." / "Няма записи.") and the line of
// the caller's document.
FindListView BuildFindList(Store &store, const FindQuery &query, const QString &caption);

// Builds the list and lets the user pick from it: the chosen line, or an
// empty text when nothing was chosen.
QString RunFind(Store &store, Interaction &ui, const FindQuery &query, const QString &caption);

// The number at the start of a chosen line; 0 for an empty or unreadable
// text.
qint64 NumberOfLine(const QString &line);

// The number column of a list line: right-aligned in five characters
// ("    7", "12345"). A number that does not fit is written whole
// ("123456"), never cut to its last five digits, which would name another
// document; NumberOfLine reads such a number back whole as well, as it
// reads the leading number of the line up to the first non-digit.
QString FindLineNumber(qint64 number);

}  // namespace remitor
