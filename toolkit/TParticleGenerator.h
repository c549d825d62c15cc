#pragma once
#include <functional>
#include <memory>

// An emitter: calls MakeParticleFunction every Interval ticks until Qty particles are made,
// moving by its velocity meanwhile.
class TParticleGenerator {
public:
    int Active = 1;
    float x = 0, y = 0, dx = 0, dy = 0;
    int Qty = 0;  // still to make
    float Interval = 0;
    float IntervalCounter = 0;
    std::function<void(TParticleGenerator&)> MakeParticleFunction;
    int Data1 = 0, Data2 = 0;

    // immediate makes the first particle now; qty counts it.
    static std::shared_ptr<TParticleGenerator> Create(
        float x, float y, int qty, float intervalMs,
        std::function<void(TParticleGenerator&)> makeFn, int data1 = 0, int data2 = 0,
        int immediate = 1);
    // -1 inactive, 1 on the tick the last particle was made, else 0.
    int Manage();
};
