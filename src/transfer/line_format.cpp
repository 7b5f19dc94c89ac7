#include "transfer/line_format.h"

#include "rules/dates.h"
#include "transfer/code_page.h"

#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
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

LineFormat::LineFormat(const TransferKind &kind)
    : m_kind(&kind), m_def(&kind.tableDef()), m_fields(kind.lineFields())
{
    if (!kind.textDate.isEmpty())
        m_textDate = m_def->fieldIndex(kind.textDate);
}

Statement LineFormat::select(Database &db) const
{
    const auto columns = db.columns(m_def->name);
    const auto present = [&columns](const QString &name) {
        for (const auto &c : columns)
            if (c.name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    QStringList list;
    for (int i : m_fields) {
        const QString &name = m_def->fields[i].name;
        list.append(present(name) ? quoted(name) : u"NULL"_s);
    }
    const QString key = quoted(m_def->keyField);
    list.append(key);
    return db.prepare(u"SELECT "_s + list.join(u", "_s) + u" FROM "_s + quoted(m_def->name) +
                      u" ORDER BY "_s + key);
}

namespace {

// The text of a field that is not a text, as a record of the row holds it.
QString valueText(const FieldDef &f, const Statement &st, int c)
{
    const bool null = st.isNull(c);
    switch (f.type) {
    case FieldType::Text: break;
    case FieldType::Int16:
    case FieldType::Int32: {
        const qint64 lo = f.type == FieldType::Int16 ? std::numeric_limits<qint16>::min()
                                                     : std::numeric_limits<qint32>::min();
        const qint64 hi = f.type == FieldType::Int16 ? std::numeric_limits<qint16>::max()
                                                     : std::numeric_limits<qint32>::max();
        return QString::number(null ? 0 : std::clamp(st.integer(c), lo, hi));
    }
    case FieldType::Money: return TransferAmountText(null ? Money() : st.money(c));
    case FieldType::Double: return QString::number(null ? 0.0 : st.real(c), 'g', 17);
    case FieldType::Date: return null ? QString() : ShortDateText(dateFromStorage(st.text(c)));
    case FieldType::Boolean: return !null && st.integer(c) != 0 ? u"True"_s : u"False"_s;
    }
    return {};
}

}  // namespace

std::optional<LineFormat::Unwritable> LineFormat::append(const Statement &st, QByteArray &out) const
{
    const CodePage1251 &page = CodePage1251::instance();
    const qsizetype start = out.size();
    for (int n = 0; n < m_fields.size(); ++n) {
        const FieldDef &f = m_def->fields[m_fields[n]];
        if (n > 0)
            out.append('\t');
        if (f.type != FieldType::Text) {
            page.append(valueText(f, st, n), out);
            continue;
        }
        // Stored texts carry no padding: the record would cut the text to
        // its width and pad it with blanks.
        const QByteArrayView utf8 = st.utf8(n);
        if (m_chars.size() < utf8.size())
            m_chars.resize(utf8.size());
        QChar *const chars = m_chars.data();
        qsizetype end = std::min<qsizetype>(m_utf8.appendToBuffer(chars, utf8) - chars, f.width);
        while (end > 0 && chars[end - 1] == u' ') --end;
        const qsizetype at = out.size();
        out.resize(at + (m_kind->paddedTexts ? f.width : end));
        char *p = out.data() + at;
        for (qsizetype c = 0; c < end; ++c) {
            const int b = page.byteOf(chars[c]);
            // A tab or a line break would split the line.
            if (b < 0 || b == '\t' || b == '\r' || b == '\n') {
                out.truncate(start);
                return Unwritable{f.name, chars[c]};
            }
            *p++ = char(b);
        }
        if (m_kind->paddedTexts)
            std::fill_n(p, f.width - end, ' ');
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
// that are not digits between them, as NormalizeDateText reads a typed
// date (without its strings: one date on every line).
QDate dateOf(QStringView field)
{
    QChar text[10];
    const qsizetype n = std::min<qsizetype>(field.size(), 10);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = field[i].unicode();
        text[i] = c >= u'0' && c <= u'9' ? QChar(c) : QChar(u'.');
    }
    return DateFromText(QString::fromRawData(text, n));
}

}  // namespace

QString LineFormat::read(QByteArrayView line, Record &record) const
{
    return readInto(line, record);
}

QString LineFormat::read(QByteArrayView line, RowInserter &row) const
{
    return readInto(line, row);
}

template <typename Row>
QString LineFormat::readInto(QByteArrayView line, Row &record) const
{
    record.clear();
    const TableDef &def = *m_def;
    const CodePage1251 &page = CodePage1251::instance();
    qsizetype from = 0;
    for (qsizetype n = 0; from <= line.size(); ++n) {
        qsizetype to = line.indexOf('\t', from);
        if (to < 0)
            to = line.size();
        if (n == m_fields.size())
            return u"%1 полета, а записът има %2"_s.arg(line.count('\t') + 1).arg(m_fields.size());
        QByteArrayView bytes = line.sliced(from, to - from);
        from = to + 1;
        // The blanks that pad a text are not even decoded.
        while (!bytes.isEmpty() && bytes.back() == ' ') bytes.chop(1);
        qsizetype undefined = -1;
        if (!page.decode(bytes, m_field, &undefined))
            return u"байтът 0x%1 няма знак в кодова таблица 1251"_s.arg(
                uint(uchar(bytes[undefined])), 2, 16, QChar(u'0'));
        QStringView raw = m_field;
        // An empty field, or one that begins with a control code, is a blank.
        if (raw.isEmpty() || raw[0] < u' ')
            raw = u" ";
        const int i = m_fields[n];
        const FieldDef &f = def.fields[i];
        if (f.type == FieldType::Text && i != m_textDate) {
            record.setTextAt(i, raw);
            continue;
        }
        const QStringView trimmed = raw.trimmed();
        const auto notANumber = [&] {
            return u"полето %1 не е число: „%2“"_s.arg(f.name, trimmed);
        };
        switch (f.type) {
        case FieldType::Text: {
            QDate d = dateOf(trimmed);
            if (!d.isValid() && !trimmed.isEmpty())
                d = MonthTextToDate(trimmed.toString());  // a date in the long form already
            // A text that is no date stays as it was written.
            if (d.isValid())
                record.set(i, LongDateText(d));
            else
                record.setTextAt(i, raw);
            break;
        }
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
