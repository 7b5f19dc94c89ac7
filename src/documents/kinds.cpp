#include "kinds.h"

#include "cash/cash_orders.h"
#include "rules/field_rules.h"
#include "store/schema.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

const TableDef &KindDescriptor::tableDef() const
{
    return remitor::tableDef(DbKind::Main, table);
}

const TableDef *KindDescriptor::reportsTableDef() const
{
    return reportsCode ? reportsTableForKind(reportsCode) : nullptr;
}

int KindDescriptor::placeOf(const QString &field) const
{
    for (int i = 0; i < entryOrder.size(); ++i)
        if (entryOrder[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const FieldSpec *KindDescriptor::fieldSpec(const QString &field) const
{
    for (const QList<FieldSpec> *page : {&entryOrder, &secondPage})
        for (const FieldSpec &f : *page)
            if (f.name.compare(field, Qt::CaseInsensitive) == 0)
                return &f;
    return nullptr;
}

PrintSubject KindDescriptor::printSubject() const
{
    PrintSubject s;
    s.title = title;
    for (const FieldSpec &f : entryOrder)
        if (f.rule == FieldRule::Iban)
            s.ibanFields << f.name;
    s.currencyField = currencyField;
    s.check = check;
    s.ruleOf = [this](const QString &field) {
        const FieldSpec *f = fieldSpec(field);
        return f ? f->rule : FieldRule::Text;
    };
    return s;
}

QList<AmountField> KindDescriptor::amountFields() const
{
    const QString currency = currencyField.isEmpty() ? sideCurrencyField : currencyField;
    return currency.isEmpty() ? QList<AmountField>() : AmountFieldsOf(tableDef(), currency);
}

namespace {

QList<FieldSpec> fields(std::initializer_list<std::pair<const char *, FieldRule>> list)
{
    QList<FieldSpec> out;
    for (const auto &[name, rule] : list) {
        FieldSpec f;
        f.name = QLatin1StringView(name);
        f.rule = rule;
        out.append(f);
    }
    return out;
}

QList<FieldCopy> copies(std::initializer_list<std::pair<const char *, const char *>> list)
{
    QList<FieldCopy> out;
    for (const auto &[from, to] : list)
        out.append({QLatin1StringView(from), QLatin1StringView(to)});
    return out;
}

FieldSpec &fieldOf(QList<FieldSpec> &list, const char *name)
{
    for (FieldSpec &f : list)
        if (f.name == QLatin1StringView(name))
            return f;
    qFatal("no field %s in the entry order", name);
}

// The field code F2 hands to the account replacement from that field.
void markIban(KindDescriptor &k, const char *field, const char *code)
{
    fieldOf(k.entryOrder, field).ibanCode = QLatin1StringView(code);
}

// The BIC and bank-name fields that go with an account; either may be "".
void bankOf(KindDescriptor &k, const char *iban, const char *bic, const char *bank)
{
    FieldSpec &f = fieldOf(k.entryOrder, iban);
    f.bicField = QLatin1StringView(bic);
    f.bankField = QLatin1StringView(bank);
}

KindDescriptor base(const char *id, const char *table, int kindNumber, int searchKind,
                    int reportsCode, const char *editor, const QString &title)
{
    KindDescriptor k;
    k.id = QLatin1StringView(id);
    k.table = QLatin1StringView(table);
    k.kindNumber = kindNumber;
    k.searchKind = searchKind;
    k.reportsCode = reportsCode;
    k.editor = QLatin1StringView(editor);
    k.title = title;
    k.captionTitle = title + u' ';
    return k;
}

using R = FieldRule;
using Style = KindDescriptor::DateStyle;

// The slips are feminine: "бележка", "разписка".
const QString kDeletedFeminine =
    u" е изтрита.\nДанните са на екрана.\nМожете да я запишете отново."_s;

// The statistics page of the transfers between local and foreign persons,
// the same on the credit transfer and the direct debit order.
QList<FieldSpec> foreignPersonsPage()
{
    return fields({{"countryN", R::Trimmed}, {"countryP", R::Trimmed},
                   {"adressN", R::Trimmed},  {"adressP", R::Trimmed},
                   {"Note", R::RightTrimmed}, {"BNBno", R::Trimmed}});
}

KindDescriptor creditTransfer()
{
    KindDescriptor k = base("Pln", "PlnTable", 4, 3, 4, "frmPln",
                            u"Платежно нареждане за кредитен превод"_s);
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::FreeText;
    k.workDateField = u"workDate"_s;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},     {"Clon", R::Text},
                           {"Adress", R::Text},      {"Grad", R::Text},
                           {"pDate", R::Text},       {"Poluchatel", R::Text},
                           {"IBANp", R::Iban},       {"BICp", R::Upper},
                           {"Bankap", R::Text},      {"valuta", R::Upper},
                           {"suma", R::Amount},      {"Osnovanie", R::Text},
                           {"poiasnenia", R::Text},  {"Nareditel", R::Text},
                           {"IBANn", R::Iban},       {"BICn", R::Upper},
                           {"PaySystem", R::Text},   {"tax", R::WholeNumber},
                           {"workDate", R::Date},    {"TAXvaluta", R::Text},
                           {"TAXsuma", R::Amount}});
    markIban(k, "IBANp", "1");
    markIban(k, "IBANn", "2");
    // The payer's bank is the bank the order is handed to.
    bankOf(k, "IBANp", "BICp", "Bankap");
    bankOf(k, "IBANn", "BICn", "DoBanka");
    k.secondPage = foreignPersonsPage();
    k.payee = {{u"KlIme"_s, u"Poluchatel"_s}, {u"IBAN"_s, u"IBANp"_s},
               {u"BIC"_s, u"BICp"_s},         {u"BankIme"_s, u"Bankap"_s}};
    k.payer = {{u"KlIme"_s, u"Nareditel"_s}, {u"BankIme"_s, u"DoBanka"_s},
               {u"bgrad"_s, u"Clon"_s},      {u"bstreet"_s, u"Adress"_s},
               {u"IBAN"_s, u"IBANn"_s},      {u"BIC"_s, u"BICn"_s}};
    k.replaceKindCode = 4;
    k.newDefaults = {{u"TAXvaluta"_s, u"0"_s}};
    return k;
}

// The accounts of the orders to and from the budget, and the slips'
// amounts, turn light green once left; the budget organisation's account
// light violet.
constexpr quint32 LightGreen = 0xE2FFE2;
constexpr quint32 LightViolet = 0xEFD2EF;

// The background a field takes once left.
void leftColour(KindDescriptor &k, std::initializer_list<const char *> names, quint32 colour)
{
    for (const char *name : names)
        fieldOf(k.entryOrder, name).leftColour = colour;
}

// The four-item order's total must be the sum of its items.
QString fourItemsAddUp(const Record &r)
{
    Money sum;
    for (const char *item : {"suma1", "suma2", "suma3", "suma4"})
        sum += r.money(QLatin1StringView(item));
    return r.money(u"suma"_s) == sum ? QString()
                                     : u"Общата сума не е равна на сбора от останалите суми."_s;
}

// The payment order to or from the budget. Its bank, payer and liable
// person show trimmed on both sides although they are wide; its payee code
// keeps the blanks typed in front.
KindDescriptor budgetOrder()
{
    KindDescriptor k = base("PlnB", "PlnBTable", 2, 1, 2, "frmPlnB",
                            u"Платежно Нареждане от/към Бюджета"_s);
    k.captionTitle = u"Платежно нареждане за плащане от/към бюджета "_s;
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::LongText;
    k.workDateField = u"workDate"_s;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},      {"Clon", R::Text},
                           {"Adress", R::Text},       {"RegNo", R::Text},
                           {"pDate", R::Text},        {"Poluchatel", R::Text},
                           {"IBANp", R::Iban},        {"BICp", R::Upper},
                           {"Bankap", R::Trimmed},    {"PayTypep", R::RightTrimmed},
                           {"valuta", R::Upper},      {"suma", R::Amount},
                           {"Osnovanie", R::Text},    {"poiasnenia", R::Text},
                           {"VidDoc", R::WholeNumber}, {"DocNum", R::Text},
                           {"DocDate", R::Date},      {"period1", R::Date},
                           {"period2", R::Date},      {"uridic", R::Trimmed},
                           {"Bulstat", R::Text},      {"EGN", R::Text},
                           {"LNC", R::Text},          {"Nareditel", R::Trimmed},
                           {"IBANn", R::Iban},        {"BICn", R::Upper},
                           {"PaySystem", R::Text},    {"tax", R::WholeNumber},
                           {"workDate", R::Date},     {"PayTypen", R::Text}});
    // F2 replaces the accounts, and copies the other four texts into every order.
    markIban(k, "IBANp", "1");
    markIban(k, "IBANn", "2");
    markIban(k, "Poluchatel", "3");
    markIban(k, "BICp", "4");
    markIban(k, "Bankap", "5");
    markIban(k, "pDate", "6");
    bankOf(k, "IBANp", "BICp", "Bankap");
    bankOf(k, "IBANn", "BICn", "DoBanka");
    k.payee = copies({{"KlIme", "Poluchatel"}, {"IBAN", "IBANp"}, {"BIC", "BICp"},
                      {"BankIme", "Bankap"}});
    k.payer = copies({{"KlIme", "Nareditel"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"IBAN", "IBANn"}, {"BIC", "BICn"},
                      {"Bulstat", "Bulstat"}});
    k.replaceKindCode = 1;
    fieldOf(k.entryOrder, "period1").monthEnd = u"period2"_s;
    leftColour(k, {"IBANp", "IBANn"}, LightGreen);
    return k;
}

