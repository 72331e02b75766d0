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

struct Size {
    int n, m;
};
const Size kSizes[] = {{2, 1}, {2, 4}, {3, 3}, {5, 2}, {8, 8}};

QSpinBox* Spin(Inserisci& w, const char* name) {
    return w.findChild<QSpinBox*>(name);
}

void SetSize(Inserisci& w, Size size) {
    Spin(w, "spnVariabili")->setValue(size.n);
    Spin(w, "spnVincoli")->setValue(size.m);
}

// The fields' names and accessible names in tab order: row by row, each known term last.
std::vector<std::pair<QString, QString>> ExpectedFields(Size size) {
    std::vector<std::pair<QString, QString>> fields;
    for (int r = 0; r <= size.m; ++r) {
        const QString row = r ? QString("Vincolo %1").arg(r) : QString("Funzione economica");
        for (int v = 1; v <= size.n; ++v) {
            fields.emplace_back(r ? QString("txtv%1x%2").arg(r).arg(v) : QString("txtx%1").arg(v),
                                QString("%1, coefficiente di x%2").arg(row).arg(v));
        }
        fields.emplace_back(r ? QString("txtv%1Noto").arg(r) : QString("txtnoto"),
                            row + ", termine noto");
    }
    return fields;
}

QRect InWindow(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint()), w->size());
}

TEST(Size, SpinBoxesNameTheSizeWithinItsRangeBesideTheirLabels) {
    WindowHarness h;
    const std::tuple<const char*, const char*, int, int> spins[] = {
        {"spnVariabili", "Numero di variabili", 2, 8}, {"spnVincoli", "Numero di vincoli", 1, 8}};
    for (const auto& [name, caption, lowest, highest] : spins) {
        QSpinBox* spin = Spin(h.Window(), name);
        ASSERT_TRUE(spin) << name;
        EXPECT_EQ(spin->accessibleName(), caption);
        EXPECT_EQ(std::tuple(spin->minimum(), spin->maximum(), spin->value()),
                  std::tuple(lowest, highest, 3));
        QLabel* label = nullptr;
        for (QLabel* l : h.Window().findChildren<QLabel*>()) {
            label = l->buddy() == spin ? l : label;
        }
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->text(), caption);
        // The caption shows whole on the lines it wraps to, at the left of its spin box.
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << caption;
        EXPECT_LE(InWindow(label).right(), InWindow(spin).left());
        EXPECT_TRUE(InWindow(label).intersects(InWindow(spin).adjusted(-100, 0, 0, 0)));
    }
}

