// The region's figure as a TikZ picture for the lesson's LaTeX: the same layout as on screen,
// with the whole path. Needs only \usepackage{tikz} (Debian's pgf).
#pragma once

#include <string>

#include "label_placement.h"
#include "projection.h"
#include "region.h"

namespace simplesso {

// The plot's square, in centimetres, the picture's unit.
inline constexpr double kTikzSide = 9;
// One typographic point in centimetres.
inline constexpr double kTikzPoint = 2.54 / 72.27;
// Round the plot the labels may stand out of it by this much, in centimetres: the axes run to the
// plot's rim and their numbers and names stand beside them.
inline constexpr double kTikzLabelMargin = 0.5;

// A "tikzpicture" environment, about 9 cm wide, the legend and the captions below the plot.
std::string RegionTikz(const Region& region, const ViewAngles& view, bool approximate);

// The box a label's text takes in the picture, in centimetres. The writer cannot ask LaTeX how
// wide a text comes out, so this is an estimate from its characters in the font the picture sets
// them in, on the generous side: a box too large only keeps others a little farther away, one too
// small lets the text run under a line.
LabelSize TikzLabelSize(const Label& label);

}  // namespace simplesso
