#pragma once
#include <memory>

#include "framework/TColor.h"

// A filled circle of radius r about (x, y).
class TCircle {
public:
    std::shared_ptr<TColor> Color;
    float r = 0, x = 0, y = 0;
    static std::shared_ptr<TCircle> Create(float x, float y, float r,
                                           std::shared_ptr<TColor> color);
    void Draw() const;
};
