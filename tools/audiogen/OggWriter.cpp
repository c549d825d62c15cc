#include "tools/audiogen/OggWriter.h"

#include <ogg/ogg.h>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>

#include <fstream>

namespace {

// Owns the libvorbis encoder state for one file.
struct Encoder {
    vorbis_info vi{};
    vorbis_comment vc{};
    vorbis_dsp_state vd{};
    vorbis_block vb{};
    ogg_stream_state os{};
    bool analysis = false;

    Encoder() {
        vorbis_info_init(&vi);
        vorbis_comment_init(&vc);
    }
    ~Encoder() {
        if (analysis) {
            ogg_stream_clear(&os);
            vorbis_block_clear(&vb);
            vorbis_dsp_clear(&vd);
        }
        vorbis_comment_clear(&vc);
        vorbis_info_clear(&vi);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

void WritePage(std::ofstream& file, const ogg_page& page) {
    file.write(reinterpret_cast<const char*>(page.header), page.header_len);
    file.write(reinterpret_cast<const char*>(page.body), page.body_len);
}

}  // namespace

std::string OggWriter::WriteStereo(const std::string& path, const dsp::Stereo& samples,
                                   const std::string& title) {
    Encoder enc;
    if (vorbis_encode_init_vbr(&enc.vi, 2, dsp::kRate, 0.4f) != 0)
        return "vorbis encoder refused the settings";
    vorbis_comment_add_tag(&enc.vc, "TITLE", title.c_str());
    vorbis_comment_add_tag(&enc.vc, "ARTIST", "Rosewick");
    vorbis_analysis_init(&enc.vd, &enc.vi);
    vorbis_block_init(&enc.vd, &enc.vb);
    ogg_stream_init(&enc.os, 0x526F7365);  // fixed serial: reproducible bytes
    enc.analysis = true;

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return "cannot open " + path;

    ogg_packet header, comment, code;
    vorbis_analysis_headerout(&enc.vd, &enc.vc, &header, &comment, &code);
    ogg_stream_packetin(&enc.os, &header);
    ogg_stream_packetin(&enc.os, &comment);
    ogg_stream_packetin(&enc.os, &code);
    ogg_page page;
    while (ogg_stream_flush(&enc.os, &page) != 0) WritePage(file, page);

    constexpr std::size_t kChunk = 4096;
    std::size_t pos = 0;
    bool eos = false;
    bool flushed = false;
    while (!eos) {
        const std::size_t n = std::min(kChunk, samples.Size() - pos);
        if (n == 0) {
            if (flushed) break;
            vorbis_analysis_wrote(&enc.vd, 0);
            flushed = true;
        } else {
            float** buf = vorbis_analysis_buffer(&enc.vd, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i) {
                buf[0][i] = samples.left[pos + i];
                buf[1][i] = samples.right[pos + i];
            }
            vorbis_analysis_wrote(&enc.vd, static_cast<int>(n));
            pos += n;
        }
        while (vorbis_analysis_blockout(&enc.vd, &enc.vb) == 1) {
            vorbis_analysis(&enc.vb, nullptr);
            vorbis_bitrate_addblock(&enc.vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&enc.vd, &packet) != 0) {
                ogg_stream_packetin(&enc.os, &packet);
                while (!eos && ogg_stream_pageout(&enc.os, &page) != 0) {
                    WritePage(file, page);
                    if (ogg_page_eos(&page) != 0) eos = true;
                }
            }
        }
    }
    while (!eos && ogg_stream_flush(&enc.os, &page) != 0) WritePage(file, page);
    return file ? "" : "cannot write " + path;
}
