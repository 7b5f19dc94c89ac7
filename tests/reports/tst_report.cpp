#include "report_seed.h"
#include "reports/report.h"
#include "support/temp_store.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

using Texts = QHash<QString, QString>;
Q_DECLARE_METATYPE(ReportRequest)
Q_DECLARE_METATYPE(ReportParty)

namespace {

const QString kA = u"BG80BNBG96611020345678"_s;
const QString kB = u"BG18RZBB91550123456789"_s;
const QString kX = u"BG27STSA93000012345678"_s;
const QString kY = u"BG96UBBS80021012345678"_s;
const QString kIndent = QString(7, u' ');

// Credit transfer copies: dates in each way the kind keeps them, two
// payees, two payers, leva and euro; copy n is for n hundred.
void seedTransfers(Store &store)
{
    auto t = OpenSprTable(store, *reportsKindOf(u"Pln"_s));
    QVERIFY(t);
    Transaction tx(t->db());
    const struct {
        int n;
        const char16_t *date;
        QString payee, payer;
        const char *currency;
    } rows[] = {
        {1, u"31.12.2025", kA, kX, "BGN"},        {2, u"01.01.2026", kA, kX, "EUR"},
        {3, u"15 януари 2026 г.", kA, kY, "EUR"}, {4, u"31 януари 2026 г.", kB, kX, "EUR"},
        {5, u"01.02.2026", kA, kX, "eur"},        {6, u"", kA, kX, "EUR"},
        {7, u"по договор", kA, kX, "EUR"},        {8, u"5 януари 2026", kA, kX, "EUR"},
    };
    for (const auto &r : rows)
        QVERIFY(seedCopy(*t, r.n, QString::fromUtf16(r.date),
                         {{u"Poluchatel"_s, r.payee == kA ? u"Алфа ООД"_s : u"Бета АД"_s},
                          {u"IBANp"_s, r.payee},
                          {u"Nareditel"_s, r.payer == kX ? u"Хикс ЕООД"_s : u"Игрек ЕТ"_s},
                          {u"IBANn"_s, r.payer},
                          {u"valuta"_s, QLatin1StringView(r.currency)}},
                         r.n * 100));
    QVERIFY(tx.commit());
}

// The amounts of the listed lines, in their order: they tell the copies.
QStringList amountsOf(const Report &r)
{
    static const QRegularExpression line(u"^ {7}[ \\d]{4} : .* (\\d+\\.\\d\\d)( [A-Z]{3})?$"_s);
    QStringList out;
    for (const QString &page : r.pages)
        for (const QString &l : page.split(u'\n'))
            if (const auto m = line.match(l); m.hasMatch())
                out << m.captured(1);
    return out;
}

ReportRequest transfers(const QString &from, const QString &to, ReportScope scope,
                        const QString &payee, const QString &payer)
{
    ReportRequest r;
    r.kind = u"Pln"_s;
    r.fromText = from;
    r.toText = to;
    r.from = QDate::fromString(from, u"dd.MM.yyyy"_s);
    r.to = QDate::fromString(to, u"dd.MM.yyyy"_s);
    r.scope = scope;
    r.payee = {payee, u"Получател"_s};
    r.payer = {payer, u"Наредител"_s};
    r.signature = u"Съставил: ____"_s;
    return r;
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyKindIsCovered();
    void storedDates_data();
    void storedDates();
    void sprRoutinesOfEveryKind_data();
    void sprRoutinesOfEveryKind();
    void periodAndScope_data();
    void periodAndScope();
    void totalsPerCurrency();
    void pagesRepeatTheHeadAndEndWithTheTotal();
    void runningNumbersPastFourDigits();
    void columnsOfEachKind_data();
    void columnsOfEachKind();
    void refusals();
    void partyLists();
};

// Every kind with a reports table has its row, and every column a row
// names is one of its table.
void TestReport::everyKindIsCovered()
{
    int withTable = 0;
    for (const KindDescriptor &d : documentKinds()) withTable += d.reportsTableDef() ? 1 : 0;
    QCOMPARE(reportsKinds().size(), withTable);
    QSet<int> options, buttons, checks, searches;
    for (const ReportsKind &k : reportsKinds()) {
        const TableDef &t = k.table();
        for (const ReportSide &s :
             {k.payee, k.payer, k.payeeListSide(), k.payerListSide(), k.column.value_or(k.payee)})
            for (const QString &f : {s.name, s.account})
                QVERIFY2(f.isEmpty() || t.field(f), qPrintable(k.kind + u' ' + f));
        QVERIFY(t.field(k.descriptor().amountField));
        options << k.option;
        buttons << k.button;
        checks << k.check;
        searches << k.searchKind;
    }
    for (const QSet<int> *s : {&options, &buttons, &checks, &searches})
        QCOMPARE(s->size(), reportsKinds().size());
}

void TestReport::storedDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");  // null: unreadable, or empty for ""
    const QDate jan5(2026, 1, 5);
    // The long, short and month-name forms are read in the reports below.
    QTest::newRow("short, suffix") << u"05.01.2026г."_s << jan5;
    QTest::newRow("month abbreviation") << u"05-ЯНУ-2026"_s << jan5;
    QTest::newRow("no such day") << u"31.02.2026"_s << QDate();
    QTest::newRow("empty") << u"   "_s << QDate();
}

