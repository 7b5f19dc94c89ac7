#include "print/gui/page_renderer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>
#include <cmath>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// Type never shrinks below this share of its size to fit its label.
constexpr double kMinShrink = 0.6;

QFont fontOf(const TextStyle &s, int sizeTwips)
{
    QFont f;
    switch (s.family) {
    case FontFamily::Arial:
        f.setFamily(u"Arial"_s);
        f.setStyleHint(QFont::SansSerif);
        break;
    case FontFamily::Times:
        f.setFamily(u"Times New Roman"_s);
        f.setStyleHint(QFont::Serif);
        break;
    case FontFamily::Courier:
        f.setFamily(u"Courier New"_s);
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        break;
    }
    // The painter works in twips, so a size in twips is a size in "pixels".
    f.setPixelSize(std::max(1, sizeTwips));
    f.setBold(s.bold);
    f.setItalic(s.italic);
    // The same advances on paper, in a PDF and in a small image: the spread
    // texts must meet their boxes everywhere.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

QFont fontOf(const TextStyle &s) { return fontOf(s, s.sizeTwips); }

QColor colourOf(quint32 rgb) { return QColor::fromRgb(QRgb(rgb)); }

QPen penOf(const PageElement &e)
{
    QPen pen(colourOf(e.colour));
    pen.setWidthF(e.lineTwips);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void fillBackground(QPainter &p, const PageElement &e, const PageFill &fill, const QRectF &r)
{
    const quint32 bg = BackgroundOf(e, fill);
    if (bg != NoColour)
        p.fillRect(r, colourOf(bg));
}

// The colours go down first, everything else over them, so that no box
// covers a line or a text of its neighbour.
void drawBackground(QPainter &p, const PageElement &e, const PageFill &fill)
{
    using K = PageElement::Kind;
    switch (e.kind) {
    case K::DigitBoxes:
        for (int i = 0; i < e.cells; ++i)
            fillBackground(p, e, fill, QRectF(e.cellLeft(i), e.top, e.cellWidth, e.height));
        break;
    case K::Value:
    case K::TextArea:
        if (e.width > 0)
            fillBackground(p, e, fill, QRectF(e.left, e.top, e.width, e.height));
        break;
    case K::Box:
    case K::Frame:
    case K::Check:
        fillBackground(p, e, fill, QRectF(e.left, e.top, e.width, e.height));
        break;
    case K::Caption:
    case K::Line:
        break;
    }
}

// One line of text whose top (not its baseline) stands at `top`.
void drawLine(QPainter &p, const QFont &font, qreal left, qreal top, const QString &text)
{
    p.setFont(font);
    const QFontMetricsF fm(font);
    p.drawText(QPointF(left, top + fm.ascent()), text);
}

// A label that holds its text within its width: too long a text is set
// smaller rather than cut, down to a limit; beyond it the text is cut.
void drawFitted(QPainter &p, const PageElement &e, const QString &text)
{
    QFont font = fontOf(e.style);
    qreal left = e.left;
    if (e.width > 0) {
        const qreal natural = QFontMetricsF(font).horizontalAdvance(text);
        if (natural > e.width) {
            const int size = std::max(int(std::floor(e.style.sizeTwips * kMinShrink)),
                                      int(std::floor(e.style.sizeTwips * e.width / natural)));
            font = fontOf(e.style, size);
        }
        const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
        if (e.align == Align::Center)
            left += (e.width - advance) / 2;
        else if (e.align == Align::Right)
            left += e.width - advance;
        p.save();
        p.setClipRect(QRectF(e.left, e.top - e.style.sizeTwips, e.width,
                             std::max(e.height, e.style.sizeTwips) + 2 * e.style.sizeTwips),
                      Qt::IntersectClip);
        drawLine(p, font, left, e.top, text);
        p.restore();
    } else {
        drawLine(p, font, left, e.top, text);
    }
}

// Text broken at words within the element's rectangle, set smaller while
// it does not fit.
void drawWrapped(QPainter &p, const PageElement &e, const QString &text)
{
    const QRectF r(e.left, e.top, e.width, e.height);
    const int flags = Qt::TextWordWrap | Qt::AlignTop |
                      (e.align == Align::Center ? Qt::AlignHCenter
                                                : e.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft);
    QFont font = fontOf(e.style);
    for (int size = e.style.sizeTwips; size >= e.style.sizeTwips * kMinShrink; size -= 5) {
        font = fontOf(e.style, size);
        const QRectF need = QFontMetricsF(font).boundingRect(r, flags, text);
        if (need.height() <= r.height() + 1)
            break;
    }
    p.save();
    p.setFont(font);
    p.setClipRect(r.adjusted(-e.style.sizeTwips, 0, e.style.sizeTwips, 0), Qt::IntersectClip);
    p.drawText(r, flags, text);
    p.restore();
}

void drawCheck(QPainter &p, const PageElement &e, const PageFill &fill)
{
    const QRectF r(e.left, e.top, e.width, e.height);
    QPen pen = penOf(e);
    pen.setWidthF(10);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    if (fill.isChecked(e.name)) {
        pen.setWidthF(18);
        p.setPen(pen);
        const QRectF in = r.adjusted(20, 20, -20, -20);
        p.drawLine(in.topLeft(), in.bottomRight());
        p.drawLine(in.topRight(), in.bottomLeft());
    }
    if (!e.text.isEmpty()) {
        const QFont font = fontOf(e.style);
        const QFontMetricsF fm(font);
        // The caption's capitals centred on the square.
        const qreal baseline = e.top + e.height / 2.0 + fm.capHeight() / 2.0;
        p.setFont(font);
        p.setPen(colourOf(e.colour));
        p.drawText(QPointF(e.left + e.width + 50, baseline), e.text);
    }
}

void drawDigitBoxes(QPainter &p, const PageElement &e, const PageFill &fill)
{
    QPen pen = penOf(e);
    const QString text = e.name.isEmpty() ? QString() : fill.text(e.name);
    const QFont font = fontOf(e.style);
    const QFontMetricsF fm(font);
    for (int i = 0; i < e.cells; ++i) {
        const QRectF cell(e.cellLeft(i), e.top, e.cellWidth, e.height);
        if (e.lineTwips > 0) {
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell);
        }
        if (i < text.size() && !text.at(i).isSpace()) {
            const QString ch(text.at(i));
            p.setFont(font);
            p.setPen(colourOf(e.colour));
            p.drawText(QPointF(cell.left() + (cell.width() - fm.horizontalAdvance(ch)) / 2,
                               cell.top() + cell.height() / 2 + fm.capHeight() / 2),
                       ch);
        }
    }
}

void drawElement(QPainter &p, const PageElement &e, const PageFill &fill)
{
    using K = PageElement::Kind;
    const QRectF rect(e.left, e.top, e.width, e.height);
    switch (e.kind) {
    case K::Caption:
        p.setPen(colourOf(e.colour));
        if (e.wordWrap)
            drawWrapped(p, e, e.text);
        else
            drawFitted(p, e, e.text);
        break;
    case K::Value:
    case K::TextArea: {
        const QString text = fill.text(e.name);
        if (text.isEmpty())
            break;
        p.setPen(colourOf(e.colour));
        if (e.kind == K::TextArea)
            drawWrapped(p, e, text);
        else
            drawFitted(p, e, text);
        break;
    }
    case K::Box:
    case K::Frame:
        if (e.lineTwips > 0) {
            p.setPen(penOf(e));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rect);
            if (e.crossed) {
                p.drawLine(rect.topLeft(), rect.bottomRight());
                p.drawLine(rect.topRight(), rect.bottomLeft());
            }
        }
        break;
    case K::Line:
        if (e.lineTwips > 0) {
            p.setPen(penOf(e));
            p.drawLine(QPointF(e.left, e.top), QPointF(e.left + e.width, e.top + e.height));
        }
        break;
    case K::Check:
        drawCheck(p, e, fill);
        break;
    case K::DigitBoxes:
        drawDigitBoxes(p, e, fill);
        break;
    }
}

}  // namespace

