#pragma once
#include <memory>

#include "framework/TColor.h"

// A rectangle, filled in Color when drawn; also the hit box of sprites and buttons.
class TBox {
public:
    int Active = 1;
    std::shared_ptr<TColor> Color;
    float X = 0, Y = 0, W = 0, H = 0;
    static std::shared_ptr<TBox> Create(float x, float y, float w, float h,
                                        std::shared_ptr<TColor> color = nullptr);
    void Init(float x, float y, float w, float h, std::shared_ptr<TColor> color = nullptr);
    // Nothing without a colour; leaves the drawing colour white.
    void Draw() const;
    // Grows by ex and ey on every side.
    void Expand(float ex, float ey);
    bool Contains(float px, float py) const {
        return px >= X && px < X + W && py >= Y && py < Y + H;
    }
    void Kill() { Color.reset(); }
};
