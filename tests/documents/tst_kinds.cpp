#include "app/session.h"
#include "documents/account_replace.h"
#include "documents/workflow.h"
#include "store/schema.h"
#include "store/store.h"
#include "support/scripted_interaction.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct Fixture {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 3, 5)};
    DocumentWorkflow flow;

    explicit Fixture(const QString &id) : flow(session, kindById(id)) { session.startUp(); }
    Record &rec() { return flow.record(); }
};

// The field of either page of a kind, by name.
const FieldSpec &specOf(const KindDescriptor &k, const QString &name)
{
    for (const QList<FieldSpec> *page : {&k.entryOrder, &k.secondPage})
        for (const FieldSpec &f : *page)
            if (f.name.compare(name, Qt::CaseInsensitive) == 0)
                return f;
    qFatal("%s has no field %s", qPrintable(k.id), qPrintable(name));
}

QList<FieldSpec> allFields(const KindDescriptor &k)
{
    return k.entryOrder + k.secondPage;
}

// The one field type each commit rule is written for. The consent keeps its
// amount limit and the mass payment order its date as text, so those two
// rules go with text fields.
FieldType typeOfRule(FieldRule rule)
{
    switch (rule) {
    case FieldRule::Amount:
    case FieldRule::LeadingNumber: return FieldType::Money;
    case FieldRule::Date: return FieldType::Date;
    case FieldRule::WholeNumber:
    case FieldRule::NonZeroWholeNumber:
    case FieldRule::StrictWholeNumber: return FieldType::Int16;
    default: return FieldType::Text;
    }
}

