// Random problems as a student types them into five-character fields, with more of the values
// that single precision handles badly than the core's own generator: 1E-30, 1E-40, five-digit
// integers and decimals with no binary value. Known terms stay at zero or above.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "random_problems.h"

namespace simplesso::testing_support {

class TypedProblems {
  public:
    explicit TypedProblems(std::uint32_t seed) : base_(seed), engine_(seed ^ 0x5bd1e995u) {}

    ProblemTexts Next() {
        ProblemTexts p = base_.Next().texts;
        for (auto& c : p.objective) {
            Spoil(c, true);
        }
        for (auto& row : p.constraint) {
            for (auto& a : row) {
                Spoil(a, true);
            }
        }
        for (auto& b : p.known) {
            Spoil(b, false);
        }
        return p;
    }

  private:
    std::uint32_t Below(std::uint32_t n) { return engine_() % n; }

    // One text in six becomes one of the troublesome kind.
    void Spoil(std::string& text, bool mayBeNegative) {
        if (Below(6) == 0) {
            text = Troublesome(mayBeNegative && Below(4) == 0);
        }
    }

    std::string Troublesome(bool negative) {
        static const char* const kTiny[] = {"1E-30", "1E-40", "5E-30", "1E-20", "3E-38"};
        static const char* const kDecimals[] = {"0.125", "0.383", "7.643", "62.41", "580.2",
                                                "0.05",  "33.3",  "2.607", "1E-2",  "0.001"};
        std::string text;
        switch (Below(3)) {
            case 0:
                return kTiny[Below(5)];  // no room left for a sign
            case 1:
                text = std::to_string(10000 + Below(90000));
                break;
            default:
                text = kDecimals[Below(10)];
                break;
        }
        return negative ? "-" + text.substr(0, 4) : text;
    }

    RandomProblems base_;
    std::mt19937 engine_;
};

}  // namespace simplesso::testing_support
