#pragma once

#include <QSize>

class QWidget;

// Windows and dialogs open inside the available area of their screen (the desktop less its
// panels), frame included, so that nothing (a status bar, a dialog's buttons) is out of reach
// on a small screen. The window system adds the frame once a window is shown; until then room
// is left for a title bar.

// wanted, made small enough for window's screen.
QSize SizeWithinScreen(const QWidget* window, QSize wanted);

// Shrinks and moves window so that it lies inside its screen's available area with its frame.
void MoveIntoScreen(QWidget* window);

// Moves window into its screen (as above) whenever it is shown, once the window system has
// framed it.
void KeepInScreenWhenShown(QWidget* window);
