// The TikZ picture of a region in space and one in the plane, compiled by pdflatex in a document
// of its own where pdflatex is installed: its labels where the placement puts them, each text
// within the box it was given, and the legend's marks drawn as what they name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "region_problems.h"
#include "region_tikz.h"

namespace simplesso {
namespace {

using namespace testing_support;

const Row kNone{{0, 0, 0}, kLe, 1};  // 0 <= 1: no plane, always true

// min 2x1 + 3x2 with 1/2 x1 + 1/4 x2 <= 4, x1 + 3x2 >= 20, x1 + x2 = 10: a segment, with fractions.
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
    std::vector<LegendMark> marks;
};

std::vector<Case> Cases() {
    using enum LegendMark;
    return {
        {"Plane",
         Lp({3, 5, 0}, {{{{1, 0, 0}, kLe, 4}, {{0, 2, 0}, kLe, 12}, {{3, 2, 0}, kLe, 18}}}),
         {P(0, 0), P(0, 6), P(2, 6)},
         {Swatch, Swatch, Swatch, Level}},
        {"PlaneUnbounded",
         Lp({1, 2, 0}, {{{{1, -1, 0}, kLe, 1}, {{1, 1, 0}, kGe, 1}, kNone}}),
         {P(0, 0), P(1, 0)},
         {Swatch, Swatch, Cut, Level}},
        {"TwoPhases",
         TwoPhases(),
         {P(0, 0), P(0, mpq_class(20, 3)), P(0, 10), P(5, 5)},
         {Swatch, Swatch, Swatch, Segment, Level}},
        {"SpaceUnbounded",
         Lp({1, 1, 1}, {{{{1, -1, 0}, kLe, 1}, {{0, 0, 1}, kLe, 2}, kNone}}),
         {P(0, 0, 0), P(1, 0, 0)},
         {Swatch, Swatch, Cut}},
        {"TwoByFour",
         TwoByFour(),
         {P(0, 0), P(0, 6), P(2, 6)},
         {Swatch, Swatch, Swatch, Swatch, Level}},
        {"ThreeByFive",
         ThreeByFive(),
         {P(0, 0, 0), P(2, 0, 0)},
         {Swatch, Swatch, Swatch, Swatch, Swatch}},
    };
}

std::vector<std::string> Lines(const std::string& tex) {
    std::vector<std::string> lines;
    std::istringstream in(tex);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A \draw or \fill's style, or "" for any other line.
std::string Style(const std::string& line) {
    static const std::regex style(R"(^\\(?:draw|fill)\[([^\]]*)\])");
    std::smatch m;
    return std::regex_search(line, m, style) ? m[1].str() : "";
}

// The figure's y, downwards, of a point written by the picture.
XY Read(const std::string& x, const std::string& y) {
    return {std::stod(x), kTikzSide - std::stod(y)};
}

struct Node {
    std::string font, text;
    Box box;
};

// The labels' nodes: a box of the given size round the point the node stands at.
std::vector<Node> LabelNodes(const std::vector<std::string>& lines) {
    static const std::regex node(
        R"(^\\node\[text=\w+,font=(.*),inner sep=0pt,minimum width=([0-9.]+)cm,)"
        R"(minimum height=([0-9.]+)cm.*\] at \(([-0-9.]+),([-0-9.]+)\) \{(.*)\};$)");
    std::vector<Node> nodes;
    std::smatch m;
    for (const std::string& line : lines) {
        if (std::regex_match(line, m, node)) {
            const double w = std::stod(m[2]), h = std::stod(m[3]);
            const XY centre = Read(m[4], m[5]);
            nodes.push_back({m[1], m[6], {centre.x - w / 2, centre.y - h / 2, w, h}});
        }
    }
    return nodes;
}

void ExpectNear(const XY& got, const XY& want, const std::string& what) {
    EXPECT_NEAR(got.x, want.x, 2e-3) << what;
    EXPECT_NEAR(got.y, want.y, 2e-3) << what;
}

// The labels in the boxes PlaceLabels gives them, with its leaders; each legend mark drawn as what
// it names: the swatch in its row's colour, a line in the style of the plot's level line, of the
// cut's edges or of the thick segment.
TEST(RegionTikz, LabelsStandWhereThePlacementPutsThemAndTheLegendShowsItsMarks) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Region region = BuildRegion(c.problem, c.path);
        const std::string tex = RegionTikz(region, {}, false);
        const std::vector<std::string> lines = Lines(tex);
        const Figure figure =
            LayFigure(region, {}, {0, 0, kTikzSide, kTikzSide}, kTikzPoint, false);
        const double m = kTikzLabelMargin;
        const std::vector<PlacedLabel> placed = PlaceLabels(
            figure, TikzLabelSize, {-m, -m, kTikzSide + 2 * m, kTikzSide + 2 * m}, kTikzPoint);

        const std::vector<Node> nodes = LabelNodes(lines);
        ASSERT_EQ(nodes.size(), figure.labels.size());
        std::vector<PlacedLabel> leaders;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const Box& got = nodes[i].box;
            const Box& want = placed[i].box;
            EXPECT_EQ(nodes[i].text, figure.labels[i].latex);
            ExpectNear({got.left, got.top}, {want.left, want.top}, nodes[i].text);
            ExpectNear({got.Right(), got.Bottom()}, {want.Right(), want.Bottom()}, nodes[i].text);
            if (placed[i].leader) {
                leaders.push_back(placed[i]);
            }
        }
        // The plot's strokes are its \draw lines in the figure's order; the leaders are the lines
        // drawn after it and before the labels.
        const auto scopeEnd = std::find(lines.begin(), lines.end(), "\\end{scope}");
        ASSERT_NE(scopeEnd, lines.end());
        static const std::regex line(
            R"(^\\draw\[.*\] \(([-0-9.]+),([-0-9.]+)\) -- \(([-0-9.]+),([-0-9.]+)\);$)");
        std::size_t count = 0;
        auto l = scopeEnd;
        for (std::smatch d; ++l != lines.end() && std::regex_match(*l, d, line); ++count) {
            ASSERT_LT(count, leaders.size());
            ExpectNear(Read(d[1], d[2]), leaders[count].from, "leader");
            ExpectNear(Read(d[3], d[4]), leaders[count].to, "leader");
        }
        EXPECT_EQ(count, leaders.size());

