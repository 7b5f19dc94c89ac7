#include "store/schema.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;

class TestSchema : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldCounts_data();
    void fieldCounts();
    void indexNamesAreUniquePerFile();
    void keysAndIndexesNameRealFields();
    void declaredTypesReadBack_data();
    void declaredTypesReadBack();
    void kindNumbers_data();
    void kindNumbers();
    void keywordsAreQuoted();
};

void TestSchema::fieldCounts_data()
{
    QTest::addColumn<bool>("reports");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("firstFields");
    QTest::addColumn<QString>("lastField");
    const QList<std::tuple<bool, const char *, int, const char *, const char *>> rows = {
        {false, "PlnTable", 30, "kod,DoBanka,clon", "BNBno"},
        {false, "IskTable", 28, "kod,DoBanka,clon,adress,grad,pdate,Platec", "BNBno"},
        {false, "PlnBTable", 31, "kod,DoBanka", "PayTypen"},
        {false, "PlnB4Table", 60, "kod,DoBanka", "PayTypen"},
        {false, "BPlnTable", 24, "kod", "SEBRA"},
        {false, "PlnMTable", 35, "kod", "BNBno"},
        {false, "MassTable", 17, "kod,vid", "rows"},
        {false, "SDDTable", 12, "kod", "Platec"},
        {false, "VnosTable", 13, "kod", "osnovanie"},
        {false, "RazTable", 14, "kod", "egn"},
        {false, "PKOTable", 8, "kod", "suma"},
        {false, "RKOTable", 13, "kod", "suma"},
        {false, "KasaTable", 6, "kod,DocNo,DocDate,Note,Prihod", "Razhod"},
        {false, "KlientTable", 13, "kod,KlIme", "bstreet"},
        {false, "ParagrafTable", 3, "row,kod", "ime"},
        {false, "KomandTable", 22, "Firma,No,Date", "smetka"},
        {false, "BuyTable", 33, "kod,DoBanka,Centre,Address,Titul,IDnomer,RegNo,Valuta0,Valuta20,IBAN10,suma0,slovom0,BankName,BankNameL,kurs0", "workDate1"},
        {false, "NotesTable", 2, "Kod", "Ime"},
        {false, "Firma", 14, "ime,Grad", "Kasier"},
        {false, "ParamTable", 13, "Version,DanNomer,podpis1", "textraz"},
        {true, "BPlnTable", 24, "Kod", "SEBRA"},
        {true, "PlnBTable", 31, "Kod", "PayTypen"},
        {true, "PlnB4Table", 60, "Kod", "PayTypen"},
        {true, "PlnTable", 30, "Kod", "BNBno"},
        {true, "IskTable", 28, "Kod", "BNBno"},
        {true, "RazTable", 14, "Kod", "EGN"},
        {true, "VnosTable", 13, "Kod", "Osnovanie"},
        {true, "PKOTable", 8, "Kod", "suma"},
        {true, "RKOTable", 13, "Kod", "suma"},
        {true, "PlnMTable", 36, "Kod", "BNBno"},
    };
    for (const auto &[reports, table, count, first, last] : rows)
        QTest::addRow("%s %s", reports ? "reports" : "main", table)
            << reports << QString::fromLatin1(table) << count << QString::fromLatin1(first)
            << QString::fromLatin1(last);
}

void TestSchema::fieldCounts()
{
    QFETCH(bool, reports);
    QFETCH(QString, table);
    QFETCH(int, count);
    QFETCH(QString, firstFields);
    QFETCH(QString, lastField);
    const TableDef *t = findTable(reports ? DbKind::Reports : DbKind::Main, table);
    QVERIFY(t);
    QCOMPARE(t->fields.size(), count);
    const QStringList first = firstFields.split(u',');
    for (int i = 0; i < first.size(); ++i)
        QCOMPARE(t->fields[i].name.toLower(), first[i].toLower());
    QCOMPARE(t->fields.last().name.toLower(), lastField.toLower());
    QSet<QString> names;
    for (const FieldDef &f : t->fields)
        names.insert(f.name.toLower());
    QCOMPARE(names.size(), t->fields.size());  // no field twice
}