// One row per kind, the editor's identity as the kind table and each
// kind's own description give it.
void addKindRows()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<int>("kindNumber");
    QTest::addColumn<int>("searchKind");
    QTest::addColumn<int>("reportsCode");
    QTest::addColumn<int>("replaceCode");
    QTest::addColumn<QString>("findTitle");
    QTest::addColumn<QString>("caption12");
    QTest::addColumn<QString>("deleteName");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("picked");   // the submission date after picking 07.05.2010
    QTest::addColumn<QString>("undated");  // an undated copy's date in the reports base
    const QString longDate = u"07 май 2010 г."_s, shortDate = u"07.05.2010"_s;
    const QString today = u"05.03.2010"_s, todayLong = u"05 март 2010 г."_s;
    QTest::newRow("PlnB") << u"PlnB"_s << u"PlnBTable"_s << u"frmPlnB"_s << 2 << 1 << 2 << 1
                          << u"Платежно Нареждане от/към Бюджета"_s
                          << u"Платежно нареждане за плащане от/към бюджета No: 12"_s
                          << u"Платежно Нареждане от/към Бюджета"_s << u"valuta"_s << longDate
                          << todayLong;
    QTest::newRow("BPln") << u"BPln"_s << u"BPlnTable"_s << u"frmBPln"_s << 3 << 2 << 3 << 3
                          << u"Бюджетно Платежно Нареждане"_s
                          << u"Бюджетно Платежно Нареждане No: 12"_s
                          << u"Бюджетно Платежно Нареждане"_s << u"valuta"_s << shortDate << today;
    QTest::newRow("Pln") << u"Pln"_s << u"PlnTable"_s << u"frmPln"_s << 4 << 3 << 4 << 4
                         << u"Платежно нареждане за кредитен превод"_s
                         << u"Платежно нареждане за кредитен превод No: 12"_s
                         << u"Платежно нареждане за кредитен превод"_s << u"valuta"_s << longDate
                         << today;
    QTest::newRow("Isk") << u"Isk"_s << u"IskTable"_s << u"frmIsk"_s << 5 << 4 << 5 << 5
                         << u"Платежно Нареждане за Директен Дебит"_s
                         << u"Платежно Нареждане за Директен Дебит No: 12"_s
                         << u"Платежно Нареждане за Директен Дебит"_s << u"valuta"_s << longDate
                         << today;
    QTest::newRow("Raz") << u"Raz"_s << u"RazTable"_s << u"frmRaz"_s << 6 << 6 << 6 << 7
                         << u"Нареждане разписка"_s << u"Нареждане разпискаNo: 12"_s
                         << u"Разписка"_s << u"valuta"_s << shortDate << today;
    QTest::newRow("Vnos") << u"Vnos"_s << u"VnosTable"_s << u"frmVnos"_s << 7 << 5 << 7 << 6
                          << u"Вносна бележка"_s << u"Вносна бележка No: 12"_s
                          << u"Вносна бележка"_s << u"valuta"_s << shortDate << today;
    QTest::newRow("Mass") << u"Mass"_s << u"MassTable"_s << u"frmMassPay"_s << 9 << 9 << 0 << 0
                          << u"Платежно нареждане за масово плащане"_s
                          << u"Платежно нареждане за масово плащане No: 12"_s
                          << u"Платежно нареждане за масово плащане"_s << u"valuta"_s << shortDate
                          << QString();
    QTest::newRow("SDD") << u"SDD"_s << u"SDDTable"_s << u"frmSDD"_s << 10 << 10 << 0 << 0
                         << u"СЪГЛАСИЕ за директен дебит"_s
                         << u"СЪГЛАСИЕ за директен дебит No: 12"_s
                         << u"СЪГЛАСИЕ за директен дебит"_s << QString() << longDate << QString();
    // The cash orders' button posts to the cash book instead of copying.
    QTest::newRow("PKO") << u"PKO"_s << u"PKOTable"_s << u"frmPKO"_s << 11 << 11 << 11 << 0
                         << u"Приходен Касов Ордер"_s << u"ПРИХОДЕН КАСОВ ОРДЕР No: 12"_s
                         << u"ПКО"_s << QString() << shortDate << QString();
    QTest::newRow("RKO") << u"RKO"_s << u"RKOTable"_s << u"frmRKO"_s << 12 << 12 << 12 << 0
                         << u"Разходен Касов Ордер"_s << u"РАЗХОДЕН КАСОВ ОРДЕР No: 12"_s
                         << u"РКО"_s << QString() << shortDate << QString();
    QTest::newRow("PlnB4") << u"PlnB4"_s << u"PlnB4Table"_s << u"frmPlnB4"_s << 13 << 13 << 13 << 2
                           << u"Платежно Нареждане4 от/към Бюджета"_s
                           << u"Платежно нареждане4/вн.бележка за плащане от/към бюджета No: 12"_s
                           << u"Платежно Нареждане4 от/към Бюджета"_s << u"valuta"_s << longDate
                           << today;
    QTest::newRow("PlnM") << u"PlnM"_s << u"PlnMTable"_s << u"frmPLNm"_s << 14 << 35 << 8 << 0
                          << u"Платежно нареждане за превод във валута"_s
                          << u"Платежно нареждане за превод във валута  No: 12"_s
                          << u"Платежно нареждане за превод във валута"_s << u"valuta"_s
                          << longDate << today;
    QTest::newRow("Buy") << u"Buy"_s << u"BuyTable"_s << u"frmBuyValuta"_s << 15 << 36 << 0 << 0
                         << u"Нареждане за покупка / продажба на валута"_s
                         << u"Нареждане за покупка / продажба на валута No: 12"_s
                         << u"Нареждане за покупка / продажба на валута"_s << QString()
                         << QString() << QString();
}

// A text for a field, what it shows when taken and shown, by its rule; the
// n-th field gets the n-th value, so that no two fields hold the same.
std::pair<QString, QString> sampleFor(const FieldSpec &f, int n)
{
    switch (f.rule) {
    case FieldRule::Amount:
    case FieldRule::LeadingNumber:
    case FieldRule::AmountText: return {u"%1.25"_s.arg(n + 1), u"%1.25"_s.arg(n + 1)};
    case FieldRule::WholeNumber:
    case FieldRule::NonZeroWholeNumber:
    case FieldRule::StrictWholeNumber: return {QString::number(n + 1), QString::number(n + 1)};
    case FieldRule::Date:
    case FieldRule::DateText: {
        const QDate d(2010, 3, n % 28 + 1);
        return {u"%1/3/10"_s.arg(d.day()), d.toString(u"dd.MM.yyyy"_s)};
    }
    case FieldRule::Upper:
    case FieldRule::Iban: return {u"ж%1"_s.arg(n), u"Ж%1"_s.arg(n)};
    default: return {u"ж%1"_s.arg(n), u"ж%1"_s.arg(n)};
    }
}

}  // namespace

