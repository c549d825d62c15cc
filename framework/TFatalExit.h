#pragma once

#include <stdexcept>
#include <string>

// Raised by a fatal message once it has been shown and logged: unwinds to the entry point,
// which ends the program. Nothing else may catch it.
class TFatalExit : public std::runtime_error {
public:
    explicit TFatalExit(const std::string& message) : std::runtime_error(message) {}
};
