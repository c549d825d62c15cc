#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Read at static initialisation: a plain clock value, nothing that needs SDL.
const SteadyClock::time_point start = SteadyClock::now();

}  // namespace

int64_t Clock::Millisecs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start)
        .count();
}

double Clock::MillisecsPrecise() {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

void Clock::Delay(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