class TestKinds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void identity_data() { addKindRows(); }
    void identity();
    void everyKindOnce();
    void layout_data();
    void layout();
    void entryOrder_data();
    void entryOrder();
    void rules_data();
    void rules();
    void roundTrip_data() { addKindRows(); }
    void roundTrip();
    void dates_data() { addKindRows(); }
    void dates();
};

void TestKinds::identity()
{
    QFETCH(QString, id);
    QFETCH(QString, table);
    QFETCH(QString, editor);
    QFETCH(int, kindNumber);
    QFETCH(int, searchKind);
    QFETCH(int, reportsCode);
    QFETCH(int, replaceCode);
    QFETCH(QString, findTitle);
    QFETCH(QString, caption12);
    QFETCH(QString, deleteName);
    QFETCH(QString, currency);
    const KindDescriptor &k = kindById(id);
    QCOMPARE(k.table, table);
    QCOMPARE(k.editor, editor);
    QCOMPARE(k.kindNumber, kindNumber);
    QCOMPARE(k.searchKind, searchKind);
    QCOMPARE(k.replaceKindCode, replaceCode);
    QCOMPARE(k.title, findTitle);
    QCOMPARE(k.deleteName(), deleteName);
    QCOMPARE(k.currencyField, currency);
    // The store numbers its tables the same way.
    QVERIFY(mainTableForKind(kindNumber));
    QCOMPARE(mainTableForKind(kindNumber)->name, table);
    QCOMPARE(k.reportsCode, reportsCode);
    if (reportsCode) {
        QVERIFY(reportsTableForKind(reportsCode));
        QCOMPARE(reportsTableForKind(reportsCode)->name, table);
    } else {
        QVERIFY(!findTable(DbKind::Reports, table));
    }

    Fixture f(id);
    f.rec().setKey(12);
    QCOMPARE(f.flow.caption(), caption12);
    f.rec().setKey(0);
    f.flow.open();
    if (!currency.isEmpty())
        QCOMPARE(f.rec().text(currency), u"BGN"_s);
    else
        QVERIFY(f.rec() == Record(k.tableDef()));  // opening changes nothing
}

void TestKinds::everyKindOnce()
{
    QSet<QString> ids, tables, editors;
    QSet<int> numbers, searchKinds, reportCodes;
    for (const KindDescriptor &k : documentKinds()) {
        ids << k.id;
        tables << k.table.toLower();
        editors << k.editor;
        numbers << k.kindNumber;
        searchKinds << k.searchKind;
        if (k.reportsCode)
            QVERIFY2(!reportCodes.contains(k.reportsCode), qPrintable(k.id));
        reportCodes << k.reportsCode;
        QCOMPARE(kindByTable(k.table), &k);
    }
    QCOMPARE(documentKinds().size(), qsizetype(13));
    for (const QSet<QString> *s : {&ids, &tables, &editors})
        QCOMPARE(s->size(), qsizetype(13));
    QCOMPARE(numbers.size(), qsizetype(13));
    QCOMPARE(searchKinds.size(), qsizetype(13));
    // Every table of the reports base belongs to one kind.
    QCOMPARE(reportCodes.size() - 1, reportsTables().size());
}

void TestKinds::layout_data()
{
    QTest::addColumn<QString>("id");
    for (const KindDescriptor &k : documentKinds())
        QTest::newRow(qPrintable(k.id)) << k.id;
}

