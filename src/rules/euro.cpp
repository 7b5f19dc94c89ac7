#include "rules/euro.h"

#include "rules/words.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// 10 EUR (1000 cents) are 19.5583 BGN, that is 195583 ten-thousandths of a lev.
constexpr quint64 kRawPer1000Cents = 195583;

// The amount with two decimals, zero included ("0.00"), as the question
// lists it.
QString figures(Money m)
{
    const qint64 cents = m.scaledTo(2);
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return (cents < 0 ? u"-"_s : QString()) + QString::number(magnitude / 100) + u'.' +
           QString::number(magnitude % 100).rightJustified(2, u'0');
}

const FieldDef *textField(const TableDef &table, const QString &name)
{
    const FieldDef *f = table.field(name);
    return f && f->type == FieldType::Text ? f : nullptr;
}

}  // namespace

Money LevaToEuro(Money leva)
{
    // cents = raw / 195.583 = raw * 1000 / 195583. raw * 1000 overflows for
    // large amounts, so divide first and carry the remainder, which stays
    // below 195583 * 1000.
    const qint64 raw = leva.raw();
    const quint64 magnitude = raw < 0 ? 0 - quint64(raw) : quint64(raw);
    const quint64 rest = magnitude % kRawPer1000Cents * 1000;
    quint64 cents = magnitude / kRawPer1000Cents * 1000 + rest / kRawPer1000Cents;
    // The divisor is odd, so there is never an exact half.
    if (2 * (rest % kRawPer1000Cents) >= kRawPer1000Cents)
        ++cents;
    const qint64 signedCents = raw < 0 ? -qint64(cents) : qint64(cents);
    return Money::fromRaw(signedCents * (Money::Scale / 100));
}

bool IsLevCurrency(const QString &currency)
{
    const QString upper = currency.trimmed().toUpper();
    return upper == u"BGN" || upper == u"ЛЕВ";
}

QList<AmountField> AmountFieldsOf(const TableDef &table, const QString &currencyField)
{
    const FieldDef *documentCurrency = textField(table, currencyField);
    QList<AmountField> out;
    for (const FieldDef &f : table.fields) {
        if (f.type != FieldType::Money)
            continue;
        const FieldDef *own = nullptr;
        const qsizetype at = f.name.indexOf(u"suma"_s, 0, Qt::CaseInsensitive);
        if (at >= 0)
            own = textField(table, QString(f.name).replace(at, 4, currencyField));
        if (!own)
            own = documentCurrency;
        if (own)
            out.append({f.name, own->name, {}});
    }
    for (AmountField &total : out) {
        const QRegularExpression partName(
            u"^"_s + QRegularExpression::escape(total.amount) + u"\\d+$"_s,
            QRegularExpression::CaseInsensitiveOption);
        for (const AmountField &part : std::as_const(out))
            if (partName.match(part.amount).hasMatch() && part.currency == total.currency)
                total.parts.append(part.amount);
    }
    return out;
}

QString EuroConversionTitle()
{
    return u"Превръщане в евро"_s;
}

EuroConversion PlanEuroConversion(const Record &record, const QList<AmountField> &fields)
{
    using Outcome = EuroConversion::Outcome;
    EuroConversion plan;
    bool anyAmount = false;
    bool anyLeva = false;
    for (const AmountField &f : fields) {
        const Money before = record.money(f.amount);
        const bool lev = IsLevCurrency(record.text(f.currency));
        plan.lines.append({f, before, lev ? LevaToEuro(before) : before, lev});
        anyAmount = anyAmount || !before.isZero();
        anyLeva = anyLeva || (lev && !before.isZero());
    }
    // A total that matched its parts keeps matching them.
    for (EuroConversion::Line &total : plan.lines) {
        if (!total.converted || total.field.parts.isEmpty())
            continue;
        Money sumBefore, sumAfter;
        bool allConverted = true;
        for (const EuroConversion::Line &part : std::as_const(plan.lines)) {
            if (!total.field.parts.contains(part.field.amount))
                continue;
            sumBefore += part.before;
            sumAfter += part.after;
            allConverted = allConverted && part.converted;
        }
        if (allConverted && sumBefore == total.before)
            total.after = sumAfter;
    }

    const QString currency = fields.isEmpty() ? QString() : record.text(fields[0].currency);
    if (!anyAmount) {
        plan.outcome = Outcome::NoAmount;
        plan.text = u"Документът няма сума."_s;
    } else if (IsEuroText(currency)) {
        plan.outcome = Outcome::AlreadyEuro;
        plan.text = u"Документът вече е в евро."_s;
    } else if (!IsLevCurrency(currency)) {
        plan.outcome = Outcome::OtherCurrency;
        plan.text = u"Само документ в лева (BGN) се превръща в евро."_s;
    } else if (!anyLeva) {
        plan.outcome = Outcome::NoAmount;
        plan.text = u"Документът няма сума в лева."_s;
    } else {
        plan.outcome = Outcome::Convert;
        QStringList lines;
        for (const EuroConversion::Line &l : std::as_const(plan.lines)) {
            if (l.before.isZero())
                continue;
            const QString code = record.text(l.field.currency).trimmed();
            lines.append(l.converted ? figures(l.before) + u' ' + code + u" = "_s +
                                           figures(l.after) + u" EUR"_s
                                     : figures(l.before) + u' ' + code + u" - без промяна"_s);
        }
        plan.text = u"Сумите в лева се превръщат в евро по курс 1 EUR = "_s +
                    QString::fromUtf16(EuroRateText) + u" BGN:\n\n"_s + lines.join(u'\n') +
                    u"\n\nПревръщане?"_s;
    }
    return plan;
}

void ApplyEuroConversion(Record &record, const EuroConversion &plan)
{
    if (plan.outcome != EuroConversion::Outcome::Convert)
        return;
    for (const EuroConversion::Line &l : plan.lines) {
        if (!l.converted)
            continue;
        record.setMoney(l.field.amount, l.after);
        record.setText(l.field.currency, u"EUR"_s);
    }
}

bool ConvertToEuro(Record &record, const QList<AmountField> &fields, Interaction &ui)
{
    const EuroConversion plan = PlanEuroConversion(record, fields);
    if (plan.outcome != EuroConversion::Outcome::Convert) {
        ui.tell(plan.text, Interaction::Icon::Information, EuroConversionTitle());
        return false;
    }
    if (!ui.askOkCancel(plan.text, EuroConversionTitle(), false, Interaction::Icon::Question))
        return false;
    ApplyEuroConversion(record, plan);
    return true;
}

}  // namespace remitor
