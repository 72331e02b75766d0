#include "add_constraint_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "appearance.h"
#include "caption_frame.h"
#include "equation_row.h"
#include "input_field.h"
#include "layout.h"
#include "range_checks.h"
#include "row_checks.h"
#include "sense_button.h"

namespace simplesso {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QString kTitle = QStringLiteral("Nuovo vincolo");
// Twips from the brace's left to the first field's: the room the brace takes in the window.
constexpr int kBrace = 420;

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

// The row stands in a frame of its own as the window's first constraint row stands in the
// constraints' frame, drawn the same way, but for the brace of many rows, whose room it takes.
AddConstraintDialog::AddConstraintDialog(int variables, char separator, MessagePresenter presenter,
                                         QWidget* parent)
    : QDialog(parent), presenter_(std::move(presenter)), separator_(separator) {
    setObjectName("AggiungiVincolo");
    setWindowTitle("Aggiungi vincolo");
    setFont(SansSerif(8.25, true));
    const layout::Equations equations = layout::EquationsOf(variables, 1);

    auto* frame = new CaptionFrame(kTitle, this);
    frame->setObjectName("fraNuovoVincolo");
    frame->setFocusPolicy(Qt::NoFocus);
    SetTextColour(frame, QPalette::WindowText, kRed);
    const auto at = [](const QRect& place) { return place.translated(-layout::Px(kBrace), 0); };
    frame->setFixedSize(layout::Px(equations.constraintsWidth - kBrace), layout::Px(1065));
    for (const layout::Patch& place : equations.patches) {
        if (place.frame == layout::Frame::Constraints && place.decorative &&
            place.face != layout::Face::Brace) {
            frame->AddDecoration(place.caption, at(place.place), CaptionFont(place.face), kBlue,
                                 place.stretch);
        }
    }
    auto* instruction = new QLabel("Inserire l'equazione del nuovo vincolo :", frame);
    instruction->setGeometry(layout::Rect(210, 210, equations.constraintsWidth - 840, 300));
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(instruction, QPalette::WindowText, kBlue);

    QRect bounds = at(equations.senses.front());
    for (int v = 0; v <= variables; ++v) {
        bounds |= at(equations.Field(1, v).place);
    }
    auto* row = new EquationRow(EquationRow::Kind::Constraint, kTitle, bounds, frame);
    sense_ = new SenseButton(1, CaptionFont(layout::Face::LessThan), kBlue, row);
    sense_->setObjectName("cmdVersoNuovo");
    sense_->setAccessibleName("Verso del nuovo vincolo");
    sense_->SetEqualOffered(false);
    row->AddSense(sense_, at(equations.senses.front()));
    for (int v = 0; v <= variables; ++v) {
        auto* field = new InputField(row);
        field->setObjectName(v < variables ? QStringLiteral("txtNuovox%1").arg(v + 1)
                                           : QStringLiteral("txtNuovoNoto"));
        field->setAccessibleName(
            v < variables ? QStringLiteral("%1, coefficiente di x%2").arg(kTitle).arg(v + 1)
                          : kTitle + ", termine noto");
        SetTextColour(field, QPalette::Text, kBlue);
        row->AddField(field, at(equations.Field(1, v).place));
        fields_.push_back(field);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (const auto& [which, caption] :
         {std::pair(QDialogButtonBox::Ok, "OK"), std::pair(QDialogButtonBox::Cancel, "Annulla")}) {
        buttons->button(which)->setText(caption);
        buttons->button(which)->setAccessibleName(caption);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &AddConstraintDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AddConstraintDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    layout->addWidget(buttons);

    // Reading order: the coefficients, the sense, the known term, then the buttons.
    std::vector<QWidget*> order(fields_.begin(), fields_.end() - 1);
    order.insert(order.end(), {sense_, fields_.back(), buttons->button(QDialogButtonBox::Ok),
                               buttons->button(QDialogButtonBox::Cancel)});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    fields_.front()->setFocus(Qt::OtherFocusReason);
}

NewConstraint AddConstraintDialog::Constraint() const {
    NewConstraint typed;
    for (std::size_t v = 0; v + 1 < fields_.size(); ++v) {
        typed.coefficients.push_back(fields_[v]->text().toStdString());
    }
    typed.sense = sense_->Value();
    typed.known = fields_.back()->text().toStdString();
    return typed;
}

void AddConstraintDialog::accept() {
    RowTexts texts;
    for (const QLineEdit* field : fields_) {
        texts.push_back(field->text().toStdString());
    }
    std::optional<int> faulty;
    const RowFault fault = CheckRow(texts, separator_);
    if (fault != RowFault::None) {
        presenter_(this, RowFaultMessage(RowKind::Constraint, fault));
        faulty = fault == RowFault::Empty ? FirstEmptyField(texts)
                                          : FirstNonNumericField(texts, separator_);
    } else if ((faulty = FirstOutOfRangeField(texts, separator_))) {
        presenter_(this, OutOfRangeMessage(separator_));
    } else {
        QDialog::accept();
        return;
    }
    if (faulty) {
        fields_[static_cast<std::size_t>(*faulty)]->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace simplesso
