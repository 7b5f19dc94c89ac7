#include "reports/reports_base.h"

#include "documents/workflow.h"
#include "rules/dates.h"
#include "store/maintenance.h"
#include "store/store.h"

#include <sqlite3.h>
#include <QRegularExpression>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

ReportSide side(const QString &name, const QString &account = {})
{
    return {name, account};
}

// The texts of the three windows, as the users know them (their spellings
// included). The kinds after the sixth option, the tenth button and the
// ninth check box are offered by the same routines.
QList<ReportsKind> build()
{
    QList<ReportsKind> k;

    ReportsKind plnB;
    plnB.kind = u"PlnB"_s;
    plnB.option = 1;
    plnB.optionCaption = u"Преводно Нареждане от/към Бюджета"_s;
    plnB.title = u"СПРАВКА (Платежно Нареждане от/към Бюджета)"_s;
    plnB.payee = side(u"Poluchatel"_s, u"IBANp"_s);
    plnB.payer = side(u"Nareditel"_s, u"IBANn"_s);
    plnB.signature = u"podpis1"_s;
    plnB.button = 1;
    plnB.buttonPlace = 1;
    plnB.buttonCaption = u"Платежно Нареждане от/към Бюджета"_s;
    plnB.searchKind = 20;
    plnB.confirm = u"Изтрива: Платежно Нареждане от/към Бюджета No:"_s;
    plnB.done = u"Платежно Нареждане от/към Бюджета "_s;
    plnB.ending = u" е изтрито."_s;
    plnB.check = 1;
    plnB.checkCaption = u"Преводно Нареждане от/към Бюджета"_s;
    k << plnB;

    ReportsKind bpln;
    bpln.kind = u"BPln"_s;
    bpln.option = 2;
    bpln.optionCaption = u"Бюджетно Платежно Нареждане"_s;
    bpln.title = u"СПРАВКА (Бюджетно Платежно Нареждане)"_s;
    bpln.payee = side(u"Poluchatel"_s, u"IBANp"_s);
    // The organisation pays from its budget code, which stands in the account column.
    bpln.payer = side(u"Nareditel"_s, u"budjetKod"_s);
    bpln.signature = u"podpis2"_s;
    bpln.button = 2;
    bpln.buttonPlace = 3;
    bpln.buttonCaption = u"Бюджетно Платежно Нареждане"_s;
    bpln.searchKind = 21;
    bpln.confirm = u"Изтрива: Бюджетно Платежно Нареждане No:"_s;
    bpln.done = u"Бюджетно Платежно Нареждане "_s;
    bpln.ending = u" е изтрито."_s;
    bpln.check = 2;
    bpln.checkCaption = u"Бюджетно Платежно Нареждане"_s;
    k << bpln;

    ReportsKind pln;
    pln.kind = u"Pln"_s;
    pln.option = 3;
    pln.optionCaption = u"Преводно Нареждане за Кредитен Превод"_s;
    pln.title = u"СПРАВКА (Платежно Нареждане за Кредитен Превод)"_s;
    pln.payee = side(u"Poluchatel"_s, u"IBANp"_s);
    pln.payer = side(u"Nareditel"_s, u"IBANn"_s);
    pln.signature = u"podpis3"_s;
    pln.button = 3;
    pln.buttonPlace = 4;
    pln.buttonCaption = u"Платежно Нареждане за Кредитет Превод"_s;
    pln.searchKind = 22;
    pln.confirm = u"Изтрива: Платежно Нареждане за Кредитет Превод No:"_s;
    pln.done = u"Платежно Нареждане за Кредитет Превод "_s;
    pln.ending = u" е изтрито."_s;
    pln.check = 3;
    pln.checkCaption = u"Преводно Нареждане за Кредитет Превод"_s;
    k << pln;

    ReportsKind isk;
    isk.kind = u"Isk"_s;
    isk.option = 4;
    isk.optionCaption = u"Преводно Нареждане за Директен Дебит"_s;
    isk.title = u"СПРАВКА (Платежно Нареждане за Директен Дебит)"_s;
    isk.payerLabel = u"ПЛАТЕЦ: "_s;
    // On this form IBANp is the payer's account and IBANn the payee's:
    // each name goes with its own account.
    isk.payee = side(u"Poluchatel"_s, u"IBANn"_s);
    isk.payer = side(u"Platec"_s, u"IBANp"_s);
    isk.signature = u"podpis4"_s;
    isk.button = 4;
    isk.buttonPlace = 5;
    isk.buttonCaption = u"Платежно Нареждане за Директен Дебит"_s;
    isk.searchKind = 23;
    isk.confirm = u"Изтрива: Платежно Нареждане за Директен Дебит No:"_s;
    isk.done = u"Платежно Нареждане за Директен Дебит "_s;
    isk.ending = u" е изтрито."_s;
    isk.check = 4;
    isk.checkCaption = u"Преводно Нареждане за Директен Дебит"_s;
    k << isk;

    ReportsKind vnos;
    vnos.kind = u"Vnos"_s;
    vnos.option = 5;
    vnos.optionCaption = u"Вносна Бележка"_s;
    vnos.title = u"СПРАВКА (Вносна Бележка)"_s;
    vnos.partyLine = false;
    // The slip has one account, the holder's: both parties are found by it.
    vnos.payee = side(u"Bankap"_s, u"IBANp"_s);
    vnos.payer = side(u"Nareditel"_s, u"IBANp"_s);
    vnos.column = side(u"Bankap"_s, u"IBANp"_s);
    vnos.bankHeader = true;
    vnos.signature = u"podpis5"_s;
    vnos.button = 5;
    vnos.buttonPlace = 7;
    vnos.buttonCaption = u"Вносна Бележка"_s;
    vnos.searchKind = 24;
    vnos.confirm = u"Изтрива: Вносна Бележка No:"_s;
    vnos.done = u"Вносна Бележка"_s;
    vnos.ending = u" е изтрита."_s;
    vnos.check = 5;
    vnos.checkCaption = u"Вносна Бележка"_s;
    k << vnos;

    ReportsKind raz;
    raz.kind = u"Raz"_s;
    raz.option = 6;
    raz.optionCaption = u"Нареждане-Разписка"_s;
    raz.title = u"СПРАВКА (Нареждане-Разписка)"_s;
    raz.partyLine = false;
    // Its one account is the ordering holder's (IBANn); the person who
    // collects the cash has none.
    raz.payee = side(u"Poluchatel"_s, u"IBANn"_s);
    raz.payer = side(u"Nareditel"_s, u"IBANn"_s);
    raz.column = side(u"Nareditel"_s, u"IBANn"_s);
    raz.filterFirstScopeOnly = true;
    raz.signature = u"podpis6"_s;
    raz.button = 6;
    raz.buttonPlace = 8;
    raz.buttonCaption = u"Нареждане-Разписка"_s;
    raz.searchKind = 25;
    raz.confirm = u"Изтрива: Нареждане-Разписка No:"_s;
    raz.done = u"Нареждане-Разписка"_s;
    raz.ending = u" е изтрита."_s;
    raz.check = 6;
    raz.checkCaption = u"Нареждане-Разписка"_s;
    k << raz;

    ReportsKind pko;
    pko.kind = u"PKO"_s;
    pko.option = 7;
    pko.optionCaption = u"Приходен Касов Ордер"_s;
    pko.title = u"СПРАВКА (Приходен Касов Ордер)"_s;
    pko.payerLabel = u"ВНОСИТЕЛ: "_s;
    pko.payee = side(u"Firma"_s);
    pko.payer = side(u"Vnositel"_s);
    pko.signature = u"podpis7"_s;
    pko.button = 7;
    pko.buttonPlace = 9;
    pko.buttonCaption = u"Приходен Касов Ордер"_s;
    pko.searchKind = 26;
    pko.confirm = u"Изтрива: Приходен Касов Ордер No:"_s;
    pko.done = u"Приходен Касов Ордер"_s;
    pko.ending = u" е изтрит."_s;
    pko.check = 7;
    pko.checkCaption = u"Приходен Касов Ордер"_s;
    k << pko;

    ReportsKind rko;
    rko.kind = u"RKO"_s;
    rko.option = 8;
    rko.optionCaption = u"Разходен Касов Ордер"_s;
    rko.title = u"СПРАВКА (Разходен Касов Ордер)"_s;
    rko.payee = side(u"Poluchatel"_s);
    rko.payer = side(u"Firma"_s);
    rko.signature = u"podpis8"_s;
    rko.button = 8;
    rko.buttonPlace = 10;
    rko.buttonCaption = u"Разходен Касов Ордер"_s;
    rko.searchKind = 27;
    rko.confirm = u"Изтрива: Разходен  Касов Ордер No:"_s;
    rko.done = u"Разходен  Касов Ордер"_s;
    rko.ending = u" е изтрит."_s;
    rko.check = 8;
    rko.checkCaption = u"Разходен Касов Ордер"_s;
    k << rko;

    ReportsKind plnB4;
    plnB4.kind = u"PlnB4"_s;
    plnB4.option = 9;
    plnB4.optionCaption = u"Преводно Нареждане от/към Бюджета - 4"_s;
    plnB4.title = u"СПРАВКА (Платежно Нареждане4 от/към Бюджета)"_s;
    plnB4.payee = side(u"Poluchatel"_s, u"IBANp"_s);
    plnB4.payer = side(u"Nareditel"_s, u"IBANn"_s);
    plnB4.signature = u"podpis9"_s;
    plnB4.button = 9;
    plnB4.buttonPlace = 2;
    plnB4.buttonCaption = u"Платежно Нареждане4 от/към Бюджета"_s;
    plnB4.searchKind = 28;
    plnB4.confirm = u"Изтрива: Платежно Нареждане4 за Бюджета No:"_s;
    plnB4.done = u"Платежно Нареждане4 за Бюджета "_s;
    plnB4.ending = u" е изтрито."_s;
    plnB4.check = 9;
    plnB4.checkCaption = u"Преводно Нареждане4 от/към Бюджета"_s;
    k << plnB4;

    ReportsKind plnM;
    plnM.kind = u"PlnM"_s;
    plnM.option = 10;
    plnM.optionCaption = u"Платежно Нареждане за Превод във валута"_s;
    plnM.title = u"СПРАВКА (Платежно Нареждане за Превод във Валута)"_s;
    plnM.payee = side(u"Poluchatel"_s, u"IBANp"_s);
    plnM.payer = side(u"Nareditel"_s, u"IBANn"_s);
    // A transfer like the credit transfer, signed alike.
    plnM.signature = u"podpis3"_s;
    plnM.button = 10;
    plnM.buttonPlace = 6;
    plnM.buttonCaption = u"Платежно Нареждане за Превод във валута"_s;
    plnM.searchKind = 29;
    plnM.confirm = u"Изтрива: Платежно Нареждане за Кредитен превод във валута No:"_s;
    plnM.done = u"Платежно Нареждане за кредитен превод във валута "_s;
    plnM.ending = u" е изтрито."_s;
    plnM.check = 10;
    plnM.checkCaption = u"Платежно Нареждане за Превод във валута"_s;
    k << plnM;

    // In the order of the kind table; only kinds it gives a reports table.
    QList<ReportsKind> ordered;
    for (const KindDescriptor &d : documentKinds())
        for (const ReportsKind &r : k)
            if (r.kind == d.id && d.reportsTableDef())
                ordered << r;
    return ordered;
}

}  // namespace

