// The exact tableau beside the grid, in the grid's own coordinates: built from the field texts
// as the set-up writes them (in the same shape), and taken through every move the grid makes,
// in rationals. It decides nothing; it only tells what the grid's values are exactly.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

#include "form_state.h"
#include "problem.h"
#include "shape.h"

namespace simplesso {

// The exact values at the pivot the grid makes, before it is made.
struct PivotCheck {
    mpq_class reducedCost;  // DELTA r of the entering variable
    mpq_class entry;        // the pivot itself
    mpq_class known;        // the known term of the leaving row
};

class Shadow {
  public:
    // Empty when a text does not read exactly. The rows from firstDualRow on are written as the
    // dual simplex writes them (see TurnRows).
    static std::optional<Shadow> Build(const ProblemTexts& typed, char separator,
                                       int firstDualRow);
    static std::optional<Shadow> Build(const ProblemTexts& typed, char separator) {
        return Build(typed, separator, typed.Rows());
    }

    // A variable column entering, a constraint row 1..m leaving (any other cell throws
    // out_of_range). Once the shadow is lost its values no longer follow the grid: ask Lost()
    // first.
    PivotCheck Check(int col, int row) const;
    // The same rewrite as the step, exactly. An exactly zero pivot cannot be made: the shadow is
    // then lost and stays so.
    void Pivot(int col, int row);
    // A redundant row emptied, as the grid empties it.
    void DropRow(int row);
    // From the first phase's tableau to the second's: the artificial columns go, the objective's
    // costs come in, DELTA r and Z are computed again.
    void SwitchPhase();
    // The problem's last row, added after an optimum, under the last constraint row with a new
    // slack column before the known terms, "≤" as the dual simplex writes it. A text that does not
    // read exactly loses the shadow.
    void AddRow(const ProblemTexts& problem, char separator);
    // A Gomory cut, already in terms of the basis: its entry in each variable column, its known
    // term, under the last constraint row with a new slack column before the known terms.
    void AddCut(std::vector<mpq_class> entries, const mpq_class& known);
    // The last constraint row rewritten in terms of the basis, as the step rewrites it.
    void RewriteAddedRow();
    bool Lost() const { return lost_; }

    // The exact value of a number cell (constraint rows: column 0 and the variables' and known
    // term's columns; "Cr:", "DELTA r:" and "Soluzione:": the variables' columns; the objective
    // in its row's column 2); empty for any other cell, for a dropped row or once lost. It
    // points into the shadow and holds until its next move.
    const mpq_class* Value(int row, int col) const;
    // The grid column of the variable basic in a constraint row 1..m, or none for a dropped row.
    std::optional<int> BasicColumn(int row) const;

    int Cols() const { return shape_.GridCols(); }
    int Rows() const { return rows_.GridRows(); }
    const TableauRows& Layout() const { return rows_; }
    int KnownColumn() const { return shape_.KnownColumn(); }
    const TableauShape& Shape() const { return shape_; }
    Phase CurrentPhase() const { return shape_.phase; }
    // The first phase minimises W; the others go the objective's way.
    bool Minimising() const {
        return shape_.phase == Phase::First || direction_ == Direction::Minimise;
    }
    bool IsArtificial(int col) const;
    // The values of x1 ... xn in the current basic solution.
    std::vector<mpq_class> Point() const;

  private:
    Shadow() = default;
    bool IsNumberCell(int row, int col) const;
    mpq_class& At(int row, int col) { return cells_[row * Cols() + col]; }
    const mpq_class& Get(int row, int col) const { return cells_[row * Cols() + col]; }
    void Eliminate(int row, int col, int pivotRow);
    void InsertRow(std::vector<mpq_class> entries, const mpq_class& known);
    void RewriteSolution();
    void RewriteObjective();
    void RecomputeCostRows();
    // a * b in a reused temporary, which asks nothing of the allocator, or none when either is
    // zero: most of a tableau is zeros. It holds until the next product.
    const mpq_class* Product(const mpq_class& a, const mpq_class& b);
    void SubtractProduct(mpq_class& cell, const mpq_class& a, const mpq_class& b) {
        if (const mpq_class* product = Product(a, b)) {
            cell -= *product;
        }
    }

    TableauShape shape_;
    TableauRows rows_;
    Direction direction_ = Direction::Maximise;
    std::vector<mpq_class> objective_;
    std::vector<mpq_class> cells_;
    std::vector<std::optional<int>> basic_;  // per constraint row
    bool lost_ = false;
    mpq_class product_;
};

}  // namespace simplesso
