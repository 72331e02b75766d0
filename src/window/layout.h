// Where every control of the window stands: positions and sizes in twips (15 to a logical pixel),
// relative to the window's client area or to the frame that holds the control.
#pragma once

#include <QRect>
#include <span>

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
inline constexpr int kWindowHeight = kClientHeight + kStripHeight + kCourseStripHeight;
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

}  // namespace simplesso::layout
