#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/TGameImage.h"
#include "framework/TGameSound.h"
#include "framework/TScreen.h"
#include "framework/TWidget.h"

// Loads every asset of the game behind the loading screen, one bar step per item or group,
// then leaves the loading screen waiting for a click on its click-to-continue button.
//
// The parts whose owners come later (the story texts, the particle generators, the fonts,
// the title screen, the splash screens) are hooks: each is called at its place in the order,
// and a hook not installed is reported on standard output and only advances the bar. The
// click-to-continue button is a TClickToContinue unless MakeClickToContinueButton builds one.
class TGameLoader {
public:
    static constexpr int LOADING_STEPS = 247;

    // Called once the loading screen's first frame is on screen (start-up timing).
    std::function<void()> LoadingScreenShown;
    // Called in this order; each takes one step of the bar.
    std::function<void()> RunSplashSequence;
    std::function<void()> LoadStoryTexts;
    std::function<void(const std::vector<std::string>& names)> LoadParticleList;
    // Replaces the game fonts' own loading (tests watch the order through it).
    std::function<void(const std::vector<std::string>& names)> LoadFonts;
    std::function<void()> TitleScreenLoad;
    // Builds the button from its three pictures, its two sounds and the caption.
    std::function<std::shared_ptr<TWidget>(
        std::shared_ptr<TGameImage> up, std::shared_ptr<TGameImage> over,
        std::shared_ptr<TGameImage> down, std::shared_ptr<TGameSound> click,
        std::shared_ptr<TGameSound> mouseOver, const std::string& caption)>
        MakeClickToContinueButton;
    // Installed as the loading screen's own draw and kill functions.
    std::function<void()> LoadingScreenDraw;
    std::function<void()> LoadingScreenKill;

    // Where the loading screen goes once the player clicks.
    TScreen* TitleScreen = nullptr;

    // The whole sequence: shows the loading screen, starts the title music, loads everything.
    void Run();

    // The names of the lists (as the data folder spells them).
    static const std::vector<std::string>& ParticleGenerators();
    static const std::vector<std::string>& FontNames();

    // Bar steps taken so far by Run.
    int StepsTaken() const { return steps; }

private:
    void ShowLoadingScreen();
    void LoadSounds();
    void LoadImages();
    void LoadCardImages();
    void LoadOtherImages();
    void LoadBorders();
    void CreateClickToContinue();
    void Finish();
    // One bar step.
    void Step();
    // Loads one image into the bank (a step), placing trimmed pictures by their offsets.
    void Image(const std::string& file, const std::string& key = "", int mid = 1);
    void Strip(const std::string& file, int cellW, int cellH, int count, int mid = 1);
    void Missing(const std::string& what);

    int steps = 0;
};
