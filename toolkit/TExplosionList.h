#pragma once
#include <memory>

#include "toolkit/TExplosion.h"
#include "toolkit/TObjectList.h"

class TGameImage;

class TExplosionList : public TObjectList<TExplosion> {
public:
    ~TExplosionList();
    std::shared_ptr<TExplosion> AddNew(float x, float y, std::shared_ptr<TGameImage> image);
    void Draw();
    void Manage();
};
