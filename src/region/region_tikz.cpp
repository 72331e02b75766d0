#include "region_tikz.h"

#include <cstdio>

#include "figure.h"

namespace simplesso {
namespace {

constexpr double kSide = 9;           // centimetres of the plot's square
constexpr double kPoint = 2.54 / 72;  // one typographic point in centimetres

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

const char* AnchorName(Anchor anchor) {
    switch (anchor) {
        case Anchor::Right:
            return "west";
        case Anchor::Left:
            return "east";
        case Anchor::Above:
            return "south";
        case Anchor::Below:
            return "north";
        case Anchor::AboveRight:
            return "south west";
        case Anchor::BelowLeft:
            break;
    }
    return "north east";
}

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
            style = "black!80,line width=0.8pt";
            break;
        case Stroke::CutEdge:
            style = "black!45,dashed,line width=0.5pt";
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
            style = "black!70,densely dashed,line width=0.6pt";
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

}  // namespace

std::string RegionTikz(const Region& region, const ViewAngles& view, bool approximate) {
    const Figure figure = LayFigure(region, view, {0, 0, kSide, kSide}, kPoint, approximate);
    std::string tex = "\\begin{tikzpicture}[x=1cm,y=1cm,line cap=round,line join=round]\n";
    for (int r = 0; r < 3; ++r) {
        const Rgb c = ConstraintColour(r);
        tex += "\\definecolor{" + Colour(r) + "}{RGB}{" + std::to_string(c.r) + "," +
               std::to_string(c.g) + "," + std::to_string(c.b) + "}\n";
    }
    tex += "\\useasboundingbox (0,0) rectangle (" + Num(kSide) + "," + Num(kSide) + ");\n";
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
    for (const Dot& d : figure.dots) {
        const std::string r = d.current ? "3pt" : "2pt";
        tex += d.hollow ? "\\filldraw[fill=white,draw=red!75!black,line width=0.8pt] "
                        : "\\filldraw[fill=red!75!black,draw=red!75!black] ";
        tex += Coord(d.at) + " circle (" + r + ");\n";
        if (d.current) {
            tex += "\\draw[black,line width=0.8pt] " + Coord(d.at) + " circle (4.5pt);\n";
        }
    }
    tex += "\\end{scope}\n";
    for (const Label& l : figure.labels) {
        tex += "\\node[anchor=" + std::string(AnchorName(l.anchor)) + ",inner sep=1.5pt,text=" +
               Colour(l.row) + ",font=\\scriptsize] at " + Coord(l.at) + " {" + l.latex + "};\n";
    }
    double y = -0.5;
    for (const LegendEntry& e : figure.legend) {
        if (e.row >= 0) {
            tex += "\\fill[" + Colour(e.row) + ",fill opacity=0.6] (0," + Num(y - 0.12) +
                   ") rectangle (0.4," + Num(y + 0.12) + ");\n";
        } else {
            tex += "\\draw[black!70,densely dashed] (0," + Num(y) + ") -- (0.4," + Num(y) + ");\n";
        }
        tex += "\\node[anchor=west,font=\\small] at (0.5," + Num(y) + ") {$" + e.latex + "$};\n";
        y -= 0.5;
    }
    for (const std::string& caption : figure.captions) {
        tex += "\\node[anchor=west,font=\\small\\bfseries] at (0," + Num(y) + ") {" + caption +
               "};\n";
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
