#include "session/session.h"
#include "documents/account_replace.h"
#include "documents/workflow.h"
#include "store/schema.h"
#include "store/store.h"
#include "support/kind_fixture.h"
#include "support/samples.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

using Fixture = KindFixture;

QList<FieldSpec> allFields(const KindDescriptor &k) { return k.entryOrder + k.secondPage; }

// The field of either page of a kind, by name.
const FieldSpec &specOf(const KindDescriptor &k, const QString &name)
{
    for (const QList<FieldSpec> *page : {&k.entryOrder, &k.secondPage})
        for (const FieldSpec &f : *page)
            if (f.name.compare(name, Qt::CaseInsensitive) == 0)
                return f;
    qFatal("%s has no field %s", qPrintable(k.id), qPrintable(name));
}

// The one field type each commit rule is written for. The consent keeps its
// amount limit and the mass payment order its date as text, so those two
// rules go with text fields.
FieldType typeOfRule(FieldRule rule)
{
    switch (rule) {
    case FieldRule::Amount: return FieldType::Money;
    case FieldRule::Date: return FieldType::Date;
    case FieldRule::WholeNumber:
    case FieldRule::NonZeroWholeNumber:
    case FieldRule::StrictWholeNumber: return FieldType::Int16;
    default: return FieldType::Text;
    }
}

// One row per kind: its numbers, its currency field, the submission date
// the date button writes for 07.05.2010, and the date an undated copy into
// the reports base gets.
void addKindRows()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QList<int>>("numbers");  // kind number, search kind, reports code, F2 kind code
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("undated");
    QTest::addColumn<QStringList>("cleared");  // what New leaves in a field, as the forms want it
    const QString longDate = u"07 май 2010 г."_s, shortDate = u"07.05.2010"_s, today = u"05.03.2010"_s;
    const QString v = u"valuta"_s;
    const auto row = [](const char *id, QList<int> numbers, const QString &currency, const QString &picked,
                        const QString &undated, const QStringList &cleared = {}) {
        QTest::newRow(id) << QString::fromLatin1(id) << numbers << currency << picked << undated << cleared;
    };
    row("PlnB", {2, 1, 2, 1}, v, longDate, u"05 март 2010 г."_s);
    row("BPln", {3, 2, 3, 3}, v, shortDate, today);
    // The fee's currency of a new credit transfer reads "0" on the form.
    row("Pln", {4, 3, 4, 4}, v, longDate, today, {u"TAXvaluta=0"_s});
    row("Isk", {5, 4, 5, 5}, v, longDate, today);
    row("Raz", {6, 6, 6, 7}, v, shortDate, today);
    row("Vnos", {7, 5, 7, 6}, v, shortDate, today);
    row("Mass", {9, 9, 0, 0}, v, shortDate, {});
    row("SDD", {10, 10, 0, 0}, {}, longDate, {}, {u"Razmer=0"_s});
    // The cash orders' button posts to the cash book instead of copying.
    // Their New keeps the firm and the person's papers, proposes the next
    // number from the (empty) cash book and dates the order today.
    const QStringList cashNew = {u"Firma=ж0"_s, u"Bulstat=ж1"_s, u"pDate="_s + today};
    row("PKO", {11, 11, 11, 0}, {}, shortDate, {}, cashNew + QStringList{u"PKOno=1"_s});
    row("RKO", {12, 12, 12, 0}, {}, shortDate, {},
        cashNew + QStringList{u"RKOno=1"_s, u"Adress=ж5"_s, u"Karta=ж6"_s, u"EGN=ж7"_s,
                              u"Predstavitel=ж8"_s, u"Palnomostno=ж9"_s});
    row("PlnB4", {13, 13, 13, 2}, v, longDate, today);
    row("PlnM", {14, 35, 8, 8}, v, longDate, today);
    row("Buy", {15, 36, 0, 0}, {}, {}, {});
}

}  // namespace

class TestKinds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyKindOnce();
    void layout_data();
    void layout();
    void rules_data();
    void rules();
    void eachKind_data() { addKindRows(); }
    void eachKind();
};