void RenderPage(QPainter &painter, const PrintJob &job, double dotsPerInch, QPoint offsetTwips)
{
    if (!job.layout)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(dotsPerInch / 1440.0, dotsPerInch / 1440.0);
    painter.translate(offsetTwips);
    // The page ends at its height: "1 копие" never shows the lower copy.
    painter.setClipRect(QRectF(0, 0, job.layout->widthTwips, job.heightTwips));
    for (int copy = 0; copy < job.copies(); ++copy) {
        painter.save();
        painter.translate(0, copy * CopyOffsetTwips);
        for (const PageElement &e : job.layout->elements)
            if (job.fill.isShown(e))
                drawBackground(painter, e, job.fill);
        for (const PageElement &e : job.layout->elements)
            if (job.fill.isShown(e))
                drawElement(painter, e, job.fill);
        painter.restore();
    }
    painter.restore();
}

void PreparePrinter(QPrinter &printer, const QString &documentName)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The page starts where the printer can print, as the old programs
    // printed the form's image: a label 60 twips below the paper's edge
    // would be lost in the margin that no printer reaches.
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    printer.setCopyCount(1);
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(documentName.isEmpty() ? u"Remitor"_s : documentName);
    printer.setCreator(u"Remitor"_s);
}

bool PrintPage(QPrinter &printer, const PrintJob &job, QPoint offsetTwips)
{
    PreparePrinter(printer, job.documentName);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    RenderPrinterPages(painter, printer, {job}, offsetTwips);
    return painter.end();
}

void RenderPrinterPages(QPainter &painter, QPrinter &printer, const QList<PrintJob> &pages,
                        QPoint offsetTwips)
{
    const int dpi = printer.resolution();
    const double printable =
        printer.pageLayout().paintRectPixels(dpi).height() * 1440.0 / std::max(dpi, 1);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        const double fit = printable > 0 && pages[i].heightTwips > printable
                               ? printable / pages[i].heightTwips
                               : 1.0;
        painter.save();
        painter.scale(fit, fit);
        RenderPage(painter, pages[i], dpi, offsetTwips);
        painter.restore();
    }
}

bool SavePagePdf(const PrintJob &job, const QString &path)
{
    return SavePagesPdf({job}, path);
}

bool SavePagesPdf(const QList<PrintJob> &pages, const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    // One device unit per twip.
    writer.setResolution(1440);
    writer.setTitle(pages.isEmpty() ? QString() : pages.first().documentName);
    writer.setCreator(u"Remitor"_s);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && !writer.newPage())
            return false;
        RenderPage(painter, pages[i], writer.resolution());
    }
    return painter.end();
}

QImage RenderPageImage(const PrintJob &job, int dotsPerInch)
{
    const int width = job.layout ? job.layout->widthTwips : A4WidthTwips;
    QImage image(int(std::ceil(width * dotsPerInch / 1440.0)),
                 int(std::ceil(job.heightTwips * dotsPerInch / 1440.0)), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dotsPerInch / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dotsPerInch / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderPage(painter, job, dotsPerInch);
    painter.end();
    return image;
}

}  // namespace remitor
