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

}  // namespace simplesso
