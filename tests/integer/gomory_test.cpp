// Gomory's fractional cuts in the lesson: worked by hand, refused where they do not apply, and
// random integer problems cut until an integer optimum, which GLPK's branch and cut confirms.
#include <gtest/gtest.h>

#include <iostream>

#include <cmath>

#include "branch_and_bound.h"
#include "exact_simplex.h"
#include "glpk_oracle.h"
#include "play_lesson.h"
#include "random_problems.h"
#include "random_share.h"

namespace simplesso {
namespace {

using testing_support::LessonPlayer;
using testing_support::PlayOn;
using testing_support::Typed;

ProblemTexts Integer(const std::string& line) {
    ProblemTexts p = Typed(line);
    p.integer = true;
    return p;
}

// Chairs and tables: the optimum (22/5; 9/5; 0) gives the cut from x2's row, whose fractional
// part 4/5 is the larger; one dual pivot reaches (4; 2; 0), Z = 28, integer.
TEST(Gomory, TheWorkedExampleCutAndItsNextOptimum) {
    LessonPlayer player(Integer("4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15"));
    PlayOn(player.lesson);
    EXPECT_TRUE(player.lesson.Explanation().ends_with(
        "Con l'aritmetica esatta non è intera: x1 = 22/5 e x2 = 9/5."));
    ASSERT_TRUE(player.lesson.CanCut());
    // The saved lesson has the branch and bound tree from this optimum, a line a node.
    const std::vector<std::string> tree = player.lesson.Document().branchAndBound->Lines();
    ASSERT_EQ(tree.size(), 4u);
    EXPECT_EQ(tree.back(), "Ottimo intero: Z = 28, x = (4; 2; 0).");
    EXPECT_TRUE(player.lesson.AddGomoryCut().empty());
    EXPECT_EQ(player.lesson.Explanation(),
              "Simplesso duale: Taglio di Gomory dalla riga di x2: il termine noto 9/5 ha parte "
              "frazionaria 4/5; le parti frazionarie dei valori della riga fuori base sono 1/5 "
              "per x3, 3/5 per x5, 4/5 per x6. Il taglio 1/5 x3 + 3/5 x5 + 4/5 x6 ≥ 4/5, cioè "
              "3 x1 + 2 x2 + 3 x3 ≤ 16, entra nella tabella come riga 4 con la variabile di "
              "scarto x7 in base. Al prossimo passo esce x7, il cui termine noto (-0.8) è "
              "l'unico negativo, ed entra x6, perché |-0.4 / -0.8| = 0.5 è il rapporto più "
              "piccolo. Sarà l'ultimo passo.");
    const Grid& grid = player.grid;
    const std::vector<std::string> cutRow{"0", "x7", "0", "0", "-0.2", "0", "-0.6", "-0.8", "1",
                                          "-0.8"};
    for (int c = 0; c < grid.Cols(); ++c) {
        EXPECT_EQ(grid.TextMatrix(4, c), cutRow[static_cast<std::size_t>(c)]) << c;
    }
    const auto played = PlayOn(player.lesson);
    EXPECT_EQ(played.messages.back().text,
              "Fine del calcolo del simplesso.\n\rIl risultato è riportato nella tabella.\nLa "
              "soluzione ottima è intera.");
    EXPECT_EQ(played.shownZ, " 28");
    EXPECT_FALSE(player.lesson.CanAddConstraint());  // typed rows come before the cuts
    EXPECT_EQ(player.lesson.CutUnavailableReason(),
              "La soluzione ottima è già intera: non serve un taglio.");
    // The saved lesson keeps the cut under a heading of its own; going back takes it away.
    EXPECT_EQ(player.lesson.Document().sections[3].heading, "Taglio di Gomory");
    player.lesson.GoBack();
    player.lesson.GoBack();
    EXPECT_EQ(player.lesson.Problem().cuts, 0);
    EXPECT_TRUE(player.lesson.CanCut());
}

TEST(Gomory, NoCutWhereItDoesNotApply) {
    const struct {
        std::string problem;
        bool integer;
        std::string reason;
    } cases[] = {
        // x3 shows 9.99999087887456 and is exactly 10: the exact side says the optimum is
        // integer.
        {"6 -8 2 -4 0 | 9 3 1 7 10 | -4 3 -2 2 1 | 1 0 4 -8 > -2 | 5 0 9 9 > 0", true,
         "La soluzione ottima è già intera: non serve un taglio."},
        {"4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15", false,
         "I tagli di Gomory si aggiungono quando è scelto \"Variabili intere\"."},
        {"4 6 2 0 | 2 1 3 18.5 | 1 2 4 8 | 3 1 1 15", true,
         "Il taglio di Gomory richiede coefficienti e termini noti interi."},
        {"1 1 0 | 1 -1 < 1", true,
         "Il taglio si aggiunge quando la lezione è finita su un ottimo confermato "
         "dall'aritmetica esatta."},
    };
    for (const auto& c : cases) {
        ProblemTexts p = Typed(c.problem);
        p.integer = c.integer;
        LessonPlayer player(p);
        PlayOn(player.lesson);
        EXPECT_FALSE(player.lesson.CanCut()) << c.problem;
        EXPECT_EQ(player.lesson.CutUnavailableReason(), c.reason);
        EXPECT_TRUE(player.lesson.AddGomoryCut().empty());
        EXPECT_EQ(player.lesson.Problem().Rows(), p.Rows());
    }
}

// 2 x1 = 1: the cut leaves no point, and the end says there is no integer solution.
TEST(Gomory, ACutThatLeavesNothing) {
    LessonPlayer player(Integer("1 0 0 | 2 0 = 1"));
    PlayOn(player.lesson);
    EXPECT_TRUE(player.lesson.AddGomoryCut().empty());
    EXPECT_TRUE(player.lesson.Explanation().find("nessun valore della riga fuori base ha parte "
                                                 "frazionaria. Il taglio 0 ≥ 1/2") !=
                std::string::npos);
    const auto played = PlayOn(player.lesson);
    EXPECT_EQ(played.messages.back().text,
              "Fine del calcolo del simplesso.\n\rIl problema non ha soluzioni intere.");
}

// The relaxation of a branch and bound node solved on its own: the typed rows and its bounds.
std::optional<ExactOptimum> OnItsOwn(ProblemTexts problem, const integer::Node& node) {
    for (const integer::Bound& bound : node.bounds) {
        std::vector<std::string> row(static_cast<std::size_t>(problem.Variables()), "0");
        row[static_cast<std::size_t>(bound.variable)] = "1";
        problem.constraint.push_back(row);
        problem.known.push_back(bound.value.get_str());
        problem.sense.push_back(bound.upper ? Sense::LessEqual : Sense::GreaterEqual);
    }
    return SolveExactly(problem, '.');
}

// Random integer problems, each judged by GLPK's branch and cut: the branch and bound tree's
// optimum or verdict, every node's Z against its relaxation solved on its own; then, from a
// fractional optimum, cuts one after the other until the lesson's optimum is integer (GLPK's),
// the cuts leave nothing, the rows run out or rounding falsifies the end. Where integer points
// run off to infinity GLPK gives up and the tree may reach its limit: those are not judged.
TEST(Integer, RandomTreesAndCutSequencesAgreeWithGlpk) {
    testing_support::RandomProblems generator(20261211);
    const int count = testing_support::RandomCount(5000);
    std::array<int, 4> ends{};
    int nodes = 0, unjudged = 0, cutting = 0, reached = 0, full = 0, none = 0, falsified = 0;
    for (int i = 0; i < count; ++i) {
        ProblemTexts p = generator.NextWithIntegers().texts;
        p.integer = true;
        SCOPED_TRACE(testing::Message() << "problem " << i);
        const testing_support::IntegerOutcome glpk = testing_support::SolveIntegerWithGlpk(p);
        const auto tree = integer::BranchAndBound(p, '.');
        ASSERT_TRUE(tree);
        ++ends[static_cast<std::size_t>(tree->end)];
        nodes += static_cast<int>(tree->nodes.size());
        EXPECT_EQ(tree->end == integer::Tree::End::UnboundedRelaxation, glpk.relaxationUnbounded);
        const bool judged = glpk.answered && tree->end != integer::Tree::End::NodeLimit;
        unjudged += !judged;
        if (judged && !glpk.relaxationUnbounded) {
            ASSERT_EQ(tree->best.has_value(), glpk.z.has_value());
            if (glpk.z) {
                EXPECT_NEAR(tree->nodes[*tree->best].z.get_d(), *glpk.z, 1e-9);
            }
            for (const integer::Node& node : tree->nodes) {
                const auto alone = OnItsOwn(p, node);
                EXPECT_EQ(node.Solved(), alone->kind == ExactOptimum::Kind::Optimal);
                EXPECT_TRUE(!node.Solved() || node.z == alone->z);
            }
        }

        LessonPlayer player(p);
        PlayOn(player.lesson);
        cutting += player.lesson.CanCut();
        std::vector<Message> refused;
        while (player.lesson.CanCut() && refused.empty()) {
            refused = player.lesson.AddGomoryCut();
            PlayOn(player.lesson);
        }
        const auto end = player.lesson.EndPress();
        if (!refused.empty()) {
            ++full;
            EXPECT_EQ(player.lesson.Problem().Rows(), kMostRowsWithCuts);
        } else if (player.lesson.Problem().cuts == 0) {
            continue;
        } else if (player.lesson.EndFalsified() || !player.lesson.ExactTableau()) {
            ++falsified;  // single precision lost the way: the lesson says so
        } else if (end->end == StepReport::End::Infeasible) {
            ++none;
            EXPECT_FALSE(glpk.answered && glpk.z);
        } else {
            ASSERT_EQ(end->end, StepReport::End::Optimal);
            ++reached;
            EXPECT_TRUE(!glpk.answered ||
                        (glpk.z && std::abs(player.lesson.ExactOutcome()->z.get_d() - *glpk.z) <
                                       1e-9));
        }
    }
    std::cout << count << " integer problems, " << nodes << " nodes: " << ends[0]
              << " integer optima, " << ends[1] << " without an integer solution, " << ends[2]
              << " unbounded relaxations, " << ends[3] << " at the node limit; " << unjudged
              << " not judged. " << cutting << " had a fractional optimum: " << reached
              << " cut to the integer optimum, " << none << " to no integer solution, " << full
              << " filled the " << kMostRowsWithCuts << " rows, " << falsified
              << " were falsified by rounding\n";
    EXPECT_LE(unjudged * 100, count);
    EXPECT_GE(ends[0] * 4, count);
    EXPECT_GE(reached * 2, cutting);
}

}  // namespace
}  // namespace simplesso
