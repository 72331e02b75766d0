#include "region_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "appearance.h"
#include "figure.h"
#include "label_placement.h"

namespace simplesso {
namespace {

QColor Colour(const Rgb& c, int alpha = 255) {
    return QColor(c.r, c.g, c.b, alpha);
}

QColor RowColour(int row, int alpha = 255) {
    return row < 0 ? QColor(0, 0, 0, alpha) : Colour(ConstraintColour(row), alpha);
}

const QColor kPath(0xA0, 0x1C, 0x1C);

QPointF Q(const XY& p) {
    return {p.x, p.y};
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The painter's length of one typographic point: fonts and strokes keep their size on the screen
// at any pixel ratio and on a PDF page at its resolution.
double PointLength(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device ? device->logicalDpiY() / 72.0 : 96.0 / 72.0;
}

void Arrowhead(QPainter& painter, const QPointF& from, const QPointF& to, double size,
               const QColor& colour) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (length < 1e-9) {
        return;
    }
    const double ux = dx / length, uy = dy / length;
    const QPointF back(to.x() - ux * size, to.y() - uy * size);
    const QPointF side(-uy * size * 0.4, ux * size * 0.4);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({to, back + side, back - side}));
    painter.restore();
}

constexpr double kSegmentWidth = 3.2;

QPen StrokePen(const Segment& s, double pt) {
    QPen pen(Qt::black, 0.75 * pt);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    switch (s.stroke) {
        case Stroke::Edge:
            if (s.row >= 0) {
                // The whole region is this segment of an "=" row: thick, so that it shows on its
                // line.
                pen.setColor(RowColour(s.row).darker(130));
                pen.setWidthF(kSegmentWidth * pt);
                break;
            }
            pen.setColor(QColor(40, 40, 40));
            pen.setWidthF(1.1 * pt);
            break;
        case Stroke::CutEdge:
            pen.setColor(QColor(120, 120, 120));
            pen.setStyle(Qt::DashLine);
            pen.setWidthF(0.75 * pt);
            break;
        case Stroke::Axis:
        case Stroke::Tick:
            pen.setColor(Qt::black);
            pen.setWidthF(0.6 * pt);
            break;
        case Stroke::ConstraintLine:
            pen.setColor(RowColour(s.row));
            pen.setWidthF(1.0 * pt);
            break;
        case Stroke::Level:
            pen.setColor(QColor(70, 70, 70));
            pen.setStyle(Qt::DashLine);
            pen.setWidthF(0.8 * pt);
            break;
        case Stroke::Gradient:
            pen.setWidthF(1.2 * pt);
            break;
        case Stroke::Path:
            pen.setColor(kPath);
            pen.setWidthF(1.5 * pt);
            break;
    }
    return pen;
}

QBrush FillBrush(const FilledPolygon& p) {
    switch (p.fill) {
        case Fill::Constraint:
            return RowColour(p.row, 90);
        case Fill::Axis:
            return QColor(120, 120, 120, 45);
        case Fill::Box:
            return QColor(160, 160, 160, 28);
        case Fill::Polygon:
            break;
    }
    return QColor(90, 160, 230, 110);
}

// The legend's mark before an entry's text, within `mark`.
void LegendMarkPainted(QPainter& painter, const LegendEntry& e, const QRectF& mark, double pt) {
    const QPointF left(mark.left(), mark.center().y());
    const QPointF right(mark.right(), mark.center().y());
    switch (e.mark) {
        case LegendMark::Swatch:
            painter.fillRect(mark, RowColour(e.row, 150));
            return;
        case LegendMark::Level:
            painter.setPen(QPen(QColor(70, 70, 70), 0.8 * pt, Qt::DashLine));
            painter.drawLine(left, right);
            return;
        case LegendMark::Cut:
            // As the box's sides are drawn: grey faces in space, dashed edges in both.
            painter.fillRect(mark, QColor(160, 160, 160, 60));
            painter.setPen(QPen(QColor(120, 120, 120), 0.75 * pt, Qt::DashLine));
            painter.drawLine(left, right);
            return;
        case LegendMark::Segment: {
            QPen pen(RowColour(e.row).darker(130), kSegmentWidth * pt);
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(left + QPointF(kSegmentWidth * pt / 2, 0),
                             right - QPointF(kSegmentWidth * pt / 2, 0));
            return;
        }
    }
}

// Where each legend entry stands, relative to the legend's top left, and the legend's height.
struct LegendLayout {
    std::vector<QRectF> cells;  // one per entry: its mark and its text within
    double height = 0;
};

// One entry a line, its text wrapped to the width; but with more than three rows their entries,
// short equations, go down two columns when each fits on one line there, so that the plot keeps
// its room.
LegendLayout LayLegend(const std::vector<LegendEntry>& legend, const QFontMetricsF& fm,
                       double width, double swatch, double pt) {
    const double gap = 4 * pt;
    const double columnGap = 12 * pt;
    const double half = (width - columnGap) / 2;
    const std::size_t swatches = static_cast<std::size_t>(
        std::count_if(legend.begin(), legend.end(),
                      [](const LegendEntry& e) { return e.mark == LegendMark::Swatch; }));
    const bool columns =
        swatches > 3 && std::all_of(legend.begin(), legend.end(), [&](const LegendEntry& e) {
            return e.mark != LegendMark::Swatch ||
                   swatch + gap + fm.horizontalAdvance(Text(e.text)) <= half;
        });
    const std::size_t lines = (swatches + 1) / 2;
    const double line = fm.height() + 2 * pt;
    LegendLayout layout;
    double y = 0;
    double columnsTop = 0;
    std::size_t k = 0;
    for (const LegendEntry& e : legend) {
        if (columns && e.mark == LegendMark::Swatch) {
            if (k == 0) {
                columnsTop = y;
                y += static_cast<double>(lines) * line;
            }
            layout.cells.emplace_back(static_cast<double>(k / lines) * (half + columnGap),
                                      columnsTop + static_cast<double>(k % lines) * line, half,
                                      fm.height());
            ++k;
            continue;
        }
        const QRectF text = fm.boundingRect(QRectF(0, 0, width - swatch - gap, 1e6),
                                            Qt::TextWordWrap, Text(e.text));
        const double h = std::max(text.height(), fm.height());
        layout.cells.emplace_back(0, y, width, h);
        y += h + 2 * pt;
    }
    layout.height = y;
    return layout;
}

}  // namespace

