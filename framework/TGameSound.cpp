#include "framework/TGameSound.h"

#include "framework/AssetBanks.h"
#include "framework/Messages.h"
#include "framework/TGame.h"

std::shared_ptr<TGameSound> TGameSound::Create(const std::string& path, int flags) {
    auto sound = std::make_shared<TGameSound>();
    sound->Load(path, flags);
    return sound;
}

void TGameSound::Load(const std::string& path, int flags) {
    name = AssetKey(AssetBaseName(path));
    std::string error;
    bool looped = flags > 0 && (flags & 1);
    sound = platform::Sample::Load(Game ? Game->ResolveDataPath(path) : path, looped, error);
    if (!sound) ShowMessage("Error loading sample " + path, 1, 1);
}

void TGameSound::PlayInChannel(std::shared_ptr<platform::Channel>& channel, float pan) {
    if (Game) Game->GameSoundPlay(channel, *this, pan);
}
