#include "progression/TPlayer.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "cards/TCardHooks.h"
#include "framework/Globals.h"
#include "framework/TProfile.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "toolkit/Ticks.h"

std::shared_ptr<TPlayer> Player = std::make_shared<TPlayer>();

namespace {
constexpr int SHOP_LEFT_CANDELABRA = 5;
constexpr int SHOP_CARD_TABLE = 14;
constexpr int SHOP_GLOVES1 = 33;
constexpr int SHOP_GLOVES2 = 35;
constexpr int SHOP_NECKLACE = 38;
constexpr int SHOP_EARRINGS = 39;

bool Bought(int index) {
    return SaveData && SaveData->IsPurchased(index);
}

// Tests one goal before and after a counter changes: the goal is announced only on the change
// that makes it met.
class GoalWatch {
public:
    explicit GoalWatch(int goalIndex)
        : index(goalIndex), before(SaveData ? SaveData->GoalComplete(goalIndex) : 1) {}
    void Check() const {
        if (index < 0 || before || !SaveData || !SaveData->GoalComplete(index)) return;
        if (ProgressHooks.GoalCompleted) ProgressHooks.GoalCompleted(index);
    }

private:
    int index;
    int before;
};

int GoldGoalIndex() {
    return SaveData ? SaveData->GetGoldGoalIndex() : -1;
}
}  // namespace

TPlayer::TPlayer() {
    for (int i = 0; i < MAX_MULTIPLIER_STAGE; ++i) {
        MultiplierValues[static_cast<size_t>(i)] = 1.0f + static_cast<float>(i) * 0.1f;
        char text[8];
        std::snprintf(text, sizeof text, "%d.%d", 1 + i / 10, i % 10);
        MultiplierText[static_cast<size_t>(i)] = text;
    }
    MultiplierValues[MAX_MULTIPLIER_STAGE] = 5.0f;
    MultiplierText[MAX_MULTIPLIER_STAGE] = "5";
}

void TPlayer::InitNewLevelStats() {
    std::cout << "INIT NEW LEVEL STATS" << std::endl;
    DeathCounter = 0;
    Alive = 1;
    LastTimeTaken = 9999;
    LevelKills = levelGoldInTransit = LevelScore = 0;
    LevelTimeLeft = 0;
    LevelTimeTaken = 0;
    levelGoldCollected = levelCoinsCollected = NoChecks = TimeBonus = 0;
    if (Bought(SHOP_LEFT_CANDELABRA)) {
        levelGoldCollected = 10;
        if (SaveData) SaveData->chapterGold += 10;
    }
    MultiplierStage = Bought(SHOP_EARRINGS) ? 5 : Bought(SHOP_NECKLACE) ? 2 : 0;
    IncreaseMultiplierValue = 0;
    MultiplerStageTemp = 0;
    UndosLeft = Bought(SHOP_GLOVES2) ? 3 : Bought(SHOP_GLOVES1) ? 2 : 1;
    ProgressHooks.Call(ProgressHooks.SetUndoButtonCaption);
    Combo = lastCombo = ComboEndedWithNoStockCards = bestCombo = storyItemFound = 0;
    UsedPowerup1 = UsedPowerup2 = UsedPowerup3 = 0;
    ComboMin = Bought(SHOP_CARD_TABLE) ? 5 : 6;
}

void TPlayer::UpdateTotals() {
    TotalTimeTaken += LevelTimeTaken;
    TotalKills += LevelKills;
    TotalScore += LevelScore;
}

void TPlayer::CalcTimeBonus() {
    int seconds = static_cast<int>(LevelTimeLeft);
    TimeBonus = seconds / 60 * 600 + seconds % 60 * 10;
}

void TPlayer::UpdateLevelEndData() {
    CalcTimeBonus();
    UpdateTotals();
    if (SaveData) {
        SaveData->hand += 1;
        chapterJustCompleted = 0;
        int chapter = std::clamp(Level, 1, MAX_CHAPTERS);
        if (SaveData->hand > handsPerChapter[static_cast<size_t>(chapter - 1)]) {
            Level += 1;
            SaveData->hand = 1;
            chapterJustCompleted = 1;
        }
    }
    UnlockedBackup = Unlocked;
    if (Level > Unlocked) Unlocked = Level;
}

void TPlayer::ClearTipFlags() {
    UndoTipShown = WildcardTipShown = JokerTipShown = 0;
}

void TPlayer::UsedPowerup(int kind) {
    if (kind == 1) UsedPowerup1 = 1;
    if (kind == 2) UsedPowerup2 = 1;
    if (kind == 3) UsedPowerup3 = 1;
    if (UsedPowerup1 && UsedPowerup2 && UsedPowerup3) ProgressHooks.Achievement("PowerupsUsed");
}

void TPlayer::ManageTime() {
    float ticksPerSecond = MsToTicks(1000);
    if (ticksPerSecond > 0) LevelTimeTaken += Delta / ticksPerSecond;
}

void TPlayer::Manage() {
    ManageTime();
}

// --- Gold and combo ---------------------------------------------------------------------

void TPlayer::LogGoldCollected(int amount, int checkGoal) {
    GoalWatch watch(checkGoal ? GoldGoalIndex() : -1);
    levelGoldCollected += amount;
    if (SaveData) SaveData->chapterGold += amount;
    watch.Check();
}

