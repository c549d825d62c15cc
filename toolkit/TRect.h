#pragma once
// Left, top, right and bottom edges.
struct TRect {
    int L = 0, T = 0, R = 0, B = 0;
};
