#include "figure.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "exact_number.h"

namespace simplesso {
namespace {

// The part of the line a1 x1 + a2 x2 = b inside the square window [low, high]^2.
std::optional<std::pair<XY, XY>> LineAcross(double a1, double a2, double b, double low,
                                            double high) {
    std::vector<XY> hits;
    auto keep = [&](double x, double y) {
        const double slack = (high - low) * 1e-9;
        if (x >= low - slack && x <= high + slack && y >= low - slack && y <= high + slack) {
            hits.push_back({std::clamp(x, low, high), std::clamp(y, low, high)});
        }
    };
    if (a2 != 0) {
        keep(low, (b - a1 * low) / a2);
        keep(high, (b - a1 * high) / a2);
    }
    if (a1 != 0) {
        keep((b - a2 * low) / a1, low);
        keep((b - a2 * high) / a1, high);
    }
    if (hits.size() < 2) {
        return std::nullopt;
    }
    // The two hits farthest apart (a corner is hit twice).
    std::pair<XY, XY> best{hits[0], hits[0]};
    double longest = -1;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        for (std::size_t j = i + 1; j < hits.size(); ++j) {
            const double d = std::hypot(hits[i].x - hits[j].x, hits[i].y - hits[j].y);
            if (d > longest) {
                longest = d;
                best = {hits[i], hits[j]};
            }
        }
    }
    if (longest <= 0) {
        return std::nullopt;
    }
    return best;
}

XY At(const Projection& proj, double x1, double x2, double x3) {
    const Projected p = proj(x1, x2, x3);
    return {p.x, p.y};
}

XY At(const Projection& proj, const Point& p) {
    return At(proj, Approx(p[0]), Approx(p[1]), Approx(p[2]));
}

std::string Subscripted(int axis) {
    return "x" + std::to_string(axis + 1);
}

std::string SubscriptedLatex(int axis) {
    return "$x_{" + std::to_string(axis + 1) + "}$";
}

Label BlackLabel(const XY& at, const std::string& text, const std::string& latex, Anchor anchor,
                 LabelKind kind = LabelKind::Axis) {
    return {at, text, latex, anchor, -1, kind, {}};
}

Label TickLabel(const XY& at, double value, Anchor anchor) {
    return BlackLabel(at, TickText(value), TickText(value), anchor, LabelKind::Tick);
}

void AddIntegerPoints(Figure& figure, const Region& region, const Projection& proj) {
    for (const Point& p : region.integerPoints) {
        figure.integerPoints.push_back(At(proj, p));
    }
}

void AddPath(Figure& figure, const Region& region, const Projection& proj) {
    for (std::size_t i = 0; i + 1 < region.path.size(); ++i) {
        if (region.path[i].at != region.path[i + 1].at) {
            figure.segments.push_back({At(proj, region.path[i].at), At(proj, region.path[i + 1].at),
                                       Stroke::Path, -1, true});
        }
    }
    for (std::size_t i = 0; i < region.path.size(); ++i) {
        figure.dots.push_back(
            {At(proj, region.path[i].at), !region.path[i].inside, i + 1 == region.path.size()});
    }
    if (!region.plane) {
        return;  // three coordinates beside each point would crowd the picture
    }
    // In the plane each point the method stops at carries its coordinates, as the tableau reads
    // them, once however often the path comes back to it.
    std::vector<const Point*> named;
    for (const PathPoint& p : region.path) {
        if (std::none_of(named.begin(), named.end(), [&](const Point* q) { return *q == p.at; })) {
            named.push_back(&p.at);
            const std::string text = PointText(p.at, true);
            figure.labels.push_back(
                BlackLabel(At(proj, p.at), text, text, Anchor::AboveRight, LabelKind::Point));
        }
    }
}

bool OnRow(const ExactProblem& problem, int row, const Point& p) {
    mpq_class s = 0;
    for (int k = 0; k < std::min(problem.Variables(), 3); ++k) {
        s += problem.a[row][k] * p[k];
    }
    return s == problem.b[row];
}

// The region is a segment: its corners are at least two and on one line.
bool IsSegment(const Region& region) {
    const std::vector<Point>& c = region.corners;
    std::optional<std::array<mpq_class, 3>> along;
    for (std::size_t i = 1; i < c.size(); ++i) {
        const std::array<mpq_class, 3> d{c[i][0] - c[0][0], c[i][1] - c[0][1], c[i][2] - c[0][2]};
        if (!along) {
            along = d;
            continue;
        }
        const auto& u = *along;
        if (u[1] * d[2] != u[2] * d[1] || u[2] * d[0] != u[0] * d[2] ||
            u[0] * d[1] != u[1] * d[0]) {
            return false;
        }
    }
    return along.has_value();
}

// The "=" rows the region reduced to a segment lies on, each making a plane of the figure.
std::vector<int> SegmentRows(const Region& region) {
    std::vector<int> rows;
    if (region.empty || !IsSegment(region)) {
        return rows;
    }
    for (int r = 0; r < region.problem.Rows(); ++r) {
        if (region.problem.sense[r] == Sense::Equal && RowMakesPlane(region.problem, r) &&
            std::all_of(region.corners.begin(), region.corners.end(),
                        [&](const Point& p) { return OnRow(region.problem, r, p); })) {
            rows.push_back(r);
        }
    }
    return rows;
}

void AddEdges(Figure& figure, const Region& region, const Projection& proj) {
    const std::vector<int> rows = SegmentRows(region);
    for (const Edge& e : region.edges) {
        figure.segments.push_back({At(proj, region.corners[e.from]), At(proj, region.corners[e.to]),
                                   e.cut ? Stroke::CutEdge : Stroke::Edge,
                                   e.cut || rows.empty() ? -1 : rows.front()});
    }
}

void AddLegend(Figure& figure, const Region& region) {
    for (int r = 0; r < region.problem.Rows(); ++r) {
        if (RowMakesPlane(region.problem, r)) {
            figure.legend.push_back({ConstraintEquation(region.problem, r),
                                     ConstraintLatex(region.problem, r), r, LegendMark::Swatch});
        }
    }
    // The region reduced to a segment is drawn as a thick line; the entry says which rows hold it.
    const std::vector<int> rows = SegmentRows(region);
    if (!rows.empty()) {
        std::string text = "segmento ammissibile su ";
        std::string latex = "\\mbox{segmento ammissibile su } ";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            text += (i ? " e " : "") + ConstraintEquation(region.problem, rows[i]);
            latex += (i ? "\\mbox{ e } " : "") + ConstraintLatex(region.problem, rows[i]);
        }
        figure.legend.push_back({text, latex, rows.front(), LegendMark::Segment});
    }
    const bool cut =
        std::any_of(region.edges.begin(), region.edges.end(),
                    [](const Edge& e) { return e.cut; }) ||
        std::any_of(region.faces.begin(), region.faces.end(), [](const Face& f) { return f.cut; });
    if (!region.bounded && cut) {
        figure.legend.push_back(
            {kCutLegend, std::string("\\mbox{") + kCutLegend + "}", -1, LegendMark::Cut});
    }
}