void TestKinds::everyKindOnce()
{
    QSet<int> reportCodes;
    for (const KindDescriptor &k : documentKinds()) {
        if (k.reportsCode)
            reportCodes << k.reportsCode;
        QCOMPARE(kindByTable(k.table), &k);
    }
    QCOMPARE(documentKinds().size(), qsizetype(13));
    // Every table of the reports base belongs to one kind.
    QCOMPARE(reportCodes.size(), reportsTables().size());
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
    QSet<QString> seen, widgets;
    for (const FieldSpec &f : allFields(k)) {
        const FieldDef *d = def.field(f.name);
        QVERIFY2(d, qPrintable(f.name));
        QVERIFY2(!seen.contains(f.name.toLower()), qPrintable(f.name + u" twice"_s));
        seen << f.name.toLower();
        QVERIFY2(!widgets.contains(f.objectName()), qPrintable(f.objectName()));
        widgets << f.objectName();
        QVERIFY2(f.name.compare(def.keyField, Qt::CaseInsensitive) != 0, "the number is no entry field");
        const FieldType have = d->type == FieldType::Int32 ? FieldType::Int16 : d->type;
        QVERIFY2(have == typeOfRule(f.rule), qPrintable(f.name + u": rule for another type"_s));
        // Accounts are the fields named so, and each F2 reaches the field it is pressed in.
        QCOMPARE(IsAccountRule(f.rule), f.name.startsWith(u"IBAN"_s, Qt::CaseInsensitive));
        if (IsAccountRule(f.rule) && k.replaceKindCode != 0)
            QVERIFY2(!f.ibanCode.isEmpty(), qPrintable(f.name + u": F2 reaches no account"_s));
        // The BIC and bank an account fills are fields the user sees.
        for (const QString &beside : {f.bicField, f.bankField})
            QVERIFY2(beside.isEmpty() || (IsAccountRule(f.rule) && k.placeOf(beside) >= 0),
                     qPrintable(beside));
        if (f.ibanCode.isEmpty())
            continue;
        QVERIFY2(k.placeOf(f.name) >= 0, "F2 works on the first page");
        const auto target = ReplaceTargetFor(k.replaceKindCode, f.ibanCode.toInt());
        QVERIFY2(target, qPrintable(f.name + u" code "_s + f.ibanCode));
        QCOMPARE(target->field.toLower(), f.name.toLower());
        QCOMPARE(target->table, k.table);  // never the documents of another kind
        QCOMPARE(target->ibanRule, IsAccountRule(f.rule));
        QCOMPARE(target->foreign, f.rule == FieldRule::ForeignIban);
    }
    // Every field the replacement writes for this kind has an F2 of its own.
    for (int code = 1; code <= 6; ++code)
        if (const auto target = ReplaceTargetFor(k.replaceKindCode, code); target && k.replaceKindCode) {
            const int place = k.placeOf(target->field);
            QVERIFY2(place >= 0 && !k.entryOrder[place].ibanCode.isEmpty(), qPrintable(target->field));
        }

    const TableDef &klient = tableDef(DbKind::Main, u"KlientTable"_s);
    for (const QList<FieldCopy> *side : {&k.payee, &k.payer}) {
        QSet<QString> to;
        for (const FieldCopy &c : *side) {
            QVERIFY2(klient.field(c.from) && (c.also.isEmpty() || klient.field(c.also)),
                     qPrintable(c.from));
            QVERIFY2(def.field(c.to) && def.field(c.to)->type == FieldType::Text, qPrintable(c.to));
            QVERIFY2(!to.contains(c.to.toLower()), qPrintable(c.to));
            to << c.to.toLower();
            QVERIFY2(k.placeOf(c.to) >= 0, qPrintable(c.to + u" is not shown"_s));
        }
    }
    for (const auto &[field, value] : k.newDefaults)
        QVERIFY2(def.field(field), qPrintable(field));

    // The fields the workflow and the editor name directly.
    QCOMPARE(k.dateField.isEmpty(), k.dateStyle == KindDescriptor::DateStyle::None);
    if (!k.workDateField.isEmpty()) {
        QVERIFY(k.placeOf(k.workDateField) >= 0);
        QCOMPARE(def.field(k.workDateField)->type, FieldType::Date);
    }
    QVERIFY(k.placeOf(k.amountField) >= 0);
    const FieldRule amountRule = k.entryOrder[k.placeOf(k.amountField)].rule;
    QVERIFY(amountRule == FieldRule::Amount || amountRule == FieldRule::AmountText);
}