void PaintRegion(QPainter& painter, const QRectF& target, const Region& region,
                 const ViewAngles& view, bool approximate) {
    const double pt = PointLength(painter);
    painter.save();
    painter.setClipRect(target);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont font = SansSerif(8, false);
    const QFont bold = SansSerif(9, true);
    QFont small = SansSerif(7, false);
    QFontMetricsF fm(font, painter.device());
    QFontMetricsF boldFm(bold, painter.device());
    QFontMetricsF smallFm(small, painter.device());
    const double margin = 4 * pt;
    QRectF area = target.adjusted(margin, margin, -margin, -margin);
    if (!region.drawable) {
        painter.setFont(SansSerif(9, false));
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, Text(kNotDrawable));
        painter.restore();
        return;
    }

    // Captions at the top; the legend and the note at the bottom, wrapped to the width.
    const Figure probe = LayFigure(region, view, {0, 0, 1, 1}, 1, approximate);
    double top = area.top();
    painter.setFont(bold);
    painter.setPen(QColor(0x9C, 0x1C, 0x1C));
    for (const std::string& caption : probe.captions) {
        const QRectF box(area.left(), top, area.width(), boldFm.height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, Text(caption));
        top += boldFm.height();
    }
    const double swatch = 12 * pt;
    const LegendLayout legend = LayLegend(probe.legend, fm, area.width(), swatch, pt);
    double legendHeight = legend.height;
    QRectF noteBox;
    if (!probe.note.empty()) {
        noteBox = smallFm.boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap,
                                       Text(probe.note));
        legendHeight += noteBox.height() + 2 * pt;
    }
    const double legendTop = area.bottom() - legendHeight;
    for (std::size_t i = 0; i < probe.legend.size(); ++i) {
        const LegendEntry& e = probe.legend[i];
        const QRectF cell = legend.cells[i].translated(area.left(), legendTop);
        const QRectF mark(cell.left(), cell.top() + (fm.height() - 8 * pt) / 2, swatch, 8 * pt);
        LegendMarkPainted(painter, e, mark, pt);
        painter.setPen(Qt::black);
        painter.setFont(font);
        painter.drawText(cell.adjusted(swatch + 4 * pt, 0, 0, 0),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Text(e.text));
    }
    const double y = legendTop + legend.height;
    if (!probe.note.empty()) {
        painter.setFont(small);
        painter.setPen(QColor(0x9C, 0x1C, 0x1C));
        painter.drawText(QRectF(area.left(), y, area.width(), noteBox.height() + 1),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Text(probe.note));
    }

    // The plot: a square in what is left, with room for the tick numbers and the axes' names.
    QRectF plotArea(area.left(), top + 2 * pt, area.width(),
                    area.bottom() - legendHeight - top - 4 * pt);
    const double labelRoom = region.plane ? fm.horizontalAdvance(QStringLiteral("00000")) : fm.height();
    plotArea.adjust(labelRoom, fm.height() * 0.6, -fm.height(), -(region.plane ? fm.height() * 1.6 : fm.height()));
    const double side = std::max(1.0, std::min(plotArea.width(), plotArea.height()));
    const QRectF plot(plotArea.center().x() - side / 2, plotArea.center().y() - side / 2, side, side);
    const Figure figure = LayFigure(region, view, {plot.x(), plot.y(), side, side}, pt, approximate);

    const QRectF drawable(area.left(), top, area.width(), area.bottom() - legendHeight - top);
    painter.save();
    painter.setClipRect(drawable, Qt::IntersectClip);
    for (const FilledPolygon& p : figure.fills) {
        QPolygonF polygon;
        for (const XY& xy : p.points) {
            polygon << Q(xy);
        }
        painter.setBrush(FillBrush(p));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(polygon);
    }
    painter.setBrush(Qt::NoBrush);
    for (const Segment& s : figure.segments) {
        const QPen pen = StrokePen(s, pt);
        painter.setPen(pen);
        QPointF to = Q(s.to);
        if (s.stroke == Stroke::Path) {
            // The arrow stops at the rim of the point it leads to, not under it.
            const QPointF d = to - Q(s.from);
            const double length = std::hypot(d.x(), d.y());
            const double rim = 7 * pt;
            if (length > 2 * rim) {
                to -= d * (rim / length);
            }
        }
        painter.drawLine(Q(s.from), to);
        if (s.arrow) {
            Arrowhead(painter, Q(s.from), to, (s.stroke == Stroke::Axis ? 6 : 7) * pt,
                      pen.color());
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::black));
    for (const XY& at : figure.integerPoints) {
        painter.drawEllipse(Q(at), kIntegerDotRadius * pt, kIntegerDotRadius * pt);
    }
    for (const Dot& d : figure.dots) {
        const double r = (d.current ? kCurrentDotRadius : kDotRadius) * pt;
        painter.setPen(QPen(kPath, kDotPen * pt));
        painter.setBrush(d.hollow ? QBrush(Qt::white) : QBrush(kPath));
        painter.drawEllipse(Q(d.at), r, r);
        if (d.current) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Qt::black, kDotPen * pt));
            painter.drawEllipse(Q(d.at), r + kCurrentRingGap * pt, r + kCurrentRingGap * pt);
        }
    }

    // The labels are placed with the very fonts they are drawn in, on the screen as on the page.
    const double pad = 1.0 * pt;
    auto metricsOf = [&](const Label& l) -> const QFontMetricsF& {
        return l.kind == LabelKind::Tick ? smallFm : fm;
    };
    const std::vector<PlacedLabel> placed = PlaceLabels(
        figure,
        [&](const Label& l) {
            const QFontMetricsF& m = metricsOf(l);
            return LabelSize{m.horizontalAdvance(Text(l.text)) + 2 * pad, m.height()};
        },
        {drawable.left(), drawable.top(), drawable.width(), drawable.height()}, pt);
    for (const PlacedLabel& p : placed) {
        if (p.leader) {
            painter.setPen(QPen(QColor(90, 90, 90), 0.5 * pt));
            painter.drawLine(Q(p.from), Q(p.to));
        }
    }
    for (std::size_t i = 0; i < figure.labels.size(); ++i) {
        const Label& l = figure.labels[i];
        const QRectF box(placed[i].box.left, placed[i].box.top, placed[i].box.width,
                         placed[i].box.height);
        if (l.kind == LabelKind::Constraint || l.kind == LabelKind::Point) {
            painter.fillRect(box, QColor(255, 255, 255, 210));
        }
        painter.setFont(l.kind == LabelKind::Tick ? small : font);
        painter.setPen(RowColour(l.row));
        painter.drawText(box, Qt::AlignCenter, Text(l.text));
    }
    painter.restore();
    painter.restore();
}

}  // namespace simplesso
