#include "window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace simplesso {
namespace {

constexpr int kGap = 8;

QRect OnSide(const QRect& main, const QSize& outer, Side side) {
    switch (side) {
        case Side::Right:
            return {QPoint(main.right() + 1 + kGap, main.top()), outer};
        case Side::Left:
            return {QPoint(main.left() - kGap - outer.width(), main.top()), outer};
        case Side::Below:
            return {QPoint(main.left(), main.bottom() + 1 + kGap), outer};
        case Side::Above:
            break;
    }
    return {QPoint(main.left(), main.top() - kGap - outer.height()), outer};
}

// Slides a rectangle along the main window's side until its far edge is on the screen: a window
// beside a tall main window may start higher, one under a wide one further left.
QRect SlideOnto(QRect r, const QRect& available, Side side) {
    const bool beside = side == Side::Right || side == Side::Left;
    if (beside) {
        r.moveBottom(std::min(r.bottom(), available.bottom()));
        r.moveTop(std::max(r.top(), available.top()));
    } else {
        r.moveRight(std::min(r.right(), available.right()));
        r.moveLeft(std::max(r.left(), available.left()));
    }
    return r;
}

QRect MovedOnto(QRect r, const QRect& available) {
    r.moveRight(std::min(r.right(), available.right()));
    r.moveLeft(std::max(r.left(), available.left()));
    r.moveBottom(std::min(r.bottom(), available.bottom()));
    r.moveTop(std::max(r.top(), available.top()));
    return r;
}

}  // namespace

QRect PlaceBeside(const QRect& main, QSize size, const QMargins& frame, const QRect& available,
                  const std::vector<Side>& order, const std::vector<QRect>& taken) {
    const QSize room = available.size().shrunkBy(frame);
    size = size.boundedTo(room);
    const QSize outer = size.grownBy(frame);
    std::vector<QRect> candidates;
    for (Side side : order) {
        candidates.push_back(SlideOnto(OnSide(main, outer, side), available, side));
    }
    const auto free = [&](const QRect& r) {
        return available.contains(r) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](const QRect& t) { return t.intersects(r); });
    };
    for (const QRect& r : candidates) {
        if (free(r)) {
            return r;
        }
    }
    for (const QRect& r : candidates) {
        if (available.contains(r)) {
            return r;
        }
    }
    return MovedOnto(candidates.empty() ? QRect(main.topLeft(), outer) : candidates.front(),
                     available);
}

void OpenBesideMain(QWidget* window, const QWidget* main, const std::vector<Side>& order,
                    const std::vector<const QWidget*>& others) {
    const QScreen* screen = main->screen();
    const QRect available = screen->availableGeometry();
    // The new window's frame is not known before it is shown: the main window's is the best guess.
    const QRect outer = main->frameGeometry();
    const QRect inner = main->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    std::vector<QRect> taken;
    for (const QWidget* other : others) {
        if (other && other->isVisible()) {
            taken.push_back(other->frameGeometry());
        }
    }
    const QRect placed =
        PlaceBeside(outer, window->sizeHint().expandedTo(window->minimumSizeHint()), frame,
                    available, order, taken);
    window->resize(placed.size().shrunkBy(frame));
    window->move(placed.topLeft());
}

}  // namespace simplesso
