#pragma once

#include <QPoint>

class QWidget;

namespace remitor {

// Keeps a window on the screen it opens on: a window that may be resized is
// made no larger than the screen's free area (a 1366×768 laptop holds every
// window of the program), and the window is moved so that no part of it
// lies off the screen. `topLeft`, when given, is where the caller wants it.
void FitOnScreen(QWidget *window);
void FitOnScreen(QWidget *window, QPoint topLeft);
// The same, as soon as the window is shown: only then is its frame known,
// and a modal dialog is shown by its own exec().
void FitOnScreenWhenShown(QWidget *window, QPoint topLeft);

}  // namespace remitor
