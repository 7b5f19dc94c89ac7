#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace remitor {

// A picture for a button, drawn by the program: a coloured rounded tile with
// a short text in white.
QIcon tileIcon(const QString &text, const QColor &color);

}  // namespace remitor
