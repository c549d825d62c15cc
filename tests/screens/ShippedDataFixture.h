#pragma once

#include <memory>
#include <string>

#include "framework/AssetBanks.h"
#include "framework/TImageBank.h"
#include "framework/TSoundBank.h"
#include "platform/AudioDevice.h"
#include "platform/Channel.h"
#include "tests/framework/FrameworkFixture.h"
#include "toolkit/GameFonts.h"

// A Game on the dummy display with real audio on OpenAL's null backend, its paths pointing
// at the generated data folder, and empty banks: what start-up sets up before loading.
class ShippedDataTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ResetAssetBanks();
        platform::AudioDevice::Open("OpenAL Generic Software");
        Game->DataPrefix = std::string(ROSEWICK_BUILD_DIR) + "/";
        Game->SetDefaultPaths();
        ImageBank.SetPath(Game->ImagePath);
        SoundBank.SetPath(Game->SoundPath);
        Game->MusicChannel = std::make_shared<platform::Channel>();
        Game->SpeechChannel = std::make_shared<platform::Channel>();
        Game->EscapeChannel = std::make_shared<platform::Channel>();
        Game->ChannelsCreate(16);
        OpenGraphics();
    }
    void TearDown() override {
        Game->Kill();
        ClearGameFonts();
        ResetAssetBanks();
        FrameworkTest::TearDown();
        platform::AudioDevice::Close();
    }
};
