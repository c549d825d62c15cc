#include <functional>
#include <string>
#include <vector>

#include "framework/AssetBanks.h"
#include "framework/TImageBank.h"
#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/GameEffects.h"
#include "toolkit/ToolkitSound.h"

class EffectTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        for (const char* n : {"burningcard",
                              "lock card",
                              "MagicHighlight",
                              "pearl",
                              "crosshair",
                              "ArrowUp",
                              "Lightning",
                              "blank key card",
                              "ParticleRingWhite",
                              "crown",
                              "regal card0",
                              "bow",
                              "ParticleRingPink",
                              "NoStars",
                              "BronzeStarMedium",
                              "Good",
                              "SilverStarMedium",
                              "Great",
                              "GoldStarMedium",
                              "GoldStarBig",
                              "Perfect"})
            ImageBank.Add(n, SolidImage(20, 20, 255, 255, 255, 1));
        ToolkitSoundPlayer = [this](const std::string& n, float) { played.push_back(n); };
    }
    void TearDown() override {
        ToolkitSoundPlayer = nullptr;
        ImageBank.Clear();
        ToolkitTest::TearDown();
    }
    // Ticks until the list is empty; -1 when it never empties.
    int TicksToEmpty(int limit = 2000) {
        for (int t = 1; t <= limit; ++t) {
            list.Manage();
            if (list.Empty()) return t;
        }
        return -1;
    }
    TParticleList list;
    std::vector<std::string> played;
};

TEST_F(EffectTest, EveryEffectMakesParticlesThatEndByThemselves) {
    std::vector<std::pair<std::string, std::function<void()>>> effects = {
        {"burning card", [&] { EffectBurningCard(list, 500, 400, 10); }},
        {"falling card", [&] { EffectFallingCard(list, SolidImage(80, 120), 500, 400, -5); }},
        {"gold coin", [&] { EffectGoldCoin(list, SolidImage(20, 20), 500, 400, 100, 50, 2); }},
        {"end of combo", [&] { EffectEndOfCombo(list, 500, 400); }},
        {"five times", [&] { EffectFiveTimesMultiplier(list, 500, 400); }},
        {"cupid", [&] { EffectCupid(list, 500, 400); }},
        {"lightning", [&] { EffectLightning(list, 500, 400); }},
        {"key", [&] { EffectKeyPickedUp(list, 500, 400); }},
        {"lock", [&] { EffectLockUnlocked(list, 500, 400, 3); }},
        {"lock counters", [&] { EffectLockCountersReduced(list, 500, 400); }},
        {"regal", [&] { EffectRegalCard(list, 500, 400); }},
        {"bow", [&] { EffectBow(list, 500, 400); }},
        {"story item", [&] { EffectStoryItemRevealed(list, SolidImage(190, 190), 500, 400); }},
        {"powerup", [&] { EffectPowerupCharged(list, 500, 400); }},
        {"goal", [&] { EffectGoalComplete(list, 500, 400); }},
        {"no stars", [&] { EffectHandEndStars(list, 0, 500, 400); }},
        {"three stars", [&] { EffectHandEndStars(list, 3, 500, 400); }},
        {"stake", [&] { EffectStake(list, 500, 400); }},
    };
    for (auto& [name, make] : effects) {
        SCOPED_TRACE(name);
        make();
        EXPECT_FALSE(list.Empty());
        int ticks = TicksToEmpty();
        EXPECT_GT(ticks, 10);
        EXPECT_NE(ticks, -1);
        list.Kill();
    }
}

TEST_F(EffectTest, EffectsPlayTheirSoundsByName) {
    using Names = std::vector<std::string>;
    struct Case {
        std::string name;
        std::function<void()> make;
        Names sounds;
    };
    std::vector<Case> cases = {
        {"five times",
         [&] { EffectFiveTimesMultiplier(list, 500, 400); },
         {"fivexmultiplier", "shortpearl"}},
        {"bow", [&] { EffectBow(list, 500, 400); }, {"magicreleased"}},
        {"no stars", [&] { EffectHandEndStars(list, 0, 500, 400); }, {"LevelEnd_0Stars"}},
        {"one star", [&] { EffectHandEndStars(list, 1, 500, 400); }, {"LevelEnd_1Star"}},
        {"two stars", [&] { EffectHandEndStars(list, 2, 500, 400); }, {"LevelEnd_2Stars"}},
        {"three stars", [&] { EffectHandEndStars(list, 3, 500, 400); }, {"LevelEnd_3Stars"}},
        {"more than three", [&] { EffectHandEndStars(list, 7, 500, 400); }, {"LevelEnd_3Stars"}},
        {"hand start", [&] { EffectHandStart(); }, {"LevelStart"}},
        {"stake", [&] { EffectStake(list, 500, 400); }, {"stake"}},
        {"goal", [&] { EffectGoalComplete(list, 500, 400); }, {}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        played.clear();
        c.make();
        EXPECT_EQ(played, c.sounds);
        list.Kill();
    }
}

TEST_F(EffectTest, HandEndShowsOneMedalPerStarAndTheWord) {
    for (int stars = 0; stars <= 3; ++stars) {
        SCOPED_TRACE(stars);
        EffectHandEndStars(list, stars, 500, 400);
        // Medals, the big star on a perfect hand, and the word.
        EXPECT_EQ(list.Count(), stars + (stars == 3 ? 1 : 0) + 1);
        list.Kill();
    }
}

TEST_F(EffectTest, GoldCoinWaitsFliesToTheCounterAndRests) {
    std::vector<float> endsAt;
    int tick = 0;
    auto coin = EffectGoldCoin(list, SolidImage(20, 20), 500, 400, 100, 50, 2,
                               [&](TParticle&) { endsAt.push_back(static_cast<float>(tick)); });
    EXPECT_FLOAT_EQ(coin->Alpha, 0);
    for (tick = 1; tick <= 40; ++tick) list.Manage();
    EXPECT_FLOAT_EQ(coin->Alpha, 1);
    for (; tick <= 100; ++tick) list.Manage();  // a 300 ms flight
    EXPECT_EQ(endsAt, (std::vector<float>{40, 100}));
    EXPECT_NEAR(coin->x, 100, 1e-3);
    EXPECT_NEAR(coin->y, 50, 1e-3);
    int left = TicksToEmpty();
    EXPECT_EQ(left, 50);
    EXPECT_EQ(endsAt.size(), 3u);
}

TEST_F(EffectTest, BurningCardCallsBackOnceAsItBurnsOut) {
    int burnt = 0;
    auto card = std::make_shared<int>(7);
    EffectBurningCard(
        list, 500, 400, 0, 0.789f, 500,
        [&](TParticle& p) {
            burnt++;
            EXPECT_EQ(*std::static_pointer_cast<int>(p.DataObject), 7);
        },
        card);
    EXPECT_EQ(TicksToEmpty(), 100);
    EXPECT_EQ(burnt, 1);
    EXPECT_EQ(card.use_count(), 1);  // the particle let go of it
}

TEST_F(EffectTest, FallingCardStaysOpaqueThenFades) {
    auto p = EffectFallingCard(list, SolidImage(80, 120), 500, 100, 4);
    EXPECT_FLOAT_EQ(p->ygravity, 0.04f);
    EXPECT_EQ(p->DoRotate, 1);
    for (int i = 0; i < 60; ++i) list.Manage();
    EXPECT_GE(p->FadeAlpha(), 1);
    for (int i = 0; i < 50; ++i) list.Manage();
    EXPECT_LT(p->FadeAlpha(), 0.6f);
}
