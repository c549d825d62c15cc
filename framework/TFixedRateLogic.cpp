#include "framework/TFixedRateLogic.h"

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "platform/Clock.h"

TFixedRateLogic::TFixedRateLogic() : Now(&platform::Clock::Millisecs) {}

void TFixedRateLogic::Create() {
    History.assign(HistorySizeMax, 0);
}

void TFixedRateLogic::Init() {
    CalcMS();
    LastTime = static_cast<double>(Now());
    NumTicks = 0;
    LastNumTicks = 1.0;
    SetDelta(1.0f);
    TTrackingVar::Init();
    First = FirstMax;
}

void TFixedRateLogic::CalcMS() {
    MS = 1000.0f / static_cast<float>(static_cast<int>(Framerate));
}

void TFixedRateLogic::SetDelta(float x) {
    ::Delta = x * DeltaMultiplier;
    FullDelta = x;
}

void TFixedRateLogic::SetDefaultFramerate(int n) {
    FramerateDefault = n;
    Framerate = static_cast<float>(n);
}

void TFixedRateLogic::HistoryClear() {
    for (int i = 0; i < HistorySize && i < static_cast<int>(History.size()); ++i) History[i] = 0;
    HistorySize = 1;
    HistoryCounter = 0;
}

void TFixedRateLogic::Calc() {
    if (Game && Game->Fast) {
        NumTicks = 1.0;
        Current = static_cast<int>(NumTicks);
        return;
    }
    // A dragged window must not cause a burst of catch-up ticks.
    if (Game && !Game->FullScreen && Game->WindowPositionChanged()) {
        Init();
        Game->SetWindowCoords();
        Game->SetClientCoords();
    }
    double now = static_cast<double>(Now());
    if (now < LastTime) {
        NumTicks = LastNumTicks;
    } else {
        TmpMS = now - LastTime;
        if (TmpMS > Threshold) TmpMS = Threshold;
        double avg;
        if (First > 0) {
            First -= 1;
            avg = TmpMS;
        } else {
            if (History.empty()) Create();
            History[HistoryCounter] = static_cast<int>(TmpMS);
            double sum = 0;
            for (int i = 0; i < HistorySize; ++i) sum += History[i];
            avg = sum / HistorySize;
            HistoryCounter += 1;
            if (HistorySize < HistorySizeMax) HistorySize += 1;
            if (HistoryCounter >= HistorySize) HistoryCounter = 0;
        }
        if (JitterCorrection) {
            bool vsync = Game && Game->VSync == 1;
            if (IgnoreHistoryOnSpeedChange && vsync && (TmpMS < avg - 1 || TmpMS > avg + 1))
                avg = TmpMS;
            NumTicks = avg / MS;
        } else {
            NumTicks = TmpMS / MS;
        }
    }
    LastTime = now;
    LastNumTicks = NumTicks;
    if (NumTicks > maximum) maximum = static_cast<int>(NumTicks);
    Current = static_cast<int>(NumTicks);
}
