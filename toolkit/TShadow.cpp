#include "toolkit/TShadow.h"

#include "framework/TGame.h"
#include "toolkit/TextState.h"

std::shared_ptr<TShadow> TShadow::Create(float x, float y, float alpha) {
    return std::make_shared<TShadow>(x, y, alpha);
}

void TShadow::Init(float x, float y, float alpha) {
    X = x;
    Y = y;
    Alpha = alpha;
}

void TShadow::Apply() const {
    if (!Game || !Game->Gfx) return;
    Game->Gfx->SetColor(0, 0, 0);
    Game->Gfx->SetAlpha(Alpha);
}

void TShadow::Restore() {
    if (!Game || !Game->Gfx) return;
    Game->Gfx->SetColor(255, 255, 255);
    Game->Gfx->SetAlpha(1);
}

void TShadow::ApplyToText() const {
    TextShadowX = X;
    TextShadowY = Y;
    TextShadowAlpha = Alpha;
}
