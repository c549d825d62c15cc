#pragma once
#include "toolkit/TCounter.h"

// A countdown carrying a number for its owner (e.g. the gold a coin brings).
class TCounterWithValue : public TCounter {
public:
    int value = 0;
    void CreateWithValue(int ms, int activate, int v) {
        Create(ms, activate);
        value = v;
    }
};
