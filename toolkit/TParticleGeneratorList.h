#pragma once
#include <functional>
#include <memory>

#include "toolkit/TObjectList.h"
#include "toolkit/TParticleGenerator.h"

// Emitters managed together; finished ones are dropped.
class TParticleGeneratorList : public TObjectList<TParticleGenerator> {
public:
    // One particle at once and qty - 1 at the interval; kept only while more are to come.
    std::shared_ptr<TParticleGenerator> Add(float x, float y, int qty, float intervalMs,
                                            std::function<void(TParticleGenerator&)> makeFn);
    void Manage();
};
