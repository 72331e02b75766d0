// Practising the pivot: which clicked cells count as a choice, and the verdict on a choice against
// the pivot the press made. The count of right choices is kept with every snapshot.
#pragma once

#include <optional>
#include <string>

#include "grid.h"
#include "form_state.h"
#include "snapshot.h"
#include "step.h"

namespace simplesso {

// Only the coefficients of the constraint rows can be a pivot; any other cell is no choice.
std::optional<PivotCell> AsChoice(const Grid& grid, int row, int col);

// "Giusto!" when the choice is the pivot the press made; otherwise "Non è il pivot: " and why, with
// the numbers of the tableau as shown before the press (and the rule of the phase it was in).
std::string Verdict(const Grid& before, const FormState& stateBefore, PivotCell chosen,
                    const StepReport& press, char separator);

}  // namespace simplesso
