// The national currency setting: stored apart from the parameter record,
// the euro for files that never held it.
#include "store/national_currency.h"
#include "store/params.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestNationalCurrency : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void olderFileReadsAsEuro();
    void strangeStoredValue_data();
    void strangeStoredValue();
    void fitsDate_data();
    void fitsDate();
};

// A file of an older version has the parameter record and no ValutaTable:
// it reads as the euro, and saving the setting leaves the parameters alone.
void TestNationalCurrency::olderFileReadsAsEuro()
{
    TempStore t;
    Record params = NewParamRecord();
    params.setText(u"DanNomer"_s, u"1"_s);
    QVERIFY(SaveParams(*t.store, params));
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s), u"DROP TABLE IF EXISTS ValutaTable"_s));
    QCOMPARE(LoadNationalCurrency(*t.store), u"EUR"_s);
    QVERIFY(SaveNationalCurrency(*t.store, u"BGN"_s));
    QCOMPARE(LoadNationalCurrency(*t.store), u"BGN"_s);
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT DanNomer FROM ParamTable"_s), u"1"_s);
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT count(*) FROM ParamTable"_s), u"1"_s);
}

void TestNationalCurrency::strangeStoredValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("lower case") << u"'bgn'"_s << u"BGN"_s;
    QTest::newRow("another currency") << u"'USD'"_s << u"EUR"_s;
    QTest::newRow("NULL") << u"NULL"_s << u"EUR"_s;
    QTest::newRow("empty") << u"''"_s << u"EUR"_s;
}

// Another tool may have written anything into the file.
void TestNationalCurrency::strangeStoredValue()
{
    QFETCH(QString, stored);
    QFETCH(QString, read);
    TempStore t;
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TABLE ValutaTable (NacValuta TEXT(3));"
                   "INSERT INTO ValutaTable VALUES ("_s +
                       stored + u')'));
    QCOMPARE(LoadNationalCurrency(*t.store), read);
}

void TestNationalCurrency::fitsDate_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("fits");
    QTest::newRow("euro in 2025") << u"EUR"_s << QDate(2025, 12, 31) << true;
    QTest::newRow("euro in 2026") << u"EUR"_s << QDate(2026, 1, 1) << true;
    QTest::newRow("lev on the last day") << u"BGN"_s << QDate(2025, 12, 31) << true;
    QTest::newRow("lev on the first euro day") << u"BGN"_s << QDate(2026, 1, 1) << false;
    QTest::newRow("lev, no date") << u" bgn"_s << QDate() << true;
    QTest::newRow("no choice") << u"USD"_s << QDate(2020, 1, 1) << false;
}

void TestNationalCurrency::fitsDate()
{
    QFETCH(QString, code);
    QFETCH(QDate, date);
    QFETCH(bool, fits);
    QCOMPARE(NationalCurrencyFits(code, date), fits);
}

QTEST_GUILESS_MAIN(TestNationalCurrency)
#include "tst_national_currency.moc"
