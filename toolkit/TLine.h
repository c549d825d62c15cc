#pragma once
#include <memory>

#include "framework/TColor.h"
#include "toolkit/TVector.h"

// A line segment from (sx, sy) to (ex, ey).
class TLine {
public:
    double sx = 0, sy = 0, ex = 0, ey = 0, length = 0;
    std::shared_ptr<TColor> Color;
    static TLine Create(double sx, double sy, double ex, double ey);
    static TLine CreateFromVector(double x, double y, const TVector& v);
    // Stores and returns the length.
    double CalcLength();
    double CalcSlope() const { return (ey - sy) / (ex - sx); }
    void Draw(int lastPixel) const;
    TVector GetVector() const { return TVector(ex - sx, ey - sy); }
    void SetFromVector(const TVector& v, double x, double y);
};
