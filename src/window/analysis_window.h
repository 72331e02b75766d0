// The window "Analisi di sensitività": the post-optimal analysis of the lesson's optimum as two
// tables, the dual problem and the notes, each figure with its tooltip. Every section's text is an
// element of its own for a screen reader, each note one; the whole scrolls where the screen is
// too small for it. It only shows; the figures come from the analysis.
#pragma once

#include <QWidget>

#include "analysis_text.h"

class QLabel;
class QScrollArea;
class QTableWidget;
class QVBoxLayout;

namespace simplesso {

class AnalysisWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AnalysisWindow(QWidget* parent = nullptr);

    void ShowAnalysis(const sensitivity::Analysis& analysis);
    // Empties every section and says why there is nothing to show.
    void Clear(const QString& why);

    // The whole content without scrolling.
    QSize sizeHint() const override;

  private:
    static QTableWidget* MakeTable(const QString& name, const std::vector<std::string>& header);
    static void Fill(QTableWidget* table, const sensitivity::AnalysisTable& rows);
    static void FitToContents(QTableWidget* table);
    void FitWindow();

    QScrollArea* scroll_;
    QWidget* content_;
    QLabel* why_;
    QTableWidget* prices_;
    QTableWidget* coefficients_;
    QLabel* dual_;
    QLabel* slackness_;
    QLabel* notesHeading_;
    QWidget* notes_;
    QVBoxLayout* notesLayout_;
    std::vector<QWidget*> sections_;  // hidden while there is nothing to show
};

}  // namespace simplesso
