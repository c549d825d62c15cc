#include "framework/TFade.h"

#include <algorithm>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "platform/Clock.h"

namespace {
float NowMs() {
    return static_cast<float>(platform::Clock::Millisecs());
}
}  // namespace

void TFade::Init(float lengthMs, std::shared_ptr<platform::Image> image,
                 std::shared_ptr<platform::Channel> channel) {
    Length = lengthMs;
    Image = std::move(image);
    Channel = std::move(channel);
    Reset();
}

void TFade::Reset() {
    StartTime = LastTime = NowMs();
    Elapsed = 0;
}

void TFade::CentreImage() {
    if (!Image) return;
    X = (1024 - Image->Width()) / 2;
    Y = (768 - Image->Height()) / 2;
}

bool TFade::InputHit() {
    Game->DoPeekEvent();
    bool hit = AnyKeyHit() || Game->Mouse.mh != 0 || Game->TerminatedEvent;
    return hit;
}

void TFade::RestoreState() {
    auto& gfx = *Game->Gfx;
    gfx.SetBlend(platform::BlendMode::Solid);
    gfx.SetAlpha(1.0f);
    gfx.SetColor(255, 255, 255);
}

int TFade::FadeDo(int out) {
    Out = out;
    Game->FlushKeysAndMouse();
    while (true) {
        if (Elapsed > Length) {
            RestoreState();
            return 1;
        }
        if (InputHit()) {
            RestoreState();
            return -1;
        }
        float now = NowMs();
        Elapsed = now - StartTime;
        Ratio = Length > 0 ? std::clamp(Elapsed / Length, 0.0f, 1.0f) : 1.0f;
        if (Out) Ratio = 1.0f - Ratio;
        if (Background) MoveBackground(now, Elapsed);
        Draw();
    }
}

void TFade::MoveBackground(float now, float elapsed) {
    float step = (now - LastTime) / 1000.0f;
    BackgroundX += step * BackgroundXSpeed;
    BackgroundY += step * BackgroundYSpeed;
    BackgroundZoom += step * BackgroundZoomSpeed;
    if (Out == -1) {
        BackgroundAlpha = 1;
    } else if (Out == 0) {
        BackgroundAlpha = BackgroundFadeTime > 0 ? std::min(1.0f, elapsed / BackgroundFadeTime) : 1;
    } else if (Out == 1) {
        BackgroundAlpha =
            BackgroundFadeTime > 0
                ? std::max(0.0f, 1 - (elapsed - (Length - BackgroundFadeTime)) / BackgroundFadeTime)
                : 0;
    }
    LastTime = now;
}

int TFade::WaitForTime(float ms) {
    Out = -1;
    Reset();
    Ratio = 1;
    while (true) {
        if (Elapsed > ms) return 0;
        if (InputHit()) return -1;
        float now = NowMs();
        Elapsed = now - StartTime;
        if (Background) MoveBackground(now, Elapsed);
        Draw();
    }
}

void TFade::Draw() {
    auto& gfx = *Game->Gfx;
    Game->ClsWithColor();
    if (Background) {
        gfx.SetBlend(platform::BlendMode::Alpha);
        gfx.SetScale(BackgroundZoom, BackgroundZoom);
        gfx.SetAlpha(BackgroundAlpha);
        gfx.DrawImage(*Background, -BackgroundX * BackgroundZoom, -BackgroundY * BackgroundZoom);
        gfx.SetScale(1, 1);
    }
    if (Image) {
        gfx.SetBlend(platform::BlendMode::Alpha);
        gfx.SetAlpha(Ratio);
        gfx.DrawImage(*Image, static_cast<float>(X), static_cast<float>(Y));
    }
    gfx.SetAlpha(1.0f);
    if (Channel) Channel->SetVolume(Ratio * (Game->SoundVolume / 100.0f));
    gfx.Flip(FlipSync);
}

void TFade::Full() {
    Ratio = 1;
    Draw();
}

void TFade::Zero() {
    Ratio = 0;
    Draw();
}
