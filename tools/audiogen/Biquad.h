#pragma once

// A second-order IIR section with the usual audio cookbook shapes. Coefficients may be
// changed between samples (for sweeps) without resetting the state.
class Biquad {
public:
    enum class Shape { Lowpass, Highpass, Bandpass, Peaking };

    Biquad() = default;
    Biquad(Shape shape, double freq, double q, double gainDb = 0.0) { Set(shape, freq, q, gainDb); }

    void Set(Shape shape, double freq, double q, double gainDb = 0.0);
    float Process(float x);
    void Reset() { x1_ = x2_ = y1_ = y2_ = 0.0; }

private:
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};
