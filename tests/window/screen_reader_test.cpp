// What a screen reader and a small screen get: the grid read cell by cell through its table
// interface across changes of size, the analysis read by its texts, and the windows that follow
// the lesson wholly on the screen. CTest runs these also on a 1280 x 800 screen and on a
// 1920 x 1080 one at scale 2.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QtWidgets>

#include "analysis_window.h"
#include "grid_model.h"
#include "region_window.h"
#include "tableau_view.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

// Every cell as the table interface gives it, against the text the model shows; the count of
// cells that came back wrong or empty.
int CellsReadWrong(TableauView* view) {
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(view)->tableInterface();
    if (!table || table->rowCount() != view->model()->rowCount() ||
        table->columnCount() != view->model()->columnCount()) {
        return -1;
    }
    int wrong = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            QAccessibleInterface* cell = table->cellAt(r, c);
            const QString expected = view->Model()->ShownText(r, c);
            const bool right = cell && cell->isValid() && cell->text(QAccessible::Name) == expected &&
                               cell->tableCellInterface()->rowIndex() == r &&
                               cell->tableCellInterface()->columnIndex() == c;
            wrong += !right;
        }
    }
    return wrong;
}

TEST(ScreenReader, ReadsEveryCellAfterEachChangeOfTheGridsSize) {
    WindowHarness h;
    auto* view = h.Window().findChild<TableauView*>("TabellaPivot");
    const char* const problems[] = {kExample, "1 2 3 0 / 1 1 1 5 / 1 1 1 -5 / 1 1 1 5",
                                    "2 3 0 0 / 1 1 0 4 / 1 -1 0 1 / 1 0 0 6", kExample};
    for (const char* problem : problems) {
        h.TypeAll(Fields(problem));
        h.PressCalcola();
        EXPECT_EQ(CellsReadWrong(view), 0) << problem;
        h.PressPasso();
        EXPECT_EQ(CellsReadWrong(view), 0) << problem << ", after a press";
    }
}

// A label's text as a screen reader meets it: its accessible name, or its description.
QStringList AccessibleTexts(const QWidget& window) {
    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
            texts << a->text(QAccessible::Name) << a->text(QAccessible::Description);
        }
    }
    return texts;
}

TEST(ScreenReader, AnalysisSaysItsDualSlacknessAndEachNoteOnAWindowWhollyOnTheScreen) {
    WindowHarness h;
    h.TypeAll(Fields("2 4 0 0 / 1 2 0 8 / 1 0 0 6 / 0 1 0 3"));
    h.PressCalcola();
    for (int press = 0; press < 4; ++press) {
        h.PressPasso();
    }
    QTest::mouseClick(h.Window().findChild<QPushButton*>("cmdRegione"), Qt::LeftButton);
    QTest::mouseClick(h.Window().findChild<QPushButton*>("cmdAnalisi"), Qt::LeftButton);
    AnalysisWindow* analysis = h.Window().Analisi();
    ASSERT_TRUE(analysis && analysis->isVisible());
    const QStringList texts = AccessibleTexts(*analysis);
    for (const char* expected : {"min W = 8 y1 + 6 y2 + 3 y3", "Il problema ha infinite soluzioni",
                                 "Problema duale", "Scarti complementari", "Note"}) {
        EXPECT_FALSE(texts.filter(QString::fromUtf8(expected)).isEmpty())
            << expected << " in " << texts.join(" | ").toStdString();
    }
    for (const QWidget* window : {static_cast<QWidget*>(analysis),
                                  static_cast<QWidget*>(h.Window().Regione())}) {
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
            << window->windowTitle().toStdString();
    }
}

}  // namespace
}  // namespace simplesso