void LayPlane(Figure& figure, const Region& region, const Projection& proj, double unit) {
    const double low = proj.Low();
    const double high = proj.High();
    for (const Face& face : region.faces) {
        FilledPolygon polygon{{}, Fill::Polygon, -1};
        for (int c : face.corners) {
            polygon.points.push_back(At(proj, region.corners[c]));
        }
        figure.fills.push_back(std::move(polygon));
    }
    AddEdges(figure, region, proj);
    for (int r = 0; r < region.problem.Rows(); ++r) {
        if (!RowMakesPlane(region.problem, r)) {
            continue;
        }
        const auto& a = region.problem.a[r];
        const auto line = LineAcross(Approx(a[0]), Approx(a[1]), Approx(region.problem.b[r]), low,
                                     high);
        if (!line) {
            continue;
        }
        const XY from = At(proj, line->first.x, line->first.y, 0);
        const XY to = At(proj, line->second.x, line->second.y, 0);
        figure.segments.push_back({from, to, Stroke::ConstraintLine, r});
        // The label goes at the line's upper end, where it leaves the plot, or further down the
        // line where that is crowded.
        const XY end = from.y < to.y ? from : to;
        const XY other = from.y < to.y ? to : from;
        Label label = BlackLabel(end, ConstraintEquation(region.problem, r),
                                 "$" + ConstraintLatex(region.problem, r) + "$", Anchor::BelowLeft,
                                 LabelKind::Constraint);
        label.row = r;
        constexpr int kStops = 16;
        for (int i = 1; i < kStops; ++i) {
            const double t = static_cast<double>(i) / kStops;
            label.also.push_back({end.x + (other.x - end.x) * t, end.y + (other.y - end.y) * t});
        }
        figure.labels.push_back(std::move(label));
    }
    // The axes, through the origin, across the whole window.
    figure.segments.push_back({At(proj, low, 0, 0), At(proj, high, 0, 0), Stroke::Axis, -1, true});
    figure.segments.push_back({At(proj, 0, low, 0), At(proj, 0, high, 0), Stroke::Axis, -1, true});
    figure.labels.push_back(
        BlackLabel(At(proj, high, 0, 0), Subscripted(0), SubscriptedLatex(0), Anchor::Above));
    figure.labels.push_back(
        BlackLabel(At(proj, 0, high, 0), Subscripted(1), SubscriptedLatex(1), Anchor::Left));
    const double tick = 3 * unit;
    for (double t : Ticks(proj.Extent())) {
        if (t > high) {
            break;
        }
        const XY on1 = At(proj, t, 0, 0);
        const XY on2 = At(proj, 0, t, 0);
        figure.segments.push_back({{on1.x, on1.y - tick}, {on1.x, on1.y + tick}, Stroke::Tick});
        figure.segments.push_back({{on2.x - tick, on2.y}, {on2.x + tick, on2.y}, Stroke::Tick});
        figure.labels.push_back(TickLabel({on1.x, on1.y + tick}, t, Anchor::Below));
        figure.labels.push_back(TickLabel({on2.x - tick, on2.y}, t, Anchor::Left));
    }

    // The objective's level line through the current point, and where it grows (max) or
    // decreases (min).
    const auto& c = region.problem.c;
    if (!region.path.empty() && (c[0] != 0 || c[1] != 0)) {
        const Point& p = region.path.back().at;
        const mpq_class z = c[0] * p[0] + c[1] * p[1];
        if (const auto line = LineAcross(Approx(c[0]), Approx(c[1]), Approx(z), low, high)) {
            figure.segments.push_back({At(proj, line->first.x, line->first.y, 0),
                                       At(proj, line->second.x, line->second.y, 0), Stroke::Level});
        }
        const double sign = region.problem.direction == Direction::Maximise ? 1 : -1;
        // On screen the plane's scale is the same along both axes, so the gradient keeps its angle.
        const double gx = sign * Approx(c[0]);
        const double gy = -sign * Approx(c[1]);
        const double norm = std::hypot(gx, gy);
        const XY from = At(proj, p);
        const double length = 36 * unit;
        figure.segments.push_back({from, {from.x + gx / norm * length, from.y + gy / norm * length},
                                   Stroke::Gradient, -1, true});
        const std::string zText = FractionText(z);
        const std::string way = sign > 0 ? "Z cresce" : "Z decresce";
        figure.legend.push_back({"Z = " + zText + " nel punto attuale; la freccia: dove " + way,
                                 "Z = " + zText + "\\mbox{ nel punto attuale; la freccia: dove } " +
                                     (sign > 0 ? "Z\\mbox{ cresce}" : "Z\\mbox{ decresce}"),
                                 -1, LegendMark::Level});
    }
}

