#include "toolkit/TGameObjectList.h"

TGameObjectList::~TGameObjectList() {
    for (auto& o : Items) o->GameObjects = nullptr;
}

std::shared_ptr<TGameObject> TGameObjectList::AddNew(float x, float y,
                                                     std::shared_ptr<TGameImage> image) {
    auto o = std::make_shared<TGameObject>();
    o->SetImage(std::move(image));
    o->SetPosition(x, y);
    o->GameObjects = this;
    Add(o);
    return o;
}

void TGameObjectList::Draw() {
    ForEach([](TGameObject& o) { o.Draw(); });
}

void TGameObjectList::Move() {
    ForEach([](TGameObject& o) { o.Move(); });
}

void TGameObjectList::Kill() {
    ForEach([](TGameObject& o) { o.Kill(); });
}
