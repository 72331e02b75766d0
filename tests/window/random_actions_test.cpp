// Thousands of seeded random actions on the real window: typing short texts of any kind into
// random fields and pressing either button. After each one the window must still answer, show at
// most one highlighted cell and keep the buttons' rules.
#include <gtest/gtest.h>

#include <random>

#include "step.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using testing_support::WindowHarness;

class RandomUser {
  public:
    explicit RandomUser(std::uint32_t seed) : engine_(seed) {}

    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }

    // Mostly numbers a student would type, sometimes anything at all.
    QString Text() {
        static const char kNumbers[][6] = {"0",    "1",   "2",     "3",    "-1", "2.5",
                                           "5",    "1E3", "99999", "0.3",  " 4", "-0",
                                           "1E-5", "7",   "12",    "3E38", "+5"};
        static const char kAnything[] = "0123456789.,-+eE xa";
        if (Below(100) < 93) {
            return kNumbers[Below(std::size(kNumbers))];
        }
        QString text;
        for (int n = Below(6); n > 0; --n) {
            text += QChar(kAnything[Below(sizeof kAnything - 1)]);
        }
        return text;
    }

  private:
    std::mt19937 engine_;
};

TEST(RandomActions, WindowKeepsItsRulesWhateverTheUserDoes) {
    constexpr int kActions = 5000;
    WindowHarness h;
    RandomUser user(20261207);
    bool setUp = false;
    int steps = 0, setUps = 0;
    for (int action = 0; action < kActions; ++action) {
        const int choice = user.Below(10);
        const std::size_t shown = h.messages.size();
        const bool running = h.Window().State().PrimoPasso;
        const Grid before(h.Window().Tableau());
        if (choice < 5) {
            h.Type(user.Below(16), user.Text());
        } else if (choice < 7) {
            h.Calcola()->click();
            if (h.messages.size() == shown) {
                setUp = true;
                ++setUps;
                EXPECT_TRUE(h.Window().State().PrimoPasso);
                EXPECT_EQ(h.Shown(9, 2), "0");
            } else {
                EXPECT_EQ(h.messages.size(), shown + 1);
                EXPECT_EQ(h.messages.back().title, "Attenzione!");
                EXPECT_EQ(h.Window().State().PrimoPasso, running);
                EXPECT_TRUE(h.Window().Tableau() == before);
            }
        } else {
            h.PassoSuccessivo()->click();
            if (!setUp) {
                EXPECT_TRUE(h.messages.size() == shown);  // still disabled
            } else if (!running) {
                EXPECT_EQ(h.messages.size(), shown + 1);
                EXPECT_EQ(h.messages.back(), EndMessage());
                EXPECT_TRUE(h.Window().Tableau() == before);
            } else {
                steps += !(h.Window().Tableau() == before);
            }
        }
        QApplication::processEvents();
        ASSERT_TRUE(h.Window().isVisible()) << "action " << action;
        ASSERT_LE(testing_support::CountCells(h.Window().Tableau(), kCyan), 1)
            << "action " << action;
        ASSERT_TRUE(h.Calcola()->isEnabled());
        ASSERT_EQ(h.PassoSuccessivo()->isEnabled(), setUp) << "action " << action;
        ASSERT_LE(h.messages.size(), shown + 1) << "one press, at most one message";
    }
    std::cout << kActions << " actions: " << setUps << " set-ups, " << steps << " pivots\n";
    EXPECT_GT(setUps, 20);
    EXPECT_GT(steps, 20);
}

}  // namespace
}  // namespace simplesso
