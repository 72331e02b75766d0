// A lesson: the problem as typed, the grid and the form state shown, and every tableau shown since
// the last set-up with the exact shadow beside it, as one list. It is the one place the window
// asks what to show, what to export and where to go back to: the window binds its view to the
// grid for reading and shows a press's messages after the press.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exact_problem.h"
#include "branch_and_bound.h"
#include "exact_simplex.h"
#include "lesson_document.h"
#include "sensitivity.h"
#include "form_state.h"
#include "grid.h"
#include "practice.h"
#include "shadow.h"
#include "snapshot.h"

namespace simplesso {

class Lesson {
  public:
    // The tableau shown and the state between two presses. The window writes only what its own
    // checks decide before a set-up (the validity of the fields, the start of a computation) and
    // the grid's column widths; everything else changes through the lesson.
    Grid& Tableau() { return grid_; }
    const Grid& Tableau() const { return grid_; }
    FormState& State() { return state_; }
    const FormState& State() const { return state_; }

    // Builds the initial tableau from the problem as typed, of any size, and starts a new
    // lesson from it: the dual simplex's with `dual`, once RefuseDual has let the problem pass.
    void SetUp(const ProblemTexts& typed, char separator, bool dual = false);

    // Whether a constraint can be added: the lesson shown ended on an optimum that exact
    // arithmetic confirms, and the problem has fewer than kMaxRows constraints and no cut.
    bool CanAddConstraint() const;
    // Adds a constraint to the problem, its coefficients of x1 ... xn, "≤" or "≥" and its known
    // term as typed (checked as a row is), and to the tableau under the last constraint row with
    // a new slack in the basis: a tableau of its own, which "Passo precedente" takes back. The
    // presses that follow rewrite it in the basis and go on by the dual simplex. False, and
    // nothing changes, when no constraint can be added.
    bool AddConstraint(const std::vector<std::string>& coefficients, Sense sense,
                       const std::string& known);

    // One press of "Passo successivo": the step as always, then the precision notices, the
    // explanation and, when practising, the verdict on the chosen cell. Returns the press's
    // messages, in order, for the window to show once the tableau is shown.
    [[nodiscard]] std::vector<Message> Press();

    // Gomory's cutting planes, while the problem asks for integer values: possible at an
    // optimum exact arithmetic confirms, with a decision variable of fractional value, when every
    // coefficient and known term typed is an integer. CutUnavailableReason says why not.
    bool CanCut() const;
    std::string CutUnavailableReason() const;
    // Adds the fractional cut of the source row under the last constraint row, with a slack of
    // its own in the basis: a tableau of its own, as an added constraint is; the presses that
    // follow are the dual simplex's. Returns the messages to show when no cut was added.
    [[nodiscard]] std::vector<Message> AddGomoryCut();

    // Branch and bound from the lesson's problem as it stands, cuts and all: possible at an
    // optimum exact arithmetic confirms, in integers, with a decision variable of fractional
    // value; empty otherwise.
    bool CanBranch() const;
    std::optional<integer::Tree> BranchTree() const;

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
    // The problem as typed, with its senses and direction.
    const ProblemTexts& Problem() const { return problem_; }
    // How the lesson shown ended, if it has: what its last press did.
    std::optional<StepReport> EndPress() const;
    // Whether the end shown was falsified by rounding (its message carries the exact outcome).
    bool EndFalsified() const;
    // The exact tableau beside the one shown, while it can follow; the exact optimum.
    const Shadow* ExactTableau() const;
    const std::optional<ExactOptimum>& ExactOutcome() const { return optimum_; }
    // The point (x1, x2, x3) of every tableau shown, in order, exactly while the shadow follows
    // and as the grid shows it once it cannot; a third coordinate the problem lacks is zero.
    std::vector<std::array<mpq_class, 3>> Path() const;
    bool PathApproximate() const;
    // The problem as typed, exactly; empty when a text does not read exactly.
    std::optional<ExactProblem> ExactProblemTyped() const;

    // The analysis after the optimum, while the lesson shown has ended on an optimum whose basis
    // is exactly optimal; otherwise empty, and AnalysisUnavailableReason says why.
    std::optional<sensitivity::Analysis> PostOptimal() const;
    std::string AnalysisUnavailableReason() const;

    // The whole lesson as a document: every tableau, the region with the whole path and, after
    // an optimum, the analysis.
    LessonDocument Document() const;

  private:
    const Snapshot& Shown() const { return record_.snapshots.back(); }
    Message Checked(const Message& message, StepReport::End end) const;
    // Whether the press the state is about to make would bring back a basis already shown in
    // the same phase.
    bool WouldCycle(char separator) const;
    std::optional<sensitivity::Analysis> AnalyseBasis() const;
    std::string IntegerEnd(const Snapshot& shown, StepReport::End end, Message& message) const;
    void Replay(Shadow& shadow, const StepReport& press, const FormState& stateBefore,
                std::vector<Message>& shown) const;
    Grid grid_;
    FormState state_{.RigaPivot = 8, .ColonnaPivot = 8};
    LessonRecord record_;
    ProblemTexts problem_;
    std::optional<ExactOptimum> optimum_;
    std::optional<PivotCell> choice_;
    bool practising_ = false;
};

}  // namespace simplesso
