#include "framework/TLoadingScreen.h"

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/Messages.h"
#include "framework/TGame.h"
#include "platform/Event.h"
#include "platform/PathResolver.h"

namespace {

std::shared_ptr<platform::Image> LoadOptional(const std::string& path) {
    std::string resolved = Game->ResolveDataPath(path);
    if (!platform::PathResolver::Exists(resolved)) return nullptr;
    std::string error;
    return std::shared_ptr<platform::Image>(
        platform::Image::Load(resolved, platform::Image::FILTERED, error));
}

std::shared_ptr<platform::Image> LoadRequired(const std::string& path, int flags) {
    std::string error;
    auto image = platform::Image::Load(Game->ResolveDataPath(path), flags, error);
    if (!image) ShowMessage("Error loading bitmap " + path, 1, 1);
    return std::shared_ptr<platform::Image>(std::move(image));
}

// "LoadingBar.png" -> "LoadingBar" + insert + ".png".
std::string Companion(const std::string& path, const std::string& insert) {
    auto dot = path.rfind('.');
    if (dot == std::string::npos) return path + insert;
    return path.substr(0, dot) + insert + path.substr(dot);
}

}  // namespace

TLoadingScreen::TLoadingScreen() : LoadingBar(std::make_unique<TLoadingBar>()) {
    name = "loading";
}

void TLoadingScreen::SpecialLoad(const std::string& background, const std::string& barImage,
                                 const std::string& loadingTextImage) {
    name = "loading";
    if (!background.empty()) ImageLoad(background, 0, 1);
    if (!LoadingBar) LoadingBar = std::make_unique<TLoadingBar>();
    if (!barImage.empty()) {
        std::string path = Game->ImagePath + barImage;
        auto bar = LoadRequired(path, platform::Image::FILTERED);
        LoadingBar->Init(bar, LoadOptional(Companion(path, "empty")),
                         LoadOptional(Companion(path, "final")));
    }
    if (!loadingTextImage.empty()) {
        LoadingTextImage = LoadRequired(Game->ImagePath + loadingTextImage,
                                        platform::Image::FILTERED | platform::Image::MID_HANDLE);
        if (LoadingTextImage) LoadingTextImage->MidHandle();
        LoadingX = 512;
        LoadingY = 384;
    }
    Finished = 0;
    Game->MusicNone();
}

void TLoadingScreen::Kill() {
    TScreen::Kill();
    LoadingBar.reset();
    LoadingTextImage2.reset();
    if (ClickHereButton) {
        ClickHereButton->Kill();
        ClickHereButton.reset();
    }
    if (CustomKillFunction) CustomKillFunction();
}

void TLoadingScreen::SetSteps(int n) {
    if (LoadingBar) LoadingBar->SetSteps(n);
}

void TLoadingScreen::SetClickHereButton(std::shared_ptr<TWidget> button) {
    ClickHereButton = std::move(button);
}

void TLoadingScreen::Progress() {
    if (!LoadingBar) return;
    LoadingBar->Progress();
    Finished = LoadingBar->Finished;
    if (Finished) {
        Game->FlushKeysAndMouse();
        RefreshPointer();
    }
}

void TLoadingScreen::RefreshPointer() {
    if (!Game->Gfx || !Game->Gfx->IsOpen()) return;
    int wx = 0, wy = 0;
    platform::Input::PointerPosition(wx, wy);
    int vx = wx, vy = wy;
    if (Game->UsingVirtualResolution) Game->WindowToVirtual(wx, wy, vx, vy);
    Game->Mouse.MoveTo(vx, vy);
}

void TLoadingScreen::Logic() {
    if (ClickHereButton) {
        bool clicked = ClickHereButton->Manage(0, 0) == 1;
        bool other = Game->Mouse.GetMh(true);
        if (!EscapeCloses && KeyHit(platform::keys::ESCAPE)) other = true;
        if (!clicked && !other) return;
        if (!clicked) ClickHereButton->Press();
    }
    if (Game->Fading()) return;
    Game->GameFade.Init(static_cast<float>(FadeLength), 1, FadeMusic ? Game->MusicChannel : nullptr,
                        0, 0, nullptr);
    Game->DestinationTScreen = Destination;
}

void TLoadingScreen::DrawLoading(int mode) {
    auto& gfx = *Game->Gfx;
    if (mode != 0) Game->ClsWithColor();
    auto& text =
        (LoadingTextImage2 && DrawLoadingTextImage2) ? LoadingTextImage2 : LoadingTextImage;
    if (text && (mode == 0 || (mode == 1 && Game->Music))) {
        gfx.SetBlend(platform::BlendMode::Alpha);
        gfx.DrawImage(*text, static_cast<float>(LoadingX), static_cast<float>(LoadingY));
    }
    if (mode != 0) {
        if (!Game->FadeMouse) Game->Mouse.Draw();
        gfx.Flip(1);
    }
}

void TLoadingScreen::Draw() {
    TScreen::Draw();
    if (Finished && ClickHereButton) {
        if (LoadingBar) LoadingBar->Draw();
        ClickHereButton->Draw(0, 0);
    } else {
        if (LoadingBar) LoadingBar->Draw();
        Game->Gfx->SetBlend(platform::BlendMode::Alpha);
        if (!Finished) DrawLoading(0);
    }
    if (CustomDrawFunction) CustomDrawFunction();
}

void TLoadingScreen::Start() {
    TScreen::Start();
    if (!EscapeCloses) Game->IgnoreEscapeKey = 1;
}
