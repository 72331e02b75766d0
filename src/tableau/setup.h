// Builds the initial tableau from the texts of the input fields.
#pragma once

#include <array>
#include <string>

#include "form_state.h"
#include "grid.h"

namespace simplesso {

// The fifteen texts the tableau is built from (the objective's known term plays no part).
struct ProblemTexts {
    std::array<std::string, 3> objective;                  // c1, c2, c3
    std::array<std::array<std::string, 3>, 3> constraint;  // constraint[r][v]: a(r+1)(v+1)
    std::array<std::string, 3> known;                      // b1, b2, b3
};

// "x1" ... "x6": the name of a variable as the tableau shows it.
std::string VariableName(int index);

// Writes headers, labels, the slack basis and the field texts unchanged, sets bold and alignment
// of all 90 cells, leaves (9, 2) current and enables the step button. Backgrounds stay as they are.
void ImpostaTabella(Grid& grid, const ProblemTexts& fields, WindowHooks& window);

}  // namespace simplesso
