#pragma once
#include "toolkit/TMouseRepeat.h"

// Auto-repeat of a held key, timed like TMouseRepeat.
class TKeyRepeat {
public:
    int InitialDelayLength = 0;
    float InitialDelayCounter = 0;
    int DelayLength = 0;
    float DelayCounter = 0;
    int LastState = 0;

    void Create(int initialMs, int repeatMs);
    // True on the press and on each repeat of key (a virtual key code).
    bool GetKey(int key);
    bool Step(bool down);

private:
    TMouseRepeat timer;
};