// The budget order of up to four items: the head, the total and item 1 on
// the first page, items 2 to 4 on the second.
KindDescriptor fourItemBudgetOrder()
{
    KindDescriptor k = base("PlnB4", "PlnB4Table", 13, 13, 13, "frmPlnB4",
                            u"Платежно Нареждане4 от/към Бюджета"_s);
    k.captionTitle = u"Платежно нареждане4/вн.бележка за плащане от/към бюджета "_s;
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::FreeText;
    k.workDateField = u"workDate"_s;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},       {"Clon", R::Text},
                           {"Adress", R::Text},        {"RegNo", R::Text},
                           {"pDate", R::Text},         {"Poluchatel", R::Text},
                           {"IBANp", R::Iban},         {"BICp", R::Upper},
                           {"Bankap", R::Trimmed},     {"PayTypep", R::RightTrimmed},
                           {"valuta", R::Upper},       {"suma", R::Amount},
                           {"PayTypep1", R::Text},     {"suma1", R::Amount},
                           {"Osnovanie", R::Text},     {"poiasnenia", R::Text},
                           {"VidDoc", R::WholeNumber}, {"DocNum", R::Text},
                           {"DocDate", R::Date},       {"period1", R::Date},
                           {"period2", R::Date},       {"uridic", R::Trimmed},
                           {"Bulstat", R::Text},       {"EGN", R::Text},
                           {"LNC", R::Text},           {"Nareditel", R::Trimmed},
                           {"IBANn", R::Iban},         {"BICn", R::Upper},
                           {"PaySystem", R::Text},     {"tax", R::WholeNumber},
                           {"workDate", R::Date},      {"PayTypen", R::Text}});
    markIban(k, "IBANp", "1");
    markIban(k, "IBANn", "2");
    bankOf(k, "IBANp", "BICp", "Bankap");
    bankOf(k, "IBANn", "BICn", "DoBanka");
    for (int n = 2; n <= 4; ++n) {
        const auto item = [n](const char *name, FieldRule rule) {
            FieldSpec f;
            f.name = QLatin1StringView(name) + QString::number(n);
            f.rule = rule;
            return f;
        };
        FieldSpec from = item("period1", R::Date);
        from.monthEnd = u"period2"_s + QString::number(n);
        k.secondPage << item("PayTypep", R::Text) << item("suma", R::Amount)
                     << item("osnovanie", R::Trimmed) << item("poiasnenia", R::Trimmed)
                     << item("VidDoc", R::WholeNumber) << item("DocNum", R::Text)
                     << item("DocDate", R::Date) << from << item("period2", R::Date);
    }
    // The total follows its four items.
    fieldOf(k.entryOrder, "suma1").total = u"suma"_s;
    for (FieldSpec &f : k.secondPage)
        if (f.name.startsWith(u"suma"_s))
            f.total = u"suma"_s;
    fieldOf(k.entryOrder, "period1").monthEnd = u"period2"_s;
    leftColour(k, {"IBANp", "IBANn"}, LightGreen);
    k.check = &fourItemsAddUp;
    k.deletedTitle = u"Нареждане за бюджета"_s;
    k.payee = copies({{"KlIme", "Poluchatel"}, {"IBAN", "IBANp"}, {"BIC", "BICp"},
                      {"BankIme", "Bankap"}});
    k.payer = copies({{"KlIme", "Nareditel"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"IBAN", "IBANn"}, {"BIC", "BICn"},
                      {"Bulstat", "Bulstat"}});
    k.replaceKindCode = 2;
    return k;
}

