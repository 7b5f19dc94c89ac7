#include "print/text_pages.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// Nine points: a line of 96 characters is 10 368 twips wide and fits
// between the margins of the sheet.
constexpr TextStyle kLine{FontFamily::Courier, 180};
constexpr int kLineHeight = 245;
constexpr int kLeft = 760;
constexpr int kTop = 700;

// Courier's characters are six tenths of its size wide: a report wider
// than 96 characters (the business trips') is set smaller, so that its
// widest line still fits, down to six points.
TextStyle lineStyle(const QStringList &lines)
{
    qsizetype widest = 1;
    for (const QString &line : lines) widest = std::max(widest, line.size());
    const int fits = int((A4WidthTwips - 2 * kLeft) * 10 / (6 * widest));
    return {FontFamily::Courier, std::clamp(fits, 120, kLine.sizeTwips)};
}

}  // namespace

QList<PageLayout> TextPages(const QString &name, const QString &text)
{
    QStringList lines = text.split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    const int count =
        std::max<int>(1, (int(lines.size()) + TextLinesPerPage - 1) / TextLinesPerPage);
    const TextStyle style = lineStyle(lines);
    QList<PageLayout> pages;
    for (int p = 0; p < count; ++p) {
        PageLayout page;
        page.name = name;
        for (int i = 0; i < TextLinesPerPage; ++i) {
            const int n = p * TextLinesPerPage + i;
            if (n >= lines.size())
                break;
            if (!lines[n].isEmpty())
                page.elements << layout::caption(lines[n], kLeft, kTop + i * kLineHeight, style);
        }
        if (count > 1)
            page.elements << layout::captionIn(u"Стр. %1 от %2"_s.arg(p + 1).arg(count), kLeft,
                                               kTop + TextLinesPerPage * kLineHeight + 120,
                                               A4WidthTwips - 2 * kLeft, kLineHeight, kLine,
                                               Align::Right);
        pages << page;
    }
    return pages;
}

QList<PrintJob> TextPrintJobs(const QList<PageLayout> &pages, const QString &documentName)
{
    QList<PrintJob> jobs;
    for (const PageLayout &page : pages) {
        PrintJob job;
        job.layout = &page;
        job.heightTwips = A4HeightTwips;
        job.wholeSheet = true;
        job.documentName = documentName;
        jobs << job;
    }
    return jobs;
}

}  // namespace remitor
