#include "grid.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace simplesso {
namespace {

struct Log : GridListener {
    void CellChanged(int row, int col) override { cells.emplace_back(row, col); }
    void ColumnWidthChanged(int col) override { widths.push_back(col); }
    void CurrentCellChanged() override { ++current; }
    std::vector<std::pair<int, int>> cells;
    std::vector<int> widths;
    int current = 0;
};

TEST(Grid, FormatsActOnTheCurrentCellAndTextsDoNotMoveIt) {
    Grid grid;
    grid.SetRow(3);
    grid.SetCol(5);
    grid.SetCellBold(true);
    grid.SetCellAlignment(kAlignRightTop);
    grid.SetCellBackColor(kCyan);
    grid.SetTextMatrix(7, 1, "Z");
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 5);
    EXPECT_EQ(grid.At(3, 5), (Cell{"", true, kAlignRightTop, kCyan}));
    EXPECT_EQ(grid.At(7, 1), (Cell{"Z", false, kAlignLeftCentre, std::nullopt}));
    EXPECT_EQ(grid.TextMatrix(0, 0), "");
}

TEST(Grid, RefusesCellsOutsideTheTenByNine) {
    Grid grid;
    EXPECT_THROW(grid.SetRow(10), std::out_of_range);
    EXPECT_THROW(grid.SetCol(-1), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(0, 9, "x"), std::out_of_range);
    EXPECT_THROW(grid.SetCellAlignment(9), std::out_of_range);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
}

TEST(Grid, ListenerHearsEveryChangeAndTakingContentReportsOnlyDifferences) {
    Grid grid;
    Log log;
    grid.SetListener(&log);
    grid.SetTextMatrix(1, 2, "a");
    grid.SetColWidth(0, 700);
    grid.SetRow(4);
    EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(log.widths, std::vector<int>{0});
    EXPECT_EQ(grid.ColWidth(0), 700);
    EXPECT_EQ(grid.ColWidth(1), Grid::kDefaultColWidth);

    Grid copy(grid);
    copy.SetTextMatrix(2, 2, "b");  // the copy has no listener
    copy.SetCol(6);
    copy.SetCellBackColor(kWhite);
    EXPECT_EQ(log.cells.size(), 1u);

    log = Log{};
    grid.TakeContentOf(copy);
    EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>{{2, 2}, {4, 6}}));
    EXPECT_EQ(log.current, 1);
    EXPECT_TRUE(grid == copy);
}

}  // namespace
}  // namespace simplesso
