#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace remitor {

// The forms were laid out in twips: 15 twips make one pixel at 96 dpi.
constexpr int twips(int t) { return (t + 7) / 15; }
inline QSize twipsSize(int w, int h) { return {twips(w), twips(h)}; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace remitor
