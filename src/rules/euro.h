#pragma once

#include "base/interaction.h"
#include "base/money.h"
#include "store/record.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace remitor {

// Bulgaria joined the euro on 1 January 2026 at 1 EUR = 1.95583 BGN.
inline constexpr auto EuroRateText = u"1.95583";

// The euro amount of an amount in leva: divided by 1.95583 and rounded to
// the cent, half away from zero. Integer arithmetic only, exact over the
// whole range of Money (no intermediate product leaves 64 bits), so it is
// the exact rational rounding of every amount a form can hold.
Money LevaToEuro(Money leva);

// True for the currency texts that the conversion counts as leva: BGN or
// ЛЕВ in any letter case, blanks around them ignored. BGL is not: the lev
// before 1999 is worth a thousandth of today's.
bool IsLevCurrency(const QString &currency);

// One amount of a document and the field that says its currency.
struct AmountField {
    QString amount;    // a money field: "suma", "TAXsuma"
    QString currency;  // a text field: "valuta", "TAXvaluta"
    // The amounts that this one is the total of ("suma1".."suma4" of the
    // four-item budget order); empty for most amounts.
    QStringList parts;

    bool operator==(const AmountField &) const = default;
};

// The amounts of a kind's table with their currency fields, in the order of
// the layout, derived from the field names:
// - every money field is an amount; the currency field of an amount named
//   with "suma" is its name with "suma" replaced by `currencyField`, when the
//   table has such a text field ("TAXsuma" → "TAXvaluta", and for the
//   buy/sell order with "Valuta": "suma0" → "Valuta0", "suma1" → "Valuta1");
//   otherwise it is `currencyField` itself ("suma1".."suma4" → "valuta");
//   an amount with neither is left out;
// - an amount X is the total of the amounts named X followed by digits
//   that share its currency field ("suma" of "suma1".."suma4").
// Names compare without regard to case; the result carries the table's
// spelling. A table without `currencyField` and without per-amount currency
// fields (the cash orders) gives an empty list.
//   PlnTable, "valuta":   suma/valuta, TAXsuma/TAXvaluta
//   PlnB4Table, "valuta": suma/valuta (parts suma1..suma4), suma1..suma4/valuta
//   BuyTable, "Valuta":   suma0/Valuta0, suma1/Valuta1 (pass "vidValuta" or
//                         "Valuta2" to pair the amounts with those fields)
QList<AmountField> AmountFieldsOf(const TableDef &table, const QString &currencyField);

// What the command "Превръща сумите в евро" would do to a document. The
// document's currency is the currency field of the first amount (the main
// amount comes first in every layout).
struct EuroConversion {
    enum class Outcome {
        Convert,        // in leva: the question, then ApplyEuroConversion
        NoAmount,       // no amount, or none in leva: a message, nothing changes
        AlreadyEuro,    // a message, nothing changes
        OtherCurrency,  // neither leva nor euro: a message, never touched
    };
    struct Line {
        AmountField field;
        Money before;
        Money after;     // equal to `before` where the amount stays
        bool converted;  // its own currency field says leva
    };

    Outcome outcome = Outcome::NoAmount;
    QList<Line> lines;  // one per amount field, in the order given
    // The question with the amounts before and after (Convert), or the message.
    QString text;
};

// The title of the question and the messages: "Превръщане в евро".
QString EuroConversionTitle();

// Works out the conversion without changing anything. Each amount whose own
// currency field says leva is divided by 1.95583 and rounded to the cent; a
// total whose parts added up before keeps adding up (it becomes the sum of
// its converted parts, which the four-item order checks before printing).
EuroConversion PlanEuroConversion(const Record &record, const QList<AmountField> &fields);

// Writes a planned conversion (Outcome::Convert only) into the record: the
// converted amounts, and "EUR" into every currency field that said leva.
void ApplyEuroConversion(Record &record, const EuroConversion &plan);

// The editors' command (F9): a document in leva shows the amounts before
// and after in an OK/Cancel question and is converted on OK; any other
// document gets its message (information icon). True when the record
// changed; saving stays with the user, as after any other edit. The
// amounts-in-words fields that a kind stores (the buy/sell order's
// "slovom0"/"slovom1") are the editor's to write again.
bool ConvertToEuro(Record &record, const QList<AmountField> &fields, Interaction &ui);

}  // namespace remitor
