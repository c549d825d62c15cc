// TGame: music, speech and the sound driver.
#include "framework/TGame.h"

#include "platform/AudioDevice.h"

int TGame::GetMusicVolume() const {
    return CustomMusicVolume ? CustomMusicVolume : MusicVolume;
}

void TGame::MusicOn() {
    Music = 1;
    if (MusicChannel && MusicSample) MusicChannel->Resume();
}

void TGame::MusicOff() {
    Music = 0;
    if (MusicChannel) MusicChannel->Pause();
}

void TGame::SpeechOn() {
    Speech = 1;
    if (SpeechChannel && SpeechChannel->Current()) SpeechChannel->Resume();
}

void TGame::SpeechOff() {
    Speech = 0;
    if (SpeechChannel) SpeechChannel->Pause();
}

void TGame::MusicFadeInManage() {}
void TGame::MusicFadeOutManage() {}

void TGame::MusicNone() {
    if (MusicChannel) MusicChannel->Stop();
    MusicSample.reset();
    MusicName = "none";
}

void TGame::SpeechStop() {
    if (SpeechChannel) SpeechChannel->Stop();
}

void TGame::PlayEscapeSound() {
    if (!Sound || !EscapeSound || !EscapeChannel) return;
    EscapeChannel->SetVolume(SoundVolume / 100.0f);
    EscapeChannel->Play(EscapeSound);
}

void TGame::ChangeSoundDriver(const std::string& name) {
    SoundDriver = platform::AudioDevice::Open(name);
}
