#include "progression/TSaveData.h"

#include <cstdint>
#include <iostream>

#include "cards/TCard.h"
#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "progression/TGameState.h"
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
