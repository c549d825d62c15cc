#pragma once
#include <array>

// A timer of up to MAX_PHASES phases, each counted in ticks; used for timed transitions.
// Forward play counts each phase down from its length; Reverse counts it up from 0.
class TAnimation {
public:
    static constexpr int MAX_PHASES = 50;
    int Active = 0;
    int LoopTotal = 0;  // 0 = endless
    float Counter = 0;
    int CurrentPhase = 0;
    int Finished = 0;
    int TotalPhases = 1;
    int Cycle = 0;
    int Direction = 1;
    std::array<float, MAX_PHASES> Length{};
    int LeaveActive = 0;
    int PingPong = 0;
    int Reverse = 0;
    int OriginalReverse = 0;
    int LoopCount = 0;

    void Init(int ms, int leaveActive = 0, int reverse = 0, int cycle = 0, int pingPong = 0);
    void AddPhase(int ms);
    void InsertPhase(int ms, int index);
    void Clear();
    void Start();
    void Reset();
    // Returns 1 on the tick a phase ends.
    int Manage();
    // Returns 1 when the animation finished.
    int EndAnim();
    void Stop();
    float GetRatio() const;
    float GetRatioInv() const { return 1 - GetRatio(); }
    float GetRatioSine() const;
    float GetRatioInvSine() const;
    // An ease-in-out from 0 to 1.
    float GetRatioSine180() const;
    float GetRatioInvSine180() const;
    int GetAnimFrame(int frames) const;
    int GetAnimFrameProper(int frames) const;
};
