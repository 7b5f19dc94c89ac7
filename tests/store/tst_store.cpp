#include "session/startup.h"
#include "store/maintenance.h"
#include "store/params.h"
#include "support/temp_store.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCreatesEverythingSilently();
    void recordValuesRoundTrip();
    void recordCutsAndPads_data();
    void recordCutsAndPads();
    void navigationEdges();
    void nextFreeKey_data();
    void nextFreeKey();
    void missingIndexAndTableComeBack();
    void oldFileWithOtherCaseAndFewerColumns();
    void oldDoubleAmountsStayInWholeUnits();
    void otherErrorsAreShownWithTheirCode();
    void scanStops();
};

void TestStore::firstStartCreatesEverythingSilently()
{
    TempStore t;
    const StartupState s = RunStartup(*t.store, QDate(2010, 1, 5));
    QVERIFY2(t.ui.shown().isEmpty(), qPrintable(t.ui.texts().join(u'\n')));
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        const QString file = t.store->paths().pathOf(kind);
        for (const TableDef &def : tablesOf(kind)) {
            QCOMPARE(queryOn(file, u"SELECT count(*) FROM sqlite_master WHERE type='table' AND name='"_s + def.name + u"'"_s), u"1"_s);
            QCOMPARE(rowsOn(file, u"PRAGMA table_info("_s + quoted(def.name) + u')').size(), def.fields.size());
            for (const IndexDef &i : def.indexes)
                QVERIFY2(!rowsOn(file, u"PRAGMA index_info("_s + quoted(i.sqlName()) + u')').isEmpty(),
                         qPrintable(i.sqlName()));
        }
    }
    // The layout reads back from the file with its widths.
    QVERIFY(rowsOn(t.path(u"Remitor.MDB"_s), u"PRAGMA table_info(KlientTable)"_s)
                .contains(u"11|bgrad|TEXT(35)|0|NULL|0"_s));
    // One parameter row, with the default signatures (the parameters' own test).
    const QString main = t.path(u"Remitor.MDB"_s);
    QCOMPARE(queryOn(main, u"SELECT count(*) FROM ParamTable"_s), u"1"_s);
    QCOMPARE(queryOn(main, u"SELECT podpis10 FROM ParamTable"_s), QString());
    QVERIFY(s.colorPrinting);
    QCOMPARE(s.firma.text(u"ime"_s).trimmed(), QString());
}

void TestStore::recordValuesRoundTrip()
{
    TempStore t;
    auto table = t.store->table(DbKind::Main, u"KomandTable"_s);
    QVERIFY(table);
    Record r(table->def());
    r.setKey(7);
    r.setText(u"Firma"_s, u"  Водоснабдяване ЕООД"_s);
    r.setDate(u"Date"_s, QDate(2010, 2, 28));
    r.setInteger(u"srok"_s, 3);
    r.setMoney(u"dnevni"_s, Money::fromRaw(123456789));  // 12345.6789
    r.setBoolean(u"doklad"_s, true);
    r.setText(u"In"_s, u"Община Русе"_s);
    QVERIFY(table->save(r));
    const auto back = table->find(7);
    QVERIFY(back);
    QCOMPARE(*back, r);
    QCOMPARE(back->text(u"Firma"_s).size(), 80);
    QVERIFY(back->text(u"Firma"_s).startsWith(u"  Водо"_s));  // leading blanks are the user's
    QVERIFY(!back->date(u"otDate"_s).isValid());
    // In the file: money as whole ten-thousandths, dates ISO or NULL, texts without padding.
    const QString row = rowsOn(t.path(u"Remitor.MDB"_s),
                               u"SELECT dnevni, typeof(dnevni), \"Date\", otDate, doklad, \"In\" FROM KomandTable"_s)
                            .value(0);
    QCOMPARE(row, u"123456789|integer|2010-02-28|NULL|1|Община Русе"_s);
}

void TestStore::recordCutsAndPads_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("held");
    QTest::newRow("short is padded") << u"АБВ"_s << u"АБВ                 "_s.left(20);
    QTest::newRow("long is cut") << u"1234567890123456789012345"_s << u"12345678901234567890"_s;
}

