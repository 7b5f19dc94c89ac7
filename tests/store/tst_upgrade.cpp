#include "session/startup.h"
#include "store/upgrade.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestUpgrade : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void narrowsBgradKeepingEverythingElse();
    void massTableOfAnOldVersion();
    void chargesFieldsGoAfterTax();
    void reportsBase();
    void secondRunChangesNothing();
    void missingTableIsSkipped();
};

namespace {
QStringList layout(const QString &file, const QString &table)
{
    QStringList out;
    for (const QString &row : rowsOn(file, u"PRAGMA table_info("_s + table + u')'))
        out.append(row.section(u'|', 1, 1) + u' ' + row.section(u'|', 2, 2));
    return out;
}
}  // namespace

void TestUpgrade::narrowsBgradKeepingEverythingElse()
{
    TempStore t;
    const QString main = t.path(u"Remitor.MDB"_s);
    QVERIFY(execOn(main, u"CREATE TABLE KlientTable (kod INTEGER, KlIme TEXT(85), grad TEXT(35),"
                         " street TEXT(35), Bulstat TEXT(15), MOL TEXT(85), phone TEXT(85),"
                         " BankIme TEXT(85), IBAN TEXT(22), BIC TEXT(15), BAE TEXT(15),"
                         " bgrad TEXT(85), bstreet TEXT(35));"
                         "CREATE UNIQUE INDEX KlientIndex ON KlientTable (kod);"
                         "INSERT INTO KlientTable VALUES (1, 'Фирма', 'Русе', 'ул. 1', '123456786', 'Иванов',"
                         " '082', 'Банка', 'BG80BNBG96611020345678', 'BNBGBGSD', 'x',"
                         " 'Велико Търново, бул. България 1, вход Б, етаж 3', 'бул. 1');"
                         "INSERT INTO KlientTable VALUES (2, 'Друга', NULL, NULL, NULL, NULL, NULL, NULL,"
                         " NULL, NULL, NULL, 'Русе', NULL)"_s));
    const QStringList before = rowsOn(main, u"SELECT kod, KlIme, grad, street, Bulstat, MOL, phone, BankIme, IBAN, BIC, BAE, bstreet FROM KlientTable ORDER BY kod"_s);
    UpgradeSchema(*t.store);
    QVERIFY(layout(main, u"KlientTable"_s).contains(u"bgrad TEXT(35)"_s));
    QCOMPARE(layout(main, u"KlientTable"_s).indexOf(u"bgrad TEXT(35)"_s), 11);
    QCOMPARE(rowsOn(main, u"SELECT bgrad FROM KlientTable ORDER BY kod"_s),
             (QStringList{u"Велико Търново, бул. България 1, вх"_s, u"Русе"_s}));
    QCOMPARE(rowsOn(main, u"SELECT kod, KlIme, grad, street, Bulstat, MOL, phone, BankIme, IBAN, BIC, BAE, bstreet FROM KlientTable ORDER BY kod"_s), before);
    QVERIFY(!rowsOn(main, u"PRAGMA index_info(KlientIndex)"_s).isEmpty());
}

void TestUpgrade::massTableOfAnOldVersion()
{
    TempStore t;
    const QString main = t.path(u"Remitor.MDB"_s);
    QVERIFY(execOn(main, u"CREATE TABLE MassTable (kod INTEGER, DoBanka TEXT(35), clon TEXT(35),"
                         " adress TEXT(35), grad TEXT(35), pdate TEXT(35), IBANn TEXT(22), BICn TEXT(10),"
                         " nareditel TEXT(85), valuta TEXT(3), suma MONEY, paper SMALLINT, disk SMALLINT,"
                         " lenta SMALLINT, kaseta SMALLINT, rows SMALLINT);"
                         "INSERT INTO MassTable VALUES (4, 'Банка', 'Клон', 'Адрес', 'Град', '01.02.2003',"
                         " 'BG80BNBG96611020345678', 'BNBGBGSD', 'Наредител', 'BGN', 990000, 1, 0, 0, 1, 12)"_s));
    UpgradeSchema(*t.store);
    QStringList names;
    for (const QString &c : layout(main, u"MassTable"_s))
        names.append(c.section(u' ', 0, 0));
    QStringList want;
    for (const FieldDef &f : tableDef(DbKind::Main, u"MassTable"_s).fields)
        want.append(f.name);
    QCOMPARE(names.join(u','), want.join(u','));
    QCOMPARE(rowsOn(main, u"SELECT kod, vid, nareditel, suma, rows, SEBRA FROM MassTable"_s),
             QStringList{u"4|NULL|Наредител|990000|12|NULL"_s});
    auto table = t.store->table(DbKind::Main, u"MassTable"_s);
    QCOMPARE(table->find(4)->money(u"suma"_s), Money::fromUnits(99));
}

