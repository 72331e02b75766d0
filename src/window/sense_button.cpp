#include "sense_button.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace simplesso {

SenseButton::SenseButton(int row, const QFont& font, const QColor& colour, QWidget* parent)
    : QAbstractButton(parent), colour_(colour) {
    setObjectName(QStringLiteral("cmdVerso%1").arg(row));
    setAccessibleName(QStringLiteral("Verso del vincolo %1").arg(row));
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setText(Symbol(sense_));
    setAccessibleDescription(Words(sense_));
    setToolTip(Words(sense_));
    connect(this, &QAbstractButton::clicked, this, [this] {
        SetValue(sense_ == Sense::LessEqual                       ? Sense::GreaterEqual
                 : sense_ == Sense::GreaterEqual && equalOffered_ ? Sense::Equal
                                                                  : Sense::LessEqual);
    });
}

void SenseButton::SetEqualOffered(bool offered) {
    equalOffered_ = offered;
    if (!offered && sense_ == Sense::Equal) {
        SetValue(Sense::LessEqual);
    }
}

void SenseButton::SetValue(Sense sense) {
    if (sense == sense_) {
        return;
    }
    sense_ = sense;
    setText(Symbol(sense));
    setAccessibleDescription(Words(sense));
    setToolTip(Words(sense));
    update();
    emit senseChanged(sense);
}

QString SenseButton::Symbol(Sense sense) {
    switch (sense) {
        case Sense::GreaterEqual:
            return QStringLiteral(">");
        case Sense::Equal:
            return QStringLiteral("=");
        case Sense::LessEqual:
            break;
    }
    return QStringLiteral("<");
}

QString SenseButton::Words(Sense sense) {
    switch (sense) {
        case Sense::GreaterEqual:
            return QStringLiteral("maggiore o uguale");
        case Sense::Equal:
            return QStringLiteral("uguale");
        case Sense::LessEqual:
            break;
    }
    return QStringLiteral("minore o uguale");
}

// Painted as the window's opaque label of the sign always was: the window colour, then the sign
// from the top left corner at its baseline. Only the focus adds a dotted frame.
void SenseButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Window));
    painter.setFont(font());
    painter.setPen(colour_);
    painter.drawText(QPointF(0, QFontMetricsF(font()).ascent()), text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(0, 2, -1, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void SenseButton::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed == QLatin1String("<")) {
        SetValue(Sense::LessEqual);
    } else if (typed == QLatin1String(">")) {
        SetValue(Sense::GreaterEqual);
    } else if (typed == QLatin1String("=") && equalOffered_) {
        SetValue(Sense::Equal);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
    } else {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
}

}  // namespace simplesso
