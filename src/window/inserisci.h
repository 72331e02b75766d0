// The program's one window: the problem typed as equations, the buttons, the tableau grid and the
// lesson's own controls. It owns the form state and delegates the checks to the input rules and
// the tableau to the lesson.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

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
class QScrollArea;
class QSpinBox;

namespace simplesso {

class TableauView;
class AddConstraintDialog;
class CaptionFrame;
class EquationRow;
class SenseButton;
class RegionWindow;
class AnalysisWindow;
class TreeWindow;

class Inserisci : public QWidget {
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
    // Asks which exercise file to open, or where to save one; empty when the user cancelled.
    using ExerciseChooser = std::function<QString(QWidget* parent, bool saving)>;
    static QString ChooseExerciseFile(QWidget* parent, bool saving);
    void SetExerciseChooser(ExerciseChooser chooser) { esercizi_ = std::move(chooser); }
    // Fills the fields, the size, the senses and "Minimizza" from an exercise file, as a student
    // would type them; a file that cannot be shown so is refused with a message and changes
    // nothing. Returns whether it was opened.
    bool ApriEsercizio(const QString& path);
    // Runs the dialog of "Aggiungi vincolo" and says whether it was accepted, its row checked.
    using ConstraintAsker = std::function<bool(AddConstraintDialog& dialog)>;
    static bool AskConstraint(AddConstraintDialog& dialog);
    void SetConstraintAsker(ConstraintAsker asker) { vincoli_ = std::move(asker); }
    // The modal box ShowMessageBox runs: the title, the text and one OK button.
    static std::unique_ptr<QMessageBox> MessageBox(QWidget* parent, const Message& message);

    const FormState& State() const { return state_; }
    const Grid& Tableau() const { return grid_; }
    const Lesson& CurrentLesson() const { return lesson_; }
    // The windows that follow the lesson, once opened; null before.
    RegionWindow* Regione() const { return regione_; }
    AnalysisWindow* Analisi() const { return analisi_; }
    TreeWindow* Albero() const { return albero_; }

    static inline const QString kRegioneTroppeVariabili =
        QStringLiteral("La regione si disegna con 2 o 3 variabili.");

  private:
    using RowFields = std::vector<QLineEdit*>;

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
    void cmdApri_Click();
    void cmdSalvaEsercizio_Click();
    void cmdAggiungi_Click();
    void cmdTaglio_Click();
    void cmdBranch_Click();
    // The problem as typed: every field's text, the rows' senses, the direction and the names
    // an exercise file gave the variables.
    ProblemTexts Scritto() const;
    // Shows a problem in the equations, its size, fields, senses and direction, as typed.
    void MostraProblema(const ProblemTexts& problem);
    // The checks of "Calcola il simplesso" on every row and on the numbers' range, each failure
    // said and its field focused; whether every one passed.
    bool CampiControllati();
    // Brings the lesson into the region's and the analysis' windows, where they are open.
    void MostraFinestre();
    // Shows a window that follows the lesson beside this one the first time, where it was after.
    void OpenBeside(QWidget* window, bool& placed);
    void Riempi(QWidget* window);
    void Form_Load();

    void CreateControls();
    void CreateLessonControls();
    void CreateCourseControls();
    void CreateSizeControls();
    void CreateFileControls();
    QPushButton* Pulsante(const char* name, const QString& caption);
    int Variabili() const;
    int Vincoli() const;
    // The equations' rows, fields and senses for the size chosen, with the texts and the senses
    // each place had last.
    void CostruisciEquazioni();
    // Another size chosen: the equations again, the empty grid of that size before any lesson.
    void CambiaDimensioni();
    // Every control where the size of the problem and of the grid shown put it.
    void Disponi();
    // The window at the size its content needs, scrolling it where the screen is smaller.
    void AdattaSchermo(QSize needed);
    void Riponi(bool scrolling);
    void OrdineTab();
    // Whether the region can be drawn for the lesson shown, or for the size chosen before one.
    bool RegioneDisegnabile() const;
    // Shows what the lesson holds now: explanation, fractions, the buttons' states.
    void MostraLezione();
    void ControllaRiga(RowKind kind, const RowFields& row);
    static RowTexts Texts(const RowFields& row);
    static void FocusField(const RowFields& row, std::optional<int> index);
    char Separator() const;

    // A message of a press or of the window's own checks, once the lesson is shown.
    void ShowMessage(const Message& message);

    MessagePresenter presenter_;
    FileChooser chooser_ = ChooseLessonFile;
    ExerciseChooser esercizi_ = ChooseExerciseFile;
    ConstraintAsker vincoli_ = AskConstraint;
    // The lesson owns the tableau and the form state; the window reads them through these.
    Lesson lesson_;
    Grid& grid_ = lesson_.Tableau();
    FormState& state_ = lesson_.State();

    CaptionFrame* Frame1 = nullptr;
    CaptionFrame* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    RowFields objective_;
    std::vector<RowFields> constraints_;
    std::vector<EquationRow*> righe_;
    // What every field ever shown held last, by its name, and every row's sense: a smaller
    // problem hides them, a larger one shows them again.
    std::map<QString, QString> scritti_;
    std::map<int, Sense> sensi_;
    QPushButton* calcola = nullptr;
    QPushButton* cmdPassoS = nullptr;
    TableauView* TabellaPivot = nullptr;
    QPushButton* cmdPassoP = nullptr;
    QCheckBox* chkFrazioni = nullptr;
    QCheckBox* chkEsercitati = nullptr;
    QPushButton* cmdSalva = nullptr;
    QLabel* lblSpiegazione = nullptr;
    std::vector<SenseButton*> versi_;
    QCheckBox* chkMinimizza = nullptr;
    QPushButton* cmdRegione = nullptr;
    QPushButton* cmdAnalisi = nullptr;
    QLabel* lblVariabili = nullptr;
    QSpinBox* spnVariabili = nullptr;
    QLabel* lblVincoli = nullptr;
    QSpinBox* spnVincoli = nullptr;
    QPushButton* cmdApri = nullptr;
    QPushButton* cmdSalvaEsercizio = nullptr;
    QCheckBox* chkDuale = nullptr;
    QPushButton* cmdAggiungi = nullptr;
    QCheckBox* chkIntere = nullptr;
    QPushButton* cmdTaglio = nullptr;
    QPushButton* cmdBranch = nullptr;
    // The names the exercise opened last gave x1 ... xn; dropped when the number of variables
    // changes.
    std::vector<std::string> nomi_;
    // The window's own controls, in the order they were made; they move into a scrolling page
    // when the screen is too small for them, and back.
    std::vector<QWidget*> controlli_;
    QScrollArea* scorrimento_ = nullptr;
    QWidget* pagina_ = nullptr;
    // Built when first opened, as windows of this one (they close with it); closing them only
    // hides them.
    RegionWindow* regione_ = nullptr;
    AnalysisWindow* analisi_ = nullptr;
    bool regionePlaced_ = false;
    bool analisiPlaced_ = false;
    TreeWindow* albero_ = nullptr;
    bool alberoPlaced_ = false;
};

}  // namespace simplesso
