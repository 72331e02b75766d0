// The exact tableau beside the grid, in the grid's own coordinates: built from the field texts
// as the set-up writes them, and taken through every pivot the grid makes, in rationals. It
// decides nothing; it only tells what the grid's values are exactly.
#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>

#include "setup.h"

namespace simplesso {

// The exact values at the pivot the grid makes, before it is made.
struct PivotCheck {
    mpq_class reducedCost;  // DELTA r of the entering variable
    mpq_class entry;        // the pivot itself
};

class Shadow {
  public:
    // Empty when a text does not read exactly.
    static std::optional<Shadow> Build(const ProblemTexts& fields, char separator);

    // Grid column 2..7 entering, grid row 1..3 leaving (any other cell throws out_of_range).
    // Once the shadow is lost its values no longer follow the grid: ask Lost() first.
    PivotCheck Check(int col, int row) const;
    // The same rewrite as the step, exactly. An exactly zero pivot cannot be made: the shadow is
    // then lost and stays so.
    void Pivot(int col, int row);
    bool Lost() const { return lost_; }

    // The exact value of a number cell (rows 1-3: columns 0 and 2..8; rows 5, 6, 8: columns
    // 2..7; the objective at (9, 2)); empty for any other cell or once lost.
    std::optional<mpq_class> Value(int row, int col) const;
    // The grid column of the variable basic in a constraint row 1..3 ("x1" is column 2).
    int BasicColumn(int row) const { return basic_[row - 1]; }

  private:
    Shadow() = default;
    static bool IsNumberCell(int row, int col);
    mpq_class& At(int row, int col) { return cells_[row][col]; }
    void Eliminate(int row, int col, int pivotRow);
    void RewriteBottom(int pivotRow);

    std::array<std::array<mpq_class, 9>, 10> cells_{};
    std::array<int, 3> basic_{5, 6, 7};
    bool lost_ = false;
};

}  // namespace simplesso
