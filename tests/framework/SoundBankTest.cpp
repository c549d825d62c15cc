#include "framework/TFatalExit.h"
#include "framework/TSoundBank.h"
#include "tests/framework/AudioFixture.h"

using SoundBankTest = AudioTest;

TEST_F(SoundBankTest, LoadsUnderTheFileNameOrAGivenNameAndFindsInAnyCase) {
    WriteWav("sound/Cards/flip.wav", 0.1);
    WriteWav("sound/GUI/Typing.ogg.wav", 0.1);
    SoundBank.SetPath(Game->SoundPath);
    auto flip = SoundBank.Load("Cards/flip", 1.1f, 0.8f);
    ASSERT_NE(flip, nullptr);
    EXPECT_EQ(flip->name, "FLIP");
    EXPECT_FLOAT_EQ(flip->pitch, 1.1f);
    EXPECT_FLOAT_EQ(flip->volume, 0.8f);
    EXPECT_NE(flip->sound, nullptr);
    EXPECT_EQ(SoundBank.Find("fLiP"), flip);

    auto typing = SoundBank.Load("GUI/Typing.ogg.wav", 1.0f, 1.0f, "keys");
    EXPECT_EQ(SoundBank.Find("KEYS"), typing);
    EXPECT_FALSE(SoundBank.Contains("typing.ogg"));
    EXPECT_EQ(SoundBank.Count(), 2u);
}

TEST_F(SoundBankTest, AFileNameKeepsItsOwnExtensionOrGetsTheBanksDefault) {
    SoundBank.SetPath("snd");
    struct Case {
        const char* file;
        const char* path;
    } cases[] = {
        {"Cards/flip", "snd/Cards/flip.wav"},
        {"music.ogg", "snd/music.ogg"},
        {"odd.dir/beep", "snd/odd.dir/beep.wav"},
    };
    for (const auto& c : cases) EXPECT_EQ(SoundBank.FullPath(c.file), c.path) << c.file;
}

TEST_F(SoundBankTest, AMissingFileOrNameIsFatalWithItsMessage) {
    SoundBank.SetPath(Game->SoundPath);
    EXPECT_THROW(SoundBank.Load("nothing"), TFatalExit);
    EXPECT_NE(ErrorLog().find("Error loading sample " + Game->SoundPath + "nothing.wav"),
              std::string::npos);
    EXPECT_THROW(SoundBank.Find("ghost"), TFatalExit);
    EXPECT_NE(ErrorLog().find("Sound 'GHOST' was not found in the SoundBank"), std::string::npos);
    FatalMissingAssets = 0;
    EXPECT_EQ(SoundBank.Find("ghost"), nullptr);
}

TEST_F(SoundBankTest, AGameSoundPlaysAtItsPitchAndTheSoundSettingScaledByAFade) {
    WriteWav("sound/ping.wav", 1.0);
    auto ping = TGameSound::Create(Game->SoundPath + "ping.wav");
    ping->pitch = 1.2f;
    ping->volume = 0.5f;
    Game->SoundVolume = 60;
    std::shared_ptr<platform::Channel> channel;
    ping->PlayInChannel(channel, 0.25f);
    ASSERT_NE(channel, nullptr) << "a fresh channel is made for a null one";
    EXPECT_TRUE(channel->Playing());
    EXPECT_FLOAT_EQ(channel->Volume(), 0.5f * 0.6f);
    EXPECT_FLOAT_EQ(channel->Rate(), 1.2f);
    EXPECT_FLOAT_EQ(channel->Pan(), 0.25f);

    Game->GameFade.Active = 1;
    Game->GameFade.Ratio = 0.5f;
    ping->PlayInChannel(channel, 0);
    EXPECT_FLOAT_EQ(channel->Volume(), 0.5f * 0.6f * 0.5f);
    Game->GameFade.Active = 0;
}

TEST_F(SoundBankTest, NothingPlaysWithSoundOff) {
    WriteWav("sound/ping.wav", 1.0);
    auto ping = TGameSound::Create(Game->SoundPath + "ping.wav");
    Game->ToggleSound();
    EXPECT_EQ(Game->Sound, 0);
    std::shared_ptr<platform::Channel> channel;
    ping->PlayInChannel(channel, 0);
    EXPECT_EQ(channel, nullptr);
    EXPECT_EQ(Game->SoundPlay(ping->sound), nullptr);
    Game->ToggleSound();
    auto loose = Game->SoundPlay(ping->sound);
    ASSERT_NE(loose, nullptr);
    EXPECT_TRUE(loose->Playing()) << "held until it has finished";
}

