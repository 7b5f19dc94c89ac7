#include "print/form_style.h"

namespace remitor::layout {

PageElement spreadBoxes(int labelLeft, int labelTop, int cells, const TextStyle &style,
                        int groupSize)
{
    const int a = advanceOf(style);
    return digitBoxes({}, labelLeft - a / 2, labelTop, cells, 2 * a, style.sizeTwips * 112 / 100,
                      style, FormBoxColour, groupSize, groupSize > 0 ? 2 * a : 0);
}

QList<PageElement> boxedValue(const QString &name, int left, int top, int cells,
                              const TextStyle &style, ValueFormat format, int valueHeight)
{
    const PageElement boxes =
        spreadBoxes(left, top, cells, style, format == ValueFormat::Iban ? 4 : 0);
    return {
        boxes,
        value(name, left, top, 0, valueHeight > 0 ? valueHeight : boxes.height, style).as(format)};
}

PageElement crossingFrame(const QString &name, int left, int top, int width, int height,
                          const QString &amountField)
{
    PageElement e = box(left, top, width, height, FormBoxColour, 15);
    e.kind = PageElement::Kind::Frame;
    e.name = name;
    e.crossed = true;
    e.hidden = true;
    return e.as(ValueFormat::NoAmount, amountField);
}

QList<PageElement> captionedRow(int left, int right, int top, const QString &text,
                                const QString &name)
{
    return {hline(left, top, right - left), caption(text, left + 60, top + 10, kTiny),
            value(name, left + 120, top + 140, right - left - 180, kValueHeight, kValue)};
}

}  // namespace remitor::layout
