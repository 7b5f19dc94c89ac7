// Date texts: the fixed "dd.mm.yyyy" and long forms, typed dates, stored long dates.
#include "rules/dates.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateTexts_data();
    void dateTexts();
    void normalize_data();
    void normalize();
    void monthText_data();
    void monthText();
    void roundTripEveryDay();
};

void TestDates::dateTexts_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("shortText");
    QTest::addColumn<QString>("longText");

    QTest::newRow("January") << QDate(2010, 1, 5) << u"05.01.2010"_s << u"05.01.2010"_s
                             << u"05 януари 2010 г."_s;
    // The old zero date is an ordinary day here; only the null date is empty.
    QTest::newRow("30.12.1899") << QDate(1899, 12, 30) << u"30.12.1899"_s << u"30.12.1899"_s
                                << u"30 декември 1899 г."_s;
    QTest::newRow("empty date") << QDate() << QString(10, u' ') << QString() << QString();
    QTest::newRow("year beyond the boxes") << QDate(10000, 1, 1) << QString(10, u' ') << QString()
                                           << QString();
}

void TestDates::dateTexts()
{
    QFETCH(QDate, date);
    QFETCH(QString, box);
    QFETCH(QString, shortText);
    QFETCH(QString, longText);
    QCOMPARE(remitor::DateToText(date), box);
    QCOMPARE(remitor::ShortDateText(date), shortText);
    QCOMPARE(remitor::LongDateText(date), longText);
}

void TestDates::normalize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("shown");  // what the field holds afterwards

    QTest::newRow("dashes and blanks around") << u"  5-1-2010 "_s << u"05.01.2010"_s << u"5.1.2010"_s;
    QTest::newRow("time after the date") << u"05.01.2010 12:30"_s << u"05.01.2010"_s
                                         << u"05.01.2010"_s;
    QTest::newRow("window edge 29") << u"1.1.29"_s << u"01.01.2029"_s << u"1.1.29"_s;
    QTest::newRow("window edge 30") << u"1.1.30"_s << u"01.01.1930"_s << u"1.1.30"_s;
    QTest::newRow("doubled separator") << u"5..1.2010"_s << u"05.01.2010"_s << u"5..1.2010"_s;
    QTest::newRow("no such date") << u"31.02.2010"_s << QString() << u"31.02.2010"_s;
    QTest::newRow("one separator") << u"1.2"_s << QString() << u"1.2"_s;
    QTest::newRow("day and month only") << u"1.2."_s << QString() << u"1.2."_s;
    QTest::newRow("four parts") << u"1.2.3.4"_s << QString() << u"1.2.3.4"_s;
    QTest::newRow("words") << u"вчера"_s << QString() << u"....."_s;
}

void TestDates::normalize()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, shown);
    QCOMPARE(remitor::NormalizeDateText(std::as_const(typed)), expected);
    QString field = typed;
    QCOMPARE(remitor::NormalizeDateText(field), expected);
    QCOMPARE(field, shown);
    QCOMPARE(remitor::DateFromText(expected).isValid(), !expected.isEmpty());
}

void TestDates::monthText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("long form") << u"05 януари 2010 г."_s << QDate(2010, 1, 5);
    QTest::newRow("May") << u"  17 май 2011 г. "_s << QDate(2011, 5, 17);
    QTest::newRow("no such day") << u"31 ноември 2010 г."_s << QDate();
    QTest::newRow("without the year ending") << u"05 януари 2010"_s << QDate();
    QTest::newRow("short form") << u"05.01.2010"_s << QDate(2010, 1, 5);
    QTest::newRow("short text") << u"05"_s << QDate();
}

void TestDates::monthText()
{
    QFETCH(QString, stored);
    QFETCH(QDate, expected);
    QCOMPARE(remitor::MonthTextToDate(stored), expected);
}

// Every day of a leap year and of a plain one reads back from each of its texts.
void TestDates::roundTripEveryDay()
{
    for (QDate d(2011, 1, 1); d <= QDate(2012, 12, 31); d = d.addDays(1)) {
        QCOMPARE(remitor::MonthTextToDate(remitor::LongDateText(d)), d);
        QCOMPARE(remitor::MonthTextToDate(remitor::ShortDateText(d)), d);
        QCOMPARE(remitor::DateFromText(remitor::DateToText(d)), d);
        QCOMPARE(remitor::NormalizeDateText(u"%1/%2/%3"_s.arg(d.day()).arg(d.month()).arg(d.year())),
                 remitor::DateToText(d));
    }
}

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
