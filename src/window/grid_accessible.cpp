#include "grid_accessible.h"

#include <QItemSelectionModel>
#include <QPointer>
#include <QTableView>

namespace simplesso {
namespace {

class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellAccessible(QTableView* view, const QModelIndex& index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_.isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? index_.data(Qt::AccessibleTextRole).toString() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    QRect rect() const override {
        const QRect r = view_->visualRect(index_);
        return {view_->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = s.focusable = s.extSelectable = true;
        s.selected = isSelected();
        s.focused = view_->selectionModel()->currentIndex() == index_;
        s.invisible = !view_->viewport()->rect().intersects(view_->visualRect(index_));
        return s;
    }

    bool isSelected() const override { return view_->selectionModel()->isSelected(index_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_.column(); }
    int rowIndex() const override { return index_.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<QTableView> view_;
    QPersistentModelIndex index_;
};

}  // namespace

GridAccessible::GridAccessible(QTableView* view) : QAccessibleWidget(view, QAccessible::Table) {}

GridAccessible::~GridAccessible() {
    DropCells();
}

void GridAccessible::DropCells() const {
    for (QAccessible::Id id : std::as_const(cells_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
    cells_.clear();
}

QTableView* GridAccessible::View() const {
    return static_cast<QTableView*>(widget());
}

int GridAccessible::ChildIndex(const QModelIndex& index) {
    return index.row() * index.model()->columnCount() + index.column();
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int GridAccessible::rowCount() const {
    return View()->model()->rowCount();
}

int GridAccessible::columnCount() const {
    return View()->model()->columnCount();
}

int GridAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* GridAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    const QModelIndex cell = View()->model()->index(index / columnCount(), index % columnCount());
    if (const auto found = cells_.constFind(index); found != cells_.constEnd()) {
        // A cell kept from before a change of size may stand for another model cell, or none:
        // it is handed out only while it still is the one asked for.
        QAccessibleInterface* kept = QAccessible::accessibleInterface(*found);
        const QAccessibleTableCellInterface* keptCell = kept ? kept->tableCellInterface() : nullptr;
        if (kept && kept->isValid() && keptCell && keptCell->rowIndex() == cell.row() &&
            keptCell->columnIndex() == cell.column()) {
            return kept;
        }
        QAccessible::deleteAccessibleInterface(*found);
        cells_.erase(found);
    }
    auto* iface = new CellAccessible(View(), cell);
    cells_.insert(index, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QAccessibleTableCellInterface* cell =
        child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this) {
        return -1;
    }
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const QModelIndex index = View()->indexAt(View()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(ChildIndex(index)) : nullptr;
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return child(row * columnCount() + column);
}

int GridAccessible::selectedCellCount() const {
    return int(View()->selectionModel()->selectedIndexes().size());
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : View()->selectionModel()->selectedIndexes()) {
        cells << child(ChildIndex(index));
    }
    return cells;
}

QList<int> GridAccessible::selectedColumns() const {
    QList<int> columns;
    for (const QModelIndex& index : View()->selectionModel()->selectedColumns()) {
        columns << index.column();
    }
    return columns;
}

QList<int> GridAccessible::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : View()->selectionModel()->selectedRows()) {
        rows << index.row();
    }
    return rows;
}

bool GridAccessible::isColumnSelected(int column) const {
    return View()->selectionModel()->isColumnSelected(column);
}

bool GridAccessible::isRowSelected(int row) const {
    return View()->selectionModel()->isRowSelected(row);
}

bool GridAccessible::selectRow(int row) {
    return SelectLine(row, -1, true);
}

bool GridAccessible::selectColumn(int column) {
    return SelectLine(-1, column, true);
}

bool GridAccessible::unselectRow(int row) {
    return SelectLine(row, -1, false);
}

bool GridAccessible::unselectColumn(int column) {
    return SelectLine(-1, column, false);
}

// A whole row (column < 0) or a whole column (row < 0).
bool GridAccessible::SelectLine(int row, int column, bool select) {
    const QAbstractItemModel* model = View()->model();
    const QModelIndex first = model->index(row < 0 ? 0 : row, column < 0 ? 0 : column);
    const QModelIndex last =
        model->index(row < 0 ? rowCount() - 1 : row, column < 0 ? columnCount() - 1 : column);
    if (!first.isValid() || !last.isValid()) {
        return false;
    }
    View()->selectionModel()->select(
        QItemSelection(first, last),
        select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    return true;
}

}  // namespace simplesso
