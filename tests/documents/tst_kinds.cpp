#include "session/session.h"
#include "documents/account_replace.h"
#include "documents/workflow.h"
#include "store/schema.h"
#include "store/store.h"
#include "support/ibans.h"
#include "support/kind_fixture.h"
#include "support/samples.h"
#include "support/temp_store.h"

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

// One row per kind: its currency field, the submission date
// the date button writes for 07.05.2010, and the date an undated copy into
// the reports base gets.
void addKindRows()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("undated");
    QTest::addColumn<QStringList>("cleared");  // what New leaves in a field, as the forms want it
    const QString longDate = u"07 май 2010 г."_s, shortDate = u"07.05.2010"_s, today = u"05.03.2010"_s;
    const QString v = u"valuta"_s;
    const auto row = [](const char *id, const QString &currency, const QString &picked,
                        const QString &undated, const QStringList &cleared = {}) {
        QTest::newRow(id) << QString::fromLatin1(id) << currency << picked << undated << cleared;
    };
    row("PlnB", v, longDate, u"05 март 2010 г."_s);
    row("BPln", v, shortDate, today);
    // The fee's currency of a new credit transfer reads "0" on the form.
    row("Pln", v, longDate, today, {u"TAXvaluta=0"_s});
    row("Isk", v, longDate, today);
    row("Raz", v, shortDate, today);
    row("Vnos", v, shortDate, today);
    row("Mass", v, shortDate, {});
    row("SDD", {}, longDate, {}, {u"Razmer=0"_s});
    // The cash orders' button posts to the cash book instead of copying.
    // Their New keeps the firm and the person's papers, proposes the next
    // number from the (empty) cash book and dates the order today.
    const QStringList cashNew = {u"Firma=ж0"_s, u"Bulstat=ж1"_s, u"pDate="_s + today};
    row("PKO", {}, shortDate, {}, cashNew + QStringList{u"PKOno=1"_s});
    row("RKO", {}, shortDate, {},
        cashNew + QStringList{u"RKOno=1"_s, u"Adress=ж5"_s, u"Karta=ж6"_s, u"EGN=ж7"_s,
                              u"Predstavitel=ж8"_s, u"Palnomostno=ж9"_s});
    row("PlnB4", v, longDate, today);
    row("PlnM", v, longDate, today);
    row("Buy", {}, {}, {});
}

// The credit transfer order's workflow, its table seeded.
struct Pln : KindFixture {
    Pln() : KindFixture(u"Pln"_s) {}

    // Stores orders under the given numbers, each named after its number.
    void seed(const QList<int> &keys)
    {
        auto t = session.store().table(DbKind::Main, u"PlnTable"_s);
        Record r(t->def());
        for (int k : keys) {
            r.setKey(k);
            r.setText(u"Nareditel"_s, u"Наредител %1"_s.arg(k));
            r.setText(u"Poluchatel"_s, u"Получател %1"_s.arg(k));
            QVERIFY(t->save(r));
        }
    }
    QList<int> keys()
    {
        QList<int> out;
        for (const QString &k : rowsOn(dir.filePath(u"Remitor.MDB"_s), u"SELECT kod FROM PlnTable ORDER BY kod"_s))
            out << k.toInt();
        return out;
    }
};

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
    // What the credit transfer order shows of the workflow beyond the round trip.
    void openKeepsAStoredDocumentsCurrency();
    void saveOffers_data();
    void saveOffers();
    void deletedDocumentReturns();
    void navigation();
    void readFindsAndClearsTheReportsFlag();
    void copyToReports();
    void payeeFromTheContractors();
    void executionDate();
    void accountFillsItsBank_data();
    void accountFillsItsBank();
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
    row("organisation: kind from ten characters", u"BPln"_s, u"VidDoc"_s, u"3"_s, u"         9"_s, u"9"_s);
    row("organisation: number past ten characters", u"BPln"_s, u"VidDoc"_s, u"3"_s, u"          9"_s, u"3"_s);
    row("consent: limit as amount text", u"SDD"_s, u"Razmer"_s, {}, u"500,5"_s, u"500.50"_s, u"500.5"_s);
    row("consent: no limit", u"SDD"_s, u"Razmer"_s, u"12"_s, u"няма"_s, {}, u"0"_s);
    row("consent: a limit past twelve places shown whole", u"SDD"_s, u"Razmer"_s, {},
        u"1 000 000 000"_s, u"1000000000.00"_s, u"1000000000"_s);
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

