#include "record.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace remitor {

QString fixedWidth(const QString &text, int width)
{
    if (text.size() >= width)
        return text.left(width);
    QString out = text;
    out.resize(width, u' ');
    return out;
}

namespace {

Record::Value emptyValue(const FieldDef &f)
{
    switch (f.type) {
    case FieldType::Text: return QString(f.width, u' ');
    case FieldType::Int16:
    case FieldType::Int32: return qint32(0);
    case FieldType::Money: return Money();
    case FieldType::Double: return 0.0;
    case FieldType::Date: return QDate();
    case FieldType::Boolean: return false;
    }
    return QString();
}

// Makes `into` the text cut and padded to `width`, in its own buffer when it
// has one to itself: a record refilled row after row then allocates nothing.
void assignFixed(QString &into, QStringView text, int width)
{
    if (!into.isDetached() || into.capacity() < width || into.constData() == text.data()) {
        into = fixedWidth(text.toString(), width);
        return;
    }
    const qsizetype n = std::min<qsizetype>(text.size(), width);
    into.resize(width);
    QChar *p = into.data();
    std::copy_n(text.constData(), n, p);
    std::fill(p + n, p + width, u' ');
}

qint32 clampTo(const FieldDef &f, qint64 v)
{
    const qint64 lo = f.type == FieldType::Int16 ? std::numeric_limits<qint16>::min()
                                                 : std::numeric_limits<qint32>::min();
    const qint64 hi = f.type == FieldType::Int16 ? std::numeric_limits<qint16>::max()
                                                 : std::numeric_limits<qint32>::max();
    return qint32(std::clamp(v, lo, hi));
}

}  // namespace

Record::Record(const TableDef &def) : m_def(&def)
{
    m_values.reserve(def.fields.size());
    for (const FieldDef &f : def.fields)
        m_values.append(emptyValue(f));
}

void Record::clear()
{
    for (int i = 0; i < m_values.size(); ++i) {
        const FieldDef &f = m_def->fields[i];
        if (f.type == FieldType::Text)
            assignFixed(std::get<QString>(m_values[i]), QString(), f.width);
        else
            m_values[i] = emptyValue(f);
    }
}

int Record::indexOf(const QString &field, FieldType type) const
{
    const int i = m_def ? m_def->fieldIndex(field) : -1;
    if (i < 0)
        qFatal("Record: no field %s", qPrintable(field));
    const FieldType t = m_def->fields[i].type;
    const auto integral = [](FieldType x) { return x == FieldType::Int32 || x == FieldType::Int16; };
    const bool fits = t == type || (integral(type) && integral(t)) ||
                      (type == FieldType::Boolean && integral(t));
    // A wrong type is a programming error; it must not pass unnoticed in a
    // build without assertions either.
    if (!fits)
        qFatal("Record: field %s is not of the type asked for", qPrintable(field));
    return i;
}

QString Record::text(const QString &field) const
{
    return std::get<QString>(m_values[indexOf(field, FieldType::Text)]);
}

void Record::setText(const QString &field, const QString &value)
{
    set(indexOf(field, FieldType::Text), value);
}

qint32 Record::integer(const QString &field) const
{
    return std::get<qint32>(m_values[indexOf(field, FieldType::Int32)]);
}

void Record::setInteger(const QString &field, qint64 value)
{
    const int i = indexOf(field, FieldType::Int32);
    m_values[i] = clampTo(m_def->fields[i], value);
}

Money Record::money(const QString &field) const
{
    return std::get<Money>(m_values[indexOf(field, FieldType::Money)]);
}

void Record::setMoney(const QString &field, Money value)
{
    m_values[indexOf(field, FieldType::Money)] = value;
}

double Record::real(const QString &field) const
{
    return std::get<double>(m_values[indexOf(field, FieldType::Double)]);
}

void Record::setReal(const QString &field, double value)
{
    m_values[indexOf(field, FieldType::Double)] = value;
}

QDate Record::date(const QString &field) const
{
    return std::get<QDate>(m_values[indexOf(field, FieldType::Date)]);
}

void Record::setDate(const QString &field, const QDate &value)
{
    m_values[indexOf(field, FieldType::Date)] = value.isValid() ? value : QDate();
}

// Flags kept in 16-bit fields (-1 or 1 for true, 0 for false) read and
// write as booleans too.
bool Record::boolean(const QString &field) const
{
    const Value &v = m_values[indexOf(field, FieldType::Boolean)];
    if (const auto *n = std::get_if<qint32>(&v))
        return *n != 0;
    return std::get<bool>(v);
}

void Record::setBoolean(const QString &field, bool value)
{
    const int i = indexOf(field, FieldType::Boolean);
    if (m_def->fields[i].type == FieldType::Boolean)
        m_values[i] = value;
    else
        m_values[i] = qint32(value ? 1 : 0);
}

qint32 Record::key() const
{
    if (!m_def || m_def->keyField.isEmpty())
        return 0;
    return std::get<qint32>(m_values[m_def->fieldIndex(m_def->keyField)]);
}

void Record::setKey(qint64 value)
{
    if (m_def && !m_def->keyField.isEmpty())
        setInteger(m_def->keyField, value);
}

void Record::setTextAt(int i, QStringView text)
{
    const FieldDef &f = m_def->fields[i];
    Q_ASSERT(f.type == FieldType::Text);
    assignFixed(std::get<QString>(m_values[i]), text, f.width);
}

void Record::set(int i, const Value &value)
{
    const FieldDef &f = m_def->fields[i];
    switch (f.type) {
    case FieldType::Text:
        assignFixed(std::get<QString>(m_values[i]), std::get<QString>(value), f.width);
        break;
    case FieldType::Int16:
    case FieldType::Int32:
        m_values[i] = clampTo(f, std::get<qint32>(value));
        break;
    case FieldType::Date: {
        const QDate d = std::get<QDate>(value);
        m_values[i] = d.isValid() ? d : QDate();
        break;
    }
    default:
        Q_ASSERT(value.index() == emptyValue(f).index());
        m_values[i] = value;
    }
}

}  // namespace remitor
