#pragma once

// The difficulty chosen for a new profile: 1 hard (timed), 0 normal (relaxed).
extern int timedMode;

// The two choices of the difficulty dialog.
class TGameState {
public:
    static void SetTimedMode() { timedMode = 1; }
    static void SetRelaxedMode() { timedMode = 0; }
};
