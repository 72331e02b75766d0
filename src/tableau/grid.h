// The pivot grid: rows of text cells with per-cell bold, alignment and background, column widths
// in twips and a current cell. It is the only store of the tableau. It has 10 rows and 9 columns,
// today's tableau of three variables and three constraints, unless a tableau asks for others.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace simplesso {

// 24-bit colour with red in the low byte.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kCyan = 0xFFFF00;

// Alignment code 3 * horizontal + vertical (0 left/top, 1 centre, 2 right/bottom).
inline constexpr int kAlignLeftTop = 0;
inline constexpr int kAlignLeftCentre = 1;
inline constexpr int kAlignCentreCentre = 4;
inline constexpr int kAlignRightTop = 6;

struct Cell {
    std::string text;
    bool bold = false;
    int alignment = kAlignLeftCentre;
    // Empty until set: the view then paints the header band or the window background.
    std::optional<Colour> background;

    bool operator==(const Cell&) const = default;
};

// Told about every change, so that a view can follow the model.
class GridListener {
  public:
    virtual ~GridListener() = default;
    virtual void CellChanged(int row, int col) = 0;
    virtual void ColumnWidthChanged(int col) = 0;
    virtual void CurrentCellChanged() = 0;
    // The number of rows or columns changed: every cell may have moved.
    virtual void SizeChanged() {}
};

class Grid {
  public:
    static constexpr int kRows = 10;  // the tableau of three constraints
    static constexpr int kCols = 9;   // the tableau of three variables and three slacks
    static constexpr int kFixedRows = 1;
    static constexpr int kFixedCols = 2;
    static constexpr int kDefaultColWidth = 960;  // twips
    static constexpr int kRowHeight = 240;        // twips

    // The width the number columns share when there are more of them than kCols - 2.
    static constexpr int kNumberArea = (kCols - 2) * kDefaultColWidth;

    Grid() : cells_(kRows * kCols), widths_(kCols, kDefaultColWidth) {}
    Grid(int rows, int cols);
    // A copy carries the cells, widths and current cell, never the listener.
    Grid(const Grid& other);
    Grid& operator=(const Grid& other) = delete;

    void SetListener(GridListener* listener) { listener_ = listener; }

    // Makes a cell current; the three format setters act on it alone.
    void SetRow(int row);
    void SetCol(int col);
    int Row() const { return row_; }
    int Col() const { return col_; }

    void SetCellBold(bool bold);
    void SetCellAlignment(int code);
    void SetCellBackColor(Colour colour);

    // Reads or writes any cell without moving the current cell.
    void SetTextMatrix(int row, int col, std::string text);
    const std::string& TextMatrix(int row, int col) const { return At(row, col).text; }

    void SetColWidth(int col, int twips);
    int ColWidth(int col) const;

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Keeps every cell whose row and column are still there; new cells are empty. The number
    // columns (2 onwards) share kNumberArea when they are more than today's seven, and take the
    // default width again when they are seven; columns 0 and 1 keep theirs.
    void SetSize(int rows, int cols);
    void SetCols(int cols) { SetSize(rows_, cols); }
    // One more row before `row` and one more column before `col`, their cells empty; every
    // other cell moves with its neighbours, the widths follow as SetSize sets them, and the
    // current cell moves with its cell.
    void Insert(int row, int col);

    const Cell& At(int row, int col) const;
    static bool IsFixed(int row, int col) { return row < kFixedRows || col < kFixedCols; }

    // Takes over every cell and the current cell of another grid (widths stay), telling the
    // listener only about what differs.
    void TakeContentOf(const Grid& other);

    bool operator==(const Grid& other) const {
        return rows_ == other.rows_ && cols_ == other.cols_ && cells_ == other.cells_ &&
               widths_ == other.widths_ && row_ == other.row_ && col_ == other.col_;
    }

  private:
    Cell& Current();
    Cell& Mutable(int row, int col);
    void Changed(int row, int col);

    std::vector<Cell> cells_;
    std::vector<int> widths_;
    int rows_ = kRows;
    int cols_ = kCols;
    int row_ = kFixedRows;
    int col_ = kFixedCols;
    GridListener* listener_ = nullptr;
};

}  // namespace simplesso
