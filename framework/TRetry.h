#pragma once

#include <functional>

// File operations that can fail for a moment (settings, marker files, profiles) are tried a
// few times with a pause between failures.
class TRetry {
public:
    static constexpr int ATTEMPTS = 5;
    static constexpr int DELAY_MS = 200;

    // Calls attempt until it returns non-zero, at most ATTEMPTS times, waiting delayMs after
    // each failure but the last. An attempt that raises counts as a failure, except a fatal
    // exit, which passes through. Returns 1 when an attempt succeeded, else 0.
    static int Run(const std::function<int()>& attempt, int delayMs = DELAY_MS);
};
