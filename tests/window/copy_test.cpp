#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "tableau_view.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using testing_support::kWorkedExample;
using testing_support::WindowHarness;

QPoint CellCentre(QTableView* view, int row, int col) {
    return view->visualRect(view->model()->index(row, col)).center();
}

TEST(Copy, CtrlCPutsTheSelectedCellsOnTheClipboardAndLeavesTheTableauAlone) {
    WindowHarness h;
    h.TypeAll(kWorkedExample);
    h.PressCalcola();
    h.PressPasso();
    QTableView* view = h.Tabella();
    const Grid before(h.Window().Tableau());

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellCentre(view, 1, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(view, 2, 3));
    QApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "x4\t1.5\t0\nx2\t0.5\t1\n");

    // A cell outside the block widens it; the cells it skips come out empty.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      CellCentre(view, 9, 2));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "x4\t1.5\t0\nx2\t0.5\t1\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t 24\t\n");

    EXPECT_TRUE(h.Window().Tableau() == before);  // texts, colours and current cell
    h.PressPasso();
    EXPECT_EQ(h.Shown(9, 2), " 28.4");
    EXPECT_EQ(h.Window().Tableau().At(3, 2).background, kCyan);
    EXPECT_EQ(h.Window().Tableau().At(2, 3).background, kWhite);
    EXPECT_TRUE(view->selectionModel()->selectedIndexes().isEmpty());
}

TEST(Copy, ContextMenuCopiesTheWholeTableau) {
    WindowHarness h;
    h.TypeAll(kWorkedExample);
    h.PressCalcola();
    auto* view = qobject_cast<TableauView*>(h.Tabella());
    ASSERT_NE(view, nullptr);

    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            captions << action->text();
        }
        menu->actions().front()->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, CellCentre(view, 4, 4),
                            view->viewport()->mapToGlobal(CellCentre(view, 4, 4)));
    QApplication::sendEvent(view->viewport(), &event);

    EXPECT_EQ(captions, QStringList{"Copia tabella"});
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 11);  // ten rows and the empty text after the last line feed
    EXPECT_EQ(lines[0], "\t\tx1\tx2\tx3\tx4\tx5\tx6\t");
    EXPECT_EQ(lines[2], "0\tx5\t1\t2\t4\t0\t1\t0\t8");
    EXPECT_EQ(lines[9], "\tZ =\t0\t\t\t\t\t\t");
    EXPECT_EQ(lines[10], "");
}

}  // namespace
}  // namespace simplesso
