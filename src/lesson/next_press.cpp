#include "next_press.h"

#include "shape.h"

namespace simplesso {

PredictedPress PredictPress(const Grid& grid, const FormState& state, const ProblemTexts& problem,
                            char separator) {
    PredictedPress next{StepReport{}, Grid(grid), state};
    HeldMessages window;
    next.report = Simplesso(next.grid, next.state, problem, separator, window);
    return next;
}

std::multiset<std::string> BasisOf(const Grid& grid) {
    std::multiset<std::string> basis;
    for (int r = 1; r <= TableauRows::Of(grid.Rows()).LastConstraint(); ++r) {
        basis.insert(grid.TextMatrix(r, 1));
    }
    return basis;
}

bool Minimising(const FormState& state) {
    return state.Fase == Phase::First || state.Verso == Direction::Minimise;
}

}  // namespace simplesso