// What the window, the workflow and the account replacement will look up
// must be there, once, and of the type its rule is written for.
void TestKinds::layout()
{
    QFETCH(QString, id);
    const KindDescriptor &k = kindById(id);
    const TableDef &def = k.tableDef();
    const auto fieldIn = [](const TableDef &t, const QString &name) {
        const FieldDef *f = t.field(name);
        if (!f)
            qWarning("%s has no field %s", qPrintable(t.name), qPrintable(name));
        return f;
    };

    QSet<QString> seen;
    QSet<QString> widgets;
    for (const FieldSpec &f : allFields(k)) {
        const FieldDef *d = fieldIn(def, f.name);
        QVERIFY2(d, qPrintable(f.name));
        QVERIFY2(!seen.contains(f.name.toLower()), qPrintable(f.name + u" twice"_s));
        seen << f.name.toLower();
        QVERIFY2(!widgets.contains(f.objectName()), qPrintable(f.objectName()));
        widgets << f.objectName();
        QVERIFY2(f.name.compare(def.keyField, Qt::CaseInsensitive) != 0, "the number is no entry field");
        const FieldType want = typeOfRule(f.rule);
        const FieldType have = d->type == FieldType::Int32 ? FieldType::Int16 : d->type;
        QVERIFY2(have == want, qPrintable(f.name + u": rule for another type"_s));
        // Accounts are the fields named so, and each F2 reaches the field it is pressed in.
        QCOMPARE(f.rule == FieldRule::Iban, f.name.startsWith(u"IBAN"_s, Qt::CaseInsensitive));
        if (f.rule == FieldRule::Iban && k.replaceKindCode != 0)
            QVERIFY2(!f.ibanCode.isEmpty(), qPrintable(f.name + u": F2 reaches no account"_s));
        if (f.ibanCode.isEmpty())
            continue;
        QVERIFY2(k.replaceKindCode != 0, qPrintable(f.name));
        QVERIFY2(k.placeOf(f.name) >= 0, "F2 works on the first page");
        const auto target = ReplaceTargetFor(k.replaceKindCode, f.ibanCode.toInt());
        QVERIFY2(target, qPrintable(f.name + u" code "_s + f.ibanCode));
        QCOMPARE(target->field.toLower(), f.name.toLower());
        // F2 never changes the documents of another kind.
        QCOMPARE(target->table, k.table);
        QCOMPARE(target->ibanRule, f.rule == FieldRule::Iban);
    }

    const TableDef &klient = tableDef(DbKind::Main, u"KlientTable"_s);
    for (const QList<FieldCopy> *side : {&k.payee, &k.payer}) {
        QSet<QString> to;
        for (const FieldCopy &c : *side) {
            QVERIFY(fieldIn(klient, c.from));
            QVERIFY(fieldIn(def, c.to));
            QCOMPARE(def.field(c.to)->type, FieldType::Text);
            QVERIFY2(!to.contains(c.to.toLower()), qPrintable(c.to));
            to << c.to.toLower();
            QVERIFY2(k.placeOf(c.to) >= 0, qPrintable(c.to + u" is not shown"_s));
        }
    }
    for (const auto &[field, value] : k.newDefaults)
        QVERIFY(fieldIn(def, field));

    // The fields the workflow and the editor name directly.
    if (!k.currencyField.isEmpty()) {
        QVERIFY(k.placeOf(k.currencyField) >= 0);
        QCOMPARE(def.field(k.currencyField)->width, 3);
    }
    using Style = KindDescriptor::DateStyle;
    QCOMPARE(k.dateField.isEmpty(), k.dateStyle == Style::None);
    if (!k.dateField.isEmpty()) {
        QVERIFY(k.placeOf(k.dateField) >= 0);
        QCOMPARE(def.field(k.dateField)->type == FieldType::Date, k.dateStyle == Style::Date);
        // Copies into the reports base date themselves by the same field.
        if (const TableDef *reports = k.reportsTableDef())
            QCOMPARE(reports->dateField.toLower(), k.dateField.toLower());
    }
    if (!k.workDateField.isEmpty()) {
        QVERIFY(k.placeOf(k.workDateField) >= 0);
        QCOMPARE(def.field(k.workDateField)->type, FieldType::Date);
    }
    QVERIFY(k.placeOf(k.amountField) >= 0);
    const FieldRule amountRule = k.entryOrder[k.placeOf(k.amountField)].rule;
    QVERIFY(amountRule == FieldRule::Amount || amountRule == FieldRule::AmountText);
}

