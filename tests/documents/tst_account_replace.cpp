#include "documents/account_replace.h"
#include "documents/kinds.h"
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
    void accountsReplaced_data();
    void accountsReplaced();
    void pairsThatNameNoField();
    void kindWithoutDocumentsAndTheReportsBaseUntouched();
    void textWrittenIntoEveryDocument_data();
    void textWrittenIntoEveryDocument();
    void refusals_data();
    void refusals();
    void failureChangesNoDocument();
};

void TestAccountReplace::accountsReplaced_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("replacement");
    QTest::newRow("credit transfer, payee") << 4 << 1 << u"PlnTable"_s << u"IBANp"_s << oldIban << newIban;
    QTest::newRow("four-item order, payer") << 2 << 2 << u"PlnB4Table"_s << u"IBANn"_s << oldIban << newIban;
    // The order-receipt's editor sends 1 from its only account, the payer's.
    QTest::newRow("order-receipt, code 1") << 7 << 1 << u"RazTable"_s << u"IBANn"_s << oldIban << newIban;
    // The budget organisation's holder code is no IBAN: the IBAN rule would refuse it.
    QTest::newRow("budget holder's code")
        << 3 << 2 << u"BPlnTable"_s << u"budjetKod"_s << u"1234567"_s << u"2000100"_s;
    // The foreign-currency order's own code; its beneficiary's account is
    // checked by the rule of its country.
    QTest::newRow("foreign order, beneficiary abroad")
        << 8 << 1 << u"PlnMTable"_s << u"IBANp"_s << u"CH9300762011623852957"_s
        << u"FR1420041010050500013M02606"_s;
}

void TestAccountReplace::accountsReplaced()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, old);
    QFETCH(QString, replacement);
    TempStore t;
    addDocuments(*t.store, DbKind::Main, table, field, {old, otherIban.left(7), old, {}});
    // A file written by another tool keeps blanks around the account, and
    // the window's fields may have them too: both are compared trimmed.
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"UPDATE %1 SET %2 = ' %3   ' WHERE kod = 3"_s.arg(table, field, old)));
    // Cancelled when asked, nothing changes.
    t.ui.answer(false);
    QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, kind, code, old, replacement));
    QCOMPARE(column(t, table, field)[0], old);
    t.ui.clear();
    t.ui.answer(true);
    const auto done =
        ReplaceInAllDocuments(*t.store, t.ui, kind, code, u"  "_s + old + u" "_s, u" "_s + replacement + u"  "_s);
    QVERIFY(done);
    QCOMPARE(done->changed, 2);
    QCOMPARE(done->field.toUpper(), field.toUpper());
    QCOMPARE(done->value, replacement);
    QVERIFY(done->account);
    QCOMPARE(column(t, table, field), (QStringList{replacement, otherIban.left(7), replacement, u""_s}));
    // Asked once, naming the kind, the field and the count; told the count after.
    QCOMPARE(t.ui.shown().size(), 2);
    const QString question = t.ui.texts()[0];
    QVERIFY2(question.contains(kindByTable(table)->title) && question.contains(u"в 2 документа"_s) &&
                 question.contains(old) && question.contains(replacement),
             qPrintable(question));
    QVERIFY(t.ui.shown()[0].cancelIsDefault);
    QCOMPARE(t.ui.texts()[1], u"Заменено в 2 документа."_s);
}

void TestAccountReplace::pairsThatNameNoField()
{
    // The deposit slip has no payer account; the four-item order copies no texts.
    for (const auto &[kind, code] : {std::pair{6, 2}, {2, 3}, {9, 1}}) {
        TempStore t;
        QVERIFY(!ReplaceTargetFor(kind, code));
        QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, kind, code, oldIban, newIban));
    }
}

// The main base has no documents of the kind, the reports base has a copy:
// nothing is written, yet the editor's own document takes the new account.
void TestAccountReplace::kindWithoutDocumentsAndTheReportsBaseUntouched()
{
    TempStore t;
    QVERIFY(CreateSprBase(*t.store));
    addDocuments(*t.store, DbKind::Reports, u"PlnTable"_s, u"IBANp"_s, {oldIban});
    t.ui.answer(true);
    const auto done = ReplaceInAllDocuments(*t.store, t.ui, 4, 1, oldIban, newIban);
    QVERIFY(done);  // the window closes
    QCOMPARE(done->changed, 0);
    QCOMPARE(done->value, newIban);
    QCOMPARE(column(t, u"PlnTable"_s, u"IBANp"_s, u"SprDocs.MDB"_s), QStringList{oldIban});
    QVERIFY(t.ui.texts()[0].contains(u"в 0 документа"_s));
}

void TestAccountReplace::textWrittenIntoEveryDocument_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("payee") << 3 << u"Poluchatel"_s << u"  НАП - ТД София  "_s << u"НАП - ТД София"_s;
    QTest::newRow("payee BIC, cut to 15") << 4 << u"BICp"_s << u"BNBGBGSD1234567890"_s << u"BNBGBGSD1234567"_s;
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
    t.ui.answer(true);
    const auto done = ReplaceInAllDocuments(*t.store, t.ui, 1, code, text, u"нещо"_s);
    QVERIFY(done);
    QVERIFY(!done->account);
    QCOMPARE(done->changed, 3);
    QCOMPARE(column(t, u"PlnBTable"_s, field), (QStringList{stored, stored, stored}));
    QCOMPARE(t.ui.texts().last(), u"Записано в 3 документа."_s);
}

void TestAccountReplace::refusals_data()
{
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("message");
    QTest::newRow("invalid new IBAN") << oldIban << u"BG89UBBS80021087654320"_s
                                      << u"Невалиден IBAN номер: BG89UBBS80021087654320"_s;
    QTest::newRow("empty field 1") << u"   "_s << newIban << u"В поле 1 не е посочена сметка."_s;
    QTest::newRow("empty field 2") << oldIban << u" "_s << u"В поле 2 не е посочена сметка."_s;
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

void TestAccountReplace::failureChangesNoDocument()
{
    TempStore t;
    addDocuments(*t.store, DbKind::Main, u"PlnTable"_s, u"IBANp"_s, {oldIban, oldIban, oldIban});
    // The third document cannot be written: the first two must stay as well.
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TRIGGER stop BEFORE UPDATE ON PlnTable WHEN OLD.kod = 3 "
                   "BEGIN SELECT RAISE(ABORT, 'disk I/O'); END"_s));
    t.ui.answer(true);
    QVERIFY(!ReplaceInAllDocuments(*t.store, t.ui, 4, 1, oldIban, newIban));
    QCOMPARE(column(t, u"PlnTable"_s, u"IBANp"_s), (QStringList{oldIban, oldIban, oldIban}));
    QCOMPARE(t.ui.shown().size(), 2);
    QVERIFY(t.ui.texts().last().contains(u"disk I/O"_s));
}

QTEST_GUILESS_MAIN(TestAccountReplace)
#include "tst_account_replace.moc"
