#pragma once
// A whole-pixel point.
struct TPoint {
    int X = 0, Y = 0;
    static TPoint Create(int x, int y) { return TPoint{x, y}; }
    void Set(int x, int y) {
        X = x;
        Y = y;
    }
};
