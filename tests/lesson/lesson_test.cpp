// The lesson as the window drives it: presses, going back, replaying, notices, fractions, practice.
#include "lesson.h"

#include <gtest/gtest.h>

#include "recording_window.h"
#include "step.h"

namespace simplesso {
namespace {

using testing_support::RecordingWindow;

using Fields = std::array<std::string, 16>;
const Fields kWorkedExample{"4", "6", "2", "0", "2", "1", "3", "18",
                            "1", "2", "4", "8", "3", "1", "1", "15"};
// The fourth press pivots on a residue whose exact value is 0; exactly, the problem is unbounded.
const Fields kZeroPivot{"6",   "12", "4",  "18", "0", "9", "1",  "3",
                        "-12", "7",  "11", "0",  "0", "6", "-7", "6"};

struct Shown {
    Grid grid;
    FormState state;
    std::string explanation;
    std::vector<Message> messages;
};

class LessonTest : public ::testing::Test {
  protected:
    LessonTest() { state.RigaPivot = state.ColonnaPivot = 8; }

    void SetUp(const Fields& fields) {
        state.PrimoPasso = true;
        lesson.SetUp(fields, '.');
    }
    Shown Press() {
        window.messages.clear();
        lesson.Press();
        return Now();
    }
    Shown Now() const { return {Grid(grid), state, lesson.Explanation(), window.messages}; }
    // Presses until the lesson ends, keeping what each press showed.
    std::vector<Shown> PlayToEnd() {
        std::vector<Shown> shown{Now()};
        while (state.PrimoPasso && shown.size() < 20) {
            shown.push_back(Press());
        }
        return shown;
    }

    Grid grid;
    FormState state;
    RecordingWindow window;
    Lesson lesson{grid, state, window};
};

void ExpectSame(const Shown& actual, const Shown& expected, const std::string& where) {
    EXPECT_TRUE(actual.grid == expected.grid) << where;
    EXPECT_EQ(actual.state, expected.state) << where;
    EXPECT_EQ(actual.explanation, expected.explanation) << where;
}

// Back to the initial tableau one press at a time, every tableau as it was shown, then forward
// again: each press shows exactly what it showed the first time.
TEST_F(LessonTest, GoingBackRestoresAndReplayEqualsFirstPlay) {
    for (const Fields& fields : {kWorkedExample, kZeroPivot}) {
        SetUp(fields);
        const std::vector<Shown> first = PlayToEnd();
        ASSERT_FALSE(state.PrimoPasso);
        for (std::size_t i = first.size() - 1; i-- > 0;) {
            ASSERT_TRUE(lesson.CanGoBack());
            lesson.GoBack();
            ExpectSame(Now(), first[i], "back to " + std::to_string(i));
        }
        EXPECT_FALSE(lesson.CanGoBack());
        for (std::size_t i = 1; i < first.size(); ++i) {
            const Shown again = Press();
            ExpectSame(again, first[i], "replay of press " + std::to_string(i));
            EXPECT_EQ(again.messages, first[i].messages) << "press " << i;
        }
        EXPECT_EQ(lesson.Record().snapshots.size(), first.size());
    }
}

TEST_F(LessonTest, ZeroPivotWarnsBeforeTheEndAndStopsTheFractions) {
    SetUp(kZeroPivot);
    const std::vector<Shown> shown = PlayToEnd();
    ASSERT_EQ(shown.size(), 5u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_TRUE(shown[i].messages.empty()) << "press " << i;
    }
    const std::vector<Message>& last = shown[4].messages;
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].title, "Attenzione!");
    EXPECT_TRUE(last[0].text.starts_with("Con l'aritmetica esatta questo passo non si farebbe:"));
    EXPECT_EQ(last[1].title, "Fine");
    EXPECT_EQ(last[1].icon, MessageIcon::Warning);
    EXPECT_NE(last[1].text.find("illimitato"), std::string::npos) << last[1].text;
    EXPECT_FALSE(lesson.FractionsAvailable());
    EXPECT_FALSE(lesson.FractionsUnavailableReason().empty());
    lesson.GoBack();
    EXPECT_TRUE(lesson.FractionsAvailable());
}

TEST_F(LessonTest, WorkedExampleEndsRightWithExactFractions) {
    SetUp(kWorkedExample);
    EXPECT_EQ(lesson.Fraction(1, 8), "18");
    EXPECT_EQ(lesson.Fraction(1, 1), std::nullopt);
    Press();
    EXPECT_EQ(lesson.Fraction(2, 2), "1/2");
    EXPECT_EQ(lesson.Fraction(3, 6), "-1/2");
    EXPECT_TRUE(lesson.Explanation().starts_with("Entra x2")) << lesson.Explanation();
    const Shown end = Press();
    EXPECT_EQ(end.messages, std::vector<Message>{EndMessage()});
    EXPECT_EQ(lesson.Fraction(3, 4), "-2/5");
    EXPECT_EQ(lesson.Fraction(9, 2), "142/5");
    // The end said again changes nothing and keeps nothing new.
    const Shown again = Press();
    EXPECT_EQ(again.messages, std::vector<Message>{EndMessage()});
    EXPECT_EQ(lesson.Record().snapshots.size(), 3u);
}

TEST_F(LessonTest, PractiseCountsRightGuesses) {
    lesson.SetPractising(true);
    SetUp(kWorkedExample);
    lesson.Choose(2, 3);  // x2 enters, x5 leaves: right
    Press();
    EXPECT_TRUE(lesson.Explanation().starts_with("Giusto! Entra x2")) << lesson.Explanation();
    lesson.Choose(0, 3);  // a header is no choice
    lesson.Choose(1, 2);  // x1 enters, but row 3 leaves: wrong
    Press();
    EXPECT_TRUE(lesson.Explanation().starts_with("Non è il pivot:")) << lesson.Explanation();
    EXPECT_NE(lesson.Explanation().find("Pivot indovinati: 1 su 2"), std::string::npos);
}

}  // namespace
}  // namespace simplesso
