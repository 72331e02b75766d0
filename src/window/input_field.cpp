#include "input_field.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace simplesso {

InputField::InputField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxCharacters);
    setFrame(false);
}

void InputField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.features = QStyleOptionFrame::None;
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &painter, this);
}

}  // namespace simplesso
