#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/AssetBanks.h"
#include "platform/AudioDevice.h"
#include "platform/Sample.h"
#include "tests/framework/FrameworkFixture.h"

// A sample that plays until stopped.
inline std::shared_ptr<platform::Sample> Drone() {
    return platform::Sample::FromPcm(std::vector<int16_t>(22050, 1000), 1, 22050, true);
}

// A Game with the null sound device open, empty asset banks, and sound files written on
// demand into the test's folder.
class AudioTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ResetAssetBanks();
        ASSERT_EQ(platform::AudioDevice::Open("OpenAL Generic Software"),
                  "OpenAL Generic Software");
        Game->SoundDriver = "OpenAL Generic Software";
        Game->SetSoundPath(dir.Path().string() + "/sound");
        Game->SetMusicPath(dir.Path().string() + "/music");
        Game->MusicChannel = std::make_shared<platform::Channel>();
        Game->SpeechChannel = std::make_shared<platform::Channel>();
        Game->EscapeChannel = std::make_shared<platform::Channel>();
    }
    void TearDown() override {
        if (Game) Game->Kill();
        ResetAssetBanks();
        FrameworkTest::TearDown();
        platform::AudioDevice::Close();
    }

    // A mono 16-bit WAV tone of the given length at path (relative to the test folder).
    std::string WriteWav(const std::string& relative, double seconds) {
        const int rate = 22050;
        std::vector<int16_t> pcm(static_cast<size_t>(seconds * rate));
        for (size_t i = 0; i < pcm.size(); ++i)
            pcm[i] = static_cast<int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 440 / rate));
        auto le = [](uint32_t v, int bytes) {
            std::string s;
            for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
            return s;
        };
        std::string data(reinterpret_cast<const char*>(pcm.data()), pcm.size() * 2);
        std::string fmt =
            le(1, 2) + le(1, 2) + le(rate, 4) + le(rate * 2, 4) + le(2, 2) + le(16, 2);
        std::string body = "WAVE" + std::string("fmt ") + le(16, 4) + fmt + "data" +
                           le(static_cast<uint32_t>(data.size()), 4) + data;
        std::string file = "RIFF" + le(static_cast<uint32_t>(body.size()), 4) + body;
        testsupport::WriteFile(dir.Path() / relative, file);
        return dir.File(relative);
    }

    std::string ErrorLog() { return testsupport::ReadFile(dir.Path() / "ErrorLog.txt"); }
};
