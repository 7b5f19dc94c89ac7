#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace remitor {

// A print page is the paper form as data: every caption, line, frame and box
// of one copy, in twips from the sheet's top-left corner. The sheet holds the
// upper copy and, 8220 twips lower, the same elements again; the page height
// decides whether the lower copy is printed.
inline constexpr int CopyOffsetTwips = 8220;
inline constexpr int TwoCopiesHeightTwips = 16500;
inline constexpr int OneCopyHeightTwips = 8200;
inline constexpr int A4WidthTwips = 11906;
inline constexpr int A4HeightTwips = 16838;

enum class Copies { One, Two };
constexpr int PageHeightTwips(Copies copies)
{
    return copies == Copies::Two ? TwoCopiesHeightTwips : OneCopyHeightTwips;
}

enum class FontFamily { Arial, Times, Courier };

struct TextStyle {
    FontFamily family = FontFamily::Arial;
    int sizeTwips = 180;  // the em size: 20 twips make one point
    bool bold = false;
    bool italic = false;
};

enum class Align { Left, Center, Right };

// Colours are 0xRRGGBB; NoColour leaves the paper as it is.
inline constexpr quint32 NoColour = 0xFFFFFFFFu;
inline constexpr quint32 White = 0xFFFFFFu;
inline constexpr quint32 Black = 0x000000u;

// How a named element of a page fills itself from the record field it is
// named after (or from `field`): the print vocabulary that every kind's page
// is written in, so that a kind's own fill writes only what is particular.
enum class ValueFormat {
    Shown,         // the field's text as its editor shows it
    Trimmed,       // trimmed on both sides
    Spread,        // one character per box ("B N B G ")
    SpreadUpper,   // the same, upper-cased (a currency typed in lower case)
    Iban,          // one character per box, in groups of four
    Amount,        // three blanks and the figures with a decimal comma; three blanks for none
    AmountOrNone,  // the same, but nothing at all for none (its boxes are crossed out)
    WordsBG,       // the amount in Bulgarian words, in the currency of `currencyField`
    WordsEN,       // the amount in English words, in the currency of `currencyField`
    DateBoxes,     // a date into six boxes: two digits of the day, the month, the year
    DateBoxes8,    // a date into eight boxes: the day, the month and the whole year
    MonthBoxes,    // a date into four boxes: the month and two digits of the year
    LongDate,      // a date as "05 март 2010 г."
    Check,         // a check box, ticked when the field holds `checkValue`
    NoAmount,      // shown only when the field holds no amount (the crossing frame)
    Particular,    // the kind's own fill gives it
    Window,        // the editor window gives it: a line that is no field of the record
};

struct PageElement {
    enum class Kind {
        Caption,     // fixed text of the form
        Value,       // a label the filling gives a text; width 0 grows with the text
        TextArea,    // a value over several lines, broken at words
        Frame,       // a rectangle; `crossed` hatches it over (SumNul)
        Line,        // from (left, top) to (left + width, top + height)
        Box,         // a coloured rectangle, with a border when lineTwips > 0
        Check,       // a small square, crossed when ticked, with its caption to the right
        DigitBoxes,  // a row of cells; a named one shows one character of its text per cell
    };

    Kind kind = Kind::Caption;
    QString name;  // values, text areas, checks, named boxes and frames
    QString text;  // captions; the caption of a check box
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    TextStyle style;
    Align align = Align::Left;
    bool wordWrap = false;          // captions broken over lines within width
    quint32 background = NoColour;  // fill behind the element
    quint32 colour = Black;         // lines and text
    int lineTwips = 15;             // pen of frames, lines and borders; 0 for none
    int cells = 0;                  // digit boxes: number of cells
    int cellWidth = 0;              // digit boxes: pitch of the cells
    int groupSize = 0;              // digit boxes: a gap after every groupSize cells
    int groupGap = 0;
    bool crossed = false;
    bool hidden = false;            // printed only when the filling shows it
    ValueFormat format = ValueFormat::Shown;  // for named values, text areas, boxes and checks
    QString field;                  // the record field, when it is not `name`
    QString currencyField;          // the currency of an amount in words
    int checkValue = 1;             // a check box is ticked when the field holds this

