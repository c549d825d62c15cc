#pragma once
#include <memory>
#include <vector>

#include "toolkit/TCounterWithValue.h"

// Counters managed together; expired ones may be dropped as they expire.
class TCounterList {
public:
    std::vector<std::shared_ptr<TCounterWithValue>> Counters;
    std::shared_ptr<TCounterWithValue> AddNew(int ms);
    std::shared_ptr<TCounterWithValue> AddNewWithValue(int ms, int value);
    // Returns how many expired this tick.
    int Manage(int removeExpired);
    int Count() const { return static_cast<int>(Counters.size()); }
    void Clear() { Counters.clear(); }
};
