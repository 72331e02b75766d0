// The region of problems worked by hand: vertices and path in words, the counts of faces and
// edges, what the box adds, and which path points lie outside; the constraints' equations.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "region.h"
#include "region_problems.h"

namespace simplesso {
namespace {

using namespace testing_support;

struct Case {
    const char* name;
    ExactProblem problem;
    std::vector<Point> path;
    std::string description;
    std::size_t faces;
    std::size_t edges;
    std::size_t cutFaces;
    std::vector<bool> inside;
};

const Row kNone{{0, 0, 0}, kLe, 1};  // 0 <= 1: no plane, always true

std::vector<Case> Cases() {
    return {
        {"Cube", Lp({1, 1, 1}, {{{{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 1}}}),
         {P(0, 0, 0), P(1, 0, 0)},
         "Vertici: (0; 0; 0), (0; 0; 1), (0; 1; 0), (0; 1; 1), (1; 0; 0), (1; 0; 1), (1; 1; 0), "
         "(1; 1; 1). Percorso: (0; 0; 0), (1; 0; 0). Punto attuale: (1; 0; 0).",
         6, 12, 0, {true, true}},
        {"WorkedExample", WorkedExample(),
         {P(0, 0, 0), P(0, 4, 0), P(mpq_class(22, 5), mpq_class(9, 5), 0)},
         "Vertici: (0; 0; 0), (0; 0; 2), (0; 4; 0), (22/5; 9/5; 0), (52/11; 0; 9/11), (5; 0; 0). "
         "Percorso: (0; 0; 0), (0; 4; 0), (22/5; 9/5; 0). Punto attuale: (22/5; 9/5; 0).",
         5, 9, 0, {true, true, true}},
        // Four planes meet at the apex (0, 0, 1) and at (1, 1, 0); x1 + x2 <= 2 touches only there.
        {"DegenerateVertices",
         Lp({1, 1, 1}, {{{{1, 0, 1}, kLe, 1}, {{0, 1, 1}, kLe, 1}, {{1, 1, 0}, kLe, 2}}}),
         {P(0, 0, 0), P(1, 0, 0), P(1, 0, 0)},
         "Vertici: (0; 0; 0), (0; 0; 1), (0; 1; 0), (1; 0; 0), (1; 1; 0). Percorso: (0; 0; 0), "
         "(1; 0; 0), (1; 0; 0). Punto attuale: (1; 0; 0).",
         5, 8, 0, {true, true, true}},
        // Unbounded along x2; the cube of side 3 adds its sides x1 = 3 and x2 = 3.
        {"Unbounded", Lp({1, 1, 1}, {{{{1, -1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 2}, kNone}}),
         {P(0, 0, 0), P(1, 0, 0)},
         "Vertici: (0; 0; 0), (0; 0; 2), (1; 0; 0), (1; 0; 2). Percorso: (0; 0; 0), (1; 0; 0). "
         "Punto attuale: (1; 0; 0). Regione illimitata.",
         7, 15, 2, {true, true}},
        {"EmptyWithGreaterEqual",
         Lp({1, 1, 1}, {{{{1, 1, 1}, kLe, 1}, {{1, 1, 1}, kGe, 2}, {{1, 0, 0}, kLe, 5}}}),
         {P(0, 0, 0)},
         "Nessuna soluzione ammissibile. Percorso: (0; 0; 0). Punto attuale: (0; 0; 0).", 0, 0, 0,
         {false}},
        // The first phase starts at the origin, outside the region.
        {"FirstPhaseOutside",
         Lp({1, 1, 1}, {{{{1, 1, 1}, kGe, 1}, {{1, 1, 1}, kLe, 2}, {{0, 0, 1}, kLe, 1}}},
            Direction::Minimise),
         {P(0, 0, 0), P(1, 0, 0)},
         "Vertici: (0; 0; 1), (0; 1; 0), (0; 1; 1), (0; 2; 0), (1; 0; 0), (1; 0; 1), (2; 0; 0). "
         "Percorso: (0; 0; 0), (1; 0; 0). Punto attuale: (1; 0; 0).",
         6, 11, 0, {false, true}},
        {"EqualityRowMakesOneFace",
         Lp({1, 1, 1}, {{{{1, 1, 1}, kEq, 1}, {{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}}}), {},
         "Vertici: (0; 0; 1), (0; 1; 0), (1; 0; 0).", 1, 3, 0, {}},
        {"Plane", Lp({3, 5, 0}, {{{{1, 0, 0}, kLe, 4}, {{0, 2, 0}, kLe, 12}, {{3, 2, 0}, kLe, 18}}}),
         {P(0, 0), P(0, 6), P(2, 6)},
         "Vertici: (0; 0), (0; 6), (2; 6), (4; 0), (4; 3). Percorso: (0; 0), (0; 6), (2; 6). "
         "Punto attuale: (2; 6).",
         1, 5, 0, {true, true, true}},
        // In the plane the box is the square of side 3/2; two of the polygon's sides are its own.
        {"PlaneUnbounded", Lp({1, 0, 0}, {{{{1, -1, 0}, kLe, 1}, kNone, kNone}}), {},
         "Vertici: (0; 0), (1; 0). Regione illimitata.", 1, 5, 0, {}},
        {"PlaneEmpty", Lp({1, 1, 0}, {{{{1, 1, 0}, kGe, 3}, {{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}}}),
         {P(0, 0)}, "Nessuna soluzione ammissibile. Percorso: (0; 0). Punto attuale: (0; 0).", 0, 0,
         0, {false}},
    };
}

TEST(Region, CasesWorkedByHand) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Region region = BuildRegion(c.problem, c.path);
        EXPECT_EQ(RegionDescription(region), c.description);
        EXPECT_EQ(region.faces.size(), c.faces);
        EXPECT_EQ(region.edges.size(), c.edges);
        EXPECT_EQ(std::count_if(region.faces.begin(), region.faces.end(),
                                [](const Face& f) { return f.cut; }),
                  static_cast<long>(c.cutFaces));
        std::vector<bool> inside;
        for (const PathPoint& p : region.path) {
            inside.push_back(p.inside);
        }
        EXPECT_EQ(inside, c.inside);
        // Each face's corners go round it: every two in a row are joined by an edge.
        for (const Face& f : region.faces) {
            for (std::size_t i = 0; i < f.corners.size(); ++i) {
                const int a = f.corners[i];
                const int b = f.corners[(i + 1) % f.corners.size()];
                EXPECT_TRUE(std::any_of(region.edges.begin(), region.edges.end(), [&](const Edge& e) {
                    return (e.from == a && e.to == b) || (e.from == b && e.to == a);
                })) << "corners " << a << " and " << b;
            }
        }
        // The box holds the whole figure and the path with a margin.
        if (!region.bounded) {
            for (const Point& v : region.corners) {
                EXPECT_LE(*std::max_element(v.begin(), v.end()), region.boxSide);
            }
            for (const PathPoint& p : region.path) {
                EXPECT_LT(*std::max_element(p.at.begin(), p.at.end()), region.boxSide);
            }
        }
    }
}

TEST(Region, CutEdgesLieOnTheBox) {
    const Region region =
        BuildRegion(Lp({1, 0, 0}, {{{{1, -1, 0}, kLe, 1}, kNone, kNone}}), std::span<const Point>{});
    ASSERT_EQ(region.boxSide, mpq_class(3, 2));
    std::vector<std::string> cut;
    for (const Edge& e : region.edges) {
        if (e.cut) {
            cut.push_back(PointText(region.corners[e.from], true) + "-" +
                          PointText(region.corners[e.to], true));
        }
    }
    std::sort(cut.begin(), cut.end());
    EXPECT_EQ(cut, (std::vector<std::string>{"(0; 3/2)-(3/2; 3/2)", "(3/2; 1/2)-(3/2; 3/2)"}));
    EXPECT_EQ(region.directions, (std::vector<Point>{P(0, 1), P(mpq_class(1, 2), mpq_class(1, 2))}));
}

TEST(Region, ConstraintEquations) {
    ExactProblem p = Lp({0, 0, 0}, {{{{2, 1, 3}, kLe, 18}, {{-1, 0, 1}, kGe, -2}, {{0, 0, 0}, kEq, 4}}});
    p.a[1][1] = mpq_class(3, 2);
    p.b[1] = mpq_class(-1, 2);
    const struct {
        int row;
        const char* text;
        const char* latex;
    } rows[] = {
        {0, "2x1 + x2 + 3x3 \u2264 18", "2x_{1} + x_{2} + 3x_{3} \\leq 18"},
        {1, "-x1 + 3/2 x2 + x3 \u2265 -1/2", "-x_{1} + \\frac{3}{2}x_{2} + x_{3} \\geq -\\frac{1}{2}"},
        {2, "0 = 4", "0 = 4"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ConstraintEquation(p, r.row), r.text);
        EXPECT_EQ(ConstraintLatex(p, r.row), r.latex);
    }
}

}  // namespace
}  // namespace simplesso
