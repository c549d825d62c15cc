#include "framework/TRetry.h"

#include <exception>

#include "framework/TFatalExit.h"
#include "platform/Clock.h"

int TRetry::Run(const std::function<int()>& attempt, int delayMs) {
    for (int i = 0; i < ATTEMPTS; ++i) {
        try {
            if (attempt() != 0) return 1;
        } catch (const TFatalExit&) {
            throw;
        } catch (const std::exception&) {
            // Counts as a failed attempt.
        }
        if (i + 1 < ATTEMPTS && delayMs > 0) platform::Clock::Delay(delayMs);
    }
    return 0;
}
