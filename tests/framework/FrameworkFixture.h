#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TEventSource.h"
#include "framework/TGame.h"
#include "tests/TestSupport.h"

// A fresh Game with its shared folder in a temp folder and a clock the test steps by hand.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        GraphicsOpen = 0;
        StartupStep = 0;
        QuitFlag = 0;
        FadeLength = 300;
        Delta = 1.0f;
        LogErrors = 1;
        TEventSource::ClearInjected();
        FlushKeyboard();
        Game = std::make_unique<TGame>();
        // Settings and markers in the temp folder, as in a system data folder.
        Game->UseCorrectPath = 1;
        Game->SubPath = dir.Path().string() + "/";
        SharedDataPath = Game->SubPath;
        Game->FixedRateLogic.Now = [this] { return now; };
        Game->FixedRateLogic.Create();
        Game->FixedRateLogic.SetDefaultFramerate(200);
        Game->FixedRateLogic.JitterCorrection = 0;
        Game->FixedRateLogic.Init();
    }
    void TearDown() override {
        Game.reset();
        TEventSource::ClearInjected();
        GraphicsOpen = 0;
    }

    // Opens a real window on SDL's dummy driver.
    // A 1024x768 window: the dummy display's own desktop is too small for one, and the tests
    // read pixels at virtual positions.
    void OpenGraphics() {
        Game->FirstTime = 0;
        Game->DesktopWidth = 1920;
        Game->DesktopHeight = 1080;
        Game->FullScreen = 0;
        Game->GraphicsCreate(0);
        GraphicsOpen = 1;
    }

    void Key(int code) { TEventSource::InjectKey(code); }

    testsupport::TempDir dir;
    int64_t now = 1000;
};

// A screen that records what the framework does to it.
class ProbeScreen : public TScreen {
public:
    explicit ProbeScreen(const std::string& n) { name = n; }
    int loads = 0, starts = 0, coreStarts = 0, kills = 0, logics = 0, draws = 0;
    int fadeIns = 0, fadeOuts = 0;
    std::vector<float> deltas;
    TScreen* escTo = nullptr;

    void Load() override { loads++; }
    void Start() override {
        starts++;
        TScreen::Start();
    }
    void CoreStart() override {
        coreStarts++;
        TScreen::CoreStart();
    }
    void Kill() override {
        kills++;
        TScreen::Kill();
    }
    void Logic() override {
        logics++;
        deltas.push_back(Delta);
    }
    void Draw() override { draws++; }
    void PostFadeIn() override { fadeIns++; }
    void PostFadeOut() override { fadeOuts++; }
    int SetEscDestination() override {
        if (!escTo) return TScreen::SetEscDestination();
        Game->DestinationTScreen = escTo;
        return 100;
    }
};