void TestReport::storedDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const StoredDate d = ReadStoredDate(text);
    QCOMPARE(d.date, date);
    const auto status = date.isValid()             ? StoredDate::Status::Read
                        : text.trimmed().isEmpty() ? StoredDate::Status::Empty
                                                   : StoredDate::Status::Unreadable;
    QCOMPARE(d.status, status);
}

void TestReport::sprRoutinesOfEveryKind_data()
{
    QTest::addColumn<QString>("kind");
    for (const ReportsKind &k : reportsKinds()) QTest::newRow(qPrintable(k.kind)) << k.kind;
}

// Write, read back, number and re-index the copies of each kind.
void TestReport::sprRoutinesOfEveryKind()
{
    QFETCH(QString, kind);
    const ReportsKind &k = *reportsKindOf(kind);
    TempStore ts;
    Store &store = *ts.store;
    Record doc(k.descriptor().tableDef());
    int n = 0;
    for (const FieldDef &f : k.table().fields) {
        if (!doc.def().field(f.name) || f.name == k.table().keyField)
            continue;
        ++n;
        switch (doc.def().field(f.name)->type) {
        case FieldType::Text: doc.setText(f.name, u"т%1"_s.arg(n)); break;
        case FieldType::Money: doc.setMoney(f.name, Money::fromUnits(n)); break;
        case FieldType::Date: doc.setDate(f.name, QDate(2026, 1, n % 28 + 1)); break;
        case FieldType::Int16:
        case FieldType::Int32: doc.setInteger(f.name, n); break;
        default: break;
        }
    }
    for (qint32 number : {0, 2, 4}) {  // a record without a number is copy 1
        doc.setKey(number);
        QVERIFY(WriteSprRecord(store, k, doc));
    }
    QCOMPARE(FirstFreeSprKod(store, k), 3);
    const auto back = ReadSprRecord(store, k, 4);
    QVERIFY(back);
    QCOMPARE(*back, doc);
    const IndexDef &dated = *k.table().dateIndex();
    QVERIFY(execOn(store.paths().reportsPath, u"DROP INDEX \""_s + dated.sqlName() + u'"'));
    QVERIFY(ReindexSprTable(store, k));
    auto db = store.open(DbKind::Reports);
    QCOMPARE(db->indexFields(dated.sqlName()),
             (QStringList{k.table().dateField, k.table().keyField}));
}

