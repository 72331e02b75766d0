// The real window, offscreen, driven as a user does: its state at start-up, its geometry to the
// pixel, the keyboard, the checks of the fields, the worked example pressed through to the end,
// the decimal comma, copying from the grid, and thousands of random actions.
#include <gtest/gtest.h>

#include <QtWidgets>
#include <random>

#include "appearance.h"
#include "layout.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

Message Warning(const char* text) {
    return {"Attenzione!", text, MessageIcon::Warning};
}
const Message kLetters = Warning("I campi non devono contenere caratteri!");

// The start-up state. Controls stand where the twips put them, a subscript above its x label, a
// field above the label it covers. A face too wide for a caption, or a field whose frame eats its
// text, would cut the caption or a typed number short.
TEST(StartUp, EmptyFieldsALockedStepButtonAndEveryControlInPlace) {
    WindowHarness h;
    ASSERT_TRUE(h.exposed);
    EXPECT_EQ(h.Window().windowTitle(), "Metodo del simplesso, Simplesso didattico");
    EXPECT_EQ(h.FocusName(), "txtx1");
    EXPECT_EQ(h.AllFieldTexts(), FieldTexts{});
    EXPECT_EQ(h.Shown(), Texts(10, "||||||||"));
    EXPECT_EQ(h.Window().State(), (FormState{false, false, 8, 8}));
    h.PressPasso();  // not even a click gets through
    EXPECT_TRUE(h.messages.empty() && !h.PassoSuccessivo()->isEnabled());

    const auto at = [&h](const char* name) {
        return h.Window().findChild<QWidget*>(name)->geometry();
    };
    // The explanation strip below, under it the course's strip and the exercise files' strip.
    EXPECT_EQ(h.Window().size(), QSize(669, 353 + 60 + 30 + 30));
    EXPECT_EQ(at("Frame3"), QRect(3, 120, 664, 231));
    QWidget* frame2 = h.Window().findChild<QWidget*>("Frame2");
    EXPECT_EQ(QRect(h.Field(11)->mapTo(frame2, QPoint()), h.Field(11)->size()),
              QRect(279, 54, 36, 19));
    EXPECT_EQ(at("TabellaPivot"), QRect(36, 24, 590, 173));
    EXPECT_EQ(at("cmdPassoS"), QRect(495, 201, 129, 22));
    EXPECT_EQ(QPoint(h.Tabella()->columnWidth(0), h.Tabella()->columnWidth(1)), QPoint(46, 80));
    // A subscript lies above its x: the top of the "1" shows where their patches overlap.
    const QImage overlap = frame2->grab(QRect(91, 84, 9, 8)).toImage();
    bool blue = false;
    for (int i = 0; i < overlap.width() * overlap.height(); ++i) {
        const QColor c = overlap.pixelColor(i % overlap.width(), i / overlap.width());
        blue = blue || (c.blue() > 200 && c.red() < 100);
    }
    EXPECT_TRUE(blue);
    // A label lies above the brace, a field above the label it covers.
    EXPECT_EQ(frame2->childAt(QPoint(20, 20))->objectName(), "Label9");
    EXPECT_EQ(h.Window().findChild<QWidget*>("Frame1")->childAt(QPoint(280, 45))->objectName(),
              "txtnoto");
    for (const layout::LabelSpec& label : layout::Labels()) {
        const QFont font = CaptionFont(label.face);
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(label.caption), layout::Px(label.width))
            << label.name << " in " << font.family().toStdString();
    }
    EXPECT_EQ(QFontInfo(h.Field(0)->font()).family(), "Liberation Sans");
    EXPECT_TRUE(QFontInfo(CaptionFont(layout::Face::Brace)).family().startsWith("P052"));
    h.Calcola()->setFocus();  // no blinking cursor in the pictures
    for (int i = 0; i < 16; ++i) {
        for (const char* widest : {"99999", "-8E-8", "0,000"}) {
            h.Field(i)->setText(widest);
            h.Field(i)->setCursorPosition(0);
            const QImage before = h.Field(i)->grab().toImage();
            h.Field(i)->setCursorPosition(5);  // a field too narrow scrolls to show the cursor
            EXPECT_EQ(h.Field(i)->grab().toImage(), before) << kFieldNames[i] << " " << widest;
        }
    }
}

