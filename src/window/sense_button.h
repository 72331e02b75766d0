// The sense of one constraint, "<", ">" or "=", drawn where the window has always drawn its "<"
// and exactly as it was drawn. A click, Space or Enter moves it on ("<", ">", "=", "<"); typing
// "<", ">" or "=" sets it. Its accessible description and tooltip say the sense in words. Limited
// to the inequalities, it offers only "<" and ">".
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>

#include "problem.h"

namespace simplesso {

class SenseButton : public QAbstractButton {
    Q_OBJECT
  public:
    SenseButton(int row, const QFont& font, const QColor& colour, QWidget* parent);

    Sense Value() const { return sense_; }
    void SetValue(Sense sense);
    // Whether "=" is offered at all; a sense "=" already set turns to "<".
    void SetEqualOffered(bool offered);

    // "<", ">" or "=", as the window writes a sense.
    static QString Symbol(Sense sense);
    // "minore o uguale", "maggiore o uguale", "uguale".
    static QString Words(Sense sense);

  signals:
    void senseChanged(Sense sense);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Sense sense_ = Sense::LessEqual;
    bool equalOffered_ = true;
    QColor colour_;
};

}  // namespace simplesso
