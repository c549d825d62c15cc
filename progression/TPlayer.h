#pragma once
#include <array>
#include <memory>
#include <string>

#include "toolkit/TSprite.h"

class TProfile;

// Hands in each of the 20 chapters.
inline constexpr int MAX_CHAPTERS = 20;
inline constexpr std::array<int, MAX_CHAPTERS> handsPerChapter = {
    2, 3, 5, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10};

// The player: the current chapter, the highest chapter reached and the counters of the hand
// being played (gold, combo, multiplier, undos, tips and powerups used).
class TPlayer : public TSprite {
public:
    static constexpr int MAX_MULTIPLIER_STAGE = 30;

    int Alive = 1;
    int DeathAnimLength = 1000;
    float DeathCounter = 0;
    std::shared_ptr<TGameImage> ImageLife;
    int LastTimeTaken = 9999;
    int LevelKills = 0;
    int NoChecks = 0;
    int Lives = 3;
    int TotalKills = 0;
    int Level = 1;
    int levelGoldCollected = 0;
    int levelCoinsCollected = 0;
    int levelGoldInTransit = 0;
    int LevelScore = 0;
    float LevelTimeLeft = 0;
    int TimeBonus = 0;
    int TotalScore = 0;
    float LevelTimeTaken = 0;
    double TotalTimeTaken = 0;
    std::string Name;
    int Unlocked = 1;
    int UnlockedBackup = 1;
    int MultiplierStage = 0;
    std::array<float, MAX_MULTIPLIER_STAGE + 1> MultiplierValues{};
    std::array<std::string, MAX_MULTIPLIER_STAGE + 1> MultiplierText{};
    int IncreaseMultiplierValue = 0;
    int MultiplerStageTemp = 0;
    int UndosLeft = 1;
    int ComboMin = 6;
    int Combo = 0;
    int lastCombo = 0;
    int ComboEndedWithNoStockCards = 0;
    int bestCombo = 0;
    int storyItemFound = 0;
    int UndoTipShown = 0;
    int WildcardTipShown = 0;
    int JokerTipShown = 0;
    int UsedPowerup1 = 0;
    int UsedPowerup2 = 0;
    int UsedPowerup3 = 0;
    // Set when scoring a hand finished its chapter.
    int chapterJustCompleted = 0;

    TPlayer();

    void InitNewLevelStats();
    void UpdateLevelEndData();
    void UpdateTotals();
    void CalcTimeBonus();
    void ClearTipFlags();
    // Takes the lasting fields from the profile (loading its file first when load is set);
    // 0 without a profile.
    int ReadProfile(TProfile* profile, int load);
    // Puts the lasting fields into the profile and saves its file.
    void WriteProfile(TProfile* profile);
    // After the last chapter: the counters start again but every chapter stays unlocked.
    void ProfileGameOver(TProfile* profile, int save);
    void UsedPowerup(int kind);
    // Adds this logic step's duration (seconds) to the hand's time.
    void ManageTime();
    void Manage();

    // --- Gold and combo
    // Credits gold to the hand and the chapter; with checkGoal the gold goal may complete.
    void LogGoldCollected(int amount, int checkGoal);
    // A coin's gold: it flies to the counter first, so its goal test waits for GoldLanded.
    void LogCoinCollected(int amount, int coins);
    // Coins worth amount reached the counter: they leave levelGoldInTransit and the gold goal
    // may complete.
    void GoldLanded(int amount);
    int GetLevelGold() const { return levelGoldCollected; }
    int GetReducedGoldValue() const { return levelGoldCollected - levelGoldInTransit; }
    void IncreaseCombo();
    void ClearCombo();
    void RestoreCombo();
    // A tableau play was taken back: the run is one card shorter (the combo panel goes when it
    // falls below the minimum) and a chapter record it had raised goes back down.
    void UndoTableauPlay();
    void IncreaseMultiplier(int stages);
    int GetMultiplierInProgress() const;

    // Wires the cards' player hooks (coins, combo, undos, powerups used, story item) to this
    // object.
    void InstallCardHooks();
};

// The player of the current profile.
extern std::shared_ptr<TPlayer> Player;