        std::vector<std::string> strokes;
        std::copy_if(lines.begin(), scopeEnd, std::back_inserter(strokes),
                     [](const std::string& s) { return s.starts_with("\\draw["); });
        ASSERT_GE(strokes.size(), figure.segments.size());
        auto stroke = [&](Stroke kind, int row) {
            for (std::size_t i = 0; i < figure.segments.size(); ++i) {
                if (figure.segments[i].stroke == kind && figure.segments[i].row == row) {
                    return "draw " + Style(strokes[i]);
                }
            }
            return std::string("none in the plot");
        };
        // Each legend entry's \draw and \fill lines come before its text.
        std::vector<std::vector<std::string>> marks(1);
        for (; l != lines.end(); ++l) {
            if (l->find("font=\\small]") != std::string::npos) {
                marks.emplace_back();
            } else if (!Style(*l).empty()) {
                marks.back().push_back(l->substr(1, 4) + " " + Style(*l));
            }
        }
        ASSERT_EQ(figure.legend.size(), c.marks.size());
        // Four rows or more share the legend's lines two by two; fewer stand one under the other.
        std::set<std::string> columns;
        static const std::regex entry(R"(^\\node\[anchor=west,font=\\small\] at \(([-0-9.]+),)");
        for (const std::string& s : lines) {
            if (std::smatch x; std::regex_search(s, x, entry)) {
                columns.insert(x[1]);
            }
        }
        EXPECT_EQ(columns.size(),
                  std::count(c.marks.begin(), c.marks.end(), LegendMark::Swatch) > 3 ? 2u : 1u);
        ASSERT_GT(marks.size(), c.marks.size());
        for (std::size_t i = 0; i < c.marks.size(); ++i) {
            const LegendEntry& e = figure.legend[i];
            ASSERT_EQ(e.mark, c.marks[i]) << e.text;
            const Rgb rgb = ConstraintColour(e.row);
            std::smatch name;
            std::regex_search(
                tex, name,
                std::regex(R"(definecolor\{(\w+)\}\{RGB\}\{)" + std::to_string(rgb.r) + "," +
                           std::to_string(rgb.g) + "," + std::to_string(rgb.b)));
            const std::string want = e.mark == LegendMark::Swatch  ? "fill " + name[1].str() + ","
                                     : e.mark == LegendMark::Level ? stroke(Stroke::Level, -1)
                                     : e.mark == LegendMark::Cut   ? stroke(Stroke::CutEdge, -1)
                                                                   : stroke(Stroke::Edge, e.row);
            EXPECT_TRUE(std::any_of(marks[i].begin(), marks[i].end(),
                                    [&](const std::string& s) { return s.starts_with(want); }))
                << e.text << " is not drawn as " << want;
        }
    }
}

