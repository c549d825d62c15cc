#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// RIFF WAVE with PCM data (8-bit unsigned or 16-bit signed, mono or stereo, any rate; plain
// or extensible format header) to 16-bit PCM. Every size in the file is checked against
// the bytes there are, so a truncated or malformed file is refused, never overread.
class WavDecoder {
public:
    static bool IsWav(const std::vector<unsigned char>& bytes);
    // On failure returns false with error saying what is wrong (without the path).
    static bool Decode(const std::vector<unsigned char>& bytes, std::vector<int16_t>& pcm,
                       int& channels, int& rate, std::string& error);
};

}  // namespace platform