// Every size: the fields' names and the row groups, the senses, the tab order row by row, the
// empty grid of the size, and nothing outside its parent or over another control.
TEST(Size, EquationsOfEverySizeAreNamedOrderedAndLaidOutClear) {
    WindowHarness h;
    for (const Size size : kSizes) {
        SetSize(h.Window(), size);
        const std::string at = std::to_string(size.n) + "x" + std::to_string(size.m);
        const auto expected = ExpectedFields(size);
        EXPECT_EQ(h.Window().findChildren<InputField*>().size(), qsizetype(expected.size())) << at;
        Texts order, names;
        for (const auto& [name, accessible] : expected) {
            QLineEdit* field = h.Window().findChild<QLineEdit*>(name);
            ASSERT_TRUE(field) << name.toStdString();
            EXPECT_EQ(field->accessibleName(), accessible);
            EXPECT_EQ(field->maxLength(), InputField::kMaxCharacters);
            names.push_back(name.toStdString());
        }
        h.Window().findChild<QLineEdit*>("txtx1")->setFocus();
        for (std::size_t i = 0; i <= expected.size(); ++i) {
            order.push_back(h.FocusName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        names.push_back("calcola");
        EXPECT_EQ(order, names) << at;
        const auto senses = h.Window().findChildren<SenseButton*>();
        EXPECT_EQ(senses.size(), size.m) << at;
        for (SenseButton* sense : senses) {
            const QString row = sense->accessibleName().section(' ', -1);
            EXPECT_TRUE(
                sense->parentWidget()->accessibleName().startsWith("Vincolo " + row + ": "));
        }
        QStringList terms;
        for (int v = 1; v <= size.n; ++v) {
            terms << QString("… x%1").arg(v);
        }
        EXPECT_EQ(h.Window().findChild<QLineEdit*>("txtnoto")->parentWidget()->accessibleName(),
                  "Funzione economica: Z uguale a " + terms.join(" più ") + " più …")
            << at;
        EXPECT_EQ(h.Window().Tableau().Rows(), size.m + 7) << at;

        // Every widget of the window's own inside its parent, and the controls a user meets clear
        // of each other; a sense lies under the fields on purpose, an instruction over the brace.
        QList<QWidget*> controls;
        for (QWidget* w : h.Window().findChildren<QWidget*>()) {
            QWidget* parent = w->parentWidget();
            if (!w->isVisible() || qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) ||
                qobject_cast<QAbstractSpinBox*>(parent) || w->inherits("QScrollBar")) {
                continue;  // a part of Qt's own compound controls
            }
            EXPECT_TRUE(parent->rect().contains(w->geometry()))
                << w->objectName().toStdString() << " " << at;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTableView*>(w) ||
                qobject_cast<QGroupBox*>(w) ||
                (qobject_cast<QLabel*>(w) && !qobject_cast<QGroupBox*>(parent))) {
                controls.push_back(w);
            }
        }
        for (QWidget* w : controls) {
            const std::string name = w->objectName().toStdString();
            for (QWidget* other : controls) {
                const bool nested = w->isAncestorOf(other) || other->isAncestorOf(w);
                const bool underField =
                    qobject_cast<SenseButton*>(w) && qobject_cast<QLineEdit*>(other);
                if (w < other && !nested && !underField && !qobject_cast<SenseButton*>(other)) {
                    EXPECT_FALSE(InWindow(w).intersects(InWindow(other)))
                        << name << " over " << other->objectName().toStdString() << " " << at;
                }
            }
        }
    }
}

// The whole window on the screen: a laptop's holds even eight by eight; a smaller one scrolls.
TEST(Size, TheWindowFitsTheScreenOrScrolls) {
    WindowHarness h;
    const QRect screen = h.Window().screen()->availableGeometry();
    SetSize(h.Window(), {8, 8});
    auto* page = h.Window().findChild<QWidget*>("pagina");
    EXPECT_TRUE(screen.contains(h.Window().frameGeometry()));
    if (screen.width() >= 1366 && screen.height() >= 768) {
        EXPECT_FALSE(page);
    } else {
        ASSERT_TRUE(page);
        EXPECT_TRUE(page->rect().contains(InWindow(h.Window().findChild<QWidget*>("spnVincoli"))
                                              .translated(-page->mapTo(&h.Window(), QPoint()))));
    }
    SetSize(h.Window(), {3, 3});
    EXPECT_FALSE(h.Window().findChild<QWidget*>("pagina"));
    EXPECT_EQ(h.Window().size(), QSize(669, 443));
}

// Texts typed stay with their place: a smaller problem hides them, a larger one shows them again
// with every sense; a place never shown starts empty. Back at three and three, every control
// stands where it stood at start.
TEST(Size, TextsAndSensesComeBackWhenTheSizeGrowsAgain) {
    WindowHarness h;
    std::map<QString, QRect> start;
    for (QWidget* w : h.Window().findChildren<QWidget*>(QRegularExpression("^[^q]"))) {
        start[w->objectName()] = w->geometry();
    }
    EXPECT_GE(start.size(), 30u);
    h.TypeAll(Fields("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 16"));
    h.Window().findChild<SenseButton*>("cmdVerso3")->SetValue(Sense::Equal);
    const auto text = [&h](const char* name) {
        QLineEdit* field = h.Window().findChild<QLineEdit*>(name);
        return field ? field->text().toStdString() : "(none)";
    };
    SetSize(h.Window(), {2, 2});
    EXPECT_EQ(text("txtx3") + text("txtv3Noto") + text("txtnoto") + text("txtv2x2"),
              "(none)(none)410");
    SetSize(h.Window(), {4, 4});
    EXPECT_EQ(text("txtx3") + "|" + text("txtv3Noto") + "|" + text("txtv3x3") + "|" +
                  text("txtx4") + "|" + text("txtv4x1") + "|" + text("txtv1x4"),
              "3|16|15|||");
    EXPECT_EQ(h.Window().findChild<SenseButton*>("cmdVerso3")->Value(), Sense::Equal);
    SetSize(h.Window(), {3, 3});
    EXPECT_EQ(h.AllFieldTexts(), Fields("1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 16"));
    for (QWidget* w : h.Window().findChildren<QWidget*>(QRegularExpression("^[^q]"))) {
        if (start.count(w->objectName())) {
            EXPECT_EQ(w->geometry(), start[w->objectName()]) << w->objectName().toStdString();
        }
    }
}

