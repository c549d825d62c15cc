#pragma once
#include <vector>

#include "toolkit/TPoint.h"

// Where a powerup button sits and whether it can be pointed at (bought, on screen): what the
// tutorial and the hint screen use to point at the powerups.
struct THUDPowerInfo {
    TPoint pos;
    int valid = 0;

    static THUDPowerInfo Create(int x, int y, int valid);
    // Whether any record of the list is valid.
    static bool AnyValid(const std::vector<THUDPowerInfo>& list);
};