// A kind's tables, then every field of both pages typed, saved, cleared by
// New, read back by Read and shown as before: the descriptor drives the
// whole workflow. Then the date button writes the submission date in the
// kind's form, and an undated copy into the reports base gets the working
// date in that form.
void TestKinds::eachKind()
{
    QFETCH(QString, id);
    QFETCH(QString, currency);
    QFETCH(QString, picked);
    QFETCH(QString, undated);
    QFETCH(QStringList, cleared);
    Fixture f(id);
    const KindDescriptor &k = f.flow.kind();
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
    for (const FieldSpec &entry : fields)
        if (!entry.total.isEmpty()) {
            items += f.rec().money(entry.name);
            shown[k.placeOf(entry.total)] = AmountDisplayText(items);
        }

    QVERIFY(f.flow.save());  // the first document, without a question
    QCOMPARE(f.rec().key(), 1);
    QVERIFY(f.ui.shown().isEmpty());
    if (!k.renew)
        f.ui.answer(true);
    QVERIFY(f.flow.newDocument());
    QCOMPARE(f.rec().key(), 0);
    QStringList left;
    for (const FieldSpec &entry : fields)
        if (const QString text = f.rec().def().field(entry.name)->type == FieldType::Text
                                     ? f.rec().text(entry.name).trimmed() : f.flow.display(entry);
            !text.isEmpty())
            left << entry.name + u'=' + text;
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

    // The delete question names the kind; cancelled, it deletes nothing and
    // leaves the document on screen (here a new one) as it was.
    f.ui.clear();
    f.ui.pickNumber(1);
    f.ui.answer(false);
    f.rec().setKey(0);
    const Record typed = f.rec();
    QVERIFY(!f.flow.remove());
    QCOMPARE(f.ui.texts(), (QStringList{k.title, u"Изтрива: "_s + k.deleteName() + u" No: 1"_s}));
    QVERIFY(f.session.store().table(k.tableDef())->find(1));
    QVERIFY(f.rec() == typed);

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

// A new document opens in the national currency; a stored one keeps its own.
void TestKinds::openKeepsAStoredDocumentsCurrency()
{
    Pln f;
    f.rec().setKey(12);
    f.rec().setText(u"valuta"_s, u"BGN"_s);
    f.flow.open();
    QCOMPARE(f.rec().text(u"valuta"_s), u"BGN"_s);
    f.session.nationalCurrency = u"BGN"_s;
    f.rec().setKey(0);
    f.rec().setText(u"valuta"_s, u"USD"_s);
    f.flow.open();
    QCOMPARE(f.rec().text(u"valuta"_s), u"BGN"_s);
}

void TestKinds::saveOffers_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("shown");       // the record's number
    QTest::addColumn<int>("answer");      // SaveChoice::Result
    QTest::addColumn<bool>("overwrite");  // the overwrite button offered
    QTest::addColumn<QString>("newCaption");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<int>("key");
    QTest::newRow("new on 1 2: only Нов запис 3")
        << QList<int>{1, 2} << 0 << int(SaveChoice::New) << false << u"Нов запис 3"_s
        << QList<int>{1, 2, 3} << 3;
    QTest::newRow("document 5 of 1..5: 5 and 6, overwrite")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::Overwrite) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5} << 5;
    QTest::newRow("document 5 of 1..5: 5 and 6, new")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::New) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5, 6} << 6;
    QTest::newRow("deleted 3 returns under 3")
        << QList<int>{1, 2, 4} << 3 << int(SaveChoice::New) << false << u"Нов запис 3"_s
        << QList<int>{1, 2, 3, 4} << 3;
    QTest::newRow("cancel stores nothing")
        << QList<int>{1, 2, 3, 4, 5} << 5 << int(SaveChoice::Cancel) << true << u"Нов запис 6"_s
        << QList<int>{1, 2, 3, 4, 5} << 5;
}

void TestKinds::saveOffers()
{
    QFETCH(QList<int>, stored);
    QFETCH(int, shown);
    QFETCH(int, answer);
    QFETCH(bool, overwrite);
    QFETCH(QString, newCaption);
    QFETCH(QList<int>, after);
    QFETCH(int, key);
    Pln f;
    f.seed(stored);
    f.rec().setKey(shown);
    f.rec().setText(u"Nareditel"_s, u"Записан"_s);
    f.ui.answerSave(SaveChoice::Result(answer));
    const bool saved = answer != int(SaveChoice::Cancel);
    QCOMPARE(f.flow.save(), saved);
    QCOMPARE(f.ui.shown().size(), 1);
    QCOMPARE(f.ui.lastSave().showOverwrite, overwrite);
    QCOMPARE(f.ui.lastSave().newCaption, newCaption);
    if (overwrite)
        QCOMPARE(f.ui.lastSave().overwriteCaption, u"Презапис 5"_s);
    QVERIFY(!f.ui.lastSave().forReports);
    QCOMPARE(f.keys(), after);
    QCOMPARE(f.rec().key(), key);
    QCOMPARE(f.session.store().table(DbKind::Main, u"PlnTable"_s)->find(key)->text(u"Nareditel"_s).trimmed(),
             saved ? u"Записан"_s : u"Наредител %1"_s.arg(key));
}

