// The rules give the same texts whatever the machine's language, number and
// date settings: run them under several locales and compare.
#include "rules/dates.h"
#include "rules/formatting.h"
#include "rules/identifiers.h"
#include "rules/words.h"

#include <QLocale>
#include <QTest>

#include <clocale>

using namespace Qt::StringLiterals;
using remitor::Money;

namespace {

// The machine's own settings are read when the application object is built,
// so they are changed before main() runs: Bulgarian writes "1 234,56" and
// "5.01.2010 г.".
const bool kMachineSettings = [] {
    for (const char *name : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"})
        qputenv(name, "bg_BG.UTF-8");
    return true;
}();

QStringList results()
{
    QString typedAmount = u"1 234,56"_s;
    QString typedDate = u"5/1/2010"_s;
    const Money amount = remitor::ParseAmount(typedAmount);
    const QDate date(2010, 1, 5);
    return {
        QString::number(amount.raw()),
        typedAmount,
        remitor::FormatZeroPadded(amount, 12, 2),
        remitor::FormatSpacePadded(amount, 12, 2),
        remitor::FormatSpacePaddedComma(amount, 12, 2),
        remitor::FormatSpacePadded(qint64(1234567), 10),
        remitor::NormalizeDateText(typedDate),
        typedDate,
        remitor::DateToText(date),
        remitor::LongDateText(date),
        remitor::ShortDateText(remitor::MonthTextToDate(u"05 януари 2010 г."_s)),
        remitor::AmountInWordsBG(amount, u"BGN"_s),
        remitor::AmountInWordsEN(amount, u"USD"_s),
        remitor::CheckIBAN(u"BG80BNBG96611020345678"_s, nullptr) ? u"1"_s : u"0"_s,
        remitor::CheckBulstat(u"123456786"_s, 0, nullptr) ? u"1"_s : u"0"_s,
    };
}

} // namespace

class TestLocale : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sameEverywhere_data();
    void sameEverywhere();
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }
};

void TestLocale::initTestCase()
{
    QVERIFY(kMachineSettings);
    // Make sure the Bulgarian machine settings are really in force.
    QCOMPARE(QLocale::system().language(), QLocale::Bulgarian);
    QCOMPARE(QLocale::system().decimalPoint(), u","_s);
    std::setlocale(LC_ALL, "");  // the C library too, where the machine has the locale
}

void TestLocale::sameEverywhere_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("machine (Bulgarian)") << QLocale::system();
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("Swiss French") << QLocale(QLocale::French, QLocale::Switzerland);
    QTest::newRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

void TestLocale::sameEverywhere()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(QLocale::c());
    const QStringList expected = results();
    QCOMPARE(expected.mid(0, 11),
             (QStringList{u"12345600"_s, u"1 234.56"_s, u"000001234.56"_s, u"     1234.56"_s,
                          u"     1234,56"_s, u"   1234567"_s, u"05.01.2010"_s, u"5.1.2010"_s,
                          u"05.01.2010"_s, u"05 януари 2010 г."_s, u"05.01.2010"_s}));

    QLocale::setDefault(locale);
    QCOMPARE(results(), expected);
}

QTEST_GUILESS_MAIN(TestLocale)
#include "tst_locale.moc"
