#include "setup.h"

#include <gtest/gtest.h>

#include "recording_window.h"

namespace simplesso {
namespace {

using testing_support::Problem;
using testing_support::RecordingWindow;
using testing_support::RowTexts;
using Texts = std::vector<std::string>;

const ProblemTexts kTyped =
    Problem({"-4", "6", "2,5"},
            {{{"2", "1", "3", "18"}, {"3,0", "+3", " 3", "8"}, {"3", "1", "1E3", "15"}}});

TEST(ImpostaTabella, WritesEveryCellOfTheInitialTableauWithTheTextsAsTyped) {
    Grid grid;
    RecordingWindow window;
    ImpostaTabella(grid, kTyped, window);

    EXPECT_EQ(RowTexts(grid, 0, 0, 8), (Texts{"", "", "x1", "x2", "x3", "x4", "x5", "x6", ""}));
    EXPECT_EQ(RowTexts(grid, 1, 0, 8), (Texts{"0", "x4", "2", "1", "3", "1", "0", "0", "18"}));
    EXPECT_EQ(RowTexts(grid, 2, 0, 8), (Texts{"0", "x5", "3,0", "+3", " 3", "0", "1", "0", "8"}));
    EXPECT_EQ(RowTexts(grid, 3, 0, 8), (Texts{"0", "x6", "3", "1", "1E3", "0", "0", "1", "15"}));
    EXPECT_EQ(RowTexts(grid, 4, 0, 8), Texts(9, ""));
    EXPECT_EQ(RowTexts(grid, 5, 0, 8), (Texts{"", "Cr:", "-4", "6", "2,5", "0", "0", "0", ""}));
    EXPECT_EQ(RowTexts(grid, 6, 0, 8),
              (Texts{"", "DELTA r:", "-4", "6", "2,5", "0", "0", "0", ""}));
    EXPECT_EQ(RowTexts(grid, 7, 0, 8), Texts(9, ""));
    EXPECT_EQ(RowTexts(grid, 8, 0, 8),
              (Texts{"", "Soluzione:", "0", "0", "0", "18", "8", "15", ""}));
    EXPECT_EQ(RowTexts(grid, 9, 0, 8), (Texts{"", "Z =", "0", "", "", "", "", "", ""}));
    EXPECT_EQ(window.enabled, 1);
    EXPECT_TRUE(window.messages.empty());
}

TEST(ImpostaTabella, SetsBoldAndAlignmentOfAllNinetyCellsAndEndsOnTheObjectiveValue) {
    Grid grid;
    RecordingWindow window;
    ImpostaTabella(grid, kTyped, window);
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            const bool header = r == 0 || c <= 1;
            int alignment = kAlignCentreCentre;
            if (c == 1 && r >= 5) {
                alignment = kAlignRightTop;
            } else if (r == 9 && c == 2) {
                alignment = kAlignLeftTop;
            }
            EXPECT_EQ(grid.At(r, c).bold, header) << r << "," << c;
            EXPECT_EQ(grid.At(r, c).alignment, alignment) << r << "," << c;
            EXPECT_FALSE(grid.At(r, c).background) << r << "," << c;
        }
    }
    EXPECT_EQ(grid.Row(), 9);
    EXPECT_EQ(grid.Col(), 2);
}

TEST(ImpostaTabella, AgainRestoresWhatItWritesAndKeepsEverythingElse) {
    Grid grid;
    RecordingWindow window;
    ImpostaTabella(grid, kTyped, window);
    Grid fresh(grid);

    // What a run of steps and stray writes could leave behind.
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            grid.SetRow(r);
            grid.SetCol(c);
            grid.SetCellBold(r % 2 == 0);
            grid.SetCellAlignment(8);
            grid.SetTextMatrix(r, c, "old");
        }
    }
    grid.SetRow(2);
    grid.SetCol(3);
    grid.SetCellBackColor(kCyan);
    ImpostaTabella(grid, kTyped, window);

    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            const bool written = !fresh.TextMatrix(r, c).empty();
            EXPECT_EQ(grid.TextMatrix(r, c), written ? fresh.TextMatrix(r, c) : "old")
                << r << "," << c;
            EXPECT_EQ(grid.At(r, c).bold, fresh.At(r, c).bold);
            EXPECT_EQ(grid.At(r, c).alignment, fresh.At(r, c).alignment);
        }
    }
    EXPECT_EQ(grid.At(2, 3).background, kCyan);
    EXPECT_EQ(window.enabled, 2);
}

}  // namespace
}  // namespace simplesso
