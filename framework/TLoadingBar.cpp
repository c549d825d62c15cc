#include "framework/TLoadingBar.h"

#include <algorithm>

#include "framework/TGame.h"

void TLoadingBar::Init(std::shared_ptr<platform::Image> image,
                       std::shared_ptr<platform::Image> empty,
                       std::shared_ptr<platform::Image> final) {
    Image = std::move(image);
    EmptyImage = std::move(empty);
    FinalImage = std::move(final);
    for (auto* img : {Image.get(), EmptyImage.get(), FinalImage.get()})
        if (img) img->SetHandle(0, 0);
    x = y = 0;
    if (Image) {
        w = Image->Width();
        h = Image->Height();
    }
    Position = 0;
    CurrentStep = 0;
    Finished = 0;
}

void TLoadingBar::Centre(int atY) {
    x = (1024 - w) / 2;
    y = atY;
}

void TLoadingBar::SetSteps(int n) {
    Steps = static_cast<float>(n);
    StepSize = n > 0 ? static_cast<float>(w) / n : static_cast<float>(w);
}

void TLoadingBar::SetBackgroundColour(int r, int g, int b) {
    BgR = r;
    BgG = g;
    BgB = b;
}

void TLoadingBar::SetBorderColour(int r, int g, int b) {
    BorderR = r;
    BorderG = g;
    BorderB = b;
}

void TLoadingBar::Progress() {
    CurrentStep += 1;
    Position = CurrentStep * StepSize;
    if (CurrentStep == static_cast<int>(Steps)) Finished = 1;
}

int TLoadingBar::Draw() {
    if (!Game || !Game->Gfx) return 0;
    auto& gfx = *Game->Gfx;
    if (Mode == 1 && !Image) return 0;
    float fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (Finished && FinalImage) {
        gfx.SetBlend(platform::BlendMode::Alpha);
        if (DrawEmptyUnderFinal && EmptyImage) gfx.DrawImage(*EmptyImage, fx, fy);
        gfx.DrawImage(*FinalImage, fx, fy);
        return 1;
    }
    if (Mode == 0) {
        gfx.SetBlend(platform::BlendMode::Solid);
        gfx.SetColor(BgR, BgG, BgB);
        gfx.DrawRect(fx, fy, static_cast<float>(w), static_cast<float>(h));
        gfx.SetColor(BorderR, BorderG, BorderB);
        gfx.DrawLine(fx, fy, fx + w, fy);
        gfx.DrawLine(fx + w, fy, fx + w, fy + h);
        gfx.DrawLine(fx + w, fy + h, fx, fy + h);
        gfx.DrawLine(fx, fy + h, fx, fy);
        gfx.SetColor(255, 255, 255);
    } else if (Mode == 1 && EmptyImage) {
        gfx.SetBlend(platform::BlendMode::Alpha);
        gfx.DrawImage(*EmptyImage, fx, fy);
    }
    gfx.SetBlend(platform::BlendMode::Alpha);
    if (Image && Position > 0) {
        float part = std::min(Position, static_cast<float>(Image->Width()));
        gfx.DrawSubImageRect(*Image, fx, fy, part, static_cast<float>(Image->Height()), 0, 0, part,
                             static_cast<float>(Image->Height()));
    } else if (!Image && Position > 0) {
        // No bar art: fill the drawn rectangle instead.
        gfx.SetColor(214, 176, 96);
        gfx.DrawRect(fx + 2, fy + 2, std::min(Position, static_cast<float>(w)) - 4,
                     static_cast<float>(h - 4));
        gfx.SetColor(255, 255, 255);
    }
    gfx.SetBlend(platform::BlendMode::Solid);
    return 1;
}
