#pragma once

#include <string>

#include "tools/audiogen/Dsp.h"

// Writes 16-bit PCM WAV files at dsp::kRate.
class WavWriter {
public:
    // Returns an empty string on success, else what went wrong.
    static std::string WriteMono(const std::string& path, const dsp::Mono& samples);
};
