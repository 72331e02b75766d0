// The explanation line: why a pivot entered and left, what the next press will do and why the
// lesson ended, always in the texts the grid shows so that the student finds every number.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "snapshot.h"

namespace simplesso {

// A cell's text as shown, without the blank the step puts before non-negative values.
std::string ShownText(const Grid& grid, int row, int col);

// Whether the variable of a grid column (2-7) is named in the basis column.
bool InBasis(const Grid& grid, int col);

// One constraint row of the ratio test on a column, with the texts as shown.
struct RowRatio {
    std::string basic;  // the row's basic variable, "x5"
    std::string known;  // known term text
    std::string entry;  // entry text in the column
    std::optional<float> entryValue;
    std::optional<float> quotient;  // only for a row that competes, as the step computes it

    bool Competes() const { return quotient.has_value(); }
    // "8 / 4 = 2"; only for a row that competes.
    std::string Text(char separator) const;
};

RowRatio RatioOf(const Grid& grid, int row, int col, char separator);

// "Entra x2: il suo DELTA r (6) è il più grande. Esce x5: 8 / 4 = 2 è il rapporto più piccolo."
std::string ExplainPivot(const Grid& before, PivotCell pivot, char separator);

// One line per constraint row for the tooltip: "x4: 18 / 2 = 9" or why the row does not compete.
std::vector<std::string> Quotients(const Grid& before, int col, char separator);

// What the next press will do: its pivot, or that it will end the lesson or find it unbounded.
std::string ExplainNext(const Grid& grid, const FormState& state, char separator);

// Why the lesson shown has ended; empty while it has not.
std::string ExplainEnd(const Grid& grid, const FormState& state, char separator);

}  // namespace simplesso
