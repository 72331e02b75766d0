// The checks of an input row (a coefficient for each variable, then the known term) and the
// messages that report a failed one. Plain text in, verdicts out: the window shows the message
// and moves the focus.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "form_state.h"

namespace simplesso {

using RowTexts = std::vector<std::string>;

enum class RowKind { Objective, Constraint };

enum class RowFault {
    None,       // every field holds a number
    Empty,      // at least one field is the empty text
    NotNumber,  // none is empty, at least one is not a number
};

// An empty field is reported before a field that is not a number, whichever comes first.
RowFault CheckRow(std::span<const std::string> texts, char separator);

// The message for a failed row, titled "Attenzione!" with the warning icon.
Message RowFaultMessage(RowKind kind, RowFault fault);

// The field to correct: the first one, in reading order, that fails the test again.
std::optional<int> FirstEmptyField(std::span<const std::string> texts);
std::optional<int> FirstNonNumericField(std::span<const std::string> texts, char separator);

}  // namespace simplesso