void TestKinds::entryOrder_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("first");     // the places told, from 0
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("f2");        // "place field code" of every F2 field
    QTest::addColumn<int>("amountPlace");
    QTest::addColumn<QStringList>("second");    // first and last of the second page
    QTest::addColumn<int>("secondCount");
    const QStringList bank{u"DoBanka"_s, u"Clon"_s, u"Adress"_s};
    QTest::newRow("PlnB") << u"PlnB"_s << bank + QStringList{u"RegNo"_s, u"pDate"_s} << u"PayTypen"_s
                          << 30
                          << QStringList{u"4 pDate 6"_s, u"5 Poluchatel 3"_s, u"6 IBANp 1"_s,
                                         u"7 BICp 4"_s, u"8 Bankap 5"_s, u"24 IBANn 2"_s}
                          << 11 << QStringList() << 0;
    QTest::newRow("PlnB4") << u"PlnB4"_s << bank + QStringList{u"RegNo"_s} << u"PayTypen"_s << 32
                           << QStringList{u"6 IBANp 1"_s, u"26 IBANn 2"_s} << 11
                           << QStringList{u"PayTypep2"_s, u"period24"_s} << 27;
    QTest::newRow("BPln") << u"BPln"_s << bank + QStringList{u"Grad"_s, u"pDate"_s} << u"SEBRA"_s
                          << 23 << QStringList{u"6 IBANp 1"_s, u"21 budjetKod 2"_s} << 10
                          << QStringList() << 0;
    QTest::newRow("Pln") << u"Pln"_s << bank << u"TAXsuma"_s << 21
                         << QStringList{u"6 IBANp 1"_s, u"14 IBANn 2"_s} << 10
                         << QStringList{u"countryN"_s, u"BNBno"_s} << 6;
    QTest::newRow("Isk") << u"Isk"_s << bank + QStringList{u"Grad"_s, u"pDate"_s, u"Platec"_s}
                         << u"workDate"_s << 19 << QStringList{u"6 IBANp 1"_s, u"14 IBANn 2"_s} << 10
                         << QStringList{u"countryN"_s, u"BNBno"_s} << 6;
    QTest::newRow("SDD") << u"SDD"_s << bank + QStringList{u"pDate"_s, u"Poluchatel"_s}
                         << u"Platec"_s << 10 << QStringList() << 5 << QStringList() << 0;
    QTest::newRow("Vnos") << u"Vnos"_s << bank + QStringList{u"Grad"_s, u"pDate"_s, u"Nareditel"_s}
                          << u"Osnovanie"_s << 12 << QStringList{u"6 IBANp 1"_s} << 9
                          << QStringList() << 0;
    QTest::newRow("Raz") << u"Raz"_s << bank + QStringList{u"Grad"_s, u"pDate"_s, u"Nareditel"_s}
                         << u"EGN"_s << 13 << QStringList{u"6 IBANn 1"_s} << 9 << QStringList() << 0;
    QTest::newRow("Mass") << u"Mass"_s
                          << bank + QStringList{u"Grad"_s, u"pDate"_s, u"IBANn"_s, u"BICn"_s,
                                                u"SEBRA"_s, u"IBANp"_s, u"BICp"_s, u"Nareditel"_s}
                          << u"rows"_s << 14 << QStringList() << 12 << QStringList() << 0;
    QTest::newRow("PlnM") << u"PlnM"_s << QStringList{u"DoBanka"_s, u"Centre"_s, u"Adress"_s, u"pDate"_s}
                          << u"TAXsuma"_s << 22 << QStringList{} << 12
                          << QStringList{u"countryN"_s, u"BNBno"_s} << 6;
    QTest::newRow("Buy") << u"Buy"_s
                         << QStringList{u"DoBanka"_s, u"Centre"_s, u"Address"_s, u"Titul"_s,
                                        u"IDnomer"_s, u"RegNo"_s, u"Valuta0"_s, u"IBAN10"_s,
                                        u"suma0"_s, u"Valuta20"_s, u"slovom0"_s, u"kurs0"_s,
                                        u"vidValuta0"_s, u"IBAN20"_s, u"Mesto0"_s, u"workDate0"_s,
                                        u"Valuta1"_s}
                         << u"workDate1"_s << 26 << QStringList() << 8 << QStringList() << 0;
    QTest::newRow("PKO") << u"PKO"_s << QStringList{u"Firma"_s, u"Bulstat"_s, u"PKOno"_s, u"pDate"_s}
                         << u"suma"_s << 7 << QStringList() << 6 << QStringList() << 0;
    QTest::newRow("RKO") << u"RKO"_s << QStringList{u"Firma"_s, u"Bulstat"_s, u"RKOno"_s, u"pDate"_s}
                         << u"suma"_s << 12 << QStringList() << 11 << QStringList() << 0;
}

