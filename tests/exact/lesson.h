// A lesson played as the window plays it: the set-up, then presses of the step button with the
// real core, each pivot replayed on the exact shadow and checked first, and the end message
// checked against the exact optimum.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exact_simplex.h"
#include "notices.h"
#include "recording_window.h"
#include "setup.h"
#include "shadow.h"
#include "step.h"

namespace simplesso::testing_support {

class Lesson {
  public:
    explicit Lesson(const ProblemTexts& problem, char separator = '.')
        : problem_(problem), separator_(separator) {
        shadow = Shadow::Build(problem, separator);
        state.RigaPivot = state.ColonnaPivot = 8;
        state.PrimoPasso = true;
        ImpostaTabella(grid, problem, window);
    }

    // Presses until the core shows a message; false when it never does.
    bool PlayToEnd(int maxPresses = 50) {
        for (int i = 0; i < maxPresses; ++i) {
            if (Press()) {
                return true;
            }
        }
        return false;
    }

    // The end message as the lesson shows it, once an end or unbounded message was shown.
    std::optional<Message> CheckedEndMessage() const {
        const auto exact = SolveExactly(problem_, separator_);
        if (!end || !exact) {
            return std::nullopt;
        }
        return CheckedEnd(*end, shownUnbounded, grid.TextMatrix(9, 2), *exact, separator_);
    }

    Grid grid;
    FormState state;
    RecordingWindow window;
    std::optional<Shadow> shadow;
    std::vector<Message> pivotNotices;
    std::optional<Message> end;  // the step's own end or unbounded message
    bool shownUnbounded = false;
    int presses = 0;

  private:
    // One press; true once the core has shown a message.
    bool Press() {
        const FormState before = state;
        Simplesso(grid, state, separator_, window);
        ++presses;
        // Two pivots in a row never share their column, so a pivot always moves the cell.
        if (state.RigaPivot != before.RigaPivot || state.ColonnaPivot != before.ColonnaPivot) {
            Replay(state.ColonnaPivot, state.RigaPivot);
        }
        if (window.messages.empty()) {
            return false;
        }
        const Message& shown = window.messages.back();
        shownUnbounded = shown.text.starts_with("Il problema è illimitato.");
        if (shown == EndMessage() || shownUnbounded) {
            end = shown;
        }
        return true;
    }

    void Replay(int col, int row) {
        if (!shadow || shadow->Lost()) {
            return;
        }
        if (auto notice = PivotNotice(shadow->Check(col, row), col, row, separator_)) {
            pivotNotices.push_back(*notice);
        }
        shadow->Pivot(col, row);
    }

    ProblemTexts problem_;
    char separator_;
};

}  // namespace simplesso::testing_support
