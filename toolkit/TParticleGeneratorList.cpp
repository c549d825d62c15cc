#include "toolkit/TParticleGeneratorList.h"

std::shared_ptr<TParticleGenerator> TParticleGeneratorList::Add(
    float x, float y, int qty, float intervalMs, std::function<void(TParticleGenerator&)> makeFn) {
    auto g = TParticleGenerator::Create(x, y, qty, intervalMs, std::move(makeFn), 0, 0, 1);
    if (g->Qty > 0) TObjectList::Add(g);
    return g;
}

void TParticleGeneratorList::Manage() {
    ForEach([this](TParticleGenerator& g) {
        if (g.Manage() != 0) Remove(&g);
    });
}
