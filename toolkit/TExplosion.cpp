#include "toolkit/TExplosion.h"

#include "framework/Globals.h"
#include "toolkit/TExplosionList.h"
#include "toolkit/Ticks.h"

void TExplosion::StartAnim(int ms, int frames) {
    AnimLength = static_cast<int>(MsToTicks(static_cast<float>(ms)));
    AnimCounter = static_cast<float>(AnimLength);
    FramesTotal = frames;
    frame = 0;
}

void TExplosion::Manage() {
    Move();
    ManageScale();
    ManageRotation();
    AnimCounter -= Delta;
    if (AnimCounter <= 0) {
        Kill();
        return;
    }
    // Frames run first to last as the counter falls.
    frame = FrameFromCounter(AnimCounter, AnimLength, FramesTotal, 0);
}

void TExplosion::Kill() {
    TSprite::Kill();
    if (Explosions) {
        TExplosionList* list = Explosions;
        Explosions = nullptr;
        list->Remove(this);
    }
}