// The commit and display rules that only some kinds use, through each
// kind's own descriptor: the field typed `before` and then `typed` shows
// `shown`, and the record holds `stored` where given.
void TestKinds::rules_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    const auto row = [](const char *name, const QString &id, const QString &field, const QString &before,
                        const QString &typed, const QString &shown, const QString &stored = {}) {
        QTest::newRow(name) << id << field << before << typed << shown << stored;
    };
    // The amount: decimal comma, blanks, rounded to the stotinka; none below it.
    row("amount with blanks and comma", u"Pln"_s, u"suma"_s, {}, u" 1 234,565 "_s, u"1234.57"_s);
    row("amount: half a stotinka", u"Pln"_s, u"suma"_s, {}, u"0,005"_s, u"0.01"_s);
    row("amount: zero is empty", u"Pln"_s, u"suma"_s, u"5"_s, u"0"_s, {});
    row("charges: the leading number", u"Pln"_s, u"tax"_s, {}, u"2 споделена"_s, u"2"_s);
    row("no such date is empty", u"Pln"_s, u"workDate"_s, u"5/3/2010"_s, u"31.02.2010"_s, {});
    row("long text keeps leading blanks", u"Pln"_s, u"Osnovanie"_s, {}, u"   Фактура 12  "_s,
        u"   Фактура 12"_s);
    row("budget: payee code keeps leading blanks", u"PlnB"_s, u"PayTypep"_s, {}, u"  4411  "_s, u"  4411"_s);
    row("organisation: kind 0 stays", u"BPln"_s, u"VidDoc"_s, u"3"_s, u"0"_s, u"3"_s);
    row("organisation: kind from ten characters", u"BPln"_s, u"VidDoc"_s, u"3"_s, u"         9"_s, u"9"_s);
    row("organisation: number past ten characters", u"BPln"_s, u"VidDoc"_s, u"3"_s, u"          9"_s, u"3"_s);
    row("consent: limit as amount text", u"SDD"_s, u"Razmer"_s, {}, u"500,5"_s, u"500.50"_s, u"500.5"_s);
    row("consent: no limit", u"SDD"_s, u"Razmer"_s, u"12"_s, u"няма"_s, {}, u"0"_s);
    row("mass: date kept as text", u"Mass"_s, u"pDate"_s, {}, u"5/3/2025"_s, u"05.03.2025"_s);
    row("mass: no date empties", u"Mass"_s, u"pDate"_s, u"5/3/2025"_s, u"утре"_s, {});
    row("mass: rows", u"Mass"_s, u"rows"_s, u"4"_s, u" 12 "_s, u"12"_s);
    row("mass: rows not a number stays", u"Mass"_s, u"rows"_s, u"4"_s, u"12 реда"_s, u"4"_s);
    row("foreign: fee by the amount rule", u"PlnM"_s, u"TAXsuma"_s, {}, u"12,50"_s, u"12.50"_s);
    row("foreign: two-line note", u"PlnM"_s, u"Note"_s, {}, u"ред едно\r\nред две\r\nтри  "_s,
        u"ред едно   ред две\r\nтри"_s);
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
    const FieldSpec &entry = specOf(f.flow.kind(), field);
    if (!before.isEmpty())
        f.flow.take(entry, before);
    f.flow.take(entry, typed);
    QCOMPARE(f.flow.display(entry), shown);
    if (!stored.isEmpty())
        QCOMPARE(f.rec().text(field).trimmed(), stored);
}

