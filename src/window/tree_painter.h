// Paints the branch and bound tree's drawing with any QPainter: the tree window and the lesson's
// PDF draw through these functions, at whatever resolution their device has.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>

#include "tree_figure.h"

namespace simplesso {

// The tree laid out for `font` on `device`, in the device's units.
integer::TreeFigure LayTreeFor(const integer::Tree& tree, const QFont& font,
                               const QPaintDevice* device);

// Draws the laid out figure with its top left corner at `origin`, in the painter's coordinates;
// the node `selected` (its index, or -1) gets a focus frame round its box.
void PaintTree(QPainter& painter, const QPointF& origin, const integer::TreeFigure& figure,
               const QFont& font, int selected = -1);

}  // namespace simplesso