void TestSchema::indexNamesAreUniquePerFile()
{
    // SQLite keeps one name space of indexes per file.
    for (DbKind kind : {DbKind::Main, DbKind::Reports}) {
        QSet<QString> seen;
        for (const TableDef &t : tablesOf(kind))
            for (const IndexDef &i : t.indexes) {
                QVERIFY2(!seen.contains(i.sqlName().toLower()), qPrintable(i.sqlName()));
                seen.insert(i.sqlName().toLower());
            }
    }
    const TableDef &kasa = tableDef(DbKind::Main, u"KasaTable"_s);
    QCOMPARE(kasa.indexes.size(), 3);
    QCOMPARE(kasa.indexes[1].name, u"PKOIndex"_s);
    QCOMPARE(kasa.indexes[1].fields, (QStringList{u"Prihod"_s, u"kod"_s, u"DocNo"_s}));
}

void TestSchema::keysAndIndexesNameRealFields()
{
    for (DbKind kind : {DbKind::Main, DbKind::Reports})
        for (const TableDef &t : tablesOf(kind)) {
            if (!t.keyField.isEmpty())
                QCOMPARE(t.field(t.keyField)->type, t.name == u"NotesTable"_s ? FieldType::Int16 : FieldType::Int32);
            for (const IndexDef &i : t.indexes)
                for (const QString &f : i.fields)
                    QVERIFY2(t.field(f), qPrintable(t.name + u'.' + f));
            if (kind == DbKind::Reports)
                QVERIFY2(t.dateIndex(), qPrintable(t.name));
        }
    QCOMPARE(tableDef(DbKind::Main, u"KomandTable"_s).keyField, u"No"_s);
    QCOMPARE(tableDef(DbKind::Main, u"ParagrafTable"_s).keyField, u"row"_s);
    QCOMPARE(tableDef(DbKind::Reports, u"PKOTable"_s).keyIndex()->name, u"SprPKOIndex"_s);
    QCOMPARE(tableDef(DbKind::Reports, u"BPlnTable"_s).dateIndex()->name, u"BplnDateIndex"_s);
}

void TestSchema::declaredTypesReadBack_data()
{
    QTest::addColumn<QString>("declared");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("width");
    QTest::newRow("text") << u"TEXT(35)"_s << true << int(FieldType::Text) << 35;
    QTest::newRow("text spaced lower") << u" text ( 85 ) "_s << true << int(FieldType::Text) << 85;
    QTest::newRow("smallint") << u"SMALLINT"_s << true << int(FieldType::Int16) << 0;
    QTest::newRow("integer") << u"INTEGER"_s << true << int(FieldType::Int32) << 0;
    QTest::newRow("money") << u"money"_s << true << int(FieldType::Money) << 0;
    QTest::newRow("date") << u"DATE"_s << true << int(FieldType::Date) << 0;
    QTest::newRow("varchar is not ours") << u"VARCHAR(35)"_s << false << 0 << 0;
    QTest::newRow("empty") << QString() << false << 0 << 0;
}

void TestSchema::declaredTypesReadBack()
{
    QFETCH(QString, declared);
    QFETCH(bool, ok);
    QFETCH(int, type);
    QFETCH(int, width);
    FieldType t0 = FieldType::Text;
    int w0 = -1;
    QCOMPARE(FieldDef::parseDeclaredType(declared, t0, w0), ok);
    if (ok) {
        QCOMPARE(int(t0), type);
        QCOMPARE(w0, width);
    }
    FieldType ft = FieldType::Text;
    int fw = -1;
    // Every field of every layout survives the round trip.
    for (const TableDef &t : mainTables())
        for (const FieldDef &f : t.fields) {
            QVERIFY(FieldDef::parseDeclaredType(f.declaredType(), ft, fw));
            QCOMPARE(ft, f.type);
            QCOMPARE(fw, f.width);
        }
}

void TestSchema::kindNumbers_data()
{
    QTest::addColumn<bool>("reports");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("table");
    QTest::newRow("1 contractors") << false << 1 << u"KlientTable"_s;
    QTest::newRow("8 paragraphs") << false << 8 << u"ParagrafTable"_s;
    QTest::newRow("0 none") << false << 0 << QString();
    QTest::newRow("16 none") << false << 16 << QString();
    QTest::newRow("reports 9 none") << true << 9 << QString();
}

void TestSchema::kindNumbers()
{
    QFETCH(bool, reports);
    QFETCH(int, number);
    QFETCH(QString, table);
    const TableDef *t = reports ? reportsTableForKind(number) : mainTableForKind(number);
    QCOMPARE(t ? t->name : QString(), table);
    if (t)
        QCOMPARE(t->db, reports ? DbKind::Reports : DbKind::Main);
}

void TestSchema::keywordsAreQuoted()
{
    QCOMPARE(quoted(u"In"_s), u"\"In\""_s);
    QCOMPARE(quoted(u"a\"b"_s), u"\"a\"\"b\""_s);
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
