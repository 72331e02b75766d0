#include "tree_tikz.h"

#include <algorithm>
#include <cstdio>

#include "latex.h"
#include "tree_figure.h"

namespace simplesso {
namespace {

// Estimates for \footnotesize, in centimetres, on the generous side: a box a little too wide only
// leaves room round its text.
constexpr double kCharacterWidth = 0.15;
constexpr double kLineHeight = 0.4;

double TextWidth(const std::string& text) {
    // Code points, not bytes: "≤" is one character.
    const auto count = std::count_if(text.begin(), text.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return static_cast<double>(count) * kCharacterWidth;
}

std::string Cm(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

std::string TikzColour(const int (&rgb)[3]) {
    return "{rgb,255:red," + std::to_string(rgb[0]) + ";green," + std::to_string(rgb[1]) +
           ";blue," + std::to_string(rgb[2]) + "}";
}

}  // namespace

std::string TreeTikz(const integer::Tree& tree) {
    const integer::TreeFigure figure = integer::LayTree(tree, TextWidth, kLineHeight);
    const double scale = std::min({1.0, kTreeMostWidth / std::max(figure.width, 1e-9),
                                   kTreeMostHeight / std::max(figure.height, 1e-9)});
    std::string out = "\\scalebox{" + Cm(scale) + "}{%\n\\begin{tikzpicture}[font=\\footnotesize]\n";
    // y grows downwards in the layout, upwards in TikZ.
    const auto at = [](double x, double y) { return "(" + Cm(x) + "," + Cm(-y) + ")"; };
    for (const integer::TreeEdge& edge : figure.edges) {
        out += "\\draw " + at(edge.fromX, edge.fromY) + " -- " + at(edge.toX, edge.toY) + ";\n";
        out += "\\node[anchor=" + std::string(edge.labelLeft ? "south east" : "south west") +
               ",inner sep=1pt] at " +
               at((edge.fromX + edge.toX) / 2, (edge.fromY + edge.toY) / 2) + " {" +
               LatexEscaped(edge.label) + "};\n";
    }
    for (const integer::TreeBox& box : figure.boxes) {
        const integer::BoxStyle style = integer::StyleOf(box);
        out += "\\filldraw[fill=" + TikzColour(style.fill) + ",draw=" + TikzColour(style.border) +
               ",line width=" + Cm(style.pen) + "pt" + (style.dashed ? ",dashed" : "") + "] " +
               at(box.left, box.top) + " rectangle " + at(box.left + box.width, box.top + box.height) +
               ";\n";
        for (std::size_t i = 0; i < box.lines.size(); ++i) {
            out += "\\node[anchor=north,inner sep=0pt] at " +
                   at(box.left + box.width / 2,
                      box.top + figure.lineHeight * (0.5 + static_cast<double>(i))) +
                   " {\\strut " + LatexEscaped(box.lines[i]) + "};\n";
        }
    }
    out += "\\end{tikzpicture}}\n";
    return out;
}

}  // namespace simplesso
