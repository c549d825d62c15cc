#include <cmath>

#include "tests/cards/PowerupFixture.h"

namespace {

class CupidTest : public PowerupTest {
protected:
    // Cupid bought (and its gold version at level 2), charged and armed.
    void Arm(int level) {
        Buy({27});
        if (level >= 2) Buy({28});
        LayTable();
        Cupid().ChargeFully();
        ASSERT_EQ(ClickButton(Cupid()), 1);
    }
    void ExpectFinished() {
        EXPECT_EQ(Cupid().isActive, 0);
        EXPECT_EQ(Cupid().arrowsLeft, 0);
        EXPECT_EQ(Cupid().arrowsInAir, 0);
        EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 0);
        EXPECT_EQ(CardHooks.BlockStockInput, 0);
        EXPECT_EQ(CardHooks.BlockTableauInput, 0);
        EXPECT_FALSE(CardHooks.IsCupidArmed());
        EXPECT_TRUE(pointer.empty());
    }
};

TEST_F(CupidTest, FlightTimeShortensTowardsTheBow) {
    struct Case {
        int x, y, ms;
    } cases[] = {
        {500, 300, 500},  // right of x 400: the full flight
        {400, 700, 500},  // x 400 is not below 400
        {900, 760, 500},  //
        {200, 100, 375},  // (200 / 400) / 2 + 0.5 = 0.75
        {0, 0, 250},      //
        {399, 234, 499},  // y at g = 768 / 2 - 150 is not below it
        {200, 500, 188},  // 375 x (1 - 266 / 534)
        {100, 634, 78},   // 312.5 x (1 - 400 / 534)
        {0, 768, 0},      // at the bow itself
    };
    for (const auto& k : cases)
        EXPECT_EQ(TCupidHUD::ArrowFlightMs(k.x, k.y, 768), k.ms) << k.x << "," << k.y;
    // The screen height moves g: on a 600-high screen g is 150.
    EXPECT_EQ(TCupidHUD::ArrowFlightMs(200, 150, 600), 375);
    EXPECT_EQ(TCupidHUD::ArrowFlightMs(200, 375, 600), 187);
}

TEST_F(CupidTest, ArmingSetsTheCursorByLevel) {
    struct Case {
        int level, arrows;
        const char* cursor;
    } cases[] = {{1, 1, "OneArrowCursor"}, {2, 2, "TwoArrowCursor"}};
    for (const auto& k : cases) {
        FreshHand();
        Arm(k.level);
        EXPECT_EQ(Cupid().arrowsLeft, k.arrows);
        EXPECT_EQ(pointer, k.cursor);
        EXPECT_TRUE(CardHooks.IsCupidArmed());
        EXPECT_TRUE(THUDPowerup::HUDPowerupIsActive());
        // Armed is not working: the cards still take clicks.
        EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 0);
        EXPECT_EQ(Heard("buttonclick"), 1);
        sounds.clear();
        Cupid().RevertArrow();
    }
}

TEST_F(CupidTest, AnArrowTakesTheCardOffWithoutPlayingIt) {
    Arm(1);
    int fadeTips = 0;
    CardHooks.FadeTips = [&] { fadeTips++; };
    auto top = Level().topFoundationCard;
    auto target = cover;  // the 10 over the face-down 8
    float x = target->x, y = target->y;
    ClickTable(x, y);
    EXPECT_EQ(target->targeted, 1);
    EXPECT_EQ(Cupid().arrowsInAir, 1);
    EXPECT_EQ(Cupid().arrowsLeft, 0);
    EXPECT_TRUE(pointer.empty());
    EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 1);
    EXPECT_EQ(Heard("arrow2"), 1);
    EXPECT_EQ(Heard("arrow"), 1);
    EXPECT_EQ(CardHooks.undoEnabled, 0);
    EXPECT_EQ(used, std::vector<int>{THUDPowerup::KIND_CUPID});
    // The arrow flies its time, counted from the click's step.
    int ticks = static_cast<int>(std::ceil(TCard::Steps(
        TCupidHUD::ArrowFlightMs(static_cast<int>(x), static_cast<int>(y), VirtualHeight))));
    Tick(ticks - 2);
    ASSERT_TRUE(List().Find(target.get()));
    EXPECT_EQ(target->tableau, 1);
    Tick(1);
    EXPECT_FALSE(List().Find(target.get()));
    EXPECT_EQ(Level().topFoundationCard, top);
    EXPECT_EQ(combo, 0);
    EXPECT_EQ(Cupid().CurrentCharge, 0);
    EXPECT_EQ(fadeTips, 1);
    // The card it covered turns over and comes into play.
    EXPECT_GT(covered->flipCounter, 0);
    ExpectFinished();
    RunUntilQuiet();
    EXPECT_EQ(covered->faceUp, 1);
    EXPECT_EQ(covered->inPlay, 1);
    // It burns away over 420 ms.
    EXPECT_EQ(THUDPowerup::BurningCards().size(), 1u);
    Tick(static_cast<int>(TCard::Steps(THUDPowerup::BURN_LENGTH)));
    EXPECT_EQ(THUDPowerup::BurningCards().size(), 0u);
    EXPECT_TRUE(List().lastFlipped.empty());
}