void TestReport::periodAndScope_data()
{
    QTest::addColumn<ReportRequest>("request");
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QList<qint32>>("undated");
    QTest::addColumn<QList<qint32>>("unreadable");
    using S = ReportScope;
    // Undated copies come first in a report without bounds; a bounded one
    // leaves them out and names them. Both bounds are inclusive.
    QTest::newRow("payee, no period")
        << transfers({}, {}, S::Payee, kA, {})
        << QStringList{u"600.00"_s, u"700.00"_s, u"100.00"_s, u"200.00"_s,
                       u"800.00"_s, u"300.00"_s, u"500.00"_s}
        << QList<qint32>{} << QList<qint32>{};
    QTest::newRow("payer, January") << transfers(u"01.01.2026"_s, u"31.01.2026"_s, S::Payer, {}, kX)
                                    << QStringList{u"200.00"_s, u"800.00"_s, u"400.00"_s}
                                    << QList<qint32>{6} << QList<qint32>{7};
    QTest::newRow("both, January")
        << transfers(u"01.01.2026"_s, u"31.01.2026"_s, S::PayeeAndPayer, kA, kX)
        << QStringList{u"200.00"_s, u"800.00"_s} << QList<qint32>{6} << QList<qint32>{7};
    QTest::newRow("both, other payer")
        << transfers(u"01.01.2026"_s, u"31.01.2026"_s, S::PayeeAndPayer, kA, kY)
        << QStringList{u"300.00"_s} << QList<qint32>{} << QList<qint32>{};
    QTest::newRow("from only") << transfers(u"01.02.2026"_s, {}, S::Payee, kA, {})
                               << QStringList{u"500.00"_s} << QList<qint32>{6} << QList<qint32>{7};
    QTest::newRow("nobody") << transfers(u"01.01.2026"_s, u"31.01.2026"_s, S::Payee, kY, {})
                            << QStringList{} << QList<qint32>{} << QList<qint32>{};
}

void TestReport::periodAndScope()
{
    QFETCH(ReportRequest, request);
    QFETCH(QStringList, amounts);
    QFETCH(QList<qint32>, undated);
    QFETCH(QList<qint32>, unreadable);
    TempStore ts;
    seedTransfers(*ts.store);
    const Report r = BuildReport(*ts.store, request);
    QVERIFY(r.ok);
    QCOMPARE(amountsOf(r), amounts);
    QCOMPARE(r.lines, amounts.size());
    QCOMPARE(r.undated, undated);
    QCOMPARE(r.unreadable, unreadable);
    const QString heading = request.from.isValid() || request.to.isValid()
                                ? u" от "_s + request.fromText + u" до "_s + request.toText
                                : u" обща"_s;
    QVERIFY(r.pages.first().startsWith(u"\n\n"_s + kIndent +
                                       u"СПРАВКА (Платежно Нареждане за Кредитен Превод)"_s +
                                       heading + u'\n'));
    QVERIFY(r.pages.last().endsWith(u"\n\n"_s + kIndent + u"Съставил: ____"_s));
    if (amounts.isEmpty())  // "Всичко:" with a blank total
        QVERIFY(
            r.pages.last().contains(u'\n' + kIndent + u"Всичко:"_s + QString(83, u' ') + u'\n'));
}

// Leva and euro are never added together: one total each, and each line
// says its currency once the report holds more than one.
void TestReport::totalsPerCurrency()
{
    TempStore ts;
    seedTransfers(*ts.store);
    Report r = BuildReport(*ts.store, transfers({}, {}, ReportScope::Payee, kA, {}));
    QCOMPARE(r.totals.size(), 2);
    QCOMPARE(r.totals[0].currency, u"BGN"_s);
    QCOMPARE(r.totals[0].total, Money::fromUnits(100));
    QCOMPARE(r.totals[1].currency, u"EUR"_s);
    QCOMPARE(r.totals[1].total, Money::fromUnits(600 + 700 + 200 + 800 + 300 + 500));
    const QString last = r.pages.last();
    QVERIFY(last.contains(u'\n' + kIndent + u"Всичко BGN:"_s + QString(62, u' ') +
                          u"       100.00 BGN\n"_s));
    QVERIFY(last.contains(u'\n' + kIndent + u"Всичко EUR:"_s + QString(62, u' ') +
                          u"      3100.00 EUR\n"_s));
    // The line keeps the width of the paper.
    for (const QString &line : last.split(u'\n')) QVERIFY(line.size() <= 7 + 91);
    QVERIFY(last.contains(u" :       100.00 BGN\n"_s));

    // One currency: the plain "Всичко:" line under the amounts.
    r = BuildReport(*ts.store,
                    transfers(u"01.01.2026"_s, u"31.01.2026"_s, ReportScope::Payer, {}, kX));
    QCOMPARE(r.totals.size(), 1);
    QVERIFY(r.pages.last().contains(u'\n' + kIndent + u"Всичко:"_s + QString(70, u' ') +
                                    u"      1400.00\n"_s));
    QVERIFY(!r.pages.last().contains(u" EUR"_s));
}

