#pragma once
#include "toolkit/TSprite.h"

class TGameObjectList;

// A free sprite kept in a list that drops it when it leaves the screen.
class TGameObject : public TSprite {
public:
    // The list that owns this object (not owned here); null once it has left the list.
    TGameObjectList* GameObjects = nullptr;
    int ID = 0;
    int OutOfBoundsCheckEnabled = 1;

    // Moves; off screen with the check enabled, it is killed.
    void Move() override;
    // Leaves its list.
    void Kill() override;
};
