#pragma once
// A point in fractional virtual units.
struct TAccuratePoint {
    float X = 0, Y = 0;
    void Set(float x, float y) {
        X = x;
        Y = y;
    }
};
