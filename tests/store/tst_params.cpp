#include "store/params.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestParams : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savingTwiceLeavesOneRow();
    void clearedLinesStayClearedButNullOnesGetDefaults();
    void failedSaveKeepsTheOldRow();
    void oldLayoutIsRecreated();
    void firmaRoundTrip();
    void colorPrinting_data();
    void colorPrinting();
};

void TestParams::savingTwiceLeavesOneRow()
{
    TempStore t;
    Record p;
    LoadParams(*t.store, p);
    p.setText(u"DanNomer"_s, u"1"_s);
    QVERIFY(SaveParams(*t.store, p));
    QVERIFY(SaveParams(*t.store, p));
    const QString main = t.path(u"Remitor.MDB"_s);
    QCOMPARE(queryOn(main, u"SELECT count(*) FROM ParamTable"_s), u"1"_s);
    Record again;
    LoadParams(*t.store, again);
    QCOMPARE(again, p);
}

void TestParams::clearedLinesStayClearedButNullOnesGetDefaults()
{
    TempStore t;
    Record p;
    LoadParams(*t.store, p);
    p.setText(u"podpis2"_s, QString());           // the user cleared it
    p.setText(u"textraz"_s, u"Друг текст"_s);
    p.setText(u"podpis4"_s, u"      Главен счетоводител:"_s);  // set in from the margin
    QVERIFY(SaveParams(*t.store, p));
    // Another tool left two values unset.
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s), u"UPDATE ParamTable SET podpis3 = NULL, podpis6 = NULL"_s));
    Record back;
    LoadParams(*t.store, back);
    QCOMPARE(back.text(u"podpis2"_s).trimmed(), QString());
    QCOMPARE(back.text(u"textraz"_s).trimmed(), u"Друг текст"_s);
    QCOMPARE(back.text(u"podpis4"_s).trimmed(), u"Главен счетоводител:"_s);
    QVERIFY(back.text(u"podpis4"_s).startsWith(u"      Главен"_s));
    QCOMPARE(back.text(u"podpis3"_s).trimmed(),
             u"Съставил: _____________________           Приел: _____________________"_s);
    QCOMPARE(back.text(u"podpis6"_s).trimmed(), u"Съставил: _____________________"_s);
}

void TestParams::failedSaveKeepsTheOldRow()
{
    TempStore t;
    Record p;
    LoadParams(*t.store, p);
    p.setText(u"podpis1"_s, u"Старият подпис"_s);
    QVERIFY(SaveParams(*t.store, p));
    // The write of the new row fails after the old one was deleted.
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TRIGGER no_insert BEFORE INSERT ON ParamTable BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s));
    p.setText(u"podpis1"_s, u"Новият подпис"_s);
    QVERIFY(!SaveParams(*t.store, p));
    QVERIFY2(t.ui.texts().value(0).endsWith(u": disk full"_s), qPrintable(t.ui.texts().join(u'|')));
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT podpis1 FROM ParamTable"_s), u"Старият подпис"_s);
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT count(*) FROM ParamTable"_s), u"1"_s);
}

void TestParams::oldLayoutIsRecreated()
{
    TempStore t;
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TABLE ParamTable (Version TEXT(12), DanNomer TEXT(10), podpis1 TEXT(85));"
                   "INSERT INTO ParamTable VALUES ('3.0', '1', 'Подпис от 3.0')"_s));
    Record p;
    LoadParams(*t.store, p);
    QCOMPARE(p.text(u"podpis1"_s).trimmed(), u"Подпис от 3.0"_s);
    QCOMPARE(p.text(u"DanNomer"_s).trimmed(), u"1"_s);
    QCOMPARE(p.text(u"textraz"_s).trimmed(), u"Сумата не е за заплати."_s);
    QCOMPARE(rowsOn(t.path(u"Remitor.MDB"_s), u"PRAGMA table_info(ParamTable)"_s).size(), 13);
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT Version || '/' || podpis1 FROM ParamTable"_s),
             u"4.16/Подпис от 3.0"_s);
}

void TestParams::firmaRoundTrip()
{
    TempStore t;
    Record f;
    LoadFirma(*t.store, f);
    QCOMPARE(f.text(u"ime"_s), QString(30, u' '));
    f.setText(u"ime"_s, u"Общинска болница - Свищов ЕООД и още дълго име"_s);
    f.setText(u"Bulstat"_s, u"123456786"_s);
    QVERIFY(SaveFirma(*t.store, f));
    QVERIFY(SaveFirma(*t.store, f));
    Record back;
    LoadFirma(*t.store, back);
    QCOMPARE(back.text(u"ime"_s), u"Общинска болница - Свищов ЕООД"_s);
    QCOMPARE(back.text(u"Bulstat"_s), u"123456786    "_s);
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT count(*) FROM Firma"_s), u"1"_s);
}

void TestParams::colorPrinting_data()
{
    QTest::addColumn<QString>("danNomer");
    QTest::addColumn<bool>("color");
    QTest::newRow("0") << u"0"_s << true;
    QTest::newRow("1") << u"1"_s << false;
    QTest::newRow(" 1 blanks") << u" 1 "_s << false;
    QTest::newRow("2") << u"2"_s << true;
    QTest::newRow("1.5") << u"1.5"_s << true;
    QTest::newRow("-1") << u"-1"_s << false;
}

void TestParams::colorPrinting()
{
    QFETCH(QString, danNomer);
    QFETCH(bool, color);
    Record p = NewParamRecord();
    p.setText(u"DanNomer"_s, danNomer);
    QCOMPARE(ColorPrintingFrom(p), color);
}

QTEST_GUILESS_MAIN(TestParams)
#include "tst_params.moc"
