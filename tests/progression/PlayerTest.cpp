#include <gtest/gtest.h>

#include "cards/TCardHooks.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"

namespace {

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        testing::internal::CaptureStdout();
    }
    void TearDown() override {
        testing::internal::GetCapturedStdout();
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
    }
};

TEST_F(PlayerTest, ChaptersHaveTheirHands) {
    int total = 0;
    for (int h : handsPerChapter) total += h;
    EXPECT_EQ(total, 180);
    EXPECT_EQ(handsPerChapter[0], 2);
    EXPECT_EQ(handsPerChapter[1], 3);
    EXPECT_EQ(handsPerChapter[2], 5);
    EXPECT_EQ(handsPerChapter[19], 10);
}

TEST_F(PlayerTest, ScoringAHandAdvancesHandAndChapter) {
    struct Case {
        int level, hand, unlocked;
        int level2, hand2, just, unlocked2;
    } cases[] = {
        {3, 5, 3, 4, 1, 1, 4}, {3, 5, 9, 4, 1, 1, 9},      {3, 4, 3, 3, 5, 0, 3},
        {1, 2, 1, 2, 1, 1, 2}, {20, 10, 20, 21, 1, 1, 21}, {4, 1, 4, 4, 2, 0, 4},
    };
    for (const auto& k : cases) {
        Player->Level = k.level;
        Player->Unlocked = k.unlocked;
        SaveData->hand = k.hand;
        Player->UpdateLevelEndData();
        EXPECT_EQ(Player->Level, k.level2) << k.level << "-" << k.hand;
        EXPECT_EQ(SaveData->hand, k.hand2) << k.level << "-" << k.hand;
        EXPECT_EQ(Player->chapterJustCompleted, k.just) << k.level << "-" << k.hand;
        EXPECT_EQ(Player->Unlocked, k.unlocked2) << k.level << "-" << k.hand;
        EXPECT_EQ(Player->UnlockedBackup, k.unlocked);
    }
}

TEST_F(PlayerTest, NewHandStatsWithShopBonuses) {
    struct Case {
        std::vector<int> items;
        int gold, stage, undos, comboMin;
    } cases[] = {
        {{}, 0, 0, 1, 6},   {{5}, 10, 0, 1, 6},     {{38}, 0, 2, 1, 6}, {{38, 39}, 0, 5, 1, 6},
        {{33}, 0, 0, 2, 6}, {{33, 35}, 0, 0, 3, 6}, {{14}, 0, 0, 1, 5},
    };
    for (const auto& k : cases) {
        SaveData = std::make_shared<TSaveData>();
        for (int i : k.items) SaveData->SetShopItemStatus(i, 2);
        Player->Combo = 9;
        Player->levelCoinsCollected = 4;
        Player->UsedPowerup2 = 1;
        Player->LastTimeTaken = 5;
        Player->InitNewLevelStats();
        EXPECT_EQ(Player->levelGoldCollected, k.gold);
        EXPECT_EQ(SaveData->chapterGold, k.gold);
        EXPECT_EQ(Player->MultiplierStage, k.stage);
        EXPECT_EQ(Player->UndosLeft, k.undos);
        EXPECT_EQ(Player->ComboMin, k.comboMin);
        EXPECT_EQ(Player->Combo, 0);
        EXPECT_EQ(Player->levelCoinsCollected, 0);
        EXPECT_EQ(Player->UsedPowerup2, 0);
        EXPECT_EQ(Player->LastTimeTaken, 9999);
    }
}

TEST_F(PlayerTest, MultiplierTable) {
    EXPECT_FLOAT_EQ(Player->MultiplierValues[0], 1.0f);
    EXPECT_FLOAT_EQ(Player->MultiplierValues[15], 2.5f);
    EXPECT_FLOAT_EQ(Player->MultiplierValues[29], 3.9f);
    EXPECT_FLOAT_EQ(Player->MultiplierValues[30], 5.0f);
    EXPECT_EQ(Player->MultiplierText[0], "1.0");
    EXPECT_EQ(Player->MultiplierText[29], "3.9");
    EXPECT_EQ(Player->MultiplierText[30], "5");
}

TEST_F(PlayerTest, AllThreePowerupsInOneHand) {
    std::vector<std::string> got;
    ProgressHooks.UnlockAchievement = [&](const std::string& n) { got.push_back(n); };
    Player->UsedPowerup(1);
    Player->UsedPowerup(3);
    EXPECT_TRUE(got.empty());
    Player->UsedPowerup(2);
    EXPECT_EQ(got, std::vector<std::string>{"PowerupsUsed"});
}

TEST_F(PlayerTest, CoinsAndComboThroughTheCardHooks) {
    Player->InstallCardHooks();
    Player->InitNewLevelStats();
    CardHooks.LogCoinCollected(10, 1);
    CardHooks.LogCoinCollected(10, 1);
    EXPECT_EQ(Player->levelGoldCollected, 20);
    EXPECT_EQ(Player->levelCoinsCollected, 2);
    EXPECT_EQ(SaveData->chapterGold, 20);
    CardHooks.LogCoinCollected(-10, -1);  // an undo
    EXPECT_EQ(Player->levelCoinsCollected, 1);
    int started = 0;
    ProgressHooks.StartCombo = [&] { started++; };
    for (int i = 0; i < 6; ++i) CardHooks.IncreaseCombo();
    EXPECT_EQ(started, 1);
    EXPECT_EQ(Player->bestCombo, 6);
    EXPECT_EQ(SaveData->recordCombo, 6);
    EXPECT_EQ(Player->GetMultiplierInProgress(), 1);
    CardHooks.StoryItemFound();
    EXPECT_EQ(Player->storyItemFound, 1);
    EXPECT_EQ(SaveData->chapterStoryItemFound, 1);
}

TEST_F(PlayerTest, TimeBonusFromTheTimeLeft) {
    Player->LevelTimeLeft = 125.7f;  // 2 minutes 5 seconds
    Player->CalcTimeBonus();
    EXPECT_EQ(Player->TimeBonus, 2 * 600 + 5 * 10);
}

}  // namespace
