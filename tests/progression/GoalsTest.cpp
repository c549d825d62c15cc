#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/TGameText.h"
#include "progression/TGoal.h"
#include "progression/TGoalGold.h"
#include "progression/TGoalPerfects.h"
#include "progression/TGoalStars.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "tests/TestSupport.h"
#include "toolkit/ToolkitText.h"

namespace {

constexpr int C = TGoal::COMBO, M = TGoal::MULTIPLIER, P = TGoal::PERFECTS, S = TGoal::STARS,
              G = TGoal::GOLD, I = TGoal::STORY_ITEM;

// Texts of our own so the tests read what the player would.
const std::map<std::string, std::string> TEXTS = {
    {"GoalCombo", "Combo of XX"},          {"GoalMultiplier", "Multiplier XX"},
    {"GoalPerfects", "XX perfects"},       {"GoalStars", "XX stars"},
    {"GoalGold", "XX gold (XX!)"},         {"GoalValueToGo", "(XX to go)"},
    {"GoalStoryItem3", "Find the letter"},
};

class GoalsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgressHooks = TProgressHooks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        ToolkitTextLookup = [](const std::string& key) {
            auto it = TEXTS.find(key);
            return it == TEXTS.end() ? key : it->second;
        };
        ProgressHooks.GoalCompleted = [this](int index) { completed.push_back(index); };
        testing::internal::CaptureStdout();
    }
    void TearDown() override {
        testing::internal::GetCapturedStdout();
        ProgressHooks = TProgressHooks();
        ToolkitTextLookup = nullptr;
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
    }
    void Chapter(int chapter, int hard = 0) {
        Player->Level = chapter;
        SaveData->timer = hard;
        SaveData->CreateGoals();
    }
    std::vector<int> completed;
};

struct Want {
    int type, normal, hard;
};

TEST_F(GoalsTest, EveryChapterSetsItsGoalsAtNormalAndHard) {
    const std::vector<std::vector<Want>> chapters = {
        {{I, 1, 1}},
        {{I, 2, 2}, {C, 6, 8}},
        {{S, 4, 9}, {G, 1200, 1700}},
        {{I, 3, 3}, {P, 2, 5}},
        {{S, 10, 19}, {M, 6, 9}},
        {{P, 4, 6}, {G, 4000, 4800}},
        {{I, 4, 4}, {S, 15, 20}, {C, 10, 13}},
        {{I, 5, 5}, {M, 10, 13}, {G, 3300, 3800}},
        {{I, 6, 6}, {P, 5, 6}, {C, 12, 15}},
        {{P, 6, 7}, {S, 20, 24}},
        {{M, 12, 14}, {G, 4000, 4600}},
        {{I, 7, 7}, {S, 20, 23}, {C, 14, 16}},
        {{P, 7, 8}, {M, 13, 15}, {G, 4300, 4800}},
        {{I, 8, 8}, {S, 24, 26}, {M, 18, 21}},
        {{P, 7, 8}, {C, 16, 18}, {G, 4700, 5100}},
        {{I, 9, 9}, {S, 24, 26}, {C, 18, 20}},
        {{S, 25, 27}, {M, 20, 21}, {G, 5000, 5300}},
        {{P, 8, 9}, {S, 27, 28}, {C, 22, 26}},
        {{I, 10, 10}, {P, 8, 9}, {M, 25, 30}},
        {{S, 27, 30}, {C, 25, 35}, {G, 5700, 6000}},
    };
    ASSERT_EQ(chapters.size(), 20u);
    for (int chapter = 1; chapter <= 20; ++chapter) {
        const auto& want = chapters[static_cast<size_t>(chapter - 1)];
        for (int hard : {0, 1}) {
            Chapter(chapter, hard);
            std::string where = "chapter " + std::to_string(chapter) + (hard ? " hard" : "");
            ASSERT_EQ(SaveData->totalGoals, static_cast<int>(want.size())) << where;
            for (size_t i = 0; i < want.size(); ++i) {
                const auto& goal = SaveData->goals[i];
                ASSERT_TRUE(goal) << where << " goal " << i;
                EXPECT_EQ(goal->goalType, want[i].type) << where << " goal " << i;
                if (want[i].type == I) {
                    EXPECT_EQ(goal->storyItem, want[i].normal) << where;
                    EXPECT_EQ(goal->target, 0) << where;
                } else {
                    EXPECT_LE(want[i].normal, want[i].hard);
                    EXPECT_EQ(goal->target, hard ? want[i].hard : want[i].normal) << where;
                    EXPECT_EQ(goal->storyItem, 0) << where;
                }
            }
            for (size_t i = want.size(); i < TSaveData::MAX_GOALS; ++i)
                EXPECT_FALSE(SaveData->goals[i]) << where << " goal " << i;
        }
    }
}

