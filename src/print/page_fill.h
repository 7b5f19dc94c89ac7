#pragma once

#include "print/page_layout.h"
#include "rules/field_rules.h"
#include "store/record.h"

#include <QPoint>
#include <functional>

namespace remitor {

// What printing knows of a document's kind: its name, its accounts (checked
// before printing, in their entry order), its currency (for the amounts in
// words) and how its editor shows each field.
struct PrintSubject {
    QString title;
    QStringList ibanFields;
    QString currencyField;
    std::function<FieldRule(const QString &field)> ruleOf;
    // A check of the whole document that stops printing: the message, or
    // empty when it holds.
    QString (*check)(const Record &record) = nullptr;
};

// What a kind adds to the filling of its page: values that no field holds
// as such (a total, a line that depends on an option). Most kinds add nothing.
using PageFiller = void (*)(const Record &record, PageFill &fill);

// How a document kind prints: its page, the page that carries the second
// page's block when the user ticks "Печата част втора" (none when the kind
// has no such choice), its own additions to the filling, and where the
// print choice stands beside the editor.
struct KindPrint {
    const PageLayout &(*page)() = nullptr;
    const PageLayout &(*pageWithSecond)() = nullptr;
    PageFiller fill = nullptr;
    QPoint choiceOffsetTwips{0, 1650};
    int choiceWidthOffsetTwips = 3550;
    // The slips print the national currency where the currency is empty,
    // and the document keeps it.
    bool currencyRequired = false;

    const PageLayout &layout(bool secondPage) const
    {
        return secondPage && pageWithSecond ? pageWithSecond() : page();
    }
};

// The labels of a page filled from a record of its kind: every named
// element fills itself by its format from its field; then the kind's own
// filler. With `colourPrinting` off every box prints on white.
PageFill FillPage(const PageLayout &layout, const Record &record, const PrintSubject &subject,
                  bool colourPrinting, PageFiller own = nullptr);

// One element's text by its format (not for checks and shown elements).
QString FormatValue(const PageElement &element, const Record &record, const PrintSubject &subject);

// The amount as the editor shows it, to the stotinka, as printing reads it back.
Money ShownAmount(Money amount);

}  // namespace remitor
