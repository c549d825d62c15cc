#pragma once

// Auto-repeat of a held mouse button: 1 on the first tick of a press, nothing while the
// initial delay runs, then 2 each time the repeat delay runs out.
class TMouseRepeat {
public:
    int InitialDelayLength = 0;  // ms
    float InitialDelayCounter = 0;
    int DelayLength = 0;  // ms
    float DelayCounter = 0;
    int LastState = 0;

    void Create(int initialMs, int repeatMs);
    // Reads the game's mouse: any button down counts.
    int GetButton();
    // One tick with the held state given.
    int Step(bool down);
};
