#include "print/print_command.h"

#include "rules/field_rules.h"
#include "rules/formatting.h"
#include "rules/identifiers.h"

using namespace Qt::StringLiterals;

namespace remitor {

SaveChoice PrintCopiesChoice(const KindPrint &print)
{
    SaveChoice c;
    c.caption = u"Печат на документ"_s;
    c.showOverwrite = true;
    c.overwriteCaption = u"2 копия"_s;
    c.newCaption = u"1 копие"_s;
    c.offsetTwips = print.choiceOffsetTwips;
    c.editorWidthOffsetTwips = print.choiceWidthOffsetTwips;
    return c;
}

std::optional<PrintJob> PreparePrint(const PrintSubject &subject, const KindPrint &print,
                                     const Record &record, bool secondPage, bool colourPrinting,
                                     Interaction &ui)
{
    // A wrong account is told, but the user may still want it on paper.
    for (const QString &field : subject.ibanFields) CheckIBAN(record.text(field).trimmed(), &ui);
    // A document that does not add up is not printed.
    if (subject.check)
        if (const QString failed = subject.check(record); !failed.isEmpty()) {
            ui.tell(failed);
            return std::nullopt;
        }
    // Nor one whose amount the form's boxes cannot hold: "Препълва" beside
    // the amount in words is no order a bank takes.
    for (const PageElement &e : print.layout(secondPage).elements)
        if ((e.format == ValueFormat::Amount || e.format == ValueFormat::AmountOrNone) &&
            FormatValue(e, record, subject).contains(OverflowText(8))) {
            ui.tell(u"Сумата %1 не се побира в полето на бланката (най-много 999999999.99)."_s.arg(
                AmountDisplayText(record.money(e.source()))));
            return std::nullopt;
        }

    PrintJob job;
    switch (ui.chooseSave(PrintCopiesChoice(print))) {
    case SaveChoice::Cancel: return std::nullopt;
    case SaveChoice::Overwrite: job.heightTwips = PageHeightTwips(Copies::Two); break;
    case SaveChoice::New: job.heightTwips = PageHeightTwips(Copies::One); break;
    }
    job.layout = &print.layout(secondPage);
    job.fill = FillPage(*job.layout, record, subject, colourPrinting, print.fill);
    job.documentName = subject.title + u" No:"_s + numberText(record.key());
    return job;
}

}  // namespace remitor
