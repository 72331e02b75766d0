#include "dual.h"

#include "exact_number.h"

namespace simplesso::sensitivity {

std::string SenseText(Sense sense) {
    switch (sense) {
        case Sense::LessEqual:
            return "≤";
        case Sense::GreaterEqual:
            return "≥";
        case Sense::Equal:
            break;
    }
    return "=";
}

std::string LinearText(const std::vector<mpq_class>& coefficient, std::string_view letter) {
    std::string text;
    for (std::size_t k = 0; k < coefficient.size(); ++k) {
        const mpq_class& a = coefficient[k];
        if (a == 0) {
            continue;
        }
        if (text.empty()) {
            text += a < 0 ? "-" : "";
        } else {
            text += a < 0 ? " - " : " + ";
        }
        const mpq_class magnitude = abs(a);
        if (magnitude != 1) {
            text.append(FractionText(magnitude)).append(" ");
        }
        text.append(letter).append(std::to_string(k + 1));
    }
    return text.empty() ? "0" : text;
}

std::string ConstraintText(const ExactProblem& problem, int row) {
    return std::to_string(row + 1) + ": " + LinearText(problem.a[row], "x") + " " +
           SenseText(problem.sense[row]) + " " + FractionText(problem.b[row]);
}

namespace {

// Weak duality's signs: a price that raises a max problem's Z must be paid for, so a "≤" row of
// a max problem (or a "≥" row of a min one) has a price of at least zero.
DualSign SignOf(Sense sense, Direction direction) {
    if (sense == Sense::Equal) {
        return DualSign::Free;
    }
    const bool up = (sense == Sense::LessEqual) == (direction == Direction::Maximise);
    return up ? DualSign::NonNegative : DualSign::NonPositive;
}

std::string SignText(DualSign sign, int k) {
    const std::string name = "y" + std::to_string(k + 1);
    switch (sign) {
        case DualSign::NonNegative:
            return name + " ≥ 0";
        case DualSign::NonPositive:
            return name + " ≤ 0";
        case DualSign::Free:
            break;
    }
    return name + " libera";
}

}  // namespace

DualProblem BuildDual(const ExactProblem& problem, const std::vector<mpq_class>& y,
                      const std::vector<mpq_class>& x, const std::vector<mpq_class>& rowSlack,
                      const std::vector<mpq_class>& reducedCost) {
    const bool max = problem.direction == Direction::Maximise;
    const int n = problem.Variables();
    const int m = problem.Rows();
    DualProblem d;
    d.direction = max ? Direction::Minimise : Direction::Maximise;
    d.objective = problem.b;
    d.constraintSense = max ? Sense::GreaterEqual : Sense::LessEqual;
    d.rhs = problem.c;
    d.y = y;
    d.w = 0;
    d.constraint.assign(n, std::vector<mpq_class>(m));
    for (int k = 0; k < m; ++k) {
        d.sign.push_back(SignOf(problem.sense[k], problem.direction));
        d.w += problem.b[k] * y[k];
        for (int j = 0; j < n; ++j) {
            d.constraint[j][k] = problem.a[k][j];
        }
    }
    d.lines.push_back((max ? "min W = " : "max W = ") + LinearText(d.objective, "y"));
    for (int j = 0; j < n; ++j) {
        d.lines.push_back(LinearText(d.constraint[j], "y") + " " + SenseText(d.constraintSense) +
                          " " + FractionText(d.rhs[j]));
    }
    std::string signs, solution;
    for (int k = 0; k < m; ++k) {
        signs += (k ? ", " : "") + SignText(d.sign[k], k);
        solution += (k ? ", y" : "y") + std::to_string(k + 1) + " = " + FractionText(y[k]);
    }
    d.lines.push_back(signs);
    d.lines.push_back("Soluzione ottima: " + solution);
    d.lines.push_back("W = " + FractionText(d.w) + " = Z");

    // Each pair multiplies to zero at the optimum: a row with room left has price 0, and a
    // variable away from zero has its dual constraint tight.
    for (int k = 0; k < m; ++k) {
        if (problem.sense[k] == Sense::Equal) {
            continue;
        }
        const std::string n = std::to_string(k + 1);
        d.slackness.push_back("Scarto del vincolo " + n + " = " + FractionText(rowSlack[k]) +
                              ", y" + n + " = " + FractionText(y[k]) + ": prodotto " +
                              FractionText(rowSlack[k] * y[k]));
    }
    for (int j = 0; j < n; ++j) {
        // max: a_j·y - c_j = -DELTA r; min: c_j - a_j·y = DELTA r; both at least zero.
        const mpq_class dualSlack = max ? mpq_class(-reducedCost[j]) : reducedCost[j];
        const std::string n = std::to_string(j + 1);
        d.slackness.push_back("x" + n + " = " + FractionText(x[j]) + ", scarto del vincolo duale " +
                              n + " = " + FractionText(dualSlack) + ": prodotto " +
                              FractionText(x[j] * dualSlack));
    }
    return d;
}

}  // namespace simplesso::sensitivity
