#include "framework/TChannelArray.h"
#include "framework/TSoundBank.h"
#include "tests/framework/AudioFixture.h"

using ChannelArrayTest = AudioTest;

namespace {

int IndexOf(const TChannelArray& pool, const std::shared_ptr<TGameChannel>& c) {
    for (int i = 1; i <= pool.Count(); ++i)
        if (pool.ChannelByIndex(i) == c) return i;
    return 0;
}

void Occupy(TChannelArray& pool, int index) {
    pool.ChannelByIndex(index)->Channel->Play(Drone());
}

}  // namespace

TEST_F(ChannelArrayTest, HandsOutChannelsRoundRobinStartingAfterTheFirst) {
    auto pool = TChannelArray::Create(4);
    ASSERT_EQ(pool->Count(), 4);
    EXPECT_EQ(IndexOf(*pool, pool->Current), 1);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) order.push_back(IndexOf(*pool, pool->GetChannel()));
    EXPECT_EQ(order, (std::vector<int>{2, 3, 4, 1, 2, 3}));
    EXPECT_EQ(IndexOf(*pool, pool->Current), 3);
    EXPECT_EQ(pool->ChannelByIndex(0), nullptr);
    EXPECT_EQ(pool->ChannelByIndex(5), nullptr);
}

TEST_F(ChannelArrayTest, SkipsReservedAndBusyChannelsAndGivesNoneWhenAllAreTaken) {
    struct Case {
        const char* what;
        std::vector<int> reserved, playing, interruptible;
        int expected;  // index handed out after Current = 1; 0 = none
    } cases[] = {
        {"reserved is never handed out", {2}, {}, {}, 3},
        {"a playing channel is left alone", {}, {2, 3}, {}, 4},
        {"one that may be interrupted is taken while playing", {}, {2}, {2}, 2},
        {"Current itself is the last tried", {}, {2, 3, 4}, {}, 1},
        {"all taken", {1}, {2, 3, 4}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto pool = TChannelArray::Create(4);
        for (int i : c.reserved) pool->ChannelByIndex(i)->Reserved = 1;
        for (int i : c.playing) Occupy(*pool, i);
        for (int i : c.interruptible) pool->ChannelByIndex(i)->PlayWhenFinished = 0;
        auto got = pool->GetChannel();
        EXPECT_EQ(IndexOf(*pool, got), c.expected);
        if (!got) {
            EXPECT_EQ(IndexOf(*pool, pool->Current), 1) << "Current stays";
        }
        pool->Kill();
    }
}

TEST_F(ChannelArrayTest, BalanceSharesMaxVolAmongThePlayingSoundsAtMostFull) {
    struct Case {
        float maxVol;
        int channels, playing, extra;
        float expected;
    } cases[] = {
        {1.5f, 4, 2, 1, 0.5f},  // two playing, one about to start
        {1.5f, 4, 0, 0, 1.0f},  // nothing playing
        {1.5f, 4, 0, 1, 1.0f},  // a lone sound is not boosted
        {16.0f, 16, 15, 1, 1.0f}, {16.0f, 20, 16, 1, 16.0f / 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maxVol << " " << c.playing << "+" << c.extra);
        auto pool = TChannelArray::Create(c.channels);
        pool->MaxVol = c.maxVol;
        for (int i = 1; i <= c.playing; ++i) Occupy(*pool, i);
        EXPECT_EQ(pool->CountPlaying(), c.playing);
        EXPECT_FLOAT_EQ(pool->BalanceVolumes(c.extra), c.expected);
        pool->Kill();
    }
}

TEST_F(ChannelArrayTest, SetVolumeScalesEachChannelsOwnVolumeAndTheSoundSetting) {
    auto pool = TChannelArray::Create(2);
    pool->ChannelByIndex(1)->OriginalVolume = 0.5f;
    Game->SoundVolume = 80;
    pool->SetVolume(0.5f);
    EXPECT_FLOAT_EQ(pool->ChannelByIndex(1)->Channel->Volume(), 0.5f * 0.5f * 0.8f);
    EXPECT_FLOAT_EQ(pool->ChannelByIndex(2)->Channel->Volume(), 1.0f * 0.5f * 0.8f);
}

TEST_F(ChannelArrayTest, PlayGameSoundBalancesTheNewSoundAndKeepsTheSoundsOwnVolume) {
    WriteWav("sound/ping.wav", 2.0);
    SoundBank.SetPath(Game->SoundPath);
    auto ping = SoundBank.Load("ping", 1.25f, 0.9f);
    auto pool = TChannelArray::Create(4);
    Occupy(*pool, 3);
    Occupy(*pool, 4);
    auto used = pool->PlayGameSound(*ping, nullptr, 0.6f, -0.5f);
    ASSERT_EQ(IndexOf(*pool, used), 2);
    EXPECT_TRUE(used->Playing());
    EXPECT_FLOAT_EQ(used->OriginalVolume, 0.6f);
    EXPECT_FLOAT_EQ(used->Channel->Volume(), 0.6f * 0.5f);  // 1.5 shared by three
    EXPECT_FLOAT_EQ(used->Channel->Pan(), -0.5f);
    EXPECT_FLOAT_EQ(used->Channel->Rate(), 1.25f);
    EXPECT_FLOAT_EQ(ping->volume, 0.9f) << "the bank's volume is not overwritten";
    pool->Kill();
}

TEST_F(ChannelArrayTest, AFullPoolPlaysNothing) {
    WriteWav("sound/ping.wav", 0.2);
    auto ping = TGameSound::Create(Game->SoundPath + "ping.wav");
    auto pool = TChannelArray::Create(2);
    Occupy(*pool, 1);
    Occupy(*pool, 2);
    EXPECT_EQ(pool->PlayGameSound(*ping), nullptr);
    pool->Kill();
}

TEST_F(ChannelArrayTest, StoppingAChannelReplacesItWithAFreshCurrentOne) {
    auto pool = TChannelArray::Create(3);
    auto second = pool->ChannelByIndex(2);
    Occupy(*pool, 2);
    pool->StopGameChannel(second);
    EXPECT_FALSE(second->Playing());
    EXPECT_EQ(pool->Count(), 3);
    EXPECT_EQ(IndexOf(*pool, second), 0);
    EXPECT_EQ(IndexOf(*pool, pool->Current), 3) << "the fresh channel goes last";
    EXPECT_EQ(IndexOf(*pool, pool->GetChannel()), 1);

    auto outsider = TGameChannel::Create();
    pool->StopGameChannel(outsider);
    EXPECT_EQ(pool->Count(), 3) << "a channel from elsewhere does not grow the pool";

    pool->Kill();
    EXPECT_EQ(pool->Count(), 0);
    EXPECT_EQ(pool->GetChannel(), nullptr);
}

TEST_F(ChannelArrayTest, TheGamesPoolHasOneVolumePerChannel) {
    Game->ChannelsCreate(16);
    ASSERT_NE(Game->Channels, nullptr);
    EXPECT_EQ(Game->Channels->Count(), 16);
    EXPECT_FLOAT_EQ(Game->Channels->MaxVol, 16.0f);
    Game->ChannelsKill();
    EXPECT_EQ(Game->Channels, nullptr);
}
