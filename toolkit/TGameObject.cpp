#include "toolkit/TGameObject.h"

#include "toolkit/TGameObjectList.h"

void TGameObject::Move() {
    TSprite::Move();
    if (OutOfBoundsCheckEnabled && OutOfBounds()) Kill();
}

void TGameObject::Kill() {
    TSprite::Kill();
    if (GameObjects) {
        TGameObjectList* list = GameObjects;
        GameObjects = nullptr;
        list->Remove(this);
    }
}
