#include "toolkit/TBox.h"

#include "framework/TGame.h"

std::shared_ptr<TBox> TBox::Create(float x, float y, float w, float h,
                                   std::shared_ptr<TColor> color) {
    auto box = std::make_shared<TBox>();
    box->Init(x, y, w, h, std::move(color));
    return box;
}

void TBox::Init(float x, float y, float w, float h, std::shared_ptr<TColor> color) {
    X = x;
    Y = y;
    W = w;
    H = h;
    Color = std::move(color);
}

void TBox::Draw() const {
    if (!Color || !Game || !Game->Gfx) return;
    Game->Gfx->SetColor(Color->R, Color->G, Color->B);
    Game->Gfx->DrawRect(X, Y, W, H);
    Game->Gfx->SetColor(255, 255, 255);
}

void TBox::Expand(float ex, float ey) {
    X -= ex;
    Y -= ey;
    W += 2 * ex;
    H += 2 * ey;
}