void LaySpace(Figure& figure, const Region& region, const Projection& proj, double unit) {
    struct Deep {
        FilledPolygon polygon;
        double depth;
    };
    std::vector<Deep> faces;
    for (const Face& face : region.faces) {
        Deep d{{{}, Fill::Constraint, face.plane.index}, 0};
        if (face.plane.kind == PlaneKind::Axis) {
            d.polygon.fill = Fill::Axis;
        } else if (face.plane.kind == PlaneKind::Box) {
            d.polygon.fill = Fill::Box;
        }
        for (int c : face.corners) {
            const Projected p = proj(region.corners[c]);
            d.polygon.points.push_back({p.x, p.y});
            d.depth += p.depth;
        }
        d.depth /= static_cast<double>(face.corners.size());
        faces.push_back(std::move(d));
    }
    std::stable_sort(faces.begin(), faces.end(),
                     [](const Deep& a, const Deep& b) { return a.depth < b.depth; });
    for (Deep& d : faces) {
        figure.fills.push_back(std::move(d.polygon));
    }
    AddEdges(figure, region, proj);
    const XY origin = At(proj, 0, 0, 0);
    const double tick = 3 * unit;
    for (int k = 0; k < 3; ++k) {
        std::array<double, 3> end{0, 0, 0};
        end[k] = proj.AxisLength(k);
        const XY tip = At(proj, end[0], end[1], end[2]);
        figure.segments.push_back({origin, tip, Stroke::Axis, -1, true});
        const double dx = tip.x - origin.x;
        const double dy = tip.y - origin.y;
        const double length = std::hypot(dx, dy);
        // The label stands beyond the tip, on the axis' own side.
        Anchor away = std::abs(dx) > std::abs(dy) ? (dx > 0 ? Anchor::Right : Anchor::Left)
                                                  : (dy > 0 ? Anchor::Below : Anchor::Above);
        figure.labels.push_back(BlackLabel(tip, Subscripted(k), SubscriptedLatex(k), away));
        if (length < 20 * unit) {
            continue;  // seen end on: its ticks would pile up
        }
        const double nx = -dy / length * tick;
        const double ny = dx / length * tick;
        const Anchor side = std::abs(dx) > std::abs(dy) ? Anchor::Below : Anchor::Left;
        for (double t : Ticks(proj.Extent())) {
            if (t > proj.AxisLength(k) * 0.95) {
                break;
            }
            std::array<double, 3> at{0, 0, 0};
            at[k] = t;
            const XY p = At(proj, at[0], at[1], at[2]);
            figure.segments.push_back({{p.x - nx, p.y - ny}, {p.x + nx, p.y + ny}, Stroke::Tick});
            const XY textAt = side == Anchor::Below ? XY{p.x, p.y + tick} : XY{p.x - tick, p.y};
            figure.labels.push_back(TickLabel(textAt, t, side));
        }
    }
}

}  // namespace

