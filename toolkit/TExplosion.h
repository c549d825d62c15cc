#pragma once
#include "toolkit/TSprite.h"

class TExplosionList;

// A one-shot animated sprite that dies when its frames have run.
class TExplosion : public TSprite {
public:
    TExplosionList* Explosions = nullptr;  // the owning list (not owned here)

    void StartAnim(int ms, int frames);
    void Manage();
    void Kill() override;
};
