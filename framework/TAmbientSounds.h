#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/TGameSound.h"

// Background sounds played now and then through the channel pool: every interval, a chance
// of one of them.
class TAmbientSounds {
public:
    static constexpr int MAX_SOUNDS = 20;

    int Chance = 0;  // percent per interval
    float SoundCounter = 0;
    int SoundCounterMax = 0;  // ticks
    std::array<std::shared_ptr<TGameSound>, MAX_SOUNDS> Sounds;
    int TotalSounds = 0;

    // Ignored once MAX_SOUNDS are held.
    void AddSound(std::shared_ptr<TGameSound> sound);
    // Loads Game->SoundPath + prefix + i + ext for i = 0 .. count - 1.
    void Fill(const std::string& prefix, int count, const std::string& ext);
    void Init(int intervalMs, int chance);
    void Kill();
    void Manage();
};
