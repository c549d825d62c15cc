#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Ogg Vorbis (mono or stereo; chained streams must keep the layout) to 16-bit PCM.
class OggDecoder {
public:
    static bool IsOgg(const std::vector<unsigned char>& bytes);
    // On failure returns false with error saying what is wrong (without the path).
    static bool Decode(const std::vector<unsigned char>& bytes, std::vector<int16_t>& pcm,
                       int& channels, int& rate, std::string& error);
};

}  // namespace platform
