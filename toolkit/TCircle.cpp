#include "toolkit/TCircle.h"

#include "framework/TGame.h"

std::shared_ptr<TCircle> TCircle::Create(float x, float y, float r, std::shared_ptr<TColor> color) {
    auto c = std::make_shared<TCircle>();
    c->x = x;
    c->y = y;
    c->r = r;
    c->Color = std::move(color);
    return c;
}

void TCircle::Draw() const {
    if (!Game || !Game->Gfx) return;
    if (Color) Game->Gfx->SetColor(Color->R, Color->G, Color->B);
    Game->Gfx->DrawOval(x - r, y - r, 2 * r, 2 * r);
    Game->Gfx->SetColor(255, 255, 255);
}
