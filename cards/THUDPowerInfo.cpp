#include "cards/THUDPowerInfo.h"

#include <algorithm>

THUDPowerInfo THUDPowerInfo::Create(int x, int y, int valid) {
    THUDPowerInfo info;
    info.pos = TPoint::Create(x, y);
    info.valid = valid ? 1 : 0;
    return info;
}

bool THUDPowerInfo::AnyValid(const std::vector<THUDPowerInfo>& list) {
    return std::any_of(list.begin(), list.end(),
                       [](const THUDPowerInfo& info) { return info.valid != 0; });
}