const QList<ReportsKind> &reportsKinds()
{
    static const QList<ReportsKind> kinds = build();
    return kinds;
}

const ReportsKind *reportsKindOf(const QString &kindId)
{
    for (const ReportsKind &k : reportsKinds())
        if (k.kind == kindId)
            return &k;
    return nullptr;
}

std::optional<Table> OpenSprTable(Store &store, const ReportsKind &kind)
{
    if (!CreateSprBase(store))
        return std::nullopt;
    return store.table(kind.table());
}

std::optional<Record> ReadSprRecord(Store &store, const ReportsKind &kind, qint64 kod)
{
    auto table = OpenSprTable(store, kind);
    const auto row = table ? table->find(kod) : std::nullopt;
    if (!row)
        return std::nullopt;
    return ConvertRecord(*row, kind.descriptor().tableDef());
}

bool WriteSprRecord(Store &store, const ReportsKind &kind, const Record &record)
{
    Record copy = ConvertRecord(record, kind.table());
    if (copy.key() == 0)
        copy.setKey(1);
    auto table = OpenSprTable(store, kind);
    return table && table->save(copy);
}

qint64 FirstFreeSprKod(Store &store, const ReportsKind &kind)
{
    if (!CreateSprBase(store))
        return 0;
    return NextFreeKodReports(store, kind.descriptor().reportsCode);
}

