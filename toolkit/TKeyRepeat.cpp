#include "toolkit/TKeyRepeat.h"

#include "framework/Keyboard.h"

void TKeyRepeat::Create(int initialMs, int repeatMs) {
    InitialDelayLength = initialMs;
    DelayLength = repeatMs;
    timer.Create(initialMs, repeatMs);
    InitialDelayCounter = DelayCounter = 0;
    LastState = 0;
}

bool TKeyRepeat::GetKey(int key) {
    bool fired = Step(KeyDown(key));
    // The press itself is also a hit; consume it so no one else reads it again.
    if (fired) KeyHit(key);
    return fired;
}

bool TKeyRepeat::Step(bool down) {
    int r = timer.Step(down);
    InitialDelayCounter = timer.InitialDelayCounter;
    DelayCounter = timer.DelayCounter;
    LastState = timer.LastState;
    return r != 0;
}
