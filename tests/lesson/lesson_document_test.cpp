// The document both exports write: the problem in mathematical notation and the outcome.
#include "lesson_document.h"

#include <gtest/gtest.h>

#include "play_lesson.h"

namespace simplesso::testing_support {
namespace {

class Document : public testing::TestWithParam<LessonCase> {};

// The problem as typed in mathematical notation, then the outcome; lines joined by " | ".
TEST_P(Document, WritesTheProblemAsTypedAndTheOutcome) {
    const LessonCase& c = GetParam();
    const LessonDocument document =
        BuildLessonDocument(LessonPlayer(c.fields, c.presses, c.separator).lesson.Record());
    std::string text = ObjectiveText(document.problem);
    for (int r = 0; r < 3; ++r) {
        text += " | " + ConstraintText(document.problem, r);
    }
    for (const std::string& line : document.outcome) {
        text += " | " + line;
    }
    EXPECT_EQ(text, c.text);
}

const std::string kOnlyTheFirst =
    " | La lezione non è finita: è stata mostrata solo la tabella iniziale.";

INSTANTIATE_TEST_SUITE_P(
    Lessons, Document,
    testing::Values(
        LessonCase{"WorkedExample", kWorkedExample, "- -",
                   "max Z = 4 x1 + 6 x2 + 2 x3 | 2 x1 + x2 + 3 x3 ≤ 18 | x1 + 2 x2 + 4 x3 ≤ 8 | 3 "
                   "x1 + x2 + x3 ≤ 15 | Soluzione ottima: Z = 28.4 | x1 = 4.4, x2 = 1.8, x3 = 0, "
                   "x4 = 7.4, x5 = 0, x6 = 0"},
        LessonCase{"HalfWay", kTies, "-",
                   "max Z = 5 x1 + 5 x2 | x1 ≤ 4 | x2 ≤ 4 | x1 + x2 + x3 ≤ 4 | La lezione non è "
                   "finita: l'ultima tabella è quella del passo 1."},
        LessonCase{"Unbounded", kUnbounded, "-",
                   "max Z = x1 | −x1 + x2 ≤ 4 | x2 ≤ 4 | x3 ≤ 4 | Il problema è illimitato: x1 può "
                   "crescere senza limite."},
        LessonCase{
            "SignsAndKnownTerm", Fields("-4 +6 -3 5 | 1 0 -1 -2 | 0 0 0 0 | 0 -1 0 +7"), "",
            "max Z = −4 x1 + 6 x2 − 3 x3 + 5 | x1 − x3 ≤ −2 | 0 ≤ 0 | −x2 ≤ 7" + kOnlyTheFirst},
        LessonCase{"TypedForms",
                   Fields("1E-30 0 0 -0,5 | 0,0 1,0 2,5E3 0 | 1,5 -1 0 3,25 | 0 0 2,0 1"), "",
                   "max Z = 1E-30 x1 − 0,5 | x2 + 2,5E3 x3 ≤ 0 | 1,5 x1 − x2 ≤ 3,25 | 2,0 x3 ≤ 1" +
                       kOnlyTheFirst,
                   "", ','},
        // The end message warns: its reasons follow the solution.
        LessonCase{
            "ZeroPivot", kZeroPivot, "- - - -",
            "max Z = 9E-4 x1 + 4 x2 | 0.7 x2 − 0.4 x3 ≤ 8 | −17 x1 + 6 x2 + 967 x3 ≤ 5 | 5 x2 ≤ 6 "
            "| Soluzione ottima: Z = 2131.693 | x1 = 2368548, x2 = 0, x3 = 0, x4 = 9.862305, x5 = "
            "40265320.800001, x6 = 0 | L'arrotondamento dei numeri della tabella ha falsato il "
            "risultato. | Con l'aritmetica esatta il problema è illimitato."}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace simplesso::testing_support
