// What the lesson keeps of every press: the tableau exactly as it was shown, with its form state,
// pivot, explanation and messages, and the problem as it was typed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "problem.h"
#include "step.h"

namespace simplesso {

struct PivotCell {
    int row = 0;
    int col = 0;
    bool operator==(const PivotCell&) const = default;
};

// One tableau as it was shown: after the set-up (the first) or after one press of "Passo
// successivo".
struct Snapshot {
    Grid grid;  // texts, bold, alignment, colours, current cell
    FormState state;
    std::optional<PivotCell> pivot;  // the pivot this press made, if it made one
    std::string explanation;         // the explanation line as shown (may hold two lines, '\n')
    std::vector<Message> messages;   // every message box of this press, in order
    std::optional<StepReport> press;  // what the press did; empty for the set-up
    // The end this press showed disagrees with the exact outcome: its message, the last, says so.
    bool endFalsified = false;
};

// Everything an export needs.
struct LessonRecord {
    ProblemTexts problem;  // as typed, with its senses and direction
    char separator = '.';
    std::vector<Snapshot> snapshots;  // set-up first, then one per press
};

}  // namespace simplesso
