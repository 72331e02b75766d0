// The window "Regione ammissibile": the feasible region and the lesson's path, turned with the
// mouse or the arrow keys and zoomed with the wheel or "+" and "-". Non-modal, beside the main
// window; nothing of it exists before it is first built.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "exact_problem.h"
#include "projection.h"
#include "region.h"

class QPushButton;

namespace simplesso {

class RegionCanvas;

class RegionWindow : public QWidget {
    Q_OBJECT
  public:
    explicit RegionWindow(QWidget* parent = nullptr);

    // The problem as the last set-up read it (empty when its texts do not read exactly) and the
    // point of every tableau shown since, in press order. `approximate`: the exact values could
    // not follow the lesson and the points are the grid's own.
    void ShowLesson(std::optional<ExactProblem> problem, std::vector<Point> path, bool approximate);
    // Nothing to draw; the reason is shown and is the drawing's description.
    void Clear(const QString& why);

    // The drawing, whose accessible name is "Regione ammissibile" and whose description says
    // what it shows.
    QWidget* Drawing() const;
    const ViewAngles& View() const;
    void ResetView();

  private:
    RegionCanvas* canvas_;
    QPushButton* reset_;
};

}  // namespace simplesso
