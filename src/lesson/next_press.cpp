#include "next_press.h"

#include <vector>

#include "step.h"

namespace simplesso {
namespace {

bool Showed(const std::vector<Message>& messages, const Message& wanted) {
    for (const Message& m : messages) {
        if (m == wanted) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<int> UnboundedVariable(const Message& message) {
    for (int k = 1; k <= 6; ++k) {
        const Message usual = UnboundedMessage(k);
        if (message.title == usual.title && message.text.starts_with(usual.text)) {
            return k;
        }
    }
    return std::nullopt;
}

NextPress PredictPress(const Grid& grid, const FormState& state, char separator) {
    Grid work(grid);
    FormState workState = state;
    HeldMessages window;
    Simplesso(work, workState, separator, window);

    NextPress next;
    if (!(work == grid)) {
        next.kind = NextPress::Kind::Pivot;
        next.pivot = PivotCell{workState.RigaPivot, workState.ColonnaPivot};
        next.entering = workState.ColonnaPivot - 1;
        next.endsLesson = !workState.PrimoPasso;
        return next;
    }
    for (const Message& m : window.messages) {
        if (const auto k = UnboundedVariable(m)) {
            next.kind = NextPress::Kind::Unbounded;
            next.entering = *k;
            return next;
        }
    }
    next.kind =
        Showed(window.messages, EndMessage()) ? NextPress::Kind::End : NextPress::Kind::Fails;
    return next;
}

}  // namespace simplesso
