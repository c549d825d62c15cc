#include "progression/TSaveData.h"

#include <cstdint>
#include <iostream>

#include "cards/TCard.h"
#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "progression/TGameState.h"
#include "progression/TGoalCombo.h"
#include "progression/TGoalGold.h"
#include "progression/TGoalMultiplier.h"
#include "progression/TGoalPerfects.h"
#include "progression/TGoalStars.h"
#include "progression/TGoalStoryItem.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"

std::shared_ptr<TSaveData> SaveData = std::make_shared<TSaveData>();

namespace {
constexpr int SHOP_NECKLACE = 38;
constexpr int SHOP_EARRINGS = 39;

void WriteInt(std::ostream& out, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    char b[4] = {static_cast<char>(u & 0xff), static_cast<char>((u >> 8) & 0xff),
                 static_cast<char>((u >> 16) & 0xff), static_cast<char>((u >> 24) & 0xff)};
    out.write(b, 4);
}

void MoveFanCard(int from, int to) {
    if (!CurrentLevel || !CurrentLevel->cardList) return;
    if (auto card = CurrentLevel->cardList->GetCardAtWildcardSlot(from)) {
        card->fanSlot = to;
        card->SetFanCoords();
    }
}

// A chapter's goal: its kind and the target at normal and at hard difficulty (a story-item
// goal gives the item's number for both).
struct GoalRow {
    int type = -1;  // -1: no goal
    int normal = 0, hard = 0;
};
constexpr int C = TGoal::COMBO, M = TGoal::MULTIPLIER, P = TGoal::PERFECTS, S = TGoal::STARS,
              G = TGoal::GOLD, I = TGoal::STORY_ITEM;
// clang-format off
constexpr GoalRow CHAPTER_GOALS[MAX_CHAPTERS][TSaveData::MAX_GOALS] = {
    {{I, 1, 1}},
    {{I, 2, 2},   {C, 6, 8}},
    {{S, 4, 9},   {G, 1200, 1700}},
    {{I, 3, 3},   {P, 2, 5}},
    {{S, 10, 19}, {M, 6, 9}},
    {{P, 4, 6},   {G, 4000, 4800}},
    {{I, 4, 4},   {S, 15, 20},  {C, 10, 13}},
    {{I, 5, 5},   {M, 10, 13},  {G, 3300, 3800}},
    {{I, 6, 6},   {P, 5, 6},    {C, 12, 15}},
    {{P, 6, 7},   {S, 20, 24}},
    {{M, 12, 14}, {G, 4000, 4600}},
    {{I, 7, 7},   {S, 20, 23},  {C, 14, 16}},
    {{P, 7, 8},   {M, 13, 15},  {G, 4300, 4800}},
    {{I, 8, 8},   {S, 24, 26},  {M, 18, 21}},
    {{P, 7, 8},   {C, 16, 18},  {G, 4700, 5100}},
    {{I, 9, 9},   {S, 24, 26},  {C, 18, 20}},
    {{S, 25, 27}, {M, 20, 21},  {G, 5000, 5300}},
    {{P, 8, 9},   {S, 27, 28},  {C, 22, 26}},
    {{I, 10, 10}, {P, 8, 9},    {M, 25, 30}},
    {{S, 27, 30}, {C, 25, 35},  {G, 5700, 6000}},
};
// clang-format on

std::shared_ptr<TGoal> MakeGoal(const GoalRow& row, int hard) {
    int value = hard ? row.hard : row.normal;
    std::shared_ptr<TGoal> goal;
    switch (row.type) {
        case TGoal::COMBO:
            goal = std::make_shared<TGoalCombo>(value);
            break;
        case TGoal::MULTIPLIER:
            goal = std::make_shared<TGoalMultiplier>(value);
            break;
        case TGoal::PERFECTS:
            goal = std::make_shared<TGoalPerfects>(value);
            break;
        case TGoal::STARS:
            goal = std::make_shared<TGoalStars>(value);
            break;
        case TGoal::GOLD:
            goal = std::make_shared<TGoalGold>(value);
            break;
        case TGoal::STORY_ITEM:
            goal = std::make_shared<TGoalStoryItem>(row.normal);
            break;
        default:
            return nullptr;
    }
    goal->Init();
    return goal;
}
}  // namespace

