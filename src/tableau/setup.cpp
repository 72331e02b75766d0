#include "setup.h"

#include <string>

namespace simplesso {
namespace {

void Format(Grid& grid, int row, int col) {
    grid.SetRow(row);
    grid.SetCol(col);
}

}  // namespace

std::string VariableName(int index) {
    std::string name = "x";
    name += std::to_string(index);
    return name;
}

void ImpostaTabella(Grid& grid, const ProblemTexts& fields, WindowHooks& window) {
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            Format(grid, r, c);
            grid.SetCellBold(true);
            grid.SetCellAlignment(kAlignCentreCentre);
        }
    }
    for (int r = 1; r < Grid::kRows; ++r) {
        for (int c = 2; c < Grid::kCols; ++c) {
            Format(grid, r, c);
            grid.SetCellBold(false);
        }
    }
    for (int v = 1; v <= 6; ++v) {
        grid.SetTextMatrix(0, v + 1, VariableName(v));
    }
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextMatrix(r, 0, "0");
    }
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextMatrix(r, 1, VariableName(r + 3));
    }
    for (int r = 5; r <= 9; ++r) {
        Format(grid, r, 1);
        grid.SetCellAlignment(kAlignRightTop);
    }
    grid.SetTextMatrix(5, 1, "Cr:");
    grid.SetTextMatrix(6, 1, "DELTA r:");
    grid.SetTextMatrix(8, 1, "Soluzione:");
    for (int r = 1; r <= 3; ++r) {
        for (int v = 0; v < 3; ++v) {
            grid.SetTextMatrix(r, v + 2, fields.constraint[r - 1][v]);
        }
        for (int c = 5; c <= 7; ++c) {
            grid.SetTextMatrix(r, c, c == 4 + r ? "1" : "0");
        }
        grid.SetTextMatrix(r, 8, fields.known[r - 1]);
    }
    Format(grid, 9, 2);
    grid.SetCellAlignment(kAlignLeftTop);
    grid.SetTextMatrix(9, 1, "Z =");
    grid.SetTextMatrix(9, 2, "0");
    for (int row : {5, 6}) {
        for (int v = 0; v < 3; ++v) {
            grid.SetTextMatrix(row, v + 2, fields.objective[v]);
        }
        for (int c = 5; c <= 7; ++c) {
            grid.SetTextMatrix(row, c, "0");
        }
    }
    for (int c = 2; c <= 4; ++c) {
        grid.SetTextMatrix(8, c, "0");
    }
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextMatrix(8, r + 4, fields.known[r - 1]);
    }
    window.EnableStepButton();
}

}  // namespace simplesso
