#include "region_tikz.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "figure.h"

namespace simplesso {
namespace {

constexpr double kSide = kTikzSide;
constexpr double kPoint = kTikzPoint;

// The labels' sizes in points, set as such rather than as \scriptsize, so that the estimate of
// their boxes holds in a document of any size. A tick's number is smaller, as on screen.
constexpr double kLabelFont = 8;
constexpr double kTickFont = 7;
// Computer Modern's digits and italic letters are a little over half their size wide; spaces,
// brackets and stops less. A space stands for the room round "+" and "<=" in an equation, and a
// subscript is counted as a digit of full size, so equations come out a little wide.
constexpr double kCharacterWidth = 0.58;
constexpr double kNarrowWidth = 0.4;
// A fraction in a line stands higher and lower than the text round it.
constexpr double kFractionHeight = 1.4;
// The room between a label's text and the rim of its box, each side, in points.
constexpr double kLabelPad = 1;
// The legend's \small, taken as in a document of 12 points, the largest the classes offer;
// and the room between its two columns, in centimetres.
constexpr double kLegendFont = 10.95;
constexpr double kLegendColumnGap = 0.3;
// The region reduced to a segment of an "=" row is drawn thick, in points.
constexpr double kSegmentWidth = 3.2;

std::string Num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

// TikZ's y grows upwards, the figure's downwards.
std::string Coord(const XY& p) {
    return "(" + Num(p.x) + "," + Num(kSide - p.y) + ")";
}

std::string Colour(int row) {
    return row < 0 ? "black" : "regionrow" + std::to_string(row + 1);
}

double FontSize(const Label& l) {
    return l.kind == LabelKind::Tick ? kTickFont : kLabelFont;
}

std::string Font(const Label& l) {
    const double size = FontSize(l);
    return "\\fontsize{" + Num(size) + "}{" + Num(1.2 * size) + "}\\selectfont";
}

// A UTF-8 text's width in units of its font's size; the bytes that continue a character add
// nothing.
double Ems(const std::string& text) {
    double ems = 0;
    for (const char c : text) {
        if (std::string_view(" ;:,.()").find(c) != std::string_view::npos) {
            ems += kNarrowWidth;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ems += kCharacterWidth;
        }
    }
    return ems;
}

// The region's thick segment on its "=" row, darker than the row's line under it.
std::string SegmentStyle(int row) {
    return Colour(row) + "!77!black,line width=" + Num(kSegmentWidth) + "pt";
}

// The box's sides that cut an unbounded region, in the picture and in the legend alike.
const char* const kCutStyle = "black!45,dashed,line width=0.5pt";
const char* const kLevelStyle = "black!70,densely dashed,line width=0.6pt";

std::string FillStyle(const FilledPolygon& p) {
    switch (p.fill) {
        case Fill::Constraint:
            return Colour(p.row) + ",fill opacity=0.30";
        case Fill::Axis:
            return "black!40,fill opacity=0.18";
        case Fill::Box:
            return "black!20,fill opacity=0.12";
        case Fill::Polygon:
            break;
    }
    return "cyan!40!blue!30,fill opacity=0.6";
}

std::string StrokeStyle(const Segment& s) {
    std::string style;
    switch (s.stroke) {
        case Stroke::Edge:
            style = s.row >= 0 ? SegmentStyle(s.row) : "black!80,line width=0.8pt";
            break;
        case Stroke::CutEdge:
            style = kCutStyle;
            break;
        case Stroke::Axis:
            style = "black,line width=0.5pt";
            break;
        case Stroke::Tick:
            style = "black,line width=0.4pt";
            break;
        case Stroke::ConstraintLine:
            style = Colour(s.row) + ",line width=0.7pt";
            break;
        case Stroke::Level:
            style = kLevelStyle;
            break;
        case Stroke::Gradient:
            style = "black,line width=0.9pt";
            break;
        case Stroke::Path:
            style = "red!75!black,line width=1.1pt";
            break;
    }
    return s.arrow ? "->," + style : style;
}

// The mark before a legend entry's text, from `x` and centred on height `y`, 0.4 cm wide.
std::string LegendMarkTikz(const LegendEntry& e, double x, double y) {
    const std::string left = "(" + Num(x) + "," + Num(y) + ")";
    const std::string right = "(" + Num(x + 0.4) + "," + Num(y) + ")";
    const std::string box = "(" + Num(x) + "," + Num(y - 0.12) + ") rectangle (" + Num(x + 0.4) +
                            "," + Num(y + 0.12) + ")";
    switch (e.mark) {
        case LegendMark::Swatch:
            return "\\fill[" + Colour(e.row) + ",fill opacity=0.6] " + box + ";\n";
        case LegendMark::Level:
            return "\\draw[" + std::string(kLevelStyle) + "] " + left + " -- " + right + ";\n";
        case LegendMark::Cut:
            // The grey of the box's faces in space, under the dashes of its edges.
            return "\\fill[black!20,fill opacity=0.4] " + box + ";\n\\draw[" + kCutStyle + "] " +
                   left + " -- " + right + ";\n";
        case LegendMark::Segment: {
            // Round caps reach beyond the line's ends by half its width.
            const double cap = kSegmentWidth / 2 * kPoint;
            return "\\draw[" + SegmentStyle(e.row) + "] (" + Num(x + cap) + "," + Num(y) +
                   ") -- (" + Num(x + 0.4 - cap) + "," + Num(y) + ");\n";
        }
    }
    return {};
}

}  // namespace

LabelSize TikzLabelSize(const Label& label) {
    const double size = FontSize(label);
    const double height =
        label.latex.find("\\frac") != std::string::npos ? kFractionHeight * size : size;
    return {(Ems(label.text) * size + 2 * kLabelPad) * kPoint, (height + 2 * kLabelPad) * kPoint};
}

std::string RegionTikz(const Region& region, const ViewAngles& view, bool approximate) {
    const Figure figure = LayFigure(region, view, {0, 0, kSide, kSide}, kPoint, approximate);
    if (!region.drawable) {
        // No plot to keep room for: the reason alone.
        std::string tex = "\\begin{tikzpicture}\n";
        for (const std::string& caption : figure.captions) {
            tex += "\\node[anchor=west,font=\\small\\bfseries] at (0,0) {" + caption + "};\n";
        }
        return tex + "\\end{tikzpicture}\n";
    }
    std::string tex = "\\begin{tikzpicture}[x=1cm,y=1cm,line cap=round,line join=round]\n";
    for (int r = 0; r < region.problem.Rows(); ++r) {
        const Rgb c = ConstraintColour(r);
        tex += "\\definecolor{" + Colour(r) + "}{RGB}{" + std::to_string(c.r) + "," +
               std::to_string(c.g) + "," + std::to_string(c.b) + "}\n";
    }
    // The plot's square takes its room whatever is drawn in it; the labels by its rim and the
    // legend below it add theirs.
    tex += "\\path (0,0) rectangle (" + Num(kSide) + "," + Num(kSide) + ");\n";
    tex += "\\begin{scope}\n\\clip (0,0) rectangle (" + Num(kSide) + "," + Num(kSide) + ");\n";
    for (const FilledPolygon& p : figure.fills) {
        tex += "\\fill[" + FillStyle(p) + "] ";
        for (const XY& xy : p.points) {
            tex += Coord(xy) + " -- ";
        }
        tex += "cycle;\n";
    }
    for (const Segment& s : figure.segments) {
        tex += "\\draw[" + StrokeStyle(s) + "] " + Coord(s.from) + " -- " + Coord(s.to) + ";\n";
    }
    for (const XY& at : figure.integerPoints) {
        tex += "\\fill[black] " + Coord(at) + " circle (" + Num(kIntegerDotRadius) + "pt);\n";
    }
    // The points as large as the placement takes them to be.
    for (const Dot& d : figure.dots) {
        const double r = d.current ? kCurrentDotRadius : kDotRadius;
        tex += std::string(d.hollow ? "\\filldraw[fill=white," : "\\filldraw[fill=red!75!black,") +
               "draw=red!75!black,line width=" + Num(kDotPen) + "pt] " + Coord(d.at) + " circle (" +
               Num(r) + "pt);\n";
        if (d.current) {
            tex += "\\draw[black,line width=" + Num(kDotPen) + "pt] " + Coord(d.at) + " circle (" +
                   Num(r + kCurrentRingGap) + "pt);\n";
        }
    }
    tex += "\\end{scope}\n";

    // Each label in the box the placement gives it, centred there; the equations and the points'
    // coordinates on a veil of white, as they may stand on a face.
    const std::vector<PlacedLabel> placed =
        PlaceLabels(figure, TikzLabelSize,
                    {-kTikzLabelMargin, -kTikzLabelMargin, kSide + 2 * kTikzLabelMargin,
                     kSide + 2 * kTikzLabelMargin},
                    kPoint);
    for (const PlacedLabel& p : placed) {
        if (p.leader) {
            tex +=
                "\\draw[black!65,line width=0.4pt] " + Coord(p.from) + " -- " + Coord(p.to) + ";\n";
        }
    }
    double lowest = kSide;  // the labels' lowest rim, the figure's y
    for (std::size_t i = 0; i < figure.labels.size(); ++i) {
        const Label& l = figure.labels[i];
        const Box& b = placed[i].box;
        lowest = std::max(lowest, b.Bottom());
        const bool veiled = l.kind == LabelKind::Constraint || l.kind == LabelKind::Point;
        tex += "\\node[text=" + Colour(l.row) + ",font=" + Font(l) +
               ",inner sep=0pt,minimum width=" + Num(b.width) +
               "cm,minimum height=" + Num(b.height) + "cm" +
               (veiled ? ",fill=white,fill opacity=0.8,text opacity=1" : "") + "] at " +
               Coord({b.left + b.width / 2, b.top + b.height / 2}) + " {" + l.latex + "};\n";
    }
    // The legend below the plot and below any label under it; with more than three rows their
    // entries go down two columns where each fits, as on screen.
    double y = kSide - lowest - 0.5;
    const std::size_t swatches = static_cast<std::size_t>(
        std::count_if(figure.legend.begin(), figure.legend.end(),
                      [](const LegendEntry& e) { return e.mark == LegendMark::Swatch; }));
    const bool columns =
        swatches > 3 &&
        std::all_of(figure.legend.begin(), figure.legend.end(), [](const LegendEntry& e) {
            return e.mark != LegendMark::Swatch ||
                   0.5 + Ems(e.text) * kLegendFont * kPoint <= kSide / 2 - kLegendColumnGap;
        });
    const std::size_t lines = (swatches + 1) / 2;
    double columnsTop = y;
    std::size_t k = 0;
    for (const LegendEntry& e : figure.legend) {
        double x = 0;
        double at = y;
        if (columns && e.mark == LegendMark::Swatch) {
            if (k == 0) {
                columnsTop = y;
                y -= 0.5 * static_cast<double>(lines);
            }
            x = k < lines ? 0 : kSide / 2;
            at = columnsTop - 0.5 * static_cast<double>(k % lines);
            ++k;
        } else {
            y -= 0.5;
        }
        tex += LegendMarkTikz(e, x, at);
        tex += "\\node[anchor=west,font=\\small] at (" + Num(x + 0.5) + "," + Num(at) + ") {$" +
               e.latex + "$};\n";
    }
    for (const std::string& caption : figure.captions) {
        tex +=
            "\\node[anchor=west,font=\\small\\bfseries] at (0," + Num(y) + ") {" + caption + "};\n";
        y -= 0.5;
    }
    if (!figure.note.empty()) {
        tex += "\\node[anchor=north west,text width=" + Num(kSide) +
               "cm,font=\\footnotesize\\itshape] at (0," + Num(y + 0.2) + ") {" + figure.note +
               "};\n";
    }
    tex += "\\end{tikzpicture}\n";
    return tex;
}

}  // namespace simplesso
