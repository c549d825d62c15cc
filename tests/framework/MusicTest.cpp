#include <filesystem>

#include "framework/TFatalExit.h"
#include "platform/Clock.h"
#include "tests/framework/AudioFixture.h"

using MusicTest = AudioTest;

namespace {

float MusicVolumeNow() {
    return Game->MusicChannel->Volume();
}

// n logic ticks of the running game.
void Ticks(int n) {
    for (int i = 0; i < n; ++i) Game->LogicWrapper();
}

}  // namespace

TEST_F(MusicTest, CustomVolumeIsAPercentageOfTheSettingTruncated) {
    struct Case {
        int music, custom, expected;
    } cases[] = {{100, 0, 100}, {75, 0, 75}, {75, 33, 24}, {80, 50, 40}, {0, 50, 0}};
    for (const auto& c : cases) {
        Game->MusicVolume = c.music;
        Game->CustomMusicVolume = c.custom;
        EXPECT_EQ(Game->GetMusicVolume(), c.expected) << c.music << " " << c.custom;
    }
}

TEST_F(MusicTest, AFadeInRisesTickByTickToTheMusicVolume) {
    WriteWav("music/theme.wav", 1.0);
    Game->MusicFadeIn = 1000;  // 200 ticks at 5 ms
    Game->MusicVolume = 80;
    Game->MusicLoad("theme.wav", 1);
    Game->MusicPlay(1, 0, 0);
    ASSERT_TRUE(Game->MusicIsPlaying());
    EXPECT_EQ(Game->MusicRestart, 0);
    EXPECT_EQ(Game->MusicName, "theme.wav");
    // The counter starts one millisecond short of the full fade.
    EXPECT_FLOAT_EQ(Game->MusicFadeInCounter, 199.8f);
    EXPECT_NEAR(MusicVolumeNow(), 0.8f * 0.2f / 200, 1e-5);
    Ticks(100);
    EXPECT_NEAR(Game->MusicFadeInCounter, 99.8f, 1e-3);
    EXPECT_NEAR(MusicVolumeNow(), 0.8f * 100.2f / 200, 1e-4);
    Ticks(100);
    EXPECT_EQ(Game->MusicFadeInCounter, 0.0f) << "never below zero";
    EXPECT_FLOAT_EQ(MusicVolumeNow(), 0.8f);
}

TEST_F(MusicTest, TheFadeInWaitsForItsDelayAndFollowsDelta) {
    WriteWav("music/theme.wav", 1.0);
    Game->MusicFadeIn = 500;
    Game->MusicLoad("theme.wav", 1);
    Game->MusicPlay(1, 0, 0);
    Game->MusicFadeInDelay = 10;
    float start = Game->MusicFadeInCounter;
    Ticks(10);
    EXPECT_FLOAT_EQ(Game->MusicFadeInCounter, start) << "the delay runs first";
    Ticks(1);
    EXPECT_FLOAT_EQ(Game->MusicFadeInCounter, start - 1);
    Delta = 0.25f;
    Game->MusicFadeInManage();
    EXPECT_FLOAT_EQ(Game->MusicFadeInCounter, start - 1.25f);
}

TEST_F(MusicTest, AFadeOutFallsToSilence) {
    WriteWav("music/theme.wav", 1.0);
    Game->MusicLoad("theme.wav", 1);
    Game->MusicPlay(0, 0, 0);
    EXPECT_FLOAT_EQ(MusicVolumeNow(), 1.0f) << "without a fade-in it starts at full volume";
    Game->MusicFadeOutSet(500);  // 100 ticks
    EXPECT_FLOAT_EQ(Game->MusicFadeOutCounter, 100.0f);
    Ticks(25);
    EXPECT_NEAR(MusicVolumeNow(), 0.75f, 1e-5);
    Ticks(75);
    EXPECT_NEAR(MusicVolumeNow(), 0.0f, 1e-6);
    Game->MusicFadeOut = 0;
    Game->MusicFadeOutApply();
    EXPECT_EQ(MusicVolumeNow(), 0.0f) << "no fade-out length means silent at once";
}

TEST_F(MusicTest, ThePauseFadeGoesEitherWay) {
    Game->PauseFadeLength = 100;  // 20 ticks
    Game->MusicVolume = 50;
    for (int direction : {0, 1}) {
        SCOPED_TRACE(direction);
        Game->PauseFadeDirection = direction;
        Game->PauseFadeCounter = Game->CalcAnimLength(100);
        for (int i = 0; i < 5; ++i) Game->PauseFadeManage();
        float done = 5.0f / 20;
        EXPECT_NEAR(MusicVolumeNow(), 0.5f * (direction ? done : 1 - done), 1e-5);
        for (int i = 0; i < 30; ++i) Game->PauseFadeManage();
        EXPECT_EQ(Game->PauseFadeCounter, 0.0f);
        EXPECT_NEAR(MusicVolumeNow(), direction ? 0.5f : 0.0f, 1e-6);
    }
}

