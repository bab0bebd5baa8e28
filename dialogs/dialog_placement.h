// Where the dialogs stand and how big their labels are. Both dialogs centre their frame on the
// primary screen each time they are shown; division truncates toward zero, so a dialog larger
// than the screen gets a negative corner.
#pragma once

#include <QPoint>
#include <QSize>

class QLabel;
class QWidget;

namespace korvane {

/// Moves a top-level window so that its frame is centred on the primary screen.
void centreOnPrimaryScreen(QWidget &window);

/// Makes a label as wide as its text, keeping its left edge and the given height.
void fitToText(QLabel &label, int height);

} // namespace korvane
