// TGame: the drawing context, the virtual resolution and the display toggles.
#include "framework/TGame.h"

#include <cmath>

#include "framework/Globals.h"
#include "framework/Messages.h"

namespace {
std::string WindowTitle() {
    return GameTitle + " V" + AppVersion + " - by Quellborne";
}
}  // namespace

void TGame::GraphicsCreate(int /*forceDX7*/) {
    if (!Gfx) Gfx = std::make_unique<platform::Graphics>();
    platform::ContextSettings settings;
    settings.width = VirtualWidth;
    settings.height = VirtualHeight;
    settings.depth = 0;
    settings.borderless = BorderlessWindow != 0;
    settings.driver = Driver == 1 ? "opengl" : "";
    settings.title = WindowTitle();
    settings.vsync = VSync != 0;
    std::string error;
    if (!Gfx->Open(settings, error)) {
        GraphicsOpen = 0;
        ShowMessage("Unable to open graphics: " + error, 1, 1);
    }
    WindowWidth = Gfx->OutputWidth();
    WindowHeight = Gfx->OutputHeight();
    DoSetVirtualResolution();
    SetWindowCoords();
    SetClientCoords();
    FixedRateLogic.Init();
}

void TGame::DoSetVirtualResolution() {
    if (!Gfx) return;
    Gfx->SetVirtualResolution(static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
    VirtualRatioX = static_cast<float>(VirtualWidth) / static_cast<float>(WindowWidth);
    VirtualRatioY = static_cast<float>(VirtualHeight) / static_cast<float>(WindowHeight);
    vxOff = vyOff = 0;
    UsingVirtualResolution = 1;
    ResetVRViewport();
}

void TGame::DisableVirtualResolution() {
    UsingVirtualResolution = 0;
}

void TGame::ResetVRViewport() {
    VR_viewportx = VR_viewporty = 0;
    VR_viewportw = VirtualWidth;
    VR_viewporth = VirtualHeight;
    if (Gfx) Gfx->SetViewport(VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth);
}

void TGame::RestoreVRViewPort() {
    ResetVRViewport();
}

int TGame::NeedsCLSWidescreen() const {
    return 0;
}

void TGame::CLSWidescreen() {
    ClsWithColor();
}

void TGame::DoDrawWidescreenBorders() {}

void TGame::DoScreenShake() {}

void TGame::ClearScreenshake() {
    screenShakeRange = screenShakeDelta = screenShakeCounter = 0;
}

void TGame::WindowResized(int w, int h) {
    if (w <= 0 || h <= 0) return;
    WindowWidth = w;
    WindowHeight = h;
    DoSetVirtualResolution();
}

void TGame::ClsWithColor() {
    if (!Gfx) return;
    Gfx->SetClsColor(ClsColor.R, ClsColor.G, ClsColor.B);
    Gfx->Cls();
}

void TGame::DrawOverWholeArea() {
    if (Gfx) Gfx->DrawRect(-vxOff, -vyOff, VirtualWidth + 2 * vxOff, VirtualHeight + 2 * vyOff);
}

void TGame::WindowToVirtual(int wx, int wy, int& vx, int& vy) const {
    vx = static_cast<int>(std::floor(wx * VirtualRatioX + 0.5f) - vxOff);
    vy = static_cast<int>(std::floor(wy * VirtualRatioY + 0.5f) - vyOff);
}

void TGame::VirtualToWindow(int vx, int vy, int& wx, int& wy) const {
    wx = static_cast<int>(std::floor((vx + vxOff) / VirtualRatioX + 0.5f));
    wy = static_cast<int>(std::floor((vy + vyOff) / VirtualRatioY + 0.5f));
}

void TGame::DoMoveMouse(int vx, int vy) {
    if (!Gfx) return;
    int wx, wy;
    VirtualToWindow(vx, vy, wx, wy);
    Gfx->MovePointer(wx, wy);
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
    ClientX = WindowX;
    ClientY = WindowY;
}

void TGame::ToggleFullScreen() {
    if (ForceWindowedMode && !FullScreen) return;
    FullScreen = FullScreen ? 0 : 1;
    GraphicsCreate(0);
    IniUpdate(1);
}

void TGame::ToggleBorderless() {
    BorderlessWindow = BorderlessWindow ? 0 : 1;
    GraphicsCreate(0);
    IniUpdate(1);
}

void TGame::ToggleWideScreen() {
    WideScreen = WideScreen ? 0 : 1;
    DoSetVirtualResolution();
    IniUpdate(1);
}

void TGame::ToggleVSync() {
    VSync = VSync ? 0 : 1;
    SetFlipSync();
    FixedRateLogic.Init();
    IniUpdate(1);
}

int TGame::SetDriver(int d) {
    if (d == Driver) return 0;
    Driver = d;
    GraphicsCreate(0);
    IniUpdate(1);
    return 1;
}

void TGame::ToggleCustomMousePointer() {
    CustomMousePointer = CustomMousePointer ? 0 : 1;
    if (Gfx) Gfx->ShowPointer(!CustomMousePointer);
}
