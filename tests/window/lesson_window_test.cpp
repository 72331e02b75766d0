// The lesson's controls in the real window: their states through a lesson, the range check,
// saving, practising the pivot, the fractions view, and where the controls stand.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtWidgets>

#include "grid_model.h"
#include "range_checks.h"
#include "tableau_view.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

struct Controls {
    explicit Controls(Inserisci& w)
        : back(w.findChild<QPushButton*>("cmdPassoP")),
          fractions(w.findChild<QCheckBox*>("chkFrazioni")),
          practise(w.findChild<QCheckBox*>("chkEsercitati")),
          save(w.findChild<QPushButton*>("cmdSalva")),
          explanation(w.findChild<QLabel*>("lblSpiegazione")),
          view(w.findChild<TableauView*>("TabellaPivot")) {}

    // Back, fractions and save enabled, as one string that a failure shows whole.
    std::string States() const {
        return std::string(back->isEnabled() ? "B" : "-") + (fractions->isEnabled() ? "F" : "-") +
               (save->isEnabled() ? "S" : "-");
    }
    QString Cell(int row, int col) const {
        return view->Model()->index(row, col).data().toString();
    }
    std::string Line() const { return explanation->text().toStdString(); }

    QPushButton* back;
    QCheckBox* fractions;
    QCheckBox* practise;
    QPushButton* save;
    QLabel* explanation;
    TableauView* view;
};

TEST(Lesson, ButtonsFollowSetUpStepsSavingGoingBackTheEndAndANewSetUp) {
    WindowHarness h;
    Controls c(h.Window());
    EXPECT_EQ(c.States(), "---");
    h.TypeAll(Fields("4 6 2 1E39 / 2 1 3 18 / 1 2 -4E38 8 / 3 1 1 15"));
    h.PressCalcola();  // the objective's known term never enters the tableau
    EXPECT_EQ(h.messages, Messages{OutOfRangeMessage('.')});
    EXPECT_EQ(h.FocusName() + c.States(), "txtv2x3---");
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    EXPECT_EQ(c.States(), "-FS");
    EXPECT_TRUE(c.explanation->text().startsWith("Al prossimo passo entra x2"));
    h.PressPasso();
    EXPECT_EQ(c.States(), "BFS");
    EXPECT_EQ(c.explanation->accessibleName(), "Spiegazione");
    EXPECT_EQ(c.explanation->accessibleDescription(), c.explanation->text());
    EXPECT_TRUE(c.Line().starts_with("Entra x2:")) << c.Line();

    QTemporaryDir dir;
    QString chosen = dir.filePath("lezione.tex");
    h.Window().SetFileChooser([&](QWidget*) { return chosen; });
    c.save->click();
    QFile saved(chosen);
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly) && saved.read(14) == "\\documentclass");
    chosen = dir.filePath("manca/lezione.pdf");
    c.save->click();
    ASSERT_EQ(h.messages.size(), 2u);
    EXPECT_TRUE(h.messages[1].text.starts_with("Impossibile salvare la lezione"));

    h.PressPasso();
    EXPECT_EQ(h.messages.back(), EndMessage());
    c.back->click();  // past the end: the lesson goes on again
    EXPECT_TRUE(h.Window().State().PrimoPasso);
    EXPECT_EQ(h.Shown(), kExampleAfterPress[0]);
    EXPECT_EQ(CountCells(h.Window().Tableau(), kCyan), 1);
    c.back->click();
    EXPECT_EQ(c.States(), "-FS");
    h.PressPasso();
    h.PressPasso();
    EXPECT_EQ(h.Shown(), kExampleAfterPress[1]);
    h.PressCalcola();
    EXPECT_EQ(c.States(), "-FS");
}

TEST(Lesson, PractisingJudgesTheClickedCell) {
    WindowHarness h;
    Controls c(h.Window());
    c.practise->click();
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    for (const PivotCell cell : {PivotCell{2, 3}, PivotCell{1, 2}}) {
        const QRect place = c.view->visualRect(c.view->Model()->index(cell.row, cell.col));
        QTest::mouseClick(c.view->viewport(), Qt::LeftButton, {}, place.center());
        h.PressPasso();
    }
    EXPECT_TRUE(c.Line().starts_with("Non è il pivot: nella riga di x4")) << c.Line();
    EXPECT_TRUE(c.Line().ends_with("Pivot indovinati: 1 su 2")) << c.Line();
}

TEST(Lesson, FractionsAreShownCopiedAndHiddenWhenTooLongAndStopAtAnExactZeroPivot) {
    WindowHarness h;
    Controls c(h.Window());
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    h.PressPasso();
    c.fractions->click();
    EXPECT_EQ(c.Cell(2, 2), "1/2");
    EXPECT_TRUE(c.view->WholeText().contains("5/2\t0\t-1\t0\t-1/2\t1\t11"));
    h.PressPasso();  // the step works on the decimal texts whatever is shown
    EXPECT_EQ(h.Shown(), kExampleAfterPress[1]);
    EXPECT_EQ(c.Cell(9, 2), "142/5");
    c.fractions->click();
    EXPECT_EQ(c.Cell(9, 2), " 28.4");

    h.TypeAll(Fields("0.6 0.75 7.5 0 / 0.125 -33.3 0.125 0 / 2 0.05 12 4 / 0.383 0 9 0.4"));
    h.PressCalcola();
    for (int press = 0; press < 3; ++press) {
        h.PressPasso();
    }
    c.fractions->click();
    const QModelIndex x3 = c.view->Model()->index(2, 4);  // -71425129/2040624
    // A fraction cut would read as another: it is hidden behind "#", whole in the tooltip.
    EXPECT_TRUE(!c.Cell(2, 4).isEmpty() && c.Cell(2, 4).count('#') == c.Cell(2, 4).size())
        << c.Cell(2, 4).toStdString();
    EXPECT_EQ(x3.data(Qt::ToolTipRole).toString(), "-71425129/2040624");
    EXPECT_TRUE(c.view->WholeText().contains("\t-71425129/2040624\t"));

    h.TypeAll(Fields("6 12 4 18 / 0 9 1 3 / -12 7 11 0 / 0 6 -7 6"));
    h.PressCalcola();
    for (int press = 0; press < 4; ++press) {
        h.PressPasso();
    }
    EXPECT_FALSE(c.fractions->isEnabled() || c.fractions->isChecked());
    EXPECT_FALSE(c.fractions->toolTip().isEmpty());
    EXPECT_EQ(h.messages.end()[-2].title, "Attenzione!");
}

// Every button and check box shows its caption whole, and the window keeps its width and grows
// by at most 60 pixels; "Passo precedente" stands left of "Passo successivo", at its size.
// Where every control stands, clear of the others, is the size test's to check.
TEST(Lesson, NewControlsFitWithoutCoveringTheOldOnes) {
    WindowHarness h;
    Controls c(h.Window());
    EXPECT_EQ(h.Window().width(), 669);
    EXPECT_LE(h.Window().height(), 413 + 60);
    for (QAbstractButton* b : h.Window().findChildren<QAbstractButton*>()) {
        const int indicator = qobject_cast<QCheckBox*>(b) ? 20 : 8;
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + indicator, b->width())
            << b->objectName().toStdString();
    }
    EXPECT_EQ(c.back->size(), h.PassoSuccessivo()->size());
    EXPECT_LT(c.back->geometry().right(), h.PassoSuccessivo()->geometry().left());
    EXPECT_GE(c.explanation->geometry().top(), c.view->parentWidget()->geometry().bottom());
}

}  // namespace
}  // namespace simplesso
