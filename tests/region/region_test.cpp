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

ExactProblem SixteenSides() {
    std::vector<RowOf> rows;
    for (long k = 0; k < 16; ++k) {
        rows.push_back({{k, 1}, kLe, 120 + k * (k + 1) / 2});
    }
    return Typed({1, 1}, rows);
}

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
        // Problems typed with two variables, or with more rows than three.
        {"TwoByFour", TwoByFour(), {P(0, 0), P(0, 6), P(2, 6)},
         "Vertici: (0; 0), (0; 6), (2; 6), (4; 0), (4; 3). Percorso: (0; 0), (0; 6), (2; 6). "
         "Punto attuale: (2; 6).",
         1, 5, 0, {true, true, true}},
        {"TwoByOne", Typed({1, 1}, {{{1, 2}, kLe, 4}}), {P(0, 0), P(4, 0)},
         "Vertici: (0; 0), (0; 2), (4; 0). Percorso: (0; 0), (4; 0). Punto attuale: (4; 0).", 1, 3,
         0, {true, true}},
        // The square of side 3 adds (0; 3), (3; 3) and (3; 0); the origin is outside.
        {"TwoByOneUnbounded", Typed({1, 1}, {{{1, 1}, kGe, 2}}, Direction::Minimise),
         {P(0, 0), P(2, 0)},
         "Vertici: (0; 2), (2; 0). Percorso: (0; 0), (2; 0). Punto attuale: (2; 0). Regione "
         "illimitata.",
         1, 5, 0, {false, true}},
        {"ThreeByFive", ThreeByFive(), {P(0, 0, 0), P(2, 0, 0), P(2, 1, 0), P(2, 1, 1)},
         "Vertici: (0; 0; 0), (0; 0; 2), (0; 2; 0), (0; 2; 2), (1; 2; 0), (1; 2; 1), (2; 0; 0), "
         "(2; 0; 2), (2; 1; 0), (2; 1; 1). Percorso: (0; 0; 0), (2; 0; 0), (2; 1; 0), (2; 1; 1). "
         "Punto attuale: (2; 1; 1).",
         8, 16, 0, {true, true, true, true}},
        // Sixteen rows k x1 + x2 <= 120 + k(k + 1)/2, k = 0..15, each the side from
        // (k; 120 - k(k - 1)/2) to the next such point, the last being (16; 0).
        {"TwoBySixteen", SixteenSides(), {},
         "Vertici: (0; 0), (0; 120), (1; 120), (2; 119), (3; 117), (4; 114), (5; 110), (6; 105), "
         "(7; 99), (8; 92), (9; 84), (10; 75), (11; 65), (12; 54), (13; 42), (14; 29), (15; 15), "
         "(16; 0).",
         1, 18, 0, {}},
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

TEST(Region, EquationsOverTheProblemsOwnVariables) {
    const ExactProblem two = TwoByFour();
    EXPECT_EQ(ConstraintEquation(two, 1), "2x2 \u2264 12");
    EXPECT_EQ(ConstraintEquation(two, 3), "x1 + x2 \u2264 10");
    EXPECT_EQ(ConstraintLatex(two, 2), "3x_{1} + 2x_{2} \\leq 18");
    const ExactProblem five = ThreeByFive();
    EXPECT_EQ(ConstraintEquation(five, 4), "x1 + x2 + x3 \u2264 4");
}

// Two variables are the plane whatever the rows; three are space unless x3 is nowhere.
TEST(Region, PlaneOrSpaceBySize) {
    const struct {
        const char* name;
        ExactProblem problem;
        bool plane;
    } cases[] = {
        {"two variables", Typed({0, 0}, {{{0, 0}, kLe, 1}}), true},
        {"three, x3 nowhere", Typed({1, 1, 0}, {{{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}}), true},
        {"three, x3 in the objective", Typed({1, 1, 1}, {{{1, 0, 0}, kLe, 1}}), false},
        {"three, x3 in the fifth row", [] {
             ExactProblem p = ThreeByFive();
             for (auto& row : p.a) {
                 row[2] = 0;
             }
             p.c[2] = 0;
             p.a[4][2] = 1;
             return p;
         }(),
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsPlaneProblem(c.problem), c.plane);
        EXPECT_EQ(BuildRegion(c.problem, std::span<const Point>{}).plane, c.plane);
    }
}

// More than three variables cannot be drawn: the region says so instead of failing.
TEST(Region, MoreThanThreeVariablesAreRefused) {
    const ExactProblem four =
        Typed({1, 1, 1, 1}, {{{1, 1, 1, 1}, kLe, 4}, {{1, 0, 0, 2}, kLe, 3}});
    EXPECT_FALSE(RegionDrawable(four));
    EXPECT_TRUE(RegionDrawable(TwoByFour()));
    EXPECT_TRUE(RegionDrawable(ThreeByFive()));
    const std::vector<Point> path{P(0, 0, 0), P(1, 1, 1)};
    const Region region = BuildRegion(four, path);
    EXPECT_FALSE(region.drawable);
    EXPECT_TRUE(region.vertices.empty());
    EXPECT_TRUE(region.corners.empty());
    EXPECT_TRUE(region.path.empty());
    EXPECT_EQ(RegionDescription(region), kNotDrawable);
    EXPECT_EQ(ConstraintEquation(four, 1), "x1 + 2x4 \u2264 3");
}

}  // namespace
}  // namespace simplesso
