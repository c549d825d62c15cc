#pragma once

// A countdown in logic ticks.
class TCounter {
public:
    int Active = 0;
    float Counter = 0;
    int CounterLength = 1000;
    virtual ~TCounter() = default;
    // Length = the truncated ticks of ms; activate starts it.
    void Create(int ms, int activate);
    void Activate();
    // Counts down while Counter > 0; returns 1 on the tick it expires.
    int Manage();
    void Stop(int clear);
    // 1 at the start, 0 at the end.
    float GetRatio() const;
};
