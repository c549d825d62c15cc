#pragma once

#include <memory>
#include <string>

#include "platform/Channel.h"

// One voice of the game's channel pool.
class TGameChannel {
public:
    TGameChannel();

    std::shared_ptr<platform::Channel> Channel;  // allocated on creation
    std::string name;
    // 1 = never handed out by the pool (kept for one owner).
    int Reserved = 0;
    // 1 = the pool does not interrupt it while it plays.
    int PlayWhenFinished = 1;
    // The volume asked for, before balancing and the sound setting.
    float OriginalVolume = 1.0f;

    static std::shared_ptr<TGameChannel> Create();
    // Stops what it plays.
    void Kill();
    bool Playing() const { return Channel && Channel->Playing(); }
};