void TestKinds::entryOrder()
{
    QFETCH(QString, id);
    QFETCH(QStringList, first);
    QFETCH(QString, last);
    QFETCH(int, count);
    QFETCH(QStringList, f2);
    QFETCH(int, amountPlace);
    QFETCH(QStringList, second);
    QFETCH(int, secondCount);
    const KindDescriptor &k = kindById(id);
    QCOMPARE(k.entryOrder.size(), qsizetype(count));
    for (int i = 0; i < first.size(); ++i)
        QCOMPARE(k.entryOrder[i].name, first[i]);
    QCOMPARE(k.entryOrder.last().name, last);
    QStringList codes;
    for (int i = 0; i < k.entryOrder.size(); ++i)
        if (!k.entryOrder[i].ibanCode.isEmpty())
            codes << u"%1 %2 %3"_s.arg(i).arg(k.entryOrder[i].name, k.entryOrder[i].ibanCode);
    QCOMPARE(codes, f2);
    QCOMPARE(k.placeOf(k.amountField), amountPlace);
    QCOMPARE(k.secondPage.size(), qsizetype(secondCount));
    if (secondCount) {
        QCOMPARE(k.secondPage.first().name, second.first());
        QCOMPARE(k.secondPage.last().name, second.last());
        for (const FieldSpec &f : k.secondPage)
            QVERIFY(f.ibanCode.isEmpty());
    }
}

