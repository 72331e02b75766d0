// The lesson's controls in the real window: their states through a lesson, the fractions view,
// the range check, practising the pivot, saving, and where they stand.
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

const char* const kZeroPivot = "6 12 4 18 / 0 9 1 3 / -12 7 11 0 / 0 6 -7 6";

struct Controls {
    explicit Controls(WindowHarness& h)
        : back(h.Window().findChild<QPushButton*>("cmdPassoP")),
          fractions(h.Window().findChild<QCheckBox*>("chkFrazioni")),
          practise(h.Window().findChild<QCheckBox*>("chkEsercitati")),
          save(h.Window().findChild<QPushButton*>("cmdSalva")),
          explanation(h.Window().findChild<QLabel*>("lblSpiegazione")),
          view(h.Window().findChild<TableauView*>("TabellaPivot")) {}

    // Back, fractions, save enabled, as a string that a failure shows whole.
    std::string States() const {
        return std::string(back->isEnabled() ? "B" : "-") + (fractions->isEnabled() ? "F" : "-") +
               (save->isEnabled() ? "S" : "-");
    }
    QString Cell(int row, int col) const {
        return view->Model()->data(view->Model()->index(row, col), Qt::DisplayRole).toString();
    }

    QPushButton* back;
    QCheckBox* fractions;
    QCheckBox* practise;
    QPushButton* save;
    QLabel* explanation;
    TableauView* view;
};

TEST(Lesson, ButtonsFollowSetUpStepsGoingBackTheEndAndANewSetUp) {
    WindowHarness h;
    Controls c(h);
    EXPECT_EQ(c.States(), "---");
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    EXPECT_EQ(c.States(), "-FS");
    EXPECT_TRUE(c.explanation->text().startsWith("Al prossimo passo entra x2"));
    h.PressPasso();
    EXPECT_EQ(c.States(), "BFS");
    EXPECT_EQ(c.explanation->accessibleName(), "Spiegazione");
    EXPECT_EQ(c.explanation->accessibleDescription(), c.explanation->text());
    EXPECT_TRUE(c.explanation->text().startsWith("Entra x2:"))
        << c.explanation->text().toStdString();
    h.PressPasso();
    EXPECT_EQ(h.messages, std::vector<Message>{EndMessage()});
    EXPECT_FALSE(h.Window().State().PrimoPasso);

    c.back->click();  // past the end: the lesson goes on again
    EXPECT_TRUE(h.Window().State().PrimoPasso);
    EXPECT_EQ(h.Shown(), kExampleAfterPress[0]);
    EXPECT_EQ(CountCells(h.Window().Tableau(), kCyan), 1);
    c.back->click();
    EXPECT_EQ(c.States(), "-FS");
    h.PressPasso();
    h.PressPasso();
    EXPECT_EQ(h.Shown(), kExampleAfterPress[1]);
    EXPECT_EQ(h.messages.size(), 2u);

    h.PressCalcola();
    EXPECT_EQ(c.States(), "-FS");
    EXPECT_TRUE(c.explanation->text().startsWith("Al prossimo passo entra x2"));
}

TEST(Lesson, FractionsAreShownCopiedAndElidedAndStopAtAnExactZeroPivot) {
    WindowHarness h;
    Controls c(h);
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
    int elided = 0;
    for (int r = 1; r <= 3; ++r) {
        for (int col = 2; col <= 8; ++col) {
            const QModelIndex cell = c.view->Model()->index(r, col);
            if (c.Cell(r, col).endsWith(QChar(0x2026))) {
                ++elided;
                EXPECT_EQ(c.view->Model()->data(cell, Qt::ToolTipRole).toString(),
                          c.view->Model()->ShownText(r, col));
            }
        }
    }
    EXPECT_GT(elided, 0);

    h.TypeAll(Fields(kZeroPivot));
    h.PressCalcola();
    EXPECT_TRUE(c.fractions->isEnabled());
    for (int press = 0; press < 4; ++press) {
        h.PressPasso();
    }
    EXPECT_FALSE(c.fractions->isEnabled());
    EXPECT_FALSE(c.fractions->isChecked());
    EXPECT_FALSE(c.fractions->toolTip().isEmpty());
    EXPECT_EQ(h.messages.end()[-2].title, "Attenzione!");
}

