#pragma once

#include "base/money.h"

#include <QString>

namespace remitor {

// Reads an amount as the user typed it. The text is trimmed and every "," is
// turned into "." — both written back into `text`, so the field shows what
// was read. The value is the leading number of the text: an optional sign,
// digits with one decimal point and an optional exponent (E or D), blanks
// inside the number skipped, reading stopping at the first character that
// cannot continue it ("1 234,56" is 1234.56, "12.5 лв" is 12.5). Rounded half
// away from zero to ten-thousandths. No number, or one too large for Money,
// gives 0.
Money ParseAmount(QString &text);
Money ParseAmount(const QString &text);

// Fixed-width figures for the boxes of a form and for report columns. Each
// returns exactly `width` characters (nothing for a width of 0 or less). The
// value is rounded half away from zero to `decimals` places and written with
// a decimal point and no grouping, whatever the machine's settings.
//
// Zero-padded: a zero value is `width` zeros; otherwise zeros fill on the
// left, after a minus sign if any ("-012.50").
QString FormatZeroPadded(Money value, int width, int decimals);
QString FormatZeroPadded(qint64 value, int width, int decimals = 0);
// Space-padded: a zero value is `width` blanks; otherwise right-aligned.
QString FormatSpacePadded(Money value, int width, int decimals);
QString FormatSpacePadded(qint64 value, int width, int decimals = 0);
// As FormatSpacePadded, with a decimal comma, for the amount boxes of the forms.
QString FormatSpacePaddedComma(Money value, int width, int decimals);
// All of them give the first `width` characters of "Препълва" padded with
// blanks when the figures do not fit.
QString OverflowText(int width);

// Spreads a code or account over the boxes of a printed form: the text is
// trimmed (written back) and every non-blank character is followed by one
// blank ("BG80" gives "B G 8 0 ").
QString SpreadChars(QString &text);
QString SpreadChars(const QString &text);
// As SpreadChars, with two more blanks after every fourth character, for an
// IBAN printed in groups of four.
QString SpreadCharsGrouped(QString &text);
QString SpreadCharsGrouped(const QString &text);

// Replaces every character below a blank (tab, CR, LF, NUL...) by a blank, in place.
void BlankControlChars(QString &text);

// The text without the blanks (and line ends) at its right end; the blanks
// a user typed in front stay.
QString RightTrimmed(const QString &text);

// A number as the program puts it into captions and messages: positive
// values with a leading blank (" 12"), others as they are.
QString numberText(qint64 n);

// True when `path` is not empty and names an existing file (not a folder).
bool FileExists(const QString &path);

} // namespace remitor
