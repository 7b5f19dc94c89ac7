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
    void ibanSilentWithoutUser();
    void bulstat_data();
    void bulstat();
};

void TestIdentifiers::iban_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("published example") << kPublished << true;
    QTest::newRow("another Bulgarian account") << u"BG18RZBB91550123456789"_s << true;
    QTest::newRow("foreign 22-character IBAN") << u"DE89370400440532013000"_s << true;
    QTest::newRow("padded to the field width") << kPublished + u"     "_s << true;
    QTest::newRow("typed with a blank in front") << u" "_s + kPublished << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("all blanks") << QString(22, u' ') << true;
    QTest::newRow("NUL-filled field") << QString(22, QChar(0)) << true;
    // Published IBANs of other countries: right check digits, wrong length.
    QTest::newRow("21 characters, checksum right") << u"CH9300762011623852957"_s << false;
    QTest::newRow("23 characters, checksum right") << u"AE070331234567890123456"_s << false;
    QTest::newRow("one character short") << kPublished.left(21) << false;
    QTest::newRow("lower case") << u"bg80bnbg96611020345678"_s << false;
    QTest::newRow("grouped in fours (24 characters)") << u"BG80 BNBG 9661 1020 3456"_s << false;
    QTest::newRow("blank inside, 22 characters") << u"BG80BNBG 9661102034567"_s << false;
    QTest::newRow("Cyrillic В for B") << u"ВG80BNBG96611020345678"_s << false;
    QTest::newRow("control character in front") << u"\u0001"_s + kPublished << false;
    QTest::newRow("check digits swapped") << u"BG08BNBG96611020345678"_s << false;
}

void TestIdentifiers::iban()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const QString before = text;
    ScriptedInteraction ui;
    QCOMPARE(remitor::CheckIBAN(text, &ui), valid);
    QCOMPARE(text, before);
    if (valid) {
        QVERIFY(ui.shown().isEmpty());
    } else {
        QCOMPARE(ui.shown().size(), 1);
        const auto &shown = ui.shown().first();
        QCOMPARE(shown.kind, ScriptedInteraction::Shown::Tell);
        QCOMPARE(shown.text, u"Невалиден IBAN номер: "_s + text);
        QCOMPARE(shown.icon, Interaction::Icon::None);
        QVERIFY(shown.title.isEmpty());
    }
}

// MOD 97-10 catches every single-digit error: change each digit of the
// published IBAN to each other digit.
void TestIdentifiers::ibanSingleDigitChanges()
{
    int checked = 0;
    for (qsizetype i = 0; i < kPublished.size(); ++i) {
        if (!kPublished.at(i).isDigit())
            continue;
        for (char16_t d = u'0'; d <= u'9'; ++d) {
            if (kPublished.at(i) == QChar(d))
                continue;
            QString changed = kPublished;
            changed[i] = QChar(d);
            ScriptedInteraction ui;
            QVERIFY2(!remitor::CheckIBAN(changed, &ui), qPrintable(changed));
            QCOMPARE(ui.texts(), QStringList{u"Невалиден IBAN номер: "_s + changed});
            ++checked;
        }
    }
    QCOMPARE(checked, 16 * 9);  // sixteen digits in the published IBAN
}

void TestIdentifiers::ibanSilentWithoutUser()
{
    QVERIFY(!remitor::CheckIBAN(u"BG81BNBG96611020345678"_s, nullptr));
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
    QTest::newRow("both weight sets give 10: not 1") << u"082041611"_s << false;
    QTest::newRow("13 digits") << u"1234567861237"_s << true;
    QTest::newRow("13 digits, wrong last digit") << u"1234567861238"_s << false;
    QTest::newRow("13 digits, wrong ninth digit") << u"1234567871237"_s << false;
    QTest::newRow("13 digits, second weight set") << u"1234567860048"_s << true;
    QTest::newRow("13 digits, second weight set, wrong") << u"1234567860040"_s << false;
    QTest::newRow("13 digits, both weight sets give 10") << u"1234567860880"_s << true;
    QTest::newRow("separators, valid digits") << u"123-456-786"_s << true;
    QTest::newRow("separators, invalid digits") << u"121-000-000"_s << false;
    QTest::newRow("letters and blanks around") << u" BG 123456786 "_s << true;
    QTest::newRow("10-digit personal number: last nine") << u"9123456786"_s << true;
    QTest::newRow("10 digits, last nine invalid") << u"1123456787"_s << false;
    QTest::newRow("14 digits: last nine, not thirteen") << u"01234567861237"_s << false;
    QTest::newRow("short number gains leading zeros") << u"19"_s << false;
    QTest::newRow("leading zeros left out") << u"82041610"_s << true;
    QTest::newRow("empty") << QString() << true;
}

void TestIdentifiers::bulstat()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    for (const qint16 flag : {qint16(1), qint16(0), qint16(2), qint16(-1)}) {
        ScriptedInteraction ui;
        QCOMPARE(remitor::CheckBulstat(text, flag, &ui), valid);
        if (valid || flag != 1) {
            QVERIFY(ui.shown().isEmpty());
            continue;
        }
        QCOMPARE(ui.shown().size(), 1);
        QCOMPARE(ui.shown().first().text, u"Невалиден булстат!"_s);
        QCOMPARE(ui.shown().first().icon, Interaction::Icon::Critical);
    }
}

QTEST_GUILESS_MAIN(TestIdentifiers)
#include "tst_identifiers.moc"