TEST(Lesson, NumbersBeyondTheSingleRangeAreRefusedAtTheirField) {
    WindowHarness h;
    h.TypeAll(Fields("4 6 2 1E39 / 2 1 3 18 / 1 2 -4E38 8 / 3 1 1 15"));
    h.PressCalcola();
    EXPECT_EQ(h.messages, std::vector<Message>{OutOfRangeMessage('.')});
    EXPECT_EQ(h.FocusName(), "txtv2x3");  // the objective's known term never enters the tableau
    EXPECT_FALSE(h.PassoSuccessivo()->isEnabled());
    h.Type(10, "-3E38");
    h.PressCalcola();
    EXPECT_TRUE(h.PassoSuccessivo()->isEnabled());
}

TEST(Lesson, PractisingSaysWhetherTheClickedCellWasThePivot) {
    WindowHarness h;
    Controls c(h);
    c.practise->click();
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    const auto click = [&](int row, int col) {
        const QRect cell = c.view->visualRect(c.view->Model()->index(row, col));
        QTest::mouseClick(c.view->viewport(), Qt::LeftButton, {}, cell.center());
    };
    click(2, 3);
    h.PressPasso();
    EXPECT_TRUE(c.explanation->text().startsWith("Giusto! Entra x2"))
        << c.explanation->text().toStdString();
    click(1, 2);
    h.PressPasso();
    EXPECT_TRUE(c.explanation->text().startsWith("Non è il pivot:"));
    EXPECT_TRUE(c.explanation->text().endsWith("Pivot indovinati: 1 su 2"));
}

TEST(Lesson, SavingWritesTheChosenFileOrSaysWhyNot) {
    QTemporaryDir dir;
    WindowHarness h;
    Controls c(h);
    QString chosen;
    h.Window().SetFileChooser([&](QWidget*) { return chosen; });
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    h.PressPasso();
    const std::pair<const char*, QByteArray> kFiles[] = {{"lezione.tex", "\\documentclass"},
                                                         {"lezione.pdf", "%PDF-"}};
    for (const auto& [name, start] : kFiles) {
        chosen = dir.filePath(name);
        c.save->click();
        QFile file(chosen);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(file.read(start.size()), start) << name;
    }
    chosen = dir.filePath("manca/lezione.pdf");
    c.save->click();
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].title, "Attenzione!");
    EXPECT_TRUE(h.messages[0].text.starts_with("Impossibile salvare la lezione"))
        << h.messages[0].text;
}

// The new controls stand inside the window, clear of every control it had, and show their
// captions whole; the window keeps its width and grows by at most 60 pixels.
TEST(Lesson, NewControlsFitWithoutCoveringTheOldOnes) {
    WindowHarness h;
    Controls c(h);
    EXPECT_EQ(h.Window().width(), 669);
    EXPECT_LE(h.Window().height(), 353 + 60);
    const auto place = [&](QWidget* w) {
        return QRect(w->mapTo(&h.Window(), QPoint()), w->size());
    };
    std::vector<QRect> old;
    for (const char* name : {"Frame1", "Frame2", "calcola", "TabellaPivot", "cmdPassoS"}) {
        old.push_back(place(h.Window().findChild<QWidget*>(name)));
    }
    const QList<QAbstractButton*> buttons{c.back, c.fractions, c.practise, c.save};
    for (QAbstractButton* b : buttons) {
        EXPECT_TRUE(h.Window().rect().contains(place(b))) << b->objectName().toStdString();
        for (const QRect& r : old) {
            EXPECT_FALSE(r.intersects(place(b))) << b->objectName().toStdString();
        }
        const int indicator = qobject_cast<QCheckBox*>(b) ? 20 : 8;
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + indicator, b->width())
            << b->objectName().toStdString();
    }
    EXPECT_EQ(c.back->size(), h.PassoSuccessivo()->size());
    EXPECT_LT(c.back->geometry().right(), h.PassoSuccessivo()->geometry().left());
    EXPECT_GE(place(c.explanation).top(), old[3].bottom());
}

}  // namespace
}  // namespace simplesso
