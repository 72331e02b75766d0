// The fields of one equation (a coefficient for each variable, then the known term), and a
// constraint's sense, grouped so that assistive technology
// announces the row as the equation it shows, with the numbers typed so far: "Vincolo 1: 2 x1 più
// 1 x2 più 3 x3 minore di 18" (or "maggiore di", "uguale a"); a blank field reads "…". The row
// draws nothing: the frame behind it shows through.
#pragma once

#include <QWidget>
#include <vector>

class QLineEdit;

namespace simplesso {

class SenseButton;

class EquationRow : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Objective, Constraint };

    // bounds: the fields' common rectangle in the parent's coordinates.
    EquationRow(Kind kind, const QString& title, QRect bounds, QWidget* parent);

    // Places the row's next field (x1, x2, ..., then the known term) at a rectangle given in the
    // parent's coordinates, so that it stands where it would without the row.
    void AddField(QLineEdit* field, QRect inParent);
    // Places a constraint's sense at a rectangle given in the parent's coordinates; it lies
    // under the fields.
    void AddSense(SenseButton* sense, QRect inParent);

  private:
    // The text the row is announced with, from its terms in reading order, the known term last.
    static QString Equation(Kind kind, const QString& title, const std::vector<QString>& terms,
                            const QString& relation);
    void Rename();

    Kind kind_;
    QString title_;
    std::vector<QLineEdit*> fields_;
    SenseButton* sense_ = nullptr;
};

}  // namespace simplesso
