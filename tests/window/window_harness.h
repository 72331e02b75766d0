// The real window driven as a user drives it, with its messages recorded instead of shown: the
// window tests' one harness.
#pragma once

#include <QTest>
#include <QtWidgets>
#include <string>
#include <vector>

#include "inserisci.h"
#include "recording_window.h"

namespace simplesso::testing_support {

using Messages = std::vector<Message>;
using Texts = std::vector<std::string>;

inline const char* const kFieldNames[16] = {
    "txtx1",   "txtx2",   "txtx3",   "txtnoto",   "txtv1x1", "txtv1x2", "txtv1x3", "txtv1Noto",
    "txtv2x1", "txtv2x2", "txtv2x3", "txtv2Noto", "txtv3x1", "txtv3x2", "txtv3x3", "txtv3Noto"};

// The window with its messages recorded instead of shown, and what a user does with it.
class WindowHarness {
  public:
    WindowHarness() : window_([this](QWidget*, const Message& m) { messages.push_back(m); }) {
        window_.show();
        QApplication::setActiveWindow(&window_);
        exposed = QTest::qWaitForWindowExposed(&window_);
    }

    Inserisci& Window() { return window_; }
    QLineEdit* Field(int index) { return window_.findChild<QLineEdit*>(kFieldNames[index]); }
    QPushButton* Calcola() { return window_.findChild<QPushButton*>("calcola"); }
    QPushButton* PassoSuccessivo() { return window_.findChild<QPushButton*>("cmdPassoS"); }
    QTableView* Tabella() { return window_.findChild<QTableView*>("TabellaPivot"); }
    std::string FocusName() { return QApplication::focusWidget()->objectName().toStdString(); }
    Texts Shown() { return JoinedRows(window_.Tableau()); }

    // Replaces a field's text by typing it.
    void Type(int index, const std::string& text) {
        Field(index)->setFocus();
        Field(index)->selectAll();
        QTest::keyClick(Field(index), Qt::Key_Delete);
        QTest::keyClicks(Field(index), QString::fromStdString(text));
    }
    void TypeAll(const FieldTexts& texts) {
        for (int i = 0; i < 16; ++i) {
            Type(i, texts[i]);
        }
    }
    FieldTexts AllFieldTexts() {
        FieldTexts texts;
        for (int i = 0; i < 16; ++i) {
            texts[i] = Field(i)->text().toStdString();
        }
        return texts;
    }
    void PressCalcola() { QTest::mouseClick(Calcola(), Qt::LeftButton); }
    void PressPasso() { QTest::mouseClick(PassoSuccessivo(), Qt::LeftButton); }

    Messages messages;
    bool exposed = false;

  private:
    Inserisci window_;
};

}  // namespace simplesso::testing_support
