// Exercise files through the real window: opening fills the size, the fields, the senses and
// "Minimizza" as a student types them, saving gives the same window back, and a file that
// cannot be shown so is refused with its reason and changes nothing at all.
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

    // A save that fails says why and writes nothing.
    chosen = dir.filePath("manca/copia.lp");
    salva->click();
    EXPECT_FALSE(QFile::exists(chosen));
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_TRUE(h.messages[0].text.starts_with("Impossibile salvare l'esercizio"))
        << h.messages[0].text;
}

// Every file the window cannot show as typed is refused with a message that says why, and the
// window stays exactly as it was, lesson and all.
TEST(Exercise, AFileThatCannotBeShownAsTypedIsRefusedWithItsReasonAndChangesNothing) {
    WindowHarness h;
    h.TypeAll(Fields("4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15"));
    h.PressCalcola();
    QTemporaryDir dir;
    const QByteArray head = "Maximize\n obj: 3 x + 2 y\nSubject To\n c1: x + y <= 4\n";
    const std::pair<QByteArray, const char*> files[] = {
        {"", "è vuoto."},
        {"Maximize\n obj: 3 x + 2 y + 5\n", "alla riga 2 GLPK segnala «missing variable name»"},
        {head, "è incompleto: manca la riga «End»"},  // cut after a whole row, which GLPK takes
        {"Maximize\n obj: 3 x\nSubject To\n c1: x <= 4\nEnd\n", "ha 1 variabile: "},
        {"Maximize\n obj: a + b + c + d + e + f + g + h + i\nSubject To\n c1: a <= 1\nEnd\n",
         "ha 9 variabili: un esercizio ne ha da 2 a 8."},
        {head + QByteArray(" x<=1\n").repeated(8) + "End\n",
         "ha 9 vincoli: un esercizio ne ha da 1 a 8."},
        {head + "Bounds\n x <= 3\nEnd\n", "La variabile «x» ha il limite x ≤ 3: "},
        {head + "Bounds\n x = 2\nEnd\n", "«x» è fissata a 2: "},
        {head + "Bounds\n y free\nEnd\n", "«y» è libera: "},
        {head + "General\n x\nEnd\n", "«x» è intera, ma non tutte lo sono"},
        {head + "Binary\n y\nEnd\n", "«y» è binaria: "},
        {"Maximize\n obj: x\nSubject To\n r: x + y - ~r_1 = -2\nBounds\n 0 <= ~r_1 <= 6\nEnd\n",
         "Il vincolo «r» ha due limiti"},
        {head + " c2: 123456 x <= 1\nEnd\n",
         "Il numero 123456 (coefficiente di «x» nel vincolo «c2») non si scrive"},
        {"Maximize\n obj: x + y\n\\* constant term = 1.000001 *\\\nSubject To\n c: x <= 1\nEnd\n",
         "numero 1.000001 (termine noto della funzione obiettivo)"}};
    std::vector<std::pair<QString, std::string>> paths = {{dir.path(), "è una cartella"},
                                                          {dir.filePath("manca.lp"), "non esiste"}};
    for (const auto& [bytes, reason] : files) {
        paths.emplace_back(Written(dir, QString("e%1.lp").arg(paths.size()), bytes), reason);
    }
    for (const auto& [path, reason] : paths) {
        const QStringList before = WindowState(h.Window());
        h.messages.clear();
        EXPECT_FALSE(h.Window().ApriEsercizio(path)) << reason;
        ASSERT_EQ(h.messages.size(), 1u) << reason;
        EXPECT_EQ(h.messages[0].title, "Attenzione!");
        EXPECT_NE(h.messages[0].text.find(reason), std::string::npos) << h.messages[0].text;
        EXPECT_EQ(WindowState(h.Window()), before) << reason;
    }
}

}  // namespace
}  // namespace simplesso
