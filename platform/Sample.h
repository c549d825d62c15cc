#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Decoded sound: 16-bit PCM, mono or stereo, kept in memory and handed to OpenAL on use.
// Samples outlive device changes: the OpenAL buffer is remade for each newly opened device.
class Sample {
public:
    // WAV (PCM 8/16-bit) or OGG Vorbis, told apart by content. Null with error (naming the
    // path) when the file cannot be read or decoded.
    static std::shared_ptr<Sample> Load(const std::string& path, bool looped, std::string& error);
    // pcm holds interleaved frames; channels is 1 or 2 (anything else is taken as 1) and a
    // trailing partial frame is dropped.
    static std::shared_ptr<Sample> FromPcm(std::vector<int16_t> pcm, int channels, int rate,
                                           bool looped);

    ~Sample();
    Sample(const Sample&) = delete;
    Sample& operator=(const Sample&) = delete;

    bool Looped() const { return looped; }
    int ChannelCount() const { return channels; }
    int Rate() const { return rate; }
    const std::vector<int16_t>& Pcm() const { return pcm; }
    size_t Frames() const { return pcm.size() / size_t(channels); }
    double Seconds() const;

    // The OpenAL buffer for the open device (created on first use; 0 when silent).
    unsigned Buffer();

private:
    Sample(std::vector<int16_t> pcm, int channels, int rate, bool looped);
    std::vector<int16_t> pcm;
    int channels = 1;
    int rate = 44100;
    bool looped = false;
    unsigned buffer = 0;
    unsigned bufferGeneration = 0;
};

}  // namespace platform
