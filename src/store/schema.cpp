#include "schema.h"

#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace remitor {

QString FieldDef::declaredType() const
{
    switch (type) {
    case FieldType::Text: return u"TEXT(%1)"_s.arg(width);
    case FieldType::Int16: return u"SMALLINT"_s;
    case FieldType::Int32: return u"INTEGER"_s;
    case FieldType::Money: return u"MONEY"_s;
    case FieldType::Double: return u"DOUBLE"_s;
    case FieldType::Date: return u"DATE"_s;
    case FieldType::Boolean: return u"BOOLEAN"_s;
    }
    return {};
}

bool FieldDef::parseDeclaredType(const QString &declared, FieldType &type, int &width)
{
    static const QRegularExpression textRe(u"^\\s*TEXT\\s*\\(\\s*(\\d+)\\s*\\)\\s*$"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    width = 0;
    const auto m = textRe.match(declared);
    if (m.hasMatch()) {
        type = FieldType::Text;
        width = m.captured(1).toInt();
        return true;
    }
    static const QHash<QString, FieldType> plain = {
        {u"SMALLINT"_s, FieldType::Int16}, {u"INTEGER"_s, FieldType::Int32},
        {u"MONEY"_s, FieldType::Money},    {u"DOUBLE"_s, FieldType::Double},
        {u"DATE"_s, FieldType::Date},      {u"BOOLEAN"_s, FieldType::Boolean}};
    const auto it = plain.constFind(declared.trimmed().toUpper());
    if (it == plain.constEnd())
        return false;
    type = *it;
    return true;
}

int TableDef::fieldIndex(const QString &n) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(n, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const FieldDef *TableDef::field(const QString &n) const
{
    const int i = fieldIndex(n);
    return i < 0 ? nullptr : &fields[i];
}

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(u'"', u"\"\""_s);
    return u'"' + q + u'"';
}

namespace {

// A layout is written as the forms' makers wrote it: "kod Long, DoBanka Text(35), …".
QList<FieldDef> parseLayout(const QString &layout)
{
    static const QRegularExpression itemRe(
        u"^\\s*(\\w+)\\s+(Long|Integer|Currency|Double|Date|Boolean|Text\\((\\d+)\\))\\s*$"_s);
    QList<FieldDef> out;
    const auto items = layout.split(u',', Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const auto m = itemRe.match(item);
        Q_ASSERT_X(m.hasMatch(), "parseLayout", qPrintable(item));
        FieldDef f;
        f.name = m.captured(1);
        const QString t = m.captured(2);
        if (t == u"Long"_s) f.type = FieldType::Int32;
        else if (t == u"Integer"_s) f.type = FieldType::Int16;
        else if (t == u"Currency"_s) f.type = FieldType::Money;
        else if (t == u"Double"_s) f.type = FieldType::Double;
        else if (t == u"Date"_s) f.type = FieldType::Date;
        else if (t == u"Boolean"_s) f.type = FieldType::Boolean;
        else {
            f.type = FieldType::Text;
            f.width = m.captured(3).toInt();
        }
        out.append(f);
    }
    return out;
}

TableDef keyed(DbKind db, const QString &name, const QString &layout, const QString &keyIndex,
               const QString &keyField = u"Kod"_s)
{
    TableDef t;
    t.db = db;
    t.name = name;
    t.fields = parseLayout(layout);
    t.keyField = t.fields[t.fieldIndex(keyField)].name;
    t.indexes.append({keyIndex, {t.keyField}, true, {}});
    return t;
}

TableDef dated(const QString &name, const QString &layout, const QString &keyIndex,
               const QString &dateIndex)
{
    TableDef t = keyed(DbKind::Reports, name, layout, keyIndex);
    t.dateField = t.fields[t.fieldIndex(u"pDate"_s)].name;
    t.indexes.append({dateIndex, {t.dateField, t.keyField}, true, {}});
    return t;
}

TableDef single(const QString &name, const QString &layout)
{
    TableDef t;
    t.db = DbKind::Main;
    t.name = name;
    t.fields = parseLayout(layout);
    return t;
}

// The credit transfer order; the direct debit order differs in two names and
// has no charges fields.
const QString plnLayout =
    u"kod Long, DoBanka Text(35), clon Text(35), adress Text(35), grad Text(35), pdate Text(35),"
    " poluchatel Text(85), IBANp Text(22), BICp Text(10), Bankap Text(85), valuta Text(3),"
    " suma Currency, osnovanie Text(85), poiasnenia Text(85), nareditel Text(85), IBANn Text(22),"
    " BICn Text(10), paySystem Text(35), tax Integer, TAXvaluta Text(3), TAXsuma Currency,"
    " workDate Date, narMode Integer, polMode Integer, countryN Text(35), countryP Text(35),"
    " adressN Text(35), adressP Text(35), note Text(210), BNBno Text(15)"_s;

const QString iskLayout =
    u"kod Long, DoBanka Text(35), clon Text(35), adress Text(35), grad Text(35), pdate Text(35),"
    " Platec Text(85), IBANp Text(22), BICp Text(10), Bankap Text(85), valuta Text(3),"
    " suma Currency, osnovanie Text(85), poiasnenia Text(85), Poluchatel Text(85), IBANn Text(22),"
    " BICn Text(10), paySystem Text(35), tax Integer,"
    " workDate Date, narMode Integer, polMode Integer, countryN Text(35), countryP Text(35),"
    " adressN Text(35), adressP Text(35), note Text(210), BNBno Text(15)"_s;

const QString plnBHead =
    u"kod Long, DoBanka Text(35), clon Text(35), adress Text(35), RegNo Text(35), pdate Text(35),"
    " poluchatel Text(85), IBANp Text(22), BICp Text(15), Bankap Text(85), PayTypep Text(10),"
    " valuta Text(3), suma Currency,"_s;
const QString plnBItem =
    u" osnovanie Text(85), poiasnenia Text(85), VidDoc Integer, DocNum Text(35), DocDate Date,"
    " period1 Date, period2 Date,"_s;
const QString plnBTail =
    u" uridic Text(85), bulstat Text(15), egn Text(15), LNC Text(15), nareditel Text(85),"
    " IBANn Text(22), BICn Text(15), PaySystem Text(35), tax Integer, WorkDate Date,"
    " PayTypen Text(10)"_s;

QString plnB4Layout()
{
    QString s = plnBHead + u" PayTypep1 Text(10), suma1 Currency,"_s + plnBItem;
    for (int n = 2; n <= 4; ++n)
        s += u" PayTypep%1 Text(10), suma%1 Currency, osnovanie%1 Text(85), poiasnenia%1 Text(85),"
             " VidDoc%1 Integer, DocNum%1 Text(35), DocDate%1 Date, period1%1 Date,"
             " period2%1 Date,"_s.arg(n);
    return s + plnBTail;
}

const QString bplnLayout =
    u"kod Long, DoBanka Text(35), clon Text(35), adress Text(35), grad Text(35), pdate Date,"
    " poluchatel Text(85), IBANp Text(22), Bankap Text(85), PayType Text(10), valuta Text(3),"
    " suma Currency, osnovanie Text(85), paragraf Text(35), period1 Date, period2 Date,"
    " VidDoc Integer, DocNum Text(35), DocDate Date, nareditel Text(85), WorkKod Text(10),"
    " WorkDate Date, budjetKod Text(15), SEBRA Text(10)"_s;

const QString vnosLayout =
    u"kod Long, DoBanka Text(35), clon Text(35), adress Text(35), grad Text(35), pdate Date,"
    " nareditel Text(85), IBANp Text(22), BankaP Text(85), valuta Text(3), suma Currency,"
    " Vnositel Text(85), osnovanie Text(85)"_s;

const QString razLayout =
    u"kod Long, DoBanka Text(35), clon Text(35), adress Text(35), grad Text(35), pdate Date,"
    " nareditel Text(85), IBANn Text(22), BankaN Text(85), valuta Text(3), suma Currency,"
    " poluchatel Text(85), Pasport Text(15), egn Text(15)"_s;

const QString pkoLayout =
    u"kod Long, Firma Text(35), Bulstat Text(15), PKOno Integer, pDate Date, Vnositel Text(150),"
    " Osnovanie Text(150), suma Currency"_s;

const QString rkoLayout =
    u"kod Long, Firma Text(35), Bulstat Text(15), RKOno Integer, pdate Date, Poluchatel Text(85),"
    " Adress Text(85), Karta Text(85), EGN Text(12), Predstavitel Text(55), palnomostno Text(55),"
    " Osnovanie Text(85), suma Currency"_s;

QString buyLayout()
{
    QString s = u"kod Long, DoBanka Text(35), Centre Text(35), Address Text(35), Titul Text(35),"
                " IDnomer Text(35), RegNo Text(35),"_s;
    for (int n = 0; n <= 1; ++n) {
        // The amounts are money: the old layout kept them as Double, which
        // cannot hold every amount in hundredths exactly.
        s += u" Valuta%1 Text(25), Valuta2%1 Text(25), IBAN1%1 Text(22), suma%1 Currency,"
             " slovom%1 Text(85),"_s.arg(n);
        if (n == 0)
            s += u" BankName Text(35), BankNameL Text(35),"_s;
        s += u" kurs%1 Text(35), vidValuta%1 Text(35), Check1%1 Integer, Check2%1 Integer,"
             " IBAN2%1 Text(22), Mesto%1 Text(35), workDate%1 Date,"_s.arg(n);
    }
    s.chop(1);
    return s;
}

QList<TableDef> buildMain()
{
    const DbKind M = DbKind::Main;
    QList<TableDef> t;
    // In the order of the start-up re-index.
    t << keyed(M, u"PlnBTable"_s, plnBHead + plnBItem + plnBTail, u"PlnBIndex"_s);
    t << keyed(M, u"PlnB4Table"_s, plnB4Layout(), u"PlnB4Index"_s);
    t << keyed(M, u"BPlnTable"_s, bplnLayout, u"BPlnIndex"_s);
    t << keyed(M, u"PlnTable"_s, plnLayout, u"PlnIndex"_s);
    // A foreign bank's BIC has eleven characters with its branch: the
    // payee's bank is stored whole (older files are widened at the upgrade).
    t << keyed(M, u"PlnMTable"_s,
               u"kod Long, DoBanka Text(35), Centre Text(35), adress Text(35), pdate Text(35),"
               " poluchatel Text(85), Addressp Text(85), IBANp Text(40), BICp Text(11),"
               " Bankap Text(85), BankAdr Text(85), CorespBank Text(85), valuta Text(3),"
               " suma Currency, osnovanie Text(85), nareditel Text(85), NarAddress Text(85),"
               " Bulstat Text(85), IBANn Text(22), BICn Text(10), OUR Integer, SHA Integer,"
               " BEN Integer, Express Integer, workDate Date, TAXvaluta Text(3), TAXsuma Currency,"
               " narMode Integer, polMode Integer, countryN Text(35), countryP Text(35),"
               " adressN Text(35), adressP Text(35), note Text(210), BNBno Text(15)"_s,
               u"PlnMIndex"_s);
    t << keyed(M, u"IskTable"_s, iskLayout, u"IskIndex"_s);
    t << keyed(M, u"MassTable"_s,
               u"kod Long, vid Integer, DoBanka Text(35), clon Text(35), adress Text(35),"
               " grad Text(35), pdate Text(35), IBANn Text(22), BICn Text(10), SEBRA Text(15),"
               " IBANp Text(22), BICp Text(10), nareditel Text(85), valuta Text(3), suma Currency,"
               " nositel Text(85), rows Integer"_s,
               u"MassIndex"_s);
    t << keyed(M, u"SDDTable"_s,
               u"kod Long, DoBanka Text(35), clon Text(35), adress Text(35), Grad Text(35),"
               " pDate Text(35), Poluchatel Text(85), Razmer Text(85), IBANn Text(22),"
               " Srok Text(85), uslovia Text(210), Platec Text(85)"_s,
               u"SDDIndex"_s);
    t << keyed(M, u"VnosTable"_s, vnosLayout, u"VnosIndex"_s);
    t << keyed(M, u"RazTable"_s, razLayout, u"RazIndex"_s);
    t << keyed(M, u"PKOTable"_s, pkoLayout, u"PKOIndex"_s);
    t << keyed(M, u"RKOTable"_s, rkoLayout, u"RKOIndex"_s);
    TableDef kasa = keyed(M, u"KasaTable"_s,
                          u"kod Long, DocNo Text(12), DocDate Date, Note Text(30),"
                          " Prihod Currency, Razhod Currency"_s,
                          u"KasaIndex"_s);
    kasa.indexes.append({u"PKOIndex"_s, {u"Prihod"_s, u"kod"_s, u"DocNo"_s}, true, u"KasaTable.PKOIndex"_s});
    kasa.indexes.append({u"RKOIndex"_s, {u"Razhod"_s, u"kod"_s, u"DocNo"_s}, true, u"KasaTable.RKOIndex"_s});
    t << kasa;
    t << keyed(M, u"KlientTable"_s,
               u"kod Long, KlIme Text(85), grad Text(35), street Text(35), Bulstat Text(15),"
               " MOL Text(85), phone Text(85), BankIme Text(85), IBAN Text(22), BIC Text(15),"
               " BAE Text(15), bgrad Text(35), bstreet Text(35)"_s,
               u"KlientIndex"_s);
    // The paragraph list is kept in the order of its positions.
    t << keyed(M, u"ParagrafTable"_s, u"row Long, kod Text(12), ime Text(100)"_s,
               u"ParagrafIndex"_s, u"row"_s);
    t << keyed(M, u"KomandTable"_s,
               u"Firma Text(80), No Long, Date Date, Ime Text(40), dlj Text(20), Do Text(40),"
               " In Text(80), srok Integer, otDate Date, doDate Date, Work Text(180),"
               " dnevni Currency, nostni Currency, transport Text(40), MPS Text(15),"
               " marka Text(15), RegNo Text(15), Gorivo Text(15), Razhod Currency, Cena Currency,"
               " doklad Boolean, smetka Text(80)"_s,
               u"KomandIndex"_s, u"No"_s);
    t << keyed(M, u"BuyTable"_s, buyLayout(), u"BuyIndex"_s);
    t << keyed(M, u"NotesTable"_s, u"Kod Integer, Ime Text(20)"_s, u"NotesIndex"_s);
    t << single(u"Firma"_s,
                u"ime Text(30), Grad Text(30), street Text(30), Oblast Text(30),"
                " Obstina Text(30), Bulstat Text(13), OsigNo Text(10), Phone Text(30),"
                " email Text(30), Dzveno Text(30), TRD Text(30), Upravitel Text(30),"
                " Schetovod Text(30), Kasier Text(30)"_s);
    // The firm's own bank accounts, which the payer of a document is picked
    // from; a table of their own, so that the firm's record keeps its layout.
    t << keyed(M, u"FirmaBankTable"_s, u"kod Long, BankIme Text(85), IBAN Text(22), BIC Text(15)"_s,
               u"FirmaBankIndex"_s);
    QString param = u"Version Text(12), DanNomer Text(10),"_s;
    for (int i = 1; i <= 10; ++i)
        param += u" podpis%1 Text(85),"_s.arg(i);
    t << single(u"ParamTable"_s, param + u" textraz Text(85)"_s);
    // The printer chosen for the program and its calibration shift, kept
    // apart so that the parameter record keeps its old layout.
    t << single(u"PrintTable"_s, u"Printer Text(255), OffsetX Long, OffsetY Long"_s);
    // The national currency that new documents take ("EUR" since 2026), kept
    // apart for the same reason; a file without it reads as the euro.
    t << single(u"ValutaTable"_s, u"NacValuta Text(3)"_s);
    // The folder of the last export or import (the transfer's "drive"), kept
    // apart for the same reason.
    t << single(u"TransferTable"_s, u"Folder Text(255)"_s);
    return t;
}

QList<TableDef> buildReports()
{
    QList<TableDef> t;
    // In the order of the re-index of the reports base; the direct debit
    // order last, as it is only ever created when found missing.
    t << dated(u"PlnTable"_s, plnLayout, u"PlnIndex"_s, u"PlnDateIndex"_s);
    // The copy keeps the charges and the long foreign account of the
    // document it is made from: older files gain them at the upgrade.
    t << dated(u"PlnMTable"_s,
               u"Kod Long, DoBanka Text(35), Centre Text(35), Adress Text(35), pDate Text(35),"
               " Poluchatel Text(85), Addressp Text(85), IBANp Text(40), BICp Text(11),"
               " Bankap Text(85), BankAdr Text(85), CorespBank Text(85), valuta Text(3),"
               " suma Currency, Osnovanie Text(85), Nareditel Text(85), NarAddress Text(85),"
               " Bulstat Text(85), IBANn Text(22), BICn Text(10), OUR Text(35), SHA Integer,"
               " BEN Integer, Express Text(3), workDate Date, KodValuta Text(3),"
               " TAXvaluta Text(3), TAXsuma Currency, narMode Integer,"
               " polMode Integer, countryN Text(35), countryP Text(35), adressN Text(35),"
               " adressP Text(35), Note Text(210), BNBno Text(15)"_s,
               u"PlnMIndex"_s, u"PlnMDateIndex"_s);
    t << dated(u"PlnBTable"_s, plnBHead + plnBItem + plnBTail, u"PlnBIndex"_s, u"PlnBDateIndex"_s);
    t << dated(u"PlnB4Table"_s, plnB4Layout(), u"PlnB4Index"_s, u"PlnB4DateIndex"_s);
    t << dated(u"BPlnTable"_s, bplnLayout, u"BPlnIndex"_s, u"BplnDateIndex"_s);
    t << dated(u"VnosTable"_s, vnosLayout, u"VnosIndex"_s, u"VnosDateIndex"_s);
    t << dated(u"RazTable"_s, razLayout, u"RazIndex"_s, u"RazDateIndex"_s);
    t << dated(u"PKOTable"_s, pkoLayout, u"SprPKOIndex"_s, u"PKODateIndex"_s);
    t << dated(u"RKOTable"_s, rkoLayout, u"RKOIndex"_s, u"RKODateIndex"_s);
    t << dated(u"IskTable"_s, iskLayout, u"IskIndex"_s, u"IskDateIndex"_s);
    return t;
}

}  // namespace

const QList<TableDef> &mainTables()
{
    static const QList<TableDef> tables = buildMain();
    return tables;
}

const QList<TableDef> &reportsTables()
{
    static const QList<TableDef> tables = buildReports();
    return tables;
}

const QList<TableDef> &tablesOf(DbKind db)
{
    return db == DbKind::Main ? mainTables() : reportsTables();
}

const TableDef *findTable(DbKind db, const QString &name)
{
    for (const TableDef &t : tablesOf(db))
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const TableDef &tableDef(DbKind db, const QString &name)
{
    const TableDef *t = findTable(db, name);
    Q_ASSERT_X(t, "tableDef", qPrintable(name));
    return *t;
}

const TableDef *mainTableForKind(int kindNumber)
{
    static const char *const names[] = {"KlientTable", "PlnBTable", "BPlnTable", "PlnTable",
                                        "IskTable", "RazTable", "VnosTable", "ParagrafTable",
                                        "MassTable", "SDDTable", "PKOTable", "RKOTable",
                                        "PlnB4Table", "PlnMTable", "BuyTable"};
    if (kindNumber < 1 || kindNumber > 15)
        return nullptr;
    return findTable(DbKind::Main, QLatin1StringView(names[kindNumber - 1]));
}

const TableDef *reportsTableForKind(int kindCode)
{
    static const QHash<int, QString> names = {
        {2, u"PlnBTable"_s}, {3, u"BPlnTable"_s}, {4, u"PlnTable"_s},  {5, u"IskTable"_s},
        {6, u"RazTable"_s},  {7, u"VnosTable"_s}, {8, u"PlnMTable"_s}, {11, u"PKOTable"_s},
        {12, u"RKOTable"_s}, {13, u"PlnB4Table"_s}};
    const auto it = names.constFind(kindCode);
    return it == names.constEnd() ? nullptr : findTable(DbKind::Reports, *it);
}

}  // namespace remitor
