#include "transfer/transfer_kinds.h"

using namespace Qt::StringLiterals;

namespace remitor {

const TableDef &TransferKind::tableDef() const
{
    return remitor::tableDef(DbKind::Main, table);
}

QList<int> TransferKind::lineFields() const
{
    const TableDef &def = tableDef();
    QList<int> out;
    for (int i = 0; i < def.fields.size(); ++i) {
        const QString &name = def.fields[i].name;
        if (!keyInFile && name.compare(def.keyField, Qt::CaseInsensitive) == 0)
            continue;
        if (left.contains(name, Qt::CaseInsensitive))
            continue;
        out.append(i);
    }
    return out;
}

namespace {

QList<TransferKind> buildKinds()
{
    QList<TransferKind> k;
    const auto add = [&k](const char16_t *box, const char16_t *caption, const char16_t *file,
                          const char16_t *table) -> TransferKind & {
        TransferKind t;
        t.box = QString::fromUtf16(box);
        t.caption = QString::fromUtf16(caption);
        t.fileName = QString::fromUtf16(file);
        t.table = QString::fromUtf16(table);
        k.append(t);
        return k.last();
    };
    const QString pDate = u"pDate"_s;
    add(u"cPlnB", u"Нареждане за плащане от/към бюджета", u"PLNB.TXT", u"PlnBTable").textDate =
        pDate;
    add(u"cPlnB4", u"Нареждане за плащане от/към бюджета - многоредово", u"PlnB4.TXT",
        u"PlnB4Table")
        .textDate = pDate;
    add(u"cBpln", u"Бюджетно платежно нареждане", u"BPLN.TXT", u"BPlnTable");
    TransferKind &pln =
        add(u"cPln", u"Платежно нареждане за кредитен превод", u"Pln.TXT", u"PlnTable");
    pln.textDate = pDate;
    pln.left = QStringList{u"TAXvaluta"_s, u"TAXsuma"_s};
    add(u"cIsk", u"Нареждане за директен дебит", u"ISK.TXT", u"IskTable").textDate = pDate;
    add(u"cSDD", u"Съгласие за директен дебит", u"SDD.TXT", u"SDDTable").paddedTexts = false;
    add(u"cMass", u"Нареждане за масово плащане", u"Mass.TXT", u"MassTable");
    add(u"cRaz", u"Нареждане разписка", u"RAZ.TXT", u"RazTable");
    add(u"cVnos", u"Вносна бележка", u"VNOS.TXT", u"VnosTable");
    add(u"cKlient", u"Контрагенти", u"KLIENT.TXT", u"KlientTable").paddedTexts = false;
    add(u"cParagraf", u"Параграфи", u"PARAGRAF.TXT", u"ParagrafTable").paddedTexts = false;
    add(u"cPKO", u"Приходен касов ордер", u"PKO.TXT", u"PKOTable");
    add(u"cRKO", u"Разходен касов ордер", u"RKO.TXT", u"RKOTable");
    add(u"cPLNM", u"Преводно нареждане в чуждестранна валута", u"PLNM.TXT", u"PlnMTable").textDate =
        pDate;
    add(u"cBuy", u"Нареждане за покупка/продажба на валута", u"Buy.TXT", u"BuyTable");
    add(u"cKom", u"Заповед за командировка", u"KOM.TXT", u"KomandTable").keyInFile = true;
    return k;
}

}  // namespace

const QList<TransferKind> &transferKinds()
{
    static const QList<TransferKind> kinds = buildKinds();
    return kinds;
}

int transferKindIndex(const QString &name)
{
    const auto &kinds = transferKinds();
    for (int i = 0; i < kinds.size(); ++i)
        for (const QString *n : {&kinds[i].box, &kinds[i].fileName, &kinds[i].table})
            if (n->compare(name, Qt::CaseInsensitive) == 0)
                return i;
    return -1;
}

}  // namespace remitor