TEST_F(GoalsTest, AChapterOutsideTheGameKeepsThePreviousList) {
    Chapter(8);
    auto first = SaveData->goals;
    for (int chapter : {0, 21, -3}) {
        Chapter(chapter);
        EXPECT_EQ(SaveData->totalGoals, 3) << chapter;
        EXPECT_EQ(SaveData->goals, first) << chapter;
    }
}

TEST_F(GoalsTest, EachKindIsFoundAtItsPlaceInTheList) {
    struct Case {
        int chapter;
        int combo, multiplier, perfects, stars, gold, story;
    } cases[] = {
        {1, -1, -1, -1, -1, -1, 0},
        {8, -1, 1, -1, -1, 2, 0},
        {17, -1, 1, -1, 0, 2, -1},
        {18, 2, -1, 0, 1, -1, -1},
    };
    for (const Case& c : cases) {
        Chapter(c.chapter);
        EXPECT_EQ(SaveData->GetComboGoalIndex(), c.combo) << c.chapter;
        EXPECT_EQ(SaveData->GetMultiplierGoalIndex(), c.multiplier) << c.chapter;
        EXPECT_EQ(SaveData->GetPerfectsGoalIndex(), c.perfects) << c.chapter;
        EXPECT_EQ(SaveData->GetStarsGoalIndex(), c.stars) << c.chapter;
        EXPECT_EQ(SaveData->GetGoldGoalIndex(), c.gold) << c.chapter;
        EXPECT_EQ(SaveData->GetStoryItemGoalIndex(), c.story) << c.chapter;
    }
    // Before any chapter was set up there are no goals, and no goals count as all met.
    SaveData = std::make_shared<TSaveData>();
    EXPECT_EQ(SaveData->GetGoldGoalIndex(), -1);
    EXPECT_EQ(SaveData->AllGoalsComplete(), 1);
}

TEST_F(GoalsTest, GoalsAreMetByTheChapterCounters) {
    Chapter(20);  // stars 27, combo 25, gold 5700
    EXPECT_EQ(SaveData->AllGoalsComplete(), 0);
    SaveData->chapterStars.fill(3);
    SaveData->chapterMaxCombo = 25;
    SaveData->chapterGold = 5699;
    EXPECT_EQ(SaveData->goals[0]->Complete(), 1);
    EXPECT_EQ(SaveData->goals[1]->Complete(), 1);
    EXPECT_EQ(SaveData->goals[2]->Complete(), 0);
    EXPECT_EQ(SaveData->AllGoalsComplete(), 0);
    SaveData->chapterGold = 5700;
    EXPECT_EQ(SaveData->AllGoalsComplete(), 1);

    Chapter(5);  // stars 10, multiplier stage 6
    SaveData->chapterStars.fill(1);
    SaveData->chapterMaxMultiplierSlot = 5;
    EXPECT_EQ(SaveData->AllGoalsComplete(), 0);
    SaveData->chapterMaxMultiplierSlot = 6;
    EXPECT_EQ(SaveData->AllGoalsComplete(), 1);

    Chapter(9);  // story item 6, perfects 5, combo 12
    SaveData->chapterPerfects.fill(1);
    SaveData->chapterMaxCombo = 12;
    EXPECT_EQ(SaveData->goals[0]->Complete(), 0);
    SaveData->chapterStoryItemFound = 1;
    EXPECT_EQ(SaveData->AllGoalsComplete(), 1);
}

