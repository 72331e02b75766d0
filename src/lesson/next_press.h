// What the next press of "Passo successivo" would do, found by running the step itself on copies
// of the grid and the form state: the lesson never decides a move by rules of its own.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "problem.h"
#include "step.h"

namespace simplesso {

// A window that keeps what the step says instead of showing it: for a press run on copies, and
// for holding a press's messages back until its precision notice is known.
class HeldMessages : public WindowHooks {
  public:
    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void EnableStepButton() override {}

    std::vector<Message> messages;
};

// The press, and the tableau and state it would leave.
struct PredictedPress {
    StepReport report;
    Grid grid;
    FormState state;
};

PredictedPress PredictPress(const Grid& grid, const FormState& state, const ProblemTexts& problem,
                            char separator);

// The names of the basic variables of a tableau, in order: what the method must not come back
// to within a phase.
std::multiset<std::string> BasisOf(const Grid& grid);

// Whether the method minimises at this tableau: the first phase always does.
bool Minimising(const FormState& state);

}  // namespace simplesso
