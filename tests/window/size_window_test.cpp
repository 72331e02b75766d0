// The window at every size of the problem: the size's spin boxes, the equations rebuilt with their
// names, tab order and texts, a lesson of another size through the real window, and the whole
// window on the screen with no control outside its parent or over another. CTest runs these also
// on a laptop's 1366 x 768 screen and at scale 2 on a full HD one, where the window scrolls.
#include <gtest/gtest.h>

#include <QtWidgets>

#include "input_field.h"
#include "sense_button.h"
#include "shape.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

// The sizes in turn, back at last to three by three, the size at start.
const std::pair<int, int> kSizes[] = {{2, 1}, {2, 4}, {5, 2}, {8, 8}, {3, 3}};
// The controls a user meets, whose places must not overlap; labels count outside a group box.
const char* const kControls[] = {"QAbstractButton", "QLineEdit", "QAbstractSpinBox", "QTableView",
                                 "QGroupBox"};

template <typename T = QLineEdit>
T* Find(WindowHarness& h, const QString& name) {
    return h.Window().findChild<T*>(name);
}

void SetSize(WindowHarness& h, int n, int m) {
    Find<QSpinBox>(h, "spnVariabili")->setValue(n);
    Find<QSpinBox>(h, "spnVincoli")->setValue(m);
}

// The fields in tab order, row by row, each known term last: their names, accessible names,
// texts and the equation their row's group reads. The texts are those typed at three by three,
// "1 2 3 4 / 5 6 7 8 / ...": row r's coefficient of xv was 4r + v, its known term 4r + 4; they
// stay in their places, empty where nothing was typed, and the third constraint is an equality.
std::vector<std::array<QString, 4>> ExpectedFields(int n, int m) {
    std::vector<std::array<QString, 4>> fields;
    for (int r = 0; r <= m; ++r) {
        const QString row = r ? QString("Vincolo %1").arg(r) : QString("Funzione economica");
        QStringList terms;
        for (int v = 1; v <= n + 1; ++v) {
            const bool noto = v > n;
            const QString typed =
                r > 3 || (!noto && v > 3) ? "" : QString::number(4 * r + (noto ? 4 : v));
            terms << (typed.isEmpty() ? "…" : typed) + (noto ? "" : QString(" x%1").arg(v));
            fields.push_back(
                {(r ? QString("txtv%1").arg(r) : QString("txt")) +
                     (noto ? (r ? "Noto" : "noto") : QString("x%1").arg(v)),
                 row + (noto ? ", termine noto" : QString(", coefficiente di x%1").arg(v)), typed});
        }
        const QString known = terms.takeLast(), sides = terms.join(" più ");
        for (int v = 0; v <= n; ++v) {
            fields.rbegin()[v][3] =
                r ? QString("%1: %2 %3 %4")
                        .arg(row, sides, r == 3 ? "uguale a" : "minore di", known)
                  : QString("%1: Z uguale a %2 più %3").arg(row, sides, known);
        }
    }
    return fields;
}

QRect InWindow(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint()), w->size());
}

