#include "reports/report.h"

#include "base/interaction.h"
#include "rules/dates.h"
#include "rules/formatting.h"
#include "store/store.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <climits>

using namespace Qt::StringLiterals;

namespace remitor {

QString ReportSeparator(int width)
{
    return QString(width, QChar(0x2014));  // the em dash, 151 in code page 1251
}

QString ReportColumnHeader(bool bank, bool currencies)
{
    // With a currency column the name column gives it four places, so that
    // a line still fits the paper at the viewer's 10 points.
    const QString name =
        currencies ? (bank ? u"          Банка             "_s : u"        Контрагент          "_s)
                   : (bank ? u"            Банка               "_s
                           : u"          Контрагент            "_s);
    return u" No: :    Дата    :"_s + name + u":          IBAN          :     Сума    "_s +
           (currencies ? u" Вал"_s : QString());
}

namespace {

const QString kIndent = QString(ReportIndentWidth, u' ');
// Where the total's figures end, counted after the indent: under the amounts.
constexpr int kTotalLabelWidth = 77;
constexpr int kProgressStep = 2048;

// One copy that the report lists.
struct Line {
    qint64 order = 0;  // the day of its date; undated copies first
    qint32 number = 0;
    QString dateText;  // what is stored, for a date that cannot be read
    QString name;
    QString account;
    Money amount;
    QString currency;
};

qint64 orderOf(const StoredDate &d)
{
    return d.status == StoredDate::Status::Read ? d.date.toJulianDay() : LLONG_MIN;
}

// One line of the report, put together in a buffer and added to its page
// at once: a report of a hundred thousand copies is built while the user
// waits.
class LineWriter {
public:
    void put(char16_t c)
    {
        if (m_len < int(m_buf.size()))
            m_buf[size_t(m_len++)] = c;
    }
    void text(QStringView t)
    {
        for (QChar c : t) put(c.unicode());
    }
    // Cut or padded to `width`; control characters in a name would break the page.
    void column(QStringView t, qsizetype width)
    {
        for (qsizetype i = 0; i < width; ++i)
            put(i >= t.size() || t[i].unicode() < u' ' ? u' ' : t[i].unicode());
    }
    // `value` (not negative) in at least `width` places, filled on the left.
    void digits(qint64 value, int width, char16_t fill = u'0')
    {
        char16_t d[24];
        int i = 24;
        do {
            d[--i] = char16_t(u'0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (24 - i < width) d[--i] = fill;
        text(QStringView(d + i, 24 - i));
    }
    void date(const Line &l)
    {
        if (l.order == LLONG_MIN) {
            column(l.dateText, 10);  // what is there, for the user to mend
            return;
        }
        int y = 0, m = 0, d = 0;
        QDate::fromJulianDay(l.order).getDate(&y, &m, &d);
        digits(d, 2);
        put(u'.');
        digits(m, 2);
        put(u'.');
        digits(y, 4);
    }
    // The right-aligned figures of FormatSpacePadded with two decimals; the
    // rare amounts that are not positive or do not fit are left to it.
    void amount(Money value, int width)
    {
        const qint64 cents = value.scaledTo(2);
        if (cents <= 0 || cents / 100 >= kPowersOfTen[width - 3]) {
            text(FormatSpacePadded(value, width, 2));
            return;
        }
        digits(cents / 100, width - 3, u' ');
        put(u'.');
        digits(cents % 100, 2);
    }
    QStringView line() const { return QStringView(m_buf.data(), m_len); }

private:
    static constexpr qint64 kPowersOfTen[] = {1,         10,         100,         1000,
                                              10000,     100000,     1000000,     10000000,
                                              100000000, 1000000000, 10000000000, 100000000000};
    std::array<char16_t, 192> m_buf{};
    int m_len = 0;
};

QStringList numbersOf(const QList<qint32> &numbers)
{
    QStringList out;
    for (qsizetype i = 0; i < numbers.size() && i < 20; ++i) out << QString::number(numbers[i]);
    if (numbers.size() > 20)
        out << u"…"_s;
    return out;
}

QString documentsText(qsizetype n)
{
    return QString::number(n) + (n == 1 ? u" документ"_s : u" документа"_s);
}

}  // namespace

Report BuildReport(Store &store, const ReportRequest &request,
                   const std::function<void(qint64, qint64)> &progress)
{
    Report report;
    const ReportsKind *kind = reportsKindOf(request.kind);
    if (!kind)
        return report;
    auto table = OpenSprTable(store, *kind);
    if (!table)
        return report;
    const KindDescriptor &d = kind->descriptor();
    const ReportSide column =
        kind->column.value_or(request.scope == ReportScope::Payer ? kind->payee : kind->payer);
    enum { PayeeName, PayeeAccount, PayerName, PayerAccount, Name, Account, Amount, Currency };
    CopyReader rows(table->db(), table->def(),
                    {kind->payee.name, kind->payee.account, kind->payer.name, kind->payer.account,
                     column.name, column.account, d.amountField, d.currencyField});
    // The rows are read in the order of their row numbers: the highest of
    // them tells how far the reading has come, without counting them first.
    qint64 all = 0;
    if (Statement last =
            table->db().prepare(u"SELECT MAX(rowid) FROM "_s + quoted(table->def().name));
        last.next())
        all = last.integer(0);
    const bool bounded = request.from.isValid() || request.to.isValid();

    // A party is found by its account, or by its name where the kind's
    // parties have no account; the texts are compared as the engine holds
    // them, unconverted.
    const auto key = [](const ReportSide &side, const ReportParty &party) {
        return (side.account.isEmpty() ? party.name : party.account).trimmed().toUtf8();
    };
    const QByteArray payeeKey = key(kind->payee, request.payee);
    const QByteArray payerKey = key(kind->payer, request.payer);
    const auto matches = [&rows](const ReportSide &side, int nameColumn, int accountColumn,
                                 const QByteArray &party) {
        return TrimmedBytes(rows.bytes(side.account.isEmpty() ? nameColumn : accountColumn)) ==
               party;
    };
    QList<Line> lines;
    qint64 read = 0;
    QString lastCurrency;
    QByteArray lastCurrencyBytes;
    while (rows.next()) {
        if (progress && ++read % kProgressStep == 0)
            progress(std::min(rows.rowId(), all), all);
        const bool payee = matches(kind->payee, PayeeName, PayeeAccount, payeeKey);
        if (kind->filterFirstScopeOnly) {
            if (request.scope == ReportScope::PayeeAndPayer && !payee)
                continue;
        } else {
            const auto payer = [&] {
                return matches(kind->payer, PayerName, PayerAccount, payerKey);
            };
            if ((request.scope == ReportScope::PayeeAndPayer && !(payee && payer())) ||
                (request.scope == ReportScope::Payee && !payee) ||
                (request.scope == ReportScope::Payer && !payer()))
                continue;
        }
        const StoredDate &date = rows.date();
        if (bounded) {
            if (date.status == StoredDate::Status::Empty) {
                report.undated << rows.number();
                continue;
            }
            if (date.status == StoredDate::Status::Unreadable) {
                report.unreadable << rows.number();
                continue;
            }
            if ((request.from.isValid() && date.date < request.from) ||
                (request.to.isValid() && date.date > request.to))
                continue;
        }
        // One shared text for the many lines of a currency.
        if (rows.bytes(Currency) != lastCurrencyBytes) {
            lastCurrencyBytes = rows.bytes(Currency).toByteArray();
            lastCurrency = QString::fromUtf8(lastCurrencyBytes).trimmed().toUpper();
        }
        const QString &currency = lastCurrency;
        lines.append({orderOf(date), rows.number(),
                      date.status == StoredDate::Status::Read ? QString() : date.text,
                      rows.text(Name), rows.text(Account), rows.money(Amount), currency});
    }
    if (rows.failed())
        return report;
    if (progress)
        progress(all, all);
    std::sort(report.undated.begin(), report.undated.end());
    std::sort(report.unreadable.begin(), report.unreadable.end());
    std::sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) {
        return a.order != b.order ? a.order < b.order : a.number < b.number;
    });

