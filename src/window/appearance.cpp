#include "appearance.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace simplesso {

void PrepareAppearance() {
    QApplication::setStyle("Windows");
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Palatino Linotype", {"P052", "TeX Gyre Pagella", "DejaVu Serif"});
}

QFont SansSerif(double points, bool bold) {
    QFont font("MS Sans Serif");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont CaptionFont(layout::Face face) {
    switch (face) {
        case layout::Face::LessThan:
            return SansSerif(12, true);
        case layout::Face::Brace: {
            QFont font("Palatino Linotype");
            font.setPointSizeF(54.75);
            font.setBold(true);
            return font;
        }
        case layout::Face::Normal:
            break;
    }
    return SansSerif(8.25, true);
}

}  // namespace simplesso
