// The window "Branch and bound": the tree of the lesson's integer problem, solved exactly, as an
// outline a node a line under its parent, each with its bound, Z, x and verdict, the best one in
// bold; the selected node's last tableau beside it, in fractions or decimals. The tree's words
// are its accessible description. It only shows; the tree comes from the exact side.
#pragma once

#include <QWidget>

#include "branch_and_bound.h"

class QLabel;
class QTableWidget;
class QTreeWidget;

namespace simplesso {

class TreeWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TreeWindow(QWidget* parent = nullptr);

    void ShowTree(integer::Tree tree, bool fractions, char separator);
    // The node shown, its index among the tree's nodes in the order solved; -1 for none.
    int SelectedNode() const;
    void SelectNode(int index);
    // Room for the outline's lines and a tableau of today's size beside the main window.
    QSize sizeHint() const override { return {680, 640}; }

  private:
    void ShowNode(int index);

    integer::Tree tree_;
    bool fractions_ = true;
    char separator_ = '.';
    QTreeWidget* outline_;
    QLabel* node_;
    QTableWidget* tableau_;
};

}  // namespace simplesso
