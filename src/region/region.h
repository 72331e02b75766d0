// The feasible region of the problem as typed, with x >= 0, found exactly in rationals: its
// vertices, faces and edges, whether it is empty or unbounded, and the lesson's path through it.
// An unbounded region is cut by a box so that it can be drawn; what the box adds is marked.
#pragma once

#include <gmpxx.h>

#include <array>
#include <span>
#include <string>
#include <vector>

#include "exact_problem.h"

namespace simplesso {

// (x1, x2, x3); in the plane the third coordinate is 0.
using Point = std::array<mpq_class, 3>;

// The plane (in the plane case: the line) a face or an edge lies on: constraint row 0..m-1, the
// coordinate plane x(index+1) = 0, or the cutting box's side x(index+1) = side.
enum class PlaneKind { Constraint, Axis, Box };
struct PlaneTag {
    PlaneKind kind = PlaneKind::Constraint;
    int index = 0;
    friend bool operator==(const PlaneTag&, const PlaneTag&) = default;
};

struct Face {
    PlaneTag plane;
    std::vector<int> corners;  // indices into Region::corners, in order around the polygon
    bool cut = false;          // a side of the cutting box
};

struct Edge {
    int from = 0;  // indices into Region::corners
    int to = 0;
    bool cut = false;  // lies on a side of the cutting box
};

struct PathPoint {
    Point at;
    bool inside = false;  // satisfies every constraint and x >= 0, exactly
};

struct Region {
    ExactProblem problem;
    // Only two or three variables can be drawn; with more the region is left without a figure
    // and says why (kNotDrawable), everything below keeping its empty value.
    bool drawable = true;
    // Two variables, or every x3 coefficient of the objective and the constraints is 0: the figure
    // is the polygon in x1, x2, its single face lying on the plane x3 = 0 and its edges on the
    // lines.
    bool plane = false;
    bool empty = false;
    bool bounded = true;  // also for an empty region
    std::vector<Point> vertices;    // each once, in lexicographic order of the values
    std::vector<Point> directions;  // the extreme directions of recession, coordinates summing to 1
    // The figure's vertices: first the region's own (as in `vertices`), then those the box adds.
    std::vector<Point> corners;
    std::vector<Face> faces;
    std::vector<Edge> edges;
    mpq_class boxSide;  // the side of the cutting cube [0, side]^n; 0 when bounded
    // The largest coordinate of the figure and the path, 1 when they are all 0: the scale the
    // figure is drawn at, shared by the screen, the PDF and the LaTeX.
    mpq_class extent = 1;
    // The same along each axis, at least a quarter of `extent`: in space the axes are drawn to it.
    std::array<mpq_class, 3> reach{1, 1, 1};
    std::vector<PathPoint> path;  // in press order, the last one being the current one
    // For a problem in integers, every point of whole coordinates in the region (in the cutting
    // cube where it is unbounded), in lexicographic order; none past kMostIntegerPoints.
    std::vector<Point> integerPoints;
    bool tooManyIntegerPoints = false;
};

inline constexpr std::size_t kMostIntegerPoints = 3000;

// The problem has two or three variables, each row a coefficient for each: its region can be
// drawn, in the plane or in space.
bool RegionDrawable(const ExactProblem& problem);

// What the region says, in its figure and in words, when it cannot be drawn.
inline const char* const kNotDrawable =
    "La regione ammissibile si disegna solo per problemi di 2 o 3 variabili.";

// The problem has two variables, or three with every x3 coefficient of the objective and the
// constraints exactly 0: the figure is the plane x1, x2.
bool IsPlaneProblem(const ExactProblem& problem);

// The path is the point of every tableau shown, in press order (for two variables x3 is 0); the
// box of an unbounded region holds it too. Any number of rows; two or three variables, or else
// the region is not drawable.
Region BuildRegion(const ExactProblem& problem, std::span<const Point> path);

// "(0; 4; 0)", or "(0; 4)" in the plane; the numbers as FractionText writes them.
std::string PointText(const Point& point, bool plane);

// The region in words, for a screen reader and for the tests:
//   "Vertici: (0; 0; 0), (0; 4; 0). Percorso: (0; 0; 0), (0; 4; 0). Punto attuale: (0; 4; 0)."
// with two coordinates in the plane; kNotDrawable alone for a region that cannot be drawn.
// "Nessuna soluzione ammissibile." stands for the vertex list of an empty region; an unbounded
// one ends with " Regione illimitata."; without a path, "Percorso" and "Punto attuale" are left
// out. The parts are separated by one blank. A problem in integers adds its integer points,
// "Punti interi: (0; 0), (1; 0).", or their count where they are many.
std::string RegionDescription(const Region& region);

// A constraint row written as an equation, "2x1 + x2 + 3x3 ≤ 18" (UTF-8 "≤", "≥", "="), over
// the problem's own variables: unit coefficients without their 1, zero terms left out,
// fractions as "3/2 x1"; "0" for no term.
std::string ConstraintEquation(const ExactProblem& problem, int row);
// The same for LaTeX's math mode: "2x_{1} + x_{2} + 3x_{3} \leq 18".
std::string ConstraintLatex(const ExactProblem& problem, int row);

// The row has a nonzero coefficient in the figure's space (x1, x2 in the plane), so that it
// makes a plane (a line) of the figure.
bool RowMakesPlane(const ExactProblem& problem, int row);

}  // namespace simplesso
