// The shadow and the notices on lessons played with the real core: the examples that mislead,
// lessons of our own that do or do not, and the worked example's exact fractions.
#include <gtest/gtest.h>

#include <tuple>

#include "exact_number.h"
#include "lesson.h"

namespace simplesso {
namespace {

using testing_support::Fields;
using testing_support::Lesson;
using Texts = std::vector<std::string>;

const std::string kStep = "Con l'aritmetica esatta questo passo non si farebbe: ";
const std::string kLost =
    ".\nDa qui in poi l'aritmetica esatta non può seguire la lezione: non si divide per zero.";
const std::string kUnbounded = "il problema è illimitato.";
const std::string kFalsified =
    "\nL'arrotondamento dei numeri della tabella ha falsato il risultato.";

Message Falsified(const std::string& firstLine, const std::string& exact) {
    return {"Fine", firstLine + kFalsified + "\nCon l'aritmetica esatta " + exact,
            MessageIcon::Warning};
}

struct LessonCase {
    const char* fields;
    Texts notices;       // what each pivot notice says is exactly what, in order
    const char* shownZ;  // grid cell (9, 2) at the end
    std::string exact;   // what the end message says the exact optimum is; empty: no notice
    char separator = '.';
};

TEST(Lessons, NoticesAndEndAsExactArithmeticSays) {
    // clang-format off
    const LessonCase cases[] = {
        {"6 12 4 18 | 0 9 1 3 | -12 7 11 0 | 0 6 -7 6", {"il pivot vale 0"}, " 8882021", kUnbounded},
        {"2E4 0.25 0.75 70 | 11 1E-30 6 9 | 10 0 0 7.643 | -509 0 791 62.41", {}, " 15286.07",
         "Z = 2.25E+30."},
        {".5 2.607 1.2 55 | 4 1E-2 580.2 0.4 | 0 1E-30 0 0.0 | 2 -11 12.5 36.54", {}, " 104.28",
         "Z = 1/20 (0.05)."},
        {",5 2,607 1,2 55 | 4 1E-2 580,2 0,4 | 0 1E-30 0 0,0 | 2 -11 12,5 36,54", {}, " 104,28",
         "Z = 1/20 (0,05).", ','},
        {"0.6 0.75 7.5 0 | 0.125 -33.3 0.125 0 | 2 0.05 12 4 | 0.383 0 9 0.4", {}, " 59.56261",
         "Z = 60."},
        {"33.3 5 53 0 | 0 -8 45777 8 | -43 84 0.001 0 | 0 7 0 1E3",
         {"il pivot vale -8/45777", "il pivot vale 0"}, " 0.5543427", kUnbounded},
        {"46 9 5 0 | 5 0 -8E-2 5 | 0.5 473.1 5E-30 5 | 44 0 0.001 62025",
         {"il DELTA r di x5 vale -30/1577"}, " 3.101298E+08", ""},
        {"45 8 0 0 | 15249 6 0 1E-40 | 7E0 0 95 0 | 2E-4 0 0 0",
         {"il DELTA r di x5 vale 0"}, " 1.333364E-40", ""},
        {"9E2 0 45.6 0 | 5 -23 0 0 | 17749 0 59 5.3 | 506 0 -0.1 3",
         {"il pivot vale 0 e il DELTA r di x4 vale 0"}, " 4.096272", ""},
        {"1E-2 6 92 0 | 84506 0 -0.8 6 | 48281 13 1E-20 0 | 0.125 5E-2 -8 74217", {}, "0",
         "Z = 0."},  // shown unbounded
        {"61 5 6 0 | 10 0 0 4E-2 | -3 20 40 28.0 | 4 7 1E-30 0", {}, " 4.2", "Z = 0."},
        {"5E-30 -7 6 0 | 0 0.001 3 18 | -3 6 -8 16.1 | -2055 3.9 9 0.6", {}, " 36", kUnbounded},
        // Right ends: 9.9E-05 relative off 333/10, below 572, a third.
        {"7.643 0 0.001 0 | 89 0.6 -1 0 | 6.0 -0.8 0 79 | 30 0 0.001 33.3", {}, " 33.3033", ""},
        {"53 22 8E-1 0 | 8 -2 0 1E-20 | 5 -6575 7 2E-2 | 4858 1 0.383 26", {}, " 571.9885", ""},
        {"1 0 0 0 | 3 0 0 1 | 0 1 0 1 | 0 0 1 1", {}, " 0.3333333", ""}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields);
        Lesson lesson(Fields(c.fields), c.separator);
        ASSERT_TRUE(lesson.Play() && lesson.Ended());
        Texts notices;
        for (const Message& m : lesson.notices) {
            EXPECT_EQ(m.title + (m.icon == MessageIcon::Warning ? "!" : ""), "Attenzione!!");
            notices.push_back(m.text);
        }
        Texts expected;
        for (const std::string& what : c.notices) {
            const bool lost = what.starts_with("il pivot vale 0");
            expected.push_back(kStep + what + (lost ? kLost : "."));
        }
        EXPECT_EQ(notices, expected);
        EXPECT_EQ(lesson.grid.TextMatrix(9, 2), c.shownZ);
        const Message& usual = lesson.window.messages[0];
        const std::string firstLine = usual.text.substr(0, usual.text.find('\n'));
        EXPECT_EQ(lesson.End(), c.exact.empty() ? usual : Falsified(firstLine, c.exact));
    }
}

// The exact tableau as the grid lays it out: each constraint row's multiplier, then its entries
// and known term, then the reduced costs, the solution and Z.
std::string ExactTableau(const Shadow& s) {
    std::string text;
    for (auto [row, from, to] :
         {std::tuple{1, 0, 8}, {2, 0, 8}, {3, 0, 8}, {6, 2, 7}, {8, 2, 7}, {9, 2, 2}}) {
        text += row > 1 ? " |" : "";
        for (int c = from; c <= to; ++c) {
            text += c == 1 ? "" : " " + FractionText(*s.Value(row, c));
        }
    }
    return text;
}

TEST(Shadow, WorkedExampleHoldsTheFractionsWorkedOutByHand) {
    Lesson lesson(Fields("4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15"));
    // x2 enters (6 is the largest cost) at row 2 (8 / 2 = 4 is the smallest quotient).
    lesson.Play(1);
    EXPECT_EQ(ExactTableau(*lesson.shadow),
              " 0 3/2 0 1 1 -1/2 0 14 | 6 1/2 1 2 0 1/2 0 4 | 0 5/2 0 -1 0 -1/2 1 11 |"
              " 1 0 -10 0 -3 0 | 0 4 0 14 0 11 | 24");
    // x1 enters at row 3 (11 / (5/2) = 22/5 against 28/3 and 8), and the lesson ends.
    lesson.Play(1);
    EXPECT_EQ(ExactTableau(*lesson.shadow),
              " 0 0 0 8/5 1 -1/5 -3/5 37/5 | 6 0 1 11/5 0 3/5 -1/5 9/5 |"
              " 1 1 0 -2/5 0 -1/5 2/5 22/5 | 0 0 -48/5 0 -14/5 -2/5 | 22/5 9/5 0 37/5 0 0 | 142/5");
    EXPECT_TRUE(lesson.notices.empty());
    EXPECT_EQ(lesson.End(), EndMessage());
}

TEST(Shadow, HasNoValueOutsideTheNumberCellsNorOnceLost) {
    Lesson lesson(Fields("6 12 4 18 | 0 9 1 3 | -12 7 11 0 | 0 6 -7 6"));
    for (auto [row, col] : {std::pair{0, 2}, {1, 1}, {4, 3}, {5, 8}, {7, 2}, {9, 3}, {10, 0}}) {
        EXPECT_FALSE(lesson.shadow->Value(row, col)) << row << ", " << col;
    }
    EXPECT_TRUE(lesson.shadow->Value(1, 0) && lesson.Play() && lesson.shadow->Lost());
    EXPECT_FALSE(lesson.shadow->Value(1, 2));
    EXPECT_FALSE(Shadow::Build(Fields("6 12 4 18 | 0 9 1 3 | -12 7 11 0 | 0 6 -7 6,0"), '.'));
}

TEST(CheckedEnd, AgreesWithinTheToleranceAndGivesTheExactOptimumOtherwise) {
    const struct {
        const char* shownZ;  // "illimitato" for the unbounded message
        const char* exactZ;  // nullptr: unbounded
        std::string exact;   // empty when the usual message stands
    } cases[] = {
        {" 60.006", "60", ""},  // at the relative tolerance, and past it
        {" 59.99399", "60", "Z = 60."},
        {"-0.0001", "0", ""},  // at the absolute tolerance, and past it
        {" 1.0001E-04", "0", "Z = 0."},
        {"?", "0", "Z = 0."},
        {"illimitato", nullptr, ""},
        {" 1", "1/8", "Z = 1/8 (0.125)."},
        {" 1", "1/3", "Z = 1/3 (circa 0.3333333333)."},
        {" 1", "1/10000000000", "Z = 1/10000000000 (1E-10)."},  // 12 digits, and 13
        {" 1", "1/100000000000", "Z = 1E-11."},
    };
    const Message usual{"Fine", "Riga\naltra riga", MessageIcon::Information};
    for (const auto& c : cases) {
        const ExactOptimum exact{!c.exactZ, mpq_class(c.exactZ ? c.exactZ : "0"), {}};
        const std::string shown = c.shownZ;
        EXPECT_EQ(CheckedEnd(usual, shown == "illimitato", shown, exact, '.'),
                  c.exact.empty() ? usual : Falsified("Riga", c.exact))
            << shown;
    }
    EXPECT_FALSE(PivotNotice({mpq_class(1, 3), mpq_class(1, 1000000000)}, 2, 1));
    EXPECT_EQ(PivotNotice({1, *ReadExact("-0.0000001234567", '.')}, 7, 3, ',')->text,
              kStep + "il pivot vale -1,234567E-07.");
}

}  // namespace
}  // namespace simplesso