    // The field the element fills from.
    const QString &source() const { return field.isEmpty() ? name : field; }
    // The same element filled in another way.
    PageElement as(ValueFormat how, const QString &from = {}) const
    {
        PageElement e = *this;
        e.format = how;
        if (!from.isEmpty())
            e.field = from;
        return e;
    }

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    // Left edge of cell i of a row of digit boxes.
    int cellLeft(int i) const
    {
        return left + i * cellWidth + (groupSize > 0 ? (i / groupSize) * groupGap : 0);
    }
    int cellsRight() const { return cells > 0 ? cellLeft(cells - 1) + cellWidth : left; }
};

struct PageLayout {
    QString name;  // "PrintPln"
    int widthTwips = A4WidthTwips;
    QList<PageElement> elements;  // the upper copy

    // The element of that name, without regard to case; null when absent.
    const PageElement *find(const QString &name) const;
};

// What the filling of a page gives the renderer: the texts of the value
// labels, text areas and named digit boxes, the ticks of the check boxes,
// which elements show or hide, and whether the boxes keep their colours.
// Names compare without regard to case.
class PageFill {
public:
    void setText(const QString &name, const QString &text) { m_texts.insert(name.toLower(), text); }
    QString text(const QString &name) const { return m_texts.value(name.toLower()); }
    bool hasText(const QString &name) const { return m_texts.contains(name.toLower()); }

    void setChecked(const QString &name, bool on) { m_checks.insert(name.toLower(), on); }
    bool isChecked(const QString &name) const { return m_checks.value(name.toLower(), false); }
    bool hasCheck(const QString &name) const { return m_checks.contains(name.toLower()); }

    // Shows or hides a named element whatever its own default.
    void setShown(const QString &name, bool shown) { m_shown.insert(name.toLower(), shown); }
    bool isShown(const PageElement &e) const;

    // Colour printing off: every coloured box prints on white.
    bool whiteBoxes = false;

    // The names that were given a text, a tick or a visibility.
    QStringList names() const;

private:
    QHash<QString, QString> m_texts;
    QHash<QString, bool> m_checks;
    QHash<QString, bool> m_shown;
};

// The fill colour that the element prints with, NoColour when none: white
// instead of any colour when the colour printing is off.
quint32 BackgroundOf(const PageElement &element, const PageFill &fill);

// One page ready for the renderer.
struct PrintJob {
    const PageLayout *layout = nullptr;
    PageFill fill;
    int heightTwips = TwoCopiesHeightTwips;
    QString documentName;  // for the print queue and the PDF's title
    // A printout that fills the sheet (a report's page) rather than a form:
    // drawn once, down the whole sheet.
    bool wholeSheet = false;

    // The copies that lie on the sheet: the upper one, and the lower one
    // when the page is high enough to hold it.
    int copies() const { return !wholeSheet && heightTwips > CopyOffsetTwips ? 2 : 1; }
};

// A page built once, on first use, by its builder: every page accessor is this.
template <PageLayout (*Build)()>
const PageLayout &BuiltOnce()
{
    static const PageLayout page = Build();
    return page;
}

// Builders that keep the page tables readable.
namespace layout {
PageElement caption(const QString &text, int left, int top, const TextStyle &style);
PageElement captionIn(const QString &text, int left, int top, int width, int height,
                      const TextStyle &style, Align align = Align::Left, bool wrap = false);
PageElement value(const QString &name, int left, int top, int width, int height,
                  const TextStyle &style, quint32 background = NoColour);
PageElement textArea(const QString &name, int left, int top, int width, int height,
                     const TextStyle &style);
PageElement frame(int left, int top, int width, int height, int lineTwips = 15);
PageElement hline(int left, int top, int width, int lineTwips = 10);
PageElement vline(int left, int top, int height, int lineTwips = 10);
PageElement box(int left, int top, int width, int height, quint32 colour, int lineTwips = 10);
// A check box ticked when `field` holds `value`.
PageElement check(const QString &name, const QString &text, int left, int top, int size,
                  const TextStyle &style, const QString &field, int value);
// A row of `cells` cells `cellWidth` wide; a gap of `groupGap` after every
// `groupSize` cells.
PageElement digitBoxes(const QString &name, int left, int top, int cells, int cellWidth, int height,
                       const TextStyle &style, quint32 background, int groupSize = 0,
                       int groupGap = 0);
}  // namespace layout

}  // namespace remitor
