#include "projection.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace simplesso {
namespace {

constexpr double kAxisOverhang = 1.15;  // the axes pass the figure by this factor

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

}  // namespace

ViewAngles Turned(ViewAngles view, double yawDegrees, double pitchDegrees) {
    view.yaw = std::remainder(view.yaw + yawDegrees, 360.0);
    view.pitch = std::clamp(view.pitch + pitchDegrees, -89.0, 89.0);
    return view;
}

ViewAngles Zoomed(ViewAngles view, double factor) {
    view.zoom = std::clamp(view.zoom * factor, kMinZoom, kMaxZoom);
    return view;
}

Projection::Projection(bool plane, const std::array<double, 3>& reach, const ViewAngles& view,
                       const Rect& target)
    : plane_(plane) {
    extent_ = std::max({reach[0], reach[1], plane ? 0.0 : reach[2]});
    extent_ = extent_ > 0 ? extent_ : 1;
    const double extent = extent_;
    for (int k = 0; k < 3; ++k) {
        axis_[k] = (reach[k] > 0 ? reach[k] : extent) * kAxisOverhang;
    }
    const double side = std::max(1.0, std::min(target.width, target.height));
    cx_ = target.x + target.width / 2;
    cy_ = target.y + target.height / 2;
    if (plane_) {
        // A little of the negative side shows where the axes cross.
        const double low = -0.06 * extent;
        const double high = extent * kAxisOverhang + 0.02 * extent;
        const double middle = (low + high) / 2;
        centre_ = {middle, middle, 0};
        const double half = (high - low) / 2 / view.zoom;
        low_ = middle - half;
        high_ = middle + half;
        scale_ = side / (high_ - low_);
        return;
    }
    double diagonal = 0;
    for (int k = 0; k < 3; ++k) {
        centre_[k] = axis_[k] / 2;
        diagonal += axis_[k] * axis_[k];
    }
    // The axes' box turns inside the sphere about its centre; the labels need a little more.
    const double radius = std::sqrt(diagonal) / 2 * 1.08;
    scale_ = view.zoom * side / (2 * radius);
    cosYaw_ = std::cos(Radians(view.yaw));
    sinYaw_ = std::sin(Radians(view.yaw));
    cosPitch_ = std::cos(Radians(view.pitch));
    sinPitch_ = std::sin(Radians(view.pitch));
}

Projected Projection::operator()(double x1, double x2, double x3) const {
    if (plane_) {
        return {cx_ + (x1 - centre_[0]) * scale_, cy_ - (x2 - centre_[1]) * scale_, 0};
    }
    x1 -= centre_[0];
    x2 -= centre_[1];
    x3 -= centre_[2];
    // At yaw and pitch 0, x2 points right, x3 up and x1 at the eye.
    const double across = x2 * cosYaw_ - x1 * sinYaw_;
    const double towards = x2 * sinYaw_ + x1 * cosYaw_;
    const double up = x3 * cosPitch_ - towards * sinPitch_;
    const double depth = towards * cosPitch_ + x3 * sinPitch_;
    return {cx_ + across * scale_, cy_ - up * scale_, depth};
}

Projected Projection::operator()(const Point& p) const {
    return (*this)(Approx(p[0]), Approx(p[1]), Approx(p[2]));
}

std::vector<double> Ticks(double extent) {
    std::vector<double> ticks;
    if (!(extent > 0) || !std::isfinite(extent)) {
        return ticks;
    }
    const double raw = extent / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * 0.999) {
            step = m * power;
            break;
        }
    }
    for (int i = 1; i * step <= extent * 1.0001 && i <= 10; ++i) {
        ticks.push_back(i * step);
    }
    return ticks;
}

std::string TickText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

double Approx(const mpq_class& value) {
    return value.get_d();
}

}  // namespace simplesso
