// Drives the window as a user does: typing into fields, pressing keys and buttons, and reading
// what the grid and the recorded messages show.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "inserisci.h"
#include "recording_window.h"

namespace simplesso::testing_support {

// The sixteen texts of a problem, in tab order: objective row, then constraint rows 1-3.
using Sixteen = std::array<const char*, 16>;

inline const Sixteen kWorkedExample{"4", "6", "2", "0", "2", "1", "3", "18",
                                    "1", "2", "4", "8", "3", "1", "1", "15"};

inline const char* const kFieldNames[16] = {
    "txtx1",   "txtx2",   "txtx3",   "txtnoto",   "txtv1x1", "txtv1x2", "txtv1x3", "txtv1Noto",
    "txtv2x1", "txtv2x2", "txtv2x3", "txtv2Noto", "txtv3x1", "txtv3x2", "txtv3x3", "txtv3Noto"};

class WindowHarness {
  public:
    WindowHarness()
        : window_(std::make_unique<Inserisci>(
              [this](QWidget*, const Message& m) { messages.push_back(m); })) {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        exposed = QTest::qWaitForWindowExposed(window_.get());
    }

    Inserisci& Window() { return *window_; }
    QLineEdit* Field(const char* name) { return window_->findChild<QLineEdit*>(name); }
    QLineEdit* Field(int index) { return Field(kFieldNames[index]); }
    QPushButton* Calcola() { return window_->findChild<QPushButton*>("calcola"); }
    QPushButton* PassoSuccessivo() { return window_->findChild<QPushButton*>("cmdPassoS"); }
    QTableView* Tabella() { return window_->findChild<QTableView*>("TabellaPivot"); }

    // Replaces a field's text by typing it, as a user would.
    void Type(int index, const QString& text) {
        QLineEdit* field = Field(index);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    void TypeAll(const Sixteen& texts) {
        for (int i = 0; i < 16; ++i) {
            Type(i, texts[i]);
        }
    }
    void PressCalcola() { QTest::mouseClick(Calcola(), Qt::LeftButton); }
    void PressPasso() { QTest::mouseClick(PassoSuccessivo(), Qt::LeftButton); }

    // What the grid widget shows in a cell.
    std::string Shown(int row, int col) {
        return Tabella()->model()->index(row, col).data().toString().toStdString();
    }
    std::string FocusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : "";
    }
    std::vector<std::string> AllFieldTexts() {
        std::vector<std::string> texts;
        for (int i = 0; i < 16; ++i) {
            texts.push_back(Field(i)->text().toStdString());
        }
        return texts;
    }

    std::vector<Message> messages;
    bool exposed = false;

  private:
    std::unique_ptr<Inserisci> window_;
};

}  // namespace simplesso::testing_support
