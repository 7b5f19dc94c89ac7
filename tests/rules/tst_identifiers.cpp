// IBAN and BULSTAT checks: the verdicts and the exact messages the user sees.
#include "rules/identifiers.h"
#include "support/scripted_interaction.h"

#include <QTest>

using namespace Qt::StringLiterals;
using remitor::Interaction;
using remitor::test::ScriptedInteraction;

namespace {
const QString kPublished = u"BG80BNBG96611020345678"_s;
}

class TestIdentifiers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iban_data();
    void iban();
    void ibanSingleDigitChanges();
    void bulstat_data();
    void bulstat();
};

void TestIdentifiers::iban_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("foreign");  // CheckForeignIBAN instead of CheckIBAN

    QTest::newRow("published example") << kPublished << true << false;
    QTest::newRow("padded to the field width") << kPublished + u"     "_s << true << false;
    QTest::newRow("empty") << QString() << true << false;
    QTest::newRow("NUL-filled field") << QString(22, QChar(0)) << true << false;
    // Published IBANs of other countries: right check digits, wrong length.
    QTest::newRow("21 characters, checksum right") << u"CH9300762011623852957"_s << false << false;
    QTest::newRow("23 characters, checksum right")
        << u"AE070331234567890123456"_s << false << false;
    QTest::newRow("lower case, padded") << u"bg80bnbg96611020345678 "_s << false << false;
    QTest::newRow("blank inside, 22 characters") << u"BG80BNBG 9661102034567"_s << false << false;
    // An account abroad has the length of its country.
    QTest::newRow("abroad: Swiss, 21") << u"CH9300762011623852957"_s << true << true;
    QTest::newRow("abroad: French, 27, padded")
        << u"FR1420041010050500013M02606  "_s << true << true;
    QTest::newRow("abroad: a digit changed") << u"FR1420041010050500013M02607"_s << false << true;
    QTest::newRow("abroad: no country code") << u"1420041010050500013M02606FR"_s << false << true;
    QTest::newRow("abroad: 14 characters") << u"NO938601111794"_s << false << true;
    QTest::newRow("abroad: a Bulgarian one is 22") << u"BG80BNBG9661102034567"_s << false << true;
    QTest::newRow("abroad: empty") << u"  "_s << true << true;
}

void TestIdentifiers::iban()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(bool, foreign);
    ScriptedInteraction ui;
    QCOMPARE((foreign ? remitor::CheckForeignIBAN : remitor::CheckIBAN)(text, &ui), valid);
    QCOMPARE(ui.texts(), valid ? QStringList() : QStringList{u"Невалиден IBAN номер: "_s + text});
    if (!valid) {
        QCOMPARE(ui.shown().first().kind, ScriptedInteraction::Shown::Tell);
        QCOMPARE(ui.shown().first().icon, Interaction::Icon::None);
        QVERIFY(ui.shown().first().title.isEmpty());
    }
}

// MOD 97-10 catches every single-digit error: change each digit of the
// published IBAN to each other digit. Without a user the check stays silent.
void TestIdentifiers::ibanSingleDigitChanges()
{
    int checked = 0;
    for (qsizetype i = 0; i < kPublished.size(); ++i) {
        for (char16_t d = u'0'; d <= u'9' && kPublished.at(i).isDigit(); ++d) {
            QString changed = kPublished;
            changed[i] = QChar(d);
            if (changed == kPublished)
                continue;
            QVERIFY2(!remitor::CheckIBAN(changed, nullptr), qPrintable(changed));
            ++checked;
        }
    }
    QCOMPARE(checked, 16 * 9);  // sixteen digits in the published IBAN
    QVERIFY(!remitor::CheckBulstat(u"123456787"_s, 1, nullptr));
}

void TestIdentifiers::bulstat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("9 digits") << u"123456786"_s << true;
    QTest::newRow("9 digits, wrong check digit") << u"123456787"_s << false;
    QTest::newRow("9 digits, second weight set (65, then 83)") << u"100000086"_s << true;
    QTest::newRow("second weight set, wrong digit") << u"100000087"_s << false;
    QTest::newRow("both weight sets give 10: check 0") << u"082041610"_s << true;
    QTest::newRow("13 digits") << u"1234567861237"_s << true;
    QTest::newRow("13 digits, wrong last digit") << u"1234567861238"_s << false;
    QTest::newRow("13 digits, wrong ninth digit") << u"1234567871237"_s << false;
    QTest::newRow("13 digits, second weight set") << u"1234567860048"_s << true;
    QTest::newRow("separators, valid digits") << u"123-456-786"_s << true;
    QTest::newRow("10-digit personal number: last nine") << u"9123456786"_s << true;
    QTest::newRow("14 digits: last nine, not thirteen") << u"55555123456786"_s << true;
    QTest::newRow("leading zeros left out") << u"82041610"_s << true;
    QTest::newRow("empty") << QString() << true;
}

void TestIdentifiers::bulstat()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    for (const qint16 flag : {qint16(1), qint16(0), qint16(2)}) {
        ScriptedInteraction ui;
        QCOMPARE(remitor::CheckBulstat(text, flag, &ui), valid);
        const bool told = !valid && flag == 1;
        QCOMPARE(ui.texts(), told ? QStringList{u"Невалиден булстат!"_s} : QStringList());
        if (told)
            QCOMPARE(ui.shown().first().icon, Interaction::Icon::Critical);
    }
}

QTEST_GUILESS_MAIN(TestIdentifiers)
#include "tst_identifiers.moc"
