#include "equation_row.h"

#include <QLineEdit>

#include "sense_button.h"

namespace simplesso {

EquationRow::EquationRow(Kind kind, const QString& title, QRect bounds, QWidget* parent)
    : QWidget(parent), kind_(kind), title_(title) {
    setGeometry(bounds);
    setFocusPolicy(Qt::NoFocus);
}

void EquationRow::AddField(QLineEdit* field, QRect inParent) {
    field->setParent(this);
    field->setGeometry(inParent.translated(-pos()));
    fields_.at(count_++) = field;
    connect(field, &QLineEdit::textChanged, this, [this] { Rename(); });
    Rename();
}

void EquationRow::AddSense(SenseButton* sense, QRect inParent) {
    sense->setParent(this);
    sense->setGeometry(inParent.translated(-pos()));
    sense->lower();
    sense_ = sense;
    connect(sense, &SenseButton::senseChanged, this, [this] { Rename(); });
    Rename();
}

QString EquationRow::Equation(Kind kind, const QString& title,
                              const std::array<QString, 4>& terms, const QString& relation) {
    std::array<QString, 4> t;
    for (std::size_t i = 0; i < t.size(); ++i) {
        t[i] = terms[i].trimmed().isEmpty() ? QStringLiteral("…") : terms[i].trimmed();
    }
    const QString sides = QStringLiteral("%1 x1 più %2 x2 più %3 x3").arg(t[0], t[1], t[2]);
    if (kind == Kind::Objective) {
        return QStringLiteral("%1: Z uguale a %2 più %3").arg(title, sides, t[3]);
    }
    return QStringLiteral("%1: %2 %3 %4").arg(title, sides, relation, t[3]);
}

void EquationRow::Rename() {
    std::array<QString, 4> terms;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        terms[i] = fields_[i] ? fields_[i]->text() : QString();
    }
    const Sense sense = sense_ ? sense_->Value() : Sense::LessEqual;
    const QString relation = sense == Sense::GreaterEqual ? QStringLiteral("maggiore di")
                             : sense == Sense::Equal      ? QStringLiteral("uguale a")
                                                          : QStringLiteral("minore di");
    setAccessibleName(Equation(kind_, title_, terms, relation));
}

}  // namespace simplesso
