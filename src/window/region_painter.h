// Paints the feasible region's figure with any QPainter: the region window's view and the
// lesson's PDF draw through this one function, at whatever resolution their device has.
#pragma once

#include <QPainter>
#include <QRectF>

#include "projection.h"
#include "region.h"

namespace simplesso {

// Draws the figure, its legend, its captions and, when `approximate`, the note that the path is
// only as the grid shows it, all within `target` (in the painter's coordinates). The path is the
// region's own.
void PaintRegion(QPainter& painter, const QRectF& target, const Region& region,
                 const ViewAngles& view, bool approximate);

}  // namespace simplesso
