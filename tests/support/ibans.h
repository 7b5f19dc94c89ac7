#pragma once

#include "rules/identifiers.h"

#include <QString>

namespace remitor::test {

// A Bulgarian IBAN of the bank with IBAN code `code` (four capital letters),
// with the check digits that CheckIBAN accepts; `account` is the other 14
// characters.
inline QString ValidIban(const QString &code,
                         const QString &account = QStringLiteral("93000012345678"))
{
    for (int digits = 2; digits <= 98; ++digits) {
        const QString iban =
            QStringLiteral("BG%1%2%3").arg(digits, 2, 10, QChar(u'0')).arg(code, account);
        if (CheckIBAN(iban, nullptr))
            return iban;
    }
    return {};
}

}  // namespace remitor::test
