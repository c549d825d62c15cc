#include "platform/WavDecoder.h"

#include <cstring>
#include <optional>

namespace platform {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kMaxRate = 384000;

uint16_t Read16(const unsigned char* p) {
    return uint16_t(p[0] | (p[1] << 8));
}

uint32_t Read32(const unsigned char* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int blockAlign = 0;
};

bool ParseFormat(const unsigned char* p, uint32_t size, Format& format, std::string& error) {
    if (size < 16) {
        error = "WAV format chunk is too short";
        return false;
    }
    uint16_t tag = Read16(p);
    format.channels = Read16(p + 2);
    uint32_t rate = Read32(p + 4);
    format.blockAlign = Read16(p + 12);
    format.bits = Read16(p + 14);
    if (tag == kFormatExtensible) {
        // The sub-format GUID's first two bytes carry the real format tag.
        if (size < 40) {
            error = "WAV extensible format chunk is too short";
            return false;
        }
        tag = Read16(p + 24);
    }
    if (tag != kFormatPcm) {
        error = "WAV data is not PCM (format " + std::to_string(tag) + ")";
        return false;
    }
    if (format.channels != 1 && format.channels != 2) {
        error = "WAV has " + std::to_string(format.channels) + " channels (1 or 2 supported)";
        return false;
    }
    if (format.bits != 8 && format.bits != 16) {
        error = "WAV has " + std::to_string(format.bits) + "-bit samples (8 or 16 supported)";
        return false;
    }
    if (rate == 0 || rate > kMaxRate) {
        error = "WAV sample rate " + std::to_string(rate) + " is out of range";
        return false;
    }
    format.rate = int(rate);
    if (format.blockAlign != format.channels * format.bits / 8) {
        error = "WAV block size " + std::to_string(format.blockAlign) + " does not match";
        return false;
    }
    return true;
}

}  // namespace

bool WavDecoder::IsWav(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

bool WavDecoder::Decode(const std::vector<unsigned char>& bytes, std::vector<int16_t>& pcm,
                        int& channels, int& rate, std::string& error) {
    if (!IsWav(bytes)) {
        error = "not a RIFF WAVE file";
        return false;
    }
    // Bytes past the RIFF chunk (tags some tools append) are not ours; a RIFF size beyond
    // the file, as streaming writers leave it, means "up to the end".
    const size_t riffEnd = size_t(Read32(bytes.data() + 4)) + 8;
    const size_t size = riffEnd >= 12 && riffEnd <= bytes.size() ? riffEnd : bytes.size();
    const unsigned char* base = bytes.data();
    std::optional<Format> format;
    const unsigned char* data = nullptr;
    size_t dataSize = 0;

    size_t pos = 12;
    // Chunks need 8 header bytes; a few stray bytes after the last chunk are tolerated.
    while (size - pos >= 8) {
        const unsigned char* chunk = base + pos;
        const uint32_t chunkSize = Read32(chunk + 4);
        const size_t available = size - pos - 8;
        if (chunkSize > available) {
            error = "WAV is truncated: chunk '" + std::string(chunk, chunk + 4) + "' needs " +
                    std::to_string(chunkSize) + " bytes, " + std::to_string(available) + " remain";
            return false;
        }
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (format) {
                error = "WAV has two format chunks";
                return false;
            }
            format.emplace();
            if (!ParseFormat(chunk + 8, chunkSize, *format, error)) return false;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (data) {
                error = "WAV has two data chunks";
                return false;
            }
            data = chunk + 8;
            dataSize = chunkSize;
        }
        // Chunks are padded to an even size; the pad of the last one may be missing.
        pos += 8 + size_t(chunkSize);
        if ((chunkSize & 1) && pos < size) ++pos;
    }
    if (!format) {
        error = "WAV has no format chunk";
        return false;
    }
    if (!data) {
        error = "WAV has no data chunk";
        return false;
    }

    // A partial frame at the end is dropped.
    const size_t frames = dataSize / size_t(format->blockAlign);
    const size_t count = frames * size_t(format->channels);
    pcm.assign(count, 0);
    if (format->bits == 8) {
        for (size_t i = 0; i < count; ++i) pcm[i] = int16_t((int(data[i]) - 128) * 256);
    } else {
        for (size_t i = 0; i < count; ++i) pcm[i] = int16_t(Read16(data + 2 * i));
    }
    channels = format->channels;
    rate = format->rate;
    return true;
}

}  // namespace platform
