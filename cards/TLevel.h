#pragma once
#include <memory>
#include <string>
#include <vector>

#include "cards/TCardList.h"

// Layout positions, written by TLevel::SetGlobals from the virtual screen size.
extern int STOCK_X;
extern int STOCK_Y;
extern int FOUNDATION_X;
extern int FOUNDATION_Y;

// The current hand: loads and saves its layout, owns its card list, keeps the top cards of
// the foundation and the stock, knows the geometry of the piles and the fan, and answers the
// counting questions of the play rules and the set-up checks. The cards reach the level
// through CurrentLevel, so a hand is loaded and played on the level that CurrentLevel holds.
class TLevel {
public:
    using CardPtr = std::shared_ptr<TCard>;

    static constexpr int FAN_X = 891;
    static constexpr int FAN_Y = 800;
    static constexpr int FAN_RADIUS = 115;
    static constexpr float FAN_START_ANGLE = -140.0f;
    static constexpr float FAN_ANGLE_GAP = 10.0f;
    static constexpr int MAX_WILDCARD_SLOTS = 11;

    std::shared_ptr<TCardList> cardList;
    CardPtr topFoundationCard;
    CardPtr topStaticFoundationCard;
    CardPtr topStockCard;
    int cardBackIndex = 0;
    int loading = 0;
    // The hand being played (set by Load).
    int chapter = 1;
    int hand = 1;
    // Flying copies of the deal animation, cleared when the cards appear.
    std::vector<CardPtr> flyingCards;
    std::vector<float> flyingSteps;  // steps each copy still flies

    TLevel();

    void AddPlayerWildcards();
    static float CalcFanWildcardRotation(int slot);
    static int CalcFanWildcardX(int slot);
    static int CalcFanWildcardY(int slot);
    void CheckLevelEnd();
    int CountFoundation() const;
    int CountStock() const;
    int CountTableau() const;
    int CountInPlay(int kindFilter, int targetFilter) const;
    int CountLocks(int inPlayOnly, const TCardList* list = nullptr) const;
    int CountMoving(int countFlips) const;
    int CountTableauSpecial() const;
    int CountUnblockedLocks(const TCardList& locks, const TCardList& test) const;
    int CountValidPlays() const;
    void CreateBonusStockCard(int value, int firstIndex);
    void Draw();
    void DrawFan();
    void DrawStock();
    void DrawTableau();
    void DrawCardFromStock(int instant);
    void FadeOutCards();
    void FlyOnCards();
    // The flying copies have landed: show the real cards.
    void EndFlyOnCards();
    bool FoundationIsJoker() const;
    std::shared_ptr<TCardList> GetLockList() const;
    std::shared_ptr<TCardList> GetRegalList() const;
    int GetNextStockX() const;
    std::shared_ptr<TCardList> GetShuffleList() const;
    std::shared_ptr<TCardList> GetValidPlaysList() const;
    void Load(int chapter, int hand);
    // Places card from one line of a level file; returns 0 for a line it cannot read.
    int LoadCard(TCard& card, const std::string& line);
    bool LockCountersExist() const;
    void Manage();
    bool RegalLocksAreBeatable(int verbose);
    // 1 written, 0 the file could not be written (already reported).
    int Save(int chapter, int hand);
    void SetGlobals();
    static std::vector<CardPtr> ShufflePack(std::vector<CardPtr> pack);

    // The file of a hand's layout.
    static std::string LevelFileName(int chapter, int hand);
    // The pack of a hand before shuffling: 52 cards and the wildcards and jokers (logs why).
    std::vector<CardPtr> BuildPack(int chapter, int hand);
    static int CardBackIndexFor(int chapter);
};

// The hand being played.
extern std::shared_ptr<TLevel> CurrentLevel;
