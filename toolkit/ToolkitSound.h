#pragma once
#include <functional>
#include <string>

// The toolkit names its sounds (the sound bank's keys) and plays them through this hook, which
// the sound layer installs; until then nothing is heard. An empty name is no sound.
extern std::function<void(const std::string& name, float volume)> ToolkitSoundPlayer;

// Plays the named sound at volume (1.0 = full) when a player is installed.
void PlayToolkitSound(const std::string& name, float volume = 1.0f);
