#pragma once
#include <memory>

// An angle in degrees running between two points at a speed; ratio is its sine.
class TSineCounter {
public:
    int Active = 1;
    float Counter = 0;
    float Speed = 1.0f;
    float StartPoint = 0, EndPoint = 360.0f;
    float ratio = 0;
    int RunOnce = 0;
    static std::shared_ptr<TSineCounter> Create(float start, float end, float speed, int runOnce);
    void Init(float start, float end, float speed, int runOnce);
    // Wraps at the ends, or with RunOnce stops exactly on the end reached.
    int Manage();
    void Reset();
    void SetCounter(float c);
};
