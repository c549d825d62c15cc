#include "toolkit/TSlider.h"

#include <algorithm>
#include <cmath>

#include "framework/AssetBanks.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"

std::shared_ptr<TSlider> TSlider::CreateSpecial(const std::string& barImage,
                                                const std::string& knobImage, float px, float py,
                                                int border, const std::string& n, int borderY) {
    auto s = std::make_shared<TSlider>();
    s->LoadImages(barImage, knobImage);
    s->Load(s->image, s->DotImage, px, py, border, n, borderY);
    return s;
}

void TSlider::LoadImages(const std::string& barImage, const std::string& knobImage) {
    std::string folder = Game ? Game->ImagePath : std::string();
    auto file = [&](const std::string& n) {
        return folder + n + (AssetHasExtension(n) ? "" : ".png");
    };
    SetImage(TGameImage::Create(file(barImage), -1, 0));
    DotImage = TGameImage::Create(file(knobImage), -1, 0);
}

void TSlider::Load(std::shared_ptr<TGameImage> bar, std::shared_ptr<TGameImage> knob, float px,
                   float py, int border, const std::string& n, int borderY) {
    SetImage(std::move(bar));
    DotImage = std::move(knob);
    SetName(n);
    SetPosition(px, py);
    Border = border;
    BorderY = borderY;
    Init();
}

void TSlider::Init() {
    SetValue(50);
    DotY = static_cast<int>(y);
    active = 1;
}

void TSlider::SetValue(int v) {
    Value = std::clamp(v, 0, 100);
    float knobHalf = DotImage ? DotImage->w2 : 0;
    DotX = static_cast<int>(x + Border + Value / 100.0f * (w - 2 * Border) - knobHalf);
}

int TSlider::Manage() {
    if (!active || !Game) return 0;
    const TMousePointer& m = Game->Mouse;
    float mx = static_cast<float>(m.x), my = static_cast<float>(m.y);
    bool hovered = mx >= x - 10 && mx < x + w + 10 && my >= y - BorderY && my < y + h + BorderY;
    if (!hovered) {
        MouseOver = 0;
        return 0;
    }
    MouseOver = 1;
    if (!m.GetMb()) return 0;
    int v;
    if (mx <= x + Border)
        v = 0;
    else if (mx >= x + w - Border)
        v = 100;
    else
        v = static_cast<int>(std::floor((mx - x - Border) / (w - 2 * Border) * 100 + 0.5f));
    SetValue(v);
    return 1;
}

void TSlider::Draw() {
    if (!Game || !Game->Gfx || !visible) return;
    Game->Gfx->SetBlend(platform::BlendMode::Alpha);
    if (image) image->Draw(x, y);
    if (DotImage) DotImage->Draw(static_cast<float>(DotX), static_cast<float>(DotY));
}
