// Where a window that follows the lesson opens: wholly on the main window's screen, beside the
// main window where there is room, clear of the other windows already open where it can be, and
// no larger than the screen (its content then scrolls or shrinks).
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace simplesso {

// The sides of the main window, in the order a window would rather open there.
enum class Side { Right, Left, Below, Above };

// The frame rectangle a window of client `size` (with `frame` around it) takes on `available`:
// the first side in `order` where it lies wholly on the screen and over none of `taken`, else the
// first where it lies on the screen, else the first side moved onto the screen. A window larger
// than the screen is first cut to it.
QRect PlaceBeside(const QRect& main, QSize size, const QMargins& frame, const QRect& available,
                  const std::vector<Side>& order, const std::vector<QRect>& taken);

// Sizes and moves `window` so, on the screen of `main`, before it is first shown; `others` are
// the windows whose room it should leave free if they are open.
void OpenBesideMain(QWidget* window, const QWidget* main, const std::vector<Side>& order,
                    const std::vector<const QWidget*>& others);

}  // namespace simplesso
