#include "print/bilingual_form.h"

namespace remitor::layout::bilingual {

PageElement rule(int top)
{
    return hline(kLeft, top, kWidth);
}

QList<PageElement> cell(const QString &caption, const QString &name, int left, int right, int top)
{
    return {layout::caption(caption, left + 60, top + 15, kCaption),
            value(name, left + 90, top + 120, right - left - 150, kFieldHeight, kField)};
}

QList<PageElement> bankHeader(const QStringList &captions, const QStringList &names, int top,
                              int right)
{
    QList<PageElement> e;
    constexpr int valueLeft = kLeft + 2100;
    for (int i = 0; i < captions.size(); ++i) {
        const int y = top + i * 270;
        e << caption(captions[i], kLeft, y + 40, kCaption)
          << value(names[i], valueLeft, y, right - valueLeft, kFieldHeight, kField)
          << hline(valueLeft, y + 210, right - valueLeft, 8);
    }
    return e;
}

QList<PageElement> title(const QStringList &lines, int top)
{
    constexpr int left = 6500;
    QList<PageElement> e;
    int y = top;
    for (int i = 0; i < lines.size(); ++i) {
        const TextStyle &style = i == 0 ? kTitle : kSmallBold;
        e << captionIn(lines[i], left, y, kRight - left, style.sizeTwips + 40, style,
                       Align::Center);
        y += style.sizeTwips + 60;
    }
    return e;
}

}  // namespace remitor::layout::bilingual