void TypeLine(WindowHarness& h, const std::string& line) {
    std::istringstream words(line);
    for (const auto& [name, accessible] : ExpectedFields({2, 4})) {
        std::string word;
        words >> word;
        QLineEdit* field = h.Window().findChild<QLineEdit*>(name);
        field->setText(QString::fromStdString(word == "_" ? "" : word));
    }
}

// Two variables and four constraints through the real window: the rows' checks, then a lesson
// whose every tableau is the core's own, to its end, with the region offered; five variables
// have none.
TEST(Size, ALessonOfTwoVariablesAndFourConstraintsRunsToItsEnd) {
    WindowHarness h;
    SetSize(h.Window(), {2, 4});
    const std::tuple<const char*, const char*, const char*> faults[] = {
        {"3 5 0 1 0 4 0 2 12 3 2 18 1 1 _", "Compilare prima tutti i campi dei vincoli!",
         "txtv4Noto"},
        {"3 5 0 1 0 4 0 2 12 3 x 18 1 1 9", "I campi non devono contenere caratteri!", "txtv3x2"},
        {"3 5 0 1 0 4 0 2 12 3 2 18 1 1E39 9",
         "I numeri devono essere compresi tra -3.4E+38 e "
         "3.4E+38.",
         "txtv4x2"}};
    for (const auto& [line, message, focus] : faults) {
        TypeLine(h, line);
        h.messages.clear();
        h.Calcola()->click();
        ASSERT_EQ(h.messages.size(), 1u) << line;
        EXPECT_EQ(h.messages[0].text, message);
        EXPECT_EQ(h.FocusName(), focus);
    }
    TypeLine(h, "3 5 0 1 0 4 0 2 12 3 2 18 1 1 9");
    h.messages.clear();
    h.PressCalcola();
    Session core(Typed("3 5 0 / 1 0 4 / 0 2 12 / 3 2 18 / 1 1 9"));
    EXPECT_EQ(h.Shown(), JoinedRows(core.grid));
    EXPECT_EQ(h.Window().Tableau().Rows(), 11);
    auto* region = h.Window().findChild<QPushButton*>("cmdRegione");
    EXPECT_TRUE(region->isEnabled() && region->toolTip().isEmpty());
    for (int press = 0; press < 10 && h.messages.empty(); ++press) {
        h.PressPasso();
        core.Step();
        EXPECT_EQ(h.Shown(), JoinedRows(core.grid)) << "press " << press;
    }
    EXPECT_EQ(h.messages, Messages{EndMessage()});
    EXPECT_EQ(h.Window().Tableau().TextMatrix(TableauRows{4}.Objective(), 2), " 36");

    SetSize(h.Window(), {5, 2});
    EXPECT_EQ(h.Window().Tableau().Rows(), 11);  // the tableau shown stays
    for (QLineEdit* field : h.Window().findChildren<QLineEdit*>(QRegularExpression("^txt"))) {
        field->setText("1");
    }
    h.PressCalcola();
    EXPECT_EQ(h.Window().Tableau().Rows(), 9);
    EXPECT_FALSE(region->isEnabled());
    EXPECT_EQ(region->toolTip(), "La regione si disegna con 2 o 3 variabili.");
}

}  // namespace
}  // namespace simplesso
