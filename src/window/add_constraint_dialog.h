// The dialog of "Aggiungi vincolo": one more constraint typed after an optimum, laid out as the
// window's constraint rows are (a coefficient for each variable, "<" or ">", the known term), and
// checked on "OK" as a row of the window is, each failure said and its field focused.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "form_state.h"
#include "problem.h"

class QLineEdit;
class QPushButton;

namespace simplesso {

class SenseButton;

// A constraint as typed: the texts of a1 ... an, its sense and the text of its known term.
struct NewConstraint {
    std::vector<std::string> coefficients;
    Sense sense = Sense::LessEqual;
    std::string known;
};

class AddConstraintDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows one modal message over the dialog: the window's own way of showing one.
    using MessagePresenter = std::function<void(QWidget* parent, const Message&)>;

    AddConstraintDialog(int variables, char separator, MessagePresenter presenter, QWidget* parent);

    NewConstraint Constraint() const;

    // "OK": closes the dialog only once every field holds a number within the tableau's range.
    void accept() override;

  private:
    MessagePresenter presenter_;
    char separator_;
    std::vector<QLineEdit*> fields_;  // a1 ... an, then the known term
    SenseButton* sense_ = nullptr;
};

}  // namespace simplesso
