// Where a window that follows the lesson opens, on screens of several sizes: beside the main
// window where there is room, clear of the windows already open, and always wholly on the screen.
#include <gtest/gtest.h>

#include "window_placement.h"

namespace simplesso {
namespace {

TEST(PlaceBeside, OpensBesideWhereThereIsRoomAndAlwaysOnTheScreen) {
    const QRect laptop(0, 0, 1280, 800);
    const QRect main(0, 0, 677, 473);  // today's window with a frame of 4 and a title of 26
    const QMargins frame(4, 26, 4, 4);
    const std::vector<Side> order{Side::Right, Side::Left, Side::Below, Side::Above};
    struct Case {
        const char* what;
        QRect main;
        QSize size;
        QRect available;
        std::vector<QRect> taken;
        QRect expected;
    };
    const Case cases[] = {
        {"room at the right", main, {520, 600}, laptop, {}, {685, 0, 528, 630}},
        {"too tall: slides up to the screen's foot", {0, 300, 677, 473}, {520, 600}, laptop, {},
         {685, 170, 528, 630}},
        {"the right taken: the left", {700, 0, 677, 473}, {400, 500}, {0, 0, 1900, 900},
         {{1385, 0, 200, 200}}, {284, 0, 408, 530}},
        {"no room beside: below", {300, 0, 677, 300}, {600, 300}, laptop, {}, {300, 308, 608, 330}},
        {"below, slid left from the screen's right edge", {700, 0, 500, 300}, {700, 300}, laptop,
         {}, {572, 308, 708, 330}},
        {"taller than the screen: cut to it", main, {520, 2000}, laptop, {}, {685, 0, 528, 800}},
        {"no room anywhere: onto the screen", {0, 0, 800, 600}, {600, 500}, {0, 0, 800, 600}, {},
         {192, 0, 608, 530}},
        {"the free place taken: the first on the screen", main, {520, 600}, laptop,
         {{685, 0, 10, 10}}, {685, 0, 528, 630}},
        {"a second screen at the left", {-1200, 100, 677, 473}, {520, 600}, {-1280, 0, 1280, 1024},
         {}, {-528, 100, 528, 630}},
    };
    for (const Case& c : cases) {
        const QRect placed = PlaceBeside(c.main, c.size, frame, c.available, order, c.taken);
        EXPECT_EQ(placed, c.expected) << c.what;
        EXPECT_TRUE(c.available.contains(placed)) << c.what;
    }
}

}  // namespace
}  // namespace simplesso
