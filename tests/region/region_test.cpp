// The region of problems worked by hand: vertices and path in words, the counts of faces and
// edges, what the box adds, and which path points lie outside; the constraints' equations.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "region.h"
#include "region_problems.h"

namespace simplesso {
namespace {

using namespace testing_support;

const Row kNone{{0, 0, 0}, kLe, 1};  // 0 <= 1: no plane, always true
const Direction kMin = Direction::Minimise;

// Points written "x1 x2 x3,x1 x2 x3" (x3 left out in the plane) and as the region words them.
std::vector<Point> Points(const std::string& text) {
    std::vector<Point> points;
    std::istringstream in(text);
    for (std::string point; std::getline(in, point, ',');) {
        Point& p = points.emplace_back();
        std::istringstream(point) >> p[0] >> p[1] >> p[2];
    }
    return points;
}

std::string Words(const std::string& text) {
    std::string words = "(";
    for (char ch : text) {
        words += ch == ',' ? "), (" : ch == ' ' ? "; " : std::string(1, ch);
    }
    return words + ")";
}

// A problem, its path and its vertices as above (none: the region is empty), the directions it
// is unbounded along (none: bounded), and the counts of its faces, edges and faces on the box,
// each path point's being inside (1) or out (0), and the side of the box of an unbounded one.
using Case =
    std::tuple<const char*, ExactProblem, std::string, std::string, std::string, std::string>;

// Sixteen rows k x1 + x2 <= 120 + k(k + 1)/2, k = 0..15, each the side from (k; 120 - k(k - 1)/2)
// to the next such point, the last being (16; 0).
Case SixteenSides() {
    std::vector<RowOf> rows;
    std::string vertices = "0 0,0 120";
    for (long k = 0; k < 16; ++k) {
        rows.push_back({{k, 1}, kLe, 120 + k * (k + 1) / 2});
        vertices += "," + std::to_string(k + 1) + " " + std::to_string(120 - k * (k + 1) / 2);
    }
    return {"TwoBySixteen", Typed({1, 1}, rows), "", vertices, "", "1 18 0 "};
}

const Case kCases[] = {
    {"Cube", Lp({1, 1, 1}, {{{{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 1}}}),
     "0 0 0,1 0 0", "0 0 0,0 0 1,0 1 0,0 1 1,1 0 0,1 0 1,1 1 0,1 1 1", "", "6 12 0 11"},
    {"WorkedExample", WorkedExample(), "0 0 0,0 4 0,22/5 9/5 0",
     "0 0 0,0 0 2,0 4 0,22/5 9/5 0,52/11 0 9/11,5 0 0", "", "5 9 0 111"},
    // Four planes meet at the apex (0, 0, 1) and at (1, 1, 0); x1 + x2 <= 2 touches only there.
    {"Degenerate", Lp({1, 1, 1}, {{{{1, 0, 1}, kLe, 1}, {{0, 1, 1}, kLe, 1}, {{1, 1, 0}, kLe, 2}}}),
     "0 0 0,1 0 0,1 0 0", "0 0 0,0 0 1,0 1 0,1 0 0,1 1 0", "", "5 8 0 111"},
    // Unbounded along x2; the cube of side 3 adds its sides x1 = 3 and x2 = 3.
    {"Unbounded", Lp({1, 1, 1}, {{{{1, -1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 2}, kNone}}),
     "0 0 0,1 0 0", "0 0 0,0 0 2,1 0 0,1 0 2", "0 1 0,1/2 1/2 0", "7 15 2 11 box 3"},
    {"EmptyGe", Lp({1, 1, 1}, {{{{1, 1, 1}, kLe, 1}, {{1, 1, 1}, kGe, 2}, {{1, 0, 0}, kLe, 5}}}),
     "0 0 0", "", "", "0 0 0 0"},
    // The first phase starts at the origin, outside the region.
    {"Phase1",
     Lp({1, 1, 1}, {{{{1, 1, 1}, kGe, 1}, {{1, 1, 1}, kLe, 2}, {{0, 0, 1}, kLe, 1}}}, kMin),
     "0 0 0,1 0 0", "0 0 1,0 1 0,0 1 1,0 2 0,1 0 0,1 0 1,2 0 0", "", "6 11 0 01"},
    {"Equality", Lp({1, 1, 1}, {{{{1, 1, 1}, kEq, 1}, {{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}}}),
     "", "0 0 1,0 1 0,1 0 0", "", "1 3 0 "},
    {"Plane", Lp({3, 5, 0}, {{{{1, 0, 0}, kLe, 4}, {{0, 2, 0}, kLe, 12}, {{3, 2, 0}, kLe, 18}}}),
     "0 0,0 6,2 6", "0 0,0 6,2 6,4 0,4 3", "", "1 5 0 111"},
    // In the plane the box is the square of side 3/2; two of the polygon's sides are its own.
    {"PlaneUnbounded", Lp({1, 0, 0}, {{{{1, -1, 0}, kLe, 1}, kNone, kNone}}), "", "0 0,1 0",
     "0 1,1/2 1/2", "1 5 0  box 3/2"},
    {"PlaneEmpty", Lp({1, 1, 0}, {{{{1, 1, 0}, kGe, 3}, {{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}}}),
     "0 0", "", "", "0 0 0 0"},
    // Problems typed with two variables, or with more rows than three.
    {"TwoByFour", TwoByFour(), "0 0,0 6,2 6", "0 0,0 6,2 6,4 0,4 3", "", "1 5 0 111"},
    {"TwoByOne", Typed({1, 1}, {{{1, 2}, kLe, 4}}), "0 0,4 0", "0 0,0 2,4 0", "", "1 3 0 11"},
    // The square of side 3 adds (0; 3), (3; 3) and (3; 0); the origin is outside.
    {"TwoByOneUnbounded", Typed({1, 1}, {{{1, 1}, kGe, 2}}, kMin), "0 0,2 0", "0 2,2 0", "0 1,1 0",
     "1 5 0 01 box 3"},
    {"ThreeByFive", ThreeByFive(), "0 0 0,2 0 0,2 1 0,2 1 1",
     "0 0 0,0 0 2,0 2 0,0 2 2,1 2 0,1 2 1,2 0 0,2 0 2,2 1 0,2 1 1", "", "8 16 0 1111"},
    SixteenSides(),
};

TEST(Region, CasesWorkedByHand) {
    const auto top = [](const Point& v) { return *std::max_element(v.begin(), v.end()); };
    for (const auto& [name, problem, path, vertices, rays, counts] : kCases) {
        SCOPED_TRACE(name);
        const Region region = BuildRegion(problem, Points(path));
        std::string words = vertices.empty() ? "Nessuna soluzione ammissibile."
                                             : "Vertici: " + Words(vertices) + ".";
        if (!path.empty()) {
            words += " Percorso: " + Words(path) +
                     ". Punto attuale: " + Words(path.substr(path.rfind(',') + 1)) + ".";
        }
        EXPECT_EQ(RegionDescription(region), words + (rays.empty() ? "" : " Regione illimitata."));
        EXPECT_EQ(region.directions, Points(rays));
        // An unbounded region's box holds the whole figure, and the path with a margin; its cut
        // edges are those on the box's sides.
        std::set<std::pair<int, int>> joined;
        long cut = 0;
        for (const Edge& e : region.edges) {
            joined.insert(std::minmax(e.from, e.to));
            const Point &a = region.corners[e.from], &b = region.corners[e.to];
            const auto onSide = [&](int k) {
                return a[k] == region.boxSide && b[k] == region.boxSide;
            };
            EXPECT_EQ(e.cut, !region.bounded && (onSide(0) || onSide(1) || onSide(2)));
            EXPECT_TRUE(region.bounded || std::max(top(a), top(b)) <= region.boxSide);
        }
        // Each face's corners go round it: every two in a row are joined by an edge.
        for (const Face& f : region.faces) {
            cut += f.cut;
            for (std::size_t i = 0; i < f.corners.size(); ++i) {
                EXPECT_TRUE(
                    joined.count(std::minmax(f.corners[i], f.corners[(i + 1) % f.corners.size()])));
            }
        }
        std::string seen = std::to_string(region.faces.size()) + " " +
                           std::to_string(region.edges.size()) + " " + std::to_string(cut) + " ";

        for (const PathPoint& p : region.path) {
            seen += p.inside ? "1" : "0";
            EXPECT_TRUE(region.bounded || top(p.at) < region.boxSide);
        }
        EXPECT_EQ(seen + (region.bounded ? "" : " box " + region.boxSide.get_str()), counts);
    }
}

TEST(Region, ConstraintEquationsAndPlaneOrSpace) {
    ExactProblem p =
        Lp({0, 0, 0}, {{{{2, 1, 3}, kLe, 18}, {{-1, 0, 1}, kGe, -2}, {{0, 0, 0}, kEq, 4}}});
    p.a[1][1] = mpq_class(3, 2);
    p.b[1] = mpq_class(-1, 2);
    const RowOf none{{0, 0, 0}, kLe, 1};
    const std::tuple<ExactProblem, int, const char*, const char*, bool> rows[] = {
        {p, 0, "2x1 + x2 + 3x3 \u2264 18", "2x_{1} + x_{2} + 3x_{3} \\leq 18", false},
        {p, 1, "-x1 + 3/2 x2 + x3 \u2265 -1/2",
         "-x_{1} + \\frac{3}{2}x_{2} + x_{3} \\geq -\\frac{1}{2}", false},
        {p, 2, "0 = 4", "0 = 4", false},
        {TwoByFour(), 1, "2x2 \u2264 12", "2x_{2} \\leq 12", true},
        {TwoByFour(), 2, "3x1 + 2x2 \u2264 18", "3x_{1} + 2x_{2} \\leq 18", true},
        {ThreeByFive(), 4, "x1 + x2 + x3 \u2264 4", "x_{1} + x_{2} + x_{3} \\leq 4", false},
        {Typed({1, 1, 1}, {{{1, 0, 0}, kLe, 1}}), 0, "x1 \u2264 1", "x_{1} \\leq 1",
         false},  // x3 in the objective only
        {Typed({1, 1, 0}, {none, none, none, {{0, 0, 1}, kLe, 1}}), 3, "x3 \u2264 1",
         "x_{3} \\leq 1", false},  // x3 in the fourth row only
    };
    for (const auto& [problem, row, text, latex, plane] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ConstraintEquation(problem, row), text);
        EXPECT_EQ(ConstraintLatex(problem, row), latex);
        EXPECT_EQ(IsPlaneProblem(problem), plane);
        EXPECT_EQ(BuildRegion(problem, std::span<const Point>{}).plane, plane);
    }
    // More than three variables cannot be drawn: the region says so instead of failing.
    const ExactProblem four = Typed({1, 1, 1, 1}, {{{1, 1, 1, 1}, kLe, 4}, {{1, 0, 0, 2}, kLe, 3}});
    EXPECT_EQ(ConstraintEquation(four, 1), "x1 + 2x4 \u2264 3");
    EXPECT_FALSE(RegionDrawable(four));
    const Region region = BuildRegion(four, Points("0 0 0,1 1 1"));
    EXPECT_TRUE(!region.drawable && region.vertices.empty() && region.corners.empty() &&
                region.path.empty());
    EXPECT_EQ(RegionDescription(region), kNotDrawable);
}

// A problem in integers has its integer points, listed while they are few: in the plane, in
// space, in the cube that cuts an unbounded region, and none where the region holds no whole one.
TEST(Region, IntegerPoints) {
    const auto integer = [](ExactProblem p) {
        p.integer = true;
        return p;
    };
    const struct {
        ExactProblem problem;
        std::string words;  // what the description ends with
        std::size_t count;
    } cases[] = {
        {integer(Typed({1, 1}, {{{1, 1}, kLe, 2}})),
         " Punti interi: (0; 0), (0; 1), (0; 2), (1; 0), (1; 1), (2; 0).", 6},
        {integer(Typed({1, 1}, {{{2, 0}, Sense::GreaterEqual, 1}, {{2, 0}, kLe, 1}})),
         " Regione illimitata. Nessun punto intero.", 0},
        {integer(Lp({1, 1, 1}, {{{{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 1}}})),
         " Punti interi: (0; 0; 0), (0; 0; 1), (0; 1; 0), (0; 1; 1), (1; 0; 0), (1; 0; 1), "
         "(1; 1; 0), (1; 1; 1).",
         8},
        // x1 - x2 <= 1 in the box of side 3/2.
        {integer(Typed({1, 1}, {{{1, -1}, kLe, 1}})),
         " Regione illimitata. Punti interi: (0; 0), (0; 1), (1; 0), (1; 1).", 4},
        {integer(Typed({1, 1}, {{{1, 1}, kLe, 20}})), " Punti interi: 231.", 231},
    };
    for (const auto& c : cases) {
        const Region region = BuildRegion(c.problem, std::span<const Point>{});
        EXPECT_TRUE(RegionDescription(region).ends_with(c.words)) << RegionDescription(region);
        EXPECT_EQ(region.integerPoints.size(), c.count);
    }
}

}  // namespace
}  // namespace simplesso
