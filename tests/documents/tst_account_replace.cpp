#include "documents/account_replace.h"
#include "store/store.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

const QString oldIban = u"BG80BNBG96611020345678"_s;
const QString newIban = u"BG89UBBS80021087654321"_s;
const QString otherIban = u"BG72RZBB91551012345678"_s;

// Stores documents 1, 2, … in the table, one per value of `field`.
void addDocuments(Store &store, DbKind db, const QString &table, const QString &field,
                  const QStringList &values)
{
    auto t = store.table(db, table);
    QVERIFY(t);
    Record r(t->def());
    for (int i = 0; i < values.size(); ++i) {
        r.setKey(i + 1);
        r.setText(field, values[i]);
        QVERIFY(t->save(r));
    }
}

QStringList column(const TempStore &t, const QString &table, const QString &field,
                   const QString &file = u"Remitor.MDB"_s)
{
    return rowsOn(t.path(file), u"SELECT %1 FROM %2 ORDER BY kod"_s.arg(quoted(field), table));
}

}  // namespace

class TestAccountReplace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyAccountField_data();
    void everyAccountField();
    void pairsThatNameNoField_data();
    void pairsThatNameNoField();
    void kindWithoutDocuments();
    void accountsComparedTrimmed();
    void textWrittenIntoEveryDocument_data();
    void textWrittenIntoEveryDocument();
    void refusals_data();
    void refusals();
    void budgetHolderCodeIsNoIban();
    void reportsBaseUntouched();
    void failureChangesNoDocument();
};

void TestAccountReplace::everyAccountField_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    const struct {
        int kind, code;
        const char *table, *field;
    } rows[] = {
        {1, 1, "PlnBTable", "IBANp"}, {1, 2, "PlnBTable", "IBANn"}, {2, 1, "PlnB4Table", "IBANp"},
        {2, 2, "PlnB4Table", "IBANn"}, {3, 1, "BPlnTable", "IBANp"}, {4, 1, "PlnTable", "IBANp"},
        {4, 2, "PlnTable", "IBANn"},   {5, 1, "IskTable", "IBANp"},  {5, 2, "IskTable", "IBANn"},
        {6, 1, "VnosTable", "IBANp"},  {7, 2, "RazTable", "IBANn"},
        // The order-receipt's editor sends 1 from its only account.
        {7, 1, "RazTable", "IBANn"},
    };
    for (const auto &r : rows)
        QTest::addRow("kind %d code %d %s", r.kind, r.code, r.field)
            << r.kind << r.code << QString::fromLatin1(r.table) << QString::fromLatin1(r.field);
}

void TestAccountReplace::everyAccountField()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, table);
    QFETCH(QString, field);
    TempStore t;
    addDocuments(*t.store, DbKind::Main, table, field, {oldIban, otherIban, oldIban, {}});
    const auto done = ReplaceInAllDocuments(*t.store, t.ui, kind, code, oldIban, newIban);
    QVERIFY(done);
    QCOMPARE(done->changed, 2);
    QCOMPARE(done->field.toUpper(), field.toUpper());
    QCOMPARE(done->value, newIban);
    QVERIFY(done->account);
    QCOMPARE(column(t, table, field), (QStringList{newIban, otherIban, newIban, u""_s}));
    QVERIFY(t.ui.shown().isEmpty());
}

void TestAccountReplace::pairsThatNameNoField_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::newRow("deposit slip, payer") << 6 << 2;
    QTest::newRow("four-item order, text") << 2 << 3;
    QTest::newRow("kind 0") << 0 << 1;
    QTest::newRow("kind 8") << 8 << 1;
    QTest::newRow("code 7") << 1 << 7;
}

void TestAccountReplace::pairsThatNameNoField()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    TempStore t;
    QVERIFY(!ReplaceTargetFor(kind, code));
    QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, kind, code, oldIban, newIban));
}

void TestAccountReplace::kindWithoutDocuments()
{
    TempStore t;
    const auto done = ReplaceInAllDocuments(*t.store, t.ui, 4, 1, oldIban, newIban);
    QVERIFY(done);  // the window closes
    QCOMPARE(done->changed, 0);
    // The editor's own document takes the new account all the same.
    QCOMPARE(done->value, newIban);
    QVERIFY(t.ui.shown().isEmpty());
}

void TestAccountReplace::accountsComparedTrimmed()
{
    TempStore t;
    addDocuments(*t.store, DbKind::Main, u"PlnTable"_s, u"IBANn"_s, {oldIban, otherIban});
    // A file written by another tool keeps blanks around the account.
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"INSERT INTO PlnTable (kod, IBANn) VALUES (3, ' %1   ')"_s.arg(oldIban)));
    const auto done =
        ReplaceInAllDocuments(*t.store, t.ui, 4, 2, u"  "_s + oldIban + u" "_s, u" "_s + newIban + u"  "_s);
    QVERIFY(done);
    QCOMPARE(done->changed, 2);
    QCOMPARE(done->value, newIban);
    QCOMPARE(column(t, u"PlnTable"_s, u"IBANn"_s), (QStringList{newIban, otherIban, newIban}));
}