void TestReport::pagesRepeatTheHeadAndEndWithTheTotal()
{
    TempStore ts;
    {
        auto t = OpenSprTable(*ts.store, *reportsKindOf(u"Pln"_s));
        Transaction tx(t->db());
        for (int n = 1; n <= 25; ++n)
            QVERIFY(seedCopy(*t, n, u"%1.01.2026"_s.arg(n, 2, 10, QLatin1Char('0')),
                             {{u"IBANp"_s, kA}, {u"valuta"_s, u"EUR"_s}}, n));
        QVERIFY(tx.commit());
    }
    ReportRequest request = transfers({}, {}, ReportScope::Payee, kA, {});
    request.linesPerPage = 14;  // a head of 7 lines and 7 lines of copies
    const Report r = BuildReport(*ts.store, request);
    QCOMPARE(r.lines, 25);
    QVERIFY(r.pages.size() >= 4);
    const QString head = r.pages.first().left(r.pages.first().indexOf(u"   1 : "_s) - 7);
    QStringList numbers;
    for (int p = 0; p < r.pages.size(); ++p) {
        const QString &page = r.pages[p];
        QVERIFY2(page.startsWith(head), qPrintable(QString::number(p)));
        QVERIFY(page.count(u'\n') + (page.endsWith(u'\n') ? 0 : 1) <= request.linesPerPage);
        QCOMPARE(page.contains(u"Всичко:"_s), p == r.pages.size() - 1);
        static const QRegularExpression number(u"\\n {7}([ \\d]{4}) : "_s);
        for (auto it = number.globalMatch(page); it.hasNext();)
            numbers << it.next().captured(1).trimmed();
    }
    QStringList want;
    for (int n = 1; n <= 25; ++n) want << QString::number(n);
    QCOMPARE(numbers, want);
    // The totals never stand on a page without a copy above them.
    QVERIFY(r.pages.last().contains(u"  25 : 25.01.2026"_s));
}

// A cut number would repeat earlier lines' numbers: past 9999 it is written whole.
void TestReport::runningNumbersPastFourDigits()
{
    TempStore ts;
    QVERIFY(fillOrders(*ts.store, 10000, DbKind::Reports));
    const Report r = BuildReport(*ts.store, transfers({}, {}, ReportScope::Payee, kA, {}));
    QCOMPARE(r.lines, 10000);
    const QString all = r.pages.join(QString());
    QVERIFY(all.contains(u'\n' + kIndent + u"9999 : "_s));
    QVERIFY(all.contains(u'\n' + kIndent + u"10000 : "_s));
}

void TestReport::columnsOfEachKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<int>("scope");
    QTest::addColumn<ReportParty>("party");  // the payee, or the payer for scope 2
    QTest::addColumn<QString>("columns");    // name and account, or "" when not listed
    const auto cols = [](const QString &name, const QString &account) {
        return name.leftJustified(30) + u" : "_s + account.leftJustified(22);
    };
    // On the direct debit IBANp is the payer's account and IBANn the payee's.
    const Texts isk = {{u"Poluchatel"_s, u"Получател Д"_s},
                       {u"IBANn"_s, kA},
                       {u"Platec"_s, u"Платец Д"_s},
                       {u"IBANp"_s, kX}};
    QTest::newRow("direct debit, payee")
        << u"Isk"_s << isk << 1 << ReportParty{kA, {}} << cols(u"Платец Д"_s, kX);
    QTest::newRow("direct debit, payer")
        << u"Isk"_s << isk << 2 << ReportParty{kX, {}} << cols(u"Получател Д"_s, kA);
    // The order-receipt's one account is the ordering holder's, IBANn.
    const Texts raz = {
        {u"Nareditel"_s, u"Титуляр Р"_s}, {u"IBANn"_s, kB}, {u"Poluchatel"_s, u"Иван Петров"_s}};
    QTest::newRow("order-receipt")
        << u"Raz"_s << raz << 0 << ReportParty{kB, {}} << cols(u"Титуляр Р"_s, kB);
    QTest::newRow("order-receipt, other")
        << u"Raz"_s << raz << 0 << ReportParty{kA, {}} << QString();
    QTest::newRow("order-receipt, all")
        << u"Raz"_s << raz << 1 << ReportParty{kA, {}} << cols(u"Титуляр Р"_s, kB);
    // The deposit slip lists the bank against the holder's account.
    const Texts vnos = {
        {u"Nareditel"_s, u"Титуляр В"_s}, {u"IBANp"_s, kY}, {u"Bankap"_s, u"Банка В"_s}};
    QTest::newRow("deposit slip, payer")
        << u"Vnos"_s << vnos << 2 << ReportParty{kY, {}} << cols(u"Банка В"_s, kY);
    // The budget organisation's code stands in the payer's account column.
    QTest::newRow("budget organisation")
        << u"BPln"_s
        << Texts{{u"Poluchatel"_s, u"НАП"_s},
                 {u"IBANp"_s, kA},
                 {u"Nareditel"_s, u"Училище"_s},
                 {u"budjetKod"_s, u"1234567890"_s}}
        << 1 << ReportParty{kA, {}} << cols(u"Училище"_s, u"1234567890"_s);
    // Cash orders have no accounts: their persons are told by name.
    QTest::newRow("cash receipt") << u"PKO"_s
                                  << Texts{{u"Firma"_s, u"Алфа ООД"_s}, {u"Vnositel"_s, u"Иван"_s}}
                                  << 2 << ReportParty{{}, u" Иван"_s} << cols(u"Алфа ООД"_s, {});
}

