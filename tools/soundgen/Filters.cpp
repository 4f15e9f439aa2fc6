#include "tools/soundgen/Filters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zarle::soundgen {

namespace {

struct Angle {
    double cosW, alpha;
};

Angle AngleOf(double hz, double q, int rate) {
    // Keep the corner safely below the Nyquist frequency of the lower sample rates.
    const double w = 2 * std::numbers::pi * std::min(hz, 0.45 * rate) / rate;
    return {std::cos(w), std::sin(w) / (2 * q)};
}

} // namespace

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2) {
    Set(b0, b1, b2, a0, a1, a2);
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

Biquad Biquad::LowPass(double cutoffHz, double q, int rate) {
    const auto [c, a] = AngleOf(cutoffHz, q, rate);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad Biquad::HighPass(double cutoffHz, double q, int rate) {
    const auto [c, a] = AngleOf(cutoffHz, q, rate);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad Biquad::BandPass(double centreHz, double q, int rate) {
    const auto [c, a] = AngleOf(centreHz, q, rate);
    return Biquad(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

void Biquad::RetuneBandPass(double centreHz, double q, int rate) {
    const auto [c, a] = AngleOf(centreHz, q, rate);
    Set(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

float Biquad::Process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

} // namespace zarle::soundgen