// Tab runs through the fields, the button and the grid both ways, and through the step button
// once it is enabled; the problem's size and the exercise files come last. Fields hold five
// characters; Enter and Escape press nothing.
TEST(Keyboard, TabOrderFiveCharactersAndNoDefaultButton) {
    WindowHarness h;
    const auto cycle = [&h](Qt::KeyboardModifiers modifiers) {
        h.Field(0)->setFocus();
        Texts order{h.FocusName()};
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            order.push_back(h.FocusName());
        } while (order.back() != order.front() && order.size() < 40);
        return order;
    };
    Texts forwards(std::begin(kFieldNames), std::end(kFieldNames));
    forwards.insert(forwards.end(), {"calcola", "TabellaPivot", "chkEsercitati", "cmdVerso1",
                                     "cmdVerso2", "cmdVerso3", "chkMinimizza", "spnVariabili",
                                     "spnVincoli", "cmdApri", "cmdSalvaEsercizio", "chkDuale",
                                     "chkIntere", "txtx1"});
    // The region opens once a tableau is shown, the analysis once the lesson ends on an optimum.
    EXPECT_EQ(cycle(Qt::NoModifier), forwards);
    EXPECT_EQ(cycle(Qt::ShiftModifier), Texts(forwards.rbegin(), forwards.rend()));
    h.Type(0, "123456");
    EXPECT_EQ(h.Field(0)->text(), "12345");
    h.TypeAll(Fields(kExample));
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(h.Field(3), key);
    }
    EXPECT_TRUE(h.messages.empty() && h.Window().isVisible() && !h.PassoSuccessivo()->isEnabled());
    h.PressCalcola();
    // The lesson's controls come last; going back is not possible at the initial tableau.
    forwards.insert(forwards.end() - 12, {"cmdPassoS", "chkFrazioni"});
    forwards.insert(forwards.end() - 11, "cmdSalva");
    forwards.insert(forwards.end() - 7, "cmdRegione");
    EXPECT_EQ(cycle(Qt::NoModifier), forwards);
    EXPECT_EQ(cycle(Qt::ShiftModifier), Texts(forwards.rbegin(), forwards.rend()));
}

// One press of "Calcola il simplesso" with the focus in the first constraint: the rows are checked
// in turn, and a failed check shows one warning, moves the focus to the field to correct and
// changes nothing else; valid fields set up the tableau and leave the focus where it was.
TEST(Buttons, CalcolaChecksTheRowsInTurnThenSetsUp) {
    const Message empty = Warning("Compila prima tutti i campi richesti!");
    const std::tuple<const char*, Messages, int> cases[] = {
        {"", {empty}, 0},
        {"1 2 abc x", {kLetters}, 2},
        {"1 2 3 _ / 1 1 1 1 / 1 1 1 1 / 1 1 1 1", {empty}, 3},
        {"1 2 3 0 / 1 1 1 1 / 1 1 1 _ / 1 1 1 1",
         {Warning("Compilare prima tutti i campi dei vincoli!")},
         11},
        {"1 2 3 0 / 1 1 1 1 / abc 1 1 1", {kLetters}, 8},
        {"1 2 3 0 / 1 1 1 1 / 1 1 1 1 / 1 1,5 1 1", {kLetters}, 13},
        {"1 2 3 0 / 1 1 1 1 / 1 1 1 -2 / 1 1 1 -1", {}, 5},  // turned rows: a first phase
        {"-2 1E3 +4 7 / 1 1 1 1 / 3 1 2 5 / 1 1 1 1", {}, 5}};
    for (const auto& [line, messages, focus] : cases) {
        WindowHarness h;
        h.TypeAll(Fields(line));
        h.Field(5)->setFocus();
        h.Calcola()->click();  // a mouse click would focus the button itself
        const bool valid = messages.empty();
        EXPECT_EQ(h.messages, messages) << line;
        EXPECT_EQ(h.FocusName(), kFieldNames[focus]) << line;
        EXPECT_EQ(h.AllFieldTexts(), Fields(line)) << line;
        const FormState& state = h.Window().State();
        EXPECT_EQ((FormState{state.CampiValidi, state.PrimoPasso, state.RigaPivot,
                             state.ColonnaPivot}),
                  (FormState{valid, valid, 8, 8}))
            << line;
        EXPECT_EQ(h.PassoSuccessivo()->isEnabled(), valid) << line;
        EXPECT_EQ(h.Shown(), valid ? JoinedRows(Session(Typed(line)).grid) : Texts(10, "||||||||"));
    }
}

