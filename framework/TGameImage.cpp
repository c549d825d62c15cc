#include "framework/TGameImage.h"

#include "framework/AssetBanks.h"
#include "framework/Messages.h"
#include "framework/TGame.h"
#include "platform/Graphics.h"

namespace {

// The game's flags to the drawing layer's: negative means the default (smooth scaling).
int ImageFlags(int flags) {
    if (flags < 0) return platform::Image::FILTERED;
    return flags & platform::Image::FILTERED;
}

std::string Resolve(const std::string& path) {
    return Game ? Game->ResolveDataPath(path) : path;
}

}  // namespace

std::string TGameImage::KeyOf(const std::string& path) {
    return AssetKey(AssetBaseName(path));
}

std::shared_ptr<TGameImage> TGameImage::Create(const std::string& path, int flags, int mid) {
    auto image = std::make_shared<TGameImage>();
    image->Load(path, flags, mid);
    return image;
}

std::shared_ptr<TGameImage> TGameImage::CreateAuto(const std::string& path, int cellW, int cellH,
                                                   int first, int count, int flags, int mid) {
    auto image = std::make_shared<TGameImage>();
    if (count >= 2) {
        image->LoadAnim(path, cellW, cellH, first, count, flags, mid);
    } else {
        image->Load(path, flags, mid);
    }
    return image;
}

std::shared_ptr<TGameImage> TGameImage::CreateFromImage(std::shared_ptr<platform::Image> image,
                                                        const std::string& name, int mid) {
    auto result = std::make_shared<TGameImage>();
    result->name = AssetKey(name);
    result->image = std::move(image);
    if (result->image) result->Loaded(mid);
    return result;
}

void TGameImage::Load(const std::string& path, int flags, int mid) {
    name = KeyOf(path);
    std::string error;
    auto loaded = platform::Image::Load(Resolve(path), ImageFlags(flags), error);
    if (!loaded) {
        ShowMessage("Error loading bitmap " + path, 1, 1);
        return;
    }
    image = std::shared_ptr<platform::Image>(std::move(loaded));
    Loaded(mid);
}

void TGameImage::LoadAnim(const std::string& path, int cellW, int cellH, int first, int count,
                          int flags, int mid) {
    name = KeyOf(path);
    std::string error;
    auto loaded = platform::Image::LoadStrip(Resolve(path), cellW, cellH, first, count,
                                             ImageFlags(flags), error);
    if (!loaded) {
        ShowMessage("Error loading bitmap " + path, 1, 1);
        return;
    }
    image = std::shared_ptr<platform::Image>(std::move(loaded));
    Loaded(mid);
}

void TGameImage::Loaded(int mid) {
    GetSize();
    MidHandle(mid);
    if (PrecacheImages) Precache();
}

void TGameImage::GetSize() {
    w = image ? image->Width() : 0;
    h = image ? image->Height() : 0;
    w2 = w / 2.0f;
    h2 = h / 2.0f;
}

void TGameImage::MidHandle(int flag) {
    midhandled = flag ? 1 : 0;
    if (!image) return;
    if (midhandled) {
        image->MidHandle();
    } else {
        image->SetHandle(0, 0);
    }
}

void TGameImage::SetTrimHandle(std::shared_ptr<TTrimData> trim) {
    trimData = std::move(trim);
    if (image && trimData)
        image->SetHandle(static_cast<float>(-trimData->xOffset),
                         static_cast<float>(-trimData->yOffset));
}

void TGameImage::Precache() {
    if (image && Game && Game->Gfx && Game->Gfx->IsOpen()) Game->Gfx->Upload(*image);
}

size_t TGameImage::CalcRAM() const {
    if (!image) return 0;
    return static_cast<size_t>(image->Width()) * image->Height() * 4 * image->Frames();
}

size_t TGameImage::CalcVRAM() const {
    return CalcRAM();
}

void TGameImage::Draw(float x, float y, int frame) const {
    if (!image || !Game || !Game->Gfx) return;
    Game->Gfx->DrawImage(*image, x, y, frame);
}

void TGameImage::Draw(float x, float y, int frame, float shadowX, float shadowY,
                      float shadowAlpha) const {
    if (!image || !Game || !Game->Gfx) return;
    auto& gfx = *Game->Gfx;
    gfx.SetColor(0, 0, 0);
    gfx.SetAlpha(shadowAlpha);
    gfx.DrawImage(*image, x + shadowX, y + shadowY, frame);
    gfx.SetAlpha(1.0f);
    gfx.SetColor(255, 255, 255);
    gfx.DrawImage(*image, x, y, frame);
}
