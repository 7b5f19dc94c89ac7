#include "kinds.h"

#include "store/schema.h"

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

QString numberText(qint64 n)
{
    return n > 0 ? u' ' + QString::number(n) : QString::number(n);
}

namespace {

QList<FieldSpec> fields(std::initializer_list<std::pair<const char *, FieldRule>> list)
{
    QList<FieldSpec> out;
    for (const auto &[name, rule] : list)
        out.append({QLatin1StringView(name), rule, {}});
    return out;
}

void markIban(KindDescriptor &k, const char *field, const char *code)
{
    for (FieldSpec &f : k.entryOrder)
        if (f.name == QLatin1StringView(field))
            f.ibanCode = QLatin1StringView(code);
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

KindDescriptor creditTransfer()
{
    using R = FieldRule;
    KindDescriptor k = base("Pln", "PlnTable", 4, 3, 4, "frmPln",
                            u"Платежно нареждане за кредитен превод"_s);
    k.currencyField = u"valuta"_s;
    k.dateField = u"pDate"_s;
    k.dateStyle = KindDescriptor::DateStyle::FreeText;
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
                           {"TAXsuma", R::LeadingNumber}});
    markIban(k, "IBANp", "1");
    markIban(k, "IBANn", "2");
    k.secondPage = fields({{"countryN", R::Trimmed}, {"countryP", R::Trimmed},
                           {"adressN", R::Trimmed},  {"adressP", R::Trimmed},
                           {"Note", R::RightTrimmed}, {"BNBno", R::Trimmed}});
    k.payee = {{u"KlIme"_s, u"Poluchatel"_s}, {u"IBAN"_s, u"IBANp"_s},
               {u"BIC"_s, u"BICp"_s},         {u"BankIme"_s, u"Bankap"_s}};
    k.payer = {{u"KlIme"_s, u"Nareditel"_s}, {u"BankIme"_s, u"DoBanka"_s},
               {u"bgrad"_s, u"Clon"_s},      {u"bstreet"_s, u"Adress"_s},
               {u"IBAN"_s, u"IBANn"_s},      {u"BIC"_s, u"BICn"_s}};
    k.replaceKindCode = 4;
    k.newDefaults = {{u"TAXvaluta"_s, u"0"_s}};
    return k;
}

QList<KindDescriptor> build()
{
    QList<KindDescriptor> kinds;
    // The kinds whose editors come later carry what the shared parts of the
    // program (numbers, find lists, reports base, transfer) need today; their
    // fields and rules come with their editors.
    KindDescriptor plnB = base("PlnB", "PlnBTable", 2, 1, 2, "frmPlnB",
                               u"Платежно Нареждане от/към Бюджета"_s);
    plnB.replaceKindCode = 1;
    kinds << plnB;
    KindDescriptor bpln = base("BPln", "BPlnTable", 3, 2, 3, "frmBPln",
                               u"Бюджетно Платежно Нареждане"_s);
    bpln.replaceKindCode = 3;
    kinds << bpln;
    kinds << creditTransfer();
    KindDescriptor isk = base("Isk", "IskTable", 5, 4, 5, "frmIsk",
                              u"Платежно Нареждане за Директен Дебит"_s);
    isk.replaceKindCode = 5;
    kinds << isk;
    KindDescriptor raz = base("Raz", "RazTable", 6, 6, 6, "frmRaz", u"Нареждане-Разписка"_s);
    raz.deleteTitle = u"Разписка"_s;
    raz.replaceKindCode = 7;
    kinds << raz;
    KindDescriptor vnos = base("Vnos", "VnosTable", 7, 5, 7, "frmVnos", u"Вносна бележка"_s);
    vnos.replaceKindCode = 6;
    kinds << vnos;
    kinds << base("Mass", "MassTable", 9, 9, 0, "frmMassPay",
                  u"Платежно нареждане за масово плащане"_s);
    kinds << base("SDD", "SDDTable", 10, 10, 0, "frmSDD", u"СЪГЛАСИЕ за директен дебит"_s);
    kinds << base("PKO", "PKOTable", 11, 11, 11, "frmPKO", u"ПРИХОДЕН КАСОВ ОРДЕР"_s);
    kinds << base("RKO", "RKOTable", 12, 12, 12, "frmRKO", u"РАЗХОДЕН КАСОВ ОРДЕР"_s);
    KindDescriptor plnB4 = base("PlnB4", "PlnB4Table", 13, 13, 13, "frmPlnB4",
                                u"Платежно Нареждане от/към Бюджета - многоредово"_s);
    plnB4.deleteTitle = u"Платежно Нареждане4 от/към Бюджета"_s;
    plnB4.replaceKindCode = 2;
    kinds << plnB4;
    kinds << base("PlnM", "PlnMTable", 14, 35, 8, "frmPLNm",
                  u"Платежно нареждане за превод във валута"_s);
    kinds << base("Buy", "BuyTable", 15, 36, 0, "frmBuyValuta",
                  u"Нареждане за покупка / продажба на валута"_s);
    return kinds;
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
