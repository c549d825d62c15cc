#pragma once
#include <memory>

#include "toolkit/TGameObject.h"
#include "toolkit/TObjectList.h"

class TGameImage;

// Game objects moved and drawn together; an object that dies leaves the list at once.
class TGameObjectList : public TObjectList<TGameObject> {
public:
    ~TGameObjectList();
    std::shared_ptr<TGameObject> AddNew(float x, float y, std::shared_ptr<TGameImage> image);
    void Draw();
    void Move();
    void Kill();
};
