#include "cash/cash_reports.h"

#include "rules/dates.h"
#include "rules/euro.h"
#include "rules/formatting.h"
#include "store/national_currency.h"
#include "store/store.h"

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// One row of the book as the reports read it; the date stays in its stored
// ISO form, which orders as the dates do (no date: empty, before all).
struct Entry {
    qint32 key = 0;
    QString number;
    QString isoDate;
    QString note;
    Money in, out;
};

QString iso(const QDate &d)
{
    return dateToStorage(d);
}

const QString &changeoverIso()
{
    static const QString text = iso(EuroChangeoverDate());
    return text;
}

CashCurrency currencyOf(const QString &isoDate)
{
    return !isoDate.isEmpty() && isoDate >= changeoverIso() ? CashCurrency::Euro
                                                            : CashCurrency::Leva;
}

// Every row dated up to `to` (and every row without a date), in the order
// of the book or, `byDate`, of the dates (rows of one date in the book's).
void scanBook(Store &store, const QDate &to, const std::function<void(const Entry &)> &visit,
              bool byDate = false)
{
    auto t = store.table(CashBookTable());
    if (!t)
        return;
    Statement st = t->db().prepare(
        u"SELECT kod, DocNo, DocDate, Note, Prihod, Razhod FROM KasaTable "
        "WHERE DocDate IS NULL OR DocDate <= ?1 ORDER BY "_s +
        (byDate ? u"DocDate, kod"_s : u"kod"_s));
    st.bind(1, iso(to));
    Entry e;
    while (st.next()) {
        e.key = qint32(st.integer(0));
        e.number = st.text(1);
        e.isoDate = st.text(2);
        e.note = st.text(3);
        e.in = Money::fromRaw(st.integer(4));
        e.out = Money::fromRaw(st.integer(5));
        visit(e);
    }
}

// The sections of a period, empty; the leva one first.
QList<CashSection> sectionsOf(const QDate &from, const QDate &to)
{
    QList<CashSection> out;
    if (!from.isValid() || !to.isValid() || to < from)
        return out;
    const QDate euro = EuroChangeoverDate();
    const auto section = [](CashCurrency c, const QDate &a, const QDate &b) {
        CashSection s;
        s.currency = c;
        s.from = a;
        s.to = b;
        return s;
    };
    if (from < euro)
        out.append(section(CashCurrency::Leva, from, std::min(to, euro.addDays(-1))));
    if (to >= euro)
        out.append(section(CashCurrency::Euro, std::max(from, euro), to));
    return out;
}

CashSection *sectionFor(QList<CashSection> &sections, CashCurrency c)
{
    for (CashSection &s : sections)
        if (s.currency == c)
            return &s;
    return nullptr;
}

// Whether a row counts towards the opening balance of its section, which
// begins on `fromIso`.
bool opens(const Entry &e, const QString &fromIso)
{
    return e.isoDate < fromIso || IsBalanceRow(e.note);
}

// The leva balance goes into the euro opening once, converted as a whole.
void carryLeva(QList<CashSection> &sections, Money leva, bool any)
{
    CashSection *euro = sectionFor(sections, CashCurrency::Euro);
    if (!euro || !any)
        return;
    euro->carriesLeva = true;
    euro->levaCarried = leva;
    euro->opening += LevaToEuro(leva);
}

const QString kRule = QString(27, QChar(0x2014));  // "—", code 151 of the old code page

QString amount12(Money m)
{
    return FormatSpacePadded(m, 12, 2);
}

QString periodText(const CashSection &s)
{
    return ShortDateText(s.from) + u" до "_s + ShortDateText(s.to);
}

QString currencyLine(CashCurrency c)
{
    return c == CashCurrency::Euro ? u"в евро"_s : u"в лева"_s;
}

QString carryText(const CashSection &s)
{
    return u"Салдо "_s + MoneyText(s.levaCarried) + u" лв. по курс "_s +
           QString::fromUtf16(EuroRateText);
}

// A fixed-width table cell: a text cut or padded, an amount right-aligned.
QString cell(const QString &text, int width)
{
    return u' ' + text.left(width).leftJustified(width) + u' ';
}

QString amountCell(Money m)
{
    return amount12(m) + u' ';
}

}  // namespace

