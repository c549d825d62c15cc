#include "toolkit/TParticleList.h"

TParticleList::~TParticleList() {
    for (auto& p : Items) p->Particles = nullptr;
}

std::shared_ptr<TParticle> TParticleList::AddNew(float x, float y,
                                                 std::shared_ptr<TGameImage> image, float dx,
                                                 float dy, float ygravity, float fadeMs,
                                                 int lightBlend, int rotate, float rotationSpeed,
                                                 float scale, float scaleSpeed, float lifeMs,
                                                 int addFirst) {
    auto p = TParticle::CreateSpecial(std::move(image), x, y, dx, dy, ygravity, fadeMs, lightBlend,
                                      rotate, rotationSpeed, scale, scaleSpeed, lifeMs);
    AddParticle(p, addFirst);
    return p;
}

void TParticleList::AddParticle(std::shared_ptr<TParticle> p, int addFirst) {
    p->Particles = this;
    Add(std::move(p), addFirst != 0);
}

void TParticleList::Manage() {
    ForEach([](TParticle& p) {
        p.Move();
        if (p.Dead() || p.DelayCounter > 0) return;
        if (p.ManageAnim() && p.KillAfterAnim) p.Kill();
    });
}

void TParticleList::Move() {
    ForEach([](TParticle& p) { p.Move(); });
}

void TParticleList::Animate() {
    ForEach([](TParticle& p) {
        if (p.DelayCounter <= 0) p.ManageAnim();
    });
}

void TParticleList::Draw() {
    ForEach([](TParticle& p) { p.Draw(); });
}

void TParticleList::FadeAll(float ms) {
    ForEach([ms](TParticle& p) {
        p.FadeIn = 0;
        p.FadeSustainCounter = 0;
        p.SetFade(0, 0, ms);
        p.UseAlpha = 1;
    });
}

void TParticleList::SetUseAlpha(int flag) {
    ForEach([flag](TParticle& p) { p.UseAlpha = flag; });
}

void TParticleList::SetBaseScale(float sx, float sy) {
    ForEach([sx, sy](TParticle& p) {
        p.BaseScaleX = sx;
        p.BaseScaleY = sy;
    });
}

void TParticleList::EnableUpdateOriginalCoords() {
    ForEach([](TParticle& p) {
        if (p.UpdateOriginalCoords) return;
        p.StoreOriginalCoords();
        p.UpdateOriginalCoords = 1;
    });
}

void TParticleList::ScaleCoords() {
    ForEach([](TParticle& p) { p.ScaleOriginalCoords(); });
}

void TParticleList::AddOffsets(float dx, float dy) {
    ForEach([dx, dy](TParticle& p) {
        p.x += dx;
        p.y += dy;
    });
}

void TParticleList::ProcessScale(float sx, float sy, float ox, float oy) {
    ForEach([=](TParticle& p) {
        p.BaseScaleX = sx;
        p.BaseScaleY = sy;
        p.x = p.ox * sx + ox;
        p.y = p.oy * sy + oy;
    });
}

void TParticleList::Kill() {
    ForEach([](TParticle& p) { p.Kill(); });
    Clear();
}
