// One press of "Passo successivo" on the tableau that the grid holds as text: a pivot of the
// simplex method, or, in the two-phase method, the moves between the phases. What the press did
// comes back as data; the messages the user reads are made from it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "problem.h"

namespace simplesso {

// Below this a reduced cost does not count as improving and a column entry does not compete in
// the ratio test: single precision leaves residue of this order where exact arithmetic gives 0.
inline constexpr float kResidue = 1e-6f;

// A variable column as the step weighed it for entering.
struct EnteringCandidate {
    int col = 0;
    float reduced = 0;       // DELTA r as read
    bool improving = false;  // it would improve the objective by more than kResidue
    bool basic = false;      // in the basis: it cannot enter
    bool artificial = false; // an artificial variable: once out it never enters again

    bool Qualifies() const { return improving && !basic && !artificial; }
};

// A constraint row in the ratio test on the entering column, as the step read it. A dropped row
// is not among them.
struct RowQuotient {
    int row = 0;
    std::optional<float> entry;     // the entering column's value, if it reads
    std::optional<float> known;     // the known term, if it reads
    std::optional<float> quotient;  // known / entry, only for a row that competes

    bool Competes() const { return quotient.has_value(); }
};

// A column in the dual simplex's ratio test on the leaving row, as the step read it.
struct DualRatio {
    int col = 0;
    std::optional<float> entry;    // the leaving row's value, if it reads
    std::optional<float> reduced;  // DELTA r, if it reads
    std::optional<float> ratio;    // |DELTA r / entry|, only for a column that competes

    bool Competes() const { return ratio.has_value(); }
};

struct StepReport {
    enum class Kind {
        Repeated,       // the lesson had ended: its end message again, nothing changes
        Pivot,          // a pivot of the method
        ArtificialOut,  // a degenerate pivot that takes an artificial variable out of the basis
        RowDropped,     // a redundant constraint's row emptied
        PhaseSwitch,    // the first phase's tableau turned into the second's
        NoEntering,     // no variable can enter: the end message, nothing changes
        Unbounded,      // the entering column has no positive entry: its message, nothing changes
        Failed,         // a value could not be read or computed: a warning, nothing changes
        RowRewritten,   // the constraint added last rewritten in terms of the current basis
        NoLeaving,      // dual simplex: no known term is negative: the end message, nothing changes
        NoNegativeEntry,  // dual simplex: the leaving row has no negative entry: no feasible
                          // solution, nothing changes
    };
    enum class End { None, Optimal, Unbounded, Infeasible };

    Kind kind = Kind::Failed;
    End end = End::None;  // how the lesson ended with this press, if it did
    int col = 0;          // grid column of the pivot (or of the entering variable, Unbounded)
    int row = 0;          // grid row of the pivot, or of the row dropped
    std::string entering;        // name of the variable entering
    std::string leaving;         // name of the variable leaving (or of the row dropped)
    bool smallestIndex = false;  // chosen by the smallest-index rule
    bool dual = false;           // a press of the dual simplex: the leaving row chosen first
    // What the choices were made from: every variable column at the entering choice, and every
    // constraint row at the ratio test (a pivot or an unbounded column). The dual simplex
    // weighs every variable column on the leaving row instead.
    std::vector<EnteringCandidate> candidates;
    std::vector<RowQuotient> quotients;
    std::vector<DualRatio> ratios;

    bool ChangesTableau() const {
        return kind == Kind::Pivot || kind == Kind::ArtificialOut || kind == Kind::RowDropped ||
               kind == Kind::PhaseSwitch || kind == Kind::RowRewritten;
    }
};

// While PrimoPasso is false, shows the end message again and changes nothing. Otherwise makes
// the next move of the method: the whole next tableau is computed first and written only if
// every value in it could be read and computed; on failure a warning is shown and nothing
// changes. The end message follows the press that ends the lesson, and PrimoPasso becomes false.
// `problem` gives the objective the second phase takes over. In the dual simplex (DualPresses)
// the row whose known term is the most negative leaves, and of the columns with a negative entry
// there the one with the smallest |DELTA r / entry| enters; a constraint just added is first
// rewritten in terms of the basis, a press of its own.
StepReport Simplesso(Grid& grid, FormState& state, const ProblemTexts& problem, char separator,
                     WindowHooks& window);

// DELTA r of every variable from "Cr:" and the costs of the basis in column 0, and the
// objective's value from "Cr:" and "Soluzione:", as a first or second phase starts. Where a value
// cannot be read or written, the grid stays as it was.
void RecomputeCostRows(Grid& grid, const FormState& state, const ProblemTexts& problem,
                       char separator);

// The message boxes a press shows, made from what it did: the end message of a press that ended
// the lesson or repeated its end, the unbounded one, or the warning of a step that could not be
// made; none for a press that goes on.
std::vector<Message> MessagesOf(const StepReport& press);

Message EndMessage();
Message InfeasibleMessage();
Message UnboundedMessage(const std::string& enteringVariable);
Message StepFailedMessage();

}  // namespace simplesso
