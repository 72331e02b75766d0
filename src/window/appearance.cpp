#include "appearance.h"

#include "numbers.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
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
    // Qt's own texts (the file dialog's labels and buttons) in the program's language, whatever
    // the desktop's: Debian's Qt translations, when installed.
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_it"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
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

char DecimalSeparator() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

QString FittedText(const QString& text, const QFontMetrics& metrics, int width) {
    const auto fits = [&](std::string_view candidate) {
        return metrics.horizontalAdvance(QString::fromUtf8(candidate.data(),
                                                           qsizetype(candidate.size()))) <= width;
    };
    return QString::fromStdString(FitNumberText(text.toStdString(), DecimalSeparator(), fits));
}

}  // namespace simplesso
