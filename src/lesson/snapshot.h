// What the lesson keeps of every press: the tableau exactly as it was shown, with its form state,
// pivot, explanation and messages, the exact shadow beside it, and the problem as it was typed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "problem.h"
#include "shadow.h"
#include "step.h"

namespace simplesso {

struct PivotCell {
    int row = 0;
    int col = 0;
    bool operator==(const PivotCell&) const = default;
};

// How many pivots the student guessed while practising, of how many tried.
struct PracticeTally {
    int right = 0;
    int made = 0;

    void Count(bool wasRight) {
        ++made;
        right += wasRight ? 1 : 0;
    }
    // "Pivot indovinati: 1 su 2"
    std::string Text() const;
};

// One tableau as it was shown: after the set-up (the first) or after one press of "Passo
// successivo".
struct Snapshot {
    Snapshot(const Grid& shown, const FormState& shownState) : grid(shown), state(shownState) {}

    Grid grid;  // texts, bold, alignment, colours, current cell
    FormState state;
    std::optional<PivotCell> pivot;  // the pivot this press made, if it made one
    std::string explanation;         // the explanation line as shown (may hold two lines, '\n')
    std::vector<Message> messages;   // every message box of this press, in order
    std::optional<StepReport> press;  // what the press did; empty for the set-up
    // The end this press showed disagrees with the exact outcome: its message, the last, says so.
    bool endFalsified = false;
    // The exact tableau beside this one, while exact arithmetic can follow; empty when a text
    // of the problem does not read exactly.
    std::optional<Shadow> shadow;
    PracticeTally tally;    // the practice score so far
    int problemRows = 0;    // the constraints of the problem then: going back drops any added since
    bool added = false;     // a constraint added after the optimum, not a press
    bool cut = false;       // that constraint is a Gomory cut
    std::string quotients;  // every row's quotient at this press's pivot, one line each
};

// Everything an export needs.
struct LessonRecord {
    ProblemTexts problem;  // as typed, with its senses and direction
    char separator = '.';
    std::vector<Snapshot> snapshots;  // set-up first, then one per press
};

}  // namespace simplesso