TSaveData::TSaveData() {
    wildcards.fill(-1);
    shopPurchases.fill(0);
}

void TSaveData::Init() {
    std::cout << "Init Data" << std::endl;
    gaugeLevel = 0;
    showTips = 1;
    timer = timedMode;
    hand = 1;
    plainCards = 0;
    recordCombo = 0;
    goldCollected = 0;
    wildcards.fill(-1);
    shopPurchases.fill(0);
    powerupCharges.fill(0);
    if (ProgressHooks.SetPowerupCharge)
        for (int k = 0; k < 3; ++k) ProgressHooks.SetPowerupCharge(k, 0);
    goals.fill(nullptr);
    totalGoals = 0;
    ClearChapterStats(0);
    ClearHandStats();
}

int TSaveData::Save(std::ostream& out) const {
    for (int v : {gaugeLevel, showTips, timer, hand, plainCards, recordCombo, goldCollected})
        WriteInt(out, v);
    for (int v : wildcards) WriteInt(out, v);
    for (int v : shopPurchases) WriteInt(out, v);
    for (int k = 0; k < 3; ++k)
        WriteInt(out, ProgressHooks.GetPowerupCharge ? ProgressHooks.GetPowerupCharge(k)
                                                     : powerupCharges[static_cast<size_t>(k)]);
    for (int i = 0; i < CHAPTER_HANDS; ++i) {
        WriteInt(out, chapterPerfects[static_cast<size_t>(i)]);
        WriteInt(out, chapterStars[static_cast<size_t>(i)]);
    }
    for (int v : {chapterGold, chapterStoryItemFound, chapterMaxCombo, chapterMaxMultiplierSlot})
        WriteInt(out, v);
    return out ? 1 : 0;
}

int TSaveData::Load(std::istream& in) {
    unsigned char bytes[RECORD_BYTES];
    in.read(reinterpret_cast<char*>(bytes), RECORD_BYTES);
    if (in.gcount() != RECORD_BYTES) return 0;
    int v[RECORD_VALUES];
    for (int i = 0; i < RECORD_VALUES; ++i) {
        const unsigned char* b = bytes + i * 4;
        uint32_t u = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                     static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
        v[i] = static_cast<int32_t>(u);
    }
    int k = 0;
    gaugeLevel = v[k++];
    showTips = v[k++];
    timer = v[k++];
    hand = v[k++];
    plainCards = v[k++];
    recordCombo = v[k++];
    goldCollected = v[k++];
    for (int& w : wildcards) w = v[k++];
    for (int& s : shopPurchases) s = v[k++];
    for (int p = 0; p < 3; ++p) {
        powerupCharges[static_cast<size_t>(p)] = v[k++];
        if (ProgressHooks.SetPowerupCharge)
            ProgressHooks.SetPowerupCharge(p, powerupCharges[static_cast<size_t>(p)]);
    }
    for (int i = 0; i < CHAPTER_HANDS; ++i) {
        chapterPerfects[static_cast<size_t>(i)] = v[k++];
        chapterStars[static_cast<size_t>(i)] = v[k++];
    }
    chapterGold = v[k++];
    chapterStoryItemFound = v[k++];
    chapterMaxCombo = v[k++];
    chapterMaxMultiplierSlot = v[k++];
    return 1;
}

void TSaveData::BackupChapterStats() {
    std::cout << "BACKUP CHAPTER STATS" << std::endl;
    backupChapterGold = chapterGold;
    backupChapterStoryItemFound = chapterStoryItemFound;
    backupChapterMaxCombo = chapterMaxCombo;
    backupChapterMaxMultiplierSlot = chapterMaxMultiplierSlot;
}

