#pragma once

#include <QString>
#include <QtGlobal>

namespace remitor {

class Interaction;

// Checks a bank account number in IBAN form: 22 characters (the Bulgarian
// length), digits and capital Latin letters only, ISO 7064 MOD 97-10 check
// digits. An empty or all-blank field is not an error and passes. Blanks
// around the text (the padding of a fixed-width field) are ignored.
// On failure tells the user "Невалиден IBAN номер: " followed by the text as
// passed, with an OK button and no icon; `ui` may be null for a silent check.
bool CheckIBAN(const QString &iban, Interaction *ui);

// Checks an account that may be held abroad: a Bulgarian one (BG…) by
// CheckIBAN; any other by the IBAN rule of every country (ISO 13616): two
// capital letters, two check digits, 15 to 34 digits and capital letters in
// all, MOD 97-10. Blanks around it are ignored, an empty one passes, and a
// failure tells the same message as CheckIBAN.
bool CheckForeignIBAN(const QString &iban, Interaction *ui);

// Checks a BULSTAT (company registration) number on its digits only: 13
// digits are checked as a thirteen-digit number, anything else as the last
// nine digits (left-padded with zeros, so an empty number passes). When
// `showMessage` is 1 a failure tells the user "Невалиден булстат!" with the
// critical icon; any other value, or a null `ui`, keeps it silent.
bool CheckBulstat(const QString &bulstat, qint16 showMessage, Interaction *ui);

// A BIC for a field of `width` characters: an eleven-character BIC of the
// bank's head office ("…XXX") names the same bank as its first eight, and
// only those fit a narrower field (cut to ten, it would be no BIC at all).
// Any other text comes back trimmed.
QString BicForWidth(const QString &bic, int width);

} // namespace remitor
