// The check that every number entering the tableau fits a single, run when the computation
// starts; a value beyond that range would leave the student with a tableau that cannot move.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "form_state.h"

namespace simplesso {

// The first of the texts that enter the tableau (c1 ... cn, then each constraint's a1 ... an b)
// whose exact magnitude is above 3.4028235E+38, the largest single as it is written; empty when
// all are within the range. Texts that are not numbers pass: the row checks report them.
std::optional<int> FirstOutOfRangeField(std::span<const std::string> texts, char separator);

// "Attenzione!" with the warning icon, the bounds written with the given separator.
Message OutOfRangeMessage(char separator);

}  // namespace simplesso
