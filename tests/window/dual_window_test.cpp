// The dual simplex and a constraint added after an optimum in the real window, every tableau
// shown compared with the one the lesson itself builds from the same problem.
#include <gtest/gtest.h>

#include <QtWidgets>

#include "add_constraint_dialog.h"
#include "range_checks.h"
#include "sense_button.h"
#include "region_window.h"
#include "tree_window.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

Message Warning(const char* text) {
    return {"Attenzione!", text, MessageIcon::Warning};
}

template <typename T = QWidget>
T* Find(QObject* parent, const QString& accessibleName) {
    for (T* w : parent->findChildren<T*>()) {
        if (w->accessibleName() == accessibleName) {
            return w;
        }
    }
    return nullptr;
}

// A three-by-three problem typed with its senses, and "Simplesso duale" set; the lesson beside
// the window's is set up as "Calcola il simplesso" sets one up.
void Type(WindowHarness& h, const char* line, const char* senses, bool dual) {
    h.TypeAll(Fields(line));
    for (int r = 0; r < 3; ++r) {
        QTest::keyClicks(Find(&h.Window(), QString("Verso del vincolo %1").arg(r + 1)),
                         QString(senses[r]));
    }
    Find<QCheckBox>(&h.Window(), "Minimizza")->setChecked(QString(line).startsWith("min"));
    Find<QCheckBox>(&h.Window(), "Simplesso duale")->setChecked(dual);
}
void Begin(Lesson& core, const char* problem, bool dual) {
    core.State().PrimoPasso = true;
    core.SetUp(Typed(problem), '.', dual);
}

// Presses on to the end beside the lesson, tableau for tableau and message for message;
// "Aggiungi vincolo" is offered only at the end.
void PressToTheEnd(WindowHarness& h, Lesson& core) {
    auto* add = Find(&h.Window(), "Aggiungi vincolo");
    for (int press = 0; press < 10 && h.messages.empty(); ++press) {
        EXPECT_FALSE(add->isEnabled()) << "press " << press;
        h.PressPasso();
        EXPECT_EQ(h.messages, core.Press()) << "press " << press;
        EXPECT_EQ(h.Shown(), JoinedRows(core.Tableau())) << "press " << press;
    }
    ASSERT_EQ(h.messages, Messages{EndMessage()});
    EXPECT_TRUE(add->isEnabled());
    h.messages.clear();
}

const char* const kDual = "min 2 3 4 0 / 1 1 1 4 / 2 1 0 3 / 0 1 3 2";

// Ticked, a problem the dual method cannot start from is said, the focus goes to the row to
// correct and the lesson shown goes on untouched; unticked, the same problem starts the two
// phases. A dual lesson runs to its end.
TEST(Dual, RefusedProblemsChangeNothingAndADualLessonRunsToItsEnd) {
    const std::tuple<const char*, const char*, bool, Messages, const char*> cases[] = {
        {kDual, ">=>", true, {Warning("Il simplesso duale richiede vincoli con < o >.")},
         "cmdVerso2"},
        {"4 6 2 0 / 1 1 1 4 / 2 1 0 3 / 0 1 3 2", ">>>", true,
         {Warning("La base iniziale non è ammissibile per il duale: usare il metodo delle due "
                  "fasi.")},
         "txtv1x2"},
        {kDual, ">=>", false, {}, "txtv1x2"}};
    for (const auto& [line, senses, dual, messages, focus] : cases) {
        SCOPED_TRACE(line);
        WindowHarness h;
        h.TypeAll(Fields(kExample));
        h.PressCalcola();
        h.PressPasso();
        const FormState state = h.Window().State();
        Type(h, line, senses, dual);
        h.Field(5)->setFocus();
        h.Calcola()->click();
        EXPECT_EQ(std::pair(h.messages, h.FocusName()), std::pair(messages, std::string(focus)));
        EXPECT_EQ(h.Shown() == kExampleAfterPress[0], !messages.empty());
        EXPECT_EQ(h.Window().State() == state, !messages.empty());
    }
    WindowHarness h;
    Type(h, kDual, ">>>", true);
    h.PressCalcola();
    Lesson core;
    Begin(core, "min 2 3 4 0 / 1 1 1 > 4 / 2 1 0 > 3 / 0 1 3 > 2", true);
    EXPECT_EQ(h.Shown(), JoinedRows(core.Tableau()));
    PressToTheEnd(h, core);
}

