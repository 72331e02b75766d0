// A window stand-in for the core's tests: records every message and the enabling of the step
// button instead of showing anything.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "setup.h"

namespace simplesso {

inline void PrintTo(const Message& m, std::ostream* os) {
    *os << m.title << ": " << m.text;
}

namespace testing_support {

class RecordingWindow : public WindowHooks {
  public:
    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void EnableStepButton() override { ++enabled; }

    std::vector<Message> messages;
    int enabled = 0;
};

// Texts of a problem: objective c1..c3, then each constraint's a1..a3 and known term.
inline ProblemTexts Problem(std::array<std::string, 3> objective,
                            std::array<std::array<std::string, 4>, 3> rows) {
    ProblemTexts p;
    p.objective = objective;
    for (int r = 0; r < 3; ++r) {
        for (int v = 0; v < 3; ++v) {
            p.constraint[r][v] = rows[r][v];
        }
        p.known[r] = rows[r][3];
    }
    return p;
}

// The texts of one grid row from column `from` to column `to`.
inline std::vector<std::string> RowTexts(const Grid& grid, int row, int from, int to) {
    std::vector<std::string> texts;
    for (int c = from; c <= to; ++c) {
        texts.push_back(grid.TextMatrix(row, c));
    }
    return texts;
}

inline int CountCells(const Grid& grid, Colour colour) {
    int count = 0;
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            count += grid.At(r, c).background == colour;
        }
    }
    return count;
}

}  // namespace testing_support
}  // namespace simplesso
