#pragma once
// The main window on the screen: on a screen whose available area holds the
// whole window it opens as designed, fixed in size; on a smaller one it opens
// within the area and its client area scrolls, the status bar staying in view
// below it. Where it was is remembered in
// a small file of its own (not in the program's settings) and taken again at
// the next start when the window fits there.
#include <QRect>
#include <QString>

namespace tv {

class FormView;

// Room kept for the window frame the window manager adds around the window.
QMargins frameAllowance();

// Makes the window fit `area` (the screen's available area): true when its
// client area had to scroll. Only ever makes the window scroll, never undoes it.
bool fitWindow(FormView& window, const QRect& area);

// Places the main window: fitted to its screen, at the remembered place when
// `positionFile` names one where it fits, else centred (or at the area's
// corner when it scrolls).
void placeMainWindow(FormView& window, const QString& positionFile);
// Writes the window's place into `positionFile`.
void rememberPosition(const FormView& window, const QString& positionFile);
// The file the desktop program keeps the place in.
QString windowPositionPath();

}  // namespace tv
