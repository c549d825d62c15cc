#include "toolkit/Ticks.h"

#include "framework/TGame.h"

float MsToTicks(float ms) {
    if (Game) return Game->CalcAnimLengthFromFloat(ms);
    return ms / 5.0f;
}
