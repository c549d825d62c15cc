#include <gtest/gtest.h>

#include <ostream>

#include "platform/AudioDevice.h"
#include "platform/Sample.h"
#include "tests/TestSupport.h"
#include "tests/platform/AudioTestSupport.h"

namespace {

using audiotest::Chunk;
using audiotest::Fmt;
using audiotest::PcmBytes;
using audiotest::Riff;
using platform::AudioDevice;
using platform::Sample;

struct WavCase {
    int channels;
    int bits;
    int rate;
};

void PrintTo(const WavCase& c, std::ostream* out) {
    *out << c.channels << " ch, " << c.bits << " bit, " << c.rate << " Hz";
}

class SampleWavRoundTrip : public ::testing::TestWithParam<WavCase> {};

TEST_P(SampleWavRoundTrip, DecodesWhatWasWritten) {
    const WavCase c = GetParam();
    const std::vector<int16_t> pcm = audiotest::Tone(440, 0.05, c.channels, c.rate);
    testsupport::TempDir dir;
    const std::string path = dir.File("tone.wav");
    testsupport::WriteFile(path, audiotest::Wav(pcm, c.channels, c.bits, c.rate));

    std::string error;
    auto sample = Sample::Load(path, true, error);
    ASSERT_TRUE(sample) << error;
    EXPECT_EQ(sample->ChannelCount(), c.channels);
    EXPECT_EQ(sample->Rate(), c.rate);
    EXPECT_TRUE(sample->Looped());
    EXPECT_NEAR(sample->Seconds(), 0.05, 1.0 / c.rate);
    std::vector<int16_t> expected = pcm;
    // 8-bit files keep only the high byte.
    if (c.bits == 8)
        for (int16_t& s : expected) s = int16_t((s >> 8) * 256);
    EXPECT_EQ(sample->Pcm(), expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, SampleWavRoundTrip,
                         ::testing::Values(WavCase{1, 8, 11025}, WavCase{2, 8, 22050},
                                           WavCase{1, 16, 44100}, WavCase{2, 16, 48000}),
                         [](const auto& info) {
                             return std::to_string(info.param.channels) + "ch" +
                                    std::to_string(info.param.bits) + "bit" +
                                    std::to_string(info.param.rate);
                         });

TEST(SampleTest, SkipsUnknownAndOddSizedChunksAndTrailingBytes) {
    const std::vector<int16_t> pcm = {1000, -1000, 32767, -32768, 0};
    const std::string file =
        Riff(Chunk("LIST", "abc") + Chunk("fmt ", Fmt(1, 16, 8000)) +
             Chunk("junk", std::string(7, 'x')) + Chunk("data", PcmBytes(pcm, 16))) +
        "ID3 tag appended by some tool";
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("chunks.wav"), file);
    std::string error;
    auto sample = Sample::Load(dir.File("chunks.wav"), false, error);
    ASSERT_TRUE(sample) << error;
    EXPECT_EQ(sample->Pcm(), pcm);
    EXPECT_FALSE(sample->Looped());
}

TEST(SampleTest, ReadsExtensibleFormatHeader) {
    // WAVE_FORMAT_EXTENSIBLE, as OpenAL's own wave writer emits: the PCM sub-format GUID
    // carries the real tag.
    std::string fmt = Fmt(2, 16, 44100, 0xFFFE);
    fmt += std::string("\x16\x00\x10\x00\x03\x00\x00\x00", 8);  // cbSize, valid bits, mask
    fmt += std::string("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71", 16);
    const std::vector<int16_t> pcm = {1, 2, 3, 4};
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("ext.wav"),
                           Riff(Chunk("fmt ", fmt) + Chunk("data", PcmBytes(pcm, 16))));
    std::string error;
    auto sample = Sample::Load(dir.File("ext.wav"), false, error);
    ASSERT_TRUE(sample) << error;
    EXPECT_EQ(sample->ChannelCount(), 2);
    EXPECT_EQ(sample->Pcm(), pcm);
}

struct BadFile {
    const char* name;
    std::string bytes;
};