TEST_F(GoalsTest, TheRemainderShowsOnlyBetweenTheFirstProgressAndTheTarget) {
    struct Case {
        std::shared_ptr<TGoal> goal;
        int progress;  // perfect hands, stars or gold
        std::string text;
    } cases[] = {
        {std::make_shared<TGoalPerfects>(4), 0, "4 perfects"},
        {std::make_shared<TGoalPerfects>(4), 1, "4 perfects (3 to go)"},
        {std::make_shared<TGoalPerfects>(4), 4, "4 perfects"},
        {std::make_shared<TGoalPerfects>(4), 6, "4 perfects"},
        {std::make_shared<TGoalStars>(20), 19, "20 stars (1 to go)"},
        {std::make_shared<TGoalStars>(20), 20, "20 stars"},
        // Every "XX" of a text takes the number.
        {std::make_shared<TGoalGold>(1200), 0, "1200 gold (1200!)"},
        {std::make_shared<TGoalGold>(1200), 450, "1200 gold (1200!) (750 to go)"},
        {std::make_shared<TGoalGold>(1200), 1300, "1200 gold (1200!)"},
    };
    for (const Case& c : cases) {
        c.goal->Init();
        SaveData->chapterPerfects.fill(0);
        SaveData->chapterStars.fill(0);
        for (int i = 0; i < c.progress && i < TSaveData::CHAPTER_HANDS; ++i) {
            SaveData->chapterPerfects[static_cast<size_t>(i)] = 1;
        }
        for (int i = 0, left = c.progress; left > 0 && i < TSaveData::CHAPTER_HANDS; ++i) {
            SaveData->chapterStars[static_cast<size_t>(i)] = std::min(3, left);
            left -= 3;
        }
        SaveData->chapterGold = c.progress;
        EXPECT_EQ(c.goal->GetGoalString(), c.text) << c.goal->goalType << " " << c.progress;
        EXPECT_EQ(c.goal->Complete(), c.progress >= c.goal->target ? 1 : 0) << c.text;
    }
}

TEST_F(GoalsTest, GoldInFlightCountsOnceItLands) {
    Chapter(3);  // gold 1200 is goal 1
    SaveData->chapterGold = 1180;
    // Two coins leave their cards: credited at once, in flight until they land.
    for (int i = 0; i < 2; ++i) {
        Player->LogCoinCollected(10, 1);
        Player->levelGoldInTransit += 10;
    }
    EXPECT_EQ(SaveData->chapterGold, 1200);
    EXPECT_EQ(SaveData->goals[1]->Complete(), 0);
    EXPECT_EQ(SaveData->goals[1]->GetToGo(), 20);
    Player->GoldLanded(10);
    EXPECT_EQ(SaveData->goals[1]->Complete(), 0);
    EXPECT_TRUE(completed.empty());
    Player->GoldLanded(10);
    EXPECT_EQ(SaveData->goals[1]->Complete(), 1);
    EXPECT_EQ(Player->levelGoldInTransit, 0);
    EXPECT_EQ(completed, std::vector<int>{1});
    EXPECT_EQ(Player->GetReducedGoldValue(), Player->levelGoldCollected);
}

