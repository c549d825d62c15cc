#include "toolkit/TParticleGenerator.h"

#include "framework/Globals.h"
#include "toolkit/Ticks.h"

std::shared_ptr<TParticleGenerator> TParticleGenerator::Create(
    float px, float py, int qty, float intervalMs, std::function<void(TParticleGenerator&)> makeFn,
    int data1, int data2, int immediate) {
    auto g = std::make_shared<TParticleGenerator>();
    g->x = px;
    g->y = py;
    g->Qty = qty - 1;
    g->Interval = g->IntervalCounter = MsToTicks(intervalMs);
    g->MakeParticleFunction = std::move(makeFn);
    g->Data1 = data1;
    g->Data2 = data2;
    if (immediate && g->MakeParticleFunction) g->MakeParticleFunction(*g);
    return g;
}

int TParticleGenerator::Manage() {
    if (!Active) return -1;
    x += dx * Delta;
    y += dy * Delta;
    if (Qty <= 0) {
        Active = 0;
        return 1;
    }
    if (IntervalCounter <= 0) return 0;
    IntervalCounter -= Delta;
    while (IntervalCounter <= 0 && Qty > 0) {
        IntervalCounter += Interval;
        Qty--;
        if (MakeParticleFunction) MakeParticleFunction(*this);
        if (Interval <= 0) break;
    }
    if (Qty <= 0) {
        Active = 0;
        return 1;
    }
    return 0;
}
