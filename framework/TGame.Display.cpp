// TGame: the drawing context, the virtual resolution and the display toggles.
#include "framework/TGame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/Globals.h"
#include "framework/Messages.h"
#include "framework/TDisplayGeometry.h"
#include "framework/TRandom.h"
#include "platform/Event.h"

namespace {

std::string WindowTitle() {
    return GameTitle + " V" + AppVersion + " - by Quellborne";
}

// Graphics failures are told in a system box: the context they would draw in is gone.
void GraphicsFatal(const std::string& text) {
    GraphicsOpen = 0;
    ShowMessage(text, 1, 1);
}

TDisplayGeometry::Display DisplayOf(const TGame& game) {
    TDisplayGeometry::Display d;
    d.virtualWidth = VirtualWidth;
    d.virtualHeight = VirtualHeight;
    d.windowWidth = game.WindowWidth;
    d.windowHeight = game.WindowHeight;
    d.desktopWidth = game.DesktopWidth;
    d.desktopHeight = game.DesktopHeight;
    d.fullScreen = game.FullScreen;
    d.wideScreen = game.WideScreen;
    d.borderless = game.BorderlessWindow;
    d.useDesktopResolution = game.UseDesktopResolution;
    return d;
}

float Round(float x) {
    return std::floor(x + 0.5f);
}

// What every display change does after the context is set up again.
void AfterDisplayChange(TGame& game) {
    game.Mouse.ClearButtons();
    game.RestoreMouseCoords();
    game.IniUpdate(1);
    game.FixedRateLogic.Init();
    game.FixedRateLogic.HistoryClear();
}

// Opens full screen at width x height, trying 32, 24 and 16 bits at hertz among the modes
// that exist; when the display has none of them at that refresh, at its own refresh. The
// depth obtained, or -1.
int OpenFullScreen(platform::Graphics& gfx, platform::ContextSettings settings, int hertz) {
    const int depths[] = {32, 24, 16};
    for (int pass = 0; pass < 2; ++pass) {
        bool anyMode = false;
        settings.hertz = pass == 0 ? hertz : 0;
        for (int depth : depths) {
            if (!platform::Graphics::ModeExists(settings.width, settings.height, depth,
                                                settings.hertz))
                continue;
            anyMode = true;
            settings.depth = depth;
            std::string error;
            if (gfx.Open(settings, error)) return depth;
        }
        if (anyMode) break;
    }
    return -1;
}

}  // namespace

void TGame::SetDXDriver(int forceDX7) {
    // SDL's preferred accelerated renderer stands in for Direct3D 9; forced to the older
    // driver it draws without a virtual resolution, as Direct3D 7 did.
    if (forceDX7) {
        DriverDX7 = 1;
    } else {
        DriverDX9 = 1;
    }
}

