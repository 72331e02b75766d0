// Labels placed on the figures of problems worked by hand, judged by a check written apart from
// the placement's own geometry: every stroke sampled point by point against every label's box,
// every point's disc and every other box; the legend's entries for the box that cuts an
// unbounded region and for a region reduced to a segment of an "=" row; each row's own colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "figure.h"
#include "label_placement.h"
#include "region_problems.h"

namespace simplesso {
namespace {

using namespace testing_support;

const Row kNone{{0, 0, 0}, kLe, 1};  // 0 <= 1: no plane, always true

// min 2x1 + 3x2 with 1/2 x1 + 1/4 x2 <= 4, x1 + 3x2 >= 20, x1 + x2 = 10: the region is the
// segment of the third row from (0; 10) to (5; 5).
ExactProblem TwoPhases() {
    ExactProblem p =
        Lp({2, 3, 0}, {{{{1, 1, 0}, kLe, 4}, {{1, 3, 0}, kGe, 20}, {{1, 1, 0}, kEq, 10}}},
           Direction::Minimise);
    p.a[0][0] = mpq_class(1, 2);
    p.a[0][1] = mpq_class(1, 4);
    return p;
}

struct Case {
    const char* name;
    ExactProblem problem;
    std::vector<Point> path;
    bool cut;
    std::vector<std::string> segment;  // the legend's entries for a segment of an "=" row
    std::size_t pointLabels;
};

// max 2x1 + 3x2 with five rows, four of whose lines meet at the optimum (2; 6): the equations
// there have to find room along their lines.
ExactProblem TwoByFive() {
    return Typed({2, 3}, {{{1, 1}, kLe, 8},
                          {{1, 0}, kLe, 6},
                          {{0, 1}, kLe, 6},
                          {{1, 2}, kLe, 14},
                          {{-1, 1}, kLe, 4}});
}

std::vector<Case> Cases() {
    const mpq_class third(20, 3);
    return {
        {"Plane",
         Lp({3, 5, 0}, {{{{1, 0, 0}, kLe, 4}, {{0, 2, 0}, kLe, 12}, {{3, 2, 0}, kLe, 18}}}),
         {P(0, 0), P(0, 6), P(2, 6)},
         false,
         {},
         3},
        {"SumAtMostTwo",
         Lp({1, 2, 0}, {{{{1, 1, 0}, kLe, 2}, {{1, -1, 0}, kLe, 1}, kNone}}),
         {P(0, 0), P(0, 2), P(0, 2)},
         false,
         {},
         2},
        {"TwoPhases",
         TwoPhases(),
         {P(0, 0), P(0, third), P(0, 10), P(5, 5)},
         false,
         {"segmento ammissibile su x1 + x2 = 10"},
         4},
        {"PlaneUnbounded",
         Lp({1, 2, 0}, {{{{1, -1, 0}, kLe, 1}, {{1, 1, 0}, kGe, 1}, kNone}}),
         {P(0, 0), P(1, 0)},
         true,
         {},
         2},
        {"Space",
         WorkedExample(),
         {P(0, 0, 0), P(0, 4, 0), P(mpq_class(22, 5), mpq_class(9, 5), 0)},
         false,
         {},
         0},
        {"SpaceUnbounded",
         Lp({1, 1, 1}, {{{{1, -1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 2}, kNone}}),
         {P(0, 0, 0), P(1, 0, 0)},
         true,
         {},
         0},
        // One "=" row in space leaves a face, which its own entry already names.
        {"SpaceEqualityFace",
         Lp({1, 1, 1}, {{{{1, 1, 1}, kEq, 1}, {{1, 0, 0}, kLe, 1}, {{0, 1, 0}, kLe, 1}}}),
         {},
         false,
         {},
         0},
        {"TwoByFour", TwoByFour(), {P(0, 0), P(0, 6), P(2, 6)}, false, {}, 3},
        {"TwoByFive", TwoByFive(), {P(0, 0), P(0, 4), P(2, 6)}, false, {}, 3},
        {"ThreeByFive",
         ThreeByFive(),
         {P(0, 0, 0), P(2, 0, 0), P(2, 1, 0), P(2, 1, 1)},
         false,
         {},
         0},
        {"SpaceTwoEqualities",
         Lp({1, 1, 1}, {{{{1, 1, 1}, kEq, 1}, {{1, -1, 0}, kEq, 0}, {{0, 0, 1}, kLe, 1}}}),
         {P(0, 0, 1)},
         false,
         {"segmento ammissibile su x1 + x2 + x3 = 1 e x1 - x2 = 0"},
         0},
    };
}

// A sans serif's proportions, near enough: what matters is that each label has its own size.
LabelSize Measure(const Label& l, double unit) {
    const double size = (l.kind == LabelKind::Tick ? 7 : 8) * unit;
    const auto glyphs = std::count_if(l.text.begin(), l.text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return {0.6 * size * static_cast<double>(glyphs) + 2 * unit, 1.25 * size};
}

bool Inside(const XY& p, const Box& b) {
    const double e = 1e-6;
    return p.x > b.left + e && p.x < b.Right() - e && p.y > b.top + e && p.y < b.Bottom() - e;
}

// The first sample of the stroke from `from` to `to` that falls inside the box, or -1.
double StrokeInside(const XY& from, const XY& to, const Box& box) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const int samples = std::max(2, static_cast<int>(length / 0.2));
    for (int i = 0; i <= samples; ++i) {
        const double t = static_cast<double>(i) / samples;
        if (Inside({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t}, box)) {
            return t;
        }
    }
    return -1;
}

TEST(LabelPlacement, NoLabelLiesUnderAStrokeAPointOrAnotherLabel) {
    constexpr double unit = 4.0 / 3;
    for (const Case& c : Cases()) {
        const Region region = BuildRegion(c.problem, c.path);
        // The window at its usual size and at its smallest.
        for (const double side : {420.0, 300.0}) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(static_cast<int>(side)));
            const Rect plot{40, 14, side, side};
            const Figure figure = LayFigure(region, {}, plot, unit, false);
            const Box bounds{0, 0, plot.x + side + 12, plot.y + side + 22};
            const std::vector<PlacedLabel> placed = PlaceLabels(
                figure, [&](const Label& l) { return Measure(l, unit); }, bounds, unit);
            ASSERT_EQ(placed.size(), figure.labels.size());
            EXPECT_EQ(std::count_if(figure.labels.begin(), figure.labels.end(),
                                    [](const Label& l) { return l.kind == LabelKind::Point; }),
                      static_cast<long>(c.pointLabels));
            for (std::size_t i = 0; i < placed.size(); ++i) {
                const Box& box = placed[i].box;
                const std::string& text = figure.labels[i].text;
                EXPECT_GE(box.left, bounds.left) << text;
                EXPECT_GE(box.top, bounds.top) << text;
                EXPECT_LE(box.Right(), bounds.Right()) << text;
                EXPECT_LE(box.Bottom(), bounds.Bottom()) << text;
                for (const Segment& s : figure.segments) {
                    EXPECT_LT(StrokeInside(s.from, s.to, box), 0)
                        << text << " under the stroke of kind " << static_cast<int>(s.stroke);
                }
                for (const Dot& d : figure.dots) {
                    const double nx = std::clamp(d.at.x, box.left, box.Right());
                    const double ny = std::clamp(d.at.y, box.top, box.Bottom());
                    EXPECT_GE(std::hypot(nx - d.at.x, ny - d.at.y), DotReach(d) * unit - 1e-9)
                        << text << " over a point";
                }
                for (std::size_t j = 0; j < placed.size(); ++j) {
                    if (j == i) {
                        continue;
                    }
                    const Box& other = placed[j].box;
                    const bool apart = box.Right() <= other.left || other.Right() <= box.left ||
                                       box.Bottom() <= other.top || other.Bottom() <= box.top;
                    EXPECT_TRUE(apart) << text << " over " << figure.labels[j].text;
                    if (placed[j].leader) {
                        EXPECT_LT(StrokeInside(placed[j].from, placed[j].to, box), 0)
                            << text << " under the leader of " << figure.labels[j].text;
                    }
                }
            }
        }
    }
}

TEST(LabelPlacement, LegendNamesTheCutAndTheSegmentOfAnEqualityRow) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Figure figure =
            LayFigure(BuildRegion(c.problem, c.path), {}, {0, 0, 100, 100}, 1, false);
        std::vector<std::string> cut, segment;
        for (const LegendEntry& e : figure.legend) {
            if (e.mark == LegendMark::Cut) {
                cut.push_back(e.text);
            } else if (e.mark == LegendMark::Segment) {
                segment.push_back(e.text);
                // Drawn in the colour of the row it names, as that row's own entry is.
                EXPECT_NE(e.text.find(ConstraintEquation(c.problem, e.row)), std::string::npos);
            }
        }
        EXPECT_EQ(cut, c.cut ? std::vector<std::string>{kCutLegend} : std::vector<std::string>{});
        EXPECT_EQ(segment, c.segment);
        // The segment is drawn as thick as its entry shows it, on the edges of that row alone.
        const bool thick =
            std::any_of(figure.segments.begin(), figure.segments.end(),
                        [](const Segment& s) { return s.stroke == Stroke::Edge && s.row >= 0; });
        EXPECT_EQ(thick, !c.segment.empty());
    }
}

