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

// The colour of constraint row 0, 1, ..., shared by its face, its line, its label and its legend
// entry: kConstraintColours of them, in turn.
inline constexpr int kConstraintColours = 8;
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
    // For Stroke::ConstraintLine; for an Edge, the "=" row it lies on, the region being only there.
    int row = -1;
    bool arrow = false;
};

// Where the text stands from its point: to the right of it, above it, and so on; where that
// place is taken, the label moves round its point (see PlaceLabels).
enum class Anchor { Right, Left, Above, Below, AboveRight, BelowLeft };
// A tick's number is set smaller than the other labels.
enum class LabelKind { Constraint, Axis, Tick, Point };
struct Label {
    XY at;
    std::string text;   // UTF-8
    std::string latex;  // the same for LaTeX, in text mode
    Anchor anchor = Anchor::Right;
    int row = -1;  // coloured as constraint row, or -1 for black
    LabelKind kind = LabelKind::Point;
    // More points the label may stand by when `at` is crowded, tried in order: along a
    // constraint's line, so that its equation stays beside it.
    std::vector<XY> also;
};

struct Dot {
    XY at;
    bool hollow = false;   // outside the region
    bool current = false;  // the last point of the path
};

// The points' sizes, in typographic points: the dot, and the ring round the current one.
inline constexpr double kDotRadius = 3;
inline constexpr double kCurrentDotRadius = 4.2;
inline constexpr double kCurrentRingGap = 2.5;
inline constexpr double kDotPen = 1.2;
inline constexpr double kIntegerDotRadius = 2;
// How far from its centre a point covers what is under it, its pen included, in points.
double DotReach(const Dot& dot);

// What stands before a legend entry's text: the row's colour, the level line's dashes, the cut's
// dashes on grey, or the thick line of the region reduced to a segment of an "=" row.
enum class LegendMark { Swatch, Level, Cut, Segment };
struct LegendEntry {
    std::string text;
    std::string latex;  // in math mode
    int row = -1;       // the constraint's colour; -1 for the objective's level line and the cut
    LegendMark mark = LegendMark::Swatch;
};

struct Figure {
    std::vector<FilledPolygon> fills;  // in painting order, the farthest first
    std::vector<Segment> segments;     // edges and lines, then the axes, then the path
    std::vector<Label> labels;
    std::vector<Dot> dots;
    std::vector<XY> integerPoints;  // small dots under everything but the path's
    std::vector<LegendEntry> legend;
    // "Regione illimitata", "Nessuna soluzione ammissibile", or kNotDrawable alone.
    std::vector<std::string> captions;
    std::string note;  // the path is only as the grid shows it
};

// `unit` is the target's length of one typographic point, for ticks and arrows.
Figure LayFigure(const Region& region, const ViewAngles& view, const Rect& plot, double unit,
                 bool approximate);

inline const char* const kUnboundedCaption = "Regione illimitata";
inline const char* const kCutLegend = "taglio della regione illimitata";
inline const char* const kEmptyCaption = "Nessuna soluzione ammissibile";
inline const char* const kApproximateNote =
    "L'aritmetica esatta non segue più la lezione: i punti del percorso sono quelli che la "
    "tabella mostra, arrotondati.";

}  // namespace simplesso
