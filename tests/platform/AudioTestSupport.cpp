#include "tests/platform/AudioTestSupport.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdlib>

namespace audiotest {

namespace {

std::string Le(uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
    return out;
}

}  // namespace

std::vector<int16_t> Tone(double hz, double seconds, int channels, int rate) {
    const size_t frames = size_t(seconds * rate);
    std::vector<int16_t> pcm;
    pcm.reserve(frames * size_t(channels));
    for (size_t i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2.0 * M_PI * hz * double(i) / rate);
        // The second channel is a quieter copy, so a swapped pair shows.
        for (int c = 0; c < channels; ++c) pcm.push_back(int16_t(std::lround(v * 32767 / (c + 1))));
    }
    return pcm;
}

std::string Chunk(const std::string& id, const std::string& payload) {
    std::string out = id + Le(uint32_t(payload.size()), 4) + payload;
    if (payload.size() % 2) out.push_back('\0');
    return out;
}

std::string Fmt(int channels, int bits, int rate, int tag, int blockAlign) {
    if (blockAlign == 0) blockAlign = channels * bits / 8;
    return Le(uint32_t(tag), 2) + Le(uint32_t(channels), 2) + Le(uint32_t(rate), 4) +
           Le(uint32_t(rate * blockAlign), 4) + Le(uint32_t(blockAlign), 2) + Le(uint32_t(bits), 2);
}

std::string PcmBytes(const std::vector<int16_t>& pcm, int bits) {
    std::string out;
    for (int16_t s : pcm) {
        if (bits == 8)
            out.push_back(char((s >> 8) + 128));
        else
            out += Le(uint16_t(s), 2);
    }
    return out;
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(uint32_t(4 + chunks.size()), 4) + "WAVE" + chunks;
}

std::string Wav(const std::vector<int16_t>& pcm, int channels, int bits, int rate) {
    return Riff(Chunk("fmt ", Fmt(channels, bits, rate)) + Chunk("data", PcmBytes(pcm, bits)));
}

std::string Ogg(const std::vector<int16_t>& pcm, int channels, int rate) {
    std::string out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.4f) != 0) {
        vorbis_info_clear(&vi);
        return out;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block vb;
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1);

    ogg_packet header, comment, code;
    vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comment);
    ogg_stream_packetin(&os, &code);
    ogg_page page;
    auto take = [&] {
        out.append(reinterpret_cast<const char*>(page.header), size_t(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body), size_t(page.body_len));
    };
    while (ogg_stream_flush(&os, &page)) take();

    const size_t frames = pcm.size() / size_t(channels);
    size_t done = 0;
    bool eos = false;
    while (!eos) {
        const size_t n = std::min<size_t>(4096, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, int(n));
            for (size_t i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = float(pcm[(done + i) * size_t(channels) + size_t(c)]) / 32768.0f;
            vorbis_analysis_wrote(&vd, int(n));
            done += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                while (ogg_stream_pageout(&os, &page)) {
                    take();
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

double Rms(const std::vector<int16_t>& pcm, int channels, int channel, size_t from, size_t to) {
    double sum = 0;
    size_t n = 0;
    for (size_t f = from; f < to && f * size_t(channels) + size_t(channel) < pcm.size(); ++f, ++n) {
        const double v = pcm[f * size_t(channels) + size_t(channel)];
        sum += v * v;
    }
    return n ? std::sqrt(sum / double(n)) : 0.0;
}

}  // namespace audiotest