void TGame::GraphicsCreate(int forceDX7) {
    using platform::Graphics;
    AlwaysForceDX7 = forceDX7;
    if (Graphics::Modes().empty())
        GraphicsFatal("No 3D Hardware Found (could not count graphics modes.)");

    DriverDX7 = DriverDX9 = 0;
    const std::vector<std::string> drivers = Graphics::Drivers();
    const bool opengl = std::find(drivers.begin(), drivers.end(), "opengl") != drivers.end();
    const bool software = std::find(drivers.begin(), drivers.end(), "software") != drivers.end();
    const bool accelerated = std::any_of(drivers.begin(), drivers.end(),
                                         [](const std::string& d) { return d != "software"; });
    if (!accelerated && !software) GraphicsFatal("No DirectX or OpenGL 3D Drivers Found!");
    // "DirectX" is whatever accelerated renderer SDL prefers, so it exists whenever OpenGL
    // does; only a missing OpenGL changes the choice.
    if (Driver == 1 && !opengl) {
        Driver = 0;
        IniUpdate(1);
    }
    platform::ContextSettings settings;
    if (Driver == 1) {
        settings.driver = "opengl";
    } else {
        SetDXDriver(forceDX7);
        settings.driver = accelerated ? "" : "software";
    }
    settings.title = WindowTitle();
    settings.vsync = VSync != 0;

    const platform::DisplayMode desktop = Graphics::DesktopMode();
    if (FirstTime) {
        FirstTime = 0;
        DesktopRefreshRate = Driver != 1 && desktop.hertz > 0 ? desktop.hertz : 60;
        DesktopWidth = desktop.width;
        DesktopHeight = desktop.height;
    }

    auto chooseSize = [&](int& w, int& h) {
        if (!TDisplayGeometry::ChooseSize(DisplayOf(*this), WindowedAspectRatio, w, h)) {
            GraphicsFatal("Cannot find a suitable resolution. Desktop Resolution= " +
                          std::to_string(DesktopWidth) + "x" + std::to_string(DesktopHeight));
        }
    };

    if (!Gfx) Gfx = std::make_unique<Graphics>();
    if (FullScreen) {
        chooseSize(settings.width, settings.height);
        Depth = OpenFullScreen(*Gfx, settings, Hertz);
        if (Depth == -1) {
            // Not an error: the game goes on in a window and full screen stays off.
            ForceWindowedMode = 1;
            FullScreen = 0;
        }
    }
    if (!FullScreen) {
        // A failed full screen chose the desktop's size: choose again for a window.
        chooseSize(settings.width, settings.height);
        settings.depth = 0;
        settings.hertz = DesktopRefreshRate;
        settings.borderless = BorderlessWindow == 1;
        std::string error;
        if (!Gfx->Open(settings, error)) {
            GraphicsFatal("Cannot create Windowed Mode at " + std::to_string(VirtualWidth) + "x" +
                          std::to_string(VirtualHeight) + " " + std::to_string(DesktopRefreshRate) +
                          "Hz");
        }
        Depth = 0;
    }
    WindowWidth = Gfx->OutputWidth();
    WindowHeight = Gfx->OutputHeight();
    // Stands for the DirectX version: the renderer's name and version, never a refusal.
    if (Driver != 1) DirectXVersion = Gfx->RendererName();
    DoSetVirtualResolution(1);
    SetWindowCoords();
    SetClientCoords();

    platform::Input::Flush();
    FlushKeysAndMouse();
    SetPriority();
    GameRefreshRate = Driver != 1 && desktop.hertz > 0 ? desktop.hertz : -1;
    Gfx->SetClsColor(ClsColor.R, ClsColor.G, ClsColor.B);
}

void TGame::DisableVirtualResolution() {
    UsingVirtualResolution = 0;
    VirtualRatioX = VirtualRatioY = 1.0f;
    if (!Gfx) return;
    Gfx->SetVirtualResolution(static_cast<float>(WindowWidth), static_cast<float>(WindowHeight));
    Gfx->SetViewport(0, 0, WindowWidth, WindowHeight);
    Gfx->SetOrigin(0, 0);
}

void TGame::CLSAllBuffers() {
    if (!Gfx || !Gfx->IsOpen()) return;
    int r, g, b;
    Gfx->GetClsColor(r, g, b);
    Gfx->SetClsColor(0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        Gfx->Cls();
        Gfx->Flip(0);
    }
    Gfx->SetClsColor(r, g, b);
}

void TGame::DoSetVirtualResolution(int clearAll) {
    vxOff = vyOff = 0;
    DisableVirtualResolution();
    if (clearAll) CLSAllBuffers();
    if (DriverDX7) return;

    const TDisplayGeometry g = TDisplayGeometry::Compute(DisplayOf(*this));
    if (!g.Note.empty()) {
        std::printf("%s\n", g.Note.c_str());
        std::fflush(stdout);
    }
    if (!g.Using) return;

    VR_virtualratio = g.VirtualRatio;
    VR_graphicsratio = g.GraphicsRatio;
    vxOff = g.XOff;
    vyOff = g.YOff;
    VirtualRatioX = g.RatioX;
    VirtualRatioY = g.RatioY;
    VR_viewportx = g.ViewX;
    VR_viewporty = g.ViewY;
    VR_viewportw = g.ViewW;
    VR_viewporth = g.ViewH;
    VR_originx = g.OriginX;
    VR_originy = g.OriginY;
    UsingVirtualResolution = 1;
    if (!Gfx) return;
    Gfx->SetVirtualResolution(g.VirtualWidth, g.VirtualHeight);
    Gfx->SetViewport(g.ViewX, g.ViewY, g.ViewW, g.ViewH);
    Gfx->SetOrigin(g.OriginX, g.OriginY);
}

