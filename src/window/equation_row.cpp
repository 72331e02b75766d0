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
    fields_.push_back(field);
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
                              const std::vector<QString>& terms, const QString& relation) {
    const auto shown = [](const QString& term) {
        return term.trimmed().isEmpty() ? QStringLiteral("…") : term.trimmed();
    };
    QStringList sides;
    for (std::size_t i = 0; i + 1 < terms.size(); ++i) {
        sides << QStringLiteral("%1 x%2").arg(shown(terms[i])).arg(i + 1);
    }
    const QString known = shown(terms.empty() ? QString() : terms.back());
    if (kind == Kind::Objective) {
        return QStringLiteral("%1: Z uguale a %2 più %3")
            .arg(title, sides.join(QStringLiteral(" più ")), known);
    }
    return QStringLiteral("%1: %2 %3 %4")
        .arg(title, sides.join(QStringLiteral(" più ")), relation, known);
}

void EquationRow::Rename() {
    std::vector<QString> terms;
    for (QLineEdit* field : fields_) {
        terms.push_back(field->text());
    }
    const Sense sense = sense_ ? sense_->Value() : Sense::LessEqual;
    const QString relation = sense == Sense::GreaterEqual ? QStringLiteral("maggiore di")
                             : sense == Sense::Equal      ? QStringLiteral("uguale a")
                                                          : QStringLiteral("minore di");
    setAccessibleName(Equation(kind_, title_, terms, relation));
}

}  // namespace simplesso
