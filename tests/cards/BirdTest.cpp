#include "tests/cards/PowerupFixture.h"

namespace {

class BirdTest : public PowerupTest {};

TEST_F(BirdTest, StagesBurnOneTargetEvery500Ms) {
    struct Case {
        std::set<int> items;
        int stages;
    } cases[] = {{{25}, 2}, {{25, 26}, 3}};
    for (const auto& k : cases) {
        FreshHand();
        bought = k.items;
        LayTable();
        Bird().ChargeFully();
        auto top = Level().topFoundationCard;
        ASSERT_EQ(ClickButton(Bird()), 1);
        EXPECT_EQ(Bird().m_PowerSize, k.stages - 1);
        ASSERT_EQ(Bird().m_StageCount, k.stages);
        auto targets = Bird().targets;
        ASSERT_EQ(static_cast<int>(targets.size()), k.stages);
        std::set<const TCard*> distinct;
        for (const auto& t : targets) {
            distinct.insert(t.get());
            EXPECT_EQ(t->specialType, 0);
        }
        EXPECT_EQ(static_cast<int>(distinct.size()), k.stages);
        EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 1);
        EXPECT_EQ(CardHooks.undoEnabled, 0);
        EXPECT_EQ(used, std::vector<int>{THUDPowerup::KIND_BIRD});
        int stage = static_cast<int>(TCard::Steps(TBirdHUD::STAGE_LENGTH));
        for (int s = 0; s < k.stages; ++s) {
            // Stage s has burnt targets 0..s and left the rest alone.
            for (int t = 0; t < k.stages; ++t)
                EXPECT_EQ(List().Find(targets[static_cast<size_t>(t)].get()) == nullptr, t <= s)
                    << "stage " << s << " target " << t;
            EXPECT_EQ(Heard("phoenixfire"), s + 1);
            Tick(stage);
        }
        EXPECT_EQ(Bird().m_Active, 0);
        EXPECT_EQ(Bird().isActive, 0);
        EXPECT_EQ(Bird().CurrentCharge, 0);
        EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 0);
        EXPECT_EQ(Level().topFoundationCard, top);
        EXPECT_EQ(combo, 0);
    }
}

TEST_F(BirdTest, LevelTwoWithOneCandidateBurnsOneCardAndFinishesAfterOneStage) {
    Buy({25, 26});
    SetFoundation(5);
    auto under = AddTableau(8, 300, 250, 0);
    auto only = AddTableau(9, 300, 280);
    auto key = AddTableau(0, 700, 250);
    key->specialType = TCard::SPECIAL_KEY;
    key->normal = 0;
    AddStock(3);
    List().EnableAllTopCards();
    ASSERT_EQ(key->inPlay, 1);
    Bird().ChargeFully();
    ASSERT_EQ(ClickButton(Bird()), 1);
    EXPECT_EQ(Bird().m_StageCount, 1);
    ASSERT_EQ(Bird().targets.size(), 1u);
    EXPECT_EQ(Bird().targets[0], only);
    EXPECT_FALSE(List().Find(only.get()));
    EXPECT_GT(under->flipCounter, 0);  // the card it covered turns over
    EXPECT_EQ(Heard("phoenixfire"), 1);
    int stage = static_cast<int>(TCard::Steps(TBirdHUD::STAGE_LENGTH));
    Tick(stage - 1);
    EXPECT_EQ(Bird().m_Active, 1);
    Tick(1);
    EXPECT_EQ(Bird().m_Active, 0);
    EXPECT_EQ(Bird().CurrentCharge, 0);
    EXPECT_EQ(Heard("phoenixfire"), 1);
    EXPECT_TRUE(List().Find(key.get()));
    EXPECT_EQ(under->faceUp, 1);
    EXPECT_EQ(under->inPlay, 1);
}

TEST_F(BirdTest, CannotFireWithoutAFreeCard) {
    Buy({25});
    SetFoundation(5);
    AddTableau(8, 300, 250, 0);  // face down: not in play
    AddStock(3);
    Bird().ChargeFully();
    EXPECT_EQ(ClickButton(Bird()), -1);
    EXPECT_EQ(Bird().isActive, 0);
}

TEST_F(BirdTest, ABowedTargetLeavesItsCopy) {
    Buy({25});
    SetFoundation(5);
    auto bowed = AddTableau(9, 300, 250);
    bowed->bow = bowed->originalBow = 1;
    AddStock(3);
    List().EnableAllTopCards();
    handEnded = 0;
    Bird().ChargeFully();
    ASSERT_EQ(ClickButton(Bird()), 1);
    ASSERT_EQ(Bird().targets.size(), 1u);
    EXPECT_FALSE(List().Find(bowed.get()));
    EXPECT_EQ(Level().CountTableau(), 1);
    auto copy = List().GetFirstTableauCard();
    EXPECT_EQ(copy->value, 9);
    EXPECT_EQ(copy->bow, 0);
    RunUntilQuiet();
    EXPECT_EQ(handEnded, 0);
}

TEST_F(BirdTest, BurningTheLastCardEndsTheHand) {
    Buy({25});
    SetFoundation(5);
    AddTableau(9, 300, 250);
    AddTableau(2, 600, 250);
    AddStock(3);
    List().EnableAllTopCards();
    handEnded = 0;
    Bird().ChargeFully();
    ASSERT_EQ(ClickButton(Bird()), 1);
    RunUntilQuiet();
    EXPECT_EQ(Level().CountTableau(), 0);
    EXPECT_GE(handEnded, 1);  // the last burn and the finish both look
    EXPECT_EQ(Bird().m_Active, 0);
}

}  // namespace
