#include "framework/TImageBank.h"

#include <cstdio>

#include "framework/AssetBanks.h"
#include "framework/Messages.h"

TImageBank ImageBank;

void TImageBank::SetPath(const std::string& path) {
    Path = path;
    if (!Path.empty() && Path.back() != '/' && Path.back() != '\\') Path += '/';
}

std::string TImageBank::FullPath(const std::string& file) const {
    return Path + file + (AssetHasExtension(file) ? "" : Ext);
}

std::shared_ptr<TGameImage> TImageBank::Load(const std::string& file, const std::string& name,
                                             int flags, int mid) {
    if (flags == -1 && defaultFlags != -1) flags = defaultFlags;
    auto image = TGameImage::Create(FullPath(file), flags, mid);
    Add(name.empty() ? TGameImage::KeyOf(file) : AssetKey(name), image);
    return image;
}

std::shared_ptr<TGameImage> TImageBank::LoadNoMid(const std::string& file, const std::string& name,
                                                  int flags) {
    return Load(file, name, flags, 0);
}

std::shared_ptr<TGameImage> TImageBank::LoadAnim(const std::string& file, int cellW, int cellH,
                                                 int first, int count, int flags, int mid) {
    if (flags == -1 && defaultFlags != -1) flags = defaultFlags;
    auto image = std::make_shared<TGameImage>();
    image->LoadAnim(Path + file + Ext, cellW, cellH, first, count, flags, mid);
    Add(TGameImage::KeyOf(file), image);
    return image;
}

void TImageBank::Add(const std::string& key, std::shared_ptr<TGameImage> image) {
    entries[AssetKey(key)] = std::move(image);
}

bool TImageBank::Contains(const std::string& name) const {
    return entries.count(AssetKey(name)) != 0;
}

std::shared_ptr<TGameImage> TImageBank::Find(const std::string& name, int quiet) const {
    std::string key = AssetKey(name);
    auto it = entries.find(key);
    if (it != entries.end()) return it->second;
    if (FatalMissingAssets && !quiet)
        ShowMessage("Image '" + key + "' was not found in the ImageBank", 1, 1);
    return nullptr;
}

std::shared_ptr<platform::Image> TImageBank::FindTImage(const std::string& name) const {
    auto it = entries.find(AssetKey(name));
    return it == entries.end() || !it->second ? nullptr : it->second->image;
}

void TImageBank::Precache() {
    for (auto& [key, image] : entries)
        if (image) image->Precache();
}

size_t TImageBank::CalcRAM() const {
    size_t total = 0;
    for (auto& [key, image] : entries)
        if (image) total += image->CalcRAM();
    return total;
}

size_t TImageBank::CalcVRAM() const {
    size_t total = 0;
    for (auto& [key, image] : entries)
        if (image) total += image->CalcVRAM();
    return total;
}

void TImageBank::PrintRAM() const {
    std::printf("ImageBank RAM=%zu KB\n", CalcRAM() / 1024);
}

void TImageBank::PrintVRAM() const {
    std::printf("ImageBank VRAM=%zu KB\n", CalcVRAM() / 1024);
}
