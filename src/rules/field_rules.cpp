#include "rules/field_rules.h"

#include "rules/dates.h"
#include "rules/formatting.h"

using namespace Qt::StringLiterals;

namespace remitor {

QString AmountDisplayText(Money amount)
{
    if (amount <= Money())
        return {};
    const qint64 cents = amount.scaledTo(2);
    return QString::number(cents / 100) + u'.' +
           QString::number(cents % 100).rightJustified(2, u'0');
}

qint64 LeadingWholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negative = t[i++] == u'-';
    qint64 n = 0;
    for (; i < t.size() && t[i].isDigit() && n < 100000000000LL; ++i)
        n = n * 10 + t[i].digitValue();
    return negative ? -n : n;
}

namespace {

bool isWholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype start = t.startsWith(u'-') || t.startsWith(u'+') ? 1 : 0;
    if (t.size() == start)
        return false;
    for (qsizetype i = start; i < t.size(); ++i)
        if (!t[i].isDigit())
            return false;
    return true;
}

// An amount as a plain number, without padding zeros: 500.5, 12, -0.25.
QString plainAmountText(Money amount)
{
    const qint64 raw = amount.raw();
    const quint64 abs = raw < 0 ? quint64(0) - quint64(raw) : quint64(raw);
    QString text = QString::number(abs / Money::Scale);
    QString fraction = QString::number(abs % Money::Scale).rightJustified(4, u'0');
    while (fraction.endsWith(u'0')) fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return raw < 0 ? u'-' + text : text;
}

}  // namespace

QString DisplayText(const Record &record, const QString &field, FieldRule rule)
{
    const FieldDef *f = record.def().field(field);
    Q_ASSERT_X(f, "DisplayText", qPrintable(field));
    switch (f->type) {
    case FieldType::Money: return AmountDisplayText(record.money(field));
    case FieldType::Int16:
    case FieldType::Int32: {
        const qint32 n = record.integer(field);
        return n == 0 ? QString() : QString::number(n);
    }
    case FieldType::Date: return ShortDateText(record.date(field));
    case FieldType::Double:
        return record.real(field) == 0 ? QString() : QString::number(record.real(field), 'f', 2);
    case FieldType::Boolean: return record.boolean(field) ? u"1"_s : QString();
    case FieldType::Text: break;
    }
    if (rule == FieldRule::AmountText) {
        // Twelve places as the window has them; a larger limit is shown
        // whole, since "Препълва" taken back would read as no limit at all.
        const Money amount = ParseAmount(record.text(field));
        const QString shown = FormatSpacePadded(amount, 12, 2);
        return (shown == OverflowText(12) ? FormatSpacePadded(amount, 24, 2) : shown).trimmed();
    }
    // Long free texts keep the blanks the user typed in front.
    if (f->width >= 85 || rule == FieldRule::RightTrimmed || rule == FieldRule::FirstBreakBlanks)
        return RightTrimmed(record.text(field));
    return record.text(field).trimmed();
}

void TakeText(Record &record, const QString &field, FieldRule rule, const QString &typed)
{
    const FieldDef *f = record.def().field(field);
    Q_ASSERT_X(f, "TakeText", qPrintable(field));
    QString text = typed;
    switch (rule) {
    case FieldRule::Upper:
    case FieldRule::Iban:
    case FieldRule::Currency:
    case FieldRule::ForeignIban: text = text.toUpper(); break;
    case FieldRule::Trimmed: text = text.trimmed(); break;
    case FieldRule::RightTrimmed:
        BlankControlChars(text);
        text = RightTrimmed(text);
        break;
    case FieldRule::FirstBreakBlanks: {
        const qsizetype at = text.indexOf(u'\n');
        if (at >= 0) {
            const bool crlf = at > 0 && text[at - 1] == u'\r';
            text.replace(crlf ? at - 1 : at, crlf ? 2 : 1, u"   "_s);
        }
        text = RightTrimmed(text);
        break;
    }
    case FieldRule::DateText: text = NormalizeDateText(text); break;
    case FieldRule::AmountText: text = plainAmountText(ParseAmount(text)); break;
    case FieldRule::NonZeroWholeNumber:
        text.truncate(10);
        if (LeadingWholeNumber(text) == 0)
            return;
        break;
    case FieldRule::StrictWholeNumber:
        if (!isWholeNumber(text))
            return;
        break;
    default: break;
    }
    switch (f->type) {
    case FieldType::Money: record.setMoney(field, ParseAmount(text)); return;
    case FieldType::Int16:
    case FieldType::Int32: record.setInteger(field, LeadingWholeNumber(text)); return;
    case FieldType::Date: record.setDate(field, DateFromText(NormalizeDateText(text))); return;
    case FieldType::Double: record.setReal(field, ParseAmount(text).toDouble()); return;
    case FieldType::Boolean: record.setBoolean(field, LeadingWholeNumber(text) != 0); return;
    case FieldType::Text: record.setText(field, text); return;
    }
}

qint64 OptionValue(const Record &r, const QString &field)
{
    switch (r.def().field(field)->type) {
    case FieldType::Boolean: return r.boolean(field) ? 1 : 0;
    case FieldType::Int16:
    case FieldType::Int32: {
        // Older programs wrote a ticked option as -1 (files carried over by
        // the transfer keep it): it is the option 1.
        const qint32 v = r.integer(field);
        return v == -1 ? 1 : v;
    }
    case FieldType::Money: return r.money(field).wholeUnits();
    case FieldType::Double: return qint64(r.real(field));
    case FieldType::Date: return 0;
    case FieldType::Text: break;
    }
    return LeadingWholeNumber(r.text(field));
}

void SetOptionValue(Record &r, const QString &field, qint64 value)
{
    switch (r.def().field(field)->type) {
    case FieldType::Boolean: r.setBoolean(field, value != 0); return;
    case FieldType::Int16:
    case FieldType::Int32: r.setInteger(field, value); return;
    case FieldType::Money: r.setMoney(field, Money::fromUnits(value)); return;
    case FieldType::Double: r.setReal(field, double(value)); return;
    case FieldType::Date: return;
    case FieldType::Text: r.setText(field, QString::number(value)); return;
    }
}

}  // namespace remitor
