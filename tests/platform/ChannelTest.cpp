#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/AudioDevice.h"
#include "platform/Channel.h"
#include "tests/platform/AudioTestSupport.h"

namespace {

using platform::AudioDevice;
using platform::Channel;
using platform::Sample;
using namespace std::chrono_literals;

// The null device mixes in real time, so a sample ends after its length, give or take
// a mixing period and a loaded machine.
bool WaitUntilStopped(const Channel& channel, std::chrono::milliseconds limit = 3000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (channel.Playing()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::shared_ptr<Sample> Beep(double seconds, bool looped, int channels = 1) {
    return Sample::FromPcm(audiotest::Tone(440, seconds, channels, 44100), channels, 44100, looped);
}

class ChannelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(AudioDevice::Open("OpenAL Generic Software"), "OpenAL Generic Software");
    }
    void TearDown() override { AudioDevice::Close(); }
};

TEST_F(ChannelTest, PlaysUntilTheSampleEnds) {
    Channel channel;
    EXPECT_FALSE(channel.Playing());
    auto beep = Beep(0.05, false);
    const auto start = std::chrono::steady_clock::now();
    channel.Play(beep);
    EXPECT_TRUE(channel.Playing());
    EXPECT_FALSE(channel.Paused());
    EXPECT_EQ(channel.Current(), beep);
    ASSERT_TRUE(WaitUntilStopped(channel));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 40ms);
}

TEST_F(ChannelTest, StopEndsPlaybackAndLetsGoOfTheSample) {
    for (bool looped : {false, true}) {
        SCOPED_TRACE(looped);
        Channel channel;
        channel.Play(Beep(1.0, looped));
        ASSERT_TRUE(channel.Playing());
        channel.Stop();
        EXPECT_FALSE(channel.Playing());
        EXPECT_EQ(channel.Current(), nullptr);
        // Resume does not bring a stopped sample back.
        channel.Resume();
        EXPECT_FALSE(channel.Playing());
    }
}

TEST_F(ChannelTest, LoopedSampleKeepsPlayingPastItsLength) {
    Channel channel;
    channel.Play(Beep(0.03, true));
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(channel.Playing());
    channel.Stop();
    EXPECT_FALSE(channel.Playing());
}

TEST_F(ChannelTest, PausedSampleHoldsItsPlaceUntilResumed) {
    Channel channel;
    channel.Play(Beep(0.08, false));
    channel.Pause();
    EXPECT_TRUE(channel.Paused());
    std::this_thread::sleep_for(250ms);
    // Still busy: a paused voice is not a free one.
    EXPECT_TRUE(channel.Playing());
    channel.Resume();
    EXPECT_FALSE(channel.Paused());
    EXPECT_TRUE(channel.Playing());
    EXPECT_TRUE(WaitUntilStopped(channel));
}

TEST_F(ChannelTest, CuedSampleWaitsForResume) {
    Channel channel;
    channel.Cue(Beep(0.05, false));
    EXPECT_TRUE(channel.Paused());
    std::this_thread::sleep_for(150ms);
    EXPECT_TRUE(channel.Playing());
    channel.Resume();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitUntilStopped(channel));
    // The whole sample was still to come.
    EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
}

TEST_F(ChannelTest, PlayReplacesWhatTheChannelPlays) {
    Channel channel;
    auto longOne = Beep(2.0, false);
    auto shortOne = Beep(0.05, false, 2);
    channel.Play(longOne);
    channel.Play(shortOne);
    EXPECT_EQ(channel.Current(), shortOne);
    EXPECT_TRUE(WaitUntilStopped(channel, 1500ms));
}

TEST_F(ChannelTest, SettingsAreClampedAndKept) {
    struct Case {
        float given, volume, pan, rate;
    };
    const Case cases[] = {
        {0.5f, 0.5f, 0.5f, 0.5f},
        {-2.0f, 0.0f, -1.0f, 0.0f},
        {3.0f, 1.0f, 1.0f, 3.0f},
    };
    Channel channel;
    channel.Play(Beep(1.0, true));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        channel.SetVolume(c.given);
        channel.SetPan(c.given);
        channel.SetRate(c.given);
        EXPECT_FLOAT_EQ(channel.Volume(), c.volume);
        EXPECT_FLOAT_EQ(channel.Pan(), c.pan);
        EXPECT_FLOAT_EQ(channel.Rate(), c.rate);
    }
    EXPECT_TRUE(channel.Playing());
}

TEST_F(ChannelTest, FasterRateEndsSooner) {
    Channel channel;
    channel.SetRate(4.0f);
    channel.Play(Beep(0.8, false));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitUntilStopped(channel));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 600ms);
}

TEST_F(ChannelTest, SamplesPlayAgainAfterTheDeviceIsReopened) {
    auto beep = Beep(0.05, false);
    Channel channel;
    channel.SetVolume(0.25f);
    channel.Play(beep);
    ASSERT_TRUE(channel.Playing());
    ASSERT_EQ(AudioDevice::Open("DirectSound"), "DirectSound");
    EXPECT_FALSE(channel.Playing());
    channel.Play(beep);
    EXPECT_TRUE(channel.Playing());
    EXPECT_FLOAT_EQ(channel.Volume(), 0.25f);
    EXPECT_TRUE(WaitUntilStopped(channel));
}

TEST_F(ChannelTest, PausedChannelStartsOverOnANewDevice) {
    Channel channel;
    channel.Play(Beep(0.5, false));
    channel.Pause();
    ASSERT_EQ(AudioDevice::Open("FreeAudio"), "FreeAudio");
    channel.Resume();
    EXPECT_TRUE(channel.Playing());
}

TEST_F(ChannelTest, SilentDriverKeepsStateAndReportsNothingPlaying) {
    ASSERT_EQ(AudioDevice::Open("None"), "None");
    Channel channel;
    auto beep = Beep(0.05, true);
    channel.SetVolume(0.3f);
    channel.SetPan(-0.5f);
    channel.Cue(beep);
    EXPECT_TRUE(channel.Paused());
    EXPECT_FALSE(channel.Playing());
    channel.Resume();
    EXPECT_FALSE(channel.Paused());
    EXPECT_FALSE(channel.Playing());
    EXPECT_EQ(channel.Current(), beep);
    EXPECT_FLOAT_EQ(channel.Volume(), 0.3f);
    EXPECT_FLOAT_EQ(channel.Pan(), -0.5f);
    channel.Pause();
    channel.Stop();
    EXPECT_EQ(channel.Current(), nullptr);

    // The same channel plays once a device is there.
    ASSERT_EQ(AudioDevice::Open("FreeAudio"), "FreeAudio");
    channel.Play(beep);
    EXPECT_TRUE(channel.Playing());
}

}  // namespace
