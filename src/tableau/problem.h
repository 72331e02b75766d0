// The linear programme as typed: the texts of its numbers, the sense of every constraint and
// the direction of the objective. Today's first chapter (maximise, three "≤" rows) is the default.
#pragma once

#include <string>
#include <vector>

namespace simplesso {

// "≤", "≥" and "=": the window writes them "<", ">" and "=".
enum class Sense { LessEqual, GreaterEqual, Equal };
enum class Direction { Maximise, Minimise };

// The texts the tableau is built from (the objective's known term plays no part), with every
// row's sense and the objective's direction, for n variables and m constraints. Today's problem
// is the shape of three and three.
struct ProblemTexts {
    std::vector<std::string> objective;                 // c1 ... cn
    std::vector<std::vector<std::string>> constraint;   // constraint[r][v]: a(r+1)(v+1)
    std::vector<std::string> known;                     // b1 ... bm
    std::vector<Sense> sense;                           // one per row
    Direction direction = Direction::Maximise;
    std::string objectiveKnown;  // the objective's known term as typed: only the statement shows it
    // What an exercise file called x1 ... xn, in order; empty for a problem typed here.
    std::vector<std::string> names;
    // Every decision variable must take an integer value.
    bool integer = false;
    // The last rows are Gomory cuts the lesson added, written "≤" with fractions as texts
    // ("-1/5"): nobody typed them, and the equations do not show them.
    int cuts = 0;

    // Empty texts, every row "≤", maximising.
    explicit ProblemTexts(int variables = 3, int rows = 3)
        : objective(variables),
          constraint(rows, std::vector<std::string>(variables)),
          known(rows),
          sense(rows, Sense::LessEqual) {}

    int Variables() const { return static_cast<int>(objective.size()); }
    int Rows() const { return static_cast<int>(known.size()); }
};

// The sizes a course's exercises take.
inline constexpr int kMinVariables = 2;
inline constexpr int kMaxVariables = 8;
inline constexpr int kMinRows = 1;
inline constexpr int kMaxRows = 8;
// Typed constraints and Gomory cuts together.
inline constexpr int kMostRowsWithCuts = 16;

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
