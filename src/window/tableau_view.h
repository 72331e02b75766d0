// The read-only view of the tableau grid. It follows the grid model, shows the tableau's current
// cell without selecting it, and copies cells as tab-separated text: the selection with Ctrl+C,
// the whole tableau from the context menu, which also offers to save the lesson. Selecting never
// touches the tableau itself.
#pragma once

#include <QTableView>

#include "grid.h"

namespace simplesso {

class GridModel;

class TableauView : public QTableView {
    Q_OBJECT
  public:
    TableauView(Grid& grid, QWidget* parent);

    // Rows as lines, cells separated by tabs, exactly as shown. Cells inside the bounding
    // rectangle of the selection that are not selected themselves come out empty.
    QString SelectionText() const;
    QString WholeText() const;

    GridModel* Model() const { return model_; }

    static inline const QString kCopyAllCaption = QStringLiteral("Copia tabella");
    static inline const QString kSaveCaption = QStringLiteral("Salva la lezione…");
    static inline const QString kRegionCaption = QStringLiteral("Regione ammissibile");
    static inline const QString kAnalysisCaption = QStringLiteral("Analisi di sensitività");

    // Which of the windows that follow the lesson the context menu offers now.
    void SetOffered(bool region, bool analysis) {
        regionOffered_ = region;
        analysisOffered_ = analysis;
    }

  signals:
    void saveRequested();
    void regionRequested();
    void analysisRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

  private:
    void ApplyColumnWidths();
    QString Text(int top, int left, int bottom, int right, bool selectedOnly) const;

    Grid& grid_;
    GridModel* model_;
    bool regionOffered_ = false;
    bool analysisOffered_ = false;
};

}  // namespace simplesso
