#include "print/page_fill.h"

#include "rules/dates.h"
#include "rules/formatting.h"
#include "rules/identifiers.h"
#include "rules/words.h"

using namespace Qt::StringLiterals;

namespace remitor {

Money ShownAmount(Money m)
{
    return Money::fromRaw(m.scaledTo(2) * 100);
}

namespace {

// The boxes of an amount: three blanks in front of the figures, as the
// forms have always printed it, with the decimal comma.
QString amountText(Money m)
{
    const Money shown = ShownAmount(m);
    if (shown <= Money())
        return u"   "_s;
    return u"   "_s + FormatSpacePaddedComma(shown, 12, 2).trimmed();
}

QString currencyOf(const PageElement &e, const Record &r, const PrintSubject &subject)
{
    const QString field = e.currencyField.isEmpty() ? subject.currencyField : e.currencyField;
    return field.isEmpty() ? QString() : r.text(field).trimmed();
}

}  // namespace

QString FormatValue(const PageElement &e, const Record &r, const PrintSubject &subject)
{
    const QString &field = e.source();
    switch (e.format) {
    case ValueFormat::Shown: {
        return DisplayText(r, field, subject.ruleOf ? subject.ruleOf(field) : FieldRule::Text);
    }
    case ValueFormat::Trimmed: return r.text(field).trimmed();
    case ValueFormat::Spread:
        // A head office's BIC of eleven ("…XXX") goes into the forms' eight
        // boxes as the eight that name the same bank.
        if (field.startsWith(u"BIC"_s, Qt::CaseInsensitive))
            return SpreadChars(BicForWidth(r.text(field), 8));
        return SpreadChars(r.text(field));
    case ValueFormat::SpreadUpper: return SpreadChars(r.text(field)).toUpper();
    case ValueFormat::Iban: return SpreadCharsGrouped(r.text(field));
    case ValueFormat::Amount: return amountText(r.money(field));
    case ValueFormat::AmountOrNone:
        return ShownAmount(r.money(field)) <= Money() ? QString() : amountText(r.money(field));
    case ValueFormat::WordsBG:
        return AmountInWordsBG(ShownAmount(r.money(field)), currencyOf(e, r, subject));
    case ValueFormat::WordsEN:
        return AmountInWordsEN(ShownAmount(r.money(field)), currencyOf(e, r, subject));
    case ValueFormat::DateBoxes: {
        const QString date = DateToText(r.date(field));
        const QChar boxes[] = {date[0], date[1], date[3], date[4], date[8], date[9]};
        return QString(boxes, 6);
    }
    case ValueFormat::DateBoxes8: return DateToText(r.date(field)).remove(u'.').left(8);
    case ValueFormat::MonthBoxes: {
        const QString date = DateToText(r.date(field));
        const QChar boxes[] = {date[3], date[4], date[8], date[9]};
        return QString(boxes, 4);
    }
    case ValueFormat::LongDate: return LongDateText(r.date(field));
    case ValueFormat::Check:
    case ValueFormat::NoAmount:
    case ValueFormat::Particular:
    case ValueFormat::Window: break;
    }
    return {};
}

PageFill FillPage(const PageLayout &layout, const Record &r, const PrintSubject &subject,
                  bool colourPrinting, PageFiller own)
{
    PageFill f;
    f.whiteBoxes = !colourPrinting;
    for (const PageElement &e : layout.elements) {
        if (e.name.isEmpty() || e.format == ValueFormat::Particular ||
            e.format == ValueFormat::Window || !r.def().field(e.source()))
            continue;
        switch (e.format) {
        case ValueFormat::Check:
            f.setChecked(e.name, OptionValue(r, e.source()) == e.checkValue);
            break;
        case ValueFormat::NoAmount:
            f.setShown(e.name, ShownAmount(r.money(e.source())) <= Money());
            break;
        default: f.setText(e.name, FormatValue(e, r, subject)); break;
        }
    }
    if (own)
        own(r, f);
    return f;
}

}  // namespace remitor
