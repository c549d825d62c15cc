#pragma once

#include <memory>

#include "platform/Image.h"

// How a screen that animates its own change moves: scroll, zoom, or a growing mask.
class TTransitionEffect {
public:
    int EffectType = 0;
    int Length = 0;  // logic ticks
    float ScrollSpeedX = 0, ScrollSpeedY = 0, ZoomSpeed = 0;
    std::shared_ptr<platform::Image> MaskImage;
    float MaskStartSize = 1.0f, MaskEndSize = 1.0f;
    int MaskAndFade = 0;

    static std::shared_ptr<TTransitionEffect> Create(int effectType, int lengthMs);
    // Same type, length, scroll speeds and mask; zoom speed and mask-and-fade as new.
    std::shared_ptr<TTransitionEffect> CreateCopy() const;
};
