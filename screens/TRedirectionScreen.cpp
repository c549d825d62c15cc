#include "screens/TRedirectionScreen.h"

#include <cstdio>

#include "framework/Globals.h"
#include "framework/TGame.h"

TRedirectionScreen::TRedirectionScreen() {
    name = "redirection";
}

void TRedirectionScreen::Start() {
    left = false;
    TScreen::Start();
    std::printf("Screen started: %s\n", name.c_str());
    std::fflush(stdout);
    Leave();
}

void TRedirectionScreen::Logic() {
    // The fade that brought us here may still be ending on the first tick.
    if (!left) Leave();
}

void TRedirectionScreen::Leave() {
    if (!Target || Game->Fading()) return;
    left = true;
    if (OnLeave) OnLeave();
    Game->FadeTo(Target, FADE_MS, 0);
}

void TRedirectionScreen::Draw() {
    Game->Gfx->ResetState();
    Game->Gfx->SetColor(0, 0, 0);
    Game->Gfx->DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
    Game->Gfx->ResetState();
}

int TRedirectionScreen::SetEscDestination() {
    Game->DestinationTScreen = Target ? Target : Game->ExitScreen.get();
    return FADE_MS;
}