double DotReach(const Dot& dot) {
    return (dot.current ? kCurrentDotRadius + kCurrentRingGap : kDotRadius) + kDotPen / 2;
}

Rgb ConstraintColour(int row) {
    // Hues far apart, each dark enough for a thin line and an equation on white, none of them the
    // path's dark red nor the region's light blue; a ninth row takes the first colour again.
    static constexpr std::array<Rgb, kConstraintColours> kColours{{
        {214, 96, 39},   // orange
        {46, 125, 50},   // green
        {63, 81, 181},   // indigo
        {0, 131, 143},   // teal
        {156, 39, 176},  // purple
        {128, 128, 0},   // olive
        {216, 27, 96},   // raspberry
        {121, 85, 72},   // brown
    }};
    const int wrapped = row < 0 ? 0 : row % kConstraintColours;
    return kColours[static_cast<std::size_t>(wrapped)];
}

Figure LayFigure(const Region& region, const ViewAngles& view, const Rect& plot, double unit,
                 bool approximate) {
    Figure figure;
    if (!region.drawable) {
        figure.captions.push_back(kNotDrawable);
        return figure;
    }
    const Projection proj(region.plane,
                          {Approx(region.reach[0]), Approx(region.reach[1]), Approx(region.reach[2])},
                          view, plot);
    if (region.plane) {
        LayPlane(figure, region, proj, unit);
    } else {
        LaySpace(figure, region, proj, unit);
    }
    AddIntegerPoints(figure, region, proj);
    AddPath(figure, region, proj);
    if (!region.plane) {
        AddLegend(figure, region);
    } else {
        std::vector<LegendEntry> level = std::move(figure.legend);
        figure.legend.clear();
        AddLegend(figure, region);
        figure.legend.insert(figure.legend.end(), level.begin(), level.end());
    }
    if (region.empty) {
        figure.captions.push_back(kEmptyCaption);
    } else if (!region.bounded) {
        figure.captions.push_back(kUnboundedCaption);
    }
    if (approximate) {
        figure.note = kApproximateNote;
    }
    return figure;
}

}  // namespace simplesso