// The size's spin boxes, beside their labels and last in the tab order. Then every size, after
// texts typed at three by three: the fields' names, tab order row by row, texts kept with their
// place (a smaller problem hides them, a larger one shows them again with every sense; a place
// never shown starts empty) and row groups, the senses, the empty grid of the size, the whole
// window on the screen (a laptop's holds even eight by eight; on a smaller one the page scrolls),
// and nothing outside its parent or over another control. Back at three and three, every control
// stands where it stood at start.
TEST(Size, EverySizeIsNamedOrderedKeptAndLaidOutClear) {
    WindowHarness h;
    const std::tuple<const char*, const char*, int, int> spins[] = {
        {"spnVariabili", "Numero di variabili", 2, 8}, {"spnVincoli", "Numero di vincoli", 1, 8}};
    for (const auto& [name, caption, lowest, highest] : spins) {
        QSpinBox* box = Find<QSpinBox>(h, name);
        ASSERT_TRUE(box) << name;
        EXPECT_EQ(std::tuple(box->accessibleName(), box->minimum(), box->maximum(), box->value()),
                  std::tuple(QString(caption), lowest, highest, 3));
        QLabel* label = nullptr;
        for (QLabel* l : h.Window().findChildren<QLabel*>()) {
            label = l->buddy() == box && l->text() == caption ? l : label;
        }
        ASSERT_TRUE(label) << name;
        // The caption shows whole on the lines it wraps to, at the left of its spin box.
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << caption;
        EXPECT_LE(InWindow(label).right(), InWindow(box).left());
        EXPECT_TRUE(InWindow(label).intersects(InWindow(box).adjusted(-100, 0, 0, 0)));
    }
    std::map<QString, QRect> start;
    for (QWidget* w : h.Window().findChildren<QWidget*>(QRegularExpression("^[^q]"))) {
        start[w->objectName()] = w->geometry();
    }
    h.TypeAll(Fields("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 16"));
    Find<SenseButton>(h, "cmdVerso3")->SetValue(Sense::Equal);
    const QRect screen = h.Window().screen()->availableGeometry();
    for (const auto& [n, m] : kSizes) {
        SetSize(h, n, m);
        SCOPED_TRACE(std::to_string(n) + "x" + std::to_string(m));
        const auto expected = ExpectedFields(n, m);
        EXPECT_EQ(h.Window().findChildren<InputField*>().size(), qsizetype(expected.size()));
        Find<QWidget>(h, "chkIntere")->setFocus();  // the last control enabled: Tab goes round
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (const auto& [name, accessible, text, group] : expected) {
            QLineEdit* field = Find(h, name);
            ASSERT_TRUE(field) << name.toStdString();
            EXPECT_EQ(std::tuple(field->accessibleName(), field->maxLength(), field->text(),
                                 field->parentWidget()->accessibleName()),
                      std::tuple(accessible, InputField::kMaxCharacters, text, group));
            EXPECT_EQ(h.FocusName(), name.toStdString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(h.FocusName(), "calcola");
        EXPECT_EQ(h.Window().findChildren<SenseButton*>().size(), m);
        EXPECT_EQ(h.Window().Tableau().Rows(), m + 7);
        EXPECT_TRUE(screen.contains(h.Window().frameGeometry()));  // or it scrolls

        // Every widget of the window's own inside its parent, and the controls a user meets clear
        // of each other; a sense lies under the fields on purpose, an instruction over the brace.
        QList<QWidget*> controls;
        for (QWidget* w : h.Window().findChildren<QWidget*>()) {
            QWidget* parent = w->parentWidget();
            if (!w->isVisible() || qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) ||
                parent->inherits("QAbstractSpinBox") || w->inherits("QScrollBar")) {
                continue;  // a part of Qt's own compound controls
            }
            EXPECT_TRUE(parent->rect().contains(w->geometry())) << w->objectName().toStdString();
            if (std::any_of(std::begin(kControls), std::end(kControls),
                            [w](const char* type) { return w->inherits(type); }) ||
                (w->inherits("QLabel") && !parent->inherits("QGroupBox"))) {
                controls.push_back(w);
            }
        }
        for (QWidget* w : controls) {
            for (QWidget* other : controls) {
                EXPECT_TRUE(w >= other || w->isAncestorOf(other) || other->isAncestorOf(w) ||
                            qobject_cast<SenseButton*>(other) ||
                            (qobject_cast<SenseButton*>(w) && qobject_cast<QLineEdit*>(other)) ||
                            !InWindow(w).intersects(InWindow(other)))
                    << qPrintable(w->objectName()) << " over " << qPrintable(other->objectName());
            }
        }
    }
    for (QWidget* w : h.Window().findChildren<QWidget*>(QRegularExpression("^[^q]"))) {
        EXPECT_EQ(w->geometry(), start[w->objectName()]) << w->objectName().toStdString();
    }
    EXPECT_EQ(h.Window().size(), QSize(669, 473));
}

// Two variables and four constraints through the real window: the rows' checks, then a lesson
// whose every tableau is the core's own, to its end, with the region offered; five variables
// have none.
TEST(Size, ALessonOfTwoVariablesAndFourConstraintsRunsToItsEnd) {
    WindowHarness h;
    SetSize(h, 2, 4);
    const auto type = [&h](int n, int m, const QString& line) {
        const auto fields = ExpectedFields(n, m);
        for (int i = 0; i < int(fields.size()); ++i) {
            Find(h, fields[i][0])->setText(line.section(' ', i, i).replace("_", ""));
        }
        h.messages.clear();
    };
    const std::tuple<const char*, const char*, const char*> faults[] = {
        {"3 5 0 1 0 4 0 2 12 3 2 18 1 1 _", "Compilare prima tutti i campi dei vincoli!",
         "txtv4Noto"},
        {"3 5 0 1 0 4 0 2 12 3 x 18 1 1 9", "I campi non devono contenere caratteri!", "txtv3x2"},
        {"3 5 0 1 0 4 0 2 12 3 2 18 1 1E39 9",
         "I numeri devono essere compresi tra -3.4E+38 e 3.4E+38.", "txtv4x2"}};
    for (const auto& [line, message, focus] : faults) {
        type(2, 4, line);
        h.Calcola()->click();
        ASSERT_EQ(h.messages.size(), 1u) << line;
        EXPECT_EQ(h.messages[0].text + " @ " + h.FocusName(), message + std::string(" @ ") + focus);
    }
    type(2, 4, "3 5 0 1 0 4 0 2 12 3 2 18 1 1 9");
    h.PressCalcola();
    Session core(Typed("3 5 0 / 1 0 4 / 0 2 12 / 3 2 18 / 1 1 9"));
    EXPECT_EQ(h.Shown(), JoinedRows(core.grid));
    auto* region = Find<QPushButton>(h, "cmdRegione");
    EXPECT_TRUE(region->isEnabled() && region->toolTip().isEmpty());
    for (int press = 0; press < 10 && h.messages.empty(); ++press) {
        h.PressPasso();
        core.Step();
        EXPECT_EQ(h.Shown(), JoinedRows(core.grid)) << "press " << press;
    }
    EXPECT_EQ(h.messages, Messages{EndMessage()});
    EXPECT_EQ(h.Window().Tableau().TextMatrix(TableauRows{4}.Objective(), 2), " 36");
    SetSize(h, 5, 2);
    EXPECT_EQ(h.Window().Tableau().Rows(), 11);  // the tableau shown stays
    type(5, 2, QString("1 ").repeated(18).trimmed());
    h.PressCalcola();
    EXPECT_EQ(std::pair(region->isEnabled(), region->toolTip()),
              std::pair(false, QString("La regione si disegna con 2 o 3 variabili.")));
}

}  // namespace
}  // namespace simplesso
