// The region's figure as a TikZ picture for the lesson's LaTeX: the same layout as on screen,
// with the whole path. Needs only \usepackage{tikz} (Debian's pgf).
#pragma once

#include <string>

#include "projection.h"
#include "region.h"

namespace simplesso {

// A "tikzpicture" environment, about 9 cm wide, the legend and the captions below the plot.
std::string RegionTikz(const Region& region, const ViewAngles& view, bool approximate);

}  // namespace simplesso