// A kind's numbers, then every field of both pages typed, saved, cleared by
// New, read back by Read and shown as before: the descriptor drives the
// whole workflow. Then the date button writes the submission date in the
// kind's form, and an undated copy into the reports base gets the working
// date in that form.
void TestKinds::eachKind()
{
    QFETCH(QString, id);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, currency);
    QFETCH(QString, picked);
    QFETCH(QString, undated);
    QFETCH(QStringList, cleared);
    Fixture f(id);
    const KindDescriptor &k = f.flow.kind();
    QCOMPARE((QList<int>{k.kindNumber, k.searchKind, k.reportsCode, k.replaceKindCode}), numbers);
    QCOMPARE(k.currencyField, currency);
    // The store numbers its tables the same way.
    QVERIFY(mainTableForKind(k.kindNumber));
    QCOMPARE(mainTableForKind(k.kindNumber)->name, k.table);
    if (k.reportsCode) {
        QVERIFY(reportsTableForKind(k.reportsCode));
        QCOMPARE(reportsTableForKind(k.reportsCode)->name, k.table);
    } else {
        QVERIFY(!findTable(DbKind::Reports, k.table));
    }
    f.flow.open();
    if (!currency.isEmpty())
        QCOMPARE(f.rec().text(currency), u"EUR"_s);
    else if (!k.opening)
        QVERIFY(f.rec() == Record(k.tableDef()));  // opening changes nothing

    const QList<FieldSpec> fields = allFields(k);
    QStringList shown;
    for (int i = 0; i < fields.size(); ++i) {
        const auto [typed, expected] = sampleFor(fields[i], i);
        f.flow.take(fields[i], typed);
        shown << f.flow.display(fields[i]);
        QCOMPARE(shown.last(), expected);
    }
    // A total typed before its items follows them once they are taken.
    Money items;
    for (const FieldSpec &spec : fields)
        if (!spec.total.isEmpty()) {
            items += f.rec().money(spec.name);
            shown[k.placeOf(spec.total)] = AmountDisplayText(items);
        }

    QVERIFY(f.flow.save());  // the first document, without a question
    QCOMPARE(f.rec().key(), 1);
    QVERIFY(f.ui.shown().isEmpty());
    if (!k.renew)
        f.ui.answer(true);
    QVERIFY(f.flow.newDocument());
    QCOMPARE(f.rec().key(), 0);
    QStringList left;
    for (const FieldSpec &spec : fields)
        if (const QString text = f.rec().def().field(spec.name)->type == FieldType::Text
                                     ? f.rec().text(spec.name).trimmed() : f.flow.display(spec);
            !text.isEmpty())
            left << spec.name + u'=' + text;
    if (!currency.isEmpty())
        cleared << currency + u"=EUR"_s;  // a new document is paid in euro
    left.sort();
    cleared.sort();
    QCOMPARE(left, cleared);

    if (k.readByName >= 0)
        f.ui.answerInput(u"ж4"_s);  // the other party, the fifth field of both cash orders
    else
        f.ui.answerSearch(SearchRequest{QString(), 0});
    f.ui.pickNumber(1);
    QVERIFY(f.flow.read());
    QCOMPARE(f.ui.lastList().caption, k.readTitle.isEmpty() ? k.title : k.readTitle);
    QCOMPARE(f.session.searchKind, k.searchKind);
    QCOMPARE(f.rec().key(), 1);
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(f.flow.display(fields[i]), shown[i]);

    // The delete question names the kind; cancelled, it deletes nothing.
    f.ui.clear();
    f.ui.pickNumber(1);
    f.ui.answer(false);
    QVERIFY(!f.flow.remove());
    QCOMPARE(f.ui.texts(), (QStringList{k.title, u"Изтрива: "_s + k.deleteName() + u" No: 1"_s}));
    QVERIFY(f.session.store().table(k.tableDef())->find(1));

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
        // Nothing copies a kind without a reports table.
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
