#include "framework/TSoundBank.h"

#include "framework/AssetBanks.h"
#include "framework/Messages.h"

TSoundBank SoundBank;

void TSoundBank::SetPath(const std::string& path) {
    Path = path;
    if (!Path.empty() && Path.back() != '/' && Path.back() != '\\') Path += '/';
}

std::string TSoundBank::FullPath(const std::string& file) const {
    return Path + file + (AssetHasExtension(file) ? "" : Ext);
}

std::shared_ptr<TGameSound> TSoundBank::Load(const std::string& file, float pitch, float volume,
                                             const std::string& name, int flags) {
    auto sound = TGameSound::Create(FullPath(file), flags);
    sound->pitch = pitch;
    sound->volume = volume;
    entries[AssetKey(name.empty() ? AssetBaseName(file) : name)] = sound;
    return sound;
}

std::shared_ptr<TGameSound> TSoundBank::Find(const std::string& name) const {
    std::string key = AssetKey(name);
    auto it = entries.find(key);
    if (it != entries.end()) return it->second;
    if (FatalMissingAssets) ShowMessage("Sound '" + key + "' was not found in the SoundBank", 1, 1);
    return nullptr;
}

bool TSoundBank::Contains(const std::string& name) const {
    return entries.count(AssetKey(name)) != 0;
}
