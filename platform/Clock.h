#pragma once

#include <cstdint>

namespace platform {

// Monotonic milliseconds since the program started, and sleeping.
class Clock {
public:
    static int64_t Millisecs();
    static double MillisecsPrecise();
    static void Delay(int ms);
};

}  // namespace platform
