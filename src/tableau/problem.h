// The linear programme as typed: the texts of its numbers, the sense of every constraint and
// the direction of the objective. Today's first chapter (maximise, three "≤" rows) is the default.
#pragma once

#include <array>
#include <string>

namespace simplesso {

// "≤", "≥" and "=": the window writes them "<", ">" and "=".
enum class Sense { LessEqual, GreaterEqual, Equal };
enum class Direction { Maximise, Minimise };

// The fifteen texts the tableau is built from (the objective's known term plays no part), with
// every row's sense and the objective's direction.
struct ProblemTexts {
    std::array<std::string, 3> objective;                  // c1, c2, c3
    std::array<std::array<std::string, 3>, 3> constraint;  // constraint[r][v]: a(r+1)(v+1)
    std::array<std::string, 3> known;                      // b1, b2, b3
    std::array<Sense, 3> sense{Sense::LessEqual, Sense::LessEqual, Sense::LessEqual};
    Direction direction = Direction::Maximise;
};

// The sense a row takes when it is multiplied by -1: "≤" and "≥" swap, "=" stays.
inline Sense Reversed(Sense sense) {
    switch (sense) {
        case Sense::LessEqual:
            return Sense::GreaterEqual;
        case Sense::GreaterEqual:
            return Sense::LessEqual;
        case Sense::Equal:
            break;
    }
    return Sense::Equal;
}

}  // namespace simplesso
