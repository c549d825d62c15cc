#pragma once

#include <memory>

#include "platform/InstanceLock.h"
#include "screens/TDemoScreen.h"
#include "screens/TGalleryScreen.h"
#include "screens/TGameLoader.h"
#include "screens/TGameScreen.h"

// The program from its entry to its end: the start-up sequence, the frame loop, shutdown.
class TProgram {
public:
    // Returns the process exit code.
    int Main();

    // Start-up up to the first frame (single instance, folders, settings, audio, graphics,
    // loading). False when another copy runs.
    bool Startup();

    // The loading sequence Startup runs (its hooks may be set before Startup).
    TGameLoader& Loader() { return loader; }

    TGameScreen* GameScreen() { return game.get(); }

    static constexpr const char* DEFAULT_PROFILE_NAME = "Player";

private:
    void LoadAssets();
    void LoadPlayerProgress();
    void ApplyDebugStart();

    platform::InstanceLock instanceLock;
    TGameLoader loader;
    std::unique_ptr<TDemoScreen> demoA;
    std::unique_ptr<TDemoScreen> demoB;
    std::unique_ptr<TGalleryScreen> gallery;
    std::unique_ptr<TGameScreen> game;
    int debugChapter = 0, debugHand = 0;
};
