#include "toolkit/TLine.h"

#include <cmath>

#include "framework/TGame.h"

TLine TLine::Create(double sx, double sy, double ex, double ey) {
    TLine line;
    line.sx = sx;
    line.sy = sy;
    line.ex = ex;
    line.ey = ey;
    line.CalcLength();
    return line;
}

TLine TLine::CreateFromVector(double x, double y, const TVector& v) {
    return Create(x, y, x + v.x, y + v.y);
}

double TLine::CalcLength() {
    length = std::sqrt((ex - sx) * (ex - sx) + (ey - sy) * (ey - sy));
    return length;
}

void TLine::Draw(int lastPixel) const {
    if (!Game || !Game->Gfx) return;
    if (Color) Game->Gfx->SetColor(Color->R, Color->G, Color->B);
    GetVector().Draw(static_cast<float>(sx), static_cast<float>(sy), lastPixel);
    if (Color) Game->Gfx->SetColor(255, 255, 255);
}

void TLine::SetFromVector(const TVector& v, double x, double y) {
    sx = x;
    sy = y;
    ex = x + v.x;
    ey = y + v.y;
    CalcLength();
}