// The order of a budget-funded organisation: a payee account, no payer
// account and no BICs; the submission date is a date.
KindDescriptor budgetOrganisationOrder()
{
    KindDescriptor k = base("BPln", "BPlnTable", 3, 2, 3, "frmBPln",
                            u"Бюджетно Платежно Нареждане"_s);
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::Date;
    k.workDateField = u"workDate"_s;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},   {"Clon", R::Text},
                           {"Adress", R::Text},    {"Grad", R::Text},
                           {"pDate", R::Date},     {"Poluchatel", R::Text},
                           {"IBANp", R::Iban},     {"Bankap", R::Trimmed},
                           {"PayType", R::RightTrimmed}, {"valuta", R::Upper},
                           {"suma", R::Amount},    {"Osnovanie", R::Text},
                           {"paragraf", R::Text},  {"period1", R::Date},
                           {"period2", R::Date},   {"VidDoc", R::NonZeroWholeNumber},
                           {"DocNum", R::Text},    {"DocDate", R::Date},
                           {"Nareditel", R::Trimmed}, {"WorkKod", R::Text},
                           {"workDate", R::Date},  {"budjetKod", R::Text},
                           {"SEBRA", R::Text}});
    markIban(k, "IBANp", "1");
    // The budget holder's code is replaced in every order like an account.
    markIban(k, "budjetKod", "2");
    bankOf(k, "IBANp", "", "Bankap");
    k.payee = copies({{"KlIme", "Poluchatel"}, {"IBAN", "IBANp"}, {"BankIme", "Bankap"}});
    // The town is the contractor's own, not its bank's.
    k.payer = copies({{"KlIme", "Nareditel"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"Grad", "Grad"}});
    k.replaceKindCode = 3;
    fieldOf(k.entryOrder, "period1").monthEnd = u"period2"_s;
    leftColour(k, {"IBANp"}, LightViolet);
    return k;
}

