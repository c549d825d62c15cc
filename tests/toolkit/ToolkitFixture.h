#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TEventSource.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "platform/PathResolver.h"
#include "platform/Pixmap.h"
#include "tests/TestSupport.h"

// A fresh Game at 200 ticks a second (5 ms a tick) with Delta 1, its shared folder in a temp
// folder; OpenGraphics gives a real 1024x768 window on SDL's dummy driver.
class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        GraphicsOpen = 0;
        Delta = 1.0f;
        VirtualWidth = 1024;
        VirtualHeight = 768;
        TEventSource::ClearInjected();
        FlushKeyboard();
        Game = std::make_unique<TGame>();
        Game->UseCorrectPath = 0;
        Game->SubPath = dir.Path().string() + "/";
        SharedDataPath = Game->SubPath;
        Game->FixedRateLogic.Now = [this] { return now; };
        Game->FixedRateLogic.Create();
        Game->FixedRateLogic.SetDefaultFramerate(200);
        Game->FixedRateLogic.Init();
    }
    void TearDown() override {
        Game.reset();
        TEventSource::ClearInjected();
        FlushKeyboard();
        GraphicsOpen = 0;
        Delta = 1.0f;
    }

    void OpenGraphics() {
        Game->FirstTime = 0;
        Game->DesktopWidth = 1920;
        Game->DesktopHeight = 1080;
        Game->FullScreen = 0;
        Game->CustomMousePointer = 0;
        Game->GraphicsCreate(0);
        GraphicsOpen = 1;
        Game->Gfx->SetClsColor(0, 0, 0);
        Game->Gfx->Cls();
    }

    // A w x h picture of one colour, handle at the top-left unless mid.
    static std::shared_ptr<TGameImage> SolidImage(int w, int h, uint8_t r = 255, uint8_t g = 255,
                                                  uint8_t b = 255, int mid = 0) {
        platform::Pixmap pm(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint8_t* p = pm.At(x, y);
                p[0] = r;
                p[1] = g;
                p[2] = b;
                p[3] = 255;
            }
        std::shared_ptr<platform::Image> image = platform::Image::FromPixmap(pm, 0);
        return TGameImage::CreateFromImage(image, "solid", mid);
    }

    // A file of the generated data folder beside the test programs (path from "Data/").
    static std::string ShippedData(const std::string& path) {
        return platform::PathResolver::Resolve(std::string(ROSEWICK_BUILD_DIR) + "/Data/" + path);
    }
    // The generated fonts are there (a missing one would stop on a message panel).
    static bool ShippedFontsPresent() {
        return platform::PathResolver::Exists(ShippedData("fonts/LargeWhite.fnt")) &&
               platform::PathResolver::Exists(ShippedData("fonts/LargeWhite.png"));
    }

    struct Rgb {
        int r, g, b;
    };
    static Rgb PixelAt(int x, int y) {
        platform::Pixmap shot = Game->Gfx->Grab();
        const uint8_t* p = shot.At(x, y);
        return {p[0], p[1], p[2]};
    }

    testsupport::TempDir dir;
    int64_t now = 1000;
};