TEST_F(GoalsTest, AGoalIsAnnouncedOnceOnTheChangeThatMeetsIt) {
    // Each case raises one counter step by step; the hook must fire on exactly one step.
    struct Case {
        const char* name;
        int chapter;
        int head;  // the counter before the first step
        int steps;
        void (*step)();
        std::vector<int> announced;  // the goal index, at the step that meets it
        int atStep;
    } cases[] = {
        {"combo", 2, 0, 8, [] { Player->IncreaseCombo(); }, {1}, 6},
        {"combo already met", 2, 9, 8, [] { Player->IncreaseCombo(); }, {}, -1},
        {"multiplier", 5, 0, 4, [] { Player->IncreaseMultiplier(2); }, {1}, 3},
        {"multiplier already met", 5, 7, 4, [] { Player->IncreaseMultiplier(2); }, {}, -1},
        {"gold", 6, 3970, 5, [] { Player->LogGoldCollected(10, 1); }, {1}, 3},
        {"gold unchecked", 6, 3970, 5, [] { Player->LogGoldCollected(10, 0); }, {}, -1},
        {"gold already met", 6, 4000, 5, [] { Player->LogGoldCollected(10, 1); }, {}, -1},
        {"no combo goal", 1, 0, 8, [] { Player->IncreaseCombo(); }, {}, -1},
    };
    for (const Case& c : cases) {
        Chapter(c.chapter);
        SaveData->ClearChapterStats(0);
        Player->InitNewLevelStats();
        SaveData->chapterMaxCombo = c.head;
        SaveData->chapterMaxMultiplierSlot = c.head;
        SaveData->chapterGold = c.head;
        completed.clear();
        int firedAt = -1;
        for (int s = 1; s <= c.steps; ++s) {
            size_t before = completed.size();
            c.step();
            if (completed.size() > before && firedAt < 0) firedAt = s;
        }
        EXPECT_EQ(completed, c.announced) << c.name;
        EXPECT_EQ(firedAt, c.atStep) << c.name;
    }
}

TEST_F(GoalsTest, TheComboRecordFlagTellsWhetherTheLastPlayRaisedIt) {
    Chapter(2);
    SaveData->chapterMaxCombo = 3;
    Player->Combo = 2;
    Player->IncreaseCombo();  // 3: no new record
    EXPECT_EQ(SaveData->chapterMaxComboWasModified, 0);
    Player->IncreaseCombo();  // 4
    EXPECT_EQ(SaveData->chapterMaxComboWasModified, 1);
    EXPECT_EQ(SaveData->chapterMaxCombo, 4);
}

TEST_F(GoalsTest, StoryItemAndMultiplierGoalsNameWhatThePlayerSees) {
    Chapter(4);
    ASSERT_EQ(SaveData->goals[0]->goalType, I);
    EXPECT_EQ(SaveData->goals[0]->storyItem, 3);
    EXPECT_EQ(SaveData->goals[0]->GetGoalString(), "Find the letter");
    ToolkitTextLookup = nullptr;  // a key stands for itself
    EXPECT_EQ(SaveData->goals[0]->GetGoalString(), "GoalStoryItem3");

    ToolkitTextLookup = [](const std::string& key) { return TEXTS.at(key); };
    struct Case {
        int chapter, hard;
        std::string text;
    } cases[] = {{5, 0, "Multiplier 1.6"}, {8, 1, "Multiplier 2.3"}, {19, 1, "Multiplier 5"}};
    for (const Case& c : cases) {
        Chapter(c.chapter, c.hard);
        int i = SaveData->GetMultiplierGoalIndex();
        ASSERT_GE(i, 0);
        EXPECT_EQ(SaveData->goals[static_cast<size_t>(i)]->GetGoalString(), c.text) << c.chapter;
    }
}

TEST_F(GoalsTest, TheShippedTextHasEveryGoalText) {
    const auto file = std::filesystem::path(ROSEWICK_SOURCE_DIR) / "data" / "text" / "gametext.txt";
    TGameText text;
    text.Parse(testsupport::ReadFile(file), file.string());
    std::vector<std::string> counted = {"GoalCombo", "GoalMultiplier", "GoalPerfects",
                                        "GoalStars", "GoalGold",       "GoalValueToGo"};
    for (const auto& key : counted) {
        ASSERT_TRUE(text.Contains(key)) << key;
        EXPECT_NE(text.FindString(key).find("XX"), std::string::npos) << key;
    }
    for (int item = 1; item <= 10; ++item) {
        std::string key = "GoalStoryItem" + std::to_string(item);
        ASSERT_TRUE(text.Contains(key)) << key;
        EXPECT_EQ(text.FindString(key).find("XX"), std::string::npos) << key;
    }
    EXPECT_TRUE(text.Contains("Chapter Goals"));
    EXPECT_TRUE(text.Contains("Button OK"));
}

}  // namespace
