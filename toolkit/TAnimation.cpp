#include "toolkit/TAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/Globals.h"
#include "toolkit/Ticks.h"

namespace {
float SinDeg(float d) {
    return std::sin(d * std::numbers::pi_v<float> / 180.0f);
}
float Ease(float t) {
    return 0.5f + SinDeg((t - 0.5f) * 180.0f) / 2.0f;
}
}  // namespace

void TAnimation::Init(int ms, int leaveActive, int reverse, int cycle, int pingPong) {
    Length[0] = MsToTicks(static_cast<float>(ms));
    CurrentPhase = 0;
    Finished = 0;
    TotalPhases = 1;
    Cycle = cycle;
    Direction = 1;
    LeaveActive = leaveActive;
    Reverse = OriginalReverse = reverse;
    PingPong = pingPong;
    LoopCount = 0;
}

void TAnimation::AddPhase(int ms) {
    if (TotalPhases >= MAX_PHASES) return;
    Length[TotalPhases++] = MsToTicks(static_cast<float>(ms));
}

void TAnimation::InsertPhase(int ms, int index) {
    if (TotalPhases >= MAX_PHASES || index < 0 || index > TotalPhases) return;
    for (int i = TotalPhases; i > index; --i) Length[i] = Length[i - 1];
    Length[index] = MsToTicks(static_cast<float>(ms));
    TotalPhases++;
}

void TAnimation::Clear() {
    *this = TAnimation();
}

void TAnimation::Start() {
    if (PingPong) Reverse = OriginalReverse;
    if (Reverse)
        Counter = 0;
    else if (Counter <= 0)
        Counter = Length[std::clamp(CurrentPhase, 0, MAX_PHASES - 1)];
    CurrentPhase = 0;
    Active = 1;
    Finished = 0;
    Direction = 1;
    LoopCount = 0;
}

void TAnimation::Reset() {
    Counter = 0;
    Start();
}

int TAnimation::Manage() {
    if (!Active) return 0;
    if (Reverse) {
        Counter += Delta;
        if (Counter > Length[CurrentPhase]) {
            EndAnim();
            return 1;
        }
    } else {
        Counter -= Delta;
        if (Counter <= 0) {
            EndAnim();
            return 1;
        }
    }
    return 0;
}

int TAnimation::EndAnim() {
    CurrentPhase += Direction == 1 ? 1 : -1;
    bool passDone = CurrentPhase >= TotalPhases || CurrentPhase < 0;
    if (passDone) {
        LoopCount += 1;
        if ((LoopTotal > 0 && LoopCount == LoopTotal) || !Cycle) {
            Finished = 1;
            if (LeaveActive) {
                CurrentPhase = Direction == 1 ? TotalPhases - 1 : 0;
                Counter = Reverse ? Length[CurrentPhase] : 0;
            } else {
                Counter = 0;
                CurrentPhase = 0;
                Active = 0;
            }
            return 1;
        }
        if (PingPong) {
            if (Direction == 1) {
                Counter = 0 - Counter;
                Reverse = 1;
                Direction = 0;
                CurrentPhase = TotalPhases - 1;
            } else {
                Counter = Length[0] - (Counter - Length[0]);
                Reverse = 0;
                Direction = 1;
                CurrentPhase = 0;
            }
            return 0;
        }
        CurrentPhase = 0;
    }
    Counter = Reverse ? 0 : Length[CurrentPhase];
    return 0;
}

void TAnimation::Stop() {
    CurrentPhase = Direction == 1 ? TotalPhases - 1 : 0;
    EndAnim();
}

float TAnimation::GetRatio() const {
    float len = Length[std::clamp(CurrentPhase, 0, MAX_PHASES - 1)];
    if (len == 0) return 0;
    return Counter / len;
}

float TAnimation::GetRatioSine() const {
    return SinDeg(GetRatio() * 90.0f);
}
float TAnimation::GetRatioInvSine() const {
    return SinDeg((1 - GetRatio()) * 90.0f);
}
float TAnimation::GetRatioSine180() const {
    return Ease(GetRatio());
}
float TAnimation::GetRatioInvSine180() const {
    return Ease(1 - GetRatio());
}

int TAnimation::GetAnimFrame(int frames) const {
    float len = Length[std::clamp(CurrentPhase, 0, MAX_PHASES - 1)];
    if (len == 0) return 0;
    float f = static_cast<float>(frames);
    float value = Reverse ? Counter * f / len : (len - Counter) * f / len;
    return std::clamp(static_cast<int>(std::floor(value)), 0, std::max(0, frames - 1));
}

int TAnimation::GetAnimFrameProper(int frames) const {
    int f = GetAnimFrame(frames);
    return Reverse ? frames - 1 - f : f;
}
