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

}  // namespace
}  // namespace simplesso
