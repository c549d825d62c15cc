#pragma once

// A 2D vector in doubles; angles in degrees.
class TVector {
public:
    double x = 0, y = 0;
    TVector() = default;
    TVector(double vx, double vy) : x(vx), y(vy) {}
    static TVector Create(double x, double y) { return TVector(x, y); }
    static TVector CreateFromPoints(double x1, double y1, double x2, double y2);
    static TVector CreateFromVectorsAdded(const TVector& a, const TVector& b);
    static TVector CreateFromVectorScaled(const TVector& v, double k);
    static TVector CreateFromVectorsSubtracted(const TVector& a, const TVector& b);
    void AddVector(const TVector& v);
    void SubtractVector(const TVector& v);
    void Multiply(double k);
    void Scale(double k) { Multiply(k); }
    void Reverse();
    double CalcLength() const;
    TVector CalcNormal() const { return TVector(-y, x); }
    double CalcSlope() const { return y / x; }
    TVector CreateCopy() const { return *this; }
    void CopyFrom(const TVector& v) { *this = v; }
    double DotProduct(const TVector& v) const { return x * v.x + y * v.y; }
    void Normalise();
    // Reflects off a surface: v - 2 (v . n) n with n the surface's unit normal.
    void Rebound(const TVector& surface);
    void Rotate(double degrees);
    void RotateAroundPoint(double degrees, const TVector& p);
    void Draw(float px, float py, int lastPixel) const;
};