// A bad row is refused in the dialog as the window refuses a constraint row, and nothing is
// added. A good one goes into the lesson and the equations, the grid grown and shown whole;
// going back takes it away again, and the lesson goes on to its end with another.
TEST(Dual, AConstraintAddedAfterTheOptimumGoesBackAndOnToTheEnd) {
    WindowHarness h;
    Type(h, kExample, "<<<", false);
    h.PressCalcola();
    Lesson core;
    Begin(core, kExample, false);
    PressToTheEnd(h, core);
    const Texts optimum = h.Shown();
    auto* add = Find<QPushButton>(&h.Window(), "Aggiungi vincolo");
    auto* constraints = Find<QSpinBox>(&h.Window(), "Numero di vincoli");
    // The dialog driven as a user drives it: the row typed into its fields, the sense clicked
    // ("<", ">", "<" again, never "="), "OK", and "Annulla" where it stays open.
    const QString terms[] = {"coefficiente di x1", "coefficiente di x2", "coefficiente di x3",
                             "termine noto"};
    QStringList row;
    int clicks = 0;
    QString focus;
    h.Window().SetConstraintAsker([&](AddConstraintDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Aggiungi vincolo");
        for (int v = 0; v < 4; ++v) {
            Find<QLineEdit>(&dialog, "Nuovo vincolo, " + terms[v])->setText(row[v]);
        }
        for (int click = 0; click < clicks; ++click) {
            Find<SenseButton>(&dialog, "Verso del nuovo vincolo")->click();
        }
        Find<QPushButton>(&dialog, "OK")->click();
        focus = dialog.focusWidget()->accessibleName();
        if (dialog.result() != QDialog::Accepted) {
            Find<QPushButton>(&dialog, "Annulla")->click();
        }
        return dialog.result() == QDialog::Accepted;
    });
    const std::tuple<QStringList, Message, int> faults[] = {
        {{"1", "1", "", "5"}, Warning("Compilare prima tutti i campi dei vincoli!"), 2},
        {{"1", "1,5", "0", "5"}, Warning("I campi non devono contenere caratteri!"), 1},
        {{"1", "1", "0", "-4E39"}, OutOfRangeMessage('.'), 3}};
    for (const auto& [typed, message, faulty] : faults) {
        row = typed;
        add->click();
        EXPECT_EQ(std::pair(h.messages, focus),
                  std::pair(Messages{message}, "Nuovo vincolo, " + terms[faulty]));
        EXPECT_EQ(std::pair(h.Shown(), constraints->value()), std::pair(optimum, 3));
        h.messages.clear();
    }
    // x1 + x2 <= 5 cuts the optimum (4.4, 1.8, 0) off, and is taken back; x1 + x2 >= 6 stays.
    const std::tuple<QStringList, int, Sense, const char*> rows[] = {
        {{"1", "1", "0", "5"}, 2, Sense::LessEqual, "minore di"},
        {{"1", "1", "0", "6"}, 1, Sense::GreaterEqual, "maggiore di"}};
    for (const auto& [typed, times, sense, relation] : rows) {
        std::tie(row, clicks) = std::pair(typed, times);
        add->click();
        ASSERT_TRUE(core.AddConstraint({"1", "1", "0"}, sense, row[3].toStdString()));
        EXPECT_EQ(std::pair(h.Shown(), constraints->value()),
                  std::pair(JoinedRows(core.Tableau()), 4));
        EXPECT_TRUE(Find(&h.Window(),
                         "Vincolo 4: 1 x1 più 1 x2 più 0 x3 " + QString(relation) + " " + row[3]));
        EXPECT_FALSE(add->isEnabled());
        QTableView* view = h.Tabella();
        const QModelIndex last =
            view->model()->index(view->model()->rowCount() - 1, view->model()->columnCount() - 1);
        EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(last)));
        EXPECT_TRUE(h.Window().rect().contains(view->parentWidget()->geometry()));
        if (sense == Sense::LessEqual) {
            h.Window().findChild<QPushButton*>("cmdPassoP")->click();
            core.GoBack();
            EXPECT_EQ(std::pair(h.Shown(), constraints->value()), std::pair(optimum, 3));
            EXPECT_TRUE(add->isEnabled());
        }
    }
    PressToTheEnd(h, core);
    h.PressCalcola();  // a new lesson starts from the problem with the row added
    EXPECT_EQ(h.Window().CurrentLesson().Problem().Rows(), 4);
}

