// Random problems as a student types them into five-character fields, with more of the values
// that single precision handles badly than the core's own generator: 1E-30, 1E-40, five-digit
// integers and decimals with no binary value. Known terms stay at zero or above.
#pragma once

#include "random_problems.h"

namespace simplesso::testing_support {

class TypedProblems {
  public:
    explicit TypedProblems(std::uint32_t seed) : base_(seed), engine_(seed ^ 0x5bd1e995u) {}

    ProblemTexts Next() {
        ProblemTexts p = base_.Next().texts;
        for (int i = 0; i < 3; ++i) {
            Spoil(p.objective[i], true);
            Spoil(p.known[i], false);
            for (auto& a : p.constraint[i]) {
                Spoil(a, true);
            }
        }
        return p;
    }

  private:
    // One text in six becomes a troublesome one; one of those in four negative, where it fits.
    void Spoil(std::string& text, bool mayBeNegative) {
        static const char* const kTexts[] = {"1E-30", "1E-40", "5E-30", "1E-20", "3E-38",
                                             "0.125", "0.383", "7.643", "62.41", "580.2",
                                             "0.05",  "33.3",  "2.607", "1E-2",  "0.001"};
        if (engine_() % 6 != 0) {
            return;
        }
        const auto pick = engine_() % 20;
        text = pick < 15 ? kTexts[pick] : std::to_string(10000 + engine_() % 90000);
        if (mayBeNegative && pick >= 5 && engine_() % 4 == 0) {
            text = "-" + text.substr(0, 4);
        }
    }

    RandomProblems base_;
    std::mt19937 engine_;
};

}  // namespace simplesso::testing_support
