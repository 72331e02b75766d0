// The grid model: formats act on the current cell, indexes outside the grid are refused, and
// taking over another grid's content tells the listener only what differs.
#include "grid.h"

#include <gtest/gtest.h>

#include <stdexcept>
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
// the grid in one thing. The header row and the two label columns are the fixed cells.
TEST(Grid, EqualOnlyWhenEverythingShownIsAndKnowsItsFixedCells) {
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
    const std::tuple<int, int, bool> cells[] = {
        {0, 0, true}, {0, 5, true}, {3, 1, true}, {3, 2, false}, {1, 8, false}};
    for (const auto& [row, col, fixed] : cells) {
        EXPECT_EQ(Grid::IsFixed(row, col), fixed) << row << ", " << col;
    }
}

// The window reads an alignment code as 3 * horizontal + vertical.
TEST(Grid, AlignmentCodesAreHorizontalThreeTimesPlusVertical) {
    const std::pair<int, std::pair<int, int>> codes[] = {{kAlignLeftTop, {0, 0}},
                                                         {kAlignLeftCentre, {0, 1}},
                                                         {kAlignCentreCentre, {1, 1}},
                                                         {kAlignRightTop, {2, 0}}};
    for (const auto& [code, place] : codes) {
        EXPECT_EQ(code, 3 * place.first + place.second);
    }
}

// A change of size keeps every cell that stays where it was, narrows the number columns only
// when more of them than today's must share the tableau's width, keeps the current cell inside,
// and a grid too small for one number cell is refused. Taking over a grid of another size takes
// its size, row 0 and column 0 included.
TEST(Grid, ChangesSizeKeepingItsCellsInPlace) {
    Grid grid;
    grid.SetTextMatrix(0, 0, "h");
    grid.SetTextMatrix(9, 8, "z");
    grid.SetTextMatrix(2, 3, "a");
    grid.SetColWidth(0, 700);
    grid.SetRow(9);
    grid.SetCol(8);
    // Fourteen number columns share the width of today's seven, 7 x 960 twips.
    const int rows[] = {12, 12, 5, Grid::kRows};
    const int cols[] = {Grid::kCols, 16, 6, Grid::kCols};
    const int widths[] = {960, 480, 960, 960};
    int row = 9, col = 8;  // the current cell, pulled inside when the grid shrinks
    for (int i = 0; i < 4; ++i) {
        row = std::min(row, rows[i] - 1);
        col = std::min(col, cols[i] - 1);
        grid.SetSize(rows[i], cols[i]);
        EXPECT_EQ(grid.Rows(), rows[i]);
        EXPECT_EQ(grid.Cols(), cols[i]);
        EXPECT_EQ(grid.TextMatrix(0, 0), "h");
        EXPECT_EQ(grid.TextMatrix(2, 3), "a");
        EXPECT_EQ(grid.Row(), row);
        EXPECT_EQ(grid.Col(), col);
        EXPECT_EQ(grid.ColWidth(0), 700);
        EXPECT_EQ(grid.ColWidth(cols[i] - 1), widths[i]);
        EXPECT_EQ(grid.ColWidth(Grid::kFixedCols), widths[i]);
    }
    EXPECT_EQ(grid.TextMatrix(9, 8), "");  // cut off at 5 x 6, empty when it grew back
    for (const auto& [r, c] : {std::pair{1, 9}, {0, 3}, {2, 2}}) {
        EXPECT_THROW(grid.SetSize(r, c), std::out_of_range) << r << " x " << c;
    }

    Grid wide(11, 12);
    wide.SetTextMatrix(0, 0, "H");
    wide.SetTextMatrix(10, 11, "w");
    grid.TakeContentOf(wide);
    EXPECT_TRUE(grid == wide);
    EXPECT_EQ(grid.TextMatrix(0, 0), "H");
    wide.SetTextMatrix(0, 1, "K");  // the same size now: only what differs is taken
    grid.TakeContentOf(wide);
    EXPECT_EQ(grid.TextMatrix(0, 1), "K");
}

}  // namespace
}  // namespace simplesso
