// The tableau grid as assistive technology meets it: a table of its cells and nothing else, cell
// (r, c) being the model's cell (r, c) and child r * columns + c. The view's headers are hidden,
// so they are left out instead of being announced as empty header cells.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTableView;

namespace simplesso {

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit GridAccessible(QTableView* view);
    ~GridAccessible() override;

    // The child number of a model cell, for the events that name one.
    static int ChildIndex(const QModelIndex& index);

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    // Rows or columns came or went: every cell handed out so far may stand elsewhere now.
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropCells(); }

  private:
    QTableView* View() const;
    void DropCells() const;
    bool SelectLine(int row, int column, bool select);

    mutable QHash<int, QAccessible::Id> cells_;
};

}  // namespace simplesso
