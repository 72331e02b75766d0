// What the lesson says where exact arithmetic contradicts it: a notice at a pivot that could not
// be made exactly, and an end message that does not pass off a wrong result as the result.
#pragma once

#include <optional>
#include <string_view>

#include "exact_simplex.h"
#include "form_state.h"
#include "shadow.h"
#include "step.h"

namespace simplesso {

// What a pivot must be, exactly, to be made: one of the method, whose entering variable improves
// the objective (DELTA r above zero, or below when minimising) and whose pivot is positive; or
// one that takes an artificial variable out, whose pivot must only not be zero; or one of the
// dual simplex, whose pivot and leaving row's known term must both be negative.
struct PivotRule {
    bool minimising = false;
    bool artificialOut = false;
    bool dual = false;
};

// "Attenzione!" with the warning icon when the exact pivot entry or the exact reduced cost of
// the entering variable (named `entering`), or in the dual simplex the known term of the row of
// `leaving`, breaks the rule, saying which value is exactly what;
// an exactly zero pivot adds that the exact values cannot follow the lesson from there on.
// Empty when the pivot is sound. A value whose fraction is long is written as a decimal.
std::optional<Message> PivotNotice(const PivotCheck& check, const std::string& entering,
                                   PivotRule rule, char separator = '.',
                                   const std::string& leaving = {});

// The end message to show instead of `usual` (the step's end, unbounded or infeasible message,
// as `shown` tells; shownZ is the text of grid cell (9, 2)). It is `usual` itself when the
// lesson's end agrees with the exact outcome: both unbounded, both infeasible, or both optimal
// with Z within 1E-04 * max(1, |exact Z|). Otherwise it keeps the title and first line, takes
// the warning icon and says that rounding falsified the result and what the exact outcome is.
Message CheckedEnd(const Message& usual, StepReport::End shown, std::string_view shownZ,
                   const ExactOptimum& exact, char separator);

}  // namespace simplesso
