#include "caption_frame.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

namespace simplesso {

CaptionFrame::CaptionFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void CaptionFrame::AddDecoration(const QString& text, QRect rect, const QFont& font,
                                 const QColor& colour, int stretch) {
    decorations_.push_back({text, rect, font, colour, stretch});
    update(rect);
}

void CaptionFrame::ClearDecorations() {
    decorations_.clear();
    update();
}

// Each patch is painted as an opaque label of its size would be: the window colour first, then
// the text from the top left corner, nothing outside the patch. Every text is one short line, so
// it is drawn at its baseline without the line layout that a rectangle would ask for.
void CaptionFrame::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    const QBrush background = palette().brush(QPalette::Window);
    for (const Decoration& d : decorations_) {
        if (!event->region().intersects(d.rect)) {
            continue;
        }
        painter.setClipRect(d.rect);
        painter.fillRect(d.rect, background);
        painter.setFont(d.font);
        painter.setPen(d.colour);
        const QFontMetricsF metrics(d.font);
        if (d.stretch == 0) {
            painter.drawText(QPointF(d.rect.left(), d.rect.top() + metrics.ascent()), d.text);
            continue;
        }
        const QRectF ink = metrics.tightBoundingRect(d.text);
        painter.save();
        painter.translate(d.rect.left(), d.rect.top() + metrics.ascent() + ink.top());
        painter.scale(1.0, (ink.height() + d.stretch) / ink.height());
        painter.drawText(QPointF(0, -ink.top()), d.text);
        painter.restore();
    }
}

}  // namespace simplesso
