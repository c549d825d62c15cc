// TGame: sound effects, speech, music and the sound driver.
#include "framework/TGame.h"

#include <algorithm>

#include "framework/AssetBanks.h"
#include "framework/Globals.h"
#include "framework/Messages.h"
#include "platform/AudioDevice.h"

namespace {

// Music named "none" (or nothing) is silence, never a file.
bool IsSilence(const std::string& file) {
    return file.empty() || AssetKey(file) == "NONE";
}

int ClampVolume(int v) {
    return std::clamp(v, 0, 100);
}

// (L - counter) / L for a fade of ms; a fade too short to last a tick is complete.
float FadeShare(const TGame& game, float ms, float counter) {
    float length = game.CalcAnimLength(static_cast<int>(ms));
    if (length <= 0) return 1.0f;
    return (length - counter) / length;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Sound effects

std::shared_ptr<platform::Channel> TGame::SoundPlay(std::shared_ptr<platform::Sample> sample) {
    if (!Sound || !sample) return nullptr;
    // Channels whose sound has ended are let go here, so the list stays short.
    std::erase_if(LooseChannels, [](auto& c) { return !c->Playing(); });
    auto channel = std::make_shared<platform::Channel>();
    channel->SetVolume(SoundVolume / 100.0f);
    channel->Play(std::move(sample));
    LooseChannels.push_back(channel);
    return channel;
}

void TGame::SoundPlaySameChannel(std::shared_ptr<platform::Channel>& channel,
                                 std::shared_ptr<platform::Sample> sample) {
    if (!Sound || !sample) return;
    if (!channel) channel = std::make_shared<platform::Channel>();
    if (channel->Playing()) channel->SetVolume(0.1f);
    channel->SetVolume(SoundVolume / 100.0f);
    channel->Play(std::move(sample));
}

void TGame::SoundPlayReturnChannel(std::shared_ptr<platform::Channel>& channel,
                                   std::shared_ptr<platform::Sample> sample, float rate) {
    if (!Sound || !sample) return;
    channel = std::make_shared<platform::Channel>();
    channel->SetVolume(SoundVolume / 100.0f);
    channel->SetRate(rate);
    channel->Play(std::move(sample));
}

void TGame::GameSoundPlay(std::shared_ptr<platform::Channel>& channel, TGameSound& gameSound,
                          float pan, float volume) {
    if (!Sound || !gameSound.sound) return;
    if (!channel) channel = std::make_shared<platform::Channel>();
    if (channel->Playing()) channel->SetVolume(0.1f);
    float v = (volume < 0 ? gameSound.volume : volume) * SoundVolume / 100.0f;
    if (GameFade.Active) v *= GameFade.Ratio;
    channel->SetVolume(v);
    channel->SetPan(pan);
    channel->SetRate(gameSound.pitch);
    channel->Play(gameSound.sound);
}

void TGame::SoundSetVolume(int v, int save) {
    SoundVolume = ClampVolume(v);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

void TGame::SoundChangeVolume(int d) {
    SoundSetVolume(SoundVolume + d, 1);
}

void TGame::ToggleSound() {
    Sound ? SoundOff() : SoundOn();
    IniUpdate(0);
    FixedRateLogic.Init();
}

void TGame::SoundOff() {
    Sound = 0;
}

void TGame::SoundOn() {
    Sound = 1;
}

void TGame::ChannelsCreate(int n) {
    Channels = TChannelArray::Create(n);
    Channels->MaxVol = static_cast<float>(n);
}

void TGame::ChannelsKill() {
    if (Channels) Channels->Kill();
    Channels.reset();
}

void TGame::ChangeSoundDriver(const std::string& name, int save) {
    // Every driver name is an OpenAL device here, so there is no back end to switch first.
    SoundDriver = platform::AudioDevice::Open(name);
    IniUpdate(save);
    FixedRateLogic.Init();
}

void TGame::SetEscapeSound(const std::string& name) {
    EscapeSound = TGameSound::Create(SoundPath + name + ".wav");
}

void TGame::EscapeSoundPlay() {
    if (!EscapeSound) return;
    GameSoundPlay(EscapeChannel, *EscapeSound, 0.0f);
}

void TGame::StopChannels() {
    if (MusicChannel) MusicChannel->Stop();
    MusicChannel = std::make_shared<platform::Channel>();
    if (SpeechChannel) SpeechChannel->Stop();
    SpeechChannel = std::make_shared<platform::Channel>();
}

// ---------------------------------------------------------------------------------------------
// Speech

void TGame::SpeechPlay(TGameSound& gameSound, int interrupt) {
    if (!Speech || !SpeechChannel || !gameSound.sound) return;
    if (SpeechChannel->Playing() && !interrupt) return;
    SpeechChannel->SetVolume(SpeechVolume / 100.0f);
    SpeechChannel->Play(gameSound.sound);
    SpeechStopped = 0;
}

void TGame::SpeechStop() {
    if (!SpeechChannel || !SpeechChannel->Playing()) return;
    SpeechChannel->Stop();
    SpeechChannel = std::make_shared<platform::Channel>();
}

void TGame::SpeechOff() {
    Speech = 0;
    if (SpeechChannel) SpeechChannel->Pause();
}

void TGame::SpeechOn() {
    if (Speech) return;
    Speech = 1;
    if (SpeechChannel && !SpeechStopped) SpeechChannel->Resume();
}

void TGame::SpeechSetVolume(int v, int save) {
    SpeechVolume = ClampVolume(v);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

void TGame::SpeechChangeVolume(int d) {
    SpeechSetVolume(SpeechVolume + d, 1);
}

// ---------------------------------------------------------------------------------------------
// Music

void TGame::MusicLoad(const std::string& file, int looped) {
    if (Music) {
        MusicStop();
        MusicSample.reset();
        if (!IsSilence(file)) {
            std::string path = MusicPath + file;
            std::string error;
            MusicSample = platform::Sample::Load(ResolveDataPath(path), looped != 0, error);
            if (!MusicSample) ShowMessage("Error loading sample " + path, 1, 1);
        }
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = file;
}

void TGame::MusicSet(std::shared_ptr<platform::Sample> sample, const std::string& name,
                     int looped) {
    if (Music) {
        MusicStop();
        MusicSample = std::move(sample);
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = name;
}

void TGame::MusicPlay(int fadeIn, int customVolume, int startSilent) {
    CustomMusicVolume = customVolume;
    if (Music) {
        if (MusicChannel && MusicSample) {
            MusicFadeInCounter = fadeIn ? CalcAnimLength(static_cast<int>(MusicFadeIn - 1)) : 0.0f;
            MusicChannel->Cue(MusicSample);
            MusicFadeInApply();
            if (startSilent) MusicChannel->SetVolume(0);
            MusicChannel->Resume();
            MusicRestart = 0;
            MusicStopped = 0;
        }
    } else {
        MusicRestart = 1;
    }
    MusicName = MusicFileName;
}

void TGame::MusicNone() {
    // The piece that was playing goes too: the state says there is no music.
    MusicStop();
    MusicFileName = MusicName = "none";
    MusicRestart = 1;
    MusicSample.reset();
}

void TGame::MusicStop() {
    if (Music && MusicChannel && (MusicChannel->Playing() || MusicChannel->Current())) {
        MusicChannel->Stop();
        MusicChannel = std::make_shared<platform::Channel>();
    }
    MusicRestart = 1;
}

bool TGame::MusicIsPlaying() const {
    return MusicChannel && MusicChannel->Playing();
}

bool TGame::MusicIsAudible() const {
    return Music == 1 && MusicVolume > 0;
}

int TGame::GetMusicVolume() const {
    if (CustomMusicVolume == 0) return MusicVolume;
    return MusicVolume * CustomMusicVolume / 100;
}

float TGame::MusicFadeInCalc() const {
    return FadeShare(*this, MusicFadeIn, MusicFadeInCounter);
}

float TGame::MusicFadeOutCalc() const {
    return FadeShare(*this, MusicFadeOut, MusicFadeOutCounter);
}

void TGame::MusicFadeInApply() {
    float share = MusicFadeIn > 0 ? MusicFadeInCalc() : 1.0f;
    if (MusicChannel) MusicChannel->SetVolume(GetMusicVolume() / 100.0f * share);
}

void TGame::MusicFadeOutApply() {
    float share = MusicFadeOut > 0 ? MusicFadeOutCalc() : 1.0f;
    if (MusicChannel) MusicChannel->SetVolume(GetMusicVolume() / 100.0f * (1.0f - share));
}

void TGame::MusicFadeInManage() {
    if (MusicFadeInDelay > 0) {
        MusicFadeInDelay -= Delta;
        return;
    }
    if (MusicFadeInCounter > 0) {
        MusicFadeInCounter = std::max(0.0f, MusicFadeInCounter - Delta);
        MusicFadeInApply();
    }
}

void TGame::MusicFadeOutManage() {
    if (MusicFadeOutCounter > 0) {
        MusicFadeOutCounter = std::max(0.0f, MusicFadeOutCounter - Delta);
        MusicFadeOutApply();
    }
}

void TGame::MusicFadeOutSet(int ms) {
    MusicFadeOut = static_cast<float>(ms);
    MusicFadeOutCounter = CalcAnimLength(ms);
}

void TGame::MusicSetVolume(int v, int save) {
    MusicVolume = ClampVolume(v);
    if (MusicChannel) MusicChannel->SetVolume(GetMusicVolume() / 100.0f);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

void TGame::MusicChangeVolume(int d) {
    MusicSetVolume(MusicVolume + d, 1);
}

void TGame::ToggleMusic() {
    if (Paused) return;
    Music ? MusicOff() : MusicOn();
    IniUpdate(0);
    FixedRateLogic.Init();
}

int TGame::MusicOff() {
    if (SpecialChannel) SpecialChannel->Pause();
    // With nothing started there is nothing to pause, but the setting still goes off, so that
    // switching music off on a silent screen holds.
    Music = 0;
    if (MusicRestart == 1) return 0;
    if (MusicChannel) MusicChannel->Pause();
    MusicRestart = 0;
    return 1;
}

int TGame::MusicOn() {
    if (SpecialChannel) SpecialChannel->Resume();
    if (Music == 1) return 0;
    Music = 1;
    if (MusicRestart == 1 || !MusicChannel) {
        MusicLoad(MusicFileName, MusicLooped);
        if (AssetKey(MusicName) != "NONE") MusicPlay(1, 0, 0);
    } else if (MusicLooped || !MusicStopped) {
        MusicChannel->Resume();
    }
    return 1;
}

float TGame::PauseFadeCalc() const {
    return FadeShare(*this, PauseFadeLength, PauseFadeCounter);
}

void TGame::PauseFadeApply() {
    float f = 1.0f;
    if (PauseFadeLength > 0) {
        f = PauseFadeCalc();
        if (PauseFadeDirection == 0) f = 1.0f - f;
    }
    if (MusicChannel) MusicChannel->SetVolume(GetMusicVolume() / 100.0f * f);
}

void TGame::PauseFadeManage() {
    PauseFadeCounter = std::max(0.0f, PauseFadeCounter - Delta);
    PauseFadeApply();
}