// The message box shows a message's title, text and icon with one OK button.
TEST(Messages, TheProgramShowsThemInAModalBoxWithOneOkButton) {
    const auto end = Inserisci::MessageBox(nullptr, EndMessage());
    EXPECT_EQ(end->windowTitle() + "|" + end->text(),
              "Fine|Fine del calcolo del simplesso.\nIl risultato è riportato nella tabella.");
    EXPECT_TRUE(end->icon() == QMessageBox::Information &&
                end->standardButtons() == QMessageBox::Ok);
    EXPECT_EQ(Inserisci::MessageBox(nullptr, kLetters)->icon(), QMessageBox::Warning);
    EXPECT_EQ(end->button(QMessageBox::Ok)->text(), "OK");
}

// Qt's own dialogs speak the program's language: the file dialog of "Salva la lezione…".
TEST(Messages, QtsOwnFileDialogIsItalian) {
    QFileDialog dialog(nullptr, "Salva la lezione");
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) {
        texts << button->text().remove('&');
    }
    texts.sort();
    EXPECT_EQ(texts.join("|"), "Annulla|Salva");
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), "Cerca in:");
}

// The worked example's tableaux text for text, the pivot cell cyan. Ctrl+C copies the selected
// block as tab-separated lines, the context menu the whole tableau; neither changes the tableau.
// A failed press of "Calcola il simplesso" keeps the tableau and the computation, a valid one
// starts over, and under an Italian locale numbers are read and written with the comma.
TEST(Buttons, WorkedExamplePressedThroughCopiedAndStartedOver) {
    WindowHarness h;
    h.TypeAll(Fields(kExample));
    h.PressCalcola();
    h.PressPasso();
    EXPECT_EQ(h.Shown(), kExampleAfterPress[0]);
    QTableView* view = h.Tabella();
    const auto inside = [view](int row, int col) {
        return view->visualRect(view->model()->index(row, col)).topLeft() + QPoint(3, 3);
    };
    view->setFocus();
    EXPECT_EQ(view->viewport()->grab().toImage().pixelColor(inside(2, 3)), QColor(0, 255, 255));
    const Grid before(h.Window().Tableau());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inside(1, 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, inside(2, 3));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "x4\t1.5\t0\nx2\t0.5\t1\n");
    // A cell outside the block widens it; the cells it skips come out empty.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, inside(9, 2));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "x4\t1.5\t0\nx2\t0.5\t1\n" + QString("\t\t\n").repeated(6) + "\t 24\t\n");
    QString captions, whole;
    QTimer::singleShot(0, [&captions] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu->actions()) {
            captions += action->text();
        }
        menu->actions().front()->trigger();
        menu->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, inside(4, 4), view->mapToGlobal(inside(4, 4)));
    QApplication::sendEvent(view->viewport(), &menu);
    for (const std::string& row : kExampleAfterPress[0]) {
        whole += QString::fromStdString(row).replace('|', '\t') + '\n';
    }
    EXPECT_EQ(captions + "\n" + QApplication::clipboard()->text(),
              "Copia tabellaSalva la lezione…Regione ammissibileAnalisi di sensitività\n" + whole);
    EXPECT_TRUE(h.Window().Tableau() == before);  // texts, colours and current cell

    h.Type(0, "abc");
    h.PressCalcola();
    h.PressPasso();
    EXPECT_EQ(h.Shown(), kExampleAfterPress[1]);
    EXPECT_EQ(view->currentIndex(), view->model()->index(3, 2));
    EXPECT_TRUE(view->selectionModel()->selectedIndexes().isEmpty());
    h.PressCalcola();
    h.PressPasso();
    EXPECT_EQ(h.Shown(), kExampleAfterPress[1]);
    EXPECT_EQ(h.messages, (Messages{kLetters, EndMessage(), kLetters, EndMessage()}));

    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    h.Type(0, "4");
    h.Type(2, "2,0");  // the 2 it stands for
    h.PressCalcola();
    h.PressPasso();
    h.PressPasso();
    QLocale::setDefault(QLocale::c());
    Texts commas = kExampleAfterPress[1];
    for (std::string& row : commas) {
        std::replace(row.begin(), row.end(), '.', ',');
    }
    commas[5] = "|Cr:|4|6|2,0|0|0|0|";
    EXPECT_EQ(h.Shown(), commas);
    EXPECT_EQ(h.messages.size(), 5u);
}

