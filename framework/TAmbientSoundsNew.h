#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/TGameSound.h"
#include "platform/Channel.h"

// Background sounds on a channel of their own: when the last one has finished, every
// interval a chance of another, never the same twice running (unless allowed), and one for
// certain after enough misses.
class TAmbientSoundsNew {
public:
    static constexpr int MAX_AMBIENT_SOUNDS = 8;

    std::shared_ptr<platform::Channel> ambientChannel;
    std::string ambientSoundPath;
    std::string ambientSoundFileExtension;
    int allowRepeats = 0;
    int maxFails = 10;
    int percentChance = 10;
    int useSpeechChannelVolume = 0;
    float volume = 1.0f;

    // A fresh channel, the "AmbientSounds/" folder of the sound path, ".ogg", a one-second
    // interval and no sounds.
    void Init();
    void Kill();
    // Loads ambientSoundPath + name + ambientSoundFileExtension; ignored once full.
    void LoadAmbientSound(const std::string& name);
    // Once per tick; force plays a sound now (unless one is still playing).
    void Logic(int force = 0);
    void SetCounterMax(int ms);
    void Stop();

    int Total() const { return _ambientSoundTotal; }
    int LastIndex() const { return _lastIndex; }
    int CurrentFails() const { return _currentFails; }
    float Counter() const { return _counter; }
    float CounterMax() const { return _counterMax; }

private:
    std::array<std::shared_ptr<TGameSound>, MAX_AMBIENT_SOUNDS> _ambientSoundArray;
    int _ambientSoundTotal = 0;
    float _counter = 0, _counterMax = 0;
    int _currentFails = 0;
    int _lastIndex = -1;
};
