#include "framework/TScreen.h"

#include "framework/Messages.h"
#include "framework/TGame.h"

namespace {
std::shared_ptr<platform::Image> LoadScreenImage(const std::string& path, int flags) {
    std::string error;
    auto image = platform::Image::Load(Game->ResolveDataPath(path), flags, error);
    if (!image) {
        ShowMessage("Error loading bitmap " + path, 1, 1);
        return nullptr;
    }
    return std::shared_ptr<platform::Image>(std::move(image));
}
}  // namespace

void TScreen::ImageLoad(const std::string& file, int flags, int /*keepAlpha*/) {
    int useFlags = Game->UsingVirtualResolution ? platform::Image::FILTERED : flags;
    Image = LoadScreenImage(Game->ImagePath + file, useFlags);
    if (Image) Image->SetHandle(0, 0);
}

void TScreen::HeaderLoad(const std::string& file, int /*x*/, int /*y*/, int /*keepAlpha*/) {
    Header = LoadScreenImage(Game->ImagePath + file + Ext, platform::Image::FILTERED);
}

void TScreen::PreStart() {
    if (StopInit) {
        CoreStart();
    } else {
        Load();
        Start();
    }
}

void TScreen::ResetStops() {
    StopKill = 0;
    StopInit = 0;
}

void TScreen::Start() {
    Game->Mouse.On();
    Game->IgnoreEscapeKey = 0;
    CoreStart();
}

void TScreen::CoreStart() {
    Game->CurrentTScreen = this;
    if (Menu) Menu->ManageNoSound(0, 0);
    Game->FlushKeysAndMouse();
    Game->Mouse.ClearButtons();
    Game->FixedRateLogic.Init();
}

void TScreen::Kill() {
    Image.reset();
    Header.reset();
    if (Menu) {
        Menu->Kill();
        Menu.reset();
    }
}

void TScreen::Logic() {
    if (Menu) Menu->Manage(0, 0);
}

void TScreen::Draw() {
    auto& gfx = *Game->Gfx;
    if (Image) {
        gfx.SetBlend(platform::BlendMode::Solid);
        gfx.DrawImage(*Image, 0, 0);
    }
    gfx.SetBlend(platform::BlendMode::Alpha);
    if (Header) gfx.DrawImage(*Header, 0, 0);
    if (Menu) Menu->Draw(0, 0);
}

int TScreen::SetEscDestination() {
    Game->DestinationTScreen = Game->ExitScreen.get();
    return 0;
}