std::vector<BadFile> BadFiles() {
    const std::string good = audiotest::Wav(audiotest::Tone(440, 0.1, 1, 8000), 1, 16, 8000);
    const std::string data = Chunk("data", PcmBytes({1, 2}, 16));
    const std::string hugeChunk =
        Riff(Chunk("fmt ", Fmt(1, 16, 8000)) + "data" + "\xf0\xff\xff\xff" + "xx");
    return {
        {"cut_in_data.wav", good.substr(0, good.size() / 2)},
        {"cut_in_fmt.wav", good.substr(0, 30)},
        {"chunk_larger_than_file.wav", hugeChunk},
        {"no_data.wav", Riff(Chunk("fmt ", Fmt(1, 16, 8000)))},
        {"no_fmt.wav", Riff(data)},
        {"short_fmt.wav", Riff(Chunk("fmt ", Fmt(1, 16, 8000).substr(0, 12)) + data)},
        {"24bit.wav", Riff(Chunk("fmt ", Fmt(1, 24, 8000)) + data)},
        {"3channels.wav", Riff(Chunk("fmt ", Fmt(3, 16, 8000)) + data)},
        {"adpcm.wav", Riff(Chunk("fmt ", Fmt(1, 16, 8000, 2)) + data)},
        {"bad_block.wav", Riff(Chunk("fmt ", Fmt(1, 16, 8000, 1, 3)) + data)},
        {"rate0.wav", Riff(Chunk("fmt ", Fmt(1, 16, 0)) + data)},
        {"empty.wav", ""},
        {"garbage.wav", "this is no sound file at all"},
        {"garbage.ogg", "OggS" + std::string(200, '\x5a')},
        {"header_only.ogg", "OggS"},
    };
}

TEST(SampleTest, BrokenFilesGiveAnErrorNamingThePath) {
    testsupport::TempDir dir;
    for (const BadFile& bad : BadFiles()) {
        SCOPED_TRACE(bad.name);
        const std::string path = dir.File(bad.name);
        testsupport::WriteFile(path, bad.bytes);
        std::string error;
        EXPECT_FALSE(Sample::Load(path, false, error));
        EXPECT_NE(error.find(path), std::string::npos) << error;
    }
    std::string error;
    const std::string missing = dir.File("missing.wav");
    EXPECT_FALSE(Sample::Load(missing, false, error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
}

TEST(SampleTest, OggDecodesToAboutItsLengthAndIsNotSilent) {
    for (int channels : {1, 2}) {
        SCOPED_TRACE(channels);
        const std::vector<int16_t> pcm = audiotest::Tone(440, 0.5, channels, 44100);
        const std::string ogg = audiotest::Ogg(pcm, channels, 44100);
        ASSERT_FALSE(ogg.empty());
        testsupport::TempDir dir;
        // Named .wav on purpose: the content decides the decoder.
        testsupport::WriteFile(dir.File("tone.wav"), ogg);
        std::string error;
        auto sample = Sample::Load(dir.File("tone.wav"), false, error);
        ASSERT_TRUE(sample) << error;
        EXPECT_EQ(sample->ChannelCount(), channels);
        EXPECT_EQ(sample->Rate(), 44100);
        EXPECT_NEAR(sample->Seconds(), 0.5, 0.01);
        // A sine at half scale has an RMS of about 0.35 of full scale.
        const size_t frames = sample->Pcm().size() / size_t(channels);
        EXPECT_NEAR(audiotest::Rms(sample->Pcm(), channels, 0, 0, frames), 11585, 1500);
    }
}

TEST(SampleTest, WavNamedOggIsStillAWav) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.File("really.ogg"), audiotest::Wav({5, 6, 7}, 1, 16, 8000));
    std::string error;
    auto sample = Sample::Load(dir.File("really.ogg"), false, error);
    ASSERT_TRUE(sample) << error;
    EXPECT_EQ(sample->Pcm(), (std::vector<int16_t>{5, 6, 7}));
}

TEST(SampleTest, FromPcmKeepsFramesAndDropsAPartialOne) {
    auto stereo = Sample::FromPcm({1, 2, 3, 4, 5}, 2, 22050, true);
    EXPECT_EQ(stereo->ChannelCount(), 2);
    EXPECT_EQ(stereo->Pcm(), (std::vector<int16_t>{1, 2, 3, 4}));
    EXPECT_EQ(stereo->Frames(), 2u);
    EXPECT_DOUBLE_EQ(stereo->Seconds(), 2.0 / 22050);
    EXPECT_TRUE(stereo->Looped());
}

TEST(SampleTest, BufferExistsOnlyWhileADeviceIsOpen) {
    auto sample = Sample::FromPcm(audiotest::Tone(440, 0.05, 1, 44100), 1, 44100, false);
    ASSERT_EQ(AudioDevice::Open("None"), "None");
    EXPECT_EQ(sample->Buffer(), 0u);

    ASSERT_EQ(AudioDevice::Open("OpenAL Generic Software"), "OpenAL Generic Software");
    const unsigned first = sample->Buffer();
    EXPECT_NE(first, 0u);
    EXPECT_EQ(sample->Buffer(), first);

    // A new device needs a new buffer; an empty sample gets one too.
    ASSERT_EQ(AudioDevice::Open("FreeAudio"), "FreeAudio");
    EXPECT_NE(sample->Buffer(), 0u);
    EXPECT_NE(Sample::FromPcm({}, 1, 44100, false)->Buffer(), 0u);

    AudioDevice::Close();
    EXPECT_EQ(sample->Buffer(), 0u);
}

}  // namespace
