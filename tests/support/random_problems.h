// Random problems typed the way a student might type them: every text fits the 5-character input
// fields. The same seed gives the same problems everywhere, because values are chosen from the
// raw output of std::mt19937 and not through the standard library's distributions.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

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
            b = Below(100) < 15 ? "0" : Magnitude("", 5);
        }
        p.objectiveKnown = Below(100) < 70 ? "0" : Coefficient(20);
        p.texts.objectiveKnown = p.objectiveKnown;
        return p;
    }

    // A problem of the whole course: each row "≤", "≥" or "=", a known term negative now and
    // then, the objective minimised half of the time. Small integers, so that infeasible,
    // unbounded and optimal outcomes all come often; `value` draws every number.
    using Draw = std::string (RandomProblems::*)(std::uint32_t negativePercent);
    RandomProblem NextOfTheCourse(int variables = 3, int rows = 3,
                                  Draw value = &RandomProblems::SmallInteger) {
        RandomProblem p{ProblemTexts(variables, rows), {}};
        for (auto& c : p.texts.objective) {
            c = (this->*value)(35);
        }
        for (auto& row : p.texts.constraint) {
            for (auto& a : row) {
                a = (this->*value)(30);
            }
        }
        for (int r = 0; r < rows; ++r) {
            std::string known = (this->*value)(25);
            if (Below(100) < 10) {
                known.assign(1, '0');
            }
            p.texts.known[r] = std::move(known);
            const std::uint32_t sense = Below(100);
            p.texts.sense[r] = sense < 45   ? Sense::LessEqual
                               : sense < 85 ? Sense::GreaterEqual
                                            : Sense::Equal;
        }
        p.texts.direction = Below(2) == 0 ? Direction::Maximise : Direction::Minimise;
        p.objectiveKnown.assign(1, '0');
        p.texts.objectiveKnown = p.objectiveKnown;
        return p;
    }

    // Sizes a course uses, each as likely: 2 to 8 variables, 1 to 8 constraints.
    RandomProblem NextOfAnySize() {
        const auto [variables, rows] = AnySize();
        return NextOfTheCourse(variables, rows);
    }

    // A problem the dual simplex starts from its slack basis: minimising with costs not negative
    // or maximising with costs not positive, its rows "≥" or now and then "≤", of any size.
    RandomProblem NextForTheDual() {
        const auto [variables, rows] = AnySize();
        RandomProblem p = NextOfTheCourse(variables, rows);
        const bool minimising = p.texts.direction == Direction::Minimise;
        for (auto& c : p.texts.objective) {
            c = SmallInteger(0);
            if (!minimising && c != "0") {
                c.insert(0, 1, '-');
            }
        }
        for (auto& sense : p.texts.sense) {
            sense = Below(100) < 70 ? Sense::GreaterEqual : Sense::LessEqual;
        }
        return p;
    }

    // A problem of integers only, for integer programming: 2 to 5 variables, 1 to 5 rows. Four
    // times in five the first row is a budget (positive coefficients, "≤" a positive known
    // term), so that the integer points are finitely many and the search ends.
    RandomProblem NextWithIntegers() {
        const int variables = 2 + static_cast<int>(Below(4));
        const int rows = 1 + static_cast<int>(Below(5));
        RandomProblem p = NextOfTheCourse(variables, rows, &RandomProblems::Integer);
        if (Below(5) > 0) {
            for (auto& a : p.texts.constraint[0]) {
                a.assign(1, Digit('1'));
            }
            p.texts.known[0] = std::to_string(5 + Below(25));
            p.texts.sense[0] = Sense::LessEqual;
        }
        return p;
    }

    // A constraint to add to a problem's optimum, "≤" or "≥".
    struct Row {
        std::vector<std::string> coefficients;
        Sense sense;
        std::string known;
    };
    Row NextRow(int variables) {
        Row row{std::vector<std::string>(static_cast<std::size_t>(variables)), Sense::LessEqual, {}};
        for (auto& a : row.coefficients) {
            a = SmallInteger(30);
        }
        row.sense = Below(2) == 0 ? Sense::LessEqual : Sense::GreaterEqual;
        row.known = SmallInteger(25);
        return row;
    }

  private:
    std::pair<int, int> AnySize() {
        const int variables =
            kMinVariables + static_cast<int>(Below(kMaxVariables - kMinVariables + 1));
        const int rows = kMinRows + static_cast<int>(Below(kMaxRows - kMinRows + 1));
        return {variables, rows};
    }

    // 0 .. n-1; the modulo bias is far too small to matter here.
    std::uint32_t Below(std::uint32_t n) { return engine_() % n; }

    // A zero (often), otherwise a magnitude, negative with the given chance in percent.
    std::string Coefficient(std::uint32_t negativePercent) {
        if (Below(100) < 30) {
            return "0";
        }
        const bool negative = Below(100) < negativePercent;
        return Magnitude(negative ? "-" : "", negative ? 4 : 5);
    }

    // A zero now and then, otherwise an integer from 1 to 9 or a decimal with one digit after
    // the point, negative with the given chance in percent.
    std::string SmallInteger(std::uint32_t negativePercent) {
        if (Below(100) < 20) {
            return "0";
        }
        std::string text = Below(100) < negativePercent ? "-" : "";
        text += Digit('1');
        if (Below(100) < 15) {
            text += '.';
            text += Digit('1');
        }
        return text;
    }

    // Zero now and then, otherwise an integer from 1 to 9, negative with the given chance.
    std::string Integer(std::uint32_t negativePercent) {
        if (Below(100) < 20) {
            return "0";
        }
        std::string text = Below(100) < negativePercent ? "-" : "";
        text += Digit('1');
        return text;
    }

    // Appends to `text` a non-zero magnitude of at most `width` characters, never below 1E-06.
    // One draw a statement, so that the draws come in the same order with every compiler; and
    // appending leaves GCC 12 no "-" + std::string to mis-warn about (-Wrestrict) when optimising.
    std::string Magnitude(std::string text, std::uint32_t width) {
        const std::uint32_t shape = Below(10);
        if (shape == 0) {  // a large integer
            Digits(text, 1 + Below(width));
        } else if (shape == 1) {  // a decimal below one
            text += "0.";
            text += Digit('1');
        } else if (shape == 2) {  // a decimal with one digit after the point
            Digits(text, 1 + Below(width - 2));
            text += '.';
            text += Digit('0');
        } else if (shape == 3) {  // a multiple of a power of ten, from 1E-6 to 9E3
            const int exponent = static_cast<int>(Below(10)) - 6;
            text += Digit('1');
            text += 'E';
            text += std::to_string(exponent);
        } else {  // a small integer, the common case
            Digits(text, 1 + Below(2));
        }
        return text;
    }

    char Digit(char lowest) { return static_cast<char>(lowest + Below('9' - lowest + 1)); }

    void Digits(std::string& text, std::uint32_t count) {
        text += Digit('1');
        for (std::uint32_t i = 1; i < count; ++i) {
            text += Digit('0');
        }
    }

    std::mt19937 engine_;
};

}  // namespace simplesso::testing_support
