#include "tools/audiogen/Biquad.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/audiogen/Dsp.h"

void Biquad::Set(Shape shape, double freq, double q, double gainDb) {
    freq = std::clamp(freq, 10.0, dsp::kRate * 0.45);
    const double w = 2.0 * std::numbers::pi * freq / dsp::kRate;
    const double cw = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a0 = 1.0, a1 = 0.0, a2 = 0.0;
    switch (shape) {
        case Shape::Lowpass:
            b0 = (1.0 - cw) / 2.0;
            b1 = 1.0 - cw;
            b2 = b0;
            a0 = 1.0 + alpha;
            a1 = -2.0 * cw;
            a2 = 1.0 - alpha;
            break;
        case Shape::Highpass:
            b0 = (1.0 + cw) / 2.0;
            b1 = -(1.0 + cw);
            b2 = b0;
            a0 = 1.0 + alpha;
            a1 = -2.0 * cw;
            a2 = 1.0 - alpha;
            break;
        case Shape::Bandpass:  // unit gain at the centre
            b0 = alpha;
            b1 = 0.0;
            b2 = -alpha;
            a0 = 1.0 + alpha;
            a1 = -2.0 * cw;
            a2 = 1.0 - alpha;
            break;
        case Shape::Peaking: {
            const double a = std::pow(10.0, gainDb / 40.0);
            b0 = 1.0 + alpha * a;
            b1 = -2.0 * cw;
            b2 = 1.0 - alpha * a;
            a0 = 1.0 + alpha / a;
            a1 = -2.0 * cw;
            a2 = 1.0 - alpha / a;
            break;
        }
    }
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

float Biquad::Process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}
