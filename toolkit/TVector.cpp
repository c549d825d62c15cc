#include "toolkit/TVector.h"

#include <cmath>
#include <numbers>

#include "framework/TGame.h"

namespace {
double Rad(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}
}  // namespace

TVector TVector::CreateFromPoints(double x1, double y1, double x2, double y2) {
    return TVector(x2 - x1, y2 - y1);
}
TVector TVector::CreateFromVectorsAdded(const TVector& a, const TVector& b) {
    return TVector(a.x + b.x, a.y + b.y);
}
TVector TVector::CreateFromVectorScaled(const TVector& v, double k) {
    return TVector(v.x * k, v.y * k);
}
TVector TVector::CreateFromVectorsSubtracted(const TVector& a, const TVector& b) {
    return TVector(a.x - b.x, a.y - b.y);
}
void TVector::AddVector(const TVector& v) {
    x += v.x;
    y += v.y;
}
void TVector::SubtractVector(const TVector& v) {
    x -= v.x;
    y -= v.y;
}
void TVector::Multiply(double k) {
    x *= k;
    y *= k;
}
void TVector::Reverse() {
    x = -x;
    y = -y;
}
double TVector::CalcLength() const {
    return std::sqrt(x * x + y * y);
}

void TVector::Normalise() {
    double len = CalcLength();
    if (len == 0) return;
    x /= len;
    y /= len;
}

void TVector::Rebound(const TVector& surface) {
    TVector n = surface.CalcNormal();
    n.Normalise();
    double d = DotProduct(n);
    x -= 2 * d * n.x;
    y -= 2 * d * n.y;
}

void TVector::Rotate(double degrees) {
    double c = std::cos(Rad(degrees)), s = std::sin(Rad(degrees));
    double nx = x * c - y * s, ny = x * s + y * c;
    x = nx;
    y = ny;
}

void TVector::RotateAroundPoint(double degrees, const TVector& p) {
    x -= p.x;
    y -= p.y;
    Rotate(degrees);
    x += p.x;
    y += p.y;
}

void TVector::Draw(float px, float py, int lastPixel) const {
    if (!Game || !Game->Gfx) return;
    float ex = px + static_cast<float>(x), ey = py + static_cast<float>(y);
    if (!lastPixel) {
        // Stop one pixel short along the longer axis.
        double len = CalcLength();
        if (len > 0) {
            ex -= static_cast<float>(x / len);
            ey -= static_cast<float>(y / len);
        }
    }
    Game->Gfx->DrawLine(px, py, ex, ey);
}
