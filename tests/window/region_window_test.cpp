// The region window on the worked example: its title, the drawing's accessible name and
// description as the path grows and shrinks, turning and zooming, and the view put back.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include "region_problems.h"
#include "region_window.h"

namespace simplesso {
namespace {

using namespace testing_support;

QString AccessibleDescription(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

TEST(RegionWindow, DescribesTheWorkedExampleAsThePathChanges) {
    RegionWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Regione ammissibile");
    EXPECT_TRUE(window.isWindow());
    EXPECT_FALSE(window.isModal());
    QWidget* drawing = window.Drawing();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(drawing)->text(QAccessible::Name),
              "Regione ammissibile");

    const QString vertices =
        "Vertici: (0; 0; 0), (0; 0; 2), (0; 4; 0), (22/5; 9/5; 0), (52/11; 0; 9/11), (5; 0; 0).";
    const std::vector<Point> path{{0, 0, 0}, {0, 4, 0}, {mpq_class(22, 5), mpq_class(9, 5), 0}};
    const struct {
        std::size_t points;
        QString rest;
    } presses[] = {
        {1, " Percorso: (0; 0; 0). Punto attuale: (0; 0; 0)."},
        {3, " Percorso: (0; 0; 0), (0; 4; 0), (22/5; 9/5; 0). Punto attuale: (22/5; 9/5; 0)."},
        {2, " Percorso: (0; 0; 0), (0; 4; 0). Punto attuale: (0; 4; 0)."},  // one press undone
    };
    for (const auto& press : presses) {
        window.ShowLesson(WorkedExample(), {path.begin(), path.begin() + press.points}, false);
        EXPECT_EQ(AccessibleDescription(drawing), vertices + press.rest);
    }
    window.Clear("Nessun problema impostato.");
    EXPECT_EQ(AccessibleDescription(drawing), "Nessun problema impostato.");
}

// A problem typed with two variables is drawn in the plane and read with two coordinates; one
// with four cannot be drawn, and the window says so rather than drawing anything.
TEST(RegionWindow, DescribesTwoVariablesAndRefusesFour) {
    RegionWindow window;
    window.show();
    const ExactProblem four = Typed({1, 1, 1, 1}, {{{1, 1, 1, 1}, kLe, 4}, {{1, 0, 2, 0}, kLe, 3}});
    const struct {
        const char* name;
        ExactProblem problem;
        QString description;
    } cases[] = {
        {"two", TwoByFour(),
         "Vertici: (0; 0), (0; 6), (2; 6), (4; 0), (4; 3). Percorso: (0; 0), (0; 6). Punto "
         "attuale: (0; 6)."},
        {"four", four, QString::fromUtf8(kNotDrawable)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window.ShowLesson(c.problem, {{0, 0, 0}, {0, 6, 0}}, false);
        EXPECT_EQ(AccessibleDescription(window.Drawing()), c.description);
        // Painted without fault either way.
        EXPECT_FALSE(window.Drawing()->grab().isNull());
    }
}

TEST(RegionWindow, TurnsZoomsAndGoesBackToTheInitialView) {
    RegionWindow window;
    window.ShowLesson(WorkedExample(), {{0, 0, 0}}, false);
    window.show();
    QWidget* drawing = window.Drawing();
    QTest::keyClick(drawing, Qt::Key_Left);
    QTest::keyClick(drawing, Qt::Key_Up);
    QTest::keyClick(drawing, Qt::Key_Plus);
    EXPECT_EQ(window.View().yaw, ViewAngles{}.yaw + 5);
    EXPECT_EQ(window.View().pitch, ViewAngles{}.pitch + 5);
    EXPECT_GT(window.View().zoom, 1);
    QTest::mousePress(drawing, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(drawing, QPoint(140, 100));
    QTest::mouseRelease(drawing, Qt::LeftButton, {}, QPoint(140, 100));
    auto* reset = window.findChild<QPushButton*>();
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->text(), "Vista iniziale");
    reset->click();
    EXPECT_EQ(window.View(), ViewAngles{});
}

}  // namespace
}  // namespace simplesso
