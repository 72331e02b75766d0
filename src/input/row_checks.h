// The checks of an input row (three coefficients and a known term, in that order) and the
// messages that report a failed one. Plain text in, verdicts out: the window shows the message
// and moves the focus.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "form_state.h"

namespace simplesso {

using RowTexts = std::array<std::string, 4>;

enum class RowKind { Objective, Constraint };

enum class RowFault {
    None,       // every field holds a number
    Empty,      // at least one field is the empty text
    NotNumber,  // none is empty, at least one is not a number
};

// An empty field is reported before a field that is not a number, whichever comes first.
RowFault CheckRow(const RowTexts& texts, char separator);

// The message for a failed row, titled "Attenzione!" with the warning icon.
Message RowFaultMessage(RowKind kind, RowFault fault);

// The field to correct: the first one, in reading order, that fails the test again.
std::optional<int> FirstEmptyField(const RowTexts& texts);
std::optional<int> FirstNonNumericField(const RowTexts& texts, char separator);

}  // namespace simplesso
