// The lesson as the window drives it: presses, going back, replaying, notices and fractions.
#include "lesson.h"

#include <gtest/gtest.h>

#include "play_lesson.h"

namespace simplesso::testing_support {
namespace {

// What the window shows after a press or a step back.
struct Shown {
    Grid grid;  // texts, bold, alignment, colours, current cell
    FormState state;
    std::string explanation;  // the line, then its tooltip
    std::string z;            // as the fractions view shows it, or why it cannot
    std::vector<Message> messages;
    bool operator==(const Shown&) const = default;
};

Shown Now(const LessonPlayer& p) {
    return {Grid(p.grid), p.state, p.lesson.Explanation() + "\n" + p.lesson.QuotientsText(),
            p.lesson.Fraction(9, 2).value_or(p.lesson.FractionsUnavailableReason()),
            p.window.messages};
}

// A tableau in few words: Z as the fractions view shows it, then the first line of each message
// box, a warning's marked "(!)".
std::string Summary(const Shown& shown) {
    std::string text = shown.z;
    for (const Message& m : shown.messages) {
        text += ", " + m.text.substr(0, m.text.find('\n'));
        text += m.icon == MessageIcon::Warning ? " (!)" : "";
    }
    return text;
}

class Replay : public testing::TestWithParam<LessonCase> {};

// The presses, the last of which keeps nothing new (the end said again, and only the end), then
// back to the initial tableau one press at a time, every tableau as it was shown and no message,
// then forward again: each press shows exactly what it showed the first time.
TEST_P(Replay, GoingBackRestoresAndReplayEqualsFirstPlay) {
    LessonPlayer player(GetParam().fields);
    std::vector<Shown> first{Now(player)};
    std::string summaries = Summary(first[0]);
    std::istringstream presses(GetParam().presses);
    for (std::string press; presses >> press;) {
        player.Press(press);
        if (player.lesson.Record().snapshots.size() > first.size()) {
            first.push_back(Now(player));
            summaries += " | " + Summary(first.back());
        }
    }
    ASSERT_EQ(summaries, GetParam().text);
    EXPECT_EQ(player.window.messages, std::vector{first.back().messages.back()});

    player.window.messages.clear();
    for (std::size_t i = first.size() - 1; i-- > 0;) {
        player.lesson.GoBack();
        const Shown then{Grid(first[i].grid), first[i].state, first[i].explanation, first[i].z, {}};
        EXPECT_TRUE(Now(player) == then) << "back to " << i;
    }
    for (std::size_t i = 1; i < first.size(); ++i) {
        player.Press();
        EXPECT_TRUE(Now(player) == first[i]) << "replay of press " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, Replay,
    testing::Values(LessonCase{"WorkedExample", kWorkedExample, "- - -",
                               "0 | 24 | 142/5, Fine del calcolo del simplesso."},
                    LessonCase{"Unbounded", kUnbounded, "- -", "0 | 0, Il problema è illimitato."},
                    LessonCase{
                        "ZeroPivot", kZeroPivot, "- - - - -",
                        "0 | 10/3 | 4080099/850000 | Un pivot vale esattamente 0: da quel passo "
                        "l'aritmetica esatta non può seguire la lezione., Con l'aritmetica esatta "
                        "questo passo non si farebbe: il pivot vale 0. (!) | Un pivot vale "
                        "esattamente 0: da quel passo l'aritmetica esatta non può seguire la "
                        "lezione., Fine del calcolo del simplesso. (!)"}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace simplesso::testing_support