// The direct debit order: the credit transfer order with payer and payee
// changing places (the payee hands it to his bank) and no bank fee.
KindDescriptor directDebitOrder()
{
    KindDescriptor k = base("Isk", "IskTable", 5, 4, 5, "frmIsk",
                            u"Платежно Нареждане за Директен Дебит"_s);
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::FreeText;
    k.workDateField = u"workDate"_s;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},     {"Clon", R::Text},
                           {"Adress", R::Text},      {"Grad", R::Text},
                           {"pDate", R::Text},       {"Platec", R::Text},
                           {"IBANp", R::Iban},       {"BICp", R::Upper},
                           {"Bankap", R::Text},      {"valuta", R::Upper},
                           {"suma", R::Amount},      {"Osnovanie", R::Text},
                           {"poiasnenia", R::Text},  {"Poluchatel", R::Text},
                           {"IBANn", R::Iban},       {"BICn", R::Upper},
                           {"PaySystem", R::Text},   {"tax", R::WholeNumber},
                           {"workDate", R::Date}});
    markIban(k, "IBANp", "1");
    markIban(k, "IBANn", "2");
    bankOf(k, "IBANp", "BICp", "Bankap");
    bankOf(k, "IBANn", "BICn", "DoBanka");
    k.secondPage = foreignPersonsPage();
    // "cmdFindP" fills the payer's side, "cmdFindN" the payee's.
    k.payee = copies({{"KlIme", "Platec"}, {"IBAN", "IBANp"}, {"BIC", "BICp"},
                      {"BankIme", "Bankap"}});
    k.payer = copies({{"KlIme", "Poluchatel"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"Grad", "Grad"}, {"IBAN", "IBANn"},
                      {"BIC", "BICn"}});
    k.replaceKindCode = 5;
    return k;
}

