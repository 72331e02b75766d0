// The TikZ picture of a region in space and one in the plane, compiled by pdflatex in a document
// of its own where pdflatex is installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "region_problems.h"
#include "region_tikz.h"

namespace simplesso {
namespace {

using namespace testing_support;

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
    // Each picture draws its path: one arrow per step that moves.
    EXPECT_NE(body.find("->,red"), std::string::npos);

    const auto dir = std::filesystem::temp_directory_path() /
                     ("region_tikz_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                      "_" + std::to_string(std::rand()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "figure.tex") << "\\documentclass{article}\n\\usepackage{tikz}\n"
                                         "\\begin{document}\n"
                                      << body << "\\end{document}\n";
    const std::string command = "cd '" + dir.string() + "' && '" SIMPLESSO_PDFLATEX
                                "' -interaction=nonstopmode -halt-on-error figure.tex > log.txt 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream log(dir / "figure.log");
    const std::string text((std::istreambuf_iterator<char>(log)), {});
    EXPECT_EQ(status, 0) << text;
    EXPECT_TRUE(std::filesystem::exists(dir / "figure.pdf"));
    std::filesystem::remove_all(dir);
#endif
}

}  // namespace
}  // namespace simplesso