void TestKinds::deletedDocumentReturns()
{
    Pln f;
    f.seed({1, 2, 3});
    f.ui.pickNumber(2);
    f.ui.answer(true);
    QVERIFY(f.flow.remove());
    QCOMPARE(f.ui.lastList().lines.size(), 3);  // every document listed
    QCOMPARE(f.ui.texts().last(), u"Платежно нареждане за кредитен превод No: 2 е изтрито.\n"
                                  "Данните са на екрана.\nМожете да го запишете отново."_s);
    QCOMPARE(f.keys(), (QList<int>{1, 3}));
    QCOMPARE(f.rec().key(), 2);  // still on screen
    QCOMPARE(f.rec().text(u"Nareditel"_s).trimmed(), u"Наредител 2"_s);
}

// An empty record starts at the first document either way; the table's own
// edges are the store's.
void TestKinds::navigation()
{
    Pln f;
    f.seed({2, 5, 9});
    f.flow.previous();
    QCOMPARE(f.rec().key(), 2);
    f.flow.next();
    QCOMPARE(f.rec().key(), 5);
    f.flow.previous();
    QCOMPARE(f.rec().key(), 2);
    f.rec().setKey(0);
    f.flow.next();
    QCOMPARE(f.rec().key(), 2);
}

void TestKinds::readFindsAndClearsTheReportsFlag()
{
    Pln f;
    f.seed({1, 2, 3});
    f.session.lastSearchText = u"старо"_s;
    f.rec().setKey(3);
    f.flow.state().fromReports = true;
    f.ui.answerSearch(SearchRequest{u"лучател 2"_s, 1});
    f.ui.pickNumber(2);
    QVERIFY(f.flow.read());
    QCOMPARE(f.ui.lastSearchDefault(), u"старо"_s);
    QCOMPARE(f.ui.lastList().lines.size(), 1);
    QCOMPARE(f.rec().key(), 2);
    QVERIFY(!f.flow.state().fromReports);
    QCOMPARE(f.session.lastSearchText, u"лучател 2"_s);
    QCOMPARE(f.session.currentSearchText, QString());
    // A search that is not started reads nothing.
    f.ui.answerSearch(std::nullopt);
    QVERIFY(!f.flow.read());
    QCOMPARE(f.rec().key(), 2);
}

void TestKinds::copyToReports()
{
    Pln f;
    f.rec().setKey(7);
    f.rec().setMoney(u"suma"_s, Money::fromUnits(10, 50));
    f.rec().setText(u"TAXvaluta"_s, u"BGN"_s);
    f.rec().setMoney(u"TAXsuma"_s, Money::fromUnits(2));
    const QString spr = f.dir.filePath(u"SprDocs.MDB"_s);
    f.ui.answerSave(SaveChoice::Cancel);
    QVERIFY(!f.flow.copyToReports());
    QCOMPARE(queryOn(spr, u"SELECT count(*) FROM PlnTable"_s), u"0"_s);
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    QVERIFY(f.ui.lastSave().forReports);
    QVERIFY(!f.ui.lastSave().showOverwrite);
    QCOMPARE(f.ui.lastSave().newCaption, u"Нов запис1"_s);
    // The editor still shows its document: number 7, no date.
    QCOMPARE(f.rec().key(), 7);
    QCOMPARE(f.rec().text(u"pDate"_s).trimmed(), QString());
    QCOMPARE(rowsOn(spr, u"SELECT Kod, pDate, suma, TAXsuma FROM PlnTable"_s),
             QStringList{u"1|05.03.2010|105000|20000"_s});
    // The next copy takes the next free number of the reports base; a dated
    // document keeps its date.
    f.rec().setText(u"pDate"_s, u"01 март 2010 г."_s);
    f.ui.answerSave(SaveChoice::New);
    QVERIFY(f.flow.copyToReports());
    QCOMPARE(queryOn(spr, u"SELECT pDate FROM PlnTable WHERE Kod = 2"_s), u"01 март 2010 г."_s);
}

