// Lessons played with the real lesson controller and judged by exact arithmetic: the examples
// that mislead, lessons of our own that do or do not, and twenty thousand random lessons whose
// exact optimum GLPK's exact simplex confirms.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "random_share.h"
#include "exact_number.h"
#include "exact_simplex.h"
#include "glpk_oracle.h"
#include "lesson.h"
#include "next_press.h"
#include "numbers.h"
#include "play_lesson.h"
#include "random_problems.h"
#include "recording_window.h"
#include "step.h"

namespace simplesso {
namespace {

using testing_support::Falsified;
using testing_support::Gap;
using testing_support::PlayedToTheEnd;
using testing_support::PlayToTheEnd;

using testing_support::Fields;
using testing_support::FieldTexts;
using testing_support::Outcome;
using testing_support::SolveWithGlpk;
using testing_support::TableauTexts;
using testing_support::Value;

const std::string kStep = "Con l'aritmetica esatta questo passo non si farebbe: ";
const std::string kLost =
    ".\nDa qui in poi l'aritmetica esatta non può seguire la lezione: non si divide per zero.";
const std::string kUnbounded = "il problema è illimitato.";

struct LessonCase {
    const char* fields;
    std::vector<std::string> notices;  // what each pivot notice says is exactly what, in order
    const char* shownZ;                // grid cell (9, 2), or "illimitato" if that ends it
    std::string exact;                 // the exact optimum the end gives; empty: no notice
    char separator = '.';
};

TEST(Precision, LessonsNoticeWhatExactArithmeticContradicts) {
    // clang-format off
    const LessonCase cases[] = {
        {"6 12 4 18 | 0 9 1 3 | -12 7 11 0 | 0 6 -7 6", {"il pivot vale 0"}, " 8882021", kUnbounded},
        {"2E4 0.25 0.75 70 | 11 1E-30 6 9 | 10 0 0 7.643 | -509 0 791 62.41", {}, "illimitato",
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
        {"1E-2 6 92 0 | 84506 0 -0.8 6 | 48281 13 1E-20 0 | 0.125 5E-2 -8 74217", {}, "illimitato",
         "Z = 0."},
        {"61 5 6 0 | 10 0 0 4E-2 | -3 20 40 28.0 | 4 7 1E-30 0", {}, " 4.2", "Z = 0."},
        {"5E-30 -7 6 0 | 0 0.001 3 18 | -3 6 -8 16.1 | -2055 3.9 9 0.6", {}, " 36", kUnbounded},
        // Right ends: exact, 9.9E-05 relative off 333/10, below 572, a third.
        {"4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15", {}, " 28.4", ""},
        {"7.643 0 0.001 0 | 89 0.6 -1 0 | 6.0 -0.8 0 79 | 30 0 0.001 33.3", {}, " 33.3033", ""},
        {"53 22 8E-1 0 | 8 -2 0 1E-20 | 5 -6575 7 2E-2 | 4858 1 0.383 26", {}, " 571.9885", ""},
        {"1 0 0 0 | 3 0 0 1 | 0 1 0 1 | 0 0 1 1", {}, " 0.3333333", ""}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields);
        const PlayedToTheEnd played = PlayToTheEnd(TableauTexts(Fields(c.fields)), c.separator);
        std::vector<Message> expected;
        for (const std::string& what : c.notices) {
            const bool lost = what.starts_with("il pivot vale 0");
            expected.push_back(
                {"Attenzione!", kStep + what + (lost ? kLost : "."), MessageIcon::Warning});
        }
        const bool unbounded = std::string(c.shownZ) == "illimitato";
        const std::string firstLine =
            unbounded ? "Il problema è illimitato." : "Fine del calcolo del simplesso.";
        expected.push_back(c.exact.empty() ? EndMessage() : Falsified(firstLine, c.exact));
        EXPECT_EQ(played.messages, expected);
        EXPECT_EQ(unbounded ? c.shownZ : played.shownZ, c.shownZ);
    }
}

// Random problems as a student types them into five-character fields, with more of the values
// that single precision handles badly than the core's own generator: 1E-30, 1E-40, five-digit
// integers and decimals with no binary value. Known terms stay at zero or above.
class TypedProblems {
  public:
    explicit TypedProblems(std::uint32_t seed) : base_(seed), engine_(seed ^ 0x5bd1e995u) {}

