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

QFont Face(std::initializer_list<const char*> faces, double points, bool bold) {
    QFont font(FirstInstalled(faces));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

void PrepareAppearance() {
    QApplication::setStyle("Windows");
}

QFont SansSerif(double points, bool bold) {
    return Face({"Liberation Sans", "Arimo", "DejaVu Sans"}, points, bold);
}

QFont CaptionFont(layout::Face face) {
    switch (face) {
        case layout::Face::LessThan:
            return SansSerif(12, true);
        case layout::Face::Brace:
            return Face({"P052", "TeX Gyre Pagella", "DejaVu Serif"}, 54.75, true);
        case layout::Face::Normal:
            break;
    }
    return SansSerif(8.25, true);
}

}  // namespace simplesso
