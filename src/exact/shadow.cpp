#include "shadow.h"

#include <stdexcept>
#include <string>

#include "exact_number.h"

namespace simplesso {
namespace {

// The grid never pivots elsewhere; a caller that asks for it has lost track of the lesson.
void CheckPivotCell(int col, int row) {
    if (col < 2 || col > 7 || row < 1 || row > 3) {
        throw std::out_of_range("no pivot at row " + std::to_string(row) + ", column " +
                                std::to_string(col));
    }
}

}  // namespace

std::optional<Shadow> Shadow::Build(const ProblemTexts& fields, char separator) {
    Shadow s;
    for (int v = 0; v < 3; ++v) {
        const auto c = ReadExact(fields.objective[v], separator);
        if (!c) {
            return std::nullopt;
        }
        s.At(5, v + 2) = s.At(6, v + 2) = *c;
    }
    for (int r = 1; r <= 3; ++r) {
        for (int v = 0; v < 3; ++v) {
            const auto a = ReadExact(fields.constraint[r - 1][v], separator);
            if (!a) {
                return std::nullopt;
            }
            s.At(r, v + 2) = *a;
        }
        const auto b = ReadExact(fields.known[r - 1], separator);
        if (!b) {
            return std::nullopt;
        }
        s.At(r, 4 + r) = 1;
        s.At(r, 8) = s.At(8, 4 + r) = *b;
    }
    return s;
}

PivotCheck Shadow::Check(int col, int row) const {
    CheckPivotCell(col, row);
    return {cells_[6][col], cells_[row][col]};
}

void Shadow::Pivot(int col, int row) {
    CheckPivotCell(col, row);
    if (lost_ || cells_[row][col] == 0) {
        lost_ = true;
        return;
    }
    basic_[row - 1] = col;
    At(row, 0) = cells_[6][col];
    const mpq_class pivot = cells_[row][col];
    for (int c = 2; c <= 8; ++c) {
        At(row, c) /= pivot;
    }
    for (int r = 1; r <= 3; ++r) {
        if (r != row) {
            Eliminate(r, col, row);
        }
    }
    RewriteBottom(row);
}

// The pivot row now holds 1 in the pivot column, so the factor is the row's own entry there.
void Shadow::Eliminate(int row, int col, int pivotRow) {
    const mpq_class factor = cells_[row][col];
    for (int c = 2; c <= 8; ++c) {
        At(row, c) -= factor * cells_[pivotRow][c];
    }
}

// Solution, reduced costs and objective, as the step writes them after the rows.
void Shadow::RewriteBottom(int pivotRow) {
    for (int c = 2; c <= 7; ++c) {
        At(8, c) = 0;
    }
    for (int r = 1; r <= 3; ++r) {
        At(8, basic_[r - 1]) = cells_[r][8];
    }
    for (int c = 2; c <= 7; ++c) {
        At(6, c) -= cells_[pivotRow][0] * cells_[pivotRow][c];
    }
    At(9, 2) = 0;
    for (int c = 2; c <= 4; ++c) {
        At(9, 2) += cells_[5][c] * cells_[8][c];
    }
}

bool Shadow::IsNumberCell(int row, int col) {
    if (row >= 1 && row <= 3) {
        return col == 0 || (col >= 2 && col <= 8);
    }
    if (row == 5 || row == 6 || row == 8) {
        return col >= 2 && col <= 7;
    }
    return row == 9 && col == 2;
}

std::optional<mpq_class> Shadow::Value(int row, int col) const {
    if (lost_ || row < 0 || row >= 10 || col < 0 || col >= 9 || !IsNumberCell(row, col)) {
        return std::nullopt;
    }
    return cells_[row][col];
}

}  // namespace simplesso
