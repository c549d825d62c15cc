#include "platform/Channel.h"

#include <AL/al.h>

#include <cmath>

#include "platform/AudioDevice.h"

namespace platform {

namespace {

// NaN and out-of-range values from callers become the nearest valid one.
float Clamp(float value, float low, float high) {
    if (!(value >= low)) return low;
    return value > high ? high : value;
}

ALint SourceState(ALuint source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

}  // namespace

Channel::Channel() = default;

Channel::~Channel() {
    if (SourceLive()) {
        ALuint name = source;
        alSourceStop(name);
        alDeleteSources(1, &name);
        alGetError();
    }
}

bool Channel::SourceLive() const {
    return source != 0 && sourceGeneration == AudioDevice::Generation() && AudioDevice::IsOpen();
}

void Channel::EnsureSource() {
    if (SourceLive()) return;
    // An older generation's source went away with its device: forget it, never free it.
    source = 0;
    if (!AudioDevice::IsOpen()) return;
    alGetError();
    ALuint name = 0;
    alGenSources(1, &name);
    if (alGetError() != AL_NO_ERROR) return;
    source = name;
    sourceGeneration = AudioDevice::Generation();
    // Pan is a position around a listener at the origin, one unit away, with no distance
    // attenuation: the gain is ours alone.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    ApplySettings();
}

void Channel::ApplySettings() {
    alSourcef(source, AL_GAIN, volume);
    alSourcef(source, AL_PITCH, rate);
    alSource3f(source, AL_POSITION, pan, 0.0f, -std::sqrt(1.0f - pan * pan));
    alGetError();
}

void Channel::Play(std::shared_ptr<Sample> newSample, bool startPaused) {
    EnsureSource();
    if (SourceLive()) {
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0);
    }
    sample = std::move(newSample);
    paused = startPaused;
    if (!sample || !SourceLive()) return;
    const ALuint buffer = sample->Buffer();
    if (buffer == 0) return;
    alSourcei(source, AL_BUFFER, ALint(buffer));
    alSourcei(source, AL_LOOPING, sample->Looped() ? AL_TRUE : AL_FALSE);
    // Rewound is the cued state: attached, at the start, not yet heard.
    alSourceRewind(source);
    if (!paused) alSourcePlay(source);
    alGetError();
}

void Channel::Pause() {
    paused = true;
    if (SourceLive() && SourceState(source) == AL_PLAYING) alSourcePause(source);
}

void Channel::Resume() {
    const bool wasPaused = paused;
    paused = false;
    if (!sample) return;
    if (!SourceLive()) {
        // The device changed while the sample was held paused: start it again on the new
        // one (the old position went with the old device).
        if (wasPaused && AudioDevice::IsOpen()) Play(sample, false);
        return;
    }
    const ALint state = SourceState(source);
    if (state == AL_PAUSED || state == AL_INITIAL) alSourcePlay(source);
}

void Channel::Stop() {
    if (SourceLive()) {
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0);
        alGetError();
    }
    sample.reset();
    paused = false;
}

bool Channel::Playing() const {
    if (!sample || !SourceLive()) return false;
    ALint attached = 0;
    alGetSourcei(source, AL_BUFFER, &attached);
    return attached != 0 && SourceState(source) != AL_STOPPED;
}

void Channel::SetVolume(float value) {
    volume = Clamp(value, 0.0f, 1.0f);
    EnsureSource();
    if (SourceLive()) alSourcef(source, AL_GAIN, volume);
}

void Channel::SetPan(float value) {
    pan = Clamp(value, -1.0f, 1.0f);
    EnsureSource();
    if (SourceLive()) alSource3f(source, AL_POSITION, pan, 0.0f, -std::sqrt(1.0f - pan * pan));
}

void Channel::SetRate(float value) {
    // OpenAL refuses infinities; no sound is ever wanted faster than this.
    rate = Clamp(value, 0.0f, 100.0f);
    EnsureSource();
    if (SourceLive()) alSourcef(source, AL_PITCH, rate);
}

}  // namespace platform