// The payer's consent to direct debits: no currency, no execution date, no
// F2; the limit is an amount kept as text.
KindDescriptor directDebitConsent()
{
    KindDescriptor k = base("SDD", "SDDTable", 10, 10, 0, "frmSDD",
                            u"СЪГЛАСИЕ за директен дебит"_s);
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::FreeText;
    k.amountField = u"Razmer"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},    {"Clon", R::Text},
                           {"Adress", R::Text},     {"pDate", R::Trimmed},
                           {"Poluchatel", R::Text}, {"Razmer", R::AmountText},
                           {"IBANn", R::Iban},      {"srok", R::Text},
                           {"uslovia", R::Text},    {"Platec", R::Text}});
    bankOf(k, "IBANn", "", "DoBanka");
    k.payee = copies({{"KlIme", "Poluchatel"}});
    k.payer = copies({{"KlIme", "Platec"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"IBAN", "IBANn"}});
    k.newDefaults = {{u"Razmer"_s, u"0"_s}};
    k.newKeeps = {u"Grad"_s};  // no field of the window
    return k;
}

// The deposit slip and the order-receipt: cash at the bank counter, a dated
// submission, one contractor button for the account holder's side.
KindDescriptor depositSlip()
{
    KindDescriptor k = base("Vnos", "VnosTable", 7, 5, 7, "frmVnos", u"Вносна бележка"_s);
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::Date;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},  {"Clon", R::Text},
                           {"Adress", R::Text},   {"Grad", R::Text},
                           {"pDate", R::Date},    {"Nareditel", R::Text},
                           {"IBANp", R::Iban},    {"Bankap", R::Text},
                           {"valuta", R::Upper},  {"suma", R::Amount},
                           {"Vnositel", R::Text}, {"Osnovanie", R::Text}});
    leftColour(k, {"suma"}, LightGreen);
    markIban(k, "IBANp", "1");
    bankOf(k, "IBANp", "", "Bankap");
    k.payer = copies({{"KlIme", "Nareditel"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"Grad", "Grad"}, {"IBAN", "IBANp"},
                      {"BankIme", "BankaP"}});
    k.replaceKindCode = 6;
    k.deletedText = kDeletedFeminine;
    return k;
}

KindDescriptor orderReceipt()
{
    KindDescriptor k = base("Raz", "RazTable", 6, 6, 6, "frmRaz", u"Нареждане разписка"_s);
    k.captionTitle = k.title;  // "Нареждане разпискаNo: 3", as the form always had it
    k.deleteTitle = u"Разписка"_s;
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::Date;
    k.amountField = u"suma"_s;
    // The extra text "txtSuma" after EGN is no field of the record: it is
    // the parameter record's, and its editor's.
    k.entryOrder = fields({{"DoBanka", R::Text},    {"Clon", R::Text},
                           {"Adress", R::Text},     {"Grad", R::Text},
                           {"pDate", R::Date},      {"Nareditel", R::Text},
                           {"IBANn", R::Iban},      {"BankaN", R::Text},
                           {"valuta", R::Upper},    {"suma", R::Amount},
                           {"Poluchatel", R::Text}, {"pasport", R::Text},
                           {"EGN", R::Text}});
    leftColour(k, {"suma"}, LightGreen);
    // Its only account is the payer's, sent with the field code 1.
    markIban(k, "IBANn", "1");
    bankOf(k, "IBANn", "", "BankaN");
    k.payer = copies({{"KlIme", "Nareditel"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"Grad", "Grad"}, {"IBAN", "IBANn"},
                      {"BankIme", "BankaN"}});
    k.replaceKindCode = 7;
    k.deletedText = kDeletedFeminine;
    return k;
}