bool ReindexSprTable(Store &store, const ReportsKind &kind)
{
    if (!CreateSprBase(store))
        return false;
    auto db = store.open(DbKind::Reports);
    return db && RebuildIndexes(store, *db, kind.table(), true);
}

// ---- stored dates -----------------------------------------------------------

namespace {

constexpr std::array<const char16_t *, 12> kMonths = {
    u"ЯНУ", u"ФЕВ", u"МАР", u"АПР", u"МАЙ", u"ЮНИ", u"ЮЛИ", u"АВГ", u"СЕП", u"ОКТ", u"НОЕ", u"ДЕК"};

// A date with the month in letters, as users type it into the free-text
// date: "5 януари 2010", "05-ЯНУ-10", "5 януари 2010 година".
QDate dateWithMonthName(const QString &text)
{
    static const QRegularExpression re(
        u"^(\\d{1,2})[\\s./-]*(\\p{L}{3,})\\.?[\\s./-]*(\\d{2}|\\d{4})(?!\\d)"_s);
    const auto m = re.match(text);
    if (!m.hasMatch())
        return {};
    const QString month = m.captured(2).left(3).toUpper();
    for (size_t i = 0; i < kMonths.size(); ++i) {
        if (month != QStringView(kMonths[i]))
            continue;
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            year += year < 30 ? 2000 : 1900;  // the window of the typed dates
        return QDate(year, int(i) + 1, m.captured(1).toInt());
    }
    return {};
}

}  // namespace

