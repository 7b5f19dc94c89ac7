#pragma once

#include "print/form_style.h"

// What the two bilingual forms (the foreign-currency transfer order and
// the currency buy/sell order) share: a wider frame than the national
// forms, captions in both languages set small in the top of their cells,
// and the bank's header.
namespace remitor::layout::bilingual {

inline constexpr int kLeft = 900;
inline constexpr int kRight = 10990;
inline constexpr int kWidth = kRight - kLeft;

inline constexpr TextStyle kCaption{FontFamily::Arial, 110};  // "Сума / Amount"
inline constexpr TextStyle kCaptionBold{FontFamily::Arial, 110, true};
inline constexpr TextStyle kField{FontFamily::Arial, 160};
inline constexpr int kFieldHeight = 180;

// A line across the frame.
PageElement rule(int top);

// A cell of the frame from `left` to `right`: its caption at the top, the
// value `name` under it.
QList<PageElement> cell(const QString &caption, const QString &name, int left, int right, int top);

// The bank the order is handed to, in three captioned lines from `top`:
// the name, its financial centre and its address, each underlined.
QList<PageElement> bankHeader(const QStringList &captions, const QStringList &names, int top,
                              int right);

// The order's title at the right of the header.
QList<PageElement> title(const QStringList &lines, int top);

}  // namespace remitor::layout::bilingual
