#include "appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <initializer_list>

namespace simplesso {
namespace {

// The window asks for "MS Sans Serif" and "Palatino Linotype"; these installed faces stand in for
// them, best first. Naming the installed face itself, rather than substituting it for a face that
// is not there, spares Qt a failed match and two fallback queries to fontconfig for every size.
QString FirstInstalled(std::initializer_list<const char*> faces) {
    for (const char* face : faces) {
        if (!QFontDatabase::styles(face).isEmpty()) {
            return face;
        }
    }
    return *faces.begin();  // fontconfig then offers the closest face it has
}

QFont Face(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

void PrepareAppearance() {
    QApplication::setStyle("Windows");
}

// The faces installed do not change while the program runs: each family is looked up once.
QFont SansSerif(double points, bool bold) {
    static const QString family = FirstInstalled({"Liberation Sans", "Arimo", "DejaVu Sans"});
    return Face(family, points, bold);
}

QFont CaptionFont(layout::Face face) {
    switch (face) {
        case layout::Face::LessThan:
            return SansSerif(12, true);
        case layout::Face::Brace: {
            static const QString family =
                FirstInstalled({"P052", "TeX Gyre Pagella", "DejaVu Serif"});
            return Face(family, 54.75, true);
        }
        case layout::Face::Normal:
            break;
    }
    return SansSerif(8.25, true);
}

}  // namespace simplesso
