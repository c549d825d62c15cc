#pragma once

#include <algorithm>

// A colour with components 0..1, as cairo takes them.
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;

    constexpr Rgb Mix(const Rgb& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t};
    }
    constexpr Rgb Lighter(double t) const { return Mix({1, 1, 1}, t); }
    constexpr Rgb Darker(double t) const { return Mix({0, 0, 0}, t); }
    Rgb Scaled(double f) const {
        return {std::clamp(r * f, 0.0, 1.0), std::clamp(g * f, 0.0, 1.0),
                std::clamp(b * f, 0.0, 1.0)};
    }
};
