// One iteration of the simplex method on the tableau that the grid holds as text.
#pragma once

#include "form_state.h"
#include "grid.h"

namespace simplesso {

// Below this a reduced cost does not count as positive and a column entry does not compete in
// the ratio test: single precision leaves residue of this order where exact arithmetic gives 0.
inline constexpr float kResidue = 1e-6f;

// While PrimoPasso is false, shows the end message and changes nothing. Otherwise performs one
// pivot: the whole next tableau is computed first and written only if every value in it could be
// read and computed; on failure a warning is shown and nothing changes. When no reduced cost is
// positive afterwards the end message is shown and PrimoPasso becomes false.
void Simplesso(Grid& grid, FormState& state, char separator, WindowHooks& window);

Message EndMessage();
Message UnboundedMessage(int enteringVariable);
Message StepFailedMessage();

}  // namespace simplesso
