#include "framework/TAmbientSoundsNew.h"

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TRandom.h"

void TAmbientSoundsNew::Init() {
    ambientChannel = std::make_shared<platform::Channel>();
    ambientSoundPath = Game->SoundPath + "AmbientSounds/";
    ambientSoundFileExtension = ".ogg";
    SetCounterMax(1000);
    for (auto& sound : _ambientSoundArray) sound.reset();
    _ambientSoundTotal = 0;
    _counter = 0;
    _currentFails = 0;
    _lastIndex = -1;
}

void TAmbientSoundsNew::Kill() {
    Stop();
    for (auto& sound : _ambientSoundArray) sound.reset();
    _ambientSoundTotal = 0;
}

void TAmbientSoundsNew::LoadAmbientSound(const std::string& name) {
    if (_ambientSoundTotal >= MAX_AMBIENT_SOUNDS) return;
    _ambientSoundArray[static_cast<size_t>(_ambientSoundTotal++)] =
        TGameSound::Create(ambientSoundPath + name + ambientSoundFileExtension);
}

void TAmbientSoundsNew::SetCounterMax(int ms) {
    _counterMax = Game->CalcAnimLength(ms);
}

void TAmbientSoundsNew::Logic(int force) {
    if (!ambientChannel || _ambientSoundTotal == 0) return;
    _counter += Delta;
    if (!(_counter >= _counterMax || force)) return;
    _counter = 0;
    if (ambientChannel->Playing()) return;
    if (_currentFails >= maxFails) {
        _currentFails = 0;
        force = 1;
    }
    int roll = EffectsRandom.Rand(1, 100);
    if (!(roll <= percentChance || force)) {
        _currentFails += 1;
        return;
    }
    _currentFails = 0;
    int index = EffectsRandom.Rand(0, _ambientSoundTotal - 1);
    for (int tries = 1; tries < 50 && index == _lastIndex && !allowRepeats; ++tries)
        index = EffectsRandom.Rand(0, _ambientSoundTotal - 1);
    auto& sound = _ambientSoundArray[static_cast<size_t>(index)];
    float v = useSpeechChannelVolume ? Game->SpeechVolume / 100.0f : volume;
    ambientChannel->SetVolume(v);
    ambientChannel->SetRate(sound->pitch);
    ambientChannel->Play(sound->sound);
    _lastIndex = index;
}

void TAmbientSoundsNew::Stop() {
    if (ambientChannel && ambientChannel->Playing()) {
        ambientChannel->Stop();
        ambientChannel = std::make_shared<platform::Channel>();
    }
}
