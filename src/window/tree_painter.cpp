#include "tree_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace simplesso {
namespace {

QColor Colour(const int (&rgb)[3]) {
    return QColor(rgb[0], rgb[1], rgb[2]);
}

// The device's length of one typographic point, for pens.
double PointLength(const QPaintDevice* device) {
    return device ? device->logicalDpiY() / 72.0 : 96.0 / 72.0;
}

}  // namespace

integer::TreeFigure LayTreeFor(const integer::Tree& tree, const QFont& font,
                               const QPaintDevice* device) {
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    return integer::LayTree(
        tree,
        [&metrics](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text));
        },
        metrics.height());
}

void PaintTree(QPainter& painter, const QPointF& origin, const integer::TreeFigure& figure,
               const QFont& font, int selected) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    painter.setFont(font);
    const double point = PointLength(painter.device());
    const double gap = figure.lineHeight / 4;
    painter.setPen(QPen(Qt::black, 0.8 * point));
    for (const integer::TreeEdge& edge : figure.edges) {
        const QPointF from(edge.fromX, edge.fromY);
        const QPointF to(edge.toX, edge.toY);
        painter.drawLine(from, to);
        const QPointF middle = (from + to) / 2;
        const QString label = QString::fromStdString(edge.label);
        const double width = painter.fontMetrics().horizontalAdvance(label) + 2 * gap;
        const QRectF box(edge.labelLeft ? middle.x() - width - gap : middle.x() + gap,
                         middle.y() - figure.lineHeight, width, figure.lineHeight);
        painter.drawText(box, Qt::AlignCenter, label);
    }
    for (const integer::TreeBox& box : figure.boxes) {
        const integer::BoxStyle style = integer::StyleOf(box);
        const QRectF rect(box.left, box.top, box.width, box.height);
        QPen pen(Colour(style.border), style.pen * point);
        if (style.dashed) {
            pen.setStyle(Qt::DashLine);
        }
        painter.setPen(pen);
        painter.setBrush(Colour(style.fill));
        painter.drawRect(rect);
        painter.setPen(Qt::black);
        for (std::size_t i = 0; i < box.lines.size(); ++i) {
            const QRectF line(box.left, box.top + figure.lineHeight * (0.5 + static_cast<double>(i)),
                              box.width, figure.lineHeight);
            painter.drawText(line, Qt::AlignCenter, QString::fromStdString(box.lines[i]));
        }
        if (box.node == selected) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(0, 90, 200), 1.5 * point, Qt::DotLine));
            painter.drawRect(rect.adjusted(-2 * gap, -2 * gap, 2 * gap, 2 * gap));
        }
    }
    painter.restore();
}

}  // namespace simplesso