// The cover sheet of a medium of many payments. Its submission date is a
// date kept as "dd.mm.yyyy" text; kind and medium are option boxes.
KindDescriptor massPayment()
{
    KindDescriptor k = base("Mass", "MassTable", 9, 9, 0, "frmMassPay",
                            u"Платежно нареждане за масово плащане"_s);
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::ShortText;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},   {"Clon", R::Text},
                           {"Adress", R::Text},    {"Grad", R::Text},
                           {"pDate", R::DateText}, {"IBANn", R::Iban},
                           {"BICn", R::Text},      {"SEBRA", R::Text},
                           {"IBANp", R::Iban},     {"BICp", R::Text},
                           {"Nareditel", R::Upper}, {"valuta", R::Upper},
                           {"suma", R::Amount},    {"rows", R::StrictWholeNumber}});
    bankOf(k, "IBANn", "BICn", "DoBanka");
    bankOf(k, "IBANp", "BICp", "");
    k.payer = copies({{"KlIme", "Nareditel"}, {"BankIme", "DoBanka"}, {"bgrad", "Clon"},
                      {"bstreet", "Adress"}, {"Grad", "Grad"}, {"IBAN", "IBANn"},
                      {"BIC", "BICn"}});
    // The kind of order and the medium are the window's choice: New keeps
    // them, and a fresh order is on a diskette.
    k.newKeeps = {u"vid"_s, u"nositel"_s};
    k.blankOptions = {{u"nositel"_s, 1}};
    k.readTitle = u"Платежно нареждане за за масово плащане"_s;  // as its list was always captioned
    return k;
}

// What the bilingual orders refuse to save or print: a currency that is no
// code of three Latin letters (the English words name it), and an amount
// that the form's boxes cannot hold (nine figures and the cents).
QString currencyRefusal(const Record &r, const QString &field, bool required)
{
    const QString code = r.text(field).trimmed();
    if (code.isEmpty() && !required)
        return {};
    const bool letters = std::all_of(code.cbegin(), code.cend(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    });
    if (code.size() == 3 && letters)
        return {};
    return u"Невалиден код на валута: \"%1\".\nКодът на валутата е от три латински букви, "
           "например USD, EUR, GBP, CHF."_s.arg(code);
}

QString amountRefusal(const Record &r, const QString &field)
{
    static const Money most = Money::fromUnits(999'999'999, 99);
    if (ShownAmount(r.money(field)) <= most)
        return {};
    return u"Сумата %1 не се побира в полето на бланката (най-много 999999999.99)."_s.arg(
        AmountDisplayText(r.money(field)));
}

QString firstOf(std::initializer_list<QString> reasons)
{
    for (const QString &why : reasons)
        if (!why.isEmpty())
            return why;
    return {};
}

QString foreignTransferRefusal(const Record &r)
{
    return firstOf({currencyRefusal(r, u"valuta"_s, true), amountRefusal(r, u"suma"_s),
                    currencyRefusal(r, u"TAXvaluta"_s, r.money(u"TAXsuma"_s) > Money()),
                    amountRefusal(r, u"TAXsuma"_s)});
}

QString buySellRefusal(const Record &r)
{
    QString why;
    for (int side = 0; side <= 1; ++side) {
        const QString n = QString::number(side);
        why = firstOf({why, currencyRefusal(r, u"Valuta"_s + n, r.money(u"suma"_s + n) > Money()),
                       amountRefusal(r, u"suma"_s + n)});
    }
    return why;
}

