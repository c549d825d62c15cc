#include "platform/OggDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// ov_read writes samples in the byte order asked for; ours is the host's.
constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;

// The encoded file, read from memory by vorbisfile's callbacks.
struct MemoryStream {
    const std::vector<unsigned char>* bytes = nullptr;
    size_t pos = 0;
};

size_t ReadStream(void* ptr, size_t size, size_t count, void* source) {
    auto& stream = *static_cast<MemoryStream*>(source);
    if (size == 0) return 0;
    const size_t items = std::min(count, (stream.bytes->size() - stream.pos) / size);
    std::memcpy(ptr, stream.bytes->data() + stream.pos, items * size);
    stream.pos += items * size;
    return items;
}

int SeekStream(void* source, ogg_int64_t offset, int whence) {
    auto& stream = *static_cast<MemoryStream*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) base = ogg_int64_t(stream.pos);
    if (whence == SEEK_END) base = ogg_int64_t(stream.bytes->size());
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > ogg_int64_t(stream.bytes->size())) return -1;
    stream.pos = size_t(target);
    return 0;
}

long TellStream(void* source) {
    return long(static_cast<MemoryStream*>(source)->pos);
}

// Owns an opened OggVorbis_File.
class VorbisFile {
public:
    explicit VorbisFile(MemoryStream& stream) {
        const ov_callbacks callbacks = {ReadStream, SeekStream, nullptr, TellStream};
        status = ov_open_callbacks(&stream, &file, nullptr, 0, callbacks);
    }
    ~VorbisFile() {
        if (status == 0) ov_clear(&file);
    }
    VorbisFile(const VorbisFile&) = delete;
    VorbisFile& operator=(const VorbisFile&) = delete;

    int Status() const { return status; }
    OggVorbis_File* Get() { return &file; }

private:
    OggVorbis_File file{};
    int status = -1;
};

std::string Describe(long code) {
    switch (code) {
        case OV_EREAD:
            return "read error";
        case OV_ENOTVORBIS:
            return "not Vorbis data";
        case OV_EVERSION:
            return "unsupported Vorbis version";
        case OV_EBADHEADER:
            return "bad Vorbis header";
        case OV_EFAULT:
            return "Vorbis decoder fault";
        case OV_EBADLINK:
            return "damaged Ogg stream";
        default:
            return "Ogg Vorbis error " + std::to_string(code);
    }
}

}  // namespace

bool OggDecoder::IsOgg(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0;
}

bool OggDecoder::Decode(const std::vector<unsigned char>& bytes, std::vector<int16_t>& pcm,
                        int& channels, int& rate, std::string& error) {
    MemoryStream stream{&bytes, 0};
    VorbisFile file(stream);
    if (file.Status() != 0) {
        error = "cannot open Ogg Vorbis stream: " + Describe(file.Status());
        return false;
    }
    const vorbis_info* info = ov_info(file.Get(), -1);
    if (!info || (info->channels != 1 && info->channels != 2) || info->rate <= 0) {
        error = "Ogg Vorbis stream must be mono or stereo";
        return false;
    }
    channels = info->channels;
    rate = int(info->rate);

    pcm.clear();
    const ogg_int64_t total = ov_pcm_total(file.Get(), -1);
    if (total > 0) pcm.reserve(size_t(total) * size_t(channels));
    std::vector<char> chunk(16384);
    int section = 0;
    int lastSection = -1;
    for (;;) {
        const long got =
            ov_read(file.Get(), chunk.data(), int(chunk.size()), kBigEndian, 2, 1, &section);
        if (got == 0) break;
        if (got == OV_HOLE) continue;  // a gap in the stream: skip it, as players do
        if (got < 0) {
            error = "Ogg Vorbis decode failed: " + Describe(got);
            return false;
        }
        if (section != lastSection) {
            const vorbis_info* link = ov_info(file.Get(), section);
            if (!link || link->channels != channels || link->rate != info->rate) {
                error = "Ogg Vorbis stream changes its layout";
                return false;
            }
            lastSection = section;
        }
        const size_t samples = size_t(got) / 2;
        const size_t at = pcm.size();
        pcm.resize(at + samples);
        std::memcpy(pcm.data() + at, chunk.data(), samples * 2);
    }
    // A stream cut inside a frame leaves a partial frame.
    pcm.resize(pcm.size() - pcm.size() % size_t(channels));
    return true;
}

}  // namespace platform
