#include "print/page_layout.h"

#include <QSet>

namespace remitor {

const PageElement *PageLayout::find(const QString &n) const
{
    for (const PageElement &e : elements)
        if (!e.name.isEmpty() && e.name.compare(n, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

bool PageFill::isShown(const PageElement &e) const
{
    if (e.name.isEmpty())
        return !e.hidden;
    return m_shown.value(e.name.toLower(), !e.hidden);
}

QStringList PageFill::names() const
{
    QSet<QString> all;
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
        all.insert(it.key());
    for (auto it = m_checks.cbegin(); it != m_checks.cend(); ++it)
        all.insert(it.key());
    for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it)
        all.insert(it.key());
    QStringList out(all.cbegin(), all.cend());
    out.sort();
    return out;
}

quint32 BackgroundOf(const PageElement &element, const PageFill &fill)
{
    if (element.background == NoColour)
        return NoColour;
    return fill.whiteBoxes ? White : element.background;
}

namespace layout {

PageElement caption(const QString &text, int left, int top, const TextStyle &style)
{
    PageElement e;
    e.kind = PageElement::Kind::Caption;
    e.text = text;
    e.left = left;
    e.top = top;
    e.style = style;
    return e;
}

PageElement captionIn(const QString &text, int left, int top, int width, int height,
                      const TextStyle &style, Align align, bool wrap)
{
    PageElement e = caption(text, left, top, style);
    e.width = width;
    e.height = height;
    e.align = align;
    e.wordWrap = wrap;
    return e;
}

PageElement value(const QString &name, int left, int top, int width, int height,
                  const TextStyle &style, quint32 background)
{
    PageElement e;
    e.kind = PageElement::Kind::Value;
    e.name = name;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.style = style;
    e.background = background;
    return e;
}

PageElement textArea(const QString &name, int left, int top, int width, int height,
                     const TextStyle &style)
{
    PageElement e = value(name, left, top, width, height, style);
    e.kind = PageElement::Kind::TextArea;
    return e;
}

PageElement frame(int left, int top, int width, int height, int lineTwips)
{
    PageElement e;
    e.kind = PageElement::Kind::Frame;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.lineTwips = lineTwips;
    return e;
}

PageElement hline(int left, int top, int width, int lineTwips)
{
    PageElement e;
    e.kind = PageElement::Kind::Line;
    e.left = left;
    e.top = top;
    e.width = width;
    e.lineTwips = lineTwips;
    return e;
}

PageElement vline(int left, int top, int height, int lineTwips)
{
    PageElement e = hline(left, top, 0, lineTwips);
    e.height = height;
    return e;
}

PageElement box(int left, int top, int width, int height, quint32 colour, int lineTwips)
{
    PageElement e = frame(left, top, width, height, lineTwips);
    e.kind = PageElement::Kind::Box;
    e.background = colour;
    return e;
}

PageElement check(const QString &name, const QString &text, int left, int top, int size,
                  const TextStyle &style, const QString &field, int value)
{
    PageElement e;
    e.kind = PageElement::Kind::Check;
    e.name = name;
    e.text = text;
    e.left = left;
    e.top = top;
    e.width = size;
    e.height = size;
    e.style = style;
    e.format = ValueFormat::Check;
    e.field = field;
    e.checkValue = value;
    return e;
}

PageElement digitBoxes(const QString &name, int left, int top, int cells, int cellWidth, int height,
                       const TextStyle &style, quint32 background, int groupSize, int groupGap)
{
    PageElement e;
    e.kind = PageElement::Kind::DigitBoxes;
    e.name = name;
    e.left = left;
    e.top = top;
    e.cells = cells;
    e.cellWidth = cellWidth;
    e.height = height;
    e.style = style;
    e.background = background;
    e.groupSize = groupSize;
    e.groupGap = groupGap;
    e.lineTwips = 10;
    e.width = e.cellsRight() - left;
    return e;
}

}  // namespace layout

}  // namespace remitor
