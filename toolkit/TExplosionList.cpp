#include "toolkit/TExplosionList.h"

TExplosionList::~TExplosionList() {
    for (auto& e : Items) e->Explosions = nullptr;
}

std::shared_ptr<TExplosion> TExplosionList::AddNew(float x, float y,
                                                   std::shared_ptr<TGameImage> image) {
    auto e = std::make_shared<TExplosion>();
    e->SetImage(std::move(image));
    e->SetPosition(x, y);
    e->Explosions = this;
    e->active = 1;
    Add(e);
    return e;
}

void TExplosionList::Draw() {
    ForEach([](TExplosion& e) { e.Draw(); });
}

void TExplosionList::Manage() {
    ForEach([](TExplosion& e) { e.Manage(); });
}
