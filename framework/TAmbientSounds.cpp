#include "framework/TAmbientSounds.h"

#include "framework/Globals.h"
#include "framework/TChannelArray.h"
#include "framework/TGame.h"
#include "framework/TRandom.h"

void TAmbientSounds::AddSound(std::shared_ptr<TGameSound> sound) {
    if (!sound || TotalSounds >= MAX_SOUNDS) return;
    Sounds[static_cast<size_t>(TotalSounds++)] = std::move(sound);
}

void TAmbientSounds::Fill(const std::string& prefix, int count, const std::string& ext) {
    for (int i = 0; i < count; ++i)
        AddSound(TGameSound::Create(Game->SoundPath + prefix + std::to_string(i) + ext));
}

void TAmbientSounds::Init(int intervalMs, int chance) {
    SoundCounterMax = static_cast<int>(Game->CalcAnimLength(intervalMs));
    SoundCounter = static_cast<float>(SoundCounterMax);
    Chance = chance;
}

void TAmbientSounds::Kill() {
    for (auto& sound : Sounds) sound.reset();
    TotalSounds = 0;
}

void TAmbientSounds::Manage() {
    SoundCounter -= Delta;
    if (SoundCounter > 0) return;
    SoundCounter += static_cast<float>(SoundCounterMax);
    if (EffectsRandom.Rand(1, 100) > Chance || TotalSounds == 0) return;
    auto& sound = Sounds[static_cast<size_t>(EffectsRandom.Rand(0, TotalSounds - 1))];
    if (sound && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, sound->volume, 0);
}
