#include "framework/TFPSCounter.h"

#include <algorithm>

#include "platform/Clock.h"

TFPSCounter::TFPSCounter() : Now(&platform::Clock::Millisecs) {}

void TFPSCounter::Init() {
    counter = 0;
    time = Now();
    framerate = 0;
    minimum = 999;
    TTrackingVar::Init();
}

void TFPSCounter::Calc() {
    counter += 1;
    int64_t now = Now();
    if (now > time + 1001) {
        framerate = counter;
        counter = 0;
        time = now;
        maximum = std::max(maximum, framerate);
        minimum = std::min(minimum, framerate);
        Current = framerate;
    }
}

std::string TFPSCounter::GetDisplay() const {
    return Label + Pad(Current) + "/" + Pad(minimum);
}
