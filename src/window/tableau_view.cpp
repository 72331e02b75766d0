#include "tableau_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyledItemDelegate>

#include "appearance.h"
#include "grid_accessible.h"
#include "grid_model.h"
#include "layout.h"

namespace simplesso {
namespace {

// An empty cell with no colour of its own, neither selected nor current, would paint nothing
// over the base that the view has filled already; the style is not asked to. Most of the grid is
// such cells until the first tableau.
class CellDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        constexpr QStyle::State kMarked = QStyle::State_Selected | QStyle::State_HasFocus;
        if (!(option.state & kMarked) && !index.data(Qt::BackgroundRole).isValid() &&
            index.data(Qt::DisplayRole).toString().isEmpty()) {
            return;
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

// QTableView would number the cell in these events as if its hidden headers were in the table.
void Announce(QTableView* view, QAccessible::Event type, const QModelIndex& index) {
    if (QAccessible::isActive() && index.isValid()) {
        QAccessibleEvent event(view, type);
        event.setChild(GridAccessible::ChildIndex(index));
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace

TableauView::TableauView(Grid& grid, QWidget* parent) : QTableView(parent), grid_(grid) {
    // The view keeps the window's font: every cell that shows text names its own face.
    const QFont font = SansSerif(8.25, false);
    // Headers hidden and sized before the model arrives, so that no header measures its labels.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(layout::Px(Grid::kRowHeight));
    model_ = new GridModel(grid_, font, palette().color(QPalette::Button), this);
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(false);
    // The model shortens what does not fit; an ellipsis of the view's own could cut an exponent.
    setTextElideMode(Qt::ElideNone);
    ApplyColumnWidths();
    connect(model_, &GridModel::columnWidthChanged, this,
            [this](int c) { setColumnWidth(c, model_->ColumnPixels(c)); });
    connect(model_, &GridModel::widthsChanged, this, [this] { ApplyColumnWidths(); });
    // A tableau of another size: every width and the current cell again.
    connect(model_, &GridModel::sizeChanged, this, [this] {
        ApplyColumnWidths();
        selectionModel()->setCurrentIndex(model_->index(grid_.Row(), grid_.Col()),
                                          QItemSelectionModel::NoUpdate);
    });
    // A new current cell comes from a step or a set-up: show it, and let no selection fill
    // hide its colour.
    connect(model_, &GridModel::currentCellChanged, this, [this](int row, int col) {
        clearSelection();
        selectionModel()->setCurrentIndex(model_->index(row, col), QItemSelectionModel::NoUpdate);
    });
}

void TableauView::ApplyColumnWidths() {
    for (int c = 0; c < grid_.Cols(); ++c) {
        setColumnWidth(c, model_->ColumnPixels(c));
    }
}

QString TableauView::SelectionText() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return {};
    }
    int top = grid_.Rows(), left = grid_.Cols(), bottom = -1, right = -1;
    for (const QModelIndex& i : selected) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    return Text(top, left, bottom, right, true);
}

QString TableauView::WholeText() const {
    return Text(0, 0, grid_.Rows() - 1, grid_.Cols() - 1, false);
}

QString TableauView::Text(int top, int left, int bottom, int right, bool selectedOnly) const {
    QStringList lines;
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = left; c <= right; ++c) {
            const bool wanted = !selectedOnly || selectionModel()->isSelected(model_->index(r, c));
            cells << (wanted ? model_->ShownText(r, c) : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TableauView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        const QString text = SelectionText();
        if (!text.isEmpty()) {
            QApplication::clipboard()->setText(text);
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TableauView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(kCopyAllCaption, this,
                   [this] { QApplication::clipboard()->setText(WholeText()); });
    menu.addAction(kSaveCaption, this, &TableauView::saveRequested);
    menu.addSeparator();
    menu.addAction(kRegionCaption, this, &TableauView::regionRequested)
        ->setEnabled(regionOffered_);
    menu.addAction(kAnalysisCaption, this, &TableauView::analysisRequested)
        ->setEnabled(analysisOffered_);
    menu.exec(event->globalPos());
}

void TableauView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    Announce(this, QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

void TableauView::selectionChanged(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    Announce(this, QAccessible::SelectionAdd, selected.indexes().value(0));
    Announce(this, QAccessible::SelectionRemove, deselected.indexes().value(0));
    QAbstractItemView::selectionChanged(selected, deselected);
}

}  // namespace simplesso