// Thousands of seeded random actions: typing numbers and other short texts into random fields and
// pressing either button. After each one the window must still answer with at most one message,
// show at most one highlighted cell, enable the step button once a set-up has been accepted, and
// change the tableau only by a set-up or by a step of a running computation, never with a warning.
TEST(RandomActions, WindowKeepsItsRulesWhateverTheUserDoes) {
    std::mt19937 engine(20261207);
    const auto below = [&engine](std::size_t n) { return static_cast<int>(engine() % n); };
    // Mostly numbers a student would type, sometimes texts that are not numbers.
    const char* const numbers[] = {"0",  "1",  "2",  "3",   "-1",    "2.5", "5",    "1E3", "7",
                                   "12", "+5", "-0", "0.3", "99999", " 4",  "1E-5", "3E38"};
    const char* const others[] = {"", "x", "1,5", "- 1", "1e", ".", "E3"};
    const auto text = [&] {
        return below(100) < 93 ? numbers[below(std::size(numbers))]
                               : others[below(std::size(others))];
    };
    WindowHarness h;
    int setUps = 0, steps = 0;
    for (int action = 0; action < 5000; ++action) {
        const std::size_t shown = h.messages.size();
        const bool running = h.Window().State().PrimoPasso;
        const Grid before(h.Window().Tableau());
        const int choice = below(10);
        if (choice < 5) {
            const int field = below(16);
            h.Type(field, text());
        } else if (choice < 7) {
            h.Calcola()->click();
            setUps += h.messages.size() == shown;
        } else if (choice < 9) {
            h.PassoSuccessivo()->click();
            steps += running && !(h.Window().Tableau() == before);
        } else {
            h.Window().findChild<QPushButton*>("cmdPassoP")->click();
        }
        QApplication::processEvents();
        const bool changed = !(h.Window().Tableau() == before);
        // A precision notice may come before the end message of the same press.
        const bool notice = h.messages.size() == shown + 2 &&
                            h.messages[shown].text.starts_with("Con l'aritmetica esatta");
        const bool warned = h.messages.size() > shown && h.messages.back().title == "Attenzione!" &&
                            !h.messages.back().text.starts_with("Con l'aritmetica esatta");
        ASSERT_TRUE(h.Window().isVisible() && h.Calcola()->isEnabled()) << "action " << action;
        ASSERT_LE(h.messages.size(), shown + 1 + notice) << "action " << action;
        ASSERT_LE(CountCells(h.Window().Tableau(), kCyan), 1) << "action " << action;
        ASSERT_EQ(h.PassoSuccessivo()->isEnabled(), setUps > 0) << "action " << action;
        ASSERT_TRUE(!changed || (!warned && (h.messages.size() == shown || running || choice == 9)))
            << action;
    }
    std::cout << "5000 actions: " << setUps << " set-ups, " << steps << " pivots\n";
    EXPECT_GT(std::min(setUps, steps), 20);
}

}  // namespace
}  // namespace simplesso
