// The figure of a region laid out on a flat target, as plain strokes, fills, labels and points in
// the target's coordinates: the Qt painter and the TikZ writer only render it, so the screen, the
// PDF and the LaTeX show one and the same figure.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "projection.h"
#include "region.h"

namespace simplesso {

struct XY {
    double x = 0;
    double y = 0;
};

struct Rgb {
    int r = 0, g = 0, b = 0;
};

// The colour of constraint row 0..2, shared by its face, its line and its legend entry.
Rgb ConstraintColour(int row);

enum class Fill { Constraint, Axis, Box, Polygon };
struct FilledPolygon {
    std::vector<XY> points;
    Fill fill = Fill::Polygon;
    int row = -1;  // for Fill::Constraint
};

enum class Stroke { Edge, CutEdge, Axis, Tick, ConstraintLine, Level, Gradient, Path };
struct Segment {
    XY from, to;
    Stroke stroke = Stroke::Edge;
    int row = -1;  // for Stroke::ConstraintLine
    bool arrow = false;
};

// Where the text stands from its point: to the right of it, above it, and so on.
enum class Anchor { Right, Left, Above, Below, AboveRight, BelowLeft };
struct Label {
    XY at;
    std::string text;   // UTF-8
    std::string latex;  // the same for LaTeX, in text mode
    Anchor anchor = Anchor::Right;
    int row = -1;  // coloured as constraint row, or -1 for black
};

struct Dot {
    XY at;
    bool hollow = false;   // outside the region
    bool current = false;  // the last point of the path
};

struct LegendEntry {
    std::string text;
    std::string latex;  // in math mode
    int row = -1;       // the constraint's colour; -1 for the objective's level line
};

struct Figure {
    std::vector<FilledPolygon> fills;  // in painting order, the farthest first
    std::vector<Segment> segments;     // edges and lines, then the axes, then the path
    std::vector<Label> labels;
    std::vector<Dot> dots;
    std::vector<LegendEntry> legend;
    std::vector<std::string> captions;  // "Regione illimitata", "Nessuna soluzione ammissibile"
    std::string note;                   // the path is only as the grid shows it
};

// `unit` is the target's length of one typographic point, for ticks and arrows.
Figure LayFigure(const Region& region, const ViewAngles& view, const Rect& plot, double unit,
                 bool approximate);

inline const char* const kUnboundedCaption = "Regione illimitata";
inline const char* const kEmptyCaption = "Nessuna soluzione ammissibile";
inline const char* const kApproximateNote =
    "L'aritmetica esatta non segue più la lezione: i punti del percorso sono quelli che la "
    "tabella mostra, arrotondati.";

}  // namespace simplesso
