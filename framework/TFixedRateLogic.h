#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/TTrackingVar.h"

// Turns the real time of each frame into a number of 5 ms logic ticks (a double that may
// have a fraction). Current = ticks this frame, maximum = most ticks in one frame.
class TFixedRateLogic : public TTrackingVar {
public:
    TFixedRateLogic();

    int FramerateDefault = 200;
    float Framerate = 200.0f;
    double LastTime = 0;
    double TmpMS = 0;
    double NumTicks = 0;
    double LastNumTicks = 0;
    float MS = 5.0f;
    float DeltaMultiplier = 1.0f;
    float FullDelta = 0;
    int Threshold = 50;
    int JitterCorrection = 1;
    int HistorySize = 1;
    int HistorySizeMax = 50;
    std::vector<int> History;
    int HistoryCounter = 0;
    int First = 0;
    int FirstMax = 5;
    int IgnoreHistoryOnSpeedChange = 1;

    // The system millisecond clock; tests replace it to step time exactly.
    std::function<int64_t()> Now;

    // Allocates the history once; nothing is allocated per frame afterwards.
    void Create();
    void Init() override;
    void CalcMS();
    void SetThreshold(int ms) { Threshold = ms; }
    // Once per frame, before the logic ticks.
    void Calc();
    void SetDelta(float x);
    void SetDefaultFramerate(int n);
    void HistoryClear();
};
