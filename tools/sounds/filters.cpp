#include "tools/sounds/filters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/sounds/samples.h"

namespace synth {

namespace {

struct Angle {
    double cosine;
    double alpha;
};

// Cut-offs near or above half the sample rate would make the filter unstable.
Angle angle_of(double hz, double q) {
    double limited = std::clamp(hz, 10.0, 0.45 * sample_rate);
    double w = 2 * std::numbers::pi * limited / sample_rate;
    return {std::cos(w), std::sin(w) / (2 * q)};
}

}  // namespace

Biquad Biquad::low_pass(double cutoff_hz, double q) {
    auto [c, alpha] = angle_of(cutoff_hz, q);
    double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 - c) / 2 / a0;
    f.b1_ = (1 - c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::high_pass(double cutoff_hz, double q) {
    auto [c, alpha] = angle_of(cutoff_hz, q);
    double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 + c) / 2 / a0;
    f.b1_ = -(1 + c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::band_pass(double centre_hz, double q) {
    Biquad f;
    f.retune_band_pass(centre_hz, q);
    return f;
}

void Biquad::retune_band_pass(double centre_hz, double q) {
    auto [c, alpha] = angle_of(centre_hz, q);
    double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b1_ = 0;
    b2_ = -alpha / a0;
    a1_ = -2 * c / a0;
    a2_ = (1 - alpha) / a0;
}

float Biquad::process(float input) {
    double output = b0_ * input + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return static_cast<float>(output);
}

}  // namespace synth