void TestReport::columnsOfEachKind()
{
    QFETCH(QString, kind);
    QFETCH(Texts, texts);
    QFETCH(int, scope);
    QFETCH(ReportParty, party);
    QFETCH(QString, columns);
    TempStore ts;
    auto t = OpenSprTable(*ts.store, *reportsKindOf(kind));
    QVERIFY(seedCopy(*t, 1, u"05.01.2026"_s, texts, 10));
    t.reset();
    ReportRequest request;
    request.kind = kind;
    request.scope = ReportScope(scope);
    (scope == 2 ? request.payer : request.payee) = party;
    const Report r = BuildReport(*ts.store, request);
    QCOMPARE(r.lines, columns.isEmpty() ? 0 : 1);
    if (!columns.isEmpty())
        QVERIFY2(r.pages.first().contains(u"05.01.2026 : "_s + columns + u" :        10.00\n"_s),
                 qPrintable(r.pages.first()));
    QVERIFY(r.pages.first().contains(ReportColumnHeader(kind == u"Vnos"_s)));
}

void TestReport::refusals()
{
    TempStore ts;
    seedTransfers(*ts.store);
    ReportRequest request = transfers(u"01.02.2026"_s, u"31.01.2026"_s, ReportScope::Payee, kA, {});
    QVERIFY(!RunReport(*ts.store, ts.ui, request));
    request.kind.clear();
    QVERIFY(!RunReport(*ts.store, ts.ui, request));
    QCOMPARE(ts.ui.texts(),
             (QStringList{u"Началната дата е след крайната."_s, u"Не е посочена справка."_s}));
    ts.ui.clear();
    request = transfers(u"01.01.2026"_s, u"31.01.2026"_s, ReportScope::Payee, kA, {});
    QVERIFY(RunReport(*ts.store, ts.ui, request));
    QCOMPARE(ts.ui.texts(),
             QStringList{u"Не са включени в справката за периода:\n"
                         u"1 документ без дата (No: 6).\n"
                         u"1 документ с дата, която не може да се прочете (No: 7)."_s});
}

void TestReport::partyLists()
{
    TempStore ts;
    QVERIFY(!PartyList(*ts.store, ts.ui, u"Isk"_s, true));
    QVERIFY(!PartyList(*ts.store, ts.ui, QString(), true));
    QCOMPARE(ts.ui.texts(), (QStringList{u"Няма записи"_s, u"Не е посочена справка."_s}));
    seedTransfers(*ts.store);
    // Each party once, in the order of the dates.
    QCOMPARE(*PartyList(*ts.store, ts.ui, u"Pln"_s, true),
             (QList<ReportParty>{{kA, u"Алфа ООД"_s}, {kB, u"Бета АД"_s}}));
    QCOMPARE(*PartyList(*ts.store, ts.ui, u"Pln"_s, false),
             (QList<ReportParty>{{kX, u"Хикс ЕООД"_s}, {kY, u"Игрек ЕТ"_s}}));
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
