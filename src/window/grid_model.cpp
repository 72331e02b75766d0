#include "grid_model.h"

#include <QApplication>
#include <QBrush>
#include <QStyle>
#include <QFontMetrics>
#include <QString>
#include <algorithm>

#include "appearance.h"
#include "layout.h"

namespace simplesso {

GridModel::GridModel(Grid& grid, QFont font, QColor headerColour, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      font_(font),
      boldFont_(font),
      headerColour_(headerColour) {
    boldFont_.setBold(true);
    grid_.SetListener(this);
}

GridModel::~GridModel() {
    grid_.SetListener(nullptr);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Cols();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Cell& cell = grid_.At(index.row(), index.column());
    switch (role) {
        case Qt::DisplayRole:
            return Elided(index.row(), index.column());
        case Qt::AccessibleTextRole:
            return ShownText(index.row(), index.column());
        case Qt::ToolTipRole: {
            const QString whole = ShownText(index.row(), index.column());
            return Elided(index.row(), index.column()) == whole ? QVariant() : QVariant(whole);
        }
        case Qt::FontRole:
            // An empty cell shows no text, so it asks for no face: the grid's own face is
            // loaded only once there is a number to show, not for the empty grid at start.
            if (cell.text.empty()) {
                return {};
            }
            return cell.bold ? boldFont_ : font_;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Alignment(cell.alignment));
        case Qt::BackgroundRole:
            if (cell.background) {
                return QBrush(ToQColor(*cell.background));
            }
            if (Grid::IsFixed(index.row(), index.column())) {
                return QBrush(headerColour_);
            }
            return {};
        default:
            return {};
    }
}

void GridModel::SetOverlay(Overlay overlay) {
    overlay_ = std::move(overlay);
    emit dataChanged(index(0, 0), index(grid_.Rows() - 1, grid_.Cols() - 1));
}

QString GridModel::ShownText(int row, int col) const {
    if (overlay_) {
        if (const auto text = overlay_(row, col)) {
            return QString::fromStdString(*text);
        }
    }
    return QString::fromStdString(grid_.TextMatrix(row, col));
}

// A number wider than its column is shortened so that it never reads as another; its tooltip
// then holds all of it. The view itself never elides (it would cut an exponent off).
QString GridModel::Elided(int row, int col) const {
    const QString whole = ShownText(row, col);
    if (whole.isEmpty()) {
        return whole;
    }
    // The item delegate keeps this margin on each side of a cell's text.
    const int margin = QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const QFontMetrics metrics(grid_.At(row, col).bold ? boldFont_ : font_);
    return FittedText(whole, metrics, ColumnPixels(col) - 2 * margin);
}

void GridModel::SetExtraWidth(int twips) {
    if (twips == extraWidth_) {
        return;
    }
    extraWidth_ = twips;
    emit widthsChanged();
    emit dataChanged(index(0, 0), index(grid_.Rows() - 1, grid_.Cols() - 1));
}

int GridModel::ColumnPixels(int col) const {
    const int own = grid_.ColWidth(col);
    const int numberColumns = grid_.Cols() - Grid::kFixedCols;
    if (col < Grid::kFixedCols || extraWidth_ <= 0) {
        return layout::Px(own);
    }
    const int shared = (Grid::kNumberArea + extraWidth_) / numberColumns;
    return layout::Px(std::max(own, std::min(Grid::kDefaultColWidth, shared)));
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

Qt::Alignment GridModel::Alignment(int code) {
    static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                        Qt::AlignRight};
    static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                      Qt::AlignBottom};
    return kHorizontal[code / 3] | kVertical[code % 3];
}

QColor GridModel::ToQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void GridModel::CellChanged(int row, int col) {
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i);
}

void GridModel::ColumnWidthChanged(int col) {
    emit columnWidthChanged(col);
}

void GridModel::SizeChanged() {
    beginResetModel();
    endResetModel();
    emit sizeChanged();
}

void GridModel::CurrentCellChanged() {
    emit currentCellChanged(grid_.Row(), grid_.Col());
}

}  // namespace simplesso
