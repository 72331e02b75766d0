// The window "Branch and bound": the tree of the lesson's integer problem, solved exactly, drawn
// as boxes and lines (a click on a box shows that node) and as an outline a node a line under its
// parent, each with its bound, Z, x and verdict, the best one in bold, the tree's end under them;
// beside them the selected node's last tableau, in fractions or decimals, and for two or three
// variables the region with the node's bounds and its point. The tree's words are the outline's
// and the drawing's accessible description. It only shows; the tree comes from the exact side.
#pragma once

#include <QWidget>

#include <optional>

#include "branch_and_bound.h"
#include "exact_problem.h"

class QLabel;
class QScrollArea;
class QTableWidget;
class QTreeWidget;

namespace simplesso {

class RegionWindow;
class TreeDrawing;

class TreeWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TreeWindow(QWidget* parent = nullptr);

    // `problem` is the tree's root problem, exactly, for the nodes' regions.
    void ShowTree(integer::Tree tree, std::optional<ExactProblem> problem, bool fractions,
                  char separator);
    // The region of the node shown; hidden where the problem has more than three variables.
    RegionWindow* Region() const { return region_; }
    // The node shown, its index among the tree's nodes in the order solved; -1 for none.
    int SelectedNode() const;
    // A node's box in the drawing, in the drawing's coordinates.
    QRect NodeBox(int index) const;
    void SelectNode(int index);
    // The node's tableau in fractions or in decimals, as "Frazioni" now says.
    void SetFractions(bool fractions);
    // The drawing of the tree, boxes and lines.
    QWidget* Drawing() const;
    // Room for the drawing and the outline beside a tableau of today's size and its region.
    QSize sizeHint() const override { return {1200, 720}; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowNode(int index);
    void ScrollToSelected();

    integer::Tree tree_;
    std::optional<ExactProblem> problem_;
    bool fractions_ = true;
    char separator_ = '.';
    QTreeWidget* outline_;
    QScrollArea* scroll_;
    TreeDrawing* drawing_;
    QLabel* end_;
    QLabel* node_;
    QTableWidget* tableau_;
    RegionWindow* region_;
};

}  // namespace simplesso
