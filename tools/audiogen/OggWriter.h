#pragma once

#include <string>

#include "tools/audiogen/Dsp.h"

// Encodes stereo music as Ogg Vorbis (quality 0.4). The stream serial number is fixed so
// the same samples always give the same bytes.
class OggWriter {
public:
    // Returns an empty string on success, else what went wrong.
    static std::string WriteStereo(const std::string& path, const dsp::Stereo& samples,
                                   const std::string& title);
};
