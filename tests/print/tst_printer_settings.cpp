#include "print/printer_settings.h"
#include "store/params.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestPrinterSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choiceIsKeptForTheNextStart();
    void olderFileGainsTheTable();
    void shiftBeyondAnInchIsCut();
};

void TestPrinterSettings::choiceIsKeptForTheNextStart()
{
    TempStore t;
    // Nothing stored: the default printer, without a word.
    QCOMPARE(LoadPrinterSettings(*t.store), PrinterSettings());
    QVERIFY(t.ui.shown().isEmpty());
    QVERIFY(SavePrinterSettings(*t.store, {u"HP_LaserJet_4050"_s, 45, -30}));
    QVERIFY(SavePrinterSettings(*t.store, {u"Kyocera_FS-1020D"_s, 45, -30}));
    // A new run reads the file afresh.
    Store again(DbPaths::inDirectory(t.dir.path()), t.ui);
    QCOMPARE(LoadPrinterSettings(again), (PrinterSettings{u"Kyocera_FS-1020D"_s, 45, -30}));
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT count(*) FROM PrintTable"_s), u"1"_s);
}

void TestPrinterSettings::olderFileGainsTheTable()
{
    TempStore t;
    Record params = NewParamRecord();
    params.setText(u"DanNomer"_s, u"1"_s);
    QVERIFY(SaveParams(*t.store, params));
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s), u"DROP TABLE IF EXISTS PrintTable"_s));
    QCOMPARE(LoadPrinterSettings(*t.store), PrinterSettings());
    QVERIFY(SavePrinterSettings(*t.store, {u"Canon"_s, 0, 0}));
    QCOMPARE(LoadPrinterSettings(*t.store).printerName, u"Canon"_s);
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT DanNomer FROM ParamTable"_s), u"1"_s);
}

void TestPrinterSettings::shiftBeyondAnInchIsCut()
{
    TempStore t;
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TABLE PrintTable (Printer TEXT(255), OffsetX INTEGER, OffsetY INTEGER);"
                   "INSERT INTO PrintTable VALUES ('  Canon  ', 99999, -5000)"_s));
    QCOMPARE(LoadPrinterSettings(*t.store), (PrinterSettings{u"Canon"_s, 1440, -1440}));
}

QTEST_GUILESS_MAIN(TestPrinterSettings)
#include "tst_printer_settings.moc"
