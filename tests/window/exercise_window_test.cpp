// Exercise files through the real window: opening fills the size, the fields, the senses and
// "Minimizza" as a student types them, saving gives the same window back, and a file that
// cannot be shown so changes nothing at all.
#include <gtest/gtest.h>

#include <QtWidgets>

#include "sense_button.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

// Everything opening may change: every field's text by name, the size, the senses, the
// direction and, but for a lesson's, the explanation line.
QStringList WindowState(Inserisci& window) {
    QStringList state;
    for (QLineEdit* field : window.findChildren<QLineEdit*>(QRegularExpression("^txt"))) {
        state << field->objectName() + "=" + field->text();
    }
    for (SenseButton* sense : window.findChildren<SenseButton*>()) {
        state << QString::number(static_cast<int>(sense->Value()));
    }
    for (const char* box : {"spnVariabili", "spnVincoli"}) {
        state << QString::number(window.findChild<QSpinBox*>(box)->value());
    }
    state << QString::number(window.findChild<QCheckBox*>("chkMinimizza")->isChecked());
    if (!window.CurrentLesson().Started()) {
        state << window.findChild<QLabel*>("lblSpiegazione")->text();
    }
    return state;
}

QString Written(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
}

QString Text(WindowHarness& h, const char* name) {
    return h.Window().findChild<QLineEdit*>(name)->text();
}

TEST(Exercise, OpeningFillsTheWindowAsTypedAndSavingGivesItBack) {
    WindowHarness h;
    QTemporaryDir dir;
    QString chosen = Written(dir, "sedie.lp",
                             "Minimize\n obj: 3 sedie + 2.50 tavoli\nSubject To\n"
                             " c1: sedie + tavoli >= 4\n c2: tavoli <= 3\n"
                             " c3: sedie - tavoli = -1\nEnd\n");
    h.Window().SetExerciseChooser([&](QWidget*, bool) { return chosen; });
    auto* apri = h.Window().findChild<QPushButton*>("cmdApri");
    auto* salva = h.Window().findChild<QPushButton*>("cmdSalvaEsercizio");
    ASSERT_EQ(apri->accessibleName(), "Apri esercizio…");
    ASSERT_EQ(salva->accessibleName(), "Salva esercizio…");
    apri->click();
    ASSERT_TRUE(h.messages.empty()) << h.messages[0].text;

    const std::pair<const char*, const char*> fields[] = {
        {"txtx1", "3"},     {"txtx2", "2.5"},   {"txtnoto", "0"},   {"txtv1x1", "1"},
        {"txtv1x2", "1"},   {"txtv1Noto", "4"}, {"txtv2x1", "0"},   {"txtv2x2", "1"},
        {"txtv2Noto", "3"}, {"txtv3x1", "1"},   {"txtv3x2", "-1"},  {"txtv3Noto", "-1"}};
    for (const auto& [name, text] : fields) {
        EXPECT_EQ(Text(h, name), text) << name;
    }
    EXPECT_EQ(h.Window().findChild<QSpinBox*>("spnVariabili")->value(), 2);
    EXPECT_EQ(h.Window().findChild<QSpinBox*>("spnVincoli")->value(), 3);
    std::vector<Sense> senses;
    for (SenseButton* sense : h.Window().findChildren<SenseButton*>()) {
        senses.push_back(sense->Value());
    }
    EXPECT_EQ(senses, (std::vector{Sense::GreaterEqual, Sense::LessEqual, Sense::Equal}));
    EXPECT_TRUE(h.Window().findChild<QCheckBox*>("chkMinimizza")->isChecked());
    auto* spiegazione = h.Window().findChild<QLabel*>("lblSpiegazione");
    EXPECT_EQ(spiegazione->text(), "x1 = sedie, x2 = tavoli.");
    EXPECT_FALSE(h.Window().CurrentLesson().Started());  // the student still presses "Calcola"
    h.PressCalcola();
    EXPECT_TRUE(spiegazione->text().startsWith("x1 = sedie, x2 = tavoli. Prima fase:"))
        << spiegazione->text().toStdString();

    // Saved, changed, opened again: the fields come back; a saved file names x1 ... xn.
    const QStringList typed = WindowState(h.Window());
    chosen = dir.filePath("copia.lp");
    salva->click();
    h.Window().findChild<QLineEdit*>("txtv2Noto")->setText("7");
    apri->click();
    EXPECT_EQ(Text(h, "txtv2Noto"), "3");
    h.PressCalcola();
    EXPECT_TRUE(spiegazione->text().startsWith("Prima fase:")) << spiegazione->text().toStdString();
    EXPECT_EQ(WindowState(h.Window()), typed);
    ASSERT_TRUE(h.messages.empty()) << h.messages[0].text;

    // A save that fails says why and writes nothing.
    chosen = dir.filePath("manca/copia.lp");
    salva->click();
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].title, "Attenzione!");
    EXPECT_FALSE(QFile::exists(chosen));
}

TEST(Exercise, AFileThatCannotBeShownAsTypedChangesNothing) {
    WindowHarness h;
    h.TypeAll(Fields("4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15"));
    h.PressCalcola();
    QTemporaryDir dir;
    const std::pair<const char*, QByteArray> files[] = {
        {"non è LP", "Questo non è un programma lineare.\n"},
        {"nove variabili",
         "Maximize\n z: a + b + c + d + e + f + g + h + i\nSubject To\n v: a <= 1\nEnd\n"},
        {"intera", "Maximize\n z: a + b\nSubject To\n v: a + b <= 4\nGeneral\n a\nEnd\n"},
        {"vuoto", ""}};
    for (const auto& [name, text] : files) {
        const QString path = Written(dir, name, text);
        const QStringList before = WindowState(h.Window());
        h.messages.clear();
        EXPECT_FALSE(h.Window().ApriEsercizio(path)) << name;
        ASSERT_EQ(h.messages.size(), 1u) << name;
        EXPECT_EQ(h.messages[0].title, "Attenzione!");
        EXPECT_EQ(WindowState(h.Window()), before) << name;
    }
    EXPECT_FALSE(h.Window().ApriEsercizio(dir.filePath("manca.lp")));
}

}  // namespace
}  // namespace simplesso