void TestAccountReplace::textWrittenIntoEveryDocument_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("payee") << 3 << u"Poluchatel"_s << u"  НАП - ТД София  "_s << u"НАП - ТД София"_s;
    QTest::newRow("payee BIC, cut to 15") << 4 << u"BICp"_s << u"BNBGBGSD1234567890"_s
                                          << u"BNBGBGSD1234567"_s;
    QTest::newRow("payee bank") << 5 << u"Bankap"_s << u"БНБ"_s << u"БНБ"_s;
    QTest::newRow("submission date") << 6 << u"pDate"_s << u"05 януари 2010 г."_s
                                     << u"05 януари 2010 г."_s;
}

void TestAccountReplace::textWrittenIntoEveryDocument()
{
    QFETCH(int, code);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    TempStore t;
    addDocuments(*t.store, DbKind::Main, u"PlnBTable"_s, field, {u"едно"_s, u""_s, u"три"_s});
    // The second field is not used for texts.
    const auto done = ReplaceInAllDocuments(*t.store, t.ui, 1, code, text, u"нещо"_s);
    QVERIFY(done);
    QVERIFY(!done->account);
    QCOMPARE(done->changed, 3);
    QCOMPARE(column(t, u"PlnBTable"_s, field), (QStringList{stored, stored, stored}));
    QVERIFY(t.ui.shown().isEmpty());
}

void TestAccountReplace::refusals_data()
{
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("message");
    QTest::newRow("invalid new IBAN")
        << oldIban << u"BG89UBBS80021087654320"_s
        << u"Невалиден IBAN номер: BG89UBBS80021087654320"_s;
    QTest::newRow("lower-case new IBAN")
        << oldIban << newIban.toLower() << u"Невалиден IBAN номер: "_s + newIban.toLower();
    QTest::newRow("empty field 1") << u"   "_s << newIban << u"В поле 1 не е посочена сметка."_s;
    QTest::newRow("empty field 2") << oldIban << u" "_s << u"В поле 2 не е посочена сметка."_s;
    QTest::newRow("both empty: the first") << u""_s << u""_s << u"В поле 1 не е посочена сметка."_s;
}

void TestAccountReplace::refusals()
{
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, message);
    TempStore t;
    addDocuments(*t.store, DbKind::Main, u"IskTable"_s, u"IBANp"_s, {oldIban, u""_s});
    QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, 5, 1, text1, text2));
    QCOMPARE(t.ui.texts(), QStringList{message});
    QCOMPARE(column(t, u"IskTable"_s, u"IBANp"_s), (QStringList{oldIban, u""_s}));
}

void TestAccountReplace::budgetHolderCodeIsNoIban()
{
    TempStore t;
    addDocuments(*t.store, DbKind::Main, u"BPlnTable"_s, u"budjetKod"_s,
                 {u"1234567"_s, u"7654321"_s});
    const auto done = ReplaceInAllDocuments(*t.store, t.ui, 3, 2, u"1234567"_s, u"2000100"_s);
    QVERIFY(done);
    QCOMPARE(column(t, u"BPlnTable"_s, u"budjetKod"_s), (QStringList{u"2000100"_s, u"7654321"_s}));
    QVERIFY(t.ui.shown().isEmpty());
    // Still, neither field may be empty.
    QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, 3, 2, u"1234567"_s, u""_s));
    QCOMPARE(t.ui.texts(), QStringList{u"В поле 2 не е посочена сметка."_s});
}

void TestAccountReplace::reportsBaseUntouched()
{
    TempStore t;
    QVERIFY(CreateSprBase(*t.store));
    addDocuments(*t.store, DbKind::Main, u"PlnTable"_s, u"IBANp"_s, {oldIban});
    addDocuments(*t.store, DbKind::Reports, u"PlnTable"_s, u"IBANp"_s, {oldIban});
    QVERIFY(ReplaceInAllDocuments(*t.store, t.ui, 4, 1, oldIban, newIban));
    QCOMPARE(column(t, u"PlnTable"_s, u"IBANp"_s), QStringList{newIban});
    QCOMPARE(column(t, u"PlnTable"_s, u"IBANp"_s, u"SprDocs.MDB"_s), QStringList{oldIban});
}

void TestAccountReplace::failureChangesNoDocument()
{
    TempStore t;
    addDocuments(*t.store, DbKind::Main, u"PlnTable"_s, u"IBANp"_s, {oldIban, oldIban, oldIban});
    // The third document cannot be written: the first two must stay as well.
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TRIGGER stop BEFORE UPDATE ON PlnTable WHEN OLD.kod = 3 "
                   "BEGIN SELECT RAISE(ABORT, 'disk I/O'); END"_s));
    QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, 4, 1, oldIban, newIban));
    QCOMPARE(column(t, u"PlnTable"_s, u"IBANp"_s), (QStringList{oldIban, oldIban, oldIban}));
    QCOMPARE(t.ui.shown().size(), 1);
    QVERIFY(t.ui.texts().first().contains(u"disk I/O"_s));

    // The same for a text written into every document.
    t.ui.clear();
    addDocuments(*t.store, DbKind::Main, u"PlnBTable"_s, u"Poluchatel"_s, {u"А"_s, u"Б"_s});
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TRIGGER stopB BEFORE UPDATE ON PlnBTable WHEN OLD.kod = 2 "
                   "BEGIN SELECT RAISE(ABORT, 'disk I/O'); END"_s));
    QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, 1, 3, u"В"_s, {}));
    QCOMPARE(column(t, u"PlnBTable"_s, u"Poluchatel"_s), (QStringList{u"А"_s, u"Б"_s}));
}

QTEST_GUILESS_MAIN(TestAccountReplace)
#include "tst_account_replace.moc"
