// Labels placed on the figures of problems worked by hand, judged by a check written apart from
// the placement's own geometry: every stroke sampled point by point against every label's box,
// every point's disc and every other box, a leader to every label that stands far from its point;
// each row's line, label, face and legend entry; the legend's marks, among them the cut's and the
// "=" segment's exactly where they apply. region_tikz_test.cpp draws the same figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "figure.h"
#include "label_placement.h"
#include "region_problems.h"

namespace simplesso::testing_support {

std::vector<Region> LabelledRegions();

namespace {

const Row kNone{{0, 0, 0}, kLe, 1};  // 0 <= 1: no plane, always true

// Each case's legend, one character an entry: a row's swatch by the row's number, = the segment
// of "=" rows, C the cut of an unbounded region, L the level line.
struct Case {
    std::string name;
    ExactProblem problem;
    std::vector<Point> path;
    std::string marks;
    std::vector<int> drawn;  // the rows with a line across the plane's plot or a face in space
    std::string segment;     // the legend's entry for a segment of "=" rows
    long pointLabels;
};

std::vector<Case> Cases() {
    // clang-format off
    // min 2x1 + 3x2 with 1/2 x1 + 1/4 x2 <= 4, x1 + 3x2 >= 20, x1 + x2 = 10: the region is the
    // segment of the third row from (0; 10) to (5; 5).
    ExactProblem twoPhases = Lp({2, 3, 0}, {{{{1, 1, 0}, kLe, 4}, {{1, 3, 0}, kGe, 20},
        {{1, 1, 0}, kEq, 10}}}, Direction::Minimise);
    twoPhases.a[0][0] = mpq_class(1, 2);
    twoPhases.a[0][1] = mpq_class(1, 4);
    // Five rows, four of whose lines meet at the optimum (2; 6): the equations there have to find
    // room along their lines.
    const ExactProblem twoByFive = Typed({2, 3}, {{{1, 1}, kLe, 8}, {{1, 0}, kLe, 6},
        {{0, 1}, kLe, 6}, {{1, 2}, kLe, 14}, {{-1, 1}, kLe, 4}});
    return {
        {"SumAtMostTwo", Lp({1, 2, 0}, {{{{1, 1, 0}, kLe, 2}, {{1, -1, 0}, kLe, 1}, kNone}}),
         {P(0, 0), P(0, 2), P(0, 2)}, "01L", {0, 1}, "", 2},
        {"TwoPhases", twoPhases, {P(0, 0), P(0, mpq_class(20, 3)), P(0, 10), P(5, 5)}, "012=L",
         {0, 1, 2}, "segmento ammissibile su x1 + x2 = 10", 4},
        {"PlaneUnbounded", Lp({1, 2, 0}, {{{{1, -1, 0}, kLe, 1}, {{1, 1, 0}, kGe, 1}, kNone}}),
         {P(0, 0), P(1, 0)}, "01CL", {0, 1}, "", 2},
        // The worked example's first row is slack all over the region: it has no face.
        {"Space", WorkedExample(),
         {P(0, 0, 0), P(0, 4, 0), P(mpq_class(22, 5), mpq_class(9, 5), 0)}, "012", {1, 2}, "", 0},
        {"SpaceUnbounded", Lp({1, 1, 1}, {{{{1, -1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 2}, kNone}}),
         {P(0, 0, 0), P(1, 0, 0)}, "01C", {0, 1}, "", 0},
        // One "=" row in space leaves a face, which its own entry already names.
        {"SpaceEqualityFace",
         Lp({1, 1, 1}, {{{{1, 1, 1}, kEq, 1}, {{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}}}),
         {}, "012", {0}, "", 0},
        // x1 + x2 = 10, which the other rows keep, crosses the plot's corner beyond (7; 3).
        {"TwoByFour", TwoByFour(), {P(0, 0), P(0, 6), P(2, 6)}, "0123L", {0, 1, 2, 3}, "", 3},
        {"TwoByFive", twoByFive, {P(0, 0), P(0, 4), P(2, 6)}, "01234L", {0, 1, 2, 3, 4}, "", 3},
        {"ThreeByFive", ThreeByFive(), {P(0, 0, 0), P(2, 0, 0), P(2, 1, 0), P(2, 1, 1)}, "01234",
         {0, 1, 2, 3, 4}, "", 0},
        {"SpaceTwoEqualities",
         Lp({1, 1, 1}, {{{{1, 1, 1}, kEq, 1}, {{1, -1, 0}, kEq, 0}, {{0, 0, 1}, kLe, 1}}}),
         {P(0, 0, 1)}, "012=", {}, "segmento ammissibile su x1 + x2 + x3 = 1 e x1 - x2 = 0", 0},
    };
    // clang-format on
}

// Whether the stroke, sampled every 0.2 units of its length, passes strictly inside the box.
bool UnderStroke(const XY& from, const XY& to, const Box& b) {
    const int n = std::max(2, static_cast<int>(std::hypot(to.x - from.x, to.y - from.y) / 0.2));
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, e = 1e-6;
        const double x = from.x + (to.x - from.x) * t, y = from.y + (to.y - from.y) * t;
        if (x > b.left + e && x < b.Right() - e && y > b.top + e && y < b.Bottom() - e) {
            return true;
        }
    }
    return false;
}

// How far the box stands from the point, across and along (for `most`) or straight.
double Gap(const XY& p, const Box& b, bool most = false) {
    const double x = std::abs(std::clamp(p.x, b.left, b.Right()) - p.x);
    const double y = std::abs(std::clamp(p.y, b.top, b.Bottom()) - p.y);
    return most ? std::max(x, y) : std::hypot(x, y);
}

// The rows of the items of the given kind, in the figure's order.
template <class T, class K>
std::vector<int> Rows(const std::vector<T>& items, K T::*field, K kind) {
    std::vector<int> rows;
    for (const T& t : items) {
        if (t.*field == kind) {
            rows.push_back(t.row);
        }
    }
    return rows;
}

TEST(LabelPlacement, LabelsStandClearAndTheRowsAndTheLegendShowWhatApplies) {
    constexpr double unit = 4.0 / 3;
    // A sans serif's proportions, near enough, a character that takes bytes more taken as wider:
    // what matters is that each label has its own size.
    const auto measure = [&](const Label& l) {
        const double size = (l.kind == LabelKind::Tick ? 7 : 8) * unit;
        return LabelSize{0.6 * size * static_cast<double>(l.text.size()) + 2 * unit, 1.25 * size};
    };
    for (const Case& c : Cases()) {
        for (const double side : {420.0, 300.0}) {  // the window at its usual size and its smallest
            SCOPED_TRACE(c.name + " at " + std::to_string(side));
            const Figure f =
                LayFigure(BuildRegion(c.problem, c.path), {}, {40, 14, side, side}, unit, false);
            const Box bounds{0, 0, 40 + side + 12, 14 + side + 22};  // the plot and its margins
            const std::vector<PlacedLabel> placed = PlaceLabels(f, measure, bounds, unit);
            ASSERT_EQ(placed.size(), f.labels.size());
            EXPECT_EQ(std::ranges::count(f.labels, LabelKind::Point, &Label::kind), c.pointLabels);
            for (std::size_t i = 0; i < placed.size(); ++i) {
                const Box& b = placed[i].box;
                const Label& l = f.labels[i];
                EXPECT_TRUE(b.left >= bounds.left && b.top >= bounds.top &&
                            b.Right() <= bounds.Right() && b.Bottom() <= bounds.Bottom())
                    << l.text << " out of bounds";
                for (const Segment& s : f.segments) {
                    EXPECT_FALSE(UnderStroke(s.from, s.to, b))
                        << l.text << " under a stroke of kind " << static_cast<int>(s.stroke);
                }
                double reach = 0;  // of the label's own point
                for (const Dot& d : f.dots) {
                    EXPECT_GE(Gap(d.at, b), DotReach(d) * unit - 1e-9) << l.text << " over a point";
                    const bool own = std::hypot(d.at.x - l.at.x, d.at.y - l.at.y) < 1e-6;
                    reach = std::max(reach, own ? DotReach(d) * unit : 0);
                }
                for (std::size_t j = 0; j < placed.size(); ++j) {
                    const Box& o = placed[j].box;
                    EXPECT_TRUE(j == i || b.Right() <= o.left || o.Right() <= b.left ||
                                b.Bottom() <= o.top || o.Bottom() <= b.top)
                        << l.text << " over " << f.labels[j].text;
                    EXPECT_FALSE(j != i && placed[j].leader &&
                                 UnderStroke(placed[j].from, placed[j].to, b))
                        << l.text << " under the leader of " << f.labels[j].text;
                }
                // Farther than 10 points beyond its point's disc a label has a leader from that
                // rim to its box; an equation beside its own line needs none.
                EXPECT_TRUE(placed[i].leader || l.kind == LabelKind::Constraint ||
                            Gap(l.at, b, true) <= reach + 10 * unit)
                    << l.text << " far from its point, no leader";
                const XY &from = placed[i].from, &to = placed[i].to;
                EXPECT_TRUE(!placed[i].leader || !l.also.empty() ||
                            (std::hypot(from.x - l.at.x, from.y - l.at.y) <= reach + 1e-9 &&
                             Gap(to, b) < 1e-9))
                    << l.text << "'s leader does not join its point to its box";
            }
            // Each row that makes a line or a plane in its own colour on its line, its label, its
            // face and its legend entry; the segment's entry in the colour of a row it names.
            std::string marks;
            for (const LegendEntry& e : f.legend) {
                // The letters in the order of LegendMark.
                marks += e.mark == LegendMark::Swatch ? static_cast<char>('0' + e.row)
                                                      : "SLC="[static_cast<int>(e.mark)];
                if (e.row >= 0) {  // a row's entry names it, the segment's all of its rows
                    const std::string row = ConstraintEquation(c.problem, e.row);
                    EXPECT_EQ(e.text, e.mark == LegendMark::Segment ? c.segment : row);
                    EXPECT_NE(e.text.find(row), std::string::npos);
                }
            }
            std::vector<int> faces = Rows(f.fills, &FilledPolygon::fill, Fill::Constraint),
                             lines = Rows(f.segments, &Segment::stroke, Stroke::ConstraintLine);
            std::ranges::sort(faces);
            EXPECT_EQ(marks, c.marks);
            EXPECT_EQ(Rows(f.labels, &Label::kind, LabelKind::Constraint), lines);
            EXPECT_EQ(lines.empty() ? faces : lines, c.drawn);
            for (const Label& l : f.labels) {
                EXPECT_TRUE(l.row < 0 || l.text == ConstraintEquation(c.problem, l.row)) << l.text;
            }
            // The segment is drawn as thick as its entry shows it, on the edges of that row alone.
            const std::vector<int> edges = Rows(f.segments, &Segment::stroke, Stroke::Edge);
            EXPECT_EQ(std::ranges::count(edges, -1) < std::ssize(edges), !c.segment.empty());
        }
    }
}

// Eight rows are told apart at a glance, each dark enough for a thin line on white; the ninth
// starts the round again.
TEST(LabelPlacement, ConstraintColoursStayApartAndCycle) {
    EXPECT_GE(kConstraintColours, 8);
    for (int i = 0; i <= kConstraintColours; ++i) {
        const Rgb a = ConstraintColour(i);
        EXPECT_LT(0.299 * a.r + 0.587 * a.g + 0.114 * a.b, 160) << "row " << i + 1;
        for (int j = 0; j < i; ++j) {
            const Rgb b = ConstraintColour(j);
            EXPECT_EQ(std::hypot(a.r - b.r, std::hypot(a.g - b.g, a.b - b.b)) > 80,
                      i - j < kConstraintColours)
                << "rows " << j + 1 << " and " << i + 1;
        }
    }
}

}  // namespace

std::vector<Region> LabelledRegions() {
    std::vector<Region> regions;
    for (const Case& c : Cases()) {
        regions.push_back(BuildRegion(c.problem, c.path));
    }
    return regions;
}

}  // namespace simplesso::testing_support
