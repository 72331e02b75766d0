#include "lesson_document.h"

#include <gtest/gtest.h>

#include "play_lesson.h"

namespace simplesso {
namespace {

using namespace testing_support;
using Lines = std::vector<std::string>;

struct NotationCase {
    const char* name;
    Fields fields;
    char separator;
    std::string objective;
    std::string firstConstraint;
};

class NotationTest : public testing::TestWithParam<NotationCase> {};

TEST_P(NotationTest, WritesTheProblemAsTypedInMathematicalNotation) {
    const NotationCase& c = GetParam();
    const LessonDocument document = BuildLessonDocument({c.fields, c.separator, {}});
    EXPECT_EQ(ObjectiveText(document.problem), c.objective);
    EXPECT_EQ(ConstraintText(document.problem, 0), c.firstConstraint);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, NotationTest,
    testing::Values(NotationCase{"WorkedExample", kWorkedExample, '.', "max z = 4 x1 + 6 x2 + 2 x3",
                                 "2 x1 + x2 + 3 x3 ≤ 18"},
                    NotationCase{"SignsAndKnownTerm", FieldsOf("-4 +6 -3 5 | 1 0 -1 -2"), '.',
                                 "max z = −4 x1 + 6 x2 − 3 x3 + 5", "x1 − x3 ≤ −2"},
                    NotationCase{"TypedForms", FieldsOf("1E-30 0 0 -0.5 | 0.0 1.0 2.5E3 0"), '.',
                                 "max z = 1E-30 x1 − 0.5", "x2 + 2.5E3 x3 ≤ 0"},
                    NotationCase{"DecimalComma", FieldsOf("1,5 -1 0 0 | 0,5 1,0 0 3,25"), ',',
                                 "max z = 1,5 x1 − x2", "0,5 x1 + x2 ≤ 3,25"}),
    CaseName());

TEST(BuildLessonDocument, WorkedExampleHasEveryTableauWithItsPivotAndItsTexts) {
    const LessonDocument document = BuildLessonDocument(PlayLesson(kWorkedExample, '.', 2));
    ASSERT_EQ(document.sections.size(), 3u);
    EXPECT_EQ(document.sections[2].heading, "Passo 2");
    EXPECT_EQ(document.sections[1].tableau.pivot, (PivotCell{2, 3}));

    const auto& cells = document.sections[1].tableau.cells;
    EXPECT_EQ(cells[9][2].text, " 24");
    EXPECT_EQ(cells[9][2].alignment, HorizontalAlignment::Left);
    EXPECT_EQ(cells[6][1].alignment, HorizontalAlignment::Right);
    EXPECT_TRUE(cells[0][3].bold && cells[0][3].header);
    EXPECT_FALSE(cells[2][3].bold || cells[2][3].header);

    ASSERT_EQ(document.sections[2].notices.size(), 1u);
    EXPECT_EQ(
        document.sections[2].notices[0].lines,
        (Lines{"Fine del calcolo del simplesso.", "Il risultato è riportato nella tabella."}));
}

struct OutcomeCase {
    const char* name;
    Fields fields;
    int presses;
    std::string outcome;                      // its lines joined by "\n"
    std::optional<Message> lastMessage = {};  // replaces the last press's messages
};

class OutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(OutcomeTest, FollowsTheLastTableau) {
    const OutcomeCase& c = GetParam();
    LessonRecord record = PlayLesson(c.fields, '.', c.presses);
    if (c.lastMessage) {
        record.snapshots.back().messages = {*c.lastMessage};
    }
    std::string outcome;
    for (const std::string& line : BuildLessonDocument(record).outcome) {
        outcome += (outcome.empty() ? "" : "\n") + line;
    }
    EXPECT_EQ(outcome, c.outcome);
}

const std::string kOptimum =
    "Soluzione ottima: Z = 28.4\nx1 = 4.4, x2 = 1.8, x3 = 0, x4 = 7.4, x5 = 0, x6 = 0";

INSTANTIATE_TEST_SUITE_P(
    Lessons, OutcomeTest,
    testing::Values(
        OutcomeCase{"Optimum", kWorkedExample, 2, kOptimum},
        OutcomeCase{"Unbounded", kUnbounded, 1,
                    "Il problema è illimitato: x1 può crescere senza limite."},
        OutcomeCase{"HalfWay", kWorkedExample, 1,
                    "La lezione non è finita: l'ultima tabella è quella del passo 1."},
        OutcomeCase{"EndThatWarns", kWorkedExample, 2, kOptimum + "\nCon l'aritmetica esatta X.",
                    Message{"Fine", "Fine del calcolo del simplesso.\nCon l'aritmetica esatta X.",
                            MessageIcon::Warning}}),
    CaseName());

}  // namespace
}  // namespace simplesso
