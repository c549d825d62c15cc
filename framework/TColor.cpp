#include "framework/TColor.h"

#include "framework/TGame.h"

std::shared_ptr<TColor> TColor::Create(int r, int g, int b, float alpha) {
    return std::make_shared<TColor>(r, g, b, alpha);
}

std::shared_ptr<TColor> TColor::GetCurrentColor() {
    auto c = std::make_shared<TColor>(255, 255, 255, 1.0f);
    if (Game && Game->Gfx) Game->Gfx->GetColor(c->R, c->G, c->B);
    return c;
}

std::shared_ptr<TColor> TColor::GetCurrentColorAndAlpha() {
    auto c = GetCurrentColor();
    if (Game && Game->Gfx) c->Alpha = Game->Gfx->GetAlpha();
    return c;
}

void TColor::Apply() const {
    if (!Game || !Game->Gfx) return;
    Game->Gfx->SetColor(R, G, B);
    Game->Gfx->SetAlpha(Alpha);
}

void TColor::ApplyNoAlpha() const {
    if (Game && Game->Gfx) Game->Gfx->SetColor(R, G, B);
}

void TColor::Get(int& r, int& g, int& b) const {
    r = R;
    g = G;
    b = B;
}

void TColor::GetFull(int& r, int& g, int& b, float& alpha) const {
    Get(r, g, b);
    alpha = Alpha;
}

void TColor::MultiplyByColour(const TColor& other) {
    R = static_cast<int>(R * (other.R / 255.0f));
    G = static_cast<int>(G * (other.G / 255.0f));
    B = static_cast<int>(B * (other.B / 255.0f));
}

void TColor::Restore() {
    if (!Game || !Game->Gfx) return;
    Game->Gfx->SetColor(255, 255, 255);
    Game->Gfx->SetAlpha(1.0f);
}

void TColor::Set(int r, int g, int b, float alpha) {
    R = r;
    G = g;
    B = b;
    Alpha = alpha;
}
