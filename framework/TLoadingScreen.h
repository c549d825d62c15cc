#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/TLoadingBar.h"
#include "framework/TScreen.h"

// Shown while the assets load: background, bar, loading text, and optionally a
// click-to-continue button once loading has finished.
class TLoadingScreen : public TScreen {
public:
    TLoadingScreen();

    std::unique_ptr<TLoadingBar> LoadingBar;
    std::shared_ptr<TWidget> ClickHereButton;
    int Finished = 0;
    std::shared_ptr<platform::Image> LoadingTextImage;
    int LoadingX = 512, LoadingY = 384;
    int DrawLoadingTextImage2 = 0;
    std::shared_ptr<platform::Image> LoadingTextImage2;
    std::function<void()> CustomDrawFunction;
    std::function<void()> CustomKillFunction;
    // 1 leaves Escape to the framework (to the exit screen); 0 makes it continue like a click.
    int EscapeCloses = 1;
    int FadeMusic = 0;

    // Paths are relative to Game->ImagePath; an empty bar image keeps the drawn bar.
    void SpecialLoad(const std::string& background, const std::string& barImage,
                     const std::string& loadingTextImage);
    void Kill() override;
    void SetSteps(int n);
    void SetClickHereButton(std::shared_ptr<TWidget> button);
    void Logic() override;
    void Draw() override;
    void DrawLoading(int mode);
    void Progress();
    // Puts the game's pointer where the system pointer is now (after loading, when no events
    // have been read for a while).
    void RefreshPointer();
    void Start() override;
};
