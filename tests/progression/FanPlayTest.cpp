#include <gtest/gtest.h>

#include "tests/progression/RealProgressFixture.h"

namespace {

// The cards' fan played against the real saved fan.
class FanPlayTest : public RealProgressTest {
protected:
    FanPlayTest() : RealProgressTest(31) {}

    void RunUntilIdle() {
        for (int i = 0; i < 3000; ++i) {
            CurrentLevel->cardList->Manage();
            bool busy = CurrentLevel->CountMoving(1) > 0;
            for (const auto& c : CurrentLevel->cardList->cards)
                busy = busy || c->wildcardExpandCounter > 0 || c->wildcardPauseCounter > 0;
            if (!busy) return;
        }
    }

    std::vector<std::shared_ptr<TCard>> FanCards() {
        std::vector<std::shared_ptr<TCard>> out;
        for (const auto& c : CurrentLevel->cardList->cards)
            if (c->fan) out.push_back(c);
        return out;
    }
};

TEST_F(FanPlayTest, SavedFanIsDealtAndToppedUpWithBlueWalls) {
    SaveData->wildcards[0] = 6;
    SaveData->SetShopItemStatus(1, 2);
    CurrentLevel->Load(1, 1);
    EXPECT_GE(SaveData->CountFullFanSlots(), 2);
    auto fan = FanCards();
    ASSERT_EQ(static_cast<int>(fan.size()), SaveData->CountFullFanSlots());
    for (size_t i = 0; i < fan.size(); ++i) {
        EXPECT_EQ(fan[i]->fanSlot, static_cast<int>(i));
        EXPECT_EQ(fan[i]->value, SaveData->wildcards[i]);
        if (i > 0) {
            EXPECT_LE(fan[i - 1]->value, fan[i]->value);
        }
    }
}

TEST_F(FanPlayTest, WildcardFromTheTableauSlotsInAndShiftsTheFan) {
    SaveData->wildcards[0] = 3;
    SaveData->wildcards[1] = 9;
    CurrentLevel->Load(1, 1);
    auto w = TCard::CreateWildCard(5);
    CurrentLevel->cardList->AddLast(w);
    w->tableau = w->inPlay = w->faceUp = 1;
    w->x = 500;
    w->y = 300;
    ASSERT_EQ(w->StartTableauToFanAnim(), 1);
    RunUntilIdle();
    EXPECT_EQ(SaveData->wildcards[0], 3);
    EXPECT_EQ(SaveData->wildcards[1], 5);
    EXPECT_EQ(SaveData->wildcards[2], 9);
    auto fan = FanCards();
    ASSERT_EQ(fan.size(), 3u);
    EXPECT_EQ(fan[1], w);
    EXPECT_EQ(fan[2]->value, 9);
    EXPECT_EQ(fan[2]->fanSlot, 2);
    EXPECT_FLOAT_EQ(fan[2]->x, TLevel::CalcFanWildcardX(2));
    EXPECT_EQ(CardHooks.undoEnabled, 0);  // a tableau wildcard's trip cannot be undone

    // Played from the fan it frees its slot and becomes the top foundation card.
    w->StartFanToFoundationAnim();
    RunUntilIdle();
    EXPECT_EQ(CurrentLevel->topFoundationCard, w);
    EXPECT_EQ(SaveData->wildcards[1], 9);
    EXPECT_EQ(SaveData->wildcards[2], -1);
    EXPECT_EQ(fan[2]->fanSlot, 1);
    // Undo sends it back into its slot.
    w->StartFoundationToFanAnim();
    RunUntilIdle();
    EXPECT_EQ(w->fan, 1);
    EXPECT_EQ(w->fanSlot, 1);
    EXPECT_EQ(SaveData->wildcards[1], 5);
    EXPECT_EQ(fan[2]->fanSlot, 2);
    EXPECT_NE(CurrentLevel->topFoundationCard, w);
}

TEST_F(FanPlayTest, StockWildcardGoesToTheFanAndUndoSendsItBack) {
    CurrentLevel->Load(1, 1);
    auto w = TCard::CreateWildCard(8);
    CurrentLevel->cardList->AddLast(w);
    w->PlaceOnStock(0);
    w->StoreOriginalCoords();
    w->fromStock = 1;
    auto before = CurrentLevel->topFoundationCard;
    CurrentLevel->DrawCardFromStock(0);
    RunUntilIdle();
    EXPECT_EQ(w->fan, 1);
    EXPECT_EQ(SaveData->wildcards[0], 8);
    EXPECT_EQ(CurrentLevel->cardList->lastMoveWasStockWildcardToFan, 1);
    EXPECT_EQ(CurrentLevel->cardList->lastFanWildcard, w);
    EXPECT_EQ(CurrentLevel->topFoundationCard, before);  // it never became the top
    EXPECT_EQ(CardHooks.undoEnabled, 1);
    w->StartFanToStockAnim();
    RunUntilIdle();
    EXPECT_EQ(w->stock, 1);
    EXPECT_EQ(w->faceUp, 0);
    EXPECT_EQ(CurrentLevel->topStockCard, w);
    EXPECT_EQ(SaveData->wildcards[0], -1);
}

}  // namespace
