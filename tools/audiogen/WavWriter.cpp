#include "tools/audiogen/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

void Put16(std::vector<char>& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::vector<char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutTag(std::vector<char>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

std::string WavWriter::WriteMono(const std::string& path, const dsp::Mono& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<char> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, dsp::kRate);
    Put32(out, dsp::kRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return "cannot open " + path;
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return file ? "" : "cannot write " + path;
}
