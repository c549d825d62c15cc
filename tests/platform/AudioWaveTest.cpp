#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "platform/AudioDevice.h"
#include "platform/Channel.h"
#include "tests/TestSupport.h"
#include "tests/platform/AudioTestSupport.h"

extern char** environ;

// What the mixer really outputs, through OpenAL's wave writer backend. OpenAL picks its
// backends and reads its configuration once per process, so the scenario runs in a child
// copy of this test program started with the wave backend's settings.

namespace {

using namespace std::chrono_literals;
using platform::AudioDevice;

constexpr const char* kTimesVariable = "ROSEWICK_WAVE_TIMES";
constexpr int kRate = 44100;

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs this program on the child test alone, with the given extra environment; returns its
// exit status and leaves its output in logPath.
int RunChild(const std::vector<std::string>& extraEnv, const std::string& logPath) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        // The child must not inherit our backend choice, nor write our test reports.
        if (text.rfind("ALSOFT_", 0) == 0 || text.rfind("GTEST_", 0) == 0) continue;
        env.push_back(text);
    }
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char*> envp;
    for (std::string& text : env) envp.push_back(text.data());
    envp.push_back(nullptr);

    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filter = "--gtest_filter=AudioWaveChild.*";
    std::vector<char*> argv = {const_cast<char*>(exe.c_str()), filter.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(AudioWaveTest, PlayedToneIsHeardPannedAndStopSilencesTheRest) {
    testsupport::TempDir dir;
    const std::string wav = dir.File("mix.wav");
    const std::string conf = dir.File("alsoft.conf");
    const std::string times = dir.File("times.txt");
    const std::string log = dir.File("child.log");
    // Dither off, so silence is exact zeros.
    testsupport::WriteFile(conf,
                           "[general]\nchannels=stereo\nfrequency=44100\n"
                           "sample-type=int16\ndither=false\n[wave]\nfile=" +
                               wav + "\n");
    const int status = RunChild(
        {"ALSOFT_DRIVERS=wave", "ALSOFT_CONF=" + conf, kTimesVariable + ("=" + times)}, log);
    ASSERT_EQ(status, 0) << testsupport::ReadFile(log);

    double playAt = 0, stopAt = 0;
    std::ifstream(times) >> playAt >> stopAt;
    const double played = stopAt - playAt;
    ASSERT_GT(played, 0.2);

    std::string error;
    auto mix = platform::Sample::Load(wav, false, error);
    ASSERT_TRUE(mix) << error;
    ASSERT_EQ(mix->ChannelCount(), 2);
    ASSERT_EQ(mix->Rate(), kRate);
    const std::vector<int16_t>& pcm = mix->Pcm();
    const size_t frames = mix->Frames();
    size_t first = frames, last = 0;
    for (size_t f = 0; f < frames; ++f) {
        if (pcm[2 * f] != 0 || pcm[2 * f + 1] != 0) {
            first = std::min(first, f);
            last = f;
        }
    }
    ASSERT_LT(first, frames) << "the whole mix is silent";

    // Heard for about as long as it played: a looped 0.1 s sample outlasts its length,
    // and the stop is not late. The writer may catch up in bursts on a busy machine, so
    // the tone can come out shorter than the wall-clock time, never much longer.
    const double heard = double(last - first) / kRate;
    EXPECT_GT(heard, 0.5 * played);
    EXPECT_LT(heard, played + 0.1);
    // Everything after the stop is silent, and there is a fair stretch of it.
    EXPECT_GT(double(frames - last) / kRate, 0.15);

    // Panned hard right: loud on the right, nothing on the left.
    const double right = audiotest::Rms(pcm, 2, 1, first, last);
    const double left = audiotest::Rms(pcm, 2, 0, first, last);
    EXPECT_GT(right, 5000);
    EXPECT_LT(left, right / 10);
}

// The child's half: only run by the test above, in a process of its own.
TEST(AudioWaveChild, PlaysAPannedToneThenStops) {
    const char* timesPath = std::getenv(kTimesVariable);
    if (!timesPath) GTEST_SKIP() << "run in a child process by AudioWaveTest";

    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(AudioDevice::Open("FreeAudio"), "FreeAudio");
    auto tone = platform::Sample::FromPcm(audiotest::Tone(440, 0.1, 1, kRate), 1, kRate, true);
    platform::Channel channel;
    channel.SetPan(1.0f);
    std::this_thread::sleep_for(50ms);

    const double playAt = SecondsSince(start);
    channel.Play(tone);
    EXPECT_TRUE(channel.Playing());
    std::this_thread::sleep_for(250ms);
    const double stopAt = SecondsSince(start);
    channel.Stop();
    EXPECT_FALSE(channel.Playing());
    std::this_thread::sleep_for(250ms);
    // The writer completes the file's header on close.
    AudioDevice::Close();
    std::ofstream(timesPath) << playAt << " " << stopAt << "\n";
}

}  // namespace
