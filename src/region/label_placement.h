// Where each label of a figure stands, so that none lies under a line, a point or another label.
// The text's size comes from whoever draws it, so the screen and the PDF, each with its own
// fonts, place the labels by one rule; the rule itself is plain geometry.
#pragma once

#include <functional>
#include <vector>

#include "figure.h"

namespace simplesso {

// A box on the target, y downwards.
struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

struct LabelSize {
    double width = 0;
    double height = 0;
};

struct PlacedLabel {
    Box box;
    // The label stands far from its point or on something: a thin line leads from `from` (on the
    // label's point) to `to` (on the box's rim).
    bool leader = false;
    XY from, to;
};

using MeasureLabel = std::function<LabelSize(const Label&)>;

// One box per label of `figure`, in its order, each within `bounds`. `unit` is the target's
// length of one typographic point, as for LayFigure.
std::vector<PlacedLabel> PlaceLabels(const Figure& figure, const MeasureLabel& measure,
                                     const Box& bounds, double unit);

// The geometry the placement judges by, for whoever wants to check a placement.
bool SegmentMeetsBox(const XY& from, const XY& to, const Box& box);
bool DiscMeetsBox(const XY& centre, double radius, const Box& box);
bool BoxesOverlap(const Box& a, const Box& b);

}  // namespace simplesso