TEST_F(CupidTest, LevelTwoRefusesTheSameCardAndWastesTheArrowOnEmptyTable) {
    Arm(2);
    auto target = row[3];
    ClickTable(target->x, target->y);
    EXPECT_EQ(Cupid().arrowsLeft, 1);
    EXPECT_EQ(pointer, "OneArrowCursor");
    EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 0);
    sounds.clear();
    ClickTable(target->x, target->y);
    EXPECT_EQ(sounds, std::vector<std::string>{"InvalidClick"});
    EXPECT_EQ(Cupid().arrowsLeft, 1);
    EXPECT_EQ(Cupid().arrowsInAir, 1);
    ClickTable(900, 480);  // nothing there
    EXPECT_EQ(Cupid().arrowsLeft, 0);
    EXPECT_EQ(Cupid().arrowWasWasted, 1);
    EXPECT_TRUE(pointer.empty());
    EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 1);  // the first arrow is still on its way
    RunUntilQuiet();
    EXPECT_FALSE(List().Find(target.get()));
    EXPECT_EQ(Cupid().CurrentCharge, 23);
    ExpectFinished();
    EXPECT_EQ(used, std::vector<int>{THUDPowerup::KIND_CUPID});
}

TEST_F(CupidTest, LevelTwoShootsTwoCards) {
    Arm(2);
    auto a = row[0], b = row[5];
    ClickTable(a->x, a->y);
    ClickTable(b->x, b->y);
    EXPECT_EQ(Cupid().arrowsInAir, 2);
    EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 1);
    RunUntilQuiet();
    EXPECT_FALSE(List().Find(a.get()));
    EXPECT_FALSE(List().Find(b.get()));
    EXPECT_EQ(Cupid().CurrentCharge, 0);
    ExpectFinished();
}

TEST_F(CupidTest, AClickOnNoCardCancelsAnUnusedShot) {
    struct Case {
        int level;
    } cases[] = {{1}, {2}};
    for (const auto& k : cases) {
        FreshHand();
        Arm(k.level);
        ClickTable(900, 480);
        EXPECT_EQ(Cupid().isActive, 0) << k.level;
        EXPECT_EQ(Cupid().arrowWasWasted, 0);
        EXPECT_EQ(Cupid().CurrentCharge, 45);  // the charge stays for another try
        EXPECT_TRUE(pointer.empty());
        EXPECT_TRUE(used.empty());
    }
}

TEST_F(CupidTest, AClickOnAButtonWhileArmedKeepsTheArrow) {
    Arm(1);
    Game->Mouse.x = 50;
    Game->Mouse.y = 700;
    Game->Mouse.h1 = 1;
    Tick();
    EXPECT_TRUE(CardHooks.IsCupidArmed());
}

TEST_F(CupidTest, SpecialAndStockCardsAreNoTargets) {
    Arm(1);
    auto key = std::make_shared<TCard>();
    key->specialType = TCard::SPECIAL_KEY;
    key->normal = 0;
    key->tableau = 1;
    key->faceUp = key->inPlay = 1;
    key->x = 850;
    key->y = 450;
    List().AddLast(key);
    sounds.clear();
    ClickTable(key->x, key->y);
    auto stock = Level().topStockCard;
    ClickTable(stock->x, stock->y);
    EXPECT_EQ(Heard("InvalidClick"), 2);
    EXPECT_EQ(Cupid().arrowsLeft, 1);
    EXPECT_TRUE(List().Find(key.get()));
    EXPECT_EQ(key->targeted, 0);
}

TEST_F(CupidTest, ABowedCardLeavesItsCopy) {
    Arm(1);
    auto target = row[1];
    target->bow = target->originalBow = 1;
    int count = List().Count();
    ClickTable(target->x, target->y);
    RunUntilQuiet();
    EXPECT_FALSE(List().Find(target.get()));
    EXPECT_EQ(List().Count(), count);
    auto copy = List().ValueAtIndex(List().GetCardIndex(row[0].get()) + 1);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->value, target->value);
    EXPECT_EQ(copy->bow, 0);
    EXPECT_EQ(copy->tableau, 1);
    EXPECT_EQ(copy->targeted, 0);
}

TEST_F(CupidTest, TheLastArrowIsWastedWhenNoTargetIsLeft) {
    Buy({27, 28});
    SetFoundation(5);
    auto only = AddTableau(9, 300, 200);
    AddStock(3);
    List().EnableAllTopCards();
    handEnded = 0;
    Cupid().ChargeFully();
    ASSERT_EQ(ClickButton(Cupid()), 1);
    ClickTable(only->x, only->y);
    RunUntilQuiet();
    // The hand is over when the tableau is empty; the second arrow had nothing left.
    EXPECT_EQ(handEnded, 1);
    EXPECT_EQ(Cupid().CurrentCharge, 23);
    ExpectFinished();
}

}  // namespace
