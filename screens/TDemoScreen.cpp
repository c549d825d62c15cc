#include "screens/TDemoScreen.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "screens/TGalleryScreen.h"

TDemoScreen::TDemoScreen(const std::string& screenName, int r, int g, int b)
    : red(r), green(g), blue(b) {
    name = screenName;
}

void TDemoScreen::Start() {
    if (Gallery) GalleryButton = TGalleryScreen::MakeButton("Gallery Open", 834, 26);
    TScreen::Start();
    std::printf("Screen started: %s\n", name.c_str());
    std::fflush(stdout);
    Game->GameFade.Init(static_cast<float>(FadeLength), 0, nullptr, 1);
}

void TDemoScreen::Logic() {
    TScreen::Logic();
    ticks += 1;
    // Lets the checks prove that an error inside the loop is caught, reported and logged.
    if (const char* at = std::getenv("ROSEWICK_FAULT_AT_TICK"); at && ticks == std::atoi(at))
        throw std::runtime_error("Deliberate fault at tick " + std::to_string(ticks));
    cardX += cardSpeed * Delta;
    if (cardX > 1024 - 186 || cardX < 100) {
        cardSpeed = -cardSpeed;
        cardX = std::clamp(cardX, 100.0f, 1024.0f - 186);
    }
    // The button takes its own click before the rest of the screen sees one.
    if (GalleryButton && GalleryButton->Manage()) {
        GalleryButton->ClearClick();
        std::printf("Gallery button clicked\n");
        std::fflush(stdout);
        Gallery->BackTo = this;
        Game->FadeTo(Gallery, 0, 1);
    } else if (Game->Mouse.GetLeftClick()) {
        // Where the click landed in the game's own 1024x768 units.
        std::printf("Click at %d,%d\n", Game->Mouse.x, Game->Mouse.y);
        std::fflush(stdout);
        if (Partner) Game->FadeTo(Partner, 0, 1);
    }
}

void TDemoScreen::Draw() {
    auto& gfx = *Game->Gfx;
    gfx.ResetState();
    // A soft vertical wash in the screen's colour.
    for (int band = 0; band < 24; ++band) {
        float k = 0.55f + 0.45f * band / 23.0f;
        gfx.SetColor(static_cast<int>(red * k), static_cast<int>(green * k),
                     static_cast<int>(blue * k));
        gfx.DrawRect(0, band * 32.0f, 1024, 32);
    }
    // The moving card: ivory face with a rose border.
    gfx.SetColor(0, 0, 0);
    gfx.SetAlpha(0.35f);
    gfx.DrawRect(cardX + 6, 326, 86, 128);
    gfx.SetAlpha(1);
    gfx.SetColor(190, 70, 90);
    gfx.DrawRect(cardX, 320, 86, 128);
    gfx.SetColor(250, 244, 228);
    gfx.DrawRect(cardX + 4, 324, 78, 120);
    gfx.SetColor(190, 70, 90);
    gfx.DrawOval(cardX + 25, 366, 36, 36);

    gfx.SetColor(250, 244, 228);
    gfx.SetScale(2, 2);
    gfx.DrawText("Rosewick", 40, 40);
    gfx.SetScale(1, 1);
    gfx.DrawText("Screen: " + name + "   ticks: " + std::to_string(ticks), 40, 80);
    gfx.DrawText("Click to fade to the other screen.  P pauses.  Esc leaves.", 40, 700);
    gfx.ResetState();
    if (GalleryButton) GalleryButton->Draw();
    gfx.ResetState();
}

void TDemoScreen::Kill() {
    GalleryButton.reset();
    TScreen::Kill();
}