void TestStore::recordCutsAndPads()
{
    QFETCH(QString, input);
    QFETCH(QString, held);
    Record r(tableDef(DbKind::Main, u"NotesTable"_s));
    r.setText(u"ime"_s, input);
    QCOMPARE(r.text(u"IME"_s), held.leftJustified(20, u' '));
    // A 16-bit field keeps to its range.
    r.setInteger(u"Kod"_s, 100000);
    QCOMPARE(r.key(), 32767);
}

void TestStore::navigationEdges()
{
    TempStore t;
    auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
    QVERIFY(table);
    QVERIFY(!table->first());
    QVERIFY(!table->next(1));
    Record r(table->def());
    for (int k : {2, 5, 9}) {
        r.setKey(k);
        r.setText(u"nareditel"_s, u"Платец %1"_s.arg(k));
        QVERIFY(table->save(r));
    }
    struct Case {
        const char *what;
        std::optional<Record> got;
        int want;
    };
    const Case cases[] = {
        {"first", table->first(), 2},
        {"last", table->last(), 9},
        {"next of 2", table->next(2), 5},
        {"next of last stays", table->next(9), 9},
        {"previous of 5", table->previous(5), 2},
        {"previous of first stays", table->previous(2), 2},
        {"next of a number not there", table->next(4), 0},
        {"previous of a number not there", table->previous(6), 0},
    };
    for (const Case &c : cases) {
        QVERIFY2(bool(c.got) == (c.want != 0), c.what);
        if (c.got)
            QCOMPARE(c.got->key(), c.want);
    }
    QCOMPARE(table->count(), 3);
    QVERIFY(table->remove(5));
    QVERIFY(!table->contains(5));
    QCOMPARE(table->next(2)->key(), 9);
}

void TestStore::nextFreeKey_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("free");
    QTest::newRow("empty") << QList<int>{} << 1;
    QTest::newRow("1 2 4") << QList<int>{1, 2, 4} << 3;
    QTest::newRow("1 2 3") << QList<int>{1, 2, 3} << 4;
    QTest::newRow("2 3") << QList<int>{2, 3} << 1;
    QTest::newRow("unordered with zero and negative") << QList<int>{0, -4, 3, 1, 2} << 4;
}

void TestStore::nextFreeKey()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, free);
    TempStore t;
    {
        auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
        Record r(table->def());
        for (int k : keys) {
            r.setKey(k);
            QVERIFY(table->save(r));
        }
    }
    QCOMPARE(NextFreeKod(*t.store, 4), qint64(free));
    QCOMPARE(NextFreeKod(*t.store, 5), qint64(1));  // another kind's table
    QCOMPARE(NextFreeKodReports(*t.store, 4), qint64(1));
    QCOMPARE(NextFreeKod(*t.store, 99), qint64(0));
}

void TestStore::missingIndexAndTableComeBack()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    const QString main = t.path(u"Remitor.MDB"_s);
    QVERIFY(execOn(main, u"DROP INDEX PlnIndex; DROP TABLE KlientTable"_s));
    QVERIFY(execOn(t.path(u"SprDocs.MDB"_s), u"DROP INDEX PlnDateIndex"_s));
    t.ui.clear();
    QVERIFY(t.store->table(DbKind::Main, u"PlnTable"_s));
    QVERIFY(t.store->table(DbKind::Main, u"KlientTable"_s));
    QVERIFY(t.store->table(DbKind::Reports, u"PlnTable"_s));
    QCOMPARE(queryOn(main, u"SELECT count(*) FROM sqlite_master WHERE name IN ('PlnIndex','KlientTable','KlientIndex')"_s), u"3"_s);
    QCOMPARE(queryOn(t.path(u"SprDocs.MDB"_s), u"SELECT count(*) FROM sqlite_master WHERE name='PlnDateIndex'"_s), u"1"_s);
    QVERIFY(t.ui.shown().isEmpty());
}

