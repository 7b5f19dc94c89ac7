#include "rules/identifiers.h"

#include "base/interaction.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }

bool isIbanChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z');
}

// MOD 97-10 over the IBAN with its first four characters moved to the end and
// each letter counted as two digits (A = 10 ... Z = 35).
int ibanRemainder(QStringView iban)
{
    int rest = 0;
    auto feed = [&rest](int digit) { rest = (rest * 10 + digit) % 97; };
    auto feedChar = [&feed](QChar c) {
        const char16_t u = c.unicode();
        if (u <= u'9') {
            feed(u - u'0');
        } else {
            const int value = u - u'A' + 10;
            feed(value / 10);
            feed(value % 10);
        }
    };
    for (QChar c : iban.mid(4))
        feedChar(c);
    for (QChar c : iban.left(4))
        feedChar(c);
    return rest;
}

// Remainder of the weighted digit sum modulo 11; a remainder of 10 takes the
// second weight set, and a second 10 counts as 0.
int weightedCheck(const int *digits, const int *weights, const int *secondWeights, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += digits[i] * weights[i];
    int r = sum % 11;
    if (r == 10) {
        sum = 0;
        for (int i = 0; i < count; ++i)
            sum += digits[i] * secondWeights[i];
        r = sum % 11;
        if (r == 10)
            r = 0;
    }
    return r;
}

bool bulstatDigitsValid(const QString &digitText)
{
    std::array<int, 13> d{};
    const qsizetype n = digitText.size();
    for (qsizetype i = 0; i < n; ++i)
        d[size_t(i)] = digitText.at(i).unicode() - u'0';

    static constexpr int w9[] = {1, 2, 3, 4, 5, 6, 7, 8};
    static constexpr int w9b[] = {3, 4, 5, 6, 7, 8, 9, 10};
    if (d[8] != weightedCheck(d.data(), w9, w9b, 8))
        return false;
    if (n == 9)
        return true;

    static constexpr int w13[] = {2, 7, 3, 5};
    static constexpr int w13b[] = {4, 9, 5, 7};
    return d[12] == weightedCheck(d.data() + 8, w13, w13b, 4);
}

} // namespace

bool CheckIBAN(const QString &iban, Interaction *ui)
{
    if (std::all_of(iban.cbegin(), iban.cend(), isBlankOrControl))
        return true;  // an empty account field is not an error

    // The check runs on the trimmed text, so a field padded to its width or
    // typed with a blank in front is judged on the account itself. Anything
    // but digits and capitals (lower case, Cyrillic look-alikes, blanks
    // inside) cannot be an IBAN, whatever the arithmetic would say.
    const QString text = iban.trimmed();
    const bool valid = text.size() == 22 && std::all_of(text.cbegin(), text.cend(), isIbanChar)
                       && ibanRemainder(text) == 1;
    if (!valid && ui)
        ui->tell(u"Невалиден IBAN номер: "_s + iban, Interaction::Icon::None);
    return valid;
}

bool CheckForeignIBAN(const QString &iban, Interaction *ui)
{
    const QString text = iban.trimmed();
    if (text.isEmpty() || text.startsWith(u"BG"_s))
        return CheckIBAN(iban, ui);
    // The lengths of the countries differ (CH 21, DE 22, FR 27, MT 31).
    const bool valid = text.size() >= 15 && text.size() <= 34 &&
                       std::all_of(text.cbegin(), text.cend(), isIbanChar) && text[0].isLetter() &&
                       text[1].isLetter() && text[2].isDigit() && text[3].isDigit() &&
                       ibanRemainder(text) == 1;
    if (!valid && ui)
        ui->tell(u"Невалиден IBAN номер: "_s + iban, Interaction::Icon::None);
    return valid;
}

bool CheckBulstat(const QString &bulstat, qint16 showMessage, Interaction *ui)
{
    QString digits;
    for (QChar c : bulstat) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            digits.append(c);
    }
    // A thirteen-digit number stays whole; anything else is judged as the
    // last nine digits, so a ten-digit personal number typed here and a short
    // number with its leading zeros left out both come to nine.
    if (digits.size() != 13)
        digits = digits.rightJustified(9, u'0').right(9);

    const bool valid = bulstatDigitsValid(digits);
    if (!valid && showMessage == 1 && ui)
        ui->tell(u"Невалиден булстат!"_s, Interaction::Icon::Critical);
    return valid;
}

QString BicForWidth(const QString &bic, int width)
{
    const QString b = bic.trimmed();
    return b.size() == 11 && width < 11 && b.endsWith(u"XXX"_s, Qt::CaseInsensitive) ? b.left(8) : b;
}

} // namespace remitor