StoredDate ReadStoredDate(const QString &text)
{
    StoredDate d;
    d.text = text.trimmed();
    if (d.text.isEmpty())
        return d;
    d.date = MonthTextToDate(d.text);
    if (!d.date.isValid())
        d.date = DateFromText(NormalizeDateText(QString(d.text)));  // the copy: it is rewritten
    if (!d.date.isValid())
        d.date = dateWithMonthName(d.text);
    d.status = d.date.isValid() ? StoredDate::Status::Read : StoredDate::Status::Unreadable;
    return d;
}

// ---- reading the copies ---------------------------------------------------------

CopyReader::CopyReader(Database &db, const TableDef &table, const QStringList &columns) : m_db(db)
{
    const auto present = db.columns(table.name);
    const auto column = [&present](const QString &name) {
        for (const auto &c : present)
            if (!name.isEmpty() && c.name.compare(name, Qt::CaseInsensitive) == 0)
                return quoted(name);
        return u"NULL"_s;
    };
    const FieldDef *date = table.field(table.dateField);
    m_dateIsText = date && date->type == FieldType::Text;
    QStringList select{u"rowid"_s, column(table.keyField), column(table.dateField)};
    for (const QString &c : columns) select << column(c);
    const QByteArray sql =
        (u"SELECT "_s + select.join(u", "_s) + u" FROM "_s + quoted(table.name)).toUtf8();
    m_rc = sqlite3_prepare_v2(db.handle(), sql.constData(), int(sql.size()), &m_stmt, nullptr);
    if (m_rc != SQLITE_OK)
        db.reportError({m_rc, QString::fromUtf8(sqlite3_errmsg(db.handle()))});
}

CopyReader::~CopyReader()
{
    sqlite3_finalize(m_stmt);
}

bool CopyReader::next()
{
    if (!m_stmt)
        return false;
    m_rc = sqlite3_step(m_stmt);
    if (m_rc != SQLITE_ROW && m_rc != SQLITE_DONE)
        m_db.reportError({m_rc, QString::fromUtf8(sqlite3_errmsg(m_db.handle()))});
    return m_rc == SQLITE_ROW;
}

bool CopyReader::failed() const
{
    return !m_stmt || (m_rc != SQLITE_ROW && m_rc != SQLITE_DONE);
}

qint64 CopyReader::rowId() const
{
    return sqlite3_column_int64(m_stmt, 0);
}

qint32 CopyReader::number() const
{
    return qint32(sqlite3_column_int64(m_stmt, 1));
}

const StoredDate &CopyReader::date() const
{
    static const StoredDate none;
    if (sqlite3_column_type(m_stmt, 2) == SQLITE_NULL)
        return none;
    // The copies of one day share a few texts: each is read once.
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, 2));
    const QByteArray stored = QByteArray::fromRawData(p, sqlite3_column_bytes(m_stmt, 2));
    if (const auto it = m_dates.constFind(stored); it != m_dates.constEnd())
        return *it;
    const QString text = QString::fromUtf8(stored);
    StoredDate d;
    // A date column holds "yyyy-MM-dd"; a text another tool put there is
    // read like the dates kept as text.
    if (const QDate date = m_dateIsText ? QDate() : dateFromStorage(text); date.isValid())
        d = {StoredDate::Status::Read, date, text.trimmed()};
    else
        d = ReadStoredDate(text);
    return *m_dates.insert(QByteArray(stored.constData(), stored.size()), d);
}

QByteArrayView CopyReader::bytes(int i) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, 3 + i));
    return p ? QByteArrayView(p, sqlite3_column_bytes(m_stmt, 3 + i)) : QByteArrayView();
}

QString CopyReader::text(int i) const
{
    return QString::fromUtf8(bytes(i));
}

Money CopyReader::money(int i) const
{
    const int c = 3 + i;
    switch (sqlite3_column_type(m_stmt, c)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return Money::fromRaw(sqlite3_column_int64(m_stmt, c));
    case SQLITE_TEXT: {
        const QByteArrayView t = bytes(i);
        if (!t.contains('.') && !t.contains('e') && !t.contains('E'))
            return Money::fromRaw(sqlite3_column_int64(m_stmt, c));
        break;
    }
    default: break;
    }
    // Whole ten-thousandths; a real number only from a file another tool wrote.
    return Money::fromRaw(std::llround(sqlite3_column_double(m_stmt, c) * Money::Scale));
}

QByteArrayView TrimmedBytes(QByteArrayView bytes)
{
    return bytes.trimmed();
}

}  // namespace remitor
