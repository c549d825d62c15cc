#include "toolkit/TCrossFade.h"

#include "framework/TGame.h"
#include "framework/TGameImage.h"

std::shared_ptr<TCrossFade> TCrossFade::Create(std::shared_ptr<TGameImage> image1,
                                               std::shared_ptr<TGameImage> image2, int lengthMs) {
    auto c = std::make_shared<TCrossFade>();
    c->Init(std::move(image1), std::move(image2), lengthMs);
    return c;
}

void TCrossFade::Init(std::shared_ptr<TGameImage> image1, std::shared_ptr<TGameImage> image2,
                      int lengthMs) {
    Image1 = std::move(image1);
    Image2 = std::move(image2);
    Anim.Clear();
    Anim.Init(lengthMs);
    Anim.Start();
}

void TCrossFade::Draw() {
    if (!Game || !Game->Gfx) return;
    auto& g = *Game->Gfx;
    g.SetBlend(platform::BlendMode::Solid);
    if (Image1) Image1->Draw(X1, Y1);
    g.SetBlend(platform::BlendMode::Alpha);
    g.SetAlpha(Anim.GetRatio());
    if (Image2) Image2->Draw(X2, Y2);
    g.SetAlpha(1);
}
