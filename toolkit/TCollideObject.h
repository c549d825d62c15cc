#pragma once
// The identity written into the drawing layer's collision layer.
struct TCollideObject {
    int Value = 0;
};
