#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLocale>
#include <QMessageBox>

#include "appearance.h"
#include "layout.h"
#include "step.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using testing_support::kFieldNames;
using testing_support::kWorkedExample;
using testing_support::Sixteen;
using testing_support::WindowHarness;

Message Warning(const char* text) {
    return {"Attenzione!", text, MessageIcon::Warning};
}

TEST(StartUp, WindowWaitsWithEmptyFieldsAndTheStepButtonLocked) {
    WindowHarness h;
    ASSERT_TRUE(h.exposed);
    EXPECT_EQ(h.Window().windowTitle(), "Metodo del simplesso, Simplesso didattico");
    EXPECT_EQ(h.Window().size(), QSize(669, 353));
    EXPECT_EQ(h.FocusName(), "txtx1");
    EXPECT_EQ(h.AllFieldTexts(), std::vector<std::string>(16, ""));
    EXPECT_TRUE(h.Calcola()->isEnabled());
    EXPECT_FALSE(h.PassoSuccessivo()->isEnabled());
    EXPECT_EQ(h.Tabella()->model()->rowCount(), 10);
    EXPECT_EQ(h.Tabella()->model()->columnCount(), 9);
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 9; ++c) {
            EXPECT_EQ(h.Shown(r, c), "");
        }
    }
    EXPECT_EQ(h.Tabella()->columnWidth(0), 700 / 15);
    EXPECT_EQ(h.Tabella()->columnWidth(1), 1200 / 15);
    EXPECT_EQ(h.Window().State().RigaPivot, 8);
    EXPECT_EQ(h.Window().State().ColonnaPivot, 8);
    EXPECT_FALSE(h.Window().State().PrimoPasso);
    // The step button cannot be pressed yet, not even by a click.
    h.PressPasso();
    EXPECT_TRUE(h.messages.empty());
}

TEST(Layout, ControlsStandWhereTheTwipsPutThem) {
    WindowHarness h;
    const auto at = [&](const char* name) {
        return h.Window().findChild<QWidget*>(name)->geometry();
    };
    EXPECT_EQ(at("Frame3"), QRect(3, 120, 664, 231));
    QWidget* frame2 = h.Window().findChild<QWidget*>("Frame2");
    EXPECT_EQ(QRect(h.Field("txtv2Noto")->mapTo(frame2, QPoint()), QSize(36, 19)),
              QRect(279, 54, 36, 19));
    EXPECT_EQ(at("TabellaPivot"), QRect(36, 24, 590, 173));
    EXPECT_EQ(at("cmdPassoS"), QRect(495, 201, 129, 22));
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
}

// A substitute face that is too wide, or a field whose frame eats its text, would cut a caption or
// a typed number short.
TEST(Layout, EveryCaptionAndFiveTypedCharactersFitTheirControls) {
    WindowHarness h;
    for (const layout::LabelSpec& label : layout::Labels()) {
        const QFont font = CaptionFont(label.face);
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(label.caption), layout::Px(label.width))
            << label.name << " in " << font.family().toStdString();
    }
    EXPECT_EQ(QFontInfo(h.Field(0)->font()).family(), "Liberation Sans");
    EXPECT_TRUE(QFontInfo(CaptionFont(layout::Face::Brace)).family().startsWith("P052"));
    h.Calcola()->setFocus();  // no blinking cursor in the pictures
    for (int i = 0; i < 16; ++i) {
        QLineEdit* field = h.Field(i);
        for (const char* widest : {"99999", "-8E-8", "0,000"}) {
            field->setText(widest);
            field->setCursorPosition(0);
            const QImage before = field->grab().toImage();
            field->setCursorPosition(5);  // a field too narrow scrolls to show the cursor
            EXPECT_EQ(field->grab().toImage(), before) << kFieldNames[i] << " " << widest;
        }
    }
}

TEST(Messages, TheProgramShowsThemInAModalBoxWithOneOkButton) {
    const auto end = Inserisci::MessageBox(nullptr, EndMessage());
    EXPECT_EQ(end->windowTitle(), "Fine");
    EXPECT_EQ(end->text(),
              "Fine del calcolo del simplesso.\nIl risultato è riportato nella tabella.");
    EXPECT_EQ(end->icon(), QMessageBox::Information);
    EXPECT_EQ(end->standardButtons(), QMessageBox::Ok);
    const auto warning = Inserisci::MessageBox(nullptr, StepFailedMessage());
    EXPECT_EQ(warning->icon(), QMessageBox::Warning);
    EXPECT_EQ(warning->windowTitle(), "Attenzione!");
}

std::vector<std::string> TabCycle(WindowHarness& h, Qt::KeyboardModifiers modifiers) {
    h.Field(0)->setFocus();
    std::vector<std::string> order{h.FocusName()};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        if (h.FocusName() == order.front()) {
            break;
        }
        order.push_back(h.FocusName());
    }
    return order;
}

