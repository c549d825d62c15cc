#pragma once
#include <array>
#include <iosfwd>
#include <memory>

class TCard;
class TGoal;

// The saved progress: difficulty, the hand to play next, gold, shop purchases, the wildcard
// fan, powerup charges and the statistics of the current chapter. Written to the profile as
// one record of 90 little-endian 32-bit integers.
class TSaveData {
public:
    static constexpr int MAX_WILDCARD_SLOTS = 11;
    static constexpr int SHOP_ITEMS = 45;
    static constexpr int CHAPTER_HANDS = 10;
    static constexpr int MAX_GOALS = 3;
    static constexpr int RECORD_VALUES = 90;
    static constexpr int RECORD_BYTES = RECORD_VALUES * 4;
    static constexpr int SAVE_GOLD_ACHIEVEMENT = 25000;

    int gaugeLevel = 0;
    int showTips = 1;
    int timer = 0;
    int hand = 1;
    int plainCards = 0;
    int recordCombo = 0;
    int goldCollected = 0;
    std::array<int, MAX_WILDCARD_SLOTS> wildcards{};
    std::array<int, SHOP_ITEMS> shopPurchases{};
    std::array<std::shared_ptr<TGoal>, MAX_GOALS> goals{};
    int totalGoals = 0;
    std::array<int, CHAPTER_HANDS> chapterPerfects{};
    std::array<int, CHAPTER_HANDS> chapterStars{};
    int chapterGold = 0;
    int chapterStoryItemFound = 0;
    int chapterMaxCombo = 0;
    int chapterMaxMultiplierSlot = 0;
    int backupChapterGold = 0;
    int backupChapterStoryItemFound = 0;
    int backupChapterMaxCombo = 0;
    int backupChapterMaxMultiplierSlot = 0;
    int chapterMaxComboWasModified = 0;
    int chapterMaxMultiplierSlotWasModified = 0;
    int chapterMaxMultiplierSlotPreviousValue = 0;
    // The three powerup charges as last saved or loaded (Cupid, Lyre, Bird); the powerups'
    // own charges are used instead while their hooks are wired.
    std::array<int, 3> powerupCharges{};

    TSaveData();

    void Init();
    // 1 when a whole record was read and applied; 0 leaves everything as it was.
    int Load(std::istream& in);
    // 1 when the record was written.
    int Save(std::ostream& out) const;
    void BackupChapterStats();
    void ClearChapterStats(int applyShopBonus);
    void ClearHandStats();
    void RevertChapterStats(int hand);
    int CountChapterPerfects() const;
    int CountChapterStars() const;

    // --- The chapter's goals
    // Rebuilds the goals of the player's chapter at the current difficulty (timer); a chapter
    // outside 1..20 keeps the list it had.
    void CreateGoals();
    // 1 when every goal in use is met (no goals counts as met).
    int AllGoalsComplete() const;
    // Index of the first goal of that kind in use, or -1.
    int GetComboGoalIndex() const;
    int GetMultiplierGoalIndex() const;
    int GetPerfectsGoalIndex() const;
    int GetStarsGoalIndex() const;
    int GetGoldGoalIndex() const;
    int GetStoryItemGoalIndex() const;
    int GetGoalIndex(int goalType) const;
    // 1 when goal index exists and is met.
    int GoalComplete(int index) const;

    // --- The wildcard fan: sorted values, empty slots (-1) last
    int CountEmptyFanSlots() const;
    int CountFullFanSlots() const;
    int GetEmptyFanSlot() const;
    int GetFanSlot(int value) const;
    // Stores card.value at card.fanSlot, shifting later values (and their cards on the table).
    int InsertWildcard(TCard& card);
    void RemoveWildcard(int slot);
    void PrintWildcardSlots() const;

    // --- Shop status: 0 locked, 1 available, 2 purchased
    int GetShopItemStatus(int index) const;
    void SetShopItemStatus(int index, int status);
    bool IsPurchased(int index) const { return GetShopItemStatus(index) == 2; }

    // --- Gold
    void CollectGold(int amount);
    void SpendGold(int amount);
    int GoldAvailable() const { return goldCollected; }

    // Wires the cards' fan, shop and plain-cards hooks to this object.
    void InstallCardHooks();
};

// The saved progress of the current profile.
extern std::shared_ptr<TSaveData> SaveData;
