// Random input, fixed seed: the rules must neither crash nor misbehave on
// whatever reaches a field (pasted text, damaged records, imported files).
#include "rules/dates.h"
#include "rules/formatting.h"
#include "rules/identifiers.h"
#include "rules/words.h"
#include "support/scripted_interaction.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using remitor::Money;

namespace {

// Random bytes read as Latin-1, as UTF-8 (with broken sequences) or as raw
// UTF-16 (with lone surrogates); or text from the characters the rules care about.
QString randomText(QRandomGenerator &rng)
{
    const int length = rng.bounded(0, 40);
    QByteArray bytes(length * 2, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(rng.bounded(256));
    switch (rng.bounded(4)) {
    case 0:
        return QString::fromLatin1(bytes.left(length));
    case 1:
        return QString::fromUtf8(bytes.left(length));
    case 2:
        return QString(reinterpret_cast<const QChar *>(bytes.constData()), length);
    default: {
        static const QString alphabet = u"0123456789 .,-+/eEdD\tBGАБВЯНУмай"_s;
        QString s;
        for (int i = 0; i < length; ++i)
            s += alphabet.at(rng.bounded(int(alphabet.size())));
        return s;
    }
    }
}

} // namespace

class TestFuzz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomText();
    void randomAmounts();
};

void TestFuzz::randomText()
{
    static const QRegularExpression dateShape(u"^\\d\\d\\.\\d\\d\\.\\d\\d\\d\\d$"_s);
    static const QRegularExpression ibanShape(u"^[0-9A-Z]{22}$"_s);
    QRandomGenerator rng(31022010);
    for (int n = 0; n < 20000; ++n) {
        const QString input = ::randomText(rng);

        QString amountText = input;
        const Money amount = remitor::ParseAmount(amountText);
        QCOMPARE(amountText, input.trimmed().replace(u',', u'.'));
        QCOMPARE(remitor::ParseAmount(amountText), amount);

        QString dateText = input;
        const QString date = remitor::NormalizeDateText(dateText);
        QVERIFY(dateText.size() <= 10);
        QVERIFY(!date.isEmpty() == dateShape.match(date).hasMatch());
        QVERIFY(date.isEmpty() || remitor::NormalizeDateText(date) == date);

        remitor::test::ScriptedInteraction ui;
        const bool iban = remitor::CheckIBAN(input, &ui);
        QCOMPARE(ui.shown().size(), iban ? 0 : 1);
        const bool blank = std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c <= u' '; });
        if (iban && !blank)
            QVERIFY(ibanShape.match(input.trimmed()).hasMatch());

        QString digits = input;
        digits.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
        QCOMPARE(remitor::CheckBulstat(input, 0, nullptr),
                 remitor::CheckBulstat(digits, 0, nullptr));

        QString spreadText = input;
        const QString spread = remitor::SpreadChars(spreadText);
        const auto blanks = std::count_if(spreadText.cbegin(), spreadText.cend(),
                                          [](QChar c) { return c.isSpace(); });
        QCOMPARE(spread.size(), 2 * (spreadText.size() - blanks));
        QCOMPARE(remitor::SpreadCharsGrouped(spreadText).size(),
                 spread.size() + 2 * ((spreadText.size() - blanks) / 4));
        QString blanked = input;
        remitor::BlankControlChars(blanked);
        QVERIFY(std::none_of(blanked.cbegin(), blanked.cend(), [](QChar c) { return c < u' '; }));
        QVERIFY(remitor::GroupInWordsBG(input, rng.bounded(-1, 6)).endsWith(u' '));
        QVERIFY(!remitor::AmountInWordsBG(amount, u"EUR"_s).contains(u"   "));
        // These need only survive any text.
        remitor::MonthTextToDate(input);
        remitor::AmountInWordsBG(amount, input);
        remitor::AmountInWordsEN(amount, input);
    }
}

// Money values over the whole range, the extremes included.
void TestFuzz::randomAmounts()
{
    QRandomGenerator rng(5012010);
    QList<qint64> raws = {0, 1, -1, 49, 50, std::numeric_limits<qint64>::max(),
                          std::numeric_limits<qint64>::min()};
    for (int n = 0; n < 20000; ++n)
        raws.append(qint64(rng.generate64()) >> rng.bounded(64));
    for (const qint64 raw : std::as_const(raws)) {
        const Money m = Money::fromRaw(raw);
        const QString bg = remitor::AmountInWordsBG(m, u"BGN"_s);
        QCOMPARE(bg.isEmpty(), m.scaledTo(2) <= 0);
        QCOMPARE(bg == u"ПРЕПЪЛВА", m.scaledTo(2) >= 100'000'000'000'000);
        QCOMPARE(remitor::AmountInWordsEN(m, u"USD"_s).isEmpty(), m.scaledTo(2) < 0);
        const int width = rng.bounded(-2, 25);
        const int decimals = rng.bounded(-2, 8);
        QCOMPARE(remitor::FormatSpacePadded(m, width, decimals).size(), qMax(width, 0));
        QCOMPARE(remitor::FormatZeroPadded(m, width, decimals).size(), qMax(width, 0));
        QCOMPARE(remitor::FormatZeroPadded(raw, width, decimals).size(), qMax(width, 0));
        QCOMPARE(remitor::FormatSpacePaddedComma(m, width, decimals).size(), qMax(width, 0));
    }
}

QTEST_GUILESS_MAIN(TestFuzz)
#include "tst_fuzz.moc"