// Every row that makes a line or a plane has its own colour, the same on its line, its label, its
// face and its legend entry: with more rows than three none of them falls back on another's.
TEST(LabelPlacement, EachRowHasItsLineLabelFaceAndLegendEntry) {
    const struct {
        const char* name;
        ExactProblem problem;
        std::vector<int> lines;  // rows whose line crosses the plot
        std::vector<int> faces;  // rows that carry a face in space
    } cases[] = {
        // x1 + x2 = 10 passes through the plot's corner beyond (7; 3).
        {"TwoByFour", TwoByFour(), {0, 1, 2, 3}, {}},
        {"TwoByFive", TwoByFive(), {0, 1, 2, 3, 4}, {}},
        {"ThreeByFive", ThreeByFive(), {}, {0, 1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Figure figure = LayFigure(BuildRegion(c.problem, std::vector<Point>{P(0, 0, 0)}), {},
                                        {0, 0, 400, 400}, 1, false);
        std::vector<int> lines, labels, faces, legend;
        for (const Segment& s : figure.segments) {
            if (s.stroke == Stroke::ConstraintLine) {
                lines.push_back(s.row);
            }
        }
        for (const Label& l : figure.labels) {
            if (l.kind == LabelKind::Constraint) {
                labels.push_back(l.row);
                EXPECT_EQ(l.text, ConstraintEquation(c.problem, l.row));
            }
        }
        for (const FilledPolygon& f : figure.fills) {
            if (f.fill == Fill::Constraint) {
                faces.push_back(f.row);
            }
        }
        std::sort(faces.begin(), faces.end());
        for (const LegendEntry& e : figure.legend) {
            if (e.mark == LegendMark::Swatch) {
                legend.push_back(e.row);
                EXPECT_EQ(e.text, ConstraintEquation(c.problem, e.row));
            }
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(labels, c.lines);
        EXPECT_EQ(faces, c.faces);
        std::vector<int> all(static_cast<std::size_t>(c.problem.Rows()));
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(legend, all);
    }
}

// Rows 1 to 3 keep the colours they always had; eight rows are told apart at a glance, and a
// ninth starts the round again.
TEST(LabelPlacement, ConstraintColoursStayApartAndCycle) {
    const auto rgb = [](int row) {
        const Rgb c = ConstraintColour(row);
        return std::array<int, 3>{c.r, c.g, c.b};
    };
    EXPECT_EQ(rgb(0), (std::array<int, 3>{214, 96, 39}));
    EXPECT_EQ(rgb(1), (std::array<int, 3>{46, 125, 50}));
    EXPECT_EQ(rgb(2), (std::array<int, 3>{63, 81, 181}));
    for (int i = 0; i < kConstraintColours; ++i) {
        const auto a = rgb(i);
        // Dark enough for a thin line and a label on white.
        EXPECT_LT(0.299 * a[0] + 0.587 * a[1] + 0.114 * a[2], 160) << "row " << i + 1;
        for (int j = i + 1; j < kConstraintColours; ++j) {
            const auto b = rgb(j);
            const double distance = std::hypot(a[0] - b[0], std::hypot(a[1] - b[1], a[2] - b[2]));
            EXPECT_GT(distance, 80) << "rows " << i + 1 << " and " << j + 1;
        }
        EXPECT_EQ(rgb(i + kConstraintColours), a);
        EXPECT_EQ(rgb(i + 2 * kConstraintColours), a);
    }
    EXPECT_GE(kConstraintColours, 8);
}

TEST(LabelPlacement, SegmentAgainstBox) {
    const Box box{10, 10, 20, 10};  // x in [10, 30], y in [10, 20]
    const struct {
        XY from, to;
        bool meets;
    } cases[] = {
        {{0, 0}, {40, 30}, true},    // across, both ends outside
        {{15, 12}, {16, 13}, true},  // wholly inside
        {{0, 15}, {9, 15}, false},   // stops short on the left
        {{0, 0}, {40, 0}, false},    // passes above
        {{0, 25}, {25, 0}, true},    // cuts the corner (10, 15)-(15, 10)
        {{0, 12}, {12, 0}, false},   // misses the corner
        {{20, 0}, {20, 40}, true},   // vertical, through
        {{35, 0}, {35, 40}, false},  // vertical, beside
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SegmentMeetsBox(c.from, c.to, box), c.meets)
            << c.from.x << "," << c.from.y << " - " << c.to.x << "," << c.to.y;
    }
}

}  // namespace
}  // namespace simplesso
