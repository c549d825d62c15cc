#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/AssetBanks.h"
#include "progression/TGameState.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"

namespace {

class SaveDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        FatalMissingAssets = 0;
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        CurrentLevel = std::make_shared<TLevel>();
        ProgressHooks.UnlockAchievement = [this](const std::string& n) {
            achievements.push_back(n);
        };
        testing::internal::CaptureStdout();
    }
    void TearDown() override {
        testing::internal::GetCapturedStdout();
        CurrentLevel.reset();
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
        FatalMissingAssets = 1;
        timedMode = 1;
    }

    static std::vector<int32_t> Record(const TSaveData& data) {
        std::ostringstream out;
        EXPECT_EQ(data.Save(out), 1);
        std::string bytes = out.str();
        EXPECT_EQ(bytes.size(), 360u);
        std::vector<int32_t> values;
        for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
            auto b = reinterpret_cast<const unsigned char*>(bytes.data() + i);
            values.push_back(static_cast<int32_t>(b[0] | b[1] << 8 | b[2] << 16 |
                                                  static_cast<uint32_t>(b[3]) << 24));
        }
        return values;
    }

    std::vector<std::string> achievements;
};

TEST_F(SaveDataTest, NewProfileRecordByDifficulty) {
    for (auto [choose, d] :
         {std::pair{&TGameState::SetRelaxedMode, 0}, {&TGameState::SetTimedMode, 1}}) {
        choose();
        TSaveData data;
        data.Init();
        std::vector<int32_t> want = {0, 1, d, 1, 0, 0, 0};
        want.insert(want.end(), 11, -1);
        want.insert(want.end(), 48, 0);
        want.insert(want.end(), 24, 0);
        EXPECT_EQ(Record(data), want) << "difficulty " << d;
    }
}

TEST_F(SaveDataTest, RecordIsLittleEndianAndReadsBack) {
    TSaveData data;
    data.Init();
    data.goldCollected = 0x01020304;
    data.wildcards[0] = 0;
    data.wildcards[1] = 7;
    data.shopPurchases[44] = 2;
    data.chapterStars[9] = 3;
    data.chapterPerfects[0] = 1;
    data.chapterMaxMultiplierSlot = 12;
    data.powerupCharges = {5, 6, 7};
    std::ostringstream out;
    data.Save(out);
    std::string bytes = out.str();
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(28, 4), std::string("\x00\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(32, 4), std::string("\x07\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(36, 4), std::string("\xff\xff\xff\xff", 4));

    TSaveData back;
    std::istringstream in(bytes);
    ASSERT_EQ(back.Load(in), 1);
    EXPECT_EQ(Record(back), Record(data));
    EXPECT_EQ(back.powerupCharges[2], 7);
    EXPECT_EQ(back.chapterPerfects[0], 1);
    EXPECT_EQ(back.chapterStars[9], 3);

    // A short record changes nothing.
    TSaveData kept;
    kept.goldCollected = 99;
    std::istringstream shortIn(bytes.substr(0, 100));
    EXPECT_EQ(kept.Load(shortIn), 0);
    EXPECT_EQ(kept.goldCollected, 99);
}

