#include "toolkit/ToolkitSound.h"

std::function<void(const std::string& name, float volume)> ToolkitSoundPlayer;

void PlayToolkitSound(const std::string& name, float volume) {
    if (name.empty() || !ToolkitSoundPlayer) return;
    ToolkitSoundPlayer(name, volume);
}