// The bilingual order for a transfer in foreign currency, with the
// statistics page of its own.
KindDescriptor foreignCurrencyTransfer()
{
    KindDescriptor k = base("PlnM", "PlnMTable", 14, 35, 8, "frmPLNm",
                            u"Платежно нареждане за превод във валута"_s);
    k.captionTitle = k.title + u"  "_s;  // two blanks before "No:"
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::FreeText;
    k.workDateField = u"workDate"_s;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"DoBanka", R::Text},      {"Centre", R::Text},
                           {"Adress", R::Text},       {"pDate", R::Text},
                           {"Poluchatel", R::Trimmed}, {"Addressp", R::Trimmed},
                           {"IBANp", R::ForeignIban}, {"BICp", R::Upper},
                           {"Bankap", R::Trimmed},    {"BankAdr", R::Trimmed},
                           {"CorespBank", R::Trimmed}, {"valuta", R::Currency},
                           {"suma", R::Amount},       {"Osnovanie", R::Trimmed},
                           {"Nareditel", R::Trimmed}, {"NarAddress", R::Trimmed},
                           {"Bulstat", R::Trimmed},   {"IBANn", R::Iban},
                           {"BICn", R::Upper},        {"workDate", R::Date},
                           {"TAXvaluta", R::Currency}, {"TAXsuma", R::Amount}});
    // The beneficiary's account is mostly foreign: the directory knows only
    // Bulgarian codes and leaves it alone.
    bankOf(k, "IBANp", "BICp", "Bankap");
    bankOf(k, "IBANn", "BICn", "DoBanka");
    // F2 replaces the accounts in these orders, under a code of their own
    // (the credit transfer's code would reach the credit transfer orders).
    markIban(k, "IBANp", "1");
    markIban(k, "IBANn", "2");
    k.replaceKindCode = 8;
    k.secondPage = fields({{"countryN", R::Trimmed}, {"countryP", R::Trimmed},
                           {"adressN", R::Trimmed},  {"adressP", R::Trimmed},
                           {"Note", R::FirstBreakBlanks}, {"BNBno", R::Trimmed}});
    k.payee = {{u"KlIme"_s, u"Poluchatel"_s},          {u"IBAN"_s, u"IBANp"_s},
               {u"BIC"_s, u"BICp"_s},                  {u"BankIme"_s, u"Bankap"_s},
               {u"Grad"_s, u"Addressp"_s, u"street"_s}, {u"bgrad"_s, u"BankAdr"_s, u"bstreet"_s}};
    k.payer = copies({{"KlIme", "Nareditel"}, {"BankIme", "DoBanka"}, {"bgrad", "Centre"},
                      {"bstreet", "Adress"}, {"IBAN", "IBANn"}, {"BIC", "BICn"}});
    // Exactly one of the charges options is on; a new order pays its own.
    k.newDefaults = {{u"OUR"_s, u"1"_s}};
    k.words = {{u"suma"_s, u"valuta"_s, {}, u"lblSlovom"_s}};
    k.refusal = &foreignTransferRefusal;
    return k;
}

// One document with a buy side and a sell side; the window shows one at a
// time. Side 0 is the buy side. Both sides are in the entry order, the buy
// side first; no field is upper-cased but the accounts and the currency of
// each side's amount (its "Valuta" field), which its words name.
KindDescriptor currencyBuySell()
{
    KindDescriptor k = base("Buy", "BuyTable", 15, 36, 0, "frmBuyValuta",
                            u"Нареждане за покупка / продажба на валута"_s);
    k.amountField = u"suma0"_s;
    k.sideCurrencyField = u"Valuta"_s;
    k.entryOrder = fields({{"DoBanka", R::Text}, {"Centre", R::Text}, {"Address", R::Text},
                           {"Titul", R::Text},   {"IDnomer", R::Text}, {"RegNo", R::Text}});
    for (int n = 0; n <= 1; ++n) {
        const auto side = [n](const char *name, FieldRule rule) {
            return FieldSpec{QLatin1StringView(name) + QString::number(n), rule, {}, {}};
        };
        k.entryOrder << side("Valuta", R::Currency) << side("IBAN1", R::Iban)
                     << side("suma", R::Amount) << side("Valuta2", R::Text)
                     << side("slovom", R::Trimmed) << side("kurs", R::Text)
                     << side("vidValuta", R::Text) << side("IBAN2", R::Iban)
                     << side("Mesto", R::Text) << side("workDate", R::Date);
        k.words << WordsSpec{u"suma%1"_s.arg(n), u"Valuta%1"_s.arg(n), u"slovom%1"_s.arg(n), {}};
    }
    k.refusal = &buySellRefusal;
    return k;
}

