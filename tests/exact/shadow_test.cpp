// The shadow and the notices on lessons played with the real core: the examples that mislead,
// lessons of our own that do or do not, and the worked example's exact fractions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exact_number.h"
#include "lesson.h"
#include "notices.h"

namespace simplesso {
namespace {

using testing_support::Lesson;
using testing_support::Problem;
using Texts = std::vector<std::string>;

const std::string kExactly = "Con l'aritmetica esatta questo passo non si farebbe: ";
const std::string kLost =
    "\nDa qui in poi l'aritmetica esatta non può seguire la lezione: non si divide per zero.";
const std::string kFalsified = "L'arrotondamento dei numeri della tabella ha falsato il risultato.";
const std::string kUnbounded = "Con l'aritmetica esatta il problema è illimitato.";

struct LessonCase {
    const char* name;
    ProblemTexts problem;
    Texts notices;          // the pivot notices, in order
    const char* shownZ;     // grid cell (9, 2) at the end
    std::string exactLine;  // the end message's last line; empty when it must stay as it is
    char separator = '.';
};

void PrintTo(const LessonCase& c, std::ostream* os) {
    *os << c.name;
}

class Lessons : public testing::TestWithParam<LessonCase> {};

TEST_P(Lessons, NoticesAndEndAsExactArithmeticSays) {
    const LessonCase& c = GetParam();
    Lesson lesson(c.problem, c.separator);
    ASSERT_TRUE(lesson.PlayToEnd());
    ASSERT_TRUE(lesson.end.has_value());
    Texts notices;
    for (const Message& m : lesson.pivotNotices) {
        EXPECT_EQ(m.title, "Attenzione!");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        notices.push_back(m.text);
    }
    EXPECT_EQ(notices, c.notices);
    EXPECT_EQ(lesson.grid.TextMatrix(9, 2), c.shownZ);
    EXPECT_EQ(lesson.shadow->Lost(), !c.notices.empty() && c.notices.back().ends_with(kLost));

    const Message checked = *lesson.CheckedEndMessage();
    if (c.exactLine.empty()) {
        EXPECT_EQ(checked, *lesson.end);
        return;
    }
    const std::string firstLine = lesson.end->text.substr(0, lesson.end->text.find('\n'));
    EXPECT_EQ(checked, (Message{"Fine", firstLine + "\n" + kFalsified + "\n" + c.exactLine,
                                MessageIcon::Warning}));
}

INSTANTIATE_TEST_SUITE_P(
    Exact, Lessons,
    testing::Values(
        LessonCase{
            "ZeroPivotThenAnEndForAnUnboundedProblem",
            Problem({"6", "12", "4"},
                    {{{"0", "9", "1", "3"}, {"-12", "7", "11", "0"}, {"0", "6", "-7", "6"}}}),
            {kExactly + "il pivot vale 0." + kLost},
            " 8882021",
            kUnbounded},
        LessonCase{"UnboundedShownForABoundedProblem",
                   Problem({"2E4", "0.25", "0.75"}, {{{"11", "1E-30", "6", "9"},
                                                      {"10", "0", "0", "7.643"},
                                                      {"-509", "0", "791", "62.41"}}}),
                   {},
                   " 15286.07",
                   "Con l'aritmetica esatta Z = 2.25E+30."},
        LessonCase{"WrongZ",
                   Problem({".5", "2.607", "1.2"}, {{{"4", "1E-2", "580.2", "0.4"},
                                                     {"0", "1E-30", "0", "0.0"},
                                                     {"2", "-11", "12.5", "36.54"}}}),
                   {},
                   " 104.28",
                   "Con l'aritmetica esatta Z = 1/20 (0.05)."},
        LessonCase{"WrongZWithTheDecimalComma",
                   Problem({",5", "2,607", "1,2"}, {{{"4", "1E-2", "580,2", "0,4"},
                                                     {"0", "1E-30", "0", "0,0"},
                                                     {"2", "-11", "12,5", "36,54"}}}),
                   {},
                   " 104,28",
                   "Con l'aritmetica esatta Z = 1/20 (0,05).",
                   ','},
        LessonCase{"WrongZWithAnIntegerOptimum",
                   Problem({"0.6", "0.75", "7.5"}, {{{"0.125", "-33.3", "0.125", "0"},
                                                     {"2", "0.05", "12", "4"},
                                                     {"0.383", "0", "9", "0.4"}}}),
                   {},
                   " 59.56261",
                   "Con l'aritmetica esatta Z = 60."},
        LessonCase{"NegativePivotThenZeroPivot",
                   Problem({"33.3", "5", "53"}, {{{"0", "-8", "45777", "8"},
                                                  {"-43", "84", "0.001", "0"},
                                                  {"0", "7", "0", "1E3"}}}),
                   {kExactly + "il pivot vale -8/45777.", kExactly + "il pivot vale 0." + kLost},
                   " 0.5543427",
                   kUnbounded},
        LessonCase{"EnteringCostExactlyNegative",
                   Problem({"46", "9", "5"}, {{{"5", "0", "-8E-2", "5"},
                                               {"0.5", "473.1", "5E-30", "5"},
                                               {"44", "0", "0.001", "62025"}}}),
                   {kExactly + "il DELTA r di x5 vale -30/1577."},
                   " 3.101298E+08",
                   ""},
        LessonCase{"EnteringCostExactlyZero",
                   Problem({"45", "8", "0"}, {{{"15249", "6", "0", "1E-40"},
                                               {"7E0", "0", "95", "0"},
                                               {"2E-4", "0", "0", "0"}}}),
                   {kExactly + "il DELTA r di x5 vale 0."},
                   " 1.333364E-40",
                   ""},
        LessonCase{"ZeroPivotAndZeroCostInOnePress",
                   Problem({"9E2", "0", "45.6"}, {{{"5", "-23", "0", "0"},
                                                   {"17749", "0", "59", "5.3"},
                                                   {"506", "0", "-0.1", "3"}}}),
                   {kExactly + "il pivot vale 0 e il DELTA r di x4 vale 0." + kLost},
                   " 4.096272",
                   ""},
        LessonCase{"UnboundedShownForAnOptimumAtZero",
                   Problem({"1E-2", "6", "92"}, {{{"84506", "0", "-0.8", "6"},
                                                  {"48281", "13", "1E-20", "0"},
                                                  {"0.125", "5E-2", "-8", "74217"}}}),
                   {},
                   "0",
                   "Con l'aritmetica esatta Z = 0."},
        LessonCase{"PositiveZForAnOptimumAtZero",
                   Problem({"61", "5", "6"}, {{{"10", "0", "0", "4E-2"},
                                               {"-3", "20", "40", "28.0"},
                                               {"4", "7", "1E-30", "0"}}}),
                   {},
                   " 4.2",
                   "Con l'aritmetica esatta Z = 0."},
        LessonCase{"EndShownForAnUnboundedProblem",
                   Problem({"5E-30", "-7", "6"}, {{{"0", "0.001", "3", "18"},
                                                   {"-3", "6", "-8", "16.1"},
                                                   {"-2055", "3.9", "9", "0.6"}}}),
                   {},
                   " 36",
                   kUnbounded},
        LessonCase{"JustWithinTheTolerance",  // 33.3033 against 333/10: 9.9E-05 relative
                   Problem({"7.643", "0", "0.001"}, {{{"89", "0.6", "-1", "0"},
                                                      {"6.0", "-0.8", "0", "79"},
                                                      {"30", "0", "0.001", "33.3"}}}),
                   {},
                   " 33.3033",
                   ""},
        LessonCase{"RoundedBelowAnIntegerOptimum",  // 571.9885 against 572
                   Problem({"53", "22", "8E-1"}, {{{"8", "-2", "0", "1E-20"},
                                                   {"5", "-6575", "7", "2E-2"},
                                                   {"4858", "1", "0.383", "26"}}}),
                   {},
                   " 571.9885",
                   ""},
        LessonCase{"AThird",
                   Problem({"1", "0", "0"},
                           {{{"3", "0", "0", "1"}, {"0", "1", "0", "1"}, {"0", "0", "1", "1"}}}),
                   {},
                   " 0.3333333",
                   ""}),
    [](const testing::TestParamInfo<LessonCase>& info) { return info.param.name; });

Texts ExactRow(const Shadow& s, int row, int from, int to) {
    Texts texts;
    for (int c = from; c <= to; ++c) {
        texts.push_back(FractionText(*s.Value(row, c)));
    }
    return texts;
}

TEST(Shadow, WorkedExampleHoldsTheFractionsWorkedOutByHand) {
    Lesson lesson(Problem({"4", "6", "2"},
                          {{{"2", "1", "3", "18"}, {"1", "2", "4", "8"}, {"3", "1", "1", "15"}}}));
    const Shadow& s = *lesson.shadow;
    EXPECT_EQ(ExactRow(s, 2, 2, 8), (Texts{"1", "2", "4", "0", "1", "0", "8"}));
    EXPECT_EQ(ExactRow(s, 8, 2, 7), (Texts{"0", "0", "0", "18", "8", "15"}));

    // x2 enters (6 is the largest cost) at row 2 (8 / 2 = 4 is the smallest quotient).
    ASSERT_FALSE(lesson.PlayToEnd(1));
    EXPECT_EQ(ExactRow(s, 1, 2, 8), (Texts{"3/2", "0", "1", "1", "-1/2", "0", "14"}));
    EXPECT_EQ(ExactRow(s, 2, 0, 0), (Texts{"6"}));
    EXPECT_EQ(ExactRow(s, 2, 2, 8), (Texts{"1/2", "1", "2", "0", "1/2", "0", "4"}));
    EXPECT_EQ(ExactRow(s, 3, 2, 8), (Texts{"5/2", "0", "-1", "0", "-1/2", "1", "11"}));
    EXPECT_EQ(ExactRow(s, 6, 2, 7), (Texts{"1", "0", "-10", "0", "-3", "0"}));
    EXPECT_EQ(ExactRow(s, 8, 2, 7), (Texts{"0", "4", "0", "14", "0", "11"}));
    EXPECT_EQ(ExactRow(s, 9, 2, 2), (Texts{"24"}));

    // x1 enters at row 3 (11 / (5/2) = 22/5 against 28/3 and 8), and the lesson ends.
    ASSERT_TRUE(lesson.PlayToEnd(1));
    EXPECT_EQ(ExactRow(s, 1, 2, 8), (Texts{"0", "0", "8/5", "1", "-1/5", "-3/5", "37/5"}));
    EXPECT_EQ(ExactRow(s, 2, 2, 8), (Texts{"0", "1", "11/5", "0", "3/5", "-1/5", "9/5"}));
    EXPECT_EQ(ExactRow(s, 3, 0, 0), (Texts{"1"}));
    EXPECT_EQ(ExactRow(s, 3, 2, 8), (Texts{"1", "0", "-2/5", "0", "-1/5", "2/5", "22/5"}));
    EXPECT_EQ(ExactRow(s, 6, 2, 7), (Texts{"0", "0", "-48/5", "0", "-14/5", "-2/5"}));
    EXPECT_EQ(ExactRow(s, 8, 2, 7), (Texts{"22/5", "9/5", "0", "37/5", "0", "0"}));
    EXPECT_EQ(ExactRow(s, 9, 2, 2), (Texts{"142/5"}));
    EXPECT_TRUE(lesson.pivotNotices.empty());
    EXPECT_EQ(*lesson.CheckedEndMessage(), EndMessage());
}

TEST(Shadow, HasNoValueOutsideTheNumberCellsNorOnceLost) {
    const ProblemTexts problem = Problem(
        {"6", "12", "4"}, {{{"0", "9", "1", "3"}, {"-12", "7", "11", "0"}, {"0", "6", "-7", "6"}}});
    Lesson lesson(problem);
    for (auto [row, col] : {std::pair{0, 2}, {1, 1}, {4, 3}, {5, 8}, {7, 2}, {9, 3}, {10, 0}}) {
        EXPECT_FALSE(lesson.shadow->Value(row, col)) << row << ", " << col;
    }
    EXPECT_TRUE(lesson.shadow->Value(1, 0));
    lesson.PlayToEnd();
    ASSERT_TRUE(lesson.shadow->Lost());
    EXPECT_FALSE(lesson.shadow->Value(1, 2));

    ProblemTexts unreadable = problem;
    unreadable.known[2] = "6,0";
    EXPECT_FALSE(Shadow::Build(unreadable, '.'));
    EXPECT_FALSE(SolveExactly(unreadable, '.'));
}

struct EndCase {
    const char* name;
    bool shownUnbounded;
    const char* shownZ;
    ExactOptimum exact;
    std::string exactLine;  // empty when the usual message stands
};

ExactOptimum Optimum(const char* z) {
    return {false, *ReadExact(z, '.'), {}};
}

TEST(CheckedEnd, AgreesWithinTheToleranceAndGivesTheExactOptimumOtherwise) {
    const std::string z = "Con l'aritmetica esatta Z = ";
    const EndCase cases[] = {
        {"at the relative tolerance", false, " 60.006", Optimum("60"), ""},
        {"past the relative tolerance", false, " 59.99399", Optimum("60"), z + "60."},
        {"at the absolute tolerance", false, "-0.0001", Optimum("0"), ""},
        {"past the absolute tolerance", false, " 1.0001E-04", Optimum("0"), z + "0."},
        {"a Z that does not read", false, "?", Optimum("0"), z + "0."},
        {"both unbounded", true, " 3", ExactOptimum{true, 0, {}}, ""},
        {"a repeating decimal", false, " 1", Optimum("0.125"), z + "1/8 (0.125)."},
        {"a thirteen-digit fraction",
         false,
         " 1",
         {false, mpq_class(1, 999999999999), {}},
         z + "circa 1E-12."},
        {"a twelve-digit fraction",
         false,
         " 1",
         {false, mpq_class(1, 99999999999), {}},
         z + "1/99999999999 (circa 1E-11)."},
    };
    const Message usual{"Fine", "Prima riga\nseconda riga", MessageIcon::Information};
    for (const auto& c : cases) {
        const Message checked = CheckedEnd(usual, c.shownUnbounded, c.shownZ, c.exact, '.');
        if (c.exactLine.empty()) {
            EXPECT_EQ(checked, usual) << c.name;
        } else {
            EXPECT_EQ(checked.text, "Prima riga\n" + kFalsified + "\n" + c.exactLine) << c.name;
            EXPECT_EQ(checked.icon, MessageIcon::Warning) << c.name;
        }
    }
}

TEST(PivotNotice, NamesEachValueThatIsNotPositive) {
    EXPECT_FALSE(PivotNotice({mpq_class(1, 3), mpq_class(1, 1000000000)}, 2, 1));
    EXPECT_EQ(PivotNotice({mpq_class(-2, 3), mpq_class(1)}, 3, 2)->text,
              kExactly + "il DELTA r di x2 vale -2/3.");
    EXPECT_EQ(PivotNotice({mpq_class(1), *ReadExact("-0.0000001234567", '.')}, 7, 3, ',')->text,
              kExactly + "il pivot vale -1,234567E-07.");
}

}  // namespace
}  // namespace simplesso
