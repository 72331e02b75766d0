// A text field of at most five characters that shows all five. The fields are narrow (36 logical
// pixels), so the sunken border is painted over the field's own margin instead of inside it.
#pragma once

#include <QLineEdit>

namespace simplesso {

class InputField : public QLineEdit {
    Q_OBJECT
  public:
    static constexpr int kMaxCharacters = 5;

    explicit InputField(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace simplesso