    FieldTexts Next() {
        const auto [p, objectiveKnown] = base_.Next();
        FieldTexts f;
        f[3] = objectiveKnown;
        for (int i = 0; i < 3; ++i) {
            f[i] = Spoilt(p.objective[i], true);
            f[7 + 4 * i] = Spoilt(p.known[i], false);
            for (int v = 0; v < 3; ++v) {
                f[4 + 4 * i + v] = Spoilt(p.constraint[i][v], true);
            }
        }
        return f;
    }

  private:
    // One text in six becomes a troublesome one; one of those in four negative, where it fits.
    std::string Spoilt(const std::string& text, bool mayBeNegative) {
        static const char* const kTexts[] = {"1E-30", "1E-40", "5E-30", "1E-20", "3E-38",
                                             "0.125", "0.383", "7.643", "62.41", "580.2",
                                             "0.05",  "33.3",  "2.607", "1E-2",  "0.001"};
        if (engine_() % 6 != 0) {
            return text;
        }
        const auto pick = engine_() % 20;
        const std::string spoilt =
            pick < 15 ? kTexts[pick] : std::to_string(10000 + engine_() % 90000);
        return mayBeNegative && pick >= 5 && engine_() % 4 == 0
                   ? std::string("-").append(spoilt, 0, 4)
                   : spoilt;
    }

    testing_support::RandomProblems base_;
    std::mt19937 engine_;
};

TEST(Precision, RandomLessonsNoticeEveryWrongEndAndTheExactOptimumIsGlpks) {
    TypedProblems generator(20240611);
    int problems = 0, ended = 0, wrong = 0, endNotices = 0, pivotNotices = 0, agreements = 0,
        rounded = 0;
    const int count = testing_support::RandomCount(20000);
    for (; problems < count; ++problems) {
        const FieldTexts f = generator.Next();
        SCOPED_TRACE(testing::Message() << "problem " << problems);
        const auto exact = *SolveExactly(TableauTexts(f), '.');
        const Outcome answer = SolveWithGlpk(TableauTexts(f));
        const double glpk = answer.z.value_or(NAN);
        const bool agree = Gap(exact.Unbounded() ? NAN : exact.z.get_d(), glpk, 1e-9) <= 1;
        EXPECT_TRUE(agree) << FractionText(exact.z) << " against " << glpk;
        agreements += agree;

        const PlayedToTheEnd played = PlayToTheEnd(TableauTexts(f));
        if (played.messages.empty() || played.messages.back().title != "Fine") {
            continue;  // the step failed or never ended: no end to check
        }
        const Message& end = played.messages.back();
        ++ended;
        pivotNotices += static_cast<int>(played.messages.size()) - 1;
        // The end notice takes the place of the unbounded message's second line.
        const bool unbounded = end.text.starts_with("Il problema è illimitato.");
        const double gap = Gap(unbounded ? NAN : Value(played.shownZ), glpk, 1e-4);
        ASSERT_GT(std::abs(gap - 1), 1e-6) << "too close to the tolerance for GLPK to judge";
        const bool noticed = end.icon == MessageIcon::Warning;
        EXPECT_EQ(noticed, gap > 1) << end.text;
        EXPECT_EQ(noticed, end.text.find("\nL'arrotondamento") != std::string::npos) << end.text;
        wrong += gap > 1;
        endNotices += noticed;
        rounded += gap <= 1 && !unbounded && ReadExact(played.shownZ, '.') != exact.z;
    }
    std::cout << problems << " problems, " << ended << " lessons ended, " << wrong
              << " of them wrong, " << endNotices << " end notices, " << pivotNotices
              << " pivot notices, " << rounded << " right ends that only round differently, "
              << agreements << " exact optima agree with GLPK\n";
}

}  // namespace
}  // namespace simplesso
