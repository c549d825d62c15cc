#pragma once

#include <cstdint>
#include <functional>

#include "framework/TTrackingVar.h"

// Frames counted per second; a new figure only after more than 1001 ms.
class TFPSCounter : public TTrackingVar {
public:
    TFPSCounter();

    int counter = 0;
    int64_t time = 0;
    int framerate = 0;
    int minimum = 999;
    // The millisecond clock; tests replace it.
    std::function<int64_t()> Now;

    void Init() override;
    // Once per drawn frame.
    void Calc();
    std::string GetDisplay() const override;
};
