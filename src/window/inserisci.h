// The program's one window: the problem typed as equations, the two buttons and the tableau grid.
// It owns the form state and delegates the checks to the input rules and the tableau to the core.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "form_state.h"
#include "grid.h"
#include "row_checks.h"

class QGroupBox;
class QLineEdit;
class QMessageBox;
class QPushButton;

namespace simplesso {

class TableauView;

class Inserisci : public QWidget, private WindowHooks {
    Q_OBJECT
  public:
    // Shows one modal message. The program uses QMessageBox; tests record instead.
    using MessagePresenter = std::function<void(QWidget* parent, const Message&)>;

    explicit Inserisci(MessagePresenter presenter = ShowMessageBox, QWidget* parent = nullptr);
    ~Inserisci() override;

    static void ShowMessageBox(QWidget* parent, const Message& message);
    // The modal box ShowMessageBox runs: the title, the text and one OK button.
    static std::unique_ptr<QMessageBox> MessageBox(QWidget* parent, const Message& message);

    const FormState& State() const { return state_; }
    const Grid& Tableau() const { return grid_; }

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
    bool ControllaTerminiNoti();
    void calcola_Click();
    void cmdPassoS_Click();
    void Form_Load();

    void CreateControls();
    void ControllaRiga(RowKind kind, const RowFields& row);
    static RowTexts Texts(const RowFields& row);
    static void FocusField(const RowFields& row, std::optional<int> index);
    char Separator() const;

    // WindowHooks
    void ShowMessage(const Message& message) override;
    void EnableStepButton() override;

    MessagePresenter presenter_;
    FormState state_;
    Grid grid_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    RowFields objective_{};
    std::array<RowFields, 3> constraints_{};
    QPushButton* calcola = nullptr;
    QPushButton* cmdPassoS = nullptr;
    TableauView* TabellaPivot = nullptr;
};

}  // namespace simplesso
