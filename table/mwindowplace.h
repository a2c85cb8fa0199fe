#pragma once
// Windows that fit the screen: where the main window opens, and dialogs kept within the
// screen they open on.
#include <QRect>
#include <QSize>

class QObject;
class QWidget;

namespace solvane {

// Whether a window of this geometry lies wholly within the available area of a screen.
bool FitsAScreen(const QRect& geometry);
// A window of the wanted size, made smaller to fit the available area with a margin (but
// never below the minimum), and centred on it.
QRect PlaceCentred(QSize wanted, QSize minimum, const QRect& available);
// Shrinks and moves a window so that it lies within the available area of its screen
// (never below its minimum size).
void KeepOnScreen(QWidget* window);
// From now on every dialog or window but the main one is kept on its screen as it shows.
void KeepWindowsOnScreen(QObject* application);

} // namespace solvane
