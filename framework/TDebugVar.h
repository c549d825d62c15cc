#pragma once

#include "framework/TTrackingVar.h"

// A stopwatch in milliseconds: Start, then Calc leaves the time taken in Current.
class TDebugVar : public TTrackingVar {
public:
    void Start();
    void Calc();
};