TEST(Keyboard, TabRunsThroughFieldsButtonsAndGridBothWays) {
    WindowHarness h;
    std::vector<std::string> expected(std::begin(kFieldNames), std::end(kFieldNames));
    expected.insert(expected.end(), {"calcola", "TabellaPivot"});
    EXPECT_EQ(TabCycle(h, Qt::NoModifier), expected);
    std::vector<std::string> backwards{expected.front()};
    backwards.insert(backwards.end(), expected.rbegin(), expected.rend() - 1);
    EXPECT_EQ(TabCycle(h, Qt::ShiftModifier), backwards);

    h.TypeAll(kWorkedExample);
    h.PressCalcola();
    expected.push_back("cmdPassoS");
    EXPECT_EQ(TabCycle(h, Qt::NoModifier), expected);
    backwards.insert(backwards.begin() + 1, "cmdPassoS");
    EXPECT_EQ(TabCycle(h, Qt::ShiftModifier), backwards);
}

TEST(Keyboard, FieldsHoldFiveCharactersTypedOrPastedAndEnterOrEscapePressNothing) {
    WindowHarness h;
    h.Type(0, "123456");
    EXPECT_EQ(h.Field(0)->text(), "12345");
    QApplication::clipboard()->setText("987654321");
    h.Field(1)->setFocus();
    QTest::keyClick(h.Field(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(h.Field(1)->text(), "98765");

    h.TypeAll(kWorkedExample);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(h.Field(3), key);
    }
    EXPECT_TRUE(h.messages.empty());
    EXPECT_FALSE(h.PassoSuccessivo()->isEnabled());
    EXPECT_TRUE(h.Window().isVisible());
}

// One press of "Calcola il simplesso" on fields that fail a check.
struct CheckCase {
    const char* name;
    Sixteen texts;
    const char* message;
    int focus;  // index of the field that receives the focus
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class FailedCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(FailedCheck, ShowsOneWarningMovesTheFocusAndChangesNothingElse) {
    const CheckCase& c = GetParam();
    WindowHarness h;
    h.TypeAll(c.texts);
    h.Field(5)->setFocus();
    h.PressCalcola();
    EXPECT_EQ(h.messages, std::vector<Message>{Warning(c.message)});
    EXPECT_EQ(h.FocusName(), kFieldNames[c.focus]);
    EXPECT_EQ(h.AllFieldTexts(), std::vector<std::string>(c.texts.begin(), c.texts.end()));
    EXPECT_FALSE(h.PassoSuccessivo()->isEnabled());
    EXPECT_FALSE(h.Window().State().PrimoPasso);
    EXPECT_FALSE(h.Window().State().CampiValidi);
    EXPECT_EQ(h.Shown(0, 2), "");
}

constexpr const char* kIncomplete = "Compila prima tutti i campi richesti!";
constexpr const char* kIncompleteRow = "Compilare prima tutti i campi dei vincoli!";
constexpr const char* kLetters = "I campi non devono contenere caratteri!";

INSTANTIATE_TEST_SUITE_P(
    Rows, FailedCheck,
    testing::Values(
        CheckCase{"AllEmpty",
                  {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                  kIncomplete,
                  0},
        CheckCase{"EmptyReportedBeforeLetters",
                  {"1", "", "abc", "0", "", "", "", "", "", "", "", "", "", "", "", ""},
                  kIncomplete,
                  1},
        CheckCase{"FirstNonNumber",
                  {"1", "2", "abc", "x", "", "", "", "", "", "", "", "", "", "", "", ""},
                  kLetters,
                  2},
        CheckCase{"BlankIsNotEmptyButNotANumber",
                  {"1", "2", "3", " ", "", "", "", "", "", "", "", "", "", "", "", ""},
                  kLetters,
                  3},
        CheckCase{"ObjectiveKnownTermIsChecked",
                  {"1", "2", "3", "", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
                  kIncomplete,
                  3},
        CheckCase{"ConstraintKnownTermEmpty",
                  {"1", "2", "3", "0", "1", "1", "1", "1", "1", "1", "1", "", "1", "1", "1", "1"},
                  kIncompleteRow,
                  11},
        CheckCase{"FirstFailingRowOnly",
                  {"1", "2", "3", "0", "1", "1", "1", "1", "abc", "1", "1", "1", "", "", "", ""},
                  kLetters,
                  8},
        CheckCase{
            "CommaUnderThePointLocale",
            {"1", "2", "3", "0", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1,5", "1", "1"},
            kLetters,
            13},
        CheckCase{
            "NegativeKnownTerm",
            {"1", "2", "3", "0", "1", "1", "1", "1", "1", "1", "1", "-2", "1", "1", "1", "-1"},
            "I termini noti dei vincoli non possono essere negativi.",
            11}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST(Buttons, ValidInputNeitherShowsAMessageNorMovesTheFocus) {
    WindowHarness h;
    h.TypeAll({"-2", "1E3", "+4", "7", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    h.Field(6)->setFocus();
    h.Calcola()->click();  // a mouse click would focus the button itself
    EXPECT_TRUE(h.messages.empty());
    EXPECT_EQ(h.FocusName(), "txtv1x3");
    EXPECT_TRUE(h.Window().State().CampiValidi);
    EXPECT_EQ(h.Shown(5, 2), "-2");
    EXPECT_EQ(h.Shown(6, 3), "1E3");
}

TEST(Buttons, WorkedExampleTypedAndSteppedToTheEnd) {
    WindowHarness h;
    h.TypeAll(kWorkedExample);
    h.PressCalcola();
    EXPECT_TRUE(h.PassoSuccessivo()->isEnabled());
    EXPECT_EQ(h.Shown(1, 1), "x4");
    EXPECT_EQ(h.Shown(8, 7), "15");
    h.PressPasso();
    EXPECT_EQ(h.Shown(2, 1), "x2");
    EXPECT_EQ(h.Shown(3, 8), "11");
    EXPECT_EQ(h.Shown(9, 2), " 24");
    EXPECT_TRUE(h.messages.empty());
    h.PressPasso();
    EXPECT_EQ(h.Shown(3, 0), " 1");
    EXPECT_EQ(h.Shown(1, 4), "1.6");
    EXPECT_EQ(h.Shown(6, 7), "-0.4");
    EXPECT_EQ(h.Shown(9, 2), " 28.4");
    EXPECT_EQ(h.messages, std::vector<Message>{EndMessage()});
    EXPECT_EQ(h.Tabella()->currentIndex(), h.Tabella()->model()->index(3, 2));
    h.PressPasso();
    EXPECT_EQ(h.messages, (std::vector<Message>{EndMessage(), EndMessage()}));
    EXPECT_EQ(h.Shown(9, 2), " 28.4");
}

TEST(Buttons, StateTableAfterTheEndAndAfterSomeSteps) {
    WindowHarness h;
    h.TypeAll(kWorkedExample);
    h.PressCalcola();
    h.PressPasso();
    // A failed press in the middle leaves the stepped tableau, and stepping goes on from it.
    h.Type(0, "abc");
    h.PressCalcola();
    EXPECT_EQ(h.Shown(2, 1), "x2");
    EXPECT_TRUE(h.Window().State().PrimoPasso);
    h.PressPasso();
    EXPECT_EQ(h.Shown(9, 2), " 28.4");
    EXPECT_FALSE(h.Window().State().PrimoPasso);
    // After the end a failed press keeps the end; stepping only repeats the message.
    h.messages.clear();
    h.PressCalcola();
    h.PressPasso();
    EXPECT_EQ(h.messages, (std::vector<Message>{Warning(kLetters), EndMessage()}));
    EXPECT_TRUE(h.PassoSuccessivo()->isEnabled());
    // A valid press starts over: the initial tableau again, and the next press steps.
    h.Type(0, "4");
    h.messages.clear();
    h.PressCalcola();
    EXPECT_EQ(h.Shown(2, 1), "x5");
    EXPECT_EQ(h.Shown(9, 2), "0");
    EXPECT_TRUE(h.Window().State().PrimoPasso);
    h.PressPasso();
    EXPECT_EQ(h.Shown(9, 2), " 24");
    EXPECT_TRUE(h.messages.empty());
}

TEST(Buttons, DecimalCommaUnderAnItalianLocale) {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    WindowHarness h;
    h.TypeAll(
        {"4", "6", "2,5", "0", "2", "1", "3", "18", "1", "2", "4", "8", "3", "1", "2,5", "15"});
    h.PressCalcola();
    h.PressPasso();
    h.PressPasso();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(h.messages, std::vector<Message>{EndMessage()});
    EXPECT_EQ(h.Shown(3, 8), "4,4");
    EXPECT_EQ(h.Shown(2, 8), "1,8");
    EXPECT_EQ(h.Shown(6, 4), "-9,7");
    EXPECT_EQ(h.Shown(9, 2), " 28,4");
}

TEST(Grid, ThePivotCellShowsCyanAndNoSelectionFill) {
    WindowHarness h;
    h.TypeAll(kWorkedExample);
    h.PressCalcola();
    h.PressPasso();
    QTableView* view = h.Tabella();
    view->setFocus();
    const QImage image = view->viewport()->grab().toImage();
    const QRect pivot = view->visualRect(view->model()->index(2, 3));
    const QRect other = view->visualRect(view->model()->index(2, 4));
    EXPECT_EQ(image.pixelColor(pivot.topLeft() + QPoint(3, 3)), QColor(0, 255, 255));
    EXPECT_EQ(image.pixelColor(other.topLeft() + QPoint(3, 3)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(view->visualRect(view->model()->index(0, 0)).center()),
              view->palette().color(QPalette::Button));
    // Numbers in normal weight, headers and labels in bold, whatever the window's own font.
    const QFont number = view->model()->index(2, 4).data(Qt::FontRole).value<QFont>();
    const QFont label = view->model()->index(2, 1).data(Qt::FontRole).value<QFont>();
    EXPECT_FALSE(number.resolve(view->font()).bold());
    EXPECT_TRUE(label.resolve(view->font()).bold());
    // Clicking a cell does not move the tableau's current cell or repaint its colours.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, other.center());
    EXPECT_EQ(h.Window().Tableau().Row(), 2);
    EXPECT_EQ(h.Window().Tableau().Col(), 3);
}

}  // namespace
}  // namespace simplesso
