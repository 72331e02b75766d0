// The branch and bound tree as a TikZ picture for the lesson's LaTeX: the boxes, lines and
// labels the window draws, scaled down to fit the page where the tree is large. Needs tikz and
// graphicx.
#pragma once

#include <string>

#include "branch_and_bound.h"

namespace simplesso {

// The text block of an A4 page with 2 cm margins, in centimetres, less room for the heading.
inline constexpr double kTreeMostWidth = 17;
inline constexpr double kTreeMostHeight = 23;

std::string TreeTikz(const integer::Tree& tree);

}  // namespace simplesso