TEST_F(SaveDataTest, FanSlotForAValue) {
    TSaveData data;
    EXPECT_EQ(data.GetFanSlot(9), 0);  // empty fan
    data.wildcards = {3, 7, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    struct Case {
        int value, slot;
    } cases[] = {{7, 2}, {0, 0}, {3, 1}, {5, 1}, {13, 2}, {2, 0}};
    for (const auto& k : cases) EXPECT_EQ(data.GetFanSlot(k.value), k.slot) << k.value;
    data.wildcards.fill(4);
    EXPECT_EQ(data.GetFanSlot(1), -1);
}

TEST_F(SaveDataTest, InsertAfterAnEqualValueMovesTheCardsOnTheTable) {
    TSaveData data;
    data.wildcards = {3, 7, 9, -1, -1, -1, -1, -1, -1, -1, -1};
    std::vector<std::shared_ptr<TCard>> onTable;
    for (int slot = 0; slot < 3; ++slot) {
        auto c = TCard::CreateWildCard(data.wildcards[static_cast<size_t>(slot)]);
        c->fan = 1;
        c->fanSlot = slot;
        c->SetFanCoords();
        CurrentLevel->cardList->AddLast(c);
        onTable.push_back(c);
    }
    auto w = TCard::CreateWildCard(7);
    w->fanSlot = data.GetFanSlot(7);
    ASSERT_EQ(w->fanSlot, 2);
    EXPECT_EQ(data.InsertWildcard(*w), 1);
    EXPECT_EQ(data.wildcards[0], 3);
    EXPECT_EQ(data.wildcards[1], 7);
    EXPECT_EQ(data.wildcards[2], 7);
    EXPECT_EQ(data.wildcards[3], 9);
    EXPECT_EQ(onTable[2]->fanSlot, 3);
    EXPECT_FLOAT_EQ(onTable[2]->x, TLevel::CalcFanWildcardX(3));
    EXPECT_EQ(onTable[1]->fanSlot, 1);

    data.RemoveWildcard(1);
    EXPECT_EQ(data.wildcards[1], 7);
    EXPECT_EQ(data.wildcards[2], 9);
    EXPECT_EQ(data.wildcards[10], -1);
    EXPECT_EQ(onTable[2]->fanSlot, 2);
    EXPECT_EQ(data.CountFullFanSlots(), 3);
    EXPECT_EQ(data.GetEmptyFanSlot(), 3);
}

TEST_F(SaveDataTest, FullFanRefusesAndFillingItIsAnAchievement) {
    TSaveData data;
    for (int i = 0; i < 10; ++i) data.wildcards[static_cast<size_t>(i)] = i + 1;
    auto w = TCard::CreateWildCard(13);
    w->fanSlot = data.GetFanSlot(13);
    EXPECT_EQ(data.InsertWildcard(*w), 1);
    EXPECT_EQ(achievements, std::vector<std::string>{"FanFull"});
    EXPECT_EQ(data.CountEmptyFanSlots(), 0);
    auto extra = TCard::CreateWildCard(2);
    extra->fanSlot = 1;
    EXPECT_EQ(data.InsertWildcard(*extra), 0);
    EXPECT_EQ(data.wildcards[1], 2);
}

TEST_F(SaveDataTest, Save25000OnlyWhenPassed) {
    TSaveData data;
    data.goldCollected = 24990;
    data.CollectGold(10);
    EXPECT_TRUE(achievements.empty());
    data.CollectGold(1);
    EXPECT_EQ(achievements, std::vector<std::string>{"Save25000"});
    data.CollectGold(100);
    EXPECT_EQ(achievements.size(), 1u);
    // Straight past the mark counts too.
    TSaveData other;
    other.goldCollected = 24990;
    other.CollectGold(11);
    EXPECT_EQ(achievements.size(), 2u);
    data.SpendGold(30000);
    EXPECT_EQ(data.GoldAvailable(), 0);
}

TEST_F(SaveDataTest, ShopStatusOutOfRangeIsLocked) {
    TSaveData data;
    data.SetShopItemStatus(44, 2);
    data.SetShopItemStatus(45, 2);
    EXPECT_TRUE(data.IsPurchased(44));
    EXPECT_EQ(data.GetShopItemStatus(45), 0);
    EXPECT_EQ(data.GetShopItemStatus(-1), 0);
}

TEST_F(SaveDataTest, RetriedHandLeavesNoTrace) {
    auto& data = *SaveData;
    data.Init();
    data.hand = 2;
    data.chapterGold = 300;
    data.chapterMaxCombo = 7;
    data.chapterStoryItemFound = 0;
    data.chapterMaxMultiplierSlot = 4;
    data.chapterStars[0] = 2;
    data.BackupChapterStats();
    // The hand is played perfectly with three stars...
    data.chapterGold = 900;
    data.chapterMaxCombo = 12;
    data.chapterStoryItemFound = 1;
    data.chapterMaxMultiplierSlot = 9;
    data.chapterPerfects[1] = 1;
    data.chapterStars[1] = 3;
    // ...and retried.
    data.RevertChapterStats(2);
    EXPECT_EQ(data.chapterGold, 300);
    EXPECT_EQ(data.chapterMaxCombo, 7);
    EXPECT_EQ(data.chapterStoryItemFound, 0);
    EXPECT_EQ(data.chapterMaxMultiplierSlot, 4);
    EXPECT_EQ(data.chapterPerfects[1], 0);
    EXPECT_EQ(data.chapterStars[1], 0);
    EXPECT_EQ(data.chapterStars[0], 2);
    EXPECT_EQ(data.CountChapterStars(), 2);
}

TEST_F(SaveDataTest, ChapterStatsStartWithTheShopMultiplier) {
    struct Case {
        std::vector<int> items;
        int slot;
    } cases[] = {{{}, 0}, {{38}, 2}, {{39}, 5}, {{38, 39}, 5}};
    for (const auto& k : cases) {
        TSaveData data;
        for (int i : k.items) data.SetShopItemStatus(i, 2);
        data.chapterGold = 50;
        data.ClearChapterStats(1);
        EXPECT_EQ(data.chapterMaxMultiplierSlot, k.slot);
        EXPECT_EQ(data.backupChapterMaxMultiplierSlot, k.slot);
        EXPECT_EQ(data.chapterGold, 0);
        data.ClearChapterStats(0);
        EXPECT_EQ(data.chapterMaxMultiplierSlot, 0);
    }
}

TEST_F(SaveDataTest, CardHooksReachTheFan) {
    SaveData->InstallCardHooks();
    SaveData->wildcards[0] = 5;
    EXPECT_EQ(CardHooks.FanSlotFor(5), 1);
    EXPECT_EQ(CardHooks.FanSlotValue(0), 5);
    SaveData->SetShopItemStatus(10, 2);
    EXPECT_TRUE(CardHooks.Bought(10));
    EXPECT_FALSE(CardHooks.Bought(11));
    SaveData->plainCards = 1;
    EXPECT_TRUE(CardHooks.IsPlainCards());
}

}  // namespace