    // One total per currency; the lines name their currency only when
    // there is more than one.
    for (const Line &l : std::as_const(lines)) {
        auto t = std::find_if(report.totals.begin(), report.totals.end(),
                              [&l](const CurrencyTotal &c) { return c.currency == l.currency; });
        if (t == report.totals.end())
            t = report.totals.insert(report.totals.end(), CurrencyTotal{l.currency, {}, 0});
        t->total += l.amount;
        ++t->documents;
    }
    std::sort(report.totals.begin(), report.totals.end(),
              [](const CurrencyTotal &a, const CurrencyTotal &b) {
                  // no currency last
                  return a.currency.isEmpty() != b.currency.isEmpty() ? b.currency.isEmpty()
                                                                      : a.currency < b.currency;
              });
    const bool several = report.totals.size() > 1;
    const auto tag = [several](const QString &currency) {
        return several ? u' ' + currency.leftJustified(3, u' ', true) : QString();
    };
    const QString separator = ReportSeparator();
    const int nameWidth = several ? 26 : 30;

    QString head =
        u"\n\n"_s + kIndent + kind->title +
        (bounded ? u" от "_s + request.fromText + u" до "_s + request.toText : u" обща"_s) + u'\n';
    int headLines = 3;
    if (kind->partyLine) {
        const bool payer = request.scope == ReportScope::Payer;
        const ReportParty &p = payer ? request.payer : request.payee;
        head += kIndent + (payer ? kind->payerLabel : kind->payeeLabel) + p.name.trimmed() +
                u"  "_s + p.account + u'\n';
        ++headLines;
    }
    head += kIndent + separator + u'\n' + kIndent + ReportColumnHeader(kind->bankHeader, several) +
            u'\n' + kIndent + separator + u'\n';
    headLines += 3;

