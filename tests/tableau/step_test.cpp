#include "step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "recording_window.h"
#include "setup.h"

namespace simplesso {
namespace {

using testing_support::CountCells;
using testing_support::Problem;
using testing_support::RecordingWindow;
using testing_support::RowTexts;
using Texts = std::vector<std::string>;

const ProblemTexts kWorkedExample = Problem(
    {"4", "6", "2"}, {{{"2", "1", "3", "18"}, {"1", "2", "4", "8"}, {"3", "1", "1", "15"}}});

// A window after start-up with a tableau set up from the given texts.
struct Session {
    explicit Session(const ProblemTexts& problem, char separator = '.') : separator(separator) {
        state.RigaPivot = 8;
        state.ColonnaPivot = 8;
        SetUp(problem);
    }
    void SetUp(const ProblemTexts& problem) {
        state.PrimoPasso = true;
        ImpostaTabella(grid, problem, window);
    }
    void Step() { Simplesso(grid, state, separator, window); }

    char separator;
    Grid grid;
    FormState state;
    RecordingWindow window;
};

TEST(Simplesso, WorkedExampleFirstPress) {
    Session s(kWorkedExample);
    s.Step();
    const Grid& g = s.grid;
    EXPECT_EQ(g.TextMatrix(2, 1), "x2");
    EXPECT_EQ(g.TextMatrix(2, 0), "6");
    EXPECT_EQ(RowTexts(g, 2, 2, 8), (Texts{"0.5", "1", "2", "0", "0.5", "0", "4"}));
    EXPECT_EQ(RowTexts(g, 3, 2, 8), (Texts{"2.5", "0", "-1", "0", "-0.5", "1", "11"}));
    EXPECT_EQ(RowTexts(g, 1, 2, 8), (Texts{"1.5", "0", "1", "1", "-0.5", "0", "14"}));
    EXPECT_EQ(RowTexts(g, 8, 2, 7), (Texts{"0", "4", "0", "14", "0", "11"}));
    EXPECT_EQ(RowTexts(g, 6, 2, 7), (Texts{" 1", " 0", "-10", " 0", "-3", " 0"}));
    EXPECT_EQ(g.TextMatrix(9, 2), " 24");
    EXPECT_EQ(g.At(2, 3).background, kCyan);
    EXPECT_EQ(g.At(8, 8).background, kWhite);  // the start-up pivot cell, cleared
    EXPECT_EQ(g.TextMatrix(8, 8), "");
    EXPECT_EQ(CountCells(g, kCyan), 1);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(s.state.RigaPivot, 2);
    EXPECT_EQ(s.state.ColonnaPivot, 3);
    EXPECT_TRUE(s.state.PrimoPasso);
    EXPECT_TRUE(s.window.messages.empty());
}

TEST(Simplesso, WorkedExampleSecondPressEndsAndAThirdOnlyRepeatsTheMessage) {
    Session s(kWorkedExample);
    s.Step();
    s.Step();
    const Grid& g = s.grid;
    EXPECT_EQ(g.TextMatrix(3, 1), "x1");
    EXPECT_EQ(g.TextMatrix(3, 0), " 1");
    EXPECT_EQ(RowTexts(g, 3, 2, 8), (Texts{"1", "0", "-0.4", "0", "-0.2", "0.4", "4.4"}));
    EXPECT_EQ(RowTexts(g, 2, 2, 8), (Texts{"0", "1", "2.2", "0", "0.6", "-0.2", "1.8"}));
    EXPECT_EQ(RowTexts(g, 1, 2, 8), (Texts{"0", "0", "1.6", "1", "-0.2", "-0.6", "7.4"}));
    EXPECT_EQ(RowTexts(g, 8, 2, 7), (Texts{"4.4", "1.8", "0", "7.4", "0", "0"}));
    EXPECT_EQ(RowTexts(g, 6, 2, 7), (Texts{" 0", " 0", "-9.6", " 0", "-2.8", "-0.4"}));
    EXPECT_EQ(g.TextMatrix(9, 2), " 28.4");
    EXPECT_EQ(g.At(2, 3).background, kWhite);
    EXPECT_EQ(g.At(3, 2).background, kCyan);
    EXPECT_EQ(CountCells(g, kCyan), 1);
    ASSERT_EQ(s.window.messages, std::vector<Message>{EndMessage()});
    EXPECT_EQ(EndMessage().title, "Fine");
    EXPECT_EQ(EndMessage().icon, MessageIcon::Information);
    EXPECT_FALSE(s.state.PrimoPasso);

    const Grid ended(s.grid);
    const FormState state = s.state;
    s.Step();
    EXPECT_TRUE(s.grid == ended);
    EXPECT_EQ(s.state, state);
    EXPECT_EQ(s.window.messages.size(), 2u);
    EXPECT_EQ(s.window.messages.back(), EndMessage());
}

TEST(Simplesso, TiesGoToTheLowestColumnAndTheLowestRow) {
    Session s(Problem({"5", "5", "1"}, {{{"1", "0", "0", "4"},  //
                                         {"1", "1", "0", "4"},
                                         {"0", "0", "1", "9"}}}));
    s.Step();
    EXPECT_EQ(s.state.ColonnaPivot, 2);
    EXPECT_EQ(s.state.RigaPivot, 1);
    EXPECT_EQ(s.grid.TextMatrix(1, 1), "x1");
}

TEST(Simplesso, HighlightMovesFromThePreviousPivotAlsoAcrossASecondSetUp) {
    Session s(kWorkedExample);
    s.Step();
    s.SetUp(Problem({"5", "5", "1"}, {{{"1", "0", "0", "4"},  //
                                       {"1", "1", "0", "4"},
                                       {"0", "0", "1", "9"}}}));
    EXPECT_EQ(s.grid.At(2, 3).background, kCyan);  // the set-up leaves colours alone
    s.Step();
    EXPECT_EQ(s.grid.At(2, 3).background, kWhite);
    EXPECT_EQ(s.grid.At(1, 2).background, kCyan);
    EXPECT_EQ(CountCells(s.grid, kCyan), 1);
}

// The ratio test: which row leaves for a given entering column (x1 enters in each case).
struct RatioCase {
    const char* name;
    std::array<const char*, 3> entries;
    std::array<const char*, 3> known;
    int pivotRow;
};

void PrintTo(const RatioCase& c, std::ostream* os) {
    *os << c.name;
}

class RatioTest : public testing::TestWithParam<RatioCase> {};

TEST_P(RatioTest, OnlyPositiveEntriesCompeteAndTheSmallestQuotientWins) {
    const RatioCase& c = GetParam();
    ProblemTexts p = Problem({"1", "0", "0"}, {});
    for (int r = 0; r < 3; ++r) {
        p.constraint[r] = {c.entries[r], "0", "0"};
        p.known[r] = c.known[r];
    }
    Session s(p);
    s.Step();
    ASSERT_TRUE(s.window.messages.empty() || s.window.messages[0] == EndMessage());
    EXPECT_EQ(s.state.RigaPivot, c.pivotRow);
    EXPECT_EQ(s.grid.TextMatrix(c.pivotRow, 1), "x1");
    EXPECT_EQ(s.grid.TextMatrix(c.pivotRow, 2), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RatioTest,
    testing::Values(
        RatioCase{"NegativeEntryDoesNotWin", {"-1", "2", "1"}, {"4", "8", "6"}, 2},
        RatioCase{"ZeroEntryDoesNotCompete", {"2", "0", "1"}, {"8", "30", "6"}, 1},
        RatioCase{"ZeroEntryWithSmallKnownTerm", {"0", "1", "1"}, {"0.5", "8", "9"}, 2},
        RatioCase{"QuotientsBeyond99999", {"0.5", "0.25", "0"}, {"99999", "99999", "1"}, 1},
        RatioCase{"EqualQuotients", {"2", "1", "4"}, {"6", "3", "12"}, 1},
        RatioCase{"ResidueEntryDoesNotCompete", {"1E-07", "1", "0"}, {"0", "5", "1"}, 2},
        RatioCase{"ZeroKnownTerm", {"3", "1", "0"}, {"0", "5", "1"}, 1}),
    [](const testing::TestParamInfo<RatioCase>& info) { return info.param.name; });

TEST(Simplesso, UnboundedProblemIsAnnouncedAndChangesNothing) {
    Session s(Problem({"0", "0", "1"}, {{{"1", "0", "-1", "4"},  //
                                         {"0", "1", "0", "8"},
                                         {"0", "0", "0", "6"}}}));
    const Grid before(s.grid);
    const FormState state = s.state;
    for (int press = 0; press < 2; ++press) {
        s.Step();
        EXPECT_TRUE(s.grid == before);
        EXPECT_EQ(s.state, state);
    }
    const Message expected{"Fine",
                           "Il problema è illimitato.\nLa variabile entrante x3 può crescere "
                           "senza limite.",
                           MessageIcon::Information};
    EXPECT_EQ(s.window.messages, (std::vector<Message>{expected, expected}));
}

TEST(Simplesso, NoPositiveReducedCostAtTheStartEndsWithoutTouchingTheTableau) {
    for (const char* cost : {"0", "-3", "1E-07"}) {
        Session s(Problem({cost, "-1", "0"}, {{{"1", "1", "1", "4"},  //
                                               {"1", "1", "1", "8"},
                                               {"1", "1", "1", "6"}}}));
        const Grid before(s.grid);
        s.Step();
        EXPECT_TRUE(s.grid == before) << cost;
        EXPECT_EQ(s.window.messages, std::vector<Message>{EndMessage()});
        EXPECT_FALSE(s.state.PrimoPasso);
        EXPECT_EQ(s.state.RigaPivot, 8);
        EXPECT_EQ(s.state.ColonnaPivot, 8);
    }
}

TEST(Simplesso, GateWhileNoComputationIsRunningOnlyShowsTheEndMessage) {
    Session s(kWorkedExample);
    s.state.PrimoPasso = false;
    const Grid before(s.grid);
    s.Step();
    EXPECT_TRUE(s.grid == before);
    EXPECT_EQ(s.state.RigaPivot, 8);
    EXPECT_EQ(s.window.messages, std::vector<Message>{EndMessage()});
}

TEST(Simplesso, AFailedStepWarnsAndLeavesEverythingAsItWas) {
    const ProblemTexts cases[] = {
        // a cell that is not a number, met half-way through the pivot row
        Problem({"1", "0", "0"},
                {{{"1", "abc", "0", "4"}, {"0", "1", "0", "8"}, {"0", "0", "1", "6"}}}),
        // a quotient beyond the single range
        Problem({"1", "0", "0"},
                {{{"1E-5", "0", "0", "3E38"}, {"0", "1", "0", "8"}, {"0", "0", "1", "6"}}}),
        // a known term beyond the single range
        Problem({"1", "0", "0"},
                {{{"1", "0", "0", "1E39"}, {"0", "1", "0", "8"}, {"0", "0", "1", "6"}}}),
        // an eliminated row whose values overflow
        Problem({"1", "0", "0"},
                {{{"1", "3E30", "0", "1"}, {"3E30", "1", "0", "1E31"}, {"0", "0", "1", "6"}}}),
    };
    for (const ProblemTexts& problem : cases) {
        Session s(problem);
        const Grid before(s.grid);
        const FormState state = s.state;
        s.Step();
        EXPECT_TRUE(s.grid == before);  // (8, 8) not even whitened
        EXPECT_EQ(s.state, state);
        EXPECT_EQ(s.window.messages, std::vector<Message>{StepFailedMessage()});
    }
    EXPECT_EQ(StepFailedMessage().icon, MessageIcon::Warning);
}

TEST(Simplesso, PivotTextOneLeavesTheRowButOtherOnesAreDivided) {
    Session exact(Problem({"1", "0", "0"}, {{{"1", "2.50", "0", "4"},  //
                                             {"0", "1", "0", "8"},
                                             {"0", "0", "1", "6"}}}));
    exact.Step();
    EXPECT_EQ(RowTexts(exact.grid, 1, 2, 8), (Texts{"1", "2.50", "0", "1", "0", "0", "4"}));
    for (const char* one : {"1.0", " 1"}) {
        Session s(Problem({"1", "0", "0"}, {{{one, "2.50", "0", "4"},  //
                                             {"0", "1", "0", "8"},
                                             {"0", "0", "1", "6"}}}));
        s.Step();
        EXPECT_EQ(RowTexts(s.grid, 1, 2, 8), (Texts{"1", "2.5", "0", "1", "0", "0", "4"}));
    }
}

TEST(Simplesso, InexactPivotsKeepTheirResidueButABasicVariableNeverReEnters) {
    Session s(Problem({"1", "0", "0"}, {{{"0.3", "0", "0", "3"},  //
                                         {"1", "1", "0", "50"},
                                         {"0", "0", "1", "1"}}}));
    s.Step();
    EXPECT_EQ(s.grid.TextMatrix(1, 2), "0.999999960263572");
    EXPECT_EQ(s.grid.TextMatrix(2, 2), "1.192093E-07");
    EXPECT_EQ(s.grid.TextMatrix(6, 2), " 5.960464E-08");
    // x1 is basic now, so its residual reduced cost neither enters nor keeps the computation going.
    EXPECT_EQ(s.window.messages, std::vector<Message>{EndMessage()});
    EXPECT_FALSE(s.state.PrimoPasso);

    Session fifth(Problem({"1", "0", "0"}, {{{"0.2", "0", "0", "3"},  //
                                             {"0", "1", "0", "5"},
                                             {"0", "0", "1", "1"}}}));
    fifth.Step();
    EXPECT_EQ(fifth.grid.TextMatrix(1, 2), "0.999999985098839");
}

TEST(Simplesso, DecimalCommaGivesTheSameTableauAsThePointWithCommas) {
    const auto problem = [](char sep) {
        const std::string half = std::string("2") + sep + "5";
        return Problem({"4", "6", half}, {{{"2", "1", "3", "18"},  //
                                           {"1", "2", "4", "8"},
                                           {"3", "1", half, "15"}}});
    };
    Session point(problem('.'), '.');
    Session comma(problem(','), ',');
    for (int press = 0; press < 2; ++press) {
        point.Step();
        comma.Step();
    }
    ASSERT_EQ(comma.window.messages, point.window.messages);
    ASSERT_EQ(point.window.messages, std::vector<Message>{EndMessage()});
    int commas = 0;
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            std::string expected = point.grid.TextMatrix(r, c);
            std::replace(expected.begin(), expected.end(), '.', ',');
            EXPECT_EQ(comma.grid.TextMatrix(r, c), expected) << r << "," << c;
            commas += expected.find(',') != std::string::npos;
        }
    }
    EXPECT_GT(commas, 10);
    EXPECT_EQ(comma.grid.TextMatrix(9, 2), " 28,4");
}

}  // namespace
}  // namespace simplesso
