#pragma once
#include <memory>
#include <vector>

#include "cards/TCard.h"

// Every card of the current hand, whatever pile it lies on. The order is both the drawing
// order and the stacking order of the tableau: a card is covered by any overlapping tableau
// card later in the list. The list also remembers what the last play changed, for undo.
class TCardList {
public:
    using CardPtr = std::shared_ptr<TCard>;

    std::vector<CardPtr> cards;

    // --- Undo memory of the last play
    std::vector<CardPtr> lastFlipped;
    std::vector<CardPtr> lastMadeInPlay;
    CardPtr lastBowCard;
    int lastMoveWasStockWildcardToFan = 0;
    CardPtr lastFanWildcard;
    int lastMoveBlocksUndo = 0;

    TCardList() = default;
    ~TCardList();  // drops the references only
    TCardList(const TCardList&) = delete;
    TCardList& operator=(const TCardList&) = delete;

    // --- The ordered container
    void AddLast(CardPtr card);
    void AddFirst(CardPtr card);
    void Remove(const TCard* card);
    int Count() const { return static_cast<int>(cards.size()); }
    CardPtr ValueAtIndex(int index) const;
    // Inserts card just before at (at the end when at is absent).
    void InsertBefore(const TCard* at, CardPtr card);
    // Inserts card just after the card at index.
    void InsertAfterIndex(int index, CardPtr card);
    CardPtr Find(const TCard* card) const;

    // --- Operations of the hand
    int ApplyGoldToStacks();
    void CalcListPositions();
    void Centre();
    void CheckMouse();
    void CheckMouseEditor() {}
    void Clear();
    void ClearMultiSelect();
    void ClearUndoVariables();
    void ClearWiggle();
    void EnableAllTopCards();
    void FadeInStoryItem();
    void FadeInBows();
    void FlipUpRandomCards();
    CardPtr GetCardAtWildcardSlot(int slot) const;
    int GetCardIndex(const TCard* card) const;
    CardPtr GetFirstTableauCard() const;
    CardPtr GetLastTableauCard() const;
    CardPtr GetTopFoundationCard() const;
    CardPtr GetTopStockCard() const;
    void Manage();
    void MoveBy(float mx, float my, int selectedOnly);
    void MoveCardToTop(const TCard* card);
    void ReduceLockCounters();
    CardPtr RemoveRandomCard(int bowed, int playIt);
    void RemoveRandomCards();
    void ResetCardBackImages();
    void RestoreLockCounters();
    void RevealCards();
    void RevealOff();
    void Rotate(float angle);
    void SetFoundationCardsOffsetY(float offset);
    void SetStockCardsOffsetY(float offset);
    void SetVisible(int flag);
    void SetWildcardsOffsetX(float offset);
    void UnblockCards(const TCard& played);
    void UnblockAllTopCards();
    void UpdateImages();
    int ValidPlay(const TCard& card) const;
    void WiggleMissedCards();
    void ZOrderFanCards();

    // Whether value v plays on foundation value f: one step, Ace and King neighbours.
    static bool OneStep(int v, int f);
};
