#include "transfer/line_format.h"

#include "rules/dates.h"
#include "transfer/code_page.h"

#include <QLocale>
#include <limits>

using namespace Qt::StringLiterals;

namespace remitor {

QString TransferAmountText(Money amount)
{
    const qint64 raw = amount.raw();
    // Counted as unsigned so that the smallest amount has a magnitude too.
    const quint64 magnitude = raw < 0 ? 0 - quint64(raw) : quint64(raw);
    QString s = QString::number(magnitude / quint64(Money::Scale));
    if (const quint64 fraction = magnitude % quint64(Money::Scale)) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0')) digits.chop(1);
        s += u'.' + digits;
    }
    return raw < 0 ? u'-' + s : s;
}

std::optional<Money> TransferAmount(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    constexpr quint64 limit = quint64(std::numeric_limits<qint64>::max());
    quint64 value = 0;
    int digits = 0;
    int decimals = -1;  // none before the point
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || decimals == 4)
            return std::nullopt;
        if (value > (limit - (c - u'0')) / 10)
            return std::nullopt;
        value = value * 10 + (c - u'0');
        ++digits;
        if (decimals >= 0)
            ++decimals;
    }
    if (digits == 0)
        return std::nullopt;
    for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d) {
        if (value > limit / 10)
            return std::nullopt;
        value *= 10;
    }
    return Money::fromRaw(negative ? -qint64(value) : qint64(value));
}

LineFormat::LineFormat(const TransferKind &kind) : m_kind(&kind), m_fields(kind.lineFields())
{
    if (!kind.textDate.isEmpty())
        m_textDate = kind.tableDef().fieldIndex(kind.textDate);
}

namespace {

QString valueText(const FieldDef &f, const Record::Value &v, bool padded)
{
    switch (f.type) {
    case FieldType::Text: {
        const QString &s = std::get<QString>(v);
        if (padded)
            return s;
        qsizetype end = s.size();
        while (end > 0 && s.at(end - 1) == u' ') --end;
        return s.left(end);
    }
    case FieldType::Int16:
    case FieldType::Int32: return QString::number(std::get<qint32>(v));
    case FieldType::Money: return TransferAmountText(std::get<Money>(v));
    case FieldType::Double: return QString::number(std::get<double>(v), 'g', 17);
    case FieldType::Date: return ShortDateText(std::get<QDate>(v));
    case FieldType::Boolean: return std::get<bool>(v) ? u"True"_s : u"False"_s;
    }
    return {};
}

bool breaksLine(QChar c)
{
    return c == u'\t' || c == u'\r' || c == u'\n';
}

}  // namespace

std::optional<LineFormat::Unwritable> LineFormat::append(const Record &record,
                                                         QByteArray &out) const
{
    const CodePage1251 &page = CodePage1251::instance();
    const TableDef &def = record.def();
    const qsizetype start = out.size();
    bool first = true;
    for (int i : m_fields) {
        const FieldDef &f = def.fields[i];
        const QString text = valueText(f, record.at(i), m_kind->paddedTexts);
        if (f.type == FieldType::Text) {
            for (const QChar c : text)
                if (breaksLine(c) || !page.canHold(c)) {
                    out.truncate(start);
                    return Unwritable{f.name, c};
                }
        }
        if (!first)
            out.append('\t');
        first = false;
        // The blanks that pad a text are most of a document's line.
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == u' ') --end;
        page.append(QStringView(text).left(end), out);
        out.append(text.size() - end, ' ');
    }
    out.append("\r\n", 2);
    return std::nullopt;
}

namespace {

bool wholeNumber(QStringView s, qint64 lo, qint64 hi, qint64 &value)
{
    bool ok = false;
    const qint64 v = s.toLongLong(&ok, 10);
    if (!ok || v < lo || v > hi)
        return false;
    value = v;
    return true;
}

// The first ten characters as day, month and year, with any characters
// that are not digits between them, as a typed date is read.
QDate dateOf(QStringView field)
{
    return DateFromText(NormalizeDateText(field.toString()));
}

}  // namespace

QString LineFormat::read(QStringView line, Record &record) const
{
    record.clear();
    const TableDef &def = record.def();
    const qsizetype count = line.count(u'\t') + 1;
    if (count > m_fields.size())
        return u"%1 полета, а записът има %2"_s.arg(count).arg(m_fields.size());
    qsizetype from = 0;
    for (qsizetype n = 0; n < count; ++n) {
        qsizetype to = line.indexOf(u'\t', from);
        if (to < 0)
            to = line.size();
        QStringView raw = line.mid(from, to - from);
        from = to + 1;
        // An empty field, or one that begins with a control code, is a blank.
        if (raw.isEmpty() || raw[0] < u' ')
            raw = u" ";
        const int i = m_fields[n];
        const FieldDef &f = def.fields[i];
        const QStringView trimmed = raw.trimmed();
        const auto notANumber = [&] {
            return u"полето %1 не е число: „%2“"_s.arg(f.name, trimmed);
        };
        switch (f.type) {
        case FieldType::Text:
            if (i == m_textDate && !trimmed.isEmpty()) {
                const QString t = trimmed.toString();
                QDate d = dateOf(trimmed);
                if (!d.isValid())
                    d = MonthTextToDate(t);  // a date in the long form already
                // A text that is no date stays as it was written.
                record.set(i, d.isValid() ? LongDateText(d) : raw.toString());
            } else {
                record.set(i, raw.toString());
            }
            break;
        case FieldType::Int16:
        case FieldType::Int32: {
            if (trimmed.isEmpty())
                break;
            const bool small = f.type == FieldType::Int16;
            qint64 v = 0;
            if (!wholeNumber(
                    trimmed,
                    small ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint32>::min(),
                    small ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint32>::max(),
                    v))
                return notANumber();
            record.set(i, qint32(v));
            break;
        }
        case FieldType::Money: {
            if (trimmed.isEmpty())
                break;
            const auto m = TransferAmount(trimmed);
            if (!m)
                return notANumber();
            record.set(i, *m);
            break;
        }
        case FieldType::Double: {
            if (trimmed.isEmpty())
                break;
            bool ok = false;
            const double d = QLocale::c().toDouble(trimmed, &ok);
            if (!ok)
                return notANumber();
            record.set(i, d);
            break;
        }
        case FieldType::Date: record.set(i, dateOf(trimmed)); break;
        case FieldType::Boolean: {
            if (trimmed.isEmpty())
                break;
            qint64 v = 0;
            if (trimmed.compare(u"True", Qt::CaseInsensitive) == 0)
                v = 1;
            else if (trimmed.compare(u"False", Qt::CaseInsensitive) != 0 &&
                     !wholeNumber(trimmed, -1, 1, v))
                return u"полето %1 не е „True“ или „False“: „%2“"_s.arg(f.name, trimmed);
            record.set(i, v != 0);
            break;
        }
        }
    }
    return {};
}

}  // namespace remitor
