#include "framework/TDebugVar.h"

#include <algorithm>

#include "platform/Clock.h"

void TDebugVar::Start() {
    Current = static_cast<int>(platform::Clock::Millisecs());
}

void TDebugVar::Calc() {
    Current = static_cast<int>(platform::Clock::Millisecs()) - Current;
    maximum = std::min(std::max(maximum, Current), displayLimit);
}
