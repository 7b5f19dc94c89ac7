#pragma once

#include "print/page_layout.h"

// The look that every bank form of the program shares: the text styles of
// captions, values and boxed characters, the colour of the boxes the data
// goes into, and the builders of the boxed values every form has.
namespace remitor::layout {

// The colour of the boxes that the user's data goes into.
inline constexpr quint32 FormBoxColour = 0xFFF1C4u;

inline constexpr TextStyle kTiny{FontFamily::Arial, 120};   // captions in the cells
inline constexpr TextStyle kSmall{FontFamily::Arial, 130};  // explanations under the order
inline constexpr TextStyle kSmallBold{FontFamily::Arial, 130, true};
inline constexpr TextStyle kText{FontFamily::Arial, 150};  // declarations
inline constexpr TextStyle kTextBold{FontFamily::Arial, 150, true};
inline constexpr TextStyle kHeader{FontFamily::Arial, 160};  // До, Клон, Адрес
inline constexpr TextStyle kTitle{FontFamily::Arial, 200, true};
inline constexpr TextStyle kSubtitle{FontFamily::Arial, 160, true};
inline constexpr TextStyle kValue{FontFamily::Arial, 180};
inline constexpr TextStyle kNote{FontFamily::Arial, 160};
inline constexpr TextStyle kAmount{FontFamily::Arial, 200, true};
// Spread texts rely on a fixed pitch: a character and a blank fill one box.
inline constexpr TextStyle kSpread{FontFamily::Courier, 150, true};
inline constexpr TextStyle kSpreadSmall{FontFamily::Courier, 95,
                                        true};  // 0.6 of it is a whole twip
inline constexpr TextStyle kDigit{FontFamily::Courier, 170, true};
inline constexpr int kValueHeight = 220;
// The frame of the bank forms across the sheet, a margin for binding on the left.
inline constexpr int kFormLeft = 1890;
inline constexpr int kFormRight = 9615;
inline constexpr int kFormWidth = kFormRight - kFormLeft;

// One character of a Courier text is 0.6 of its size wide; a spread
// character and its blank take two of them, and that is one box.
constexpr int advanceOf(const TextStyle &s)
{
    return (s.sizeTwips * 6 + 5) / 10;
}

// The boxes under a spread label: each character centred in its box, the
// box as high as the characters with a little air above and below; with
// `groupSize`, a gap of one box after every group (IBANs in fours).
PageElement spreadBoxes(int labelLeft, int labelTop, int cells, const TextStyle &style,
                        int groupSize = 0);

// A value spread into `cells` boxes drawn under it: the boxes, then the
// value filled by `format` (Spread, SpreadUpper or Iban, which groups the
// boxes in fours). The value is as high as the boxes unless `valueHeight`
// says otherwise.
QList<PageElement> boxedValue(const QString &name, int left, int top, int cells,
                              const TextStyle &style, ValueFormat format, int valueHeight = 0);

// The box of an amount, and the frame that crosses it out when the
// document has no amount in `amountField`.
PageElement crossingFrame(const QString &name, int left, int top, int width, int height,
                          const QString &amountField);

// A row of a framed form: a line across the frame at `top`, the caption in
// the row's corner and the value under it, as wide as the row.
QList<PageElement> captionedRow(int left, int right, int top, const QString &caption,
                                const QString &name);

}  // namespace remitor::layout
