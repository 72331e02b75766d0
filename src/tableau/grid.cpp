#include "grid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace simplesso {
namespace {

void CheckIndex(int value, int count, const char* what) {
    if (value < 0 || value >= count) {
        throw std::out_of_range(std::string("grid ") + what +
                                " out of range: " + std::to_string(value));
    }
}

}  // namespace

Grid::Grid(int rows, int cols) : Grid() {
    SetSize(rows, cols);
}

Grid::Grid(const Grid& other)
    : cells_(other.cells_),
      widths_(other.widths_),
      rows_(other.rows_),
      cols_(other.cols_),
      row_(other.row_),
      col_(other.col_) {}

void Grid::SetRow(int row) {
    CheckIndex(row, rows_, "row");
    if (row != row_) {
        row_ = row;
        if (listener_) {
            listener_->CurrentCellChanged();
        }
    }
}

void Grid::SetCol(int col) {
    CheckIndex(col, cols_, "column");
    if (col != col_) {
        col_ = col;
        if (listener_) {
            listener_->CurrentCellChanged();
        }
    }
}

void Grid::SetCellBold(bool bold) {
    Current().bold = bold;
    Changed(row_, col_);
}

void Grid::SetCellAlignment(int code) {
    CheckIndex(code, 9, "alignment");
    Current().alignment = code;
    Changed(row_, col_);
}

void Grid::SetCellBackColor(Colour colour) {
    Current().background = colour & 0xFFFFFF;
    Changed(row_, col_);
}

void Grid::SetTextMatrix(int row, int col, std::string text) {
    Mutable(row, col).text = std::move(text);
    Changed(row, col);
}

void Grid::SetColWidth(int col, int twips) {
    CheckIndex(col, cols_, "column");
    widths_[col] = twips;
    if (listener_) {
        listener_->ColumnWidthChanged(col);
    }
}

int Grid::ColWidth(int col) const {
    CheckIndex(col, cols_, "column");
    return widths_[col];
}

const Cell& Grid::At(int row, int col) const {
    CheckIndex(row, rows_, "row");
    CheckIndex(col, cols_, "column");
    return cells_[row * cols_ + col];
}

void Grid::SetSize(int rows, int cols) {
    if (cols < kFixedCols + 1 || rows < kFixedRows + 1) {
        throw std::out_of_range("grid needs a number cell: " + std::to_string(rows) + " by " +
                                std::to_string(cols));
    }
    if (rows == rows_ && cols == cols_) {
        return;
    }
    std::vector<Cell> cells(rows * cols);
    for (int r = 0; r < std::min(rows, rows_); ++r) {
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            cells[r * cols + c] = std::move(cells_[r * cols_ + c]);
        }
    }
    cells_ = std::move(cells);
    if (cols != cols_) {
        const int width = std::min(kDefaultColWidth, kNumberArea / (cols - kFixedCols));
        widths_.resize(cols);
        std::fill(widths_.begin() + kFixedCols, widths_.end(), width);
    }
    rows_ = rows;
    cols_ = cols;
    row_ = std::min(row_, rows_ - 1);
    col_ = std::min(col_, cols_ - 1);
    if (listener_) {
        listener_->SizeChanged();
    }
}

void Grid::Insert(int row, int col) {
    CheckIndex(row, rows_ + 1, "row");
    CheckIndex(col, cols_ + 1, "column");
    const int rows = rows_ + 1;
    const int cols = cols_ + 1;
    std::vector<Cell> cells(rows * cols);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < cols_; ++c) {
            cells[(r < row ? r : r + 1) * cols + (c < col ? c : c + 1)] =
                std::move(cells_[r * cols_ + c]);
        }
    }
    cells_ = std::move(cells);
    widths_.insert(widths_.begin() + col, kDefaultColWidth);
    const int width = std::min(kDefaultColWidth, kNumberArea / (cols - kFixedCols));
    std::fill(widths_.begin() + kFixedCols, widths_.end(), width);
    rows_ = rows;
    cols_ = cols;
    row_ += row_ >= row ? 1 : 0;
    col_ += col_ >= col ? 1 : 0;
    if (listener_) {
        listener_->SizeChanged();
    }
}

void Grid::TakeContentOf(const Grid& other) {
    if (other.cols_ != cols_ || other.rows_ != rows_) {
        cells_ = other.cells_;
        widths_ = other.widths_;
        rows_ = other.rows_;
        cols_ = other.cols_;
        if (listener_) {
            listener_->SizeChanged();
        }
    }
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < cols_; ++c) {
            if (At(r, c) != other.At(r, c)) {
                Mutable(r, c) = other.At(r, c);
                Changed(r, c);
            }
        }
    }
    SetCol(other.col_);
    SetRow(other.row_);
}

Cell& Grid::Current() {
    return Mutable(row_, col_);
}

Cell& Grid::Mutable(int row, int col) {
    return const_cast<Cell&>(At(row, col));
}

void Grid::Changed(int row, int col) {
    if (listener_) {
        listener_->CellChanged(row, col);
    }
}

}  // namespace simplesso
