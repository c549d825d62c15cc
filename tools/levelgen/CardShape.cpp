#include "CardShape.h"

#include <algorithm>
#include <cmath>

namespace {

double Cross(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

bool SegmentsCross(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                   double dy) {
    const double d1 = Cross(cx, cy, dx, dy, ax, ay);
    const double d2 = Cross(cx, cy, dx, dy, bx, by);
    const double d3 = Cross(ax, ay, bx, by, cx, cy);
    const double d4 = Cross(ax, ay, bx, by, dx, dy);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

}  // namespace

CardShape CardShape::Of(const LayoutCard& card, double margin) {
    CardShape s;
    s.cx = card.x;
    s.cy = card.y;
    const bool story = card.special == LayoutCard::STORY;
    s.halfW = (story ? STORY_SIZE : WIDTH) / 2.0 + margin;
    s.halfH = (story ? STORY_SIZE : HEIGHT) / 2.0 + margin;
    s.angle = card.rotation * M_PI / 180.0;
    return s;
}

void CardShape::Corners(double xs[4], double ys[4]) const {
    const double c = std::cos(angle), s = std::sin(angle);
    const double ox[4] = {-halfW, halfW, halfW, -halfW};
    const double oy[4] = {-halfH, -halfH, halfH, halfH};
    for (int i = 0; i < 4; ++i) {
        xs[i] = cx + ox[i] * c - oy[i] * s;
        ys[i] = cy + ox[i] * s + oy[i] * c;
    }
}

bool CardShape::Contains(double x, double y) const {
    const double c = std::cos(angle), s = std::sin(angle);
    const double dx = x - cx, dy = y - cy;
    const double u = dx * c + dy * s;
    const double v = -dx * s + dy * c;
    return std::fabs(u) <= halfW && std::fabs(v) <= halfH;
}

bool CardShape::Overlaps(const CardShape& other) const {
    double ax[4], ay[4], bx[4], by[4];
    Corners(ax, ay);
    other.Corners(bx, by);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            if (SegmentsCross(ax[i], ay[i], ax[(i + 1) % 4], ay[(i + 1) % 4], bx[j], by[j],
                              bx[(j + 1) % 4], by[(j + 1) % 4])) {
                return true;
            }
        }
    }
    const bool thisLarger = halfW * halfH >= other.halfW * other.halfH;
    const CardShape& big = thisLarger ? *this : other;
    const double* px = thisLarger ? bx : ax;
    const double* py = thisLarger ? by : ay;
    for (int i = 0; i < 4; ++i) {
        if (big.Contains(px[i], py[i])) return true;
    }
    return false;
}

void CardShape::Bounds(double& left, double& top, double& right, double& bottom) const {
    double xs[4], ys[4];
    Corners(xs, ys);
    left = *std::min_element(xs, xs + 4);
    right = *std::max_element(xs, xs + 4);
    top = *std::min_element(ys, ys + 4);
    bottom = *std::max_element(ys, ys + 4);
}