// "Variabili intere": at the fractional optimum the cut is offered and made, the dual simplex
// reaches the integer optimum, and no more cut is offered; with data that are not integers the
// button says why it is not.
TEST(Integer, AGomoryCutFromTheWindow) {
    for (const char* line : {kExample, "4 6 2 0 / 2 1 3 18.5 / 1 2 4 8 / 3 1 1 15"}) {
        WindowHarness h;
        Type(h, line, "<<<", false);
        Find<QCheckBox>(&h.Window(), "Variabili intere")->setChecked(true);
        h.PressCalcola();
        auto* cut = Find<QPushButton>(&h.Window(), "Taglio di Gomory");
        for (int press = 0; press < 5 && h.messages.empty(); ++press) {
            EXPECT_FALSE(cut->isEnabled());
            h.PressPasso();
        }
        const bool integerData = line == kExample;
        EXPECT_EQ(cut->isEnabled(), integerData);
        if (!integerData) {
            EXPECT_EQ(cut->toolTip(),
                      "Il taglio di Gomory richiede coefficienti e termini noti interi.");
            continue;
        }
        // Branch and bound from this optimum: the tree told in words, its best node shown.
        auto* branch = Find<QPushButton>(&h.Window(), "Branch and bound");
        ASSERT_TRUE(branch->isEnabled());
        branch->click();
        TreeWindow* tree = h.Window().Albero();
        ASSERT_TRUE(tree && tree->isVisible());
        EXPECT_TRUE(tree->screen()->availableGeometry().contains(tree->frameGeometry()));
        EXPECT_EQ(Find(tree, "Albero di branch and bound")->accessibleDescription(),
                  "Nodo 1: Z = 142/5, x = (22/5; 9/5; 0), si dirama su x1. Nodo 2 (x1 ≤ 4): Z = "
                  "28, x = (4; 2; 0), intera, nuova soluzione migliore. Nodo 3 (x1 ≥ 5): Z = 20, "
                  "x = (5; 0; 0), chiuso per limite. Ottimo intero: Z = 28, x = (4; 2; 0).");
        EXPECT_EQ(tree->SelectedNode(), 1);
        // Its tableau has the bound's row, Z in row 10; the root's has not. "Frazioni" is off.
        auto* table = Find<QTableWidget>(tree, "Tabella del nodo");
        EXPECT_EQ(std::pair(table->item(10, 1)->text(), table->item(10, 2)->text()),
                  std::pair(QString("Z ="), QString("28")));
        // Three variables: the region of the node, its bound a row of its own.
        EXPECT_TRUE(tree->Region()->isVisibleTo(tree));
        EXPECT_TRUE(tree->Region()->Drawing()->accessibleDescription().contains(
            "Punto attuale: (4; 2; 0)."));
        // The drawing tells the same words; a click on the third node's box shows that node.
        QWidget* drawing = Find(tree, "Disegno dell'albero");
        EXPECT_EQ(drawing->accessibleDescription(),
                  Find(tree, "Albero di branch and bound")->accessibleDescription());
        QTest::mouseClick(drawing, Qt::LeftButton, {}, tree->NodeBox(2).center());
        EXPECT_EQ(tree->SelectedNode(), 2);
        EXPECT_EQ(table->item(10, 2)->text(), "20");
        tree->SelectNode(0);
        EXPECT_EQ(table->item(9, 2)->text(), "28.4");
        Find<QCheckBox>(&h.Window(), "Frazioni")->setChecked(true);  // the tableau follows
        EXPECT_EQ(table->item(9, 2)->text(), "142/5");
        h.messages.clear();
        cut->click();
        EXPECT_TRUE(h.Window().findChild<QLabel*>("lblSpiegazione")->text().startsWith(
            "Simplesso duale: Taglio di Gomory dalla riga di x2"));
        EXPECT_EQ(Find<QSpinBox>(&h.Window(), "Numero di vincoli")->value(), 3);
        h.PressPasso();
        ASSERT_EQ(h.messages.size(), 1u);
        EXPECT_TRUE(h.messages[0].text.ends_with("\nLa soluzione ottima è intera."));
        EXPECT_FALSE(cut->isEnabled());
        EXPECT_FALSE(branch->isEnabled());
    }
}

}  // namespace
}  // namespace simplesso