// The commit and display rules particular to each kind, through its own
// descriptor: the field typed `before` and then `typed` shows `shown`.
void TestKinds::rules_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");  // the record's text where it differs from what shows
    const QString bic = u"bnbgbgsd"_s, BIC = u"BNBGBGSD"_s;
    QTest::newRow("budget: payee BIC upper-cased") << u"PlnB"_s << u"BICp"_s << QString() << bic << BIC << QString();
    QTest::newRow("budget: payer BIC upper-cased") << u"PlnB4"_s << u"BICn"_s << QString() << bic << BIC << QString();
    QTest::newRow("budget: date text stays") << u"PlnB"_s << u"pDate"_s << QString() << u"вчера"_s << u"вчера"_s << QString();
    QTest::newRow("budget: payee code keeps leading blanks") << u"PlnB"_s << u"PayTypep"_s << QString() << u"  4411  "_s << u"  4411"_s << QString();
    QTest::newRow("budget: payee bank trimmed") << u"PlnB"_s << u"Bankap"_s << QString() << u"  БНБ  "_s << u"БНБ"_s << QString();
    QTest::newRow("budget: payee keeps leading blanks") << u"PlnB"_s << u"Poluchatel"_s << QString() << u"  НАП  "_s << u"  НАП"_s << QString();
    QTest::newRow("budget: document kind") << u"PlnB"_s << u"VidDoc"_s << QString() << u"9 други"_s << u"9"_s << QString();
    QTest::newRow("four items: item 3 amount") << u"PlnB4"_s << u"suma3"_s << QString() << u"7,25"_s << u"7.25"_s << QString();
    QTest::newRow("four items: item 2 period") << u"PlnB4"_s << u"period12"_s << QString() << u"1.11.24"_s << u"01.11.2024"_s << QString();
    QTest::newRow("four items: item 4 grounds trimmed") << u"PlnB4"_s << u"osnovanie4"_s << QString() << u"  ДДС  "_s << u"ДДС"_s << QString();
    QTest::newRow("organisation: date typed") << u"BPln"_s << u"pDate"_s << QString() << u"5.1.2010"_s << u"05.01.2010"_s << QString();
    QTest::newRow("organisation: kind cleared stays") << u"BPln"_s << u"VidDoc"_s << u"3"_s << QString() << u"3"_s << QString();
    QTest::newRow("organisation: kind 0 stays") << u"BPln"_s << u"VidDoc"_s << u"3"_s << u"0"_s << u"3"_s << QString();
    QTest::newRow("organisation: kind from ten characters") << u"BPln"_s << u"VidDoc"_s << u"3"_s << u"         9"_s << u"9"_s << QString();
    QTest::newRow("organisation: number past ten characters") << u"BPln"_s << u"VidDoc"_s << u"3"_s << u"          9"_s << u"3"_s << QString();
    QTest::newRow("organisation: no upper case but the currency") << u"BPln"_s << u"SEBRA"_s << QString() << u"абв"_s << u"абв"_s << QString();
    QTest::newRow("direct debit: payee BIC upper-cased") << u"Isk"_s << u"BICn"_s << QString() << bic << BIC << QString();
    QTest::newRow("consent: date trimmed") << u"SDD"_s << u"pDate"_s << QString() << u"  5 май  "_s << u"5 май"_s << QString();
    QTest::newRow("consent: limit as amount text") << u"SDD"_s << u"Razmer"_s << QString() << u"500,5"_s << u"500.50"_s << u"500.5"_s;
    QTest::newRow("consent: whole limit") << u"SDD"_s << u"Razmer"_s << QString() << u"1 200"_s << u"1200.00"_s << u"1200"_s;
    QTest::newRow("consent: no limit") << u"SDD"_s << u"Razmer"_s << u"12"_s << u"няма"_s << QString() << u"0"_s;
    QTest::newRow("deposit: date normalised") << u"Vnos"_s << u"pDate"_s << QString() << u"5.1.2010"_s << u"05.01.2010"_s << QString();
    QTest::newRow("deposit: no date") << u"Vnos"_s << u"pDate"_s << u"5.1.2010"_s << u"утре"_s << QString() << QString();
    QTest::newRow("receipt: currency upper-cased") << u"Raz"_s << u"valuta"_s << QString() << u"eur"_s << u"EUR"_s << QString();
    QTest::newRow("mass: BIC as typed") << u"Mass"_s << u"BICn"_s << QString() << bic << bic << QString();
    QTest::newRow("mass: client upper-cased") << u"Mass"_s << u"Nareditel"_s << QString() << u"фирма оод"_s << u"ФИРМА ООД"_s << QString();
    QTest::newRow("mass: date kept as text") << u"Mass"_s << u"pDate"_s << QString() << u"5/3/2025"_s << u"05.03.2025"_s << QString();
    QTest::newRow("mass: no date empties") << u"Mass"_s << u"pDate"_s << u"5/3/2025"_s << u"утре"_s << QString() << QString();
    QTest::newRow("mass: rows") << u"Mass"_s << u"rows"_s << u"4"_s << u" 12 "_s << u"12"_s << QString();
    QTest::newRow("mass: rows zero") << u"Mass"_s << u"rows"_s << u"4"_s << u"0"_s << QString() << QString();
    QTest::newRow("mass: rows not a number stays") << u"Mass"_s << u"rows"_s << u"4"_s << u"12 реда"_s << u"4"_s << QString();
    QTest::newRow("mass: rows cleared stays") << u"Mass"_s << u"rows"_s << u"4"_s << QString() << u"4"_s << QString();
    QTest::newRow("foreign: fee by the amount rule") << u"PlnM"_s << u"TAXsuma"_s << QString() << u"12,50"_s << u"12.50"_s << QString();
    QTest::newRow("foreign: fee currency upper-cased") << u"PlnM"_s << u"TAXvaluta"_s << QString() << u"eur"_s << u"EUR"_s << QString();
    QTest::newRow("foreign: beneficiary trimmed") << u"PlnM"_s << u"Poluchatel"_s << QString() << u"  ACME Ltd  "_s << u"ACME Ltd"_s << QString();
    QTest::newRow("foreign: two-line note") << u"PlnM"_s << u"Note"_s << QString() << u"ред едно\r\nред две\r\nтри  "_s << u"ред едно   ред две\r\nтри"_s << QString();
    QTest::newRow("foreign: note with a bare line feed") << u"PlnM"_s << u"Note"_s << QString() << u"ред\nдве"_s << u"ред   две"_s << QString();
    QTest::newRow("buy/sell: account upper-cased") << u"Buy"_s << u"IBAN21"_s << QString() << u"bg80bnbg96611020345678"_s << u"BG80BNBG96611020345678"_s << QString();
    QTest::newRow("buy/sell: currency as typed") << u"Buy"_s << u"Valuta0"_s << QString() << u"eur"_s << u"eur"_s << QString();
    QTest::newRow("buy/sell: sell side date") << u"Buy"_s << u"workDate1"_s << QString() << u"7-5-2010"_s << u"07.05.2010"_s << QString();
    QTest::newRow("cash receipt: number") << u"PKO"_s << u"PKOno"_s << QString() << u"15 бр."_s << u"15"_s << QString();
    QTest::newRow("cash receipt: depositor trimmed") << u"PKO"_s << u"Vnositel"_s << QString() << u"  Иван  "_s << u"Иван"_s << QString();
    QTest::newRow("cash order: payee trimmed") << u"RKO"_s << u"Poluchatel"_s << QString() << u"  Иван  "_s << u"Иван"_s << QString();
}