void TestUpgrade::chargesFieldsGoAfterTax()
{
    TempStore t;
    const QString main = t.path(u"Remitor.MDB"_s);
    QVERIFY(execOn(main, u"CREATE TABLE PlnTable (kod INTEGER, nareditel TEXT(85), tax SMALLINT, workDate DATE, BNBno TEXT(15));"
                         "INSERT INTO PlnTable VALUES (1, 'А', 2, '2010-03-05', '7')"_s));
    UpgradeSchema(*t.store);
    QCOMPARE(layout(main, u"PlnTable"_s),
             (QStringList{u"kod INTEGER"_s, u"nareditel TEXT(85)"_s, u"tax SMALLINT"_s,
                          u"TAXvaluta TEXT(3)"_s, u"TAXsuma MONEY"_s, u"workDate DATE"_s,
                          u"BNBno TEXT(15)"_s}));
    QCOMPARE(rowsOn(main, u"SELECT * FROM PlnTable"_s), QStringList{u"1|А|2|NULL|NULL|2010-03-05|7"_s});
}

void TestUpgrade::reportsBase()
{
    TempStore t;
    const QString spr = t.path(u"SprDocs.MDB"_s);
    QVERIFY(execOn(spr, u"CREATE TABLE PlnMTable (Kod INTEGER, pDate TEXT(35), IBANp TEXT(22),"
                        " BICp TEXT(10), BICn TEXT(10), workDate DATE, KodValuta TEXT(10), narMode SMALLINT);"
                        "CREATE INDEX PlnMIndex ON PlnMTable (pDate);"
                        "INSERT INTO PlnMTable VALUES (3, '05.03.2010', 'DE89370400440532013000', 'COBADEFFXX', 'X', NULL, 'EUR', 1)"_s));
    UpgradeSchema(*t.store);
    const QStringList cols = layout(spr, u"PlnMTable"_s);
    QVERIFY(cols.contains(u"IBANp TEXT(40)"_s));
    QVERIFY(cols.contains(u"BICp TEXT(11)"_s));  // a foreign bank's BIC with its branch
    QVERIFY(cols.contains(u"TAXvaluta TEXT(3)"_s));
    QVERIFY(cols.contains(u"TAXsuma MONEY"_s));
    QVERIFY(!cols.join(u',').contains(u"KodValuta"_s));
    QCOMPARE(queryOn(spr, u"SELECT IBANp || BICp FROM PlnMTable"_s), u"DE89370400440532013000COBADEFFXX"_s);
    // The key index has its proper shape again.
    QCOMPARE(rowsOn(spr, u"PRAGMA index_info(PlnMIndex)"_s).value(0).section(u'|', 2), u"Kod"_s);
}

void TestUpgrade::secondRunChangesNothing()
{
    TempStore t;
    RunStartup(*t.store, QDate(2010, 1, 1));
    const QString main = t.path(u"Remitor.MDB"_s);
    const QString before = queryOn(main, u"SELECT group_concat(sql, ';') FROM sqlite_master"_s);
    QVERIFY(execOn(main, u"INSERT INTO PlnTable (kod, nareditel) VALUES (1, 'А')"_s));
    UpgradeSchema(*t.store);
    UpgradeSchema(*t.store);
    QCOMPARE(queryOn(main, u"SELECT group_concat(sql, ';') FROM sqlite_master"_s), before);
    QCOMPARE(queryOn(main, u"SELECT nareditel FROM PlnTable"_s), u"А"_s);
    QVERIFY(t.ui.shown().isEmpty());
}

void TestUpgrade::missingTableIsSkipped()
{
    TempStore t;
    UpgradeSchema(*t.store);
    QCOMPARE(queryOn(t.path(u"Remitor.MDB"_s), u"SELECT count(*) FROM sqlite_master"_s), u"0"_s);
    QVERIFY(t.ui.shown().isEmpty());
}

QTEST_GUILESS_MAIN(TestUpgrade)
#include "tst_upgrade.moc"