void TestStore::oldFileWithOtherCaseAndFewerColumns()
{
    // A table written by an older version: other letter case, no charges fields.
    TempStore t;
    const QString main = t.path(u"Remitor.MDB"_s);
    QVERIFY(execOn(main, u"CREATE TABLE pltable (KOD INTEGER, NAREDITEL TEXT(85), SUMA MONEY);"
                         "CREATE TABLE PLNTABLE (KOD INTEGER, NAREDITEL TEXT(85), SUMA MONEY);"
                         "DROP TABLE pltable;"
                         "INSERT INTO PLNTABLE VALUES (1, 'Стар', 1250000)"_s));
    auto table = t.store->table(DbKind::Main, u"PlnTable"_s);
    QVERIFY(table);
    const auto r = table->find(1);
    QVERIFY(r);
    QCOMPARE(r->text(u"nareditel"_s).trimmed(), u"Стар"_s);
    QCOMPARE(r->money(u"suma"_s), Money::fromUnits(125));
    QCOMPARE(r->text(u"TAXvaluta"_s), u"   "_s);
    Record changed = *r;
    changed.setMoney(u"suma"_s, Money::fromUnits(7, 5));
    QVERIFY(table->save(changed));  // writes only the columns the file has
    QCOMPARE(queryOn(main, u"SELECT SUMA FROM PLNTABLE WHERE KOD = 1"_s), u"70500"_s);
    // Another tool wrote an amount as a real number of leva, one that a
    // double holds a hair below its value: it is rounded, never cut.
    QVERIFY(execOn(main, u"INSERT INTO PLNTABLE VALUES (2, 'Друг', 1.005)"_s));
    QCOMPARE(table->find(2)->money(u"suma"_s), Money::fromRaw(10050));
}

// The buy/sell order's amounts were DOUBLE columns of whole units: they
// read as money and are written back as units, to the cent.
void TestStore::oldDoubleAmountsStayInWholeUnits()
{
    TempStore t;
    const QString main = t.path(u"Remitor.MDB"_s);
    QVERIFY(execOn(main,
                   u"CREATE TABLE BuyTable (kod INTEGER, suma0 DOUBLE, suma1 DOUBLE);"
                   "INSERT INTO BuyTable VALUES (1, 1234.56, 1500)"_s));
    auto table = t.store->table(DbKind::Main, u"BuyTable"_s);
    QVERIFY(table);
    Record r = *table->find(1);
    QCOMPARE(r.money(u"suma0"_s), Money::fromUnits(1234, 56));
    QCOMPARE(r.money(u"suma1"_s), Money::fromUnits(1500));
    r.setMoney(u"suma1"_s, Money::fromUnits(999'999'999, 99));
    QVERIFY(table->save(r));
    QCOMPARE(rowsOn(main, u"SELECT suma0, suma1 FROM BuyTable"_s),
             QStringList{u"1234.56|999999999.99"_s});
    QCOMPARE(table->find(1)->money(u"suma1"_s), Money::fromUnits(999'999'999, 99));
}

void TestStore::otherErrorsAreShownWithTheirCode()
{
    TempStore t;
    // The main file's place is taken by a folder: the open fails, the user
    // sees the engine's code and message, and nothing else happens.
    QDir(t.dir.path()).mkdir(u"Remitor.MDB"_s);
    QVERIFY(!t.store->table(DbKind::Main, u"PlnTable"_s));
    QCOMPARE(t.ui.shown().size(), 1);
    QVERIFY2(t.ui.texts().first().contains(QRegularExpression(u"^\\d+: \\S"_s)), qPrintable(t.ui.texts().first()));
}

// A walk stops where its callback says so.
void TestStore::scanStops()
{
    TempStore t;
    auto table = t.store->table(DbKind::Reports, u"VnosTable"_s);
    Record r(table->def());
    for (int k : {2, 1, 3}) {
        r.setKey(k);
        QVERIFY(table->save(r));
    }
    QList<int> order;
    table->scan(Table::Order::Key, [&order](const Record &rec) {
        order.append(rec.key());
        return order.size() < 2;
    });
    QCOMPARE(order, (QList<int>{1, 2}));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