void TGame::ResetVRViewport() {
    if (!Gfx) return;
    Gfx->GetViewport(VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth);
    Gfx->GetOrigin(VR_originx, VR_originy);
    Gfx->SetViewport(0, 0, static_cast<int>(std::ceil(Gfx->VirtualWidth())),
                     static_cast<int>(std::ceil(Gfx->VirtualHeight())));
    Gfx->SetOrigin(0, 0);
}

void TGame::RestoreVRViewPort() {
    if (!Gfx) return;
    Gfx->SetViewport(VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth);
    Gfx->SetOrigin(VR_originx, VR_originy);
}

int TGame::NeedsCLSWidescreen() const {
    // A boxed window has bars too.
    return UsingVirtualResolution && (FullScreen || BorderlessWindow || vxOff != 0 || vyOff != 0);
}

void TGame::CLSWidescreen() {
    if (!Gfx) return;
    ResetVRViewport();
    Gfx->Cls();
    RestoreVRViewPort();
}

void TGame::ClsWithColor() {
    if (!Gfx) return;
    Gfx->SetClsColor(ClsColor.R, ClsColor.G, ClsColor.B);
    if (NeedsCLSWidescreen()) {
        CLSWidescreen();
    } else {
        Gfx->Cls();
    }
}

void TGame::DrawOverWholeArea() {
    if (!Gfx) return;
    ResetVRViewport();
    Gfx->DrawRect(0, 0, Gfx->VirtualWidth(), Gfx->VirtualHeight());
    RestoreVRViewPort();
}

void TGame::SetLeftBorderImage(const std::string& file) {
    LeftBorderImage.reset();
    if (file.empty()) return;
    std::string error;
    LeftBorderImage =
        platform::Image::Load(ResolveDataPath(file), platform::Image::FILTERED, error);
}

void TGame::SetRightBorderImage(const std::string& file) {
    RightBorderImage.reset();
    if (file.empty()) return;
    std::string error;
    RightBorderImage =
        platform::Image::Load(ResolveDataPath(file), platform::Image::FILTERED, error);
}

void TGame::DoDrawWidescreenBorders() {
    if (!Gfx || !UsingVirtualResolution || !FullScreen || !DrawWidescreenBorders) return;
    if (!LeftBorderImage && !RightBorderImage) return;
    if (VR_graphicsratio <= VR_virtualratio) return;
    ResetVRViewport();
    if (LeftBorderImage)
        Gfx->DrawImage(*LeftBorderImage,
                       static_cast<float>(VR_viewportx - LeftBorderImage->Width()), 0);
    if (RightBorderImage)
        Gfx->DrawImage(*RightBorderImage, static_cast<float>(VR_viewportx + 1024 - 3), 0);
    RestoreVRViewPort();
}

// ---------------------------------------------------------------------------------------------
// Screen shake

void TGame::SetScreenShake(float range, float rangeChangePerTick, float ticks) {
    if (screenShake <= 0) return;
    if (screenShakeRange > 0) RestoreOrigin();
    const float scale = static_cast<float>(screenShake) / 100.0f;
    screenShakeRange = scale * range;
    screenShakeDelta = scale * rangeChangePerTick;
    screenShakeCounter = ticks;
    if (Gfx) {
        Gfx->GetViewport(screenshake_viewportx, screenshake_viewporty, screenshake_viewportw,
                         screenshake_viewporth);
    }
    DoScreenShake();
}

void TGame::DoScreenShake() {
    if (screenShakeRange <= 0) return;
    screenShakeRange += screenShakeDelta * Delta;
    if (screenShakeCounter > 0) {
        screenShakeCounter -= Delta;
        if (screenShakeCounter <= 0) {
            RestoreOrigin();
            return;
        }
    }
    if (screenShakeRange <= 0) {
        RestoreOrigin();
        return;
    }
    const float r = screenShakeRange;
    int x = static_cast<int>(Round(EffectsRandom.RndFloat(-r, r)));
    int y = static_cast<int>(Round(EffectsRandom.RndFloat(-r, r)));
    OffsetOrigin(x, y);
}

void TGame::OffsetOrigin(int x, int y) {
    if (!Gfx) return;
    Gfx->SetOrigin(vxOff + static_cast<float>(x), vyOff + static_cast<float>(y));
    Gfx->SetViewport(screenshake_viewportx + x, screenshake_viewporty + y, screenshake_viewportw,
                     screenshake_viewporth);
}

