#include "store/schema.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;

class TestSchema : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void indexNamesAreUniquePerFile();
    void keysAndIndexesNameRealFields();
    void declaredTypesReadBack_data();
    void declaredTypesReadBack();
    void kindNumbers_data();
    void kindNumbers();
    void keywordsAreQuoted();
};

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
            QSet<QString> names;
            for (const FieldDef &f : t.fields)
                names.insert(f.name.toLower());
            QVERIFY2(names.size() == t.fields.size(), qPrintable(t.name + u": a field twice"_s));
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
