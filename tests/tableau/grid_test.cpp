// The grid model: formats act on the current cell, indexes outside the grid are refused, and
// taking over another grid's content tells the listener only what differs.
#include "grid.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace simplesso {
namespace {

// What a listener heard: a cell, a column's width as (-1, column), the current cell as (-1, -1).
using Heard = std::vector<std::pair<int, int>>;
struct Log : GridListener {
    void CellChanged(int row, int col) override { heard.push_back({row, col}); }
    void ColumnWidthChanged(int col) override { heard.push_back({-1, col}); }
    void CurrentCellChanged() override { heard.push_back({-1, -1}); }
    Heard heard;
};

TEST(Grid, FormatsTheCurrentCellRefusesCellsOutsideAndReportsOnlyDifferences) {
    Grid grid;
    grid.SetRow(3);
    grid.SetCol(5);
    grid.SetCellBold(true);
    grid.SetCellAlignment(kAlignRightTop);
    grid.SetCellBackColor(kCyan);
    EXPECT_EQ(grid.At(3, 5), (Cell{"", true, kAlignRightTop, kCyan}));
    EXPECT_THROW(grid.SetRow(10), std::out_of_range);
    EXPECT_THROW(grid.SetCol(-1), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(0, 9, "x"), std::out_of_range);
    EXPECT_THROW(grid.SetCellAlignment(9), std::out_of_range);

    Grid copy(grid);
    copy.SetTextMatrix(2, 2, "b");
    copy.SetCol(6);
    copy.SetCellBackColor(kWhite);
    Log log;
    grid.SetListener(&log);
    grid.TakeContentOf(copy);
    EXPECT_EQ(log.heard, (Heard{{2, 2}, {3, 6}, {-1, -1}}));
    EXPECT_TRUE(grid == copy);
}

// Two grids are equal only when everything a view shows of them is: each variant differs from
// the grid in one thing. The header row and the two label columns are the fixed cells, and the
// window reads an alignment code as 3 * horizontal + vertical (0 left or top, 1 centre, 2 right).
TEST(Grid, EqualOnlyWhenEverythingShownIsWithItsFixedCellsAndAlignments) {
    const Grid grid;
    EXPECT_TRUE(grid == Grid(grid));
    std::vector<Grid> variants(6, grid);
    variants[0].SetSize(Grid::kRows + 1, Grid::kCols);
    variants[1].SetSize(Grid::kRows, Grid::kCols + 1);
    variants[2].SetTextMatrix(4, 4, "1");
    variants[3].SetColWidth(3, 100);
    variants[4].SetRow(2);
    variants[5].SetCol(3);
    for (const Grid& variant : variants) {
        EXPECT_FALSE(variant == grid);
    }
    EXPECT_EQ(std::vector({Grid::IsFixed(0, 0), Grid::IsFixed(0, 5), Grid::IsFixed(3, 1),
                           Grid::IsFixed(3, 2), Grid::IsFixed(1, 8)}),
              std::vector({true, true, true, false, false}));
    EXPECT_EQ(std::vector({kAlignLeftTop, kAlignLeftCentre, kAlignCentreCentre, kAlignRightTop}),
              std::vector({0, 1, 4, 6}));
}

// A change of size keeps every cell that stays where it was, narrows the number columns only
// when more of them than today's seven must share their width (7 x 960 twips), keeps the current
// cell inside, and a grid too small for one number cell is refused. Taking over a grid of
// another size takes its size, row 0 and column 0 included.
TEST(Grid, ChangesSizeKeepingItsCellsInPlace) {
    Grid grid;
    grid.SetTextMatrix(0, 0, "h");
    grid.SetTextMatrix(9, 8, "z");
    grid.SetTextMatrix(2, 3, "a");
    grid.SetColWidth(0, 700);
    grid.SetRow(9);
    grid.SetCol(8);
    const std::array<int, 3> sizes[] = {{12, 9, 960}, {12, 16, 480}, {5, 6, 960}, {10, 9, 960}};
    int row = 9, col = 8;  // the current cell, pulled inside when the grid shrinks
    for (const auto& [rows, cols, width] : sizes) {
        row = std::min(row, rows - 1);
        col = std::min(col, cols - 1);
        grid.SetSize(rows, cols);
        EXPECT_EQ(std::tuple(grid.Rows(), grid.Cols(), grid.TextMatrix(0, 0), grid.TextMatrix(2, 3),
                             grid.Row(), grid.Col(), grid.ColWidth(0), grid.ColWidth(2),
                             grid.ColWidth(cols - 1), grid.At(rows - 1, cols - 1).bold),
                  std::tuple(rows, cols, "h", "a", row, col, 700, width, width, false));
    }
    EXPECT_EQ(grid.TextMatrix(9, 8), "");  // cut off at 5 x 6, empty when it grew back
    for (const auto& [r, c] : {std::pair{1, 9}, {0, 3}, {2, 2}}) {
        EXPECT_THROW(grid.SetSize(r, c), std::out_of_range) << r << " x " << c;
    }
    EXPECT_NO_THROW(Grid(2, 3));  // one number cell is enough

    Grid wide(11, 12);
    wide.SetTextMatrix(0, 0, "H");
    wide.SetTextMatrix(10, 11, "w");
    grid.TakeContentOf(wide);
    EXPECT_TRUE(grid == wide);
    wide.SetTextMatrix(0, 1, "K");  // the same size now: only what differs is taken
    grid.TakeContentOf(wide);
    EXPECT_EQ(grid.TextMatrix(0, 1), "K");
}

}  // namespace
}  // namespace simplesso
