#include "framework/TGameFade.h"

#include <algorithm>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"

int TGameFade::Init(float lengthMs, int out, std::shared_ptr<platform::Channel> channel,
                    int allowAnim, int startCounter, std::shared_ptr<platform::Channel> channel2) {
    if (Active) return 0;
    Length = static_cast<int>(Game->CalcAnimLength(static_cast<int>(lengthMs)));
    Counter = static_cast<float>(startCounter);
    Active = 1;
    Out = out;
    Game->FlushKeysAndMouse();
    Done = 0;
    Channel = std::move(channel);
    Channel2 = std::move(channel2);
    AllowAnim = allowAnim;
    FadeInAborted = 0;
    FadeCounterBeforeAbort = 0;
    SetToFullOnAbort = 1;
    AbortKey = -1;
    if (Out) Game->FadeMusic = 1;
    Ratio = Out ? 1.0f : 0.0f;
    if (startCounter > 0) CalcRatio();
    if (Game->Fade == 0 || Game->NoFade == 1) Finish();
    return 1;
}

int TGameFade::Manage() {
    if (!Active) return 0;
    int key = FirstKeyHit();
    if (key != -1 || Game->Mouse.h1) {
        if (!Out) {
            FadeInAborted = 1;
            AbortKey = key;
        }
        Finish();
        return -1;
    }
    Counter += Delta;
    CalcRatio();
    FadeChannels();
    if (Counter >= Length) {
        Finish();
        return 1;
    }
    return 0;
}

void TGameFade::CalcRatio() {
    Ratio = Length > 0 ? std::clamp(Counter / static_cast<float>(Length), 0.0f, 1.0f) : 1.0f;
    if (Out) Ratio = 1.0f - Ratio;
}

void TGameFade::FadeChannels() {
    if (Channel) Channel->SetVolume(Ratio * (Game->GetMusicVolume() / 100.0f));
    if (Channel2) Channel2->SetVolume(Ratio * (Game->SoundVolume / 100.0f));
    if (Game->SpeechChannel) Game->SpeechChannel->SetVolume(Ratio * (Game->SpeechVolume / 100.0f));
}

void TGameFade::Finish() {
    Active = 0;
    Done = 1;
    if (Out) {
        Ratio = 0;
    } else {
        if (SetToFullOnAbort) Ratio = 1;
        if (FadeInAborted) FadeCounterBeforeAbort = Counter;
    }
    FadeChannels();
    if (Out) {
        if (Channel2) {
            Channel2->Stop();
            if (!Channel2IsGameChannelArray) Channel2.reset();
        }
        Game->SpeechStop();
        // Keep the covered screen blank while the next one loads.
        if (Game->Fade && !Game->NoFade && Game->Gfx && Game->Gfx->IsOpen()) {
            Game->ClsWithColor();
            if (!Game->FadeMouse) Game->Mouse.Draw();
            Game->Gfx->Flip(FlipSync);
        }
        if (Game->CurrentTScreen) Game->CurrentTScreen->PostFadeOut();
    } else {
        if (Game->CurrentTScreen) Game->CurrentTScreen->PostFadeIn();
    }
    Game->NoFade = 0;
    Game->FlushKeysAndMouse();
}

void TGameFade::Draw() {
    if (!Active || !Game->Gfx) return;
    auto& gfx = *Game->Gfx;
    const auto& c = Game->ClsColor;
    gfx.SetColor(c.R, c.G, c.B);
    gfx.SetAlpha(1.0f - Ratio);
    Game->DrawOverWholeArea();
    gfx.SetAlpha(1.0f);
    gfx.SetColor(255, 255, 255);
}

int TGameFade::GetDone() {
    int done = Done;
    Done = 0;
    return done;
}
