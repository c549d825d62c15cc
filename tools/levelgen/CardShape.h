#pragma once

#include "LayoutCard.h"

// The footprint of a tableau card: a rectangle of the card's size turned about its centre.
// Covering is decided by these footprints overlapping, as in play.
class CardShape {
public:
    static constexpr int WIDTH = 86;
    static constexpr int HEIGHT = 128;
    static constexpr int STORY_SIZE = 190;  // a story item's hit box is square

    double cx = 0, cy = 0, halfW = 0, halfH = 0, angle = 0;  // angle in radians

    // margin grows (or, negative, shrinks) both half sizes.
    static CardShape Of(const LayoutCard& card, double margin = 0);

    void Corners(double xs[4], double ys[4]) const;
    bool Contains(double x, double y) const;
    // Edges crossing, or the larger rectangle holding a corner of the other.
    bool Overlaps(const CardShape& other) const;

    // The axis-aligned box around the turned rectangle.
    void Bounds(double& left, double& top, double& right, double& bottom) const;

    static bool Overlap(const LayoutCard& a, const LayoutCard& b, double margin = 0) {
        return Of(a, margin).Overlaps(Of(b, margin));
    }
    // True when the answer changes with a couple of pixels either way: two cards that only
    // touch, which a reader could count either way.
    static bool Borderline(const LayoutCard& a, const LayoutCard& b) {
        return Overlap(a, b, 2.0) != Overlap(a, b, -2.0);
    }
};
