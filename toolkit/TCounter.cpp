#include "toolkit/TCounter.h"

#include "framework/Globals.h"
#include "toolkit/Ticks.h"

void TCounter::Create(int ms, int activate) {
    CounterLength = static_cast<int>(MsToTicks(static_cast<float>(ms)));
    if (activate) Activate();
}

void TCounter::Activate() {
    Counter = static_cast<float>(CounterLength);
    Active = 1;
}

int TCounter::Manage() {
    if (Counter <= 0) return 0;
    Counter -= Delta;
    if (Counter <= 0) {
        Stop(1);
        return 1;
    }
    return 0;
}

void TCounter::Stop(int clear) {
    Active = 0;
    if (clear) Counter = 0;
}

float TCounter::GetRatio() const {
    if (CounterLength == 0) return 0;
    return Counter / static_cast<float>(CounterLength);
}
