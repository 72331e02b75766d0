// How the window looks: the classic Windows style, whose frames carry their captions on the border
// and share one flat background with their labels, and the installed faces that stand in for the
// ones the window asks for, at the same size and weight.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include "layout.h"

namespace simplesso {

// Call once, after the QApplication exists and before the window is created. It also puts Qt's
// own texts into Italian.
void PrepareAppearance();

// The stand-in for "MS Sans Serif", the face of the window's texts, at a size in points.
QFont SansSerif(double points, bool bold);

// The face of a label or a decoration of the equations.
QFont CaptionFont(layout::Face face);

// The decimal separator of the locale in force: a comma, or "." for anything else.
char DecimalSeparator();

// What a cell `width` pixels wide draws of `text` in the face of `metrics`: the whole text, or a
// number shortened so that it never reads as another (FitNumberText).
QString FittedText(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace simplesso
