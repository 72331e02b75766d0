// The program's one window: the problem typed as equations, the buttons, the tableau grid and the
// lesson's own controls. It owns the form state and delegates the checks to the input rules and
// the tableau to the lesson.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "form_state.h"
#include "grid.h"
#include "lesson.h"
#include "row_checks.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;

namespace simplesso {

class TableauView;
class SenseButton;
class RegionWindow;
class AnalysisWindow;

class Inserisci : public QWidget, private WindowHooks {
    Q_OBJECT
  public:
    // Shows one modal message. The program uses QMessageBox; tests record instead.
    using MessagePresenter = std::function<void(QWidget* parent, const Message&)>;

    explicit Inserisci(MessagePresenter presenter = ShowMessageBox, QWidget* parent = nullptr);
    ~Inserisci() override;

    // Asks where to save the lesson; an empty path means the user cancelled.
    using FileChooser = std::function<QString(QWidget* parent)>;

    static void ShowMessageBox(QWidget* parent, const Message& message);
    static QString ChooseLessonFile(QWidget* parent);
    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    // The modal box ShowMessageBox runs: the title, the text and one OK button.
    static std::unique_ptr<QMessageBox> MessageBox(QWidget* parent, const Message& message);

    const FormState& State() const { return state_; }
    const Grid& Tableau() const { return grid_; }
    const Lesson& CurrentLesson() const { return lesson_; }
    // The windows that follow the lesson, once opened; null before.
    RegionWindow* Regione() const { return regione_; }
    AnalysisWindow* Analisi() const { return analisi_; }

  private:
    using RowFields = std::array<QLineEdit*, 4>;

    void ImpostaTabella();
    void Simplesso();
    void FunzioneEconomicaAzzera();
    void VincoloAzzera(const RowFields& row);
    void FunzioneEconomicaFocus();
    void VincoloFocus(const RowFields& row);
    void ControllaFunzioneEconomica();
    void ControllaVincoli(const RowFields& row);
    bool ControllaIntervallo();
    void calcola_Click();
    void cmdPassoS_Click();
    void cmdPassoP_Click();
    void cmdSalva_Click();
    void cmdRegione_Click();
    void cmdAnalisi_Click();
    // Brings the lesson into the region's and the analysis' windows, where they are open.
    void MostraFinestre();
    // Shows a window that follows the lesson beside this one the first time, where it was after.
    void OpenBeside(QWidget* window, bool& placed);
    void Riempi(QWidget* window);
    void Form_Load();

    void CreateControls();
    void CreateLessonControls();
    void CreateCourseControls();
    // Shows what the lesson holds now: explanation, fractions, the buttons' states.
    void MostraLezione();
    void ControllaRiga(RowKind kind, const RowFields& row);
    static RowTexts Texts(const RowFields& row);
    static void FocusField(const RowFields& row, std::optional<int> index);
    char Separator() const;

    // WindowHooks
    void ShowMessage(const Message& message) override;
    void EnableStepButton() override;

    MessagePresenter presenter_;
    FileChooser chooser_ = ChooseLessonFile;
    FormState state_;
    Grid grid_;
    Lesson lesson_{grid_, state_, *this};

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    RowFields objective_{};
    std::array<RowFields, 3> constraints_{};
    QPushButton* calcola = nullptr;
    QPushButton* cmdPassoS = nullptr;
    TableauView* TabellaPivot = nullptr;
    QPushButton* cmdPassoP = nullptr;
    QCheckBox* chkFrazioni = nullptr;
    QCheckBox* chkEsercitati = nullptr;
    QPushButton* cmdSalva = nullptr;
    QLabel* lblSpiegazione = nullptr;
    std::array<SenseButton*, 3> versi_{};
    QCheckBox* chkMinimizza = nullptr;
    QPushButton* cmdRegione = nullptr;
    QPushButton* cmdAnalisi = nullptr;
    // Built when first opened, as windows of this one (they close with it); closing them only
    // hides them.
    RegionWindow* regione_ = nullptr;
    AnalysisWindow* analisi_ = nullptr;
    bool regionePlaced_ = false;
    bool analisiPlaced_ = false;
};

}  // namespace simplesso
