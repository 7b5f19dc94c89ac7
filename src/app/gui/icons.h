#pragma once

#include <QIcon>
#include <QString>

namespace remitor {

// The pictures of the main window's buttons, drawn by the program: a
// coloured tile with a short Bulgarian abbreviation, one colour per group
// (bank orders, budget, cash, tools).
QIcon buttonIcon(const QString &buttonName);
QIcon programIcon();

}  // namespace remitor