#ifdef SIMPLESSO_PDFLATEX
// Compiles a document of `body` in a folder of its own, which is then removed, and gives its log.
bool Compiles(const std::string& body, std::string& log) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("region_tikz_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
         std::to_string(std::rand()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "figure.tex") << "\\documentclass{article}\n\\usepackage{tikz}\n"
                                         "\\begin{document}\n"
                                      << body << "\\end{document}\n";
    const std::string command =
        "cd '" + dir.string() +
        "' && '" SIMPLESSO_PDFLATEX
        "' -interaction=nonstopmode -halt-on-error figure.tex > log.txt 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(dir / "figure.log");
    log.assign(std::istreambuf_iterator<char>(in), {});
    const bool pdf = std::filesystem::exists(dir / "figure.pdf");
    std::filesystem::remove_all(dir);
    return status == 0 && pdf;
}
#endif

TEST(RegionTikz, CompilesWithPdflatex) {
#ifndef SIMPLESSO_PDFLATEX
    GTEST_SKIP() << "pdflatex is not installed";
#else
    const std::vector<Point> path{P(0, 0, 0), P(0, 4, 0), P(mpq_class(22, 5), mpq_class(9, 5), 0)};
    const ExactProblem unbounded =
        Lp({1, 2, 0}, {{{{1, -1, 0}, kLe, 1}, {{1, 1, 0}, kGe, 1}, {{0, 0, 0}, kLe, 1}}});
    std::string body;
    body += RegionTikz(BuildRegion(WorkedExample(), path), {}, false) + "\n\n";
    body += RegionTikz(BuildRegion(unbounded, std::vector<Point>{P(0, 0), P(1, 0)}), {}, true);
    // Rows past the third name colours of their own, which must be defined.
    body += "\n\n" + RegionTikz(BuildRegion(ThreeByFive(), path), {}, false);
    body += "\n\n" + RegionTikz(BuildRegion(TwoByFour(), std::vector<Point>{P(0, 6)}), {}, false);
    const Region four = BuildRegion(Typed({1, 1, 1, 1}, {{{1, 1, 1, 1}, kLe, 1}}), path);
    body += "\n\n" + RegionTikz(four, {}, false);
    EXPECT_NE(body.find(kNotDrawable), std::string::npos);
    // Each picture draws its path: one arrow per step that moves.
    EXPECT_NE(body.find("->,red"), std::string::npos);

    std::string log;
    EXPECT_TRUE(Compiles(body, log)) << log;
#endif
}

// Each label's text, set by pdflatex in the font its node names, within the node's box, and not
// much smaller: the box is the picture's guess at LaTeX's sizes.
TEST(RegionTikz, EachLabelsTextFitsItsBox) {
#ifndef SIMPLESSO_PDFLATEX
    GTEST_SKIP() << "pdflatex is not installed";
#else
    std::vector<Node> nodes;
    std::string body;
    for (const Case& c : Cases()) {
        for (const Node& n :
             LabelNodes(Lines(RegionTikz(BuildRegion(c.problem, c.path), {}, false)))) {
            body += "\\setbox0\\hbox{" + n.font + " " + n.text + "}\\typeout{LABEL " +
                    std::to_string(nodes.size()) +
                    " \\the\\wd0 \\space\\the\\ht0 \\space\\the\\dp0}\n";
            nodes.push_back(n);
        }
    }
    std::string log;
    ASSERT_TRUE(Compiles(body, log)) << log;
    const std::regex measured(R"(LABEL ([0-9]+) ([0-9.]+)pt ([0-9.]+)pt ([0-9.]+)pt)");
    std::size_t count = 0;
    for (std::sregex_iterator i(log.begin(), log.end(), measured), end; i != end; ++i, ++count) {
        const Node& n = nodes.at(std::stoul((*i)[1]));
        const double width = std::stod((*i)[2]) * kTikzPoint;
        const double height = (std::stod((*i)[3]) + std::stod((*i)[4])) * kTikzPoint;
        EXPECT_LE(width, n.box.width) << n.text;
        EXPECT_LE(height, n.box.height) << n.text;
        EXPECT_LT(n.box.width, 1.5 * width + 2 * kTikzPoint) << n.text;
    }
    EXPECT_EQ(count, nodes.size());
#endif
}

}  // namespace
}  // namespace simplesso
