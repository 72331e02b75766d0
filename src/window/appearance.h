// How the window looks: the classic Windows style, whose frames carry their captions on the border
// and share one flat background with their labels, and the installed faces that stand in for the
// ones the window asks for, at the same size and weight.
#pragma once

#include <QFont>

#include "layout.h"

namespace simplesso {

// Call once, after the QApplication exists and before the window is created.
void PrepareAppearance();

// The stand-in for "MS Sans Serif", the face of the window's texts, at a size in points.
QFont SansSerif(double points, bool bold);

// The face of a label or a decoration of the equations.
QFont CaptionFont(layout::Face face);

}  // namespace simplesso