    QString closing = kIndent + separator + u'\n';
    // An empty report still closes with "Всичко:" and a blank total.
    const QList<CurrencyTotal> shown =
        report.totals.isEmpty() ? QList<CurrencyTotal>{CurrencyTotal{}} : report.totals;
    for (const CurrencyTotal &t : shown) {
        const QString label = !several               ? u"Всичко:"_s
                              : t.currency.isEmpty() ? u"Всичко без валута:"_s
                                                     : u"Всичко "_s + t.currency + u':';
        closing += kIndent + label.leftJustified(kTotalLabelWidth - (several ? 4 : 0)) +
                   FormatSpacePadded(t.total, 13, 2) + tag(t.currency) + u'\n';
    }
    closing += u'\n' + kIndent + RightTrimmed(request.signature);
    const int closingLines = int(closing.count(u'\n')) + 1;

    // Pages hold whole lines; a page that is full starts the next with the
    // page head. The totals stay with the last line: when they do not fit
    // under it, that line goes over to a page of its own with them.
    const int capacity = std::max(request.linesPerPage, headLines + 1);
    // Each page is written into room made for it at once.
    const qsizetype room = qsizetype(capacity) * (ReportIndentWidth + ReportSeparatorWidth + 2);
    QString page = head;
    page.reserve(room);
    int used = headLines;
    qsizetype lastLine = -1;
    int n = 0;
    for (const Line &l : std::as_const(lines)) {
        if (used + 1 > capacity && used > headLines) {
            report.pages << page;
            page = head;
            page.reserve(room);
            used = headLines;
        }
        lastLine = page.size();
        // The running number in four places, or whole where it has more
        // digits: cut, it would repeat the numbers of earlier lines.
        LineWriter w;
        w.text(kIndent);
        w.digits(++n, 4, u' ');
        w.text(u" : ");
        w.date(l);
        w.text(u" : ");
        w.column(l.name, nameWidth);
        w.text(u" : ");
        w.column(l.account, 22);
        w.text(u" : ");
        w.amount(l.amount, 12);
        if (several) {
            w.put(u' ');
            w.column(l.currency, 3);
        }
        w.put(u'\n');
        page.append(w.line());
        ++used;
    }
    if (used + closingLines > capacity && used > headLines + 1 &&
        headLines + 1 + closingLines <= capacity) {
        report.pages << page.left(lastLine);
        page = head + page.mid(lastLine);
    }
    report.pages << page + closing;
    report.lines = n;
    report.ok = true;
    return report;
}

std::optional<Report> RunReport(Store &store, Interaction &ui, const ReportRequest &request,
                                const std::function<void(qint64, qint64)> &progress)
{
    if (!reportsKindOf(request.kind)) {
        ui.tell(u"Не е посочена справка."_s);
        return std::nullopt;
    }
    if (request.from.isValid() && request.to.isValid() && request.from > request.to) {
        ui.tell(u"Началната дата е след крайната."_s, Interaction::Icon::Warning);
        return std::nullopt;
    }
    Report report = BuildReport(store, request, progress);
    if (!report.ok)
        return std::nullopt;
    QStringList left;
    if (!report.undated.isEmpty())
        left << documentsText(report.undated.size()) + u" без дата (No: "_s +
                    numbersOf(report.undated).join(u", "_s) + u")."_s;
    if (!report.unreadable.isEmpty())
        left << documentsText(report.unreadable.size()) +
                    u" с дата, която не може да се прочете (No: "_s +
                    numbersOf(report.unreadable).join(u", "_s) + u")."_s;
    if (!left.isEmpty())
        ui.tell(u"Не са включени в справката за периода:\n"_s + left.join(u'\n'),
                Interaction::Icon::Warning);
    return report;
}

std::optional<QList<ReportParty>> PartyList(Store &store, Interaction &ui, const QString &kindId,
                                            bool payee)
{
    const ReportsKind *kind = reportsKindOf(kindId);
    if (!kind) {
        ui.tell(u"Не е посочена справка."_s);
        return std::nullopt;
    }
    auto table = OpenSprTable(store, *kind);
    if (!table)
        return std::nullopt;
    const ReportSide side = payee ? kind->payeeListSide() : kind->payerListSide();
    CopyReader rows(table->db(), table->def(), {side.account, side.name});
    struct Entry {
        qint64 order;
        qint32 number;
        ReportParty party;
    };
    QList<Entry> entries;
    while (rows.next())
        entries.append({orderOf(rows.date()),
                        rows.number(),
                        {rows.text(0).trimmed(), rows.text(1).trimmed()}});
    if (rows.failed())
        return std::nullopt;
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.order != b.order ? a.order < b.order : a.number < b.number;
    });
    QList<ReportParty> out;
    QSet<QString> seen;
    for (const Entry &e : std::as_const(entries)) {
        const ReportParty &p = e.party;
        if ((p.account.isEmpty() && p.name.isEmpty()) || seen.contains(p.account + u'\t' + p.name))
            continue;
        seen.insert(p.account + u'\t' + p.name);
        out << p;
    }
    if (out.isEmpty()) {
        ui.tell(u"Няма записи"_s);
        return std::nullopt;
    }
    return out;
}

}  // namespace remitor
