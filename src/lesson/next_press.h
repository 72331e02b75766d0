// What the next press of "Passo successivo" would do, found by running the step itself on copies
// of the grid and the form state: the lesson never decides a pivot by rules of its own.
#pragma once

#include <optional>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "snapshot.h"

namespace simplesso {

// A window that keeps what the step says instead of showing it: for a press run on copies, and
// for holding a press's messages back until its precision notice is known.
class HeldMessages : public WindowHooks {
  public:
    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void EnableStepButton() override {}

    std::vector<Message> messages;
};

struct NextPress {
    enum class Kind {
        Pivot,      // a pivot is made; endsLesson says whether the end message follows it
        End,        // the end message, nothing changes
        Unbounded,  // the unbounded message, nothing changes
        Fails,      // the step cannot be made, nothing changes
    };
    Kind kind = Kind::Fails;
    std::optional<PivotCell> pivot;
    int entering = 0;  // the k of x<k> entering, for Pivot and Unbounded
    bool endsLesson = false;
};

NextPress PredictPress(const Grid& grid, const FormState& state, char separator);

// The k of the unbounded message for x<k>, or nothing if the message is not one. The message may
// carry more lines after the usual ones.
std::optional<int> UnboundedVariable(const Message& message);

}  // namespace simplesso