// The cash orders of the firm's own cash desk. The firm's name field of
// each window has a name of its own. They open with the firm and a number
// from the cash book, start a new order without asking, look an order up
// by the other party's name, and post into the cash book where the other
// kinds copy into the reports base.
void cashOrder(KindDescriptor &k, int nameField)
{
    k.opening = &OpenCashOrder;
    k.renew = &RenewCashOrder;
    k.readByName = nameField;
    k.deletedText = u" е изтрит."_s;
    k.postTip = u"Записа документа в касовата книга"_s;
    k.post = &PostCashOrder;
}

KindDescriptor cashReceipt()
{
    KindDescriptor k = base("PKO", "PKOTable", 11, 11, 11, "frmPKO", u"Приходен Касов Ордер"_s);
    k.captionTitle = u"ПРИХОДЕН КАСОВ ОРДЕР "_s;
    k.deleteTitle = u"ПКО"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::Date;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"Firma", R::Trimmed},     {"Bulstat", R::Text},
                           {"PKOno", R::WholeNumber}, {"pDate", R::Date},
                           {"Vnositel", R::Trimmed},  {"Osnovanie", R::Trimmed},
                           {"suma", R::Amount}});
    fieldOf(k.entryOrder, "Firma").widget = u"FirmaPKO"_s;
    cashOrder(k, 0);
    return k;
}

KindDescriptor cashDisbursement()
{
    KindDescriptor k = base("RKO", "RKOTable", 12, 12, 12, "frmRKO", u"Разходен Касов Ордер"_s);
    k.captionTitle = u"РАЗХОДЕН КАСОВ ОРДЕР "_s;
    k.deleteTitle = u"РКО"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = Style::Date;
    k.amountField = u"suma"_s;
    k.entryOrder = fields({{"Firma", R::Trimmed},      {"Bulstat", R::Text},
                           {"RKOno", R::WholeNumber},  {"pDate", R::Date},
                           {"Poluchatel", R::Trimmed}, {"Adress", R::Text},
                           {"Karta", R::Text},         {"EGN", R::Text},
                           {"Predstavitel", R::Text},  {"Palnomostno", R::Text},
                           {"Osnovanie", R::Trimmed},  {"suma", R::Amount}});
    fieldOf(k.entryOrder, "Firma").widget = u"FirmaRKO"_s;
    cashOrder(k, 1);
    return k;
}

QList<KindDescriptor> build()
{
    // In the order of the lowest-free-number kinds.
    return {budgetOrder(),        budgetOrganisationOrder(), creditTransfer(),
            directDebitOrder(),   orderReceipt(),            depositSlip(),
            massPayment(),        directDebitConsent(),      cashReceipt(),
            cashDisbursement(),   fourItemBudgetOrder(),     foreignCurrencyTransfer(),
            currencyBuySell()};
}

}  // namespace

const QList<KindDescriptor> &documentKinds()
{
    static const QList<KindDescriptor> kinds = build();
    return kinds;
}

const KindDescriptor &kindById(const QString &id)
{
    for (const KindDescriptor &k : documentKinds())
        if (k.id == id)
            return k;
    qFatal("no document kind %s", qPrintable(id));
}

const KindDescriptor *kindByTable(const QString &table)
{
    for (const KindDescriptor &k : documentKinds())
        if (k.table.compare(table, Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

}  // namespace remitor
