// Exercise files through the real window: opening fills the size, the fields, the senses and
// "Minimizza" as a student types them, saving gives the same window back, and a file that
// cannot be shown so changes nothing at all (the reasons are the exercise unit's to test).
#include <gtest/gtest.h>

#include <QtWidgets>

#include "sense_button.h"
#include "window_harness.h"

namespace simplesso {
namespace {

using namespace testing_support;

// What opening may change, in the window's order: every field as name=text, each row's sense
// (0 "<", 1 ">", 2 "="), the size, "Minimizza" and, before a lesson, the explanation line.
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
    QStringList opened = {"txtx1=3",
                          "txtx2=2.5",
                          "txtnoto=0",
                          "txtv1x1=1",
                          "txtv1x2=1",
                          "txtv1Noto=4",
                          "txtv2x1=0",
                          "txtv2x2=1",
                          "txtv2Noto=3",
                          "txtv3x1=1",
                          "txtv3x2=-1",
                          "txtv3Noto=-1",
                          "1",
                          "0",
                          "2",
                          "2",
                          "3",
                          "1",
                          "x1 = sedie, x2 = tavoli."};
    EXPECT_EQ(WindowState(h.Window()), opened);
    EXPECT_FALSE(h.Window().CurrentLesson().Started());  // the student still presses "Calcola"
    h.PressCalcola();
    auto* spiegazione = h.Window().findChild<QLabel*>("lblSpiegazione");
    EXPECT_TRUE(spiegazione->text().startsWith("x1 = sedie, x2 = tavoli. Prima fase:"))
        << spiegazione->text().toStdString();

    // Saved, changed, opened again: the fields come back; a saved file names x1 ... xn.
    chosen = dir.filePath("copia.lp");
    salva->click();
    h.Window().findChild<QLineEdit*>("txtv2Noto")->setText("7");
    apri->click();
    h.PressCalcola();
    EXPECT_TRUE(spiegazione->text().startsWith("Prima fase:")) << spiegazione->text().toStdString();
    opened.removeLast();
    EXPECT_EQ(WindowState(h.Window()), opened);
    ASSERT_TRUE(h.messages.empty()) << h.messages[0].text;

    // A save that fails says why and writes nothing; a file that cannot be shown as typed is
    // refused and changes nothing at all.
    chosen = dir.filePath("manca/copia.lp");
    salva->click();
    EXPECT_FALSE(QFile::exists(chosen));
    const QStringList before = WindowState(h.Window());
    chosen = Written(dir, "intera.lp",
                     "Maximize\n z: a + b\nSubject To\n v: a <= 4\nGeneral\n a\nEnd\n");
    apri->click();
    EXPECT_EQ(WindowState(h.Window()), before);
    ASSERT_EQ(h.messages.size(), 2u);
    EXPECT_TRUE(h.messages[0].text.starts_with("Impossibile salvare l'esercizio"))
        << h.messages[0].text;
    EXPECT_NE(h.messages[1].text.find("è intera"), std::string::npos) << h.messages[1].text;
    EXPECT_EQ(h.messages[1].title, "Attenzione!");
}

}  // namespace
}  // namespace simplesso
