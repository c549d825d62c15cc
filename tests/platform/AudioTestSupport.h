#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sound files and tones made by the audio tests themselves.
namespace audiotest {

// Interleaved 16-bit sine frames at half of full scale.
std::vector<int16_t> Tone(double hz, double seconds, int channels, int rate);

// One RIFF chunk: id, little-endian size, payload, pad byte when the size is odd.
std::string Chunk(const std::string& id, const std::string& payload);
// The payload of a plain PCM "fmt " chunk; blockAlign 0 means the right one.
std::string Fmt(int channels, int bits, int rate, int tag = 1, int blockAlign = 0);
// 16-bit PCM as "data" payload bytes, or as unsigned 8-bit bytes when bits is 8.
std::string PcmBytes(const std::vector<int16_t>& pcm, int bits);
// "RIFF" + size + "WAVE" + the chunks.
std::string Riff(const std::string& chunks);
// A complete PCM WAV file.
std::string Wav(const std::vector<int16_t>& pcm, int channels, int bits, int rate);

// An Ogg Vorbis file of the frames (quality 0.4).
std::string Ogg(const std::vector<int16_t>& pcm, int channels, int rate);

// Root mean square of one channel of interleaved frames, over frames [from, to).
double Rms(const std::vector<int16_t>& pcm, int channels, int channel, size_t from, size_t to);

}  // namespace audiotest