void TSaveData::ClearChapterStats(int applyShopBonus) {
    std::cout << "CLEAR CHAPTER STATS" << std::endl;
    chapterPerfects.fill(0);
    chapterStars.fill(0);
    chapterGold = 0;
    chapterStoryItemFound = 0;
    chapterMaxCombo = 0;
    chapterMaxMultiplierSlot = 0;
    if (applyShopBonus) {
        if (IsPurchased(SHOP_EARRINGS))
            chapterMaxMultiplierSlot = 5;
        else if (IsPurchased(SHOP_NECKLACE))
            chapterMaxMultiplierSlot = 2;
    }
    backupChapterGold = 0;
    backupChapterStoryItemFound = 0;
    backupChapterMaxCombo = 0;
    backupChapterMaxMultiplierSlot = chapterMaxMultiplierSlot;
}

void TSaveData::ClearHandStats() {
    chapterMaxComboWasModified = 0;
    chapterMaxMultiplierSlotWasModified = 0;
    chapterMaxMultiplierSlotPreviousValue = 0;
}

void TSaveData::RevertChapterStats(int h) {
    std::cout << "Reverting Chapter Stats" << std::endl;
    chapterGold = backupChapterGold;
    chapterStoryItemFound = backupChapterStoryItemFound;
    chapterMaxCombo = backupChapterMaxCombo;
    chapterMaxMultiplierSlot = backupChapterMaxMultiplierSlot;
    if (h >= 1 && h <= CHAPTER_HANDS) {
        chapterPerfects[static_cast<size_t>(h - 1)] = 0;
        chapterStars[static_cast<size_t>(h - 1)] = 0;
    }
}

int TSaveData::CountChapterPerfects() const {
    int n = 0;
    for (int p : chapterPerfects)
        if (p) n++;
    return n;
}

int TSaveData::CountChapterStars() const {
    int n = 0;
    for (int s : chapterStars) n += s;
    return n;
}

// --- The chapter's goals ---------------------------------------------------------------

void TSaveData::CreateGoals() {
    int chapter = Player ? Player->Level : 0;
    if (chapter < 1 || chapter > MAX_CHAPTERS) return;
    goals.fill(nullptr);
    totalGoals = 0;
    for (const GoalRow& row : CHAPTER_GOALS[chapter - 1]) {
        auto goal = MakeGoal(row, timer);
        if (!goal) break;
        goals[static_cast<size_t>(totalGoals++)] = std::move(goal);
    }
}

int TSaveData::AllGoalsComplete() const {
    for (int i = 0; i < totalGoals; ++i)
        if (!GoalComplete(i)) return 0;
    return 1;
}

int TSaveData::GoalComplete(int index) const {
    if (index < 0 || index >= totalGoals || index >= MAX_GOALS) return 0;
    const auto& goal = goals[static_cast<size_t>(index)];
    return goal && goal->Complete() ? 1 : 0;
}

int TSaveData::GetGoalIndex(int goalType) const {
    for (int i = 0; i < totalGoals && i < MAX_GOALS; ++i) {
        const auto& goal = goals[static_cast<size_t>(i)];
        if (goal && goal->goalType == goalType) return i;
    }
    return -1;
}

int TSaveData::GetComboGoalIndex() const {
    return GetGoalIndex(TGoal::COMBO);
}
int TSaveData::GetMultiplierGoalIndex() const {
    return GetGoalIndex(TGoal::MULTIPLIER);
}
int TSaveData::GetPerfectsGoalIndex() const {
    return GetGoalIndex(TGoal::PERFECTS);
}
int TSaveData::GetStarsGoalIndex() const {
    return GetGoalIndex(TGoal::STARS);
}
int TSaveData::GetGoldGoalIndex() const {
    return GetGoalIndex(TGoal::GOLD);
}
int TSaveData::GetStoryItemGoalIndex() const {
    return GetGoalIndex(TGoal::STORY_ITEM);
}

// --- The wildcard fan -------------------------------------------------------------------

int TSaveData::CountEmptyFanSlots() const {
    int n = 0;
    for (int w : wildcards)
        if (w == -1) n++;
    return n;
}

