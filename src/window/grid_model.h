// Shows the tableau grid in a Qt view: one cell per model cell, with its text, bold, alignment
// and background, the header band of row 0 and columns 0-1 painted in the header colour.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <functional>
#include <optional>
#include <string>

#include "grid.h"

namespace simplesso {

class GridModel : public QAbstractTableModel, private GridListener {
    Q_OBJECT
  public:
    GridModel(Grid& grid, QFont font, QColor headerColour, QObject* parent = nullptr);
    ~GridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Another text to show in place of a cell's own (the fractions view); empty keeps the cell's.
    using Overlay = std::function<std::optional<std::string>(int row, int col)>;
    void SetOverlay(Overlay overlay);
    // The whole text a cell shows, before any eliding to its column's width.
    QString ShownText(int row, int col) const;

    // The grid stands that many twips wider than today's: its number columns share the room,
    // none wider than a column of today's tableau nor narrower than the grid makes it.
    void SetExtraWidth(int twips);
    // A column's width on the screen, in logical pixels.
    int ColumnPixels(int col) const;

    static Qt::Alignment Alignment(int code);
    static QColor ToQColor(Colour colour);

  signals:
    void columnWidthChanged(int col);
    void currentCellChanged(int row, int col);
    void sizeChanged();
    // Every column may have another width.
    void widthsChanged();

  private:
    void CellChanged(int row, int col) override;
    void ColumnWidthChanged(int col) override;
    void CurrentCellChanged() override;
    void SizeChanged() override;
    QString Elided(int row, int col) const;

    Grid& grid_;
    QFont font_;
    QFont boldFont_;
    QColor headerColour_;
    Overlay overlay_;
    int extraWidth_ = 0;
};

}  // namespace simplesso