void TPlayer::LogCoinCollected(int amount, int coins) {
    // The play screen puts the coin's gold in transit as the coin sets off, after this call;
    // testing here would meet the goal before the coin arrives.
    LogGoldCollected(amount, 0);
    levelCoinsCollected += coins;
}

void TPlayer::GoldLanded(int amount) {
    GoalWatch watch(GoldGoalIndex());
    // Never below 0: coins of a hand already left may still land.
    levelGoldInTransit = std::max(0, levelGoldInTransit - amount);
    watch.Check();
}

void TPlayer::IncreaseCombo() {
    Combo += 1;
    lastCombo = Combo;
    bestCombo = std::max(bestCombo, Combo);
    if (SaveData) {
        SaveData->recordCombo = std::max(SaveData->recordCombo, Combo);
        if (Combo > SaveData->chapterMaxCombo) {
            GoalWatch watch(SaveData->GetComboGoalIndex());
            SaveData->chapterMaxCombo = Combo;
            SaveData->chapterMaxComboWasModified = 1;
            watch.Check();
        } else {
            SaveData->chapterMaxComboWasModified = 0;
        }
    }
    if (Combo == ComboMin) ProgressHooks.Call(ProgressHooks.StartCombo);
}

void TPlayer::ClearCombo() {
    if (Combo == 0) lastCombo = 0;
    Combo = 0;
}

void TPlayer::UndoTableauPlay() {
    bool wasCombo = Combo >= ComboMin;
    Combo = std::max(0, Combo - 1);
    lastCombo = Combo;
    if (SaveData && SaveData->chapterMaxComboWasModified) {
        SaveData->chapterMaxCombo = std::max(0, SaveData->chapterMaxCombo - 1);
        SaveData->chapterMaxComboWasModified = 0;
    }
    if (wasCombo && Combo < ComboMin) ProgressHooks.Call(ProgressHooks.HideComboPanel);
}

void TPlayer::RestoreCombo() {
    Combo = lastCombo;
    if (Combo >= ComboMin) {
        ProgressHooks.Call(ProgressHooks.StartCombo);
        if (SaveData && SaveData->chapterMaxMultiplierSlotWasModified) {
            SaveData->chapterMaxMultiplierSlot = SaveData->chapterMaxMultiplierSlotPreviousValue;
            SaveData->chapterMaxMultiplierSlotWasModified = 0;
        }
        IncreaseMultiplier(ComboMin - Combo - 1);
    }
}

void TPlayer::IncreaseMultiplier(int n) {
    if (n == 0 || (n > 0 && MultiplierStage >= MAX_MULTIPLIER_STAGE) ||
        (n < 0 && MultiplierStage <= 0))
        return;
    MultiplierStage = std::clamp(MultiplierStage + n, 0, MAX_MULTIPLIER_STAGE);
    if (!SaveData) return;
    if (MultiplierStage > SaveData->chapterMaxMultiplierSlot) {
        GoalWatch watch(SaveData->GetMultiplierGoalIndex());
        SaveData->chapterMaxMultiplierSlotPreviousValue = SaveData->chapterMaxMultiplierSlot;
        SaveData->chapterMaxMultiplierSlot = MultiplierStage;
        SaveData->chapterMaxMultiplierSlotWasModified = 1;
        watch.Check();
    } else {
        SaveData->chapterMaxMultiplierSlotWasModified = 0;
    }
}

int TPlayer::GetMultiplierInProgress() const {
    int k = Combo - ComboMin + 1;
    if (k <= 0) return MultiplierStage;
    return std::min(MAX_MULTIPLIER_STAGE, MultiplierStage + k);
}

void TPlayer::InstallCardHooks() {
    CardHooks.LogCoinCollected = [this](int amount, int coins) { LogCoinCollected(amount, coins); };
    CardHooks.IncreaseCombo = [this] { IncreaseCombo(); };
    CardHooks.RestoreCombo = [this] { RestoreCombo(); };
    CardHooks.ClearCombo = [this] { ClearCombo(); };
    CardHooks.UndosLeft = [this] { return UndosLeft; };
    CardHooks.UsedPowerup = [this](int kind) { UsedPowerup(kind); };
    CardHooks.StoryItemFound = [this] {
        storyItemFound = 1;
        if (SaveData) SaveData->chapterStoryItemFound = 1;
    };
}

int TPlayer::ReadProfile(TProfile* profile, int load) {
    if (!profile) return 0;
    if (load) profile->Load();
    Name = profile->Name;
    Level = profile->CurrentLevel;
    // The profile keeps the first locked chapter, one past the highest reached.
    Unlocked = profile->LockedLevel - 1;
    TotalScore = profile->Score;
    Lives = profile->Lives;
    TotalKills = profile->Kills;
    TotalTimeTaken = profile->TimeTaken;
    ClearTipFlags();
    return 1;
}

void TPlayer::WriteProfile(TProfile* profile) {
    if (!profile) return;
    profile->Name = Name;
    profile->CurrentLevel = Level;
    profile->LockedLevel = Unlocked + 1;
    profile->Score = TotalScore;
    profile->Lives = Lives;
    profile->Kills = TotalKills;
    profile->TimeTaken = TotalTimeTaken;
    profile->Save();
}

void TPlayer::ProfileGameOver(TProfile* profile, int save) {
    if (!profile) return;
    profile->Score = 0;
    profile->CurrentLevel = 1;
    if (SaveData) SaveData->hand = 1;
    profile->Lives = 3;
    profile->Kills = 0;
    profile->TimeTaken = 0;
    if (save) profile->Save();
}
