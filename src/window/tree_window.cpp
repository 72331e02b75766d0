#include "tree_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

#include "exact_number.h"
#include "region.h"
#include "region_window.h"
#include "tree_painter.h"

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

// The window's two columns. Wrapped lines would make the row ask for its height at its width,
// which the scroll area round it then takes from every part's preferred height, the drawing's
// whole height among them: the window would scroll at any size.
class PlainRow : public QHBoxLayout {
  public:
    using QHBoxLayout::QHBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

}  // namespace

// The tree drawn at its natural size, in a scroll area: a click on a box picks its node.
class TreeDrawing : public QWidget {
  public:
    static constexpr int kMargin = 12;

    explicit TreeDrawing(std::function<void(int)> pick) : pick_(std::move(pick)) {
        setObjectName("disegnoAlbero");
        setAccessibleName("Disegno dell'albero");
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }

    void Show(const integer::Tree& tree) {
        figure_ = LayTreeFor(tree, font(), this);
        setAccessibleDescription(Q(tree.Description()));
        resize(sizeHint());
        update();
    }
    void Select(int node) {
        selected_ = node;
        update();
    }
    // The box of a node in this widget's coordinates.
    QRect BoxOf(int node) const {
        for (const integer::TreeBox& box : figure_.boxes) {
            if (box.node == node) {
                return QRectF(box.left + kMargin, box.top + kMargin, box.width, box.height)
                    .toAlignedRect();
            }
        }
        return {};
    }
    QSize sizeHint() const override {
        return QSizeF(figure_.width + 2 * kMargin, figure_.height + 2 * kMargin).toSize();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintTree(painter, QPointF(kMargin, kMargin), figure_, font(), selected_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        for (const integer::TreeBox& box : figure_.boxes) {
            if (BoxOf(box.node).contains(event->position().toPoint())) {
                pick_(box.node);
                return;
            }
        }
    }

  private:
    std::function<void(int)> pick_;
    integer::TreeFigure figure_;
    int selected_ = -1;
};

TreeWindow::TreeWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Branch and bound");
    outline_ = new QTreeWidget;
    outline_->setObjectName("alberoBranch");
    outline_->setAccessibleName("Albero di branch and bound");
    outline_->setHeaderHidden(true);
    outline_->setColumnCount(1);
    drawing_ = new TreeDrawing([this](int node) { SelectNode(node); });
    scroll_ = new QScrollArea;
    scroll_->setObjectName("scorrimentoAlbero");
    scroll_->setWidget(drawing_);
    scroll_->setAlignment(Qt::AlignCenter);
    end_ = new QLabel;
    end_->setObjectName("fineAlbero");
    end_->setWordWrap(true);
    end_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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
    auto* tree = new QVBoxLayout;
    tree->addWidget(scroll_, 3);
    tree->addWidget(end_);
    tree->addWidget(outline_, 1);
    auto* node = new QVBoxLayout;
    node->addWidget(node_);
    node->addWidget(tableau_, 3);
    node->addWidget(region_, 4);
    // All of it scrolls where the screen is smaller than the window's least size, at a large
    // scale: nothing is cut off.
    auto* content = new QWidget;
    auto* layout = new PlainRow(content);
    layout->addLayout(tree, 3);
    layout->addLayout(node, 2);
    auto* whole = new QScrollArea;
    whole->setObjectName("scorrimentoBranch");
    whole->setWidgetResizable(true);
    whole->setFrameShape(QFrame::NoFrame);
    whole->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(whole);
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
    drawing_->Show(tree_);
    end_->setText(Q(tree_.Lines().back()));
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

QWidget* TreeWindow::Drawing() const {
    return drawing_;
}

QRect TreeWindow::NodeBox(int index) const {
    return drawing_->BoxOf(index);
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

void TreeWindow::ScrollToSelected() {
    const QRect box = drawing_->BoxOf(SelectedNode());
    scroll_->ensureVisible(box.center().x(), box.center().y(), box.width() / 2 + 20,
                           box.height() / 2 + 20);
}

// Once shown, the scroll area has its size: the selected node comes into view.
void TreeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { ScrollToSelected(); });
}

void TreeWindow::SetFractions(bool fractions) {
    fractions_ = fractions;
    ShowNode(SelectedNode());
}

// The node's words and its last tableau: names, the basis and the labels as the lesson's grid
// has them, every number exact.
void TreeWindow::ShowNode(int index) {
    tableau_->clear();
    if (index < 0 || index >= static_cast<int>(tree_.nodes.size())) {
        node_->clear();
        drawing_->Select(-1);
        tableau_->setRowCount(0);
        return;
    }
    const integer::Node& node = tree_.nodes[static_cast<std::size_t>(index)];
    node_->setText(Q(tree_.NodeText(index)));
    drawing_->Select(index);
    ScrollToSelected();
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