int TSaveData::CountFullFanSlots() const {
    return MAX_WILDCARD_SLOTS - CountEmptyFanSlots();
}

int TSaveData::GetEmptyFanSlot() const {
    for (int i = 0; i < MAX_WILDCARD_SLOTS; ++i)
        if (wildcards[static_cast<size_t>(i)] == -1) return i;
    return -1;
}

int TSaveData::GetFanSlot(int value) const {
    if (wildcards[0] == -1) return 0;
    if (CountEmptyFanSlots() == 0) return -1;
    for (int i = 0; i < MAX_WILDCARD_SLOTS; ++i) {
        int w = wildcards[static_cast<size_t>(i)];
        if (w == -1 || w > value) return i;
    }
    return -1;
}

int TSaveData::InsertWildcard(TCard& card) {
    int slot = card.fanSlot;
    std::cout << "insert slot " << slot << std::endl;
    if (CountEmptyFanSlots() == 0 || slot < 0 || slot >= MAX_WILDCARD_SLOTS) {
        std::cout << "insert aborted" << std::endl;
        return 0;
    }
    for (int i = MAX_WILDCARD_SLOTS - 2; i >= slot; --i) {
        wildcards[static_cast<size_t>(i + 1)] = wildcards[static_cast<size_t>(i)];
        MoveFanCard(i, i + 1);
    }
    wildcards[static_cast<size_t>(slot)] = card.value;
    if (CountEmptyFanSlots() == 0) ProgressHooks.Achievement("FanFull");
    return 1;
}

void TSaveData::RemoveWildcard(int slot) {
    std::cout << "remove slot " << slot << std::endl;
    if (slot < 0 || slot >= MAX_WILDCARD_SLOTS) return;
    for (int i = slot; i < MAX_WILDCARD_SLOTS - 1; ++i) {
        wildcards[static_cast<size_t>(i)] = wildcards[static_cast<size_t>(i + 1)];
        MoveFanCard(i + 1, i);
    }
    wildcards[MAX_WILDCARD_SLOTS - 1] = -1;
}

void TSaveData::PrintWildcardSlots() const {
    for (int i = 0; i < MAX_WILDCARD_SLOTS; ++i)
        std::cout << "w" << i << "=" << wildcards[static_cast<size_t>(i)] << std::endl;
}

// --- Shop and gold ----------------------------------------------------------------------

int TSaveData::GetShopItemStatus(int index) const {
    if (index < 0 || index >= SHOP_ITEMS) return 0;
    return shopPurchases[static_cast<size_t>(index)];
}

void TSaveData::SetShopItemStatus(int index, int status) {
    if (index < 0 || index >= SHOP_ITEMS) return;
    shopPurchases[static_cast<size_t>(index)] = status;
}

void TSaveData::CollectGold(int amount) {
    int before = goldCollected;
    goldCollected += amount;
    // A bank standing exactly on the mark still earns it on the next coin.
    if (before <= SAVE_GOLD_ACHIEVEMENT && goldCollected > SAVE_GOLD_ACHIEVEMENT)
        ProgressHooks.Achievement("Save25000");
}

void TSaveData::SpendGold(int amount) {
    goldCollected -= amount;
    if (goldCollected < 0) goldCollected = 0;
}

void TSaveData::InstallCardHooks() {
    CardHooks.GetFanSlot = [this](int value) { return GetFanSlot(value); };
    CardHooks.InsertWildcard = [this](TCard& card) { return InsertWildcard(card); };
    CardHooks.RemoveWildcard = [this](int slot) { RemoveWildcard(slot); };
    CardHooks.FanSlotValue = [this](int slot) {
        return slot >= 0 && slot < MAX_WILDCARD_SLOTS ? wildcards[static_cast<size_t>(slot)] : -1;
    };
    CardHooks.ShopItemBought = [this](int index) { return IsPurchased(index); };
    CardHooks.PlainCards = [this] { return plainCards != 0; };
}
