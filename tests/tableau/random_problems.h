// Random problems typed the way a student might type them: every text fits the 5-character input
// fields. The same seed gives the same problems everywhere, because values are chosen from the
// raw output of std::mt19937 and not through the standard library's distributions.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "setup.h"

namespace simplesso::testing_support {

struct RandomProblem {
    ProblemTexts texts;
    std::string objectiveKnown;  // the sixteenth field; the tableau ignores it
};

class RandomProblems {
  public:
    explicit RandomProblems(std::uint32_t seed) : engine_(seed) {}

    RandomProblem Next() {
        RandomProblem p;
        for (auto& c : p.texts.objective) {
            c = Coefficient(20);
        }
        for (auto& row : p.texts.constraint) {
            for (auto& a : row) {
                a = Coefficient(25);
            }
        }
        for (auto& b : p.texts.known) {
            b = Below(100) < 15 ? "0" : Magnitude(5);
        }
        p.objectiveKnown = Below(100) < 70 ? "0" : Coefficient(20);
        return p;
    }

  private:
    // 0 .. n-1; the modulo bias is far too small to matter here.
    std::uint32_t Below(std::uint32_t n) { return engine_() % n; }

    std::string Digits(int count) {
        std::string s(1, static_cast<char>('1' + Below(9)));
        for (int i = 1; i < count; ++i) {
            s += static_cast<char>('0' + Below(10));
        }
        return s;
    }

    // A zero (often), otherwise a magnitude, negative with the given chance in percent.
    // Texts are built by appending, one draw a statement: the draws then come in the same order
    // with every compiler, and GCC 12 has no "-" + std::string temporary to mis-warn about
    // (-Wrestrict) in an optimised build.
    std::string Coefficient(std::uint32_t negativePercent) {
        if (Below(100) < 30) {
            return "0";
        }
        std::string text = Below(100) < negativePercent ? "-" : "";
        text += Magnitude(text.empty() ? 5 : 4);
        return text;
    }

    // A non-zero magnitude of at most `width` characters, never below 1E-06.
    std::string Magnitude(int width) {
        std::string text;
        switch (Below(10)) {
            case 0:  // a large integer
                return Digits(1 + static_cast<int>(Below(width)));
            case 1:  // a decimal below one
                text = "0.";
                text += std::to_string(1 + Below(9));
                return text;
            case 2:  // a decimal with one digit after the point
                text = Digits(1 + static_cast<int>(Below(width - 2)));
                text += '.';
                text += std::to_string(Below(10));
                return text;
            case 3: {  // a power of ten or a multiple of one, from 1E-6 to 9E3
                const int exponent = static_cast<int>(Below(10)) - 6;
                text = std::to_string(1 + Below(9));
                text += 'E';
                text += std::to_string(exponent);
                return text;
            }
            default:  // a small integer, the common case
                return Digits(1 + static_cast<int>(Below(2)));
        }
    }

    std::mt19937 engine_;
};

}  // namespace simplesso::testing_support
