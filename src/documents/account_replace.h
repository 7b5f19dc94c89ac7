#pragma once

#include <QString>
#include <optional>

namespace remitor {

class Interaction;
class Store;

// Where the replacement window writes: the kind code (1 budget payment
// order … 7 order-receipt, 8 foreign-currency transfer order) and the field
// code (1 payee account, 2 payer account, 3-6 texts of the budget payment
// order) name a table and a field.
struct ReplaceTarget {
    QString table;     // "PlnTable"
    QString field;     // "IBANp"
    bool account = false;  // codes 1, 2: one account replaced by another
    bool ibanRule = false; // the new account must pass the IBAN rule
    QString what;          // the field as the user knows it: "IBAN на получателя"
    bool foreign = false;  // … the rule of its own country (CheckForeignIBAN)
};

// The table and field of a kind code and field code; nothing for a pair
// that names no field.
std::optional<ReplaceTarget> ReplaceTargetFor(int kindCode, int fieldCode);

// The captions over the window's two fields for that pair: "Заменя текст:"
// and "Със следния текст:"; the budget payment orders (single and four-item)
// have "Заменя Сметка:" and "Със Сметка:" for their accounts, and the
// single one "Копира текста във всички документи." (with no second field)
// for its texts.
struct ReplaceCaptions {
    QString first;
    QString second;  // empty: the second field is not used
};
ReplaceCaptions ReplaceCaptionsFor(int kindCode, int fieldCode);

// What a replacement did, for the editor that opened the window: for the
// account codes it puts `value` into its own record field `field`.
struct ReplaceDone {
    QString field;
    QString value;
    bool account = false;
    int changed = 0;  // documents written
};

// The replacement of the window "Заменя" over the whole table of the kind,
// in the main database only (the reports base keeps what was copied there).
// Accounts (field codes 1, 2): every document whose account, trimmed,
// equals `text1` trimmed gets `text2` trimmed; the new account must pass
// the IBAN rule, and empty fields are refused with "В поле 1 не е посочена
// сметка." or "В поле 2 не е посочена сметка.". Texts (codes 3-6 of the
// budget payment order): every document gets `text1` trimmed.
// One transaction: every document or none. Nothing when it was refused or
// failed (the user has been told); the window stays open then.
std::optional<ReplaceDone> ReplaceInAllDocuments(Store &store, Interaction &ui, int kindCode,
                                                 int fieldCode, const QString &text1,
                                                 const QString &text2);

}  // namespace remitor
