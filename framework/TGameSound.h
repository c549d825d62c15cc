#pragma once

#include <memory>
#include <string>

#include "platform/Channel.h"
#include "platform/Sample.h"

// One named sound effect of the sound bank, with the rate and loudness it plays at.
class TGameSound {
public:
    std::string name;  // upper case: the bank key
    std::shared_ptr<platform::Sample> sound;
    float pitch = 1.0f;  // playback rate
    float volume = 1.0f;

    // Loads path (a data path; case does not matter). flags bit 1 = looped. A file that cannot
    // be read is fatal: "Error loading sample " + path.
    static std::shared_ptr<TGameSound> Create(const std::string& path, int flags = 0);
    void Load(const std::string& path, int flags = 0);
    // Plays on channel (a fresh one is made when it is null) through the game's volumes.
    void PlayInChannel(std::shared_ptr<platform::Channel>& channel, float pan = 0.0f);
};
