#include <cmath>

#include "tests/cards/CardsFixture.h"

namespace {

class CardTest : public CardsTest {};

TEST_F(CardTest, NewCardAndWildcardDefaults) {
    TCard c;
    EXPECT_EQ(c.visibleW, 86);
    EXPECT_EQ(c.visibleH, 128);
    EXPECT_EQ(c.normal, 1);
    EXPECT_EQ(c.fanSlot, -1);
    EXPECT_EQ(c.faceUp + c.inPlay + c.wildcard + c.specialType + c.lockCounter + c.bow, 0);
    EXPECT_EQ(c.tableau + c.stock + c.foundation + c.fan + c.moving, 0);

    auto joker = TCard::CreateWildCard(0);
    EXPECT_EQ(joker->wildcard, 1);
    EXPECT_EQ(joker->normal, 0);
    EXPECT_TRUE(joker->IsJoker());
    auto w7 = TCard::CreateWildCard(7);
    EXPECT_EQ(w7->value, 7);
    EXPECT_FALSE(w7->IsJoker());
}

TEST_F(CardTest, ImageNamesByKind) {
    struct Case {
        int value, suit, wildcard, special, plain;
        const char* name;
    } cases[] = {
        {1, 0, 0, 0, 0, "1h"},         {13, 3, 0, 0, 0, "13c"},      {12, 2, 0, 0, 1, "12sp"},
        {7, 1, 0, 0, 0, "7d"},         {7, 0, 1, 0, 0, "w7"},        {0, 0, 1, 0, 0, "joker"},
        {0, 0, 0, 1, 0, "key card"},   {0, 0, 0, 2, 0, "lock card"}, {0, 0, 0, 3, 0, "event card"},
        {3, 0, 0, 4, 0, "storyitem3"},
    };
    for (const auto& k : cases) {
        TCard c;
        c.value = k.value;
        c.suit = k.suit;
        c.wildcard = k.wildcard;
        c.specialType = k.special;
        CardHooks.PlainCards = [&] { return k.plain != 0; };
        EXPECT_EQ(c.FaceImageName(), k.name);
    }
}

TEST_F(CardTest, CardBacksByChapter) {
    struct Case {
        int chapter, back;
    } cases[] = {{1, 1}, {2, 0}, {3, 0}, {5, 1}, {12, 1}, {17, 1}, {20, 1}, {19, 0}};
    for (const auto& k : cases) {
        for (int hand = 1; hand <= 2; ++hand) {
            Level().Load(k.chapter, hand);
            EXPECT_EQ(Level().cardBackIndex, k.back) << "chapter " << k.chapter;
            EXPECT_EQ(TCard::BackImageName(), "Card Back" + std::to_string(k.back));
        }
    }
}

TEST_F(CardTest, PanFollowsX) {
    TCard c;
    for (auto [x, pan] :
         {std::pair{0.0f, -1.0f}, {512.0f, 0.0f}, {1024.0f, 1.0f}, {256.0f, -0.5f}}) {
        c.x = x;
        EXPECT_FLOAT_EQ(c.CalcPan(), pan);
    }
}

TEST_F(CardTest, TotalRotationSpinsAtLeastTwoTurnsAndEndsOnTheTarget) {
    struct Case {
        float dx, angle;
        int toTableau;
        float total;
    } cases[] = {
        {1, 0, 0, 720},   {1, 30, 0, 1050},  {1, -30, 0, 750},   {1, 30, 1, 750},
        {-1, 0, 0, -720}, {-1, 30, 0, -750}, {-1, 30, 1, -1050}, {-1, -30, 1, -750},
    };
    for (const auto& k : cases) {
        TCard c;
        c.dx = k.dx;
        float t = c.CalcTotalRotation(k.angle, k.toTableau);
        EXPECT_FLOAT_EQ(t, k.total) << k.dx << " " << k.angle << " " << k.toTableau;
        // To the foundation the spin ends upright; back to the tableau on the laid-out angle.
        float end = k.toTableau ? t : k.angle + t;
        float want = k.toTableau ? k.angle : 0;
        EXPECT_NEAR(std::fmod(end - want + 3600.0f, 360.0f), 0.0f, 1e-3f);
    }
}

TEST_F(CardTest, RotatedRectangleOverlap) {
    // Side by side with a 2 pixel gap: apart; overlapping by 2: together.
    EXPECT_FALSE(TCard::RectsOverlap(0, 0, 86, 128, 0, 88, 0, 86, 128, 0));
    EXPECT_TRUE(TCard::RectsOverlap(0, 0, 86, 128, 0, 84, 0, 86, 128, 0));
    // A small card wholly inside a big one: no edge crosses, a corner lies inside.
    EXPECT_TRUE(TCard::RectsOverlap(0, 0, 190, 190, 0, 10, 10, 86, 128, 0));
    EXPECT_TRUE(TCard::RectsOverlap(10, 10, 86, 128, 0, 0, 0, 190, 190, 0));
    // Diagonal neighbours whose unrotated boxes would overlap at the corner, but turned 45
    // degrees they are diamonds that stay apart.
    EXPECT_TRUE(TCard::RectsOverlap(0, 0, 100, 100, 0, 95, 95, 100, 100, 0));
    EXPECT_FALSE(TCard::RectsOverlap(0, 0, 100, 100, 45, 95, 95, 100, 100, 45));
    // Rotating one card into the other makes them overlap.
    EXPECT_FALSE(TCard::RectsOverlap(0, 0, 86, 128, 0, 100, 0, 86, 128, 0));
    EXPECT_TRUE(TCard::RectsOverlap(0, 0, 86, 128, 0, 100, 0, 86, 128, 90));
}

TEST_F(CardTest, LaterOverlappingTableauCardBlocks) {
    auto under = AddTableau(5, 500, 300);
    auto over = AddTableau(6, 520, 320);
    auto apart = AddTableau(7, 800, 300);
    EXPECT_FALSE(under->IsUnblocked());
    EXPECT_TRUE(over->IsUnblocked());
    EXPECT_TRUE(apart->IsUnblocked());
    EXPECT_TRUE(under->IsBottomOfStack());
    EXPECT_FALSE(over->IsBottomOfStack());
    // A card with a lock counter is blocked even with nothing on it.
    apart->lockCounter = 2;
    EXPECT_FALSE(apart->IsUnblocked());
    // Against a test list the test counter decides.
    TCardList test;
    test.AddLast(apart);
    apart->testLockCounter = 0;
    EXPECT_TRUE(apart->IsUnblocked(&test));
    test.cards.clear();
}

TEST_F(CardTest, FlipTurnsTheFaceAtHalfWayAndNarrows) {
    auto c = AddTableau(4, 300, 300, 0);
    c->StartFlipAnim(1);
    EXPECT_EQ(CardHooks.flipSoundTrigger, 1);
    float steps = TCard::Steps(TCard::FLIP_ANIM_LENGTH);  // 60 at 5 ms a step
    ASSERT_FLOAT_EQ(steps, 60.0f);
    for (int i = 0; i < 30; ++i) c->Manage();
    EXPECT_EQ(c->faceUp, 0);  // ratio exactly 0.5: not yet past it
    float sx, sy;
    ASSERT_TRUE(c->FlipScale(sx, sy));
    EXPECT_NEAR(sx, 0.0f, 1e-5f);
    EXPECT_NEAR(sy, 1.1f, 1e-5f);
    c->Manage();
    EXPECT_EQ(c->faceUp, 1);
    EXPECT_EQ(c->inPlay, 0);
    for (int i = 0; i < 29; ++i) c->Manage();
    EXPECT_EQ(c->inPlay, 1);
    EXPECT_FALSE(c->FlipScale(sx, sy));
}

TEST_F(CardTest, TableauPlayArcsOntoTheFoundation) {
    SetFoundation(5);
    auto c = AddTableau(6, 200, 300, 1, 20);
    c->inPlay = 1;
    c->goldAward = 10;
    int coins = 0;
    CardHooks.LogCoinCollected = [&](int amount, int n) { coins += amount * n; };
    int combos = 0;
    CardHooks.IncreaseCombo = [&] { combos++; };
    c->StartTableauToFoundationAnim(1, 1, 1, 1);
    EXPECT_EQ(coins, 10);
    EXPECT_EQ(combos, 1);
    EXPECT_EQ(c->foundation, 1);
    EXPECT_EQ(c->tableau, 0);
    EXPECT_EQ(Level().topFoundationCard, c);
    EXPECT_EQ(List().cards.back(), c);
    EXPECT_EQ(CardHooks.BlockStockInput, 1);
    EXPECT_FLOAT_EQ(c->ygravity, 0.08f);
    float minY = c->y;
    for (int i = 0; i < 129; ++i) {
        c->Manage();
        minY = std::min(minY, c->y);
    }
    EXPECT_EQ(c->moving, 1);
    EXPECT_LT(minY, 300.0f);  // it rises before it falls
    // One step before the end it is close to the foundation.
    EXPECT_NEAR(c->x, FOUNDATION_X, 8.0f);
    EXPECT_NEAR(c->y, FOUNDATION_Y, 16.0f);
    c->Manage();
    EXPECT_EQ(c->moving, 0);
    EXPECT_FLOAT_EQ(c->x, FOUNDATION_X);
    EXPECT_FLOAT_EQ(c->y, FOUNDATION_Y);
    EXPECT_FLOAT_EQ(c->Rotation, 0);
    EXPECT_EQ(CardHooks.BlockStockInput, 0);
    EXPECT_EQ(CardHooks.undoEnabled, 1);
    EXPECT_EQ(CardHooks.landSoundTrigger, 1);
}

TEST_F(CardTest, UndoFlightReturnsHomeAndTakesTheCoinBack) {
    SetFoundation(5);
    auto under = AddTableau(9, 200, 300, 0);
    auto c = AddTableau(6, 210, 310, 1, -15);
    c->inPlay = 1;
    c->goldAward = 10;
    under->goldAward = 10;
    int gold = 0;
    CardHooks.LogCoinCollected = [&](int amount, int) { gold += amount; };
    c->StartTableauToFoundationAnim(1, 1, 1, 1);
    List().UnblockCards(*c);
    EXPECT_EQ(gold, 0);  // it covered a card, so it paid nothing
    RunUntilIdle();
    EXPECT_EQ(under->faceUp, 1);
    EXPECT_EQ(under->inPlay, 1);
    c->StartFoundationToTableauAnim();
    RunUntilIdle();
    EXPECT_EQ(c->tableau, 1);
    EXPECT_FLOAT_EQ(c->x, 210);
    EXPECT_FLOAT_EQ(c->y, 310);
    EXPECT_FLOAT_EQ(c->Rotation, -15);
    EXPECT_EQ(gold, 0);
    EXPECT_EQ(Level().topFoundationCard->value, 5);
    // The card it uncovered is turned back down.
    EXPECT_EQ(under->faceUp, 0);
    EXPECT_EQ(under->inPlay, 0);
}

TEST_F(CardTest, WiggleRestoresTheLaidOutRotation) {
    auto c = AddTableau(3, 300, 300, 1, 12);
    c->Wiggle(0);
    for (int i = 0; i < 30; ++i) c->Manage();
    EXPECT_NE(c->WiggleOffset(), 0.0f);
    EXPECT_LE(std::fabs(c->WiggleOffset()), 10.0f);
    EXPECT_FLOAT_EQ(c->Rotation, 12);  // the offset is drawn, never stored
    for (int i = 0; i < 80; ++i) c->Manage();
    EXPECT_FLOAT_EQ(c->wiggleCounter, 0);
    EXPECT_FLOAT_EQ(c->WiggleOffset(), 0);
    EXPECT_FLOAT_EQ(c->Rotation, 12);
}

TEST_F(CardTest, InvalidClickWigglesUnlessInputIsBlocked) {
    std::vector<std::string> sounds;
    CardHooks.PlaySound = [&](const std::string& n, float, float, float) { sounds.push_back(n); };
    auto c = AddTableau(3, 300, 300);
    c->InvalidClick();
    EXPECT_GT(c->wiggleCounter, 0);
    c->ClearWiggle();
    CardHooks.BlockTableauInput = 1;
    c->InvalidClick();
    EXPECT_FLOAT_EQ(c->wiggleCounter, 0);
    EXPECT_EQ(sounds, (std::vector<std::string>{"InvalidClick", "InvalidClick"}));
}

TEST_F(CardTest, RevealBuildsAfterItsDelayAndFades) {
    TCard c;
    for (int i = 0; i < 51; ++i) c.BoostReveal();
    EXPECT_FLOAT_EQ(c.revealAlphaDelay, 1.0f);
    EXPECT_FLOAT_EQ(c.revealAlpha, 0.0f);
    for (int i = 0; i < 100; ++i) c.BoostReveal();
    EXPECT_NEAR(c.revealAlpha, 0.5f, 1e-4f);
    for (int i = 0; i < 26; ++i) c.FadeReveal();
    EXPECT_FLOAT_EQ(c.revealAlpha, 0.0f);
    EXPECT_FLOAT_EQ(c.revealAlphaDelay, 0.0f);
}

TEST_F(CardTest, CopyFieldsCopiesIdentityAlwaysAndTheRestOnRequest) {
    TCard src;
    src.value = 11;
    src.suit = 2;
    src.lockCounter = 3;
    src.originalLockCounter = 4;
    src.specialType = 0;
    src.x = 100;
    src.y = 200;
    src.Rotation = 33;
    src.bow = 1;
    src.goldAward = 10;
    src.tableau = 1;
    src.fanSlot = 4;
    TCard some;
    src.CopyFields(some, 0, 0);
    EXPECT_EQ(some.value, 11);
    EXPECT_EQ(some.suit, 2);
    EXPECT_EQ(some.lockCounter, 3);
    EXPECT_EQ(some.originalLockCounter, 4);
    EXPECT_FLOAT_EQ(some.x, 0);
    EXPECT_EQ(some.bow, 0);
    EXPECT_EQ(some.tableau, 0);
    auto all = src.MakeCopy();
    EXPECT_FLOAT_EQ(all->x, 100);
    EXPECT_FLOAT_EQ(all->ox, 100);
    EXPECT_FLOAT_EQ(all->oy, 200);
    EXPECT_FLOAT_EQ(all->Rotation, 33);
    EXPECT_EQ(all->bow, 1);
    EXPECT_EQ(all->goldAward, 10);
    EXPECT_EQ(all->tableau, 1);
    EXPECT_EQ(all->fanSlot, 4);
}

TEST_F(CardTest, BowedCardLeavesAnUnbowedCopyAndPaysOnlyTheSecondTime) {
    SetFoundation(5);
    auto c = AddTableau(6, 300, 300);
    c->bow = c->originalBow = 1;
    c->inPlay = 1;
    c->goldAward = 10;
    int gold = 0;
    CardHooks.LogCoinCollected = [&](int amount, int) { gold += amount; };
    c->StartTableauToFoundationAnim(1, 1, 1, 1);
    ASSERT_TRUE(List().lastBowCard);
    auto copy = List().lastBowCard;
    EXPECT_EQ(copy->bow, 0);
    EXPECT_EQ(copy->tableau, 1);
    EXPECT_FLOAT_EQ(copy->x, 300);
    EXPECT_EQ(c->bow, 0);
    EXPECT_EQ(gold, 0);
    RunUntilIdle();
    copy->StartTableauToFoundationAnim(1, 1, 1, 1);
    EXPECT_EQ(gold, 10);
    EXPECT_FALSE(List().lastBowCard);
}

TEST_F(CardTest, UndoOfABowedPlayTakesTheCopyAway) {
    SetFoundation(5);
    auto under = AddTableau(9, 300, 300, 1);
    auto c = AddTableau(6, 310, 300, 1);
    auto other = AddTableau(2, 800, 300, 1);
    c->bow = c->originalBow = 1;
    c->inPlay = 1;
    c->StartTableauToFoundationAnim(1, 1, 1, 1);
    List().UnblockCards(*c);
    RunUntilIdle();
    EXPECT_EQ(List().Count(), 5);
    c->StartFoundationToTableauAnim();
    RunUntilIdle();
    EXPECT_EQ(List().Count(), 4);
    EXPECT_EQ(c->bow, 1);
    EXPECT_FALSE(List().lastBowCard);
    // Back in its own place, between the card it covers and the later one.
    EXPECT_EQ(List().GetCardIndex(c.get()), List().GetCardIndex(under.get()) + 1);
    EXPECT_LT(List().GetCardIndex(c.get()), List().GetCardIndex(other.get()));
    EXPECT_EQ(Level().topFoundationCard->value, 5);
}

TEST_F(CardTest, UncoveringAStoryItemFindsItFaceUpOrDown) {
    for (int face : {1, 0}) {
        List().Clear();
        CardHooks.ResetState();
        SetFoundation(5);
        auto story = AddTableau(2, 300, 300, face);
        story->specialType = TCard::SPECIAL_STORY;
        story->normal = 0;
        story->visibleW = story->visibleH = 190;
        auto c = AddTableau(6, 320, 300, 1);
        int found = 0;
        CardHooks.StoryItemFound = [&] { found++; };
        c->inPlay = 1;
        c->StartTableauToFoundationAnim(1, 1, 1, 1);
        List().UnblockCards(*c);
        EXPECT_EQ(found, 1) << face;
        EXPECT_EQ(List().GetCardIndex(story.get()), -1);
        EXPECT_EQ(c->thisCardRevealedStoryItem, 1);
        EXPECT_EQ(CardHooks.storyItemAnimInProgress, 1);
        RunUntilIdle();
        EXPECT_EQ(CardHooks.undoEnabled, 0);  // finding it cannot be undone
    }
}

// A fan of 11 sorted slots for the tests of this layer.
struct FakeFan {
    std::array<int, 11> slots;
    explicit FakeFan(int filled) {
        slots.fill(-1);
        for (int i = 0; i < filled; ++i) slots[static_cast<size_t>(i)] = 5;
        CardHooks.GetFanSlot = [this](int v) {
            if (slots[0] == -1) return 0;
            if (slots[10] != -1) return -1;
            for (int i = 0; i < 11; ++i)
                if (slots[static_cast<size_t>(i)] == -1 || slots[static_cast<size_t>(i)] > v)
                    return i;
            return -1;
        };
        CardHooks.InsertWildcard = [this](TCard& card) {
            if (slots[10] != -1) return 0;
            for (int i = 9; i >= card.fanSlot; --i)
                slots[static_cast<size_t>(i + 1)] = slots[static_cast<size_t>(i)];
            slots[static_cast<size_t>(card.fanSlot)] = card.value;
            return 1;
        };
        CardHooks.FanSlotValue = [this](int s) { return slots[static_cast<size_t>(s)]; };
    }
};

TEST_F(CardTest, TableauWildcardIntoAFullFanIsRefused) {
    FakeFan fan(11);
    auto w = TCard::CreateWildCard(4);
    List().AddLast(w);
    w->tableau = 1;
    w->inPlay = 1;
    w->faceUp = 1;
    EXPECT_EQ(w->StartTableauToFanAnim(), 0);
    EXPECT_EQ(w->tableau, 1);
    EXPECT_GT(w->wiggleCounter, 0);
}

TEST_F(CardTest, StockWildcardIntoAFullFanTakesSlotZeroAndIsDropped) {
    FakeFan fan(11);
    SetFoundation(5);
    auto w = TCard::CreateWildCard(4);
    List().AddLast(w);
    w->PlaceOnStock(0);
    w->StartStockToFoundationAnim();
    RunUntilIdle(100);
    EXPECT_EQ(w->fanSlot, 0);
    RunUntilIdle();
    // The fan could not take it, so it left the hand.
    EXPECT_EQ(List().GetCardIndex(w.get()), -1);
}

TEST_F(CardTest, TableauWildcardExpandsPausesAndFliesToItsSlot) {
    FakeFan fan(2);
    auto w = TCard::CreateWildCard(9);
    List().AddLast(w);
    w->tableau = 1;
    w->inPlay = 1;
    w->faceUp = 1;
    w->x = 400;
    w->y = 300;
    ASSERT_EQ(w->StartTableauToFanAnim(), 1);
    for (int i = 0; i < 40; ++i) w->Manage();  // 200 ms
    EXPECT_FLOAT_EQ(w->ScaleX, 1.5f);
    for (int i = 0; i < 100; ++i) w->Manage();  // 500 ms pause
    EXPECT_FLOAT_EQ(w->x, 400);
    RunUntilIdle();
    EXPECT_EQ(w->fan, 1);
    EXPECT_EQ(w->fanSlot, 2);
    EXPECT_EQ(fan.slots[2], 9);
    EXPECT_FLOAT_EQ(w->x, TLevel::CalcFanWildcardX(2));
    EXPECT_FLOAT_EQ(w->ScaleX, 1.0f);
    EXPECT_EQ(w->inPlay, 1);
}

TEST_F(CardTest, RemoveLockCounterFreesAnUncoveredCard) {
    auto c = AddTableau(8, 300, 300, 0);
    c->lockCounter = 1;
    c->RemoveLockCounter();
    EXPECT_EQ(c->lockCounter, 0);
    EXPECT_GT(c->flipCounter, 0);
    RunUntilIdle();
    EXPECT_EQ(c->faceUp, 1);
    EXPECT_EQ(c->inPlay, 1);
    // A covered one waits for its cover to go.
    auto d = AddTableau(8, 600, 300, 1);
    AddTableau(2, 610, 300, 1);
    d->lockCounter = 1;
    d->RemoveLockCounter();
    EXPECT_EQ(d->inPlay, 0);
}

TEST_F(CardTest, KeyWithoutAnyLockIsWasted) {
    auto key = AddTableau(0, 300, 300);
    key->specialType = TCard::SPECIAL_KEY;
    key->normal = 0;
    key->inPlay = 1;
    std::vector<std::string> sounds;
    CardHooks.PlaySound = [&](const std::string& n, float, float, float) { sounds.push_back(n); };
    EXPECT_EQ(key->StartPickupKey(), 1);
    EXPECT_EQ(CardHooks.PointerIsKey, 0);
    EXPECT_EQ(List().GetCardIndex(key.get()), -1);
    EXPECT_EQ(sounds.back(), "keywasted");
}

TEST_F(CardTest, KeyWithOnlyCoveredLocksIsAnInvalidClick) {
    auto lock = AddTableau(0, 300, 300);
    lock->specialType = TCard::SPECIAL_LOCK;
    lock->normal = 0;
    AddTableau(2, 310, 300);
    auto key = AddTableau(0, 700, 300);
    key->specialType = TCard::SPECIAL_KEY;
    key->normal = 0;
    key->inPlay = 1;
    EXPECT_EQ(key->StartPickupKey(), 0);
    EXPECT_EQ(key->tableau, 1);
    lock->inPlay = 1;
    EXPECT_EQ(key->StartPickupKey(), 1);
    EXPECT_EQ(CardHooks.PointerIsKey, 1);
    // Unlocking with the key puts the pointer back.
    lock->StartUnlockLock();
    EXPECT_EQ(CardHooks.PointerIsKey, 0);
    EXPECT_EQ(List().GetCardIndex(lock.get()), -1);
}

}  // namespace
