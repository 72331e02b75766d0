// The text a cell draws for its width, in the grid's face and in the PDF's: a number shortened
// never reads as another, and what is drawn fits.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPdfWriter>

#include "appearance.h"

namespace simplesso {
namespace {

TEST(FittedText, ShortNumbersFitAndKeepTheirLeadingDigitsAndExponentInEveryFace) {
    QPdfWriter pdf(QStringLiteral("/dev/null"));
    pdf.setResolution(300);
    QFont pdfFace(QStringLiteral("Liberation Sans"));
    pdfFace.setPointSizeF(9);
    const std::pair<const char*, QFontMetrics> faces[] = {
        {"grid", QFontMetrics(SansSerif(8.25, false))},
        {"grid, bold", QFontMetrics(SansSerif(8.25, true))},
        {"pdf", QFontMetrics(pdfFace, &pdf)}};
    const char* const numbers[] = {"-5.960464E-08", "0.333333333333333", "4.99999999999999",
                                   "-3.402823E+38", "1.79769313486231E+308", "-0.666666666666667",
                                   " 28.4"};
    for (const auto& [face, metrics] : faces) {
        for (const char* number : numbers) {
            const QString whole = QString::fromLatin1(number).trimmed();
            const qsizetype e = whole.indexOf('E');
            const QString exponent = e < 0 ? QString() : whole.mid(e);
            const int integer = int(whole.indexOf('.'));
            for (int width = metrics.horizontalAdvance('#');
                 width <= metrics.horizontalAdvance(whole) + 2; width += 2) {
                const QString shown = FittedText(number, metrics, width);
                const std::string why = std::string(face) + ": " + number + " in " +
                                        std::to_string(width) + " drawn " + shown.toStdString();
                EXPECT_LE(metrics.horizontalAdvance(shown), width) << why;
                const qsizetype dots = shown.indexOf(QChar(0x2026));
                if (dots < 0) {
                    EXPECT_TRUE(shown.trimmed() == whole || shown.count('#') == shown.size())
                        << why;
                    continue;
                }
                EXPECT_TRUE(whole.startsWith(shown.left(dots))) << why;
                EXPECT_GE(dots, integer) << why;
                EXPECT_EQ(shown.mid(dots + 1), exponent) << why;
            }
        }
    }
}

}  // namespace
}  // namespace simplesso
