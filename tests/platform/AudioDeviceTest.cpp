#include <gtest/gtest.h>

#include "platform/AudioDevice.h"
#include "platform/Channel.h"

namespace {

using platform::AudioDevice;

class AudioDeviceTest : public ::testing::Test {
protected:
    void TearDown() override { AudioDevice::Close(); }
};

TEST_F(AudioDeviceTest, EveryGameDriverOpensAndReportsItsName) {
    for (const char* name : {"FreeAudio", "DirectSound", "OpenAL Generic Software"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(AudioDevice::Open(name), name);
        EXPECT_TRUE(AudioDevice::IsOpen());
        EXPECT_EQ(AudioDevice::DriverName(), name);
    }
}

TEST_F(AudioDeviceTest, NoneAndUnknownNamesOpenNothing) {
    for (const char* name : {"None", "", "Sound Blaster 16"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(AudioDevice::Open("FreeAudio"), "FreeAudio");
        EXPECT_EQ(AudioDevice::Open(name), "None");
        EXPECT_FALSE(AudioDevice::IsOpen());
        EXPECT_EQ(AudioDevice::DriverName(), "None");
    }
}

TEST_F(AudioDeviceTest, ListedDeviceNamesCanBeOpenedByName) {
    const std::vector<std::string> names = AudioDevice::DeviceNames();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(AudioDevice::Open(names.front()), names.front());
    EXPECT_TRUE(AudioDevice::IsOpen());
}

TEST_F(AudioDeviceTest, GenerationMovesOnEveryOpenAndClose) {
    const unsigned start = AudioDevice::Generation();
    AudioDevice::Open("FreeAudio");
    const unsigned opened = AudioDevice::Generation();
    EXPECT_NE(opened, start);
    AudioDevice::Open("FreeAudio");
    const unsigned reopened = AudioDevice::Generation();
    EXPECT_NE(reopened, opened);
    AudioDevice::Close();
    EXPECT_NE(AudioDevice::Generation(), reopened);
    // Closing what is closed changes nothing.
    const unsigned closed = AudioDevice::Generation();
    AudioDevice::Close();
    EXPECT_EQ(AudioDevice::Generation(), closed);
    EXPECT_EQ(AudioDevice::DriverName(), "None");
}

TEST_F(AudioDeviceTest, AReopenedDeviceNeverLosesSoundsToStaleNames) {
    // OpenAL numbers the sources of each new device from the start again, so a channel
    // that freed its old source after a reopen would silence another channel's new one.
    auto sample = platform::Sample::FromPcm(std::vector<int16_t>(4410, 1000), 1, 44100, true);
    AudioDevice::Open("FreeAudio");
    auto stale = std::make_unique<platform::Channel>();
    stale->Play(sample);
    ASSERT_TRUE(stale->Playing());

    AudioDevice::Open("FreeAudio");
    EXPECT_FALSE(stale->Playing());
    platform::Channel fresh;
    fresh.Play(sample);
    ASSERT_TRUE(fresh.Playing());
    stale->Stop();
    stale.reset();
    EXPECT_TRUE(fresh.Playing());

    // A close leaves nothing to play on, and nothing that must be freed later.
    AudioDevice::Close();
    EXPECT_FALSE(fresh.Playing());
}

}  // namespace
