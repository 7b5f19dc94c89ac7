#pragma once

#include "store/record.h"

#include <QString>

namespace remitor {

// How a field's text goes into the record when the field is left.
enum class FieldRule {
    Text,           // as typed, cut to the width
    Upper,          // upper-cased
    Iban,           // upper-cased in the field too, and checked when left
    // A currency code, upper-cased: the English words name it, so the
    // bilingual forms take only three Latin letters.
    Currency,
    // An account that may be held abroad: as Iban, but checked by the IBAN
    // rule of its own country (CheckForeignIBAN) and not before printing.
    ForeignIban,
    Amount,         // the amount rule: decimal comma accepted
    WholeNumber,    // the leading whole number ("2 и думи" gives 2)
    Date,           // normalised; a text that is no date gives the empty date
    Trimmed,        // trimmed on both sides
    RightTrimmed,   // trimmed on the right, line breaks made blanks
    // The leading whole number of the first ten characters; a text worth 0
    // (or none) leaves the field as it was.
    NonZeroWholeNumber,
    // Stored only when the text is a whole number; anything else leaves the
    // field as it was.
    StrictWholeNumber,
    // A date kept in a text field: normalised to "dd.mm.yyyy", emptied when
    // it is no date.
    DateText,
    // An amount kept in a text field: the amount rule, stored as the plain
    // number ("500,5" gives "500.5"), shown with two decimals.
    AmountText,
    // One line: the first line break becomes three blanks, then trimmed on
    // the right.
    FirstBreakBlanks,
};

// Iban or ForeignIban: an account, upper-cased and checked when left.
constexpr bool IsAccountRule(FieldRule rule)
{
    return rule == FieldRule::Iban || rule == FieldRule::ForeignIban;
}

// How a field shows its record value, and how its text goes back: the
// display and commit rules of every editor.
QString DisplayText(const Record &record, const QString &field, FieldRule rule);
void TakeText(Record &record, const QString &field, FieldRule rule, const QString &text);
// The value of a flag, option or small number field as the option buttons
// and check boxes compare it, and the value they store.
qint64 OptionValue(const Record &record, const QString &field);
void SetOptionValue(Record &record, const QString &field, qint64 value);
// "###########0.00": at least one integer digit, two decimals, no grouping;
// empty for zero or less.
QString AmountDisplayText(Money amount);

// The leading whole number of a text, as the old programs read it ("2 и
// думи" gives 2; none gives 0).
qint64 LeadingWholeNumber(const QString &text);

}  // namespace remitor
