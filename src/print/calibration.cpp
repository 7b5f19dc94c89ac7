#include "print/calibration.h"

#include "print/form_style.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// The stored shift is cut to an inch as well (printer_settings.cpp).
constexpr int kMaxShiftTwips = 1440;
constexpr int kArm = 300;  // half the length of a cross's bar

PageElement centred(const QString &name, int left, int top, int width)
{
    PageElement v = layout::value(name, left, top, width, layout::kValueHeight, layout::kText);
    v.align = Align::Center;
    return v.as(ValueFormat::Particular);
}

QString markName(int i)
{
    return u"mark%1"_s.arg(i);
}

}  // namespace

int MillimetresToTwips(double mm)
{
    return int(std::lround(mm * 1440.0 / 25.4));
}

QString MillimetreText(int twips)
{
    const long tenths = std::lround(twips * 254.0 / 1440.0);
    const QString sign = tenths < 0 ? u"-"_s : QString();
    const long a = std::labs(tenths);
    return sign + QString::number(a / 10) + u',' + QString::number(a % 10);
}

std::optional<double> ReadMillimetres(const QString &text)
{
    static const QRegularExpression re(
        uR"(^\s*([+-]?)\s*(\d+(?:[.,]\d*)?|[.,]\d+)\s*(?:мм|mm)?\.?\s*$)"_s,
        QRegularExpression::CaseInsensitiveOption);
    if (text.trimmed().isEmpty())
        return 0.0;
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString number = m.captured(2);
    number.replace(u',', u'.');
    if (number.startsWith(u'.'))
        number.prepend(u'0');
    const double v = number.toDouble() * (m.captured(1) == u"-"_s ? -1 : 1);
    if (std::abs(v) > MaxCalibrationMm)
        return std::nullopt;
    return v;
}

QPoint CalibrationShift(const PrinterSettings &s, const QString &printerName)
{
    if (!s.printerName.isEmpty() && s.printerName != printerName)
        return {};
    return {s.offsetXTwips, s.offsetYTwips};
}

PrinterSettings Calibrated(const PrinterSettings &s, const QString &printerName, double rightMm,
                           double downMm)
{
    const QPoint was = CalibrationShift(s, printerName);
    PrinterSettings out = s;
    out.printerName = printerName;
    out.offsetXTwips =
        std::clamp(was.x() - MillimetresToTwips(rightMm), -kMaxShiftTwips, kMaxShiftTwips);
    out.offsetYTwips =
        std::clamp(was.y() - MillimetresToTwips(downMm), -kMaxShiftTwips, kMaxShiftTwips);
    return out;
}

const QList<QPoint> &CalibrationMarks()
{
    // An inch in from the corners of the upper half: far from every margin.
    static const QList<QPoint> marks = {
        {1440, 1440}, {A4WidthTwips - 1440, 1440}, {1440, 7000}, {A4WidthTwips - 1440, 7000}};
    return marks;
}

const PageLayout &CalibrationSheet()
{
    static const PageLayout sheet = [] {
        using namespace layout;
        PageLayout p;
        p.name = u"PrintCalibration"_s;
        QList<PageElement> &e = p.elements;
        for (int i = 0; i < CalibrationMarks().size(); ++i) {
            const QPoint m = CalibrationMarks()[i];
            e << hline(m.x() - kArm, m.y(), 2 * kArm, 10)
              << vline(m.x(), m.y() - kArm, 2 * kArm, 10);
            // The distances beside the cross, towards the middle of the sheet.
            const bool right = m.x() > A4WidthTwips / 2;
            PageElement v = value(markName(i), right ? m.x() - 4600 : m.x() + 150, m.y() + 80, 4450,
                                  kValueHeight, kText);
            v.align = right ? Align::Right : Align::Left;
            e << v.as(ValueFormat::Particular);
        }
        const int left = 1440, width = A4WidthTwips - 2 * 1440;
        e << captionIn(u"Пробен лист за калибриране на принтера"_s, left, 2700, width, 300, kTitle,
                       Align::Center)
          << centred(u"printer"_s, left, 3150, width) << centred(u"shift"_s, left, 3400, width);
        e << captionIn(
            u"Измерете с линийка разстоянието от левия и от горния ръб на листа до средата на "
            "всеки кръст и го сравнете с написаното до кръста. В прозореца „Калибриране на "
            "принтера“ въведете разликата: със знак плюс, когато кръстовете са по-надясно или "
            "по-надолу, и със знак минус, когато са по-наляво или по-нагоре."_s,
            left, 3900, width, 1000, kText, Align::Left, true);
        return p;
    }();
    return sheet;
}

PageFill FillCalibrationSheet(QPoint origin, const QString &printerName, QPoint shift)
{
    PageFill f;
    for (int i = 0; i < CalibrationMarks().size(); ++i) {
        const QPoint at = CalibrationMarks()[i] + origin;
        f.setText(markName(i), u"отляво "_s + MillimetreText(at.x()) + u" мм, отгоре "_s +
                                   MillimetreText(at.y()) + u" мм"_s);
    }
    f.setText(u"printer"_s,
              u"Принтер: "_s + (printerName.isEmpty() ? u"по подразбиране"_s : printerName));
    f.setText(u"shift"_s, u"Корекция при този печат: надясно "_s + MillimetreText(shift.x()) +
                              u" мм, надолу "_s + MillimetreText(shift.y()) + u" мм"_s);
    return f;
}

}  // namespace remitor
