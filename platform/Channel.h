#pragma once

#include <memory>

#include "platform/Sample.h"

namespace platform {

// One voice: plays one sample at a time. Works (silently) when the driver is "None".
//
// Playing() means "busy": true from Play (or Cue) until the sample ends or Stop, including
// while paused, so a paused voice is not mistaken for a free one. It is false when nothing
// is heard because the device is silent ("None") or was reopened since Play. Volume, pan,
// rate and Paused() are kept in every case; volume, pan and rate carry over to what plays
// next, on whatever device is open then.
class Channel {
public:
    Channel();
    ~Channel();
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    // Starts the sample from the beginning, or cues it paused (Resume starts it).
    // The sample loops when its Looped() flag is set.
    void Play(std::shared_ptr<Sample> sample, bool paused = false);
    void Cue(std::shared_ptr<Sample> sample) { Play(std::move(sample), true); }
    void Pause();
    // Continues a paused or cued sample. One paused across a device change starts over on
    // the new device, its place having gone with the old one.
    void Resume();
    // Stops and lets go of the sample (Current() becomes null).
    void Stop();
    bool Playing() const;
    bool Paused() const { return paused; }

    void SetVolume(float volume);  // 0.0 - 1.0
    void SetPan(float pan);        // -1.0 left .. 1.0 right (mono samples only)
    void SetRate(float rate);      // 1.0 = as recorded
    float Volume() const { return volume; }
    float Pan() const { return pan; }
    float Rate() const { return rate; }
    const std::shared_ptr<Sample>& Current() const { return sample; }

private:
    void EnsureSource();
    bool SourceLive() const;
    void ApplySettings();
    unsigned source = 0;
    unsigned sourceGeneration = 0;
    std::shared_ptr<Sample> sample;
    float volume = 1.0f;
    float pan = 0.0f;
    float rate = 1.0f;
    bool paused = false;
};

}  // namespace platform