TEST_F(SoundBankTest, SpeechWaitsForTheLineInProgressUnlessInterrupting) {
    WriteWav("sound/line1.wav", 2.0);
    WriteWav("sound/line2.wav", 2.0);
    auto first = TGameSound::Create(Game->SoundPath + "line1.wav");
    auto second = TGameSound::Create(Game->SoundPath + "line2.wav");
    Game->SpeechVolume = 40;
    Game->SpeechPlay(*first, 0);
    EXPECT_EQ(Game->SpeechChannel->Current(), first->sound);
    EXPECT_FLOAT_EQ(Game->SpeechChannel->Volume(), 0.4f);
    Game->SpeechPlay(*second, 0);
    EXPECT_EQ(Game->SpeechChannel->Current(), first->sound);
    Game->SpeechPlay(*second, 1);
    EXPECT_EQ(Game->SpeechChannel->Current(), second->sound);
    Game->SpeechOff();
    EXPECT_TRUE(Game->SpeechChannel->Paused());
    Game->SpeechPlay(*first, 1);
    EXPECT_EQ(Game->SpeechChannel->Current(), second->sound) << "speech off plays nothing";
    Game->SpeechOn();
    EXPECT_FALSE(Game->SpeechChannel->Paused());
    auto old = Game->SpeechChannel;
    Game->SpeechStop();
    EXPECT_FALSE(old->Playing());
    EXPECT_NE(Game->SpeechChannel, old) << "a fresh channel after a stop";
}

TEST_F(SoundBankTest, VolumesClampToTheSettingRange) {
    struct Case {
        int start, change, expected;
    } cases[] = {{50, 30, 80}, {90, 30, 100}, {10, -30, 0}};
    for (const auto& c : cases) {
        Game->SoundVolume = c.start;
        Game->SoundChangeVolume(c.change);
        EXPECT_EQ(Game->SoundVolume, c.expected);
        Game->SpeechVolume = c.start;
        Game->SpeechChangeVolume(c.change);
        EXPECT_EQ(Game->SpeechVolume, c.expected);
    }
}

TEST_F(SoundBankTest, AnUnknownDriverLeavesTheGameSilentButWorking) {
    Game->ChangeSoundDriver("No Such Card");
    EXPECT_EQ(Game->SoundDriver, "None");
    Game->ChangeSoundDriver("OpenAL Generic Software");
    EXPECT_EQ(Game->SoundDriver, "OpenAL Generic Software");
}

TEST_F(SoundBankTest, TheEscapeSoundPlaysOnItsOwnChannel) {
    WriteWav("sound/buttonclick.wav", 1.0);
    Game->SetEscapeSound("buttonclick");
    ASSERT_NE(Game->EscapeSound, nullptr);
    EXPECT_EQ(Game->EscapeSound->name, "BUTTONCLICK");
    Game->EscapeSoundPlay();
    EXPECT_TRUE(Game->EscapeChannel->Playing());
}

TEST_F(SoundBankTest, PlainSamplesPlayOnTheirChannelOrOnAFreshOne) {
    WriteWav("sound/a.wav", 2.0);
    WriteWav("sound/b.wav", 2.0);
    auto a = TGameSound::Create(Game->SoundPath + "a.wav");
    auto b = TGameSound::Create(Game->SoundPath + "b.wav");
    Game->SoundVolume = 50;
    auto channel = std::make_shared<platform::Channel>();
    auto same = channel;
    Game->SoundPlaySameChannel(channel, a->sound);
    Game->SoundPlaySameChannel(channel, b->sound);
    EXPECT_EQ(channel, same);
    EXPECT_EQ(channel->Current(), b->sound) << "the new sample replaces the old";
    EXPECT_FLOAT_EQ(channel->Volume(), 0.5f);

    Game->SoundPlayReturnChannel(channel, a->sound, 1.5f);
    EXPECT_NE(channel, same) << "a fresh channel is written back";
    EXPECT_EQ(channel->Current(), a->sound);
    EXPECT_FLOAT_EQ(channel->Rate(), 1.5f);
    EXPECT_TRUE(same->Playing()) << "the old channel plays on";
}

TEST_F(SoundBankTest, StopChannelsSilencesMusicAndSpeechOnFreshChannels) {
    WriteWav("sound/line.wav", 2.0);
    auto line = TGameSound::Create(Game->SoundPath + "line.wav");
    Game->MusicSet(Drone(), "drone", 1);
    Game->MusicPlay(0, 0, 0);
    Game->SpeechPlay(*line, 1);
    auto music = Game->MusicChannel, speech = Game->SpeechChannel;
    ASSERT_TRUE(music->Playing() && speech->Playing());
    Game->StopChannels();
    EXPECT_FALSE(music->Playing());
    EXPECT_FALSE(speech->Playing());
    EXPECT_NE(Game->MusicChannel, music);
    EXPECT_NE(Game->SpeechChannel, speech);
}
