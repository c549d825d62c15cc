// TGame: the debug overlay, screenshots and the release of audio at shutdown.
#include "framework/TGame.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "framework/Globals.h"
#include "framework/TDateTime.h"

namespace {

std::string OnOff(int v) {
    return v ? "on" : "off";
}

std::string Size(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

// Resident memory of the process in kilobytes (0 when the system does not say).
long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    if (!(statm >> pages >> resident)) return 0;
    return resident * 4;
}

}  // namespace

void TGame::DebugReset() {
    FixedRateLogic.maximum = 0;
    LogicTime.Init();
    DrawTime.Init();
    CodeTime.Init();
    FPS.Init();
}

void TGame::DebugPrint() {
    if (!Debug || !Gfx) return;
    auto& gfx = *Gfx;
    FPS.Calc();
    int lines = DebugShowFPSOnly ? 1 : (GraphicPlacement ? 43 : 41);
    float x = static_cast<float>(DebugDisplayX), y = static_cast<float>(DebugDisplayY);
    gfx.SetColor(0, 0, 0);
    gfx.SetAlpha(DebugPanel);
    gfx.DrawRect(x - 5, y - 5, 350, static_cast<float>(lines * DebugImageFontGap + 10));
    gfx.SetAlpha(1.0f);

    std::vector<std::string> text;
    text.push_back(FPS.GetDisplay());
    if (!DebugShowFPSOnly) {
        auto diff = [](int now, int stored) {
            return stored == -1 ? std::string() : " (Diff = " + std::to_string(now - stored) + ")";
        };
        std::string gfxDriver = Driver == 1 ? "Gfx Driver = OpenGL"
                                            : "Gfx Driver = DirectX " + DirectXVersion +
                                                  (DriverDX7 ? " (using DX7)" : " (using DX9)");
        std::vector<std::string> more = {
            "VSync   " + std::to_string(VSync),
            "Desk Hz " + std::to_string(DesktopRefreshRate),
            "Game Hz " + std::to_string(GameRefreshRate),
            LogicTime.GetDisplay(),
            DrawTime.GetDisplay(),
            FixedRateLogic.GetDisplay(),
            "Fast    " + std::to_string(Fast),
            "Slow    " + std::to_string(SlowMotion),
            "Timing  " + std::to_string(1 - NoTiming),
            "",
            "Os Version = " + OSVersion,
            gfxDriver,
            "Snd Driver = " + SoundDriver,
            "GC Memory  = " + std::to_string(ResidentKb()) + " KB resident",
            "",
            "Music Vol.  = " + std::to_string(MusicVolume) + " (" + OnOff(Music) + ")",
            "Sound Vol.  = " + std::to_string(SoundVolume) + " (" + OnOff(Sound) + ")",
            "Speech Vol. = " + std::to_string(SpeechVolume) + " (" + OnOff(Speech) + ")",
            "",
            "Current Screen = " + (CurrentTScreen ? CurrentTScreen->name : std::string()),
            "Desktop Size   = " + Size(DesktopWidth, DesktopHeight),
            "Screen Size    = " + Size(VirtualWidth, VirtualHeight),
            "Window Size    = " + Size(WindowWidth, WindowHeight),
            "",
            "Full Screen        = " + std::to_string(FullScreen ? 1 : 0),
            "Virtual Resolution = " + std::to_string(UsingVirtualResolution ? 1 : 0),
            "Virtual Offset     = " + std::to_string(static_cast<int>(std::floor(vxOff + 0.5f))) +
                "," + std::to_string(static_cast<int>(std::floor(vyOff + 0.5f))),
            "Using Desktop Res. = " + std::to_string(UseDesktopResolution ? 1 : 0),
            "Correct Aspect     = " + std::to_string(WideScreen ? 1 : 0),
            "Borderless Window  = " + std::to_string(BorderlessWindow ? 1 : 0),
            "",
            "Debug1 = " + std::to_string(Debug1),
            "Debug2 = " + std::to_string(Debug2),
            "Debug3 = " + std::to_string(Debug3),
            "Debug4 = " + std::to_string(Debug4),
            "Stored Coords = " + std::to_string(storedX) + "," + std::to_string(storedY),
            "Mouse X = " + std::to_string(Mouse.x) + diff(Mouse.x, storedX),
            "Mouse Y = " + std::to_string(Mouse.y) + diff(Mouse.y, storedY)};
        text.insert(text.end(), more.begin(), more.end());
        if (GraphicPlacement) {
            text.push_back("Gfx P X = " + std::to_string(gpX));
            text.push_back("Gfx P Y = " + std::to_string(gpY));
        }
    }
    for (const auto& line : text) {
        if (DebugShadow) {
            gfx.SetColor(0, 0, 0);
            gfx.DrawText(line, x + 1, y + 1);
        }
        gfx.SetColor(255, 255, 255);
        gfx.DrawText(line, x, y);
        y += DebugImageFontGap;
    }
    gfx.ResetState();
}

void TGame::TakeScreenshot() {
    if (!Gfx || !Gfx->IsOpen()) return;
    platform::Pixmap shot = Gfx->Grab(0, 0, WindowWidth, WindowHeight);
    std::string folder = UseCorrectPath ? SubPath : std::string("./");
    std::string path =
        folder + TDateTime::Get_String(*TDateTime::Create(), "YYYY-MM-DD HHNNSS screenshot.png");
    std::string error;
    bool openGL = Driver == 1;
    shot.SavePng(path, openGL ? 9 : 0, openGL, error);
    FlushKeysAndMouse();
    FixedRateLogic.Init();
}

void TGame::Kill() {
    for (auto* channel : {&MusicChannel, &SpeechChannel, &EscapeChannel}) {
        if (*channel) (*channel)->Stop();
        channel->reset();
    }
    MusicSample.reset();
    for (auto& channel : LooseChannels) channel->Stop();
    LooseChannels.clear();
    ChannelsKill();
}