void TGame::RestoreOrigin() {
    if (Gfx) {
        if (!UsingVirtualResolution) {
            Gfx->SetOrigin(0, 0);
        } else if (VR_graphicsratio >= VR_virtualratio) {
            Gfx->SetOrigin(Round(vxOff), vyOff);
        } else {
            Gfx->SetOrigin(vxOff, Round(vyOff));
        }
        // Nothing remembered means no shake ever started: the viewport is already right.
        if (screenshake_viewportw > 0 || screenshake_viewporth > 0) {
            Gfx->SetViewport(screenshake_viewportx, screenshake_viewporty, screenshake_viewportw,
                             screenshake_viewporth);
        }
    }
    ClearScreenshake();
}

void TGame::ClearScreenshake() {
    screenShakeRange = screenShakeDelta = screenShakeCounter = 0;
}

void TGame::ScreenShakeSetIniValue(int v, int save) {
    screenShake = std::clamp(v, 0, 100);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

// ---------------------------------------------------------------------------------------------
// Window, pointer and toggles

void TGame::WindowResized(int w, int h) {
    if (w <= 0 || h <= 0) return;
    // The drawable size, which is what the virtual resolution maps onto.
    WindowWidth = Gfx && Gfx->IsOpen() ? Gfx->OutputWidth() : w;
    WindowHeight = Gfx && Gfx->IsOpen() ? Gfx->OutputHeight() : h;
    DoSetVirtualResolution(0);
}

void TGame::WindowToVirtual(int wx, int wy, int& vx, int& vy) const {
    vx = static_cast<int>(Round(static_cast<float>(wx) * VirtualRatioX) - vxOff);
    vy = static_cast<int>(Round(static_cast<float>(wy) * VirtualRatioY) - vyOff);
}

void TGame::VirtualToWindow(int vx, int vy, int& wx, int& wy) const {
    wx = static_cast<int>(Round((static_cast<float>(vx) + vxOff) / VirtualRatioX));
    wy = static_cast<int>(Round((static_cast<float>(vy) + vyOff) / VirtualRatioY));
}

void TGame::DoMoveMouse(int vx, int vy) {
    if (!Gfx) return;
    int wx, wy;
    VirtualToWindow(vx, vy, wx, wy);
    Gfx->MovePointer(wx, wy);
}

void TGame::RestoreMouseCoords() {
    DoMoveMouse(Mouse.x, Mouse.y);
}

void TGame::SetPriority() {
    // Raising a process above normal needs privileges a player does not have on Linux, and
    // lowering it would only slow the game: the four priority settings are kept in the
    // settings file and the game runs at normal priority.
}

bool TGame::WindowPositionChanged() const {
    if (!Gfx || !Gfx->IsOpen()) return false;
    int x, y;
    Gfx->WindowPosition(x, y);
    return x != WindowX || y != WindowY;
}

void TGame::SetWindowCoords() {
    if (Gfx && Gfx->IsOpen()) Gfx->WindowPosition(WindowX, WindowY);
}

void TGame::SetClientCoords() {
    // SDL places the client area at the window position it reports.
    ClientX = WindowX;
    ClientY = WindowY;
}

void TGame::ToggleFullScreen() {
    if (!FullScreen && ForceWindowedMode) return;
    FullScreen = FullScreen ? 0 : 1;
    GraphicsCreate(AlwaysForceDX7);
    if (CustomMousePointer && Gfx) Gfx->ShowPointer(false);
    AfterDisplayChange(*this);
}

void TGame::ToggleBorderless() {
    BorderlessWindow = BorderlessWindow ? 0 : 1;
    GraphicsCreate(AlwaysForceDX7);
    AfterDisplayChange(*this);
}

void TGame::ToggleWideScreen() {
    WideScreen = WideScreen ? 0 : 1;
    DoSetVirtualResolution(1);
    AfterDisplayChange(*this);
}

void TGame::ToggleVSync() {
    VSync = VSync ? 0 : 1;
    IniUpdate(1);
    SetFlipSync();
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
}

int TGame::SetDriver(int d) {
    if (d == Driver) return 0;
    Driver = d;
    if (Gfx) Gfx->Close();
    GraphicsCreate(AlwaysForceDX7);
    AfterDisplayChange(*this);
    return 1;
}

void TGame::ToggleCustomMousePointer() {
    CustomMousePointer = CustomMousePointer ? 0 : 1;
    if (Gfx) Gfx->ShowPointer(!CustomMousePointer);
}