// "false" lists every contractor; a cancelled question lists none.
void TestKinds::payeeFromTheContractors()
{
    Pln f;
    {
        auto t = f.session.store().table(DbKind::Main, u"KlientTable"_s);
        Record k(t->def());
        k.setKey(4);
        k.setText(u"KlIme"_s, u"Топлофикация Габрово ЕАД"_s);
        k.setText(u"IBAN"_s, u"BG80BNBG96611020345678"_s);
        k.setText(u"BankIme"_s, u"Българска народна банка, централно управление, София"_s);
        QVERIFY(t->save(k));
        k.setKey(5);
        QVERIFY(t->save(k));
    }
    f.ui.answerInput(u"топло"_s);
    f.ui.pickNumber(4);
    QVERIFY(f.flow.pickPayee());
    QCOMPARE(f.ui.lastList().caption, u"Контрагенти"_s);
    QCOMPARE(f.rec().text(u"Poluchatel"_s).trimmed(), u"Топлофикация Габрово ЕАД"_s);
    QCOMPARE(f.rec().text(u"Bankap"_s).trimmed(), u"Българска народна банка, централно управление, София"_s);
    QCOMPARE(f.rec().text(u"IBANp"_s), u"BG80BNBG96611020345678"_s);
    QCOMPARE(f.rec().text(u"Nareditel"_s).trimmed(), QString());
    QCOMPARE(f.session.lastSearchText, u"топло"_s);
    f.ui.clear();
    f.ui.answerInput(u"false"_s);
    f.ui.pickNumber(0);
    QVERIFY(!f.flow.pickPayee());
    QCOMPARE(f.ui.lastList().lines.size(), 2);
    QCOMPARE(f.session.lastSearchText, u"топло"_s);
    f.ui.clear();
    f.ui.answerInput(std::nullopt);
    QVERIFY(!f.flow.pickPayee());
    QCOMPARE(f.ui.shown().size(), 1);
}

// The date buttons open on the last date picked; cancelled, they change nothing.
void TestKinds::executionDate()
{
    Pln f;
    f.ui.answerDate(QDate(2010, 5, 7));
    QVERIFY(f.flow.pickSubmissionDate());
    QCOMPARE(f.ui.lastDateShown(), QDate(2010, 3, 5));
    f.ui.answerDate(QDate(2010, 5, 10));
    QVERIFY(f.flow.pickExecutionDate());
    QCOMPARE(f.ui.lastDateShown(), QDate(2010, 5, 7));
    QCOMPARE(f.rec().date(u"workDate"_s), QDate(2010, 5, 10));
    f.ui.answerDate(std::nullopt);
    QVERIFY(!f.flow.pickExecutionDate());
    QCOMPARE(f.rec().date(u"workDate"_s), QDate(2010, 5, 10));
}

// A payee's account left with the BIC and bank beside it as the user left
// them: what they hold afterwards, and what the user was told.
void TestKinds::accountFillsItsBank_data()
{
    QTest::addColumn<QString>("code");  // the bank code of the payee's account
    QTest::addColumn<QString>("bic");
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QString>("bicAfter");
    QTest::addColumn<QString>("bankAfter");
    QTest::addColumn<int>("told");
    QTest::newRow("empty: filled") << u"UNCR"_s << QString() << QString() << u"UNCRBGSF"_s
                                   << u"УниКредит Булбанк АД"_s << 0;
    QTest::newRow("BIC of another bank: told, kept") << u"STSA"_s << u"UNCRBGSF"_s << QString()
                                                     << u"UNCRBGSF"_s << QString() << 1;
}

void TestKinds::accountFillsItsBank()
{
    QFETCH(QString, code);
    QFETCH(QString, bic);
    QFETCH(QString, bank);
    QFETCH(QString, bicAfter);
    QFETCH(QString, bankAfter);
    QFETCH(int, told);
    Pln f;
    f.rec().setText(u"IBANp"_s, ValidIban(code));
    f.rec().setText(u"BICp"_s, bic);
    f.rec().setText(u"Bankap"_s, bank);
    f.flow.accountLeft(*f.flow.kind().fieldSpec(u"IBANp"_s));
    QCOMPARE(f.rec().text(u"BICp"_s).trimmed(), bicAfter);
    QCOMPARE(f.rec().text(u"Bankap"_s).trimmed(), bankAfter);
    QCOMPARE(f.ui.shown().size(), told);
    // Left again unchanged, the account says nothing more.
    f.flow.accountLeft(*f.flow.kind().fieldSpec(u"IBANp"_s));
    QCOMPARE(f.ui.shown().size(), told);
}

QTEST_GUILESS_MAIN(TestKinds)
#include "tst_kinds.moc"
