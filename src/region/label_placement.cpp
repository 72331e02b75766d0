#include "label_placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace simplesso {
namespace {

// The compass round a point, anticlockwise from east; y grows downwards.
constexpr std::array<XY, 8> kCompass{
    {{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

int CompassOf(Anchor anchor) {
    switch (anchor) {
        case Anchor::Right:
            return 0;
        case Anchor::AboveRight:
            return 1;
        case Anchor::Above:
            return 2;
        case Anchor::Left:
            return 4;
        case Anchor::BelowLeft:
            return 5;
        case Anchor::Below:
            return 6;
    }
    return 0;
}

// The label's own side first, then its neighbours turning away from it, the opposite side last.
std::array<int, 8> CompassOrder(Anchor anchor) {
    const int first = CompassOf(anchor);
    std::array<int, 8> order{};
    order[0] = first;
    for (int k = 1, i = 1; k <= 4; ++k) {
        order[i++] = (first + k) % 8;
        if (k < 4) {
            order[i++] = (first - k + 8) % 8;
        }
    }
    return order;
}

// Gaps between a label and its point, in typographic points beyond what covers the point: the
// nearest rings read as the point's own, the farther ones get a leader.
constexpr std::array<double, 7> kRings{2, 4, 7, 11, 16, 23, 32};
constexpr std::size_t kRingsWithoutLeader = 3;
// The room kept clear round a label, for the strokes' width.
constexpr double kClearance = 1.2;

Box Inflated(const Box& b, double by) {
    return {b.left - by, b.top - by, b.width + 2 * by, b.height + 2 * by};
}

bool Within(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

Box BoxAround(const XY& at, const XY& way, double gap, const LabelSize& size) {
    Box b{0, 0, size.width, size.height};
    b.left = way.x > 0 ? at.x + gap : way.x < 0 ? at.x - gap - size.width : at.x - size.width / 2;
    b.top = way.y > 0 ? at.y + gap : way.y < 0 ? at.y - gap - size.height : at.y - size.height / 2;
    return b;
}

XY NearestOnBox(const XY& p, const Box& b) {
    return {std::clamp(p.x, b.left, b.Right()), std::clamp(p.y, b.top, b.Bottom())};
}

struct Disc {
    XY centre;
    double radius;
};

struct Obstacles {
    std::vector<std::pair<XY, XY>> segments;
    std::vector<Disc> discs;
    std::vector<Box> boxes;

    int Count(const Box& box) const {
        int hits = 0;
        for (const auto& [from, to] : segments) {
            hits += SegmentMeetsBox(from, to, box);
        }
        for (const Disc& d : discs) {
            hits += DiscMeetsBox(d.centre, d.radius, box);
        }
        for (const Box& b : boxes) {
            hits += BoxesOverlap(b, box);
        }
        return hits;
    }
};

// The axes' names first, then the ticks' numbers, which can only stand by their ticks, then the
// path's points; the constraints' equations last, as they may move along their lines.
int Priority(LabelKind kind) {
    switch (kind) {
        case LabelKind::Axis:
            return 0;
        case LabelKind::Tick:
            return 1;
        case LabelKind::Point:
            return 2;
        case LabelKind::Constraint:
            return 3;
    }
    return 3;
}

}  // namespace

bool SegmentMeetsBox(const XY& from, const XY& to, const Box& box) {
    // Liang-Barsky: the part of the segment between t0 and t1 lies within each slab.
    double t0 = 0, t1 = 1;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const std::array<double, 4> p{-dx, dx, -dy, dy};
    const std::array<double, 4> q{from.x - box.left, box.Right() - from.x, from.y - box.top,
                                  box.Bottom() - from.y};
    for (std::size_t i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

bool DiscMeetsBox(const XY& centre, double radius, const Box& box) {
    const XY n = NearestOnBox(centre, box);
    return std::hypot(n.x - centre.x, n.y - centre.y) < radius;
}

bool BoxesOverlap(const Box& a, const Box& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

std::vector<PlacedLabel> PlaceLabels(const Figure& figure, const MeasureLabel& measure,
                                     const Box& bounds, double unit) {
    Obstacles obstacles;
    for (const Segment& s : figure.segments) {
        obstacles.segments.push_back({s.from, s.to});
    }
    for (const Dot& d : figure.dots) {
        obstacles.discs.push_back({d.at, DotReach(d) * unit});
    }
    std::vector<std::size_t> order(figure.labels.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return Priority(figure.labels[a].kind) < Priority(figure.labels[b].kind);
    });

    std::vector<PlacedLabel> placed(figure.labels.size());
    const double clearance = kClearance * unit;
    for (std::size_t index : order) {
        const Label& label = figure.labels[index];
        const LabelSize size = measure(label);
        std::vector<XY> anchors{label.at};
        anchors.insert(anchors.end(), label.also.begin(), label.also.end());
        const std::array<int, 8> compass = CompassOrder(label.anchor);

        struct Choice {
            Box box;
            XY anchor;
            double base = 0;
            std::size_t ring = 0;
            int hits = std::numeric_limits<int>::max();
        } best;
        bool found = false;
        for (std::size_t ring = 0; ring < kRings.size() && !found; ++ring) {
            for (const XY& at : anchors) {
                // A label by a point starts beyond the point's own disc.
                double base = 0;
                for (const Disc& d : obstacles.discs) {
                    if (std::hypot(d.centre.x - at.x, d.centre.y - at.y) < 1e-6 * (unit + 1)) {
                        base = std::max(base, d.radius);
                    }
                }
                for (int c : compass) {
                    const Box box = BoxAround(at, kCompass[static_cast<std::size_t>(c)],
                                              base + kRings[ring] * unit, size);
                    if (!Within(box, bounds)) {
                        continue;
                    }
                    const int hits = obstacles.Count(Inflated(box, clearance));
                    if (hits < best.hits) {
                        best = {box, at, base, ring, hits};
                        if (hits == 0) {
                            found = true;
                            break;
                        }
                    }
                }
                if (found) {
                    break;
                }
            }
        }
        if (best.hits == std::numeric_limits<int>::max()) {
            // Larger than the room: by its own side, pushed inside as far as it goes.
            Box box = BoxAround(label.at, kCompass[static_cast<std::size_t>(compass[0])],
                                kRings[0] * unit, size);
            box.left = std::clamp(box.left, bounds.left,
                                  std::max(bounds.left, bounds.Right() - box.width));
            box.top =
                std::clamp(box.top, bounds.top, std::max(bounds.top, bounds.Bottom() - box.height));
            best = {box, label.at, 0, kRings.size(), 1};
        }

        PlacedLabel result{best.box, false, best.anchor, best.anchor};
        // Beside its own line an equation needs no leader: its colour says which line it is.
        const bool far = best.ring >= kRingsWithoutLeader;
        if (best.hits > 0 || (far && label.kind != LabelKind::Constraint)) {
            result.leader = true;
            result.to = NearestOnBox(best.anchor, best.box);
            const double dx = result.to.x - best.anchor.x;
            const double dy = result.to.y - best.anchor.y;
            const double length = std::hypot(dx, dy);
            if (length > best.base && length > 0) {
                result.from = {best.anchor.x + dx / length * best.base,
                               best.anchor.y + dy / length * best.base};
            }
            obstacles.segments.push_back({result.from, result.to});
        }
        obstacles.boxes.push_back(best.box);
        placed[index] = result;
    }
    return placed;
}

}  // namespace simplesso
