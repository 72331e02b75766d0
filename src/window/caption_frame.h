// A captioned frame that also draws the decorative texts of its equations (the x's, subscripts,
// signs and the brace) under its controls, each on its own opaque patch and in stacking order.
// Drawn with the frame's one painter, they cost no widgets and stay out of the accessibility tree.
#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QRect>
#include <vector>

namespace simplesso {

class CaptionFrame : public QGroupBox {
    Q_OBJECT
  public:
    CaptionFrame(const QString& title, QWidget* parent);

    // Draws one line of text from the top left corner of rect, clipped to it; later ones lie above.
    // A stretch draws the text's ink that many pixels taller (or shorter) at the same width, its
    // top where it stands: a brace over more rows or fewer.
    void AddDecoration(const QString& text, QRect rect, const QFont& font, const QColor& colour,
                       int stretch = 0);
    // Forgets every decoration: the equations are drawn anew for another size.
    void ClearDecorations();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Decoration {
        QString text;
        QRect rect;
        QFont font;
        QColor colour;
        int stretch;
    };
    std::vector<Decoration> decorations_;
};

}  // namespace simplesso