QList<CashSection> CashTurnover(Store &store, const QDate &from, const QDate &to)
{
    QList<CashSection> sections = sectionsOf(from, to);
    if (sections.isEmpty())
        return sections;
    CashSection *leva = sectionFor(sections, CashCurrency::Leva);
    CashSection *euro = sectionFor(sections, CashCurrency::Euro);
    const QString levaFrom = leva ? iso(leva->from) : QString();
    const QString euroFrom = euro ? iso(euro->from) : QString();
    Money levaAll;
    bool anyLeva = false;
    scanBook(store, to, [&](const Entry &e) {
        const bool isEuro = currencyOf(e.isoDate) == CashCurrency::Euro;
        if (!isEuro) {
            levaAll += e.in - e.out;
            anyLeva = true;
        }
        CashSection *s = isEuro ? euro : leva;
        if (!s)
            return;  // leva rows before a euro period: carried as one balance
        if (opens(e, isEuro ? euroFrom : levaFrom)) {
            s->opening += e.in - e.out;
        } else {
            s->receipts += e.in;
            s->disbursements += e.out;
        }
    });
    carryLeva(sections, levaAll, anyLeva);
    return sections;
}

QString CashTurnoverText(const QList<CashSection> &sections)
{
    QStringList blocks;
    for (const CashSection &s : sections) {
        QStringList l;
        l << QString() << u"       Касов оборот"_s << u"   от "_s + periodText(s)
          << u"   "_s + currencyLine(s.currency) << u"   "_s + kRule;
        if (s.carriesLeva)
            l << u"   "_s + carryText(s);
        l << u"       Салдо  "_s + amount12(s.opening) << u"       Приход "_s + amount12(s.receipts)
          << u"       Разход "_s + amount12(s.disbursements) << u"   "_s + kRule
          << u"       Остатък"_s + amount12(s.closing());
        blocks << l.join(u'\n');
    }
    return blocks.join(u'\n') + u'\n';
}

namespace {

const QString kJournalHead =
    u"|  No  | Документ No |    Дата    |         НАИМЕНОВАНИЕ           |    Приход   |    Разход   |"_s;
const QString kJournalRule =
    u"|------|-------------|------------|--------------------------------|-------------|-------------|"_s;
const QString kListHead =
    u"|  No | ПКО No |    Дата    |      Вносител/Получател        |    Приход   |    Разход   |"_s;
const QString kListRule =
    u"|-----|--------|------------|--------------------------------|-------------|-------------|"_s;

QString dateOfIso(const QString &isoDate)
{
    // "2026-01-05" → "05.01.2026"; no date: ten blanks, as the forms have it.
    if (isoDate.size() != 10)
        return QString(10, u' ');
    return isoDate.mid(8, 2) + u'.' + isoDate.mid(5, 2) + u'.' + isoDate.left(4);
}

// A line whose label fills the columns left of the amounts.
QString sumLine(const QString &label, int width, Money in, Money out)
{
    return label.leftJustified(width) + u'|' + amountCell(in) + u'|' + amountCell(out) + u'|';
}

constexpr int kJournalLabel = 67;  // up to the receipt column's bar
constexpr int kListLabel = 61;

struct JournalSection {
    CashSection totals;
    QString fromIso;
    QStringList lines;
    Money listedIn, listedOut;
};

}  // namespace

