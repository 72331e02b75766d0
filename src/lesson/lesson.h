// A lesson: the problem as typed and every tableau shown since the last set-up, with the exact
// shadow beside the grid. It is the one place the window asks what to show, what to export and
// where to go back to; the grid and the form state stay the window's own.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exact_simplex.h"
#include "form_state.h"
#include "grid.h"
#include "practice.h"
#include "shadow.h"
#include "snapshot.h"

namespace simplesso {

class Lesson {
  public:
    Lesson(Grid& grid, FormState& state, WindowHooks& window)
        : grid_(grid), state_(state), window_(window) {}

    // Builds the initial tableau from the sixteen texts (c1 c2 c3 known, then each constraint's
    // a1 a2 a3 b) and starts a new lesson from it.
    void SetUp(const std::array<std::string, 16>& fields, char separator);

    // One press of "Passo successivo": the step as always, then the precision notices, the
    // explanation and, when practising, the verdict on the chosen cell.
    void Press();

    bool CanGoBack() const { return record_.snapshots.size() > 1; }
    // Shows the tableau before the last press again, exactly as it was shown.
    void GoBack();

    void SetPractising(bool on);
    // A click on a grid cell while practising: the student's guess of the next pivot.
    void Choose(int row, int col);

    bool Started() const { return !record_.snapshots.empty(); }
    const std::string& Explanation() const;
    // The quotient of every constraint row at the last pivot, one line each, for a tooltip.
    const std::string& QuotientsText() const;

    // The exact value of a shown number cell as a reduced fraction, while the shadow can follow.
    std::optional<std::string> Fraction(int row, int col) const;
    bool FractionsAvailable() const;
    // Why the fractions cannot be shown; empty while they can.
    std::string FractionsUnavailableReason() const;

    const LessonRecord& Record() const { return record_; }

  private:
    // What the lesson keeps beside each snapshot: the exact shadow as it stood and the practice
    // score so far.
    struct Frame {
        std::optional<Shadow> shadow;
        PracticeTally tally;
        std::string quotients;
    };

    void Show(std::vector<Message> messages) const;
    Message Checked(const Message& message) const;
    bool IsEnd(const Message& message) const;
    void Remember(std::optional<PivotCell> pivot, std::string explanation,
                  std::vector<Message> messages, Frame frame);

    Grid& grid_;
    FormState& state_;
    WindowHooks& window_;
    LessonRecord record_;
    std::vector<Frame> frames_;
    std::optional<ExactOptimum> optimum_;
    std::optional<PivotCell> choice_;
    bool practising_ = false;
};

}  // namespace simplesso
