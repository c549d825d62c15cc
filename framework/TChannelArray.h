#pragma once

#include <memory>
#include <vector>

#include "framework/TGameChannel.h"
#include "framework/TGameSound.h"

// The pool of sound-effect channels. Channels are handed out round-robin, and the volumes of
// all of them are balanced so that many sounds at once do not add up to a roar.
class TChannelArray {
public:
    // The loudness the playing sounds share: each plays at MaxVol / (sounds playing), at most 1.
    float MaxVol = 1.5f;
    // The channel handed out last.
    std::shared_ptr<TGameChannel> Current;

    // n fresh channels; Current is the first.
    static std::unique_ptr<TChannelArray> Create(int n);

    // Sets every channel to the balance for the sounds playing plus extra about to start, and
    // returns that balance (MaxVol / n, at most 1.0; 1.0 when nothing plays).
    float BalanceVolumes(int extra);
    // Counting from 1; null outside the pool.
    std::shared_ptr<TGameChannel> ChannelByIndex(int i) const;
    int CountPlaying() const;
    // The next free channel after Current, wrapping round: not reserved, and either idle or
    // one that may be interrupted. Null when every channel is taken.
    std::shared_ptr<TGameChannel> GetChannel();
    // Stops and removes every channel.
    void Kill();
    // Once per tick: rebalance for what is playing now.
    void Manage();
    // Plays sound at volume (0-1) and pan on channel, or on GetChannel() when channel is null.
    // Returns the channel used; null (and nothing plays) when the pool is full.
    std::shared_ptr<TGameChannel> PlayGameSound(TGameSound& sound,
                                                std::shared_ptr<TGameChannel> channel = nullptr,
                                                float volume = 1.0f, float pan = 0.0f);
    // Every channel's volume = its OriginalVolume x v x the sound setting.
    void SetVolume(float v);
    // Takes the channel out of the pool, stops it and puts a fresh one in its place (which
    // becomes Current).
    void StopGameChannel(const std::shared_ptr<TGameChannel>& channel);

    int Count() const { return static_cast<int>(channels.size()); }
    const std::vector<std::shared_ptr<TGameChannel>>& Channels() const { return channels; }

private:
    std::vector<std::shared_ptr<TGameChannel>> channels;
};
