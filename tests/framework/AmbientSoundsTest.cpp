#include "framework/TAmbientSounds.h"
#include "framework/TAmbientSoundsNew.h"
#include "framework/TRandom.h"
#include "tests/framework/AudioFixture.h"

using AmbientSoundsTest = AudioTest;

TEST_F(AmbientSoundsTest, FillLoadsNumberedSoundsAndManagePlaysOneEachInterval) {
    for (int i = 0; i < 3; ++i) WriteWav("sound/birds" + std::to_string(i) + ".wav", 2.0);
    Game->ChannelsCreate(4);
    TAmbientSounds ambient;
    ambient.Fill("birds", 3, ".wav");
    EXPECT_EQ(ambient.TotalSounds, 3);
    ambient.Init(100, 100);  // every 20 ticks, always
    EXPECT_EQ(ambient.SoundCounterMax, 20);
    for (int i = 0; i < 19; ++i) ambient.Manage();
    EXPECT_EQ(Game->Channels->CountPlaying(), 0);
    ambient.Manage();
    EXPECT_EQ(Game->Channels->CountPlaying(), 1);
    EXPECT_FLOAT_EQ(ambient.SoundCounter, 20.0f) << "the interval starts over";

    ambient.Chance = 0;
    for (int i = 0; i < 100; ++i) ambient.Manage();
    EXPECT_EQ(Game->Channels->CountPlaying(), 1) << "no chance, no sound";
}

TEST_F(AmbientSoundsTest, TheNewPlayerNeverRepeatsAndIsForcedAfterEnoughMisses) {
    WriteWav("sound/AmbientSounds/a.ogg", 0.02);
    WriteWav("sound/AmbientSounds/b.ogg", 0.02);
    EffectsRandom.Seed(7);
    TAmbientSoundsNew ambient;
    ambient.Init();
    EXPECT_EQ(ambient.ambientSoundPath, Game->SoundPath + "AmbientSounds/");
    EXPECT_FLOAT_EQ(ambient.CounterMax(), 200.0f);
    ambient.LoadAmbientSound("a");
    ambient.LoadAmbientSound("b");
    ambient.SetCounterMax(5);  // one tick
    std::vector<int> played;
    for (int n = 0; n < 6; ++n) {
        ambient.Logic(1);
        played.push_back(ambient.LastIndex());
        ambient.Stop();
    }
    for (size_t i = 1; i < played.size(); ++i) EXPECT_NE(played[i], played[i - 1]);

    ambient.percentChance = 0;
    ambient.maxFails = 3;
    int before = ambient.LastIndex();
    for (int i = 0; i < 3; ++i) ambient.Logic(0);
    EXPECT_EQ(ambient.CurrentFails(), 3);
    EXPECT_EQ(ambient.LastIndex(), before);
    ambient.Logic(0);
    EXPECT_EQ(ambient.CurrentFails(), 0);
    EXPECT_NE(ambient.LastIndex(), before) << "forced after maxFails misses";
    ambient.Kill();
}
