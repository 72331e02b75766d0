// Where every control of the window stands: positions and sizes in twips (15 to a logical pixel),
// relative to the window's client area or to the frame that holds the control.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <span>
#include <vector>

namespace simplesso::layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}
inline QRect Rect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

inline constexpr int kClientWidth = 10035;
inline constexpr int kClientHeight = 5295;

// The lesson's controls. The window grows downward by a strip for the explanation line under the
// tableau's frame; the check boxes and the save button stand in the free corner under the
// objective's frame, left of "Calcola il simplesso"; "Passo precedente" stands left of "Passo
// successivo", at its size, in the tableau's frame.
inline constexpr int kStripHeight = 900;
inline const QRect kSpiegazione = Rect(120, kClientHeight + 15, 9795, 855);
inline const QRect kFrazioni = Rect(120, 1140, 1215, 255);
inline const QRect kEsercitati = Rect(1440, 1140, 1380, 255);
inline const QRect kSalva = Rect(120, 1440, 2100, 330);
inline const QRect kPassoPrecedente = Rect(5430, 3015, 1935, 330);

// The course's controls: a second strip under the explanation, with the objective's direction
// and the two windows that follow the lesson.
inline constexpr int kCourseStripHeight = 450;
// The exercise files' strip, last: opening and saving the problem typed, then the dual simplex,
// integer variables and a constraint added after an optimum.
inline constexpr int kFileStripHeight = 450;
inline constexpr int kWindowHeight =
    kClientHeight + kStripHeight + kCourseStripHeight + kFileStripHeight;
inline const QRect kMinimizza = Rect(120, kClientHeight + kStripHeight + 90, 1500, 255);
inline const QRect kRegione = Rect(5430, kClientHeight + kStripHeight + 45, 2190, 330);
inline const QRect kAnalisi = Rect(7725, kClientHeight + kStripHeight + 45, 2190, 330);

enum class Frame { Objective, Constraints, Tableau };
enum class Face { Normal, LessThan, Brace };

struct LabelSpec {
    const char* name;
    Frame frame;
    const char* caption;
    int left, top, width, height;
    Face face;
    // The x's, subscripts, signs and the brace only draw the equations that the fields' and the
    // rows' accessible names already say; the instructions above the fields are read as labels.
    bool decorative = true;
};

// Labels in stacking order, bottom first: each one drawn later lies above the earlier ones.
std::span<const LabelSpec> Labels();

struct FieldSpec {
    const char* name;
    const char* accessibleName;
    Frame frame;
    int left, top, width, height;
};

// The sixteen text fields in tab order: objective row, then constraint rows 1-3, each in
// reading order (x1, x2, x3, known term).
std::span<const FieldSpec> Fields();

// The equations of a problem of any size, in logical pixels relative to their frame. Three
// variables and three constraints give exactly Labels() and Fields(); other sizes repeat their
// columns and rows at the same steps, so that the window reads the same at every size.
struct Patch {
    QString name;
    Frame frame;
    QString caption;
    QRect place;
    Face face;
    bool decorative = true;
    // How many pixels taller than its face the text's ink is drawn, its top where it stands: the
    // brace spans every constraint row.
    int stretch = 0;
};

struct FieldPlace {
    QString name;
    QString accessibleName;
    Frame frame;
    QRect place;
    int row;  // 0 the objective, r the constraint r
};

struct Equations {
    int variables = 3;
    int rows = 3;
    std::vector<Patch> patches;       // stacking order, bottom first
    std::vector<FieldPlace> fields;   // tab order: row by row, the known term last in each
    std::vector<QRect> senses;        // per constraint, where its sign stands
    // The frames' sizes in twips: wide enough for every column, tall enough for every row.
    int objectiveWidth = 4965;
    int constraintsWidth = 4965;
    int constraintsHeight = 1800;

    // The place of the field of a row (0 the objective) and term (variables: the known term).
    const FieldPlace& Field(int row, int term) const {
        return fields[static_cast<std::size_t>(row * (variables + 1) + term)];
    }
};

Equations EquationsOf(int variables, int rows);

// Where every control of the window stands for a problem of a size and a tableau grid of a size,
// in logical pixels: the equations' frames side by side as always while they fit a laptop's
// screen, else the constraints under the objective, with the buttons beside it; the grid as wide
// as the window and as tall as its rows. Three and three with today's grid give today's window.
struct WindowPlan {
    QSize size;
    QRect objectiveFrame, constraintsFrame;
    QRect calcola, frazioni, esercitati, salva;
    QRect tableauFrame;
    QRect tableau, passoSuccessivo, passoPrecedente;  // in the tableau's frame
    QRect spiegazione, minimizza, regione, analisi;
    QRect variabiliLabel, variabili, vincoliLabel, vincoli;
    QRect apriEsercizio, salvaEsercizio;
    // The dual simplex's and the integers' check boxes beside the exercise files, and adding a
    // constraint after an optimum under "Analisi di sensitività"; Gomory's cut and branch and
    // bound in the tableau's frame, left of "Passo precedente".
    QRect duale, intere, aggiungiVincolo;
    QRect taglio, branch;  // in the tableau's frame
    // How much wider than today's the grid is, in twips: its number columns share that too.
    int tableauExtraWidth = 0;
};

WindowPlan PlanOf(int variables, int rows, int gridRows, int gridCols);

// The narrowest a number column of the grid is made where the window has to make room for many.
inline constexpr int kNarrowestNumberColumn = 630;

}  // namespace simplesso::layout
