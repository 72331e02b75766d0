#include "tree_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "exact_number.h"
#include "region.h"
#include "region_window.h"

namespace simplesso {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The labels of the tableau's named rows and columns, as the lesson's grid writes them.
QString Label(const TableauRows& rows, int row) {
    return row == rows.Costs()       ? QStringLiteral("Cr:")
           : row == rows.Reduced()   ? QStringLiteral("DELTA r:")
           : row == rows.Solution()  ? QStringLiteral("Soluzione:")
           : row == rows.Objective() ? QStringLiteral("Z =")
                                     : QString();
}

}  // namespace

TreeWindow::TreeWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Branch and bound");
    outline_ = new QTreeWidget;
    outline_->setObjectName("alberoBranch");
    outline_->setAccessibleName("Albero di branch and bound");
    outline_->setHeaderHidden(true);
    outline_->setColumnCount(1);
    node_ = new QLabel;
    node_->setObjectName("nodoBranch");
    node_->setWordWrap(true);
    node_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    tableau_ = new QTableWidget;
    tableau_->setObjectName("tabellaNodo");
    tableau_->setAccessibleName("Tabella del nodo");
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau_->horizontalHeader()->setVisible(false);
    tableau_->verticalHeader()->setVisible(false);
    // The region's own window, held here as a part of this one.
    region_ = new RegionWindow;
    region_->setWindowFlags(Qt::Widget);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(outline_, 2);
    layout->addWidget(node_);
    layout->addWidget(tableau_, 3);
    layout->addWidget(region_, 4);
    connect(outline_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        ShowNode(item ? item->data(0, Qt::UserRole).toInt() : -1);
    });
}

void TreeWindow::ShowTree(integer::Tree tree, std::optional<ExactProblem> problem,
                          bool fractions, char separator) {
    tree_ = std::move(tree);
    problem_ = std::move(problem);
    region_->setVisible(problem_ && RegionDrawable(*problem_));
    fractions_ = fractions;
    separator_ = separator;
    outline_->clear();
    outline_->setAccessibleDescription(Q(tree_.Description()));
    std::vector<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < tree_.nodes.size(); ++i) {
        const integer::Node& node = tree_.nodes[i];
        auto* item = node.parent < 0 ? new QTreeWidgetItem(outline_)
                                     : new QTreeWidgetItem(items[static_cast<std::size_t>(node.parent)]);
        item->setText(0, Q(tree_.NodeText(static_cast<int>(i))));
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        if (tree_.best == static_cast<int>(i)) {
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
        }
        items.push_back(item);
    }
    outline_->expandAll();
    SelectNode(tree_.best.value_or(0));
}

int TreeWindow::SelectedNode() const {
    const QTreeWidgetItem* item = outline_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void TreeWindow::SelectNode(int index) {
    QTreeWidgetItemIterator it(outline_);
    for (; *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() == index) {
            outline_->setCurrentItem(*it);
            return;
        }
    }
}

// The node's words and its last tableau: names, the basis and the labels as the lesson's grid
// has them, every number exact.
void TreeWindow::ShowNode(int index) {
    tableau_->clear();
    if (index < 0 || index >= static_cast<int>(tree_.nodes.size())) {
        node_->clear();
        tableau_->setRowCount(0);
        return;
    }
    const integer::Node& node = tree_.nodes[static_cast<std::size_t>(index)];
    node_->setText(Q(tree_.NodeText(index)));
    if (region_->isVisibleTo(this)) {
        // The root's rows and each bound on the node's path, "x1 ≤ 4" a row of its own.
        ExactProblem bounded = *problem_;
        for (const integer::Bound& bound : node.bounds) {
            std::vector<mpq_class> row(bounded.c.size());
            row[static_cast<std::size_t>(bound.variable)] = 1;
            bounded.a.push_back(row);
            bounded.b.emplace_back(bound.value);
            bounded.sense.push_back(bound.upper ? Sense::LessEqual : Sense::GreaterEqual);
        }
        std::vector<Point> at;
        if (node.Solved()) {
            at.push_back({});
            std::copy_n(node.x.begin(), std::min<std::size_t>(node.x.size(), 3), at[0].begin());
        }
        region_->ShowLesson(bounded, at, false);
    }
    if (!node.tableau) {
        tableau_->setRowCount(0);
        return;
    }
    const Shadow& t = *node.tableau;
    const TableauRows& rows = t.Layout();
    tableau_->setRowCount(t.Rows());
    tableau_->setColumnCount(t.Cols());
    const auto put = [this](int r, int c, const QString& text) {
        tableau_->setItem(r, c, new QTableWidgetItem(text));
    };
    for (int c = TableauRows::kFirstVariableColumn; c < t.KnownColumn(); ++c) {
        put(TableauRows::kHeader, c, Q(t.Shape().columns[static_cast<std::size_t>(c - 2)].name));
    }
    for (int r = 0; r < t.Rows(); ++r) {
        const bool constraint = r >= rows.FirstConstraint() && r <= rows.LastConstraint();
        if (constraint && t.BasicColumn(r)) {
            put(r, TableauRows::kBasisColumn,
                Q(t.Shape().columns[static_cast<std::size_t>(*t.BasicColumn(r) - 2)].name));
        } else if (!constraint && !Label(rows, r).isEmpty()) {
            put(r, TableauRows::kBasisColumn, Label(rows, r));
        }
        for (int c = 0; c < t.Cols(); ++c) {
            if (const mpq_class* value = t.Value(r, c)) {
                put(r, c, Q(fractions_ ? FractionText(*value) : DecimalText(*value, separator_)));
            }
        }
    }
    tableau_->resizeColumnsToContents();
    tableau_->resizeRowsToContents();
}

}  // namespace simplesso
