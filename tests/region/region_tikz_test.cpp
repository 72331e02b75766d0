// The TikZ pictures of the figures of label_placement_test.cpp: their labels in the boxes the
// placement gives them, with its leaders, and each legend entry's mark drawn as what it names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "region_problems.h"
#include "region_tikz.h"

namespace simplesso::testing_support {

std::vector<Region> LabelledRegions();  // in label_placement_test.cpp

namespace {

// The picture is read line by line: the plot's fills and strokes up to the end of its scope, the
// leaders, the labels' nodes, then each legend entry's marks before its text.
TEST(RegionTikz, LabelsStandWhereThePlacementPutsThemAndTheLegendShowsItsMarks) {
    const std::regex style(R"(^\\(draw|fill)\[([^\]]*)\])");
    const std::regex line(R"(^\\draw\[.*\] \(([^,]+),([^)]+)\) -- \(([^,]+),([^)]+)\);$)");
    const std::regex node(R"(^\\node\[text=\w+,font=.*,minimum width=([0-9.]+)cm,minimum height=)"
                          R"(([0-9.]+)cm.*\] at \(([-0-9.]+),([-0-9.]+)\) \{(.*)\};$)");
    // A point in the figure's coordinates, y downwards.
    const auto at = [](auto& x, auto& y) { return XY{std::stod(x), kTikzSide - std::stod(y)}; };
    for (const Region& region : LabelledRegions()) {
        const std::string tex = RegionTikz(region, {}, false);
        SCOPED_TRACE(tex);
        const Figure f = LayFigure(region, {}, {0, 0, kTikzSide, kTikzSide}, kTikzPoint, false);
        const double m = kTikzLabelMargin;
        const std::vector<PlacedLabel> placed = PlaceLabels(
            f, TikzLabelSize, {-m, -m, kTikzSide + 2 * m, kTikzSide + 2 * m}, kTikzPoint);
        // The leaders' ends, then each label's size and centre: as drawn and as placed.
        std::vector<XY> drawn, want;
        std::vector<std::string> plot, texts, latex;     // the plot's "draw" and "fill" styles
        std::vector<std::vector<std::string>> marks(1);  // the styles before each legend entry
        bool inPlot = true;
        std::istringstream in(tex);
        for (std::string l; std::getline(in, l);) {
            std::smatch s;
            inPlot = inPlot && l != "\\end{scope}";
            if (std::regex_match(l, s, node)) {
                texts.push_back(s[5]);
                drawn.insert(drawn.end(), {{std::stod(s[1]), std::stod(s[2])}, at(s[3], s[4])});
            } else if (l.starts_with("\\node[anchor=west,font=\\small]")) {
                marks.emplace_back();
            } else if (!inPlot && texts.empty() && std::regex_match(l, s, line)) {
                drawn.insert(drawn.end(), {at(s[1], s[2]), at(s[3], s[4])});
            } else if (std::regex_search(l, s, style)) {
                (inPlot ? plot : marks.back()).push_back(s[1].str() + " " + s[2].str());
            }
        }
        std::size_t leaders = 0;  // drawn before the labels
        for (const PlacedLabel& p : placed) {
            want.insert(want.end(), {{p.box.width, p.box.height},
                                     {p.box.left + p.box.width / 2, p.box.top + p.box.height / 2}});
            if (p.leader) {
                want.insert(want.begin() + 2 * static_cast<long>(leaders++), {p.from, p.to});
            }
        }
        std::ranges::transform(f.labels, std::back_inserter(latex), &Label::latex);
        EXPECT_EQ(texts, latex);
        ASSERT_EQ(drawn.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            EXPECT_NEAR(std::hypot(drawn[i].x - want[i].x, drawn[i].y - want[i].y), 0, 3e-3)
                << "coordinates " << i;
        }
        // The swatch in its row's colour; a line in the style of the plot's level line, of the
        // cut's edges or of the thick edges of the segment on that row: the plot's stroke each
        // mark stands for, in the order of LegendMark.
        constexpr Stroke kLine[] = {Stroke::Edge, Stroke::Level, Stroke::CutEdge, Stroke::Edge};
        ASSERT_EQ(marks.size(), f.legend.size() + 1);
        for (std::size_t i = 0; i < f.legend.size(); ++i) {
            const LegendEntry& e = f.legend[i];
            const Rgb c = ConstraintColour(e.row);
            const std::string rgb = "}{RGB}{" + std::to_string(c.r) + "," + std::to_string(c.g) +
                                    "," + std::to_string(c.b) + "}";
            const std::size_t end = tex.find(rgb), start = tex.rfind('{', end) + 1;  // its name
            const auto s = std::ranges::find_if(f.segments, [&](const Segment& g) {
                return g.stroke == kLine[static_cast<int>(e.mark)] && g.row == e.row;
            });
            const std::size_t k = f.fills.size() + static_cast<std::size_t>(s - f.segments.begin());
            const std::string mark = e.mark == LegendMark::Swatch
                                         ? "fill " + tex.substr(start, end - start) + ","
                                     : s == f.segments.end() ? "none in the plot"
                                                             : plot.at(k);
            EXPECT_TRUE(std::ranges::any_of(
                marks[i], [&](const std::string& x) { return x.starts_with(mark); }))
                << e.text << " is not drawn as " << mark;
        }
    }
}

}  // namespace
}  // namespace simplesso::testing_support