TEST_F(MusicTest, OffPausesAndOnResumesTheSamePiece) {
    WriteWav("music/theme.wav", 1.0);
    Game->MusicLoad("theme.wav", 1);
    Game->MusicPlay(0, 0, 0);
    auto channel = Game->MusicChannel;
    EXPECT_EQ(Game->MusicOff(), 1);
    EXPECT_EQ(Game->Music, 0);
    EXPECT_TRUE(channel->Paused());
    EXPECT_EQ(Game->MusicOn(), 1);
    EXPECT_EQ(Game->MusicChannel, channel) << "resumed, not restarted";
    EXPECT_FALSE(channel->Paused());
    EXPECT_EQ(Game->MusicOn(), 0) << "already on";
}

TEST_F(MusicTest, MusicChosenWhileOffStartsWhenSwitchedOn) {
    WriteWav("music/theme.wav", 1.0);
    Game->MusicOff();
    Game->MusicLoad("theme.wav", 1);
    EXPECT_EQ(Game->MusicSample, nullptr) << "nothing is loaded while music is off";
    Game->MusicPlay(0, 0, 0);
    EXPECT_FALSE(Game->MusicIsPlaying());
    EXPECT_EQ(Game->MusicRestart, 1);
    EXPECT_EQ(Game->MusicName, "theme.wav");
    EXPECT_EQ(Game->MusicOn(), 1);
    EXPECT_TRUE(Game->MusicIsPlaying());
    EXPECT_NE(Game->MusicSample, nullptr);
}

TEST_F(MusicTest, AfterMusicNoneSwitchingMusicOnPlaysNothing) {
    WriteWav("music/theme.wav", 1.0);
    Game->MusicLoad("theme.wav", 1);
    Game->MusicPlay(0, 0, 0);
    Game->MusicNone();
    EXPECT_FALSE(Game->MusicIsPlaying());
    EXPECT_EQ(Game->MusicName, "none");
    Game->ToggleMusic();
    EXPECT_EQ(Game->Music, 0) << "switching off holds even with nothing playing";
    Game->ToggleMusic();
    EXPECT_EQ(Game->Music, 1);
    EXPECT_FALSE(Game->MusicIsPlaying());
    EXPECT_EQ(Game->MusicSample, nullptr);
}

TEST_F(MusicTest, AFinishedUnloopedPieceIsNotResumed) {
    WriteWav("music/jingle.wav", 0.05);
    Game->MusicLoad("jingle.wav", 0);
    Game->MusicPlay(0, 0, 0);
    for (int i = 0; i < 400 && Game->MusicIsPlaying(); ++i) platform::Clock::Delay(5);
    ASSERT_FALSE(Game->MusicIsPlaying());
    Ticks(1);
    EXPECT_EQ(Game->MusicStopped, 1);
    Game->MusicOff();
    Game->MusicOn();
    EXPECT_FALSE(Game->MusicIsPlaying());
}

TEST_F(MusicTest, VolumeChangesClampAndReachTheChannelAtOnce) {
    WriteWav("music/theme.wav", 1.0);
    Game->MusicLoad("theme.wav", 1);
    Game->MusicPlay(0, 0, 0);
    Game->MusicSetVolume(140, 0);
    EXPECT_EQ(Game->MusicVolume, 100);
    Game->MusicChangeVolume(-30);
    EXPECT_EQ(Game->MusicVolume, 70);
    EXPECT_FLOAT_EQ(MusicVolumeNow(), 0.7f);
    Game->MusicChangeVolume(-90);
    EXPECT_EQ(Game->MusicVolume, 0);
    EXPECT_FALSE(Game->MusicIsAudible());
    EXPECT_TRUE(std::filesystem::exists(Game->SettingsBasePath() + ".ini")) << "saved";
}

TEST_F(MusicTest, AMissingPieceIsFatalAndNamesTheFile) {
    EXPECT_THROW(Game->MusicLoad("nowhere.ogg", 1), TFatalExit);
    EXPECT_NE(ErrorLog().find("Error loading sample " + Game->MusicPath + "nowhere.ogg"),
              std::string::npos);
}

TEST_F(MusicTest, TogglingRefusedWhilePaused) {
    Game->Paused = 1;
    Game->ToggleMusic();
    EXPECT_EQ(Game->Music, 1);
}