void TestKinds::rules()
{
    QFETCH(QString, id);
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    Fixture f(id);
    const FieldSpec &spec = specOf(f.flow.kind(), field);
    if (!before.isEmpty())
        f.flow.take(spec, before);
    f.flow.take(spec, typed);
    QCOMPARE(f.flow.display(spec), shown);
    if (!stored.isEmpty())
        QCOMPARE(f.rec().text(field).trimmed(), stored);
}

// Every field of both pages typed, saved, cleared by New, read back by Read
// and shown as before: the descriptor drives the whole workflow.
void TestKinds::roundTrip()
{
    QFETCH(QString, id);
    QFETCH(QString, findTitle);
    QFETCH(QString, deleteName);
    Fixture f(id);
    const KindDescriptor &k = f.flow.kind();
    const QList<FieldSpec> fields = allFields(k);
    QStringList shown;
    for (int i = 0; i < fields.size(); ++i) {
        const auto [typed, expected] = sampleFor(fields[i], i);
        f.flow.take(fields[i], typed);
        shown << f.flow.display(fields[i]);
        QCOMPARE(shown.last(), expected);
    }

    QVERIFY(f.flow.save());  // the first document, without a question
    QCOMPARE(f.rec().key(), 1);
    QVERIFY(f.ui.shown().isEmpty());
    f.ui.answer(true);
    QVERIFY(f.flow.newDocument());
    QCOMPARE(f.rec().key(), 0);
    for (const auto &[field, value] : k.newDefaults)
        QCOMPARE(f.rec().text(field).trimmed(), value);

    f.ui.answerSearch(SearchRequest{QString(), 0});
    f.ui.pickNumber(1);
    QVERIFY(f.flow.read());
    QCOMPARE(f.ui.lastList().caption, findTitle);
    QCOMPARE(f.session.searchKind, k.searchKind);
    QCOMPARE(f.rec().key(), 1);
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(f.flow.display(fields[i]), shown[i]);

    // The delete question names the kind; cancelled, it deletes nothing.
    f.ui.clear();
    f.ui.pickNumber(1);
    f.ui.answer(false);
    QVERIFY(!f.flow.remove());
    QCOMPARE(f.ui.texts(), (QStringList{findTitle, u"Изтрива: "_s + deleteName + u" No: 1"_s}));
    QVERIFY(f.session.store().table(k.tableDef())->find(1));
}

// The date button writes the submission date in the kind's form, and an
// undated copy into the reports base gets the working date in that form.
void TestKinds::dates()
{
    QFETCH(QString, id);
    QFETCH(QString, picked);
    QFETCH(QString, undated);
    Fixture f(id);
    const KindDescriptor &k = f.flow.kind();
    if (picked.isEmpty()) {
        QVERIFY(k.dateField.isEmpty());
    } else {
        f.ui.answerDate(QDate(2010, 5, 7));
        QVERIFY(f.flow.pickSubmissionDate());
        QCOMPARE(f.flow.display(specOf(k, k.dateField)), picked);
    }

    f.rec().clear();
    f.rec().setKey(7);
    if (undated.isEmpty()) {
        // The cash orders' button posts to the cash book: nothing copies them.
        if (!k.reportsCode)
            QVERIFY(!f.flow.copyToReports());
        return;
    }
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    const auto copy = f.session.store().table(*k.reportsTableDef())->find(1);
    QVERIFY(copy);
    QCOMPARE(DisplayText(*copy, k.dateField, FieldRule::Text), undated);
    QCOMPARE(f.rec().key(), 7);
}

QTEST_GUILESS_MAIN(TestKinds)
#include "tst_kinds.moc"