QString CashJournalText(Store &store, const QDate &from, const QDate &to, const QString &search)
{
    QList<CashSection> sections = sectionsOf(from, to);
    QList<JournalSection> parts;
    for (const CashSection &s : sections) parts.append({s, iso(s.from), {}, {}, {}});
    const auto partFor = [&parts](CashCurrency c) -> JournalSection * {
        for (JournalSection &p : parts)
            if (p.totals.currency == c)
                return &p;
        return nullptr;
    };
    const QString wanted = search.trimmed();
    Money levaAll;
    bool anyLeva = false;
    int running = 0;
    scanBook(
        store, to,
        [&](const Entry &e) {
            const CashCurrency c = currencyOf(e.isoDate);
            if (c == CashCurrency::Leva) {
                levaAll += e.in - e.out;
                anyLeva = true;
            }
            JournalSection *p = partFor(c);
            if (!p)
                return;
            if (opens(e, p->fromIso)) {
                p->totals.opening += e.in - e.out;
                return;
            }
            p->totals.receipts += e.in;
            p->totals.disbursements += e.out;
            if (!wanted.isEmpty() && !e.note.contains(wanted, Qt::CaseInsensitive))
                return;
            p->listedIn += e.in;
            p->listedOut += e.out;
            p->lines << u'|' + QString::number(++running).rightJustified(5) + u' ' + u'|' + u' ' +
                            e.number.trimmed().left(12).leftJustified(12) + u'|' +
                            cell(dateOfIso(e.isoDate), 10) + u'|' + cell(e.note.trimmed(), 30) +
                            u'|' + amountCell(e.in) + u'|' + amountCell(e.out) + u'|';
        },
        true);
    if (!parts.isEmpty()) {
        QList<CashSection> totals;
        for (const JournalSection &p : parts) totals << p.totals;
        carryLeva(totals, levaAll, anyLeva);
        for (int i = 0; i < parts.size(); ++i) parts[i].totals = totals[i];
    }

    QStringList out;
    for (const JournalSection &p : parts) {
        const CashSection &s = p.totals;
        out << u"ДНЕВНИК НА КАСАТА от "_s + periodText(s) << currencyLine(s.currency);
        if (!wanted.isEmpty())
            out << u"Текст: "_s + wanted;
        out << kJournalHead << kJournalRule;
        const QString blank = u"|      |             |            |"_s;
        if (wanted.isEmpty()) {
            if (s.carriesLeva)
                out << blank + cell(u"Салдо "_s + MoneyText(s.levaCarried) + u" лв. в евро"_s, 30) +
                           u'|' + amountCell({}) + u'|' + amountCell({}) + u'|';
            out << blank + cell(u"Салдо"_s, 30) + u'|' + amountCell(s.opening) + u'|' +
                       amountCell({}) + u'|';
        }
        out << p.lines << kJournalRule;
        out << sumLine(u" Всичко:"_s, kJournalLabel, p.listedIn, p.listedOut);
        if (wanted.isEmpty())
            out << sumLine(u"Остатък:"_s, kJournalLabel, s.closing(), {});
        out << QString();
    }
    return out.join(u'\n');
}

QString CashDocumentListText(Store &store, const QDate &from, const QDate &to)
{
    struct Order {
        QString isoDate;
        bool receipt;
        qint64 number;
        QString party;
        Money amount;
    };
    QList<Order> orders;
    for (const bool receipt : {true, false}) {
        const QString table = receipt ? u"PKOTable"_s : u"RKOTable"_s;
        auto t = store.table(DbKind::Main, table);
        if (!t)
            continue;
        Statement st = t->db().prepare(
            u"SELECT %1, pDate, %2, suma FROM %3 WHERE pDate BETWEEN ?1 AND ?2"_s.arg(
                receipt ? u"PKOno"_s : u"RKOno"_s, receipt ? u"Vnositel"_s : u"Poluchatel"_s,
                table));
        st.bind(1, iso(from));
        st.bind(2, iso(to));
        while (st.next())
            orders.append(
                {st.text(1), receipt, st.integer(0), st.text(2), Money::fromRaw(st.integer(3))});
    }
    std::stable_sort(orders.begin(), orders.end(), [](const Order &a, const Order &b) {
        if (a.isoDate != b.isoDate)
            return a.isoDate < b.isoDate;
        if (a.receipt != b.receipt)
            return a.receipt;
        return a.number < b.number;
    });

    QStringList out;
    int running = 0;
    for (const CashSection &s : sectionsOf(from, to)) {
        out << u"СПИСЪК НА КАСОВИТЕ ДОКУМЕНТИ от "_s + periodText(s) << currencyLine(s.currency)
            << kListHead << kListRule;
        Money in, outSum;
        for (const Order &o : orders) {
            if (currencyOf(o.isoDate) != s.currency)
                continue;
            const Money inHere = o.receipt ? o.amount : Money();
            const Money outHere = o.receipt ? Money() : o.amount;
            in += inHere;
            outSum += outHere;
            out << u'|' + QString::number(++running).rightJustified(4) + u' ' + u'|' +
                       QString::number(o.number).rightJustified(7) + u' ' + u'|' +
                       cell(dateOfIso(o.isoDate), 10) + u'|' + cell(o.party.trimmed(), 30) + u'|' +
                       amountCell(inHere) + u'|' + amountCell(outHere) + u'|';
        }
        out << kListRule << sumLine(u" Всичко:"_s, kListLabel, in, outSum) << QString();
    }
    return out.join(u'\n');
}

}  // namespace remitor
