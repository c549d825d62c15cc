#include "toolkit/TMouseRepeat.h"

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "toolkit/Ticks.h"

void TMouseRepeat::Create(int initialMs, int repeatMs) {
    InitialDelayLength = initialMs;
    DelayLength = repeatMs;
    InitialDelayCounter = 0;
    DelayCounter = 0;
    LastState = 0;
}

int TMouseRepeat::GetButton() {
    return Step(Game && Game->Mouse.GetMb());
}

int TMouseRepeat::Step(bool down) {
    if (!down) {
        LastState = 0;
        InitialDelayCounter = 0;
        DelayCounter = 0;
        return 0;
    }
    if (!LastState) {
        LastState = 1;
        InitialDelayCounter = MsToTicks(static_cast<float>(InitialDelayLength));
        DelayCounter = 0;
        return 1;
    }
    if (InitialDelayCounter > 0) {
        InitialDelayCounter -= Delta;
        if (InitialDelayCounter > 0) return 0;
        DelayCounter = MsToTicks(static_cast<float>(DelayLength));
        return 2;
    }
    DelayCounter -= Delta;
    if (DelayCounter > 0) return 0;
    DelayCounter += MsToTicks(static_cast<float>(DelayLength));
    return 2;
}
