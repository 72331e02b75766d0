// The course's controls in the real window: a row's sense set by click and by key, and the two
// windows that follow the lesson, opened from their buttons, through every press and going back.
#include <gtest/gtest.h>

#include <QtWidgets>

#include "analysis_window.h"
#include "region_window.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

QString Description(RegionWindow* region) {
    return region->Drawing()->accessibleDescription();
}

QString Cells(QWidget* window, const QString& table, int row) {
    for (auto* t : window->findChildren<QTableWidget*>()) {
        if (t->accessibleName() == table && row < t->rowCount()) {
            QStringList cells;
            for (int c = 0; c < t->columnCount(); ++c) {
                cells << (t->item(row, c) ? t->item(row, c)->text() : QString());
            }
            return cells.join("; ");
        }
    }
    return {};
}

TEST(Course, ASenseMovesOnByClickAndIsSetByKeyAndTheRowSaysIt) {
    WindowHarness h;
    auto* sense = h.Window().findChild<QAbstractButton*>("cmdVerso2");
    ASSERT_TRUE(sense);
    const auto row = [&] { return sense->parentWidget()->accessibleName().toStdString(); };
    EXPECT_EQ(sense->accessibleName(), "Verso del vincolo 2");
    const std::pair<std::function<void()>, const char*> moves[] = {
        {[&] { QTest::mouseClick(sense, Qt::LeftButton); }, "maggiore o uguale"},
        {[&] { QTest::keyClick(sense, Qt::Key_Space); }, "uguale"},
        {[&] { QTest::keyClick(sense, Qt::Key_Return); }, "minore o uguale"},
        {[&] { QTest::keyClicks(sense, "="); }, "uguale"},
        {[&] { QTest::keyClicks(sense, ">"); }, "maggiore o uguale"}};
    for (const auto& [move, words] : moves) {
        move();
        EXPECT_EQ(sense->accessibleDescription().toStdString(), words);
        EXPECT_EQ(sense->toolTip(), sense->accessibleDescription());
    }
    h.TypeAll(Fields("2 3 0 0 / 1 1 0 4 / 1 -1 0 1 / 1 0 0 6"));
    EXPECT_EQ(row(), "Vincolo 2: 1 x1 più -1 x2 più 0 x3 maggiore di 1");
    h.PressCalcola();
    EXPECT_EQ(h.Window().Tableau().TextMatrix(9, 1), "W =");  // a first phase
}

TEST(Course, RegionAndAnalysisFollowThePressesAndGoingBack) {
    WindowHarness h;
    auto* regionButton = h.Window().findChild<QPushButton*>("cmdRegione");
    auto* analysisButton = h.Window().findChild<QPushButton*>("cmdAnalisi");
    auto* back = h.Window().findChild<QPushButton*>("cmdPassoP");
    EXPECT_FALSE(regionButton->isEnabled() || analysisButton->isEnabled());
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    EXPECT_TRUE(regionButton->isEnabled() && !analysisButton->isEnabled());
    EXPECT_EQ(h.Window().Regione(), nullptr);  // nothing of it before it is opened
    QTest::mouseClick(regionButton, Qt::LeftButton);
    RegionWindow* region = h.Window().Regione();
    ASSERT_TRUE(region && region->isVisible());
    EXPECT_EQ(region->windowTitle(), "Regione ammissibile");
    EXPECT_EQ(region->Drawing()->accessibleName(), "Regione ammissibile");
    const QString vertices = Description(region).section(" Percorso", 0, 0);
    EXPECT_TRUE(vertices.startsWith("Vertici: (0; 0; 0), (0; 0; 2), ")) << vertices.toStdString();
    const auto path = [&] { return Description(region).section(vertices + " ", 1); };
    EXPECT_EQ(path(), "Percorso: (0; 0; 0). Punto attuale: (0; 0; 0).");
    h.PressPasso();
    EXPECT_EQ(path(), "Percorso: (0; 0; 0), (0; 4; 0). Punto attuale: (0; 4; 0).");
    h.PressPasso();
    const char* const kEnd =
        "Percorso: (0; 0; 0), (0; 4; 0), (22/5; 9/5; 0). Punto attuale: (22/5; 9/5; 0).";
    EXPECT_EQ(path(), kEnd);
    h.PressPasso();  // the end said again adds no point
    EXPECT_EQ(path(), kEnd);
    ASSERT_TRUE(analysisButton->isEnabled());
    QTest::mouseClick(analysisButton, Qt::LeftButton);
    AnalysisWindow* analysis = h.Window().Analisi();
    ASSERT_TRUE(analysis && analysis->isVisible());
    EXPECT_EQ(analysis->windowTitle(), "Analisi di sensitività");
    EXPECT_EQ(Cells(analysis, "Prezzi ombra", 1), "2: x1 + 2 x2 + 4 x3 ≤ 8; 0; 14/5; 5; 30");
    EXPECT_EQ(Cells(analysis, "Coefficienti", 2), "x3; 0; -48/5; -∞; 58/5");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(analysisButton->isEnabled());
    EXPECT_EQ(Cells(analysis, "Prezzi ombra", 0), "");  // emptied, saying why
    EXPECT_EQ(path(), "Percorso: (0; 0; 0), (0; 4; 0). Punto attuale: (0; 4; 0).");
    region->close();
    QTest::mouseClick(regionButton, Qt::LeftButton);
    EXPECT_EQ(h.Window().Regione(), region);  // the same window, where it was
}

}  // namespace
}  // namespace simplesso
