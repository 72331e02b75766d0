// How the figure is laid onto a flat target: the view's angles and zoom, and the map from the
// problem's space to the target's coordinates (y downwards, as on a screen). The Qt painter and
// the TikZ writer both draw through it, so the screen, the PDF and the LaTeX show one figure.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "region.h"

namespace simplesso {

// Degrees; yaw turns about the x3 axis, pitch raises the eye above the x1-x2 plane.
struct ViewAngles {
    double yaw = 30;
    double pitch = 20;
    double zoom = 1;
    friend bool operator==(const ViewAngles&, const ViewAngles&) = default;
};

inline constexpr double kMinZoom = 0.25;
inline constexpr double kMaxZoom = 8;

// Pitch is held within [-89, 89] so that the eye never passes over the top; yaw wraps.
ViewAngles Turned(ViewAngles view, double yawDegrees, double pitchDegrees);
// Multiplied by the factor, held within [kMinZoom, kMaxZoom].
ViewAngles Zoomed(ViewAngles view, double factor);

struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct Projected {
    double x = 0;
    double y = 0;
    double depth = 0;  // larger is nearer the eye
};

class Projection {
  public:
    // The figure fits the target at zoom 1 whichever way it is turned: in space the sphere around
    // the axes' box (each axis to its reach) is fitted, in the plane the square window that holds
    // the largest extent.
    Projection(bool plane, const std::array<double, 3>& reach, const ViewAngles& view,
               const Rect& target);

    Projected operator()(double x1, double x2, double x3) const;
    Projected operator()(const Point& p) const;

    // Target units per unit of the problem.
    double Scale() const { return scale_; }
    // In the plane: the plotted window is [Low(), High()] in both x1 and x2.
    double Low() const { return low_; }
    double High() const { return high_; }
    // How far axis 0..2 is drawn, in the problem's units (in the plane, both alike).
    double AxisLength(int k) const { return plane_ ? high_ : axis_[k]; }
    // The largest of the reaches.
    double Extent() const { return extent_; }

  private:
    bool plane_;
    double scale_ = 1;
    double cx_ = 0, cy_ = 0;  // target point of the figure's centre
    std::array<double, 3> centre_{};  // the figure's centre
    std::array<double, 3> axis_{1, 1, 1};
    double extent_ = 1;
    double low_ = 0, high_ = 1;
    double cosYaw_ = 1, sinYaw_ = 0, cosPitch_ = 1, sinPitch_ = 0;
};

// The tick values of an axis from 0 to this extent, on a step of 1, 2 or 5 times a power of 10
// that gives from two to five ticks beyond 0.
std::vector<double> Ticks(double extent);
// "2.5", "10", "0.001": the tick's value, at most six significant digits.
std::string TickText(double value);

// The rational as a double, for drawing only.
double Approx(const mpq_class& value);

}  // namespace simplesso
