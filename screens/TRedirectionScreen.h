#pragma once

#include <functional>

#include "framework/TScreen.h"

// A blank screen that leaves as soon as it starts, fading quickly back into its target: the
// play screen passes through it to start its next (or retried) hand afresh.
class TRedirectionScreen : public TScreen {
public:
    static constexpr int FADE_MS = 25;

    TRedirectionScreen();

    TScreen* Target = nullptr;
    // Called once, as the screen leaves for its target.
    std::function<void()> OnLeave;

    void Start() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination() override;

    bool Left() const { return left; }

private:
    void Leave();
    bool left = false;
};
