#include "platform/Sample.h"

#include <AL/al.h>

#include <fstream>
#include <iterator>
#include <limits>

#include "platform/AudioDevice.h"
#include "platform/OggDecoder.h"
#include "platform/WavDecoder.h"

namespace platform {

namespace {

bool ReadAll(const std::string& path, std::vector<unsigned char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

Sample::Sample(std::vector<int16_t> pcmData, int channelCount, int sampleRate, bool loop)
    : pcm(std::move(pcmData)),
      channels(channelCount == 2 ? 2 : 1),
      rate(sampleRate > 0 ? sampleRate : 44100),
      looped(loop) {
    pcm.resize(pcm.size() - pcm.size() % size_t(channels));
}

Sample::~Sample() {
    // A buffer from an older generation went away with its device.
    if (buffer != 0 && bufferGeneration == AudioDevice::Generation() && AudioDevice::IsOpen()) {
        ALuint name = buffer;
        alDeleteBuffers(1, &name);
        alGetError();
    }
}

std::shared_ptr<Sample> Sample::Load(const std::string& path, bool looped, std::string& error) {
    std::vector<unsigned char> bytes;
    if (!ReadAll(path, bytes)) {
        error = path + ": cannot be read";
        return nullptr;
    }
    std::vector<int16_t> pcm;
    int channels = 0;
    int rate = 0;
    std::string why;
    bool ok = false;
    if (WavDecoder::IsWav(bytes)) {
        ok = WavDecoder::Decode(bytes, pcm, channels, rate, why);
    } else if (OggDecoder::IsOgg(bytes)) {
        ok = OggDecoder::Decode(bytes, pcm, channels, rate, why);
    } else {
        why = "neither a WAV nor an Ogg Vorbis file";
    }
    if (!ok) {
        error = path + ": " + why;
        return nullptr;
    }
    return FromPcm(std::move(pcm), channels, rate, looped);
}

std::shared_ptr<Sample> Sample::FromPcm(std::vector<int16_t> pcm, int channels, int rate,
                                        bool looped) {
    // The constructor is private, so make_shared cannot reach it.
    return std::shared_ptr<Sample>(new Sample(std::move(pcm), channels, rate, looped));
}

double Sample::Seconds() const {
    return double(Frames()) / double(rate);
}

unsigned Sample::Buffer() {
    if (!AudioDevice::IsOpen()) return 0;
    if (buffer != 0 && bufferGeneration == AudioDevice::Generation()) return buffer;
    if (pcm.size() > size_t(std::numeric_limits<ALsizei>::max()) / sizeof(int16_t)) return 0;
    // An older generation's name is simply forgotten: its device freed it.
    buffer = 0;
    alGetError();
    ALuint name = 0;
    alGenBuffers(1, &name);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(name, channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, pcm.data(),
                 ALsizei(pcm.size() * sizeof(int16_t)), rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &name);
        alGetError();
        return 0;
    }
    buffer = name;
    bufferGeneration = AudioDevice::Generation();
    return buffer;
}

}  // namespace platform
