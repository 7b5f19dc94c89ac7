#include "reports/report.h"

#include "base/interaction.h"
#include "rules/dates.h"
#include "rules/formatting.h"
#include "store/store.h"

#include <QHash>
#include <QSet>
#include <algorithm>
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
    const QString name = currencies ? (bank ? u"          Банка             "_s
                                            : u"        Контрагент          "_s)
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
    QString date;      // the ten characters of the date column
    QString name;
    QString account;
    Money amount;
    QString currency;
};

qint64 orderOf(const StoredDate &d)
{
    return d.status == StoredDate::Status::Read ? d.date.toJulianDay() : LLONG_MIN;
}

QString dateColumn(const StoredDate &d)
{
    if (d.status == StoredDate::Status::Read)
        return ShortDateText(d.date);
    return d.text.left(10).leftJustified(10, u' ');  // what is there, for the user to mend
}

// A column's text on one line: control characters would break the page.
QString columnText(QString text, int width)
{
    BlankControlChars(text);
    return text.leftJustified(width, u' ', true);
}

bool sideMatches(const ReportSide &side, const QString &name, const QString &account,
                 const ReportParty &party)
{
    if (side.account.isEmpty())
        return name.trimmed() == party.name.trimmed();
    return account.trimmed() == party.account.trimmed();
}

// The running number: four places, or the whole number where it has more
// digits (cutting it would repeat the numbers of earlier lines).
QString lineNumber(int n)
{
    return n <= 9999 ? FormatSpacePadded(qint64(n), 4) : QString::number(n);
}

QStringList numbersOf(const QList<qint32> &numbers)
{
    QStringList out;
    for (qsizetype i = 0; i < numbers.size() && i < 20; ++i)
        out << QString::number(numbers[i]);
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
    const ReportSide column = kind->column.value_or(
        request.scope == ReportScope::Payer ? kind->payee : kind->payer);
    enum { PayeeName, PayeeAccount, PayerName, PayerAccount, Name, Account, Amount, Currency };
    CopyReader rows(table->db(), table->def(),
                    {kind->payee.name, kind->payee.account, kind->payer.name, kind->payer.account,
                     column.name, column.account, d.amountField, d.currencyField});
    const qint64 all = table->count();
    const bool bounded = request.from.isValid() || request.to.isValid();

    QList<Line> lines;
    qint64 read = 0;
    while (rows.next()) {
        if (progress && ++read % kProgressStep == 0)
            progress(read, all);
        const bool payee = sideMatches(kind->payee, rows.text(PayeeName), rows.text(PayeeAccount),
                                       request.payee);
        if (kind->filterFirstScopeOnly) {
            if (request.scope == ReportScope::PayeeAndPayer && !payee)
                continue;
        } else {
            const auto payer = [&] {
                return sideMatches(kind->payer, rows.text(PayerName), rows.text(PayerAccount),
                                   request.payer);
            };
            if ((request.scope == ReportScope::PayeeAndPayer && !(payee && payer())) ||
                (request.scope == ReportScope::Payee && !payee) ||
                (request.scope == ReportScope::Payer && !payer()))
                continue;
        }
        const StoredDate date = rows.date();
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
        lines.append({orderOf(date), rows.number(), dateColumn(date), rows.text(Name),
                      rows.text(Account), rows.money(Amount), rows.text(Currency).trimmed().toUpper()});
    }
    if (rows.failed())
        return report;
    if (progress)
        progress(all, all);
    std::sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) {
        return a.order != b.order ? a.order < b.order : a.number < b.number;
    });

    // One total per currency; the lines name their currency only when
    // there is more than one.
    QHash<QString, CurrencyTotal> totals;
    for (const Line &l : lines) {
        CurrencyTotal &t = totals[l.currency];
        t.currency = l.currency;
        t.total += l.amount;
        ++t.documents;
    }
    QStringList codes = totals.keys();
    std::sort(codes.begin(), codes.end(), [](const QString &a, const QString &b) {
        return a.isEmpty() != b.isEmpty() ? b.isEmpty() : a < b;  // no currency last
    });
    for (const QString &c : codes)
        report.totals << totals.value(c);
    const bool several = codes.size() > 1;
    const auto tag = [several](const QString &currency) {
        return several ? u' ' + currency.leftJustified(3, u' ', true) : QString();
    };
    const QString separator = ReportSeparator();
    const int nameWidth = several ? 26 : 30;

    QString head = u"\n\n"_s + kIndent + kind->title +
                   (bounded ? u" от "_s + request.fromText + u" до "_s + request.toText
                            : u" обща"_s) +
                   u'\n';
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
        const QString label = !several              ? u"Всичко:"_s
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
    QString page = head;
    int used = headLines;
    qsizetype lastLine = -1;
    int n = 0;
    for (const Line &l : std::as_const(lines)) {
        if (used + 1 > capacity && used > headLines) {
            report.pages << page;
            page = head;
            used = headLines;
        }
        lastLine = page.size();
        page += kIndent + lineNumber(++n) + u" : "_s + l.date + u" : "_s + columnText(l.name, nameWidth) +
                u" : "_s + columnText(l.account, 22) + u" : "_s + FormatSpacePadded(l.amount, 12, 2) +
                tag(l.currency) + u'\n';
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
        entries.append({orderOf(rows.date()), rows.number(),
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
